#include "dominantes.h"

#include "simbolos.h"

#include <array>

namespace {

using Tabela = std::array<std::array<int, 10>, 12>;

constexpr Tabela SIGN_SCORE = {{
    {8, 1, 6, 3, 10, 2, 1, 8, 1, 8},
    {2, 8, 1, 10, 2, 8, 6, 6, 4, 5},
    {6, 5, 10, 1, 6, 5, 5, 8, 5, 4},
    {4, 10, 4, 8, 1, 6, 1, 1, 8, 8},
    {10, 2, 6, 7, 8, 8, 7, 5, 2, 6},
    {2, 1, 10, 3, 2, 1, 8, 6, 5, 8},
    {6, 6, 8, 10, 2, 5, 8, 5, 6, 6},
    {2, 8, 7, 8, 10, 6, 6, 6, 8, 10},
    {8, 6, 5, 6, 8, 10, 4, 8, 8, 7},
    {4, 1, 6, 1, 5, 3, 10, 6, 1, 4},
    {5, 4, 8, 3, 8, 5, 10, 10, 1, 8},
    {4, 8, 4, 8, 4, 10, 4, 1, 10, 8},
}};

constexpr Tabela HOUSE_SCORE = {{
    {10, 2, 8, 10, 5, 10, 1, 5, 1, 1},
    {8, 7, 7, 8, 4, 8, 2, 2, 5, 5},
    {8, 9, 10, 6, 3, 7, 6, 8, 7, 7},
    {4, 10, 5, 8, 3, 6, 7, 4, 2, 3},
    {10, 8, 6, 10, 8, 8, 3, 5, 5, 8},
    {5, 7, 8, 6, 7, 5, 6, 8, 1, 5},
    {2, 5, 5, 8, 5, 8, 8, 2, 4, 1},
    {1, 8, 5, 6, 8, 6, 4, 5, 8, 10},
    {8, 7, 8, 5, 8, 8, 7, 8, 8, 5},
    {10, 6, 8, 8, 6, 10, 5, 2, 2, 2},
    {5, 4, 8, 3, 8, 5, 10, 10, 1, 8},
    {1, 4, 6, 6, 5, 5, 1, 5, 5, 5},
}};

} // namespace

int PontuacaoPlaneta(int p, int signo, int casa) {
    if (p < 1 || p > 10) return 0;
    int total = 0;
    if (casa >= 1 && casa <= 12) total += HOUSE_SCORE[casa - 1][p - 1];
    if (signo >= 1 && signo <= 12) total += SIGN_SCORE[signo - 1][p - 1];
    return total;
}

QString DominantPlanets(Mapa& mapa) {
    std::array<int, 10> pontos{};
    int maximo = 0;
    for (int p = 1; p <= 10; ++p) {
        planeta& corpo = mapa.Corpo(p - 1);
        pontos[p - 1] = PontuacaoPlaneta(p, corpo.Posicao().NumeroSigno() % 12 + 1, corpo.Casa);
        maximo = std::max(maximo, pontos[p - 1]);
    }
    // Every redraw recomputes the winners, so the flags of an earlier chart or redraw go first.
    for (int i = 0; i < N_CORPOS_MAPA; ++i)
        mapa.Corpo(i).Marcado = false;
    QStringList nomes;
    for (int p = 1; p <= 10; ++p) {
        if (pontos[p - 1] != maximo) continue;
        planeta& corpo = mapa.Corpo(p - 1);
        corpo.Marcado = true;
        nomes << (corpo.Nome.isEmpty() ? Simbolos::BodyInfo(static_cast<int16_t>(p)).nome : corpo.Nome);
    }
    return nomes.join(QStringLiteral(" e "));
}
