#include "sintese.h"

#include "aspectos.h"
#include "orbes.h"
#include "textos.h"
#include <algorithm>
#include <cmath>

namespace Sintese {
namespace {
constexpr int N_PLANETAS = 10; // Sol .. Plutão

std::vector<int> Maiores(const int* valores, int n) {
    const int maximo = *std::max_element(valores, valores + n);
    std::vector<int> r;
    for (int k = 0; k < n; ++k)
        if (valores[k] == maximo && maximo > 0) r.push_back(k);
    return r;
}

double Graus(Mapa& mapa, int i) {
    return mapa.Corpo(i).Posicao().ValorGraus();
}

// Separation of two longitudes in degrees, 0..180.
double Separacao(double a, double b) {
    const double d = std::fabs(std::fmod(a - b, 360.0));
    return d > 180 ? 360 - d : d;
}

// Aspect kinds between the ten planets, read back from the chart's global collection.
using Matriz = std::array<std::array<int, N_PLANETAS>, N_PLANETAS>;
Matriz MatrizAspectos(Mapa& mapa) {
    Matriz m{};
    for (const Aspecto& a : mapa.Aspectos()) {
        const int codigo = a.codigo().toInt();
        const int i = codigo / 1000 - 1, tipo = (codigo / 100) % 10, j = codigo % 100 - 1;
        if (i >= 0 && i < N_PLANETAS && j >= 0 && j < N_PLANETAS) m[i][j] = m[j][i] = tipo;
    }
    return m;
}

bool Contem(const std::vector<int>& grande, std::initializer_list<int> pequeno) {
    return std::all_of(pequeno.begin(), pequeno.end(),
                       [&](int c) { return std::find(grande.begin(), grande.end(), c) != grande.end(); });
}
} // namespace

Equilibrio CalculaEquilibrio(Mapa& mapa) {
    Equilibrio e;
    for (int k = 0; k < N_PONTOS_EQUILIBRIO; ++k) {
        const PosSigno& p = k == ASCENDENTE ? mapa.Cuspide(1) : mapa.Corpo(k).Posicao();
        const int signo = NumeroSigno1(p) - 1;
        e.elementos[ElementoDe(signo)] += kPesos[k];
        e.modalidades[ModalidadeDe(signo)] += kPesos[k];
    }
    for (int i = 0; i < N_PLANETAS; ++i) {
        const int casa = mapa.Corpo(i).Casa;
        if (casa < 1 || casa > 12) continue;
        (casa >= 7 ? e.acima : e.abaixo) += 1;
        (casa >= 10 || casa <= 3 ? e.oriente : e.ocidente) += 1;
    }
    e.elementosDominantes = Maiores(e.elementos.data(), 4);
    e.modalidadesDominantes = Maiores(e.modalidades.data(), 3);
    return e;
}

int Regente(int signo, bool moderno) {
    // Carneiro .. Peixes: Marte, Vénus, Mercúrio, Lua, Sol, Mercúrio, Vénus, Marte, Júpiter,
    // Saturno, Saturno, Júpiter.
    static constexpr int kTradicional[12] = {4, 3, 2, 1, 0, 2, 3, 4, 5, 6, 6, 5};
    static constexpr int kModerno[12] = {4, 3, 2, 1, 0, 2, 3, 9, 5, 6, 7, 8};
    const int s = (signo % 12 + 12) % 12;
    return moderno ? kModerno[s] : kTradicional[s];
}

std::vector<Estelio> Estelios(Mapa& mapa) {
    std::vector<Estelio> r;
    for (bool porSigno : {true, false}) {
        for (int lugar = porSigno ? 0 : 1; lugar <= (porSigno ? 11 : 12); ++lugar) {
            Estelio e{porSigno, lugar, {}};
            for (int i = 0; i < N_PLANETAS; ++i) {
                const int onde = porSigno ? NumeroSigno1(mapa.Corpo(i).Posicao()) - 1 : mapa.Corpo(i).Casa;
                if (onde == lugar) e.corpos.push_back(i);
            }
            if (e.corpos.size() >= 3) r.push_back(e);
        }
    }
    return r;
}

std::vector<Figura> Figuras(Mapa& mapa, const TabelaOrbes& orbes) {
    const Matriz m = MatrizAspectos(mapa);
    auto quincuncio = [&](int a, int b) {
        const int orbe = std::min<int>(orbes.orb(a + 1, b + 1), kOrbeQuincuncio);
        const int sep = SeparacaoArredondada(mapa.Corpo(a).Posicao().ValorRads(), mapa.Corpo(b).Posicao().ValorRads());
        return std::abs(sep - 150) <= orbe;
    };
    std::vector<Figura> cruzes, papagaios, trigonos, tQuadradas, yods;
    for (int a = 0; a < N_PLANETAS; ++a)
        for (int b = a + 1; b < N_PLANETAS; ++b) {
            for (int c = b + 1; c < N_PLANETAS; ++c)
                if (m[a][b] == ASPECTO_TRIGONO && m[b][c] == ASPECTO_TRIGONO && m[a][c] == ASPECTO_TRIGONO)
                    trigonos.push_back({TipoFigura::GrandeTrigono, {a, b, c}});
            for (int c = 0; c < N_PLANETAS; ++c) {
                if (c == a || c == b) continue;
                if (m[a][b] == ASPECTO_OPOSICAO && m[a][c] == ASPECTO_QUADRATURA && m[b][c] == ASPECTO_QUADRATURA)
                    tQuadradas.push_back({TipoFigura::TQuadrada, {a, b, c}});
                if (m[a][b] == ASPECTO_SEXTIL && quincuncio(a, c) && quincuncio(b, c))
                    yods.push_back({TipoFigura::Yod, {a, b, c}});
            }
        }
    // Grand cross: two oppositions whose four ends are joined by squares, a < b < c < d once.
    for (int a = 0; a < N_PLANETAS; ++a)
        for (int c = a + 1; c < N_PLANETAS; ++c) {
            if (m[a][c] != ASPECTO_OPOSICAO) continue;
            for (int b = a + 1; b < N_PLANETAS; ++b)
                for (int d = b + 1; d < N_PLANETAS; ++d)
                    if (b != c && d != c && m[b][d] == ASPECTO_OPOSICAO && m[a][b] == ASPECTO_QUADRATURA &&
                        m[b][c] == ASPECTO_QUADRATURA && m[c][d] == ASPECTO_QUADRATURA &&
                        m[d][a] == ASPECTO_QUADRATURA)
                        cruzes.push_back({TipoFigura::GrandeCruz, {a, b, c, d}});
        }
    for (const Figura& t : trigonos)
        for (int k = 0; k < 3; ++k) {
            const int a = t.corpos[k], b = t.corpos[(k + 1) % 3], c = t.corpos[(k + 2) % 3];
            for (int d = 0; d < N_PLANETAS; ++d)
                if (m[a][d] == ASPECTO_OPOSICAO && m[b][d] == ASPECTO_SEXTIL && m[c][d] == ASPECTO_SEXTIL)
                    papagaios.push_back({TipoFigura::Papagaio, {a, b, c, d}});
        }
    std::vector<Figura> r;
    for (const Figura& t : trigonos)
        if (std::none_of(papagaios.begin(), papagaios.end(), [&](const Figura& p) {
                return Contem(p.corpos, {t.corpos[0], t.corpos[1], t.corpos[2]});
            }))
            r.push_back(t);
    for (const Figura& t : tQuadradas)
        if (std::none_of(cruzes.begin(), cruzes.end(), [&](const Figura& x) {
                return Contem(x.corpos, {t.corpos[0], t.corpos[1], t.corpos[2]});
            }))
            r.push_back(t);
    for (auto* lista : {&cruzes, &yods, &papagaios})
        r.insert(r.end(), lista->begin(), lista->end());
    std::stable_sort(r.begin(), r.end(), [](const Figura& x, const Figura& y) { return x.tipo < y.tipo; });
    return r;
}

Fase FaseAspecto(double grausI, double grausJ, double movI, double movJ, int tipo) {
    // d: where j stands from i, (−180°, 180°]; the separation |d| changes at sign(d)·(movJ − movI).
    double d = std::fmod(grausJ - grausI, 360.0);
    if (d > 180) d -= 360;
    if (d <= -180) d += 360;
    const double variacaoSeparacao = (d >= 0 ? 1.0 : -1.0) * (movJ - movI);
    const double desvio = std::fabs(d) - AnguloAspecto(tipo);
    // Exactly at the aspect, any motion takes it away.
    const double variacaoOrbe = desvio == 0 ? std::fabs(variacaoSeparacao)
                                            : (desvio > 0 ? 1.0 : -1.0) * variacaoSeparacao;
    return variacaoOrbe < 0 ? Fase::Aplicativo : Fase::Separativo;
}

std::vector<LinhaAspecto> AspectosPorOrbe(Mapa& mapa, const std::optional<std::array<double, 13>>& movimentos) {
    std::vector<LinhaAspecto> r;
    for (const Aspecto& a : mapa.Aspectos()) {
        const int codigo = a.codigo().toInt();
        LinhaAspecto l;
        l.i = codigo / 1000 - 1;
        l.tipo = (codigo / 100) % 10;
        l.j = codigo % 100 - 1;
        if (l.i < 0 || l.i >= 13 || l.j < 0 || l.j >= 13 || AnguloAspecto(l.tipo) < 0) continue;
        const double gi = Graus(mapa, l.i), gj = Graus(mapa, l.j);
        l.orbe = std::fabs(Separacao(gi, gj) - AnguloAspecto(l.tipo));
        if (movimentos) l.fase = FaseAspecto(gi, gj, (*movimentos)[l.i], (*movimentos)[l.j], l.tipo);
        r.push_back(l);
    }
    std::stable_sort(r.begin(), r.end(), [](const LinhaAspecto& x, const LinhaAspecto& y) { return x.orbe < y.orbe; });
    return r;
}

int FaseLunar(double grausSol, double grausLua) {
    double d = std::fmod(grausLua - grausSol, 360.0);
    if (d < 0) d += 360.0;
    return std::clamp(int(d / 45.0) + 1, 1, 8);
}

std::vector<AspectoAngulo> AspectosAosAngulos(Mapa& mapa, const TabelaOrbes& orbes) {
    std::vector<AspectoAngulo> r;
    for (int angulo : {1, 10}) {
        const double ga = mapa.Cuspide(angulo).ValorGraus();
        for (int i = 0; i < N_PLANETAS; ++i) {
            const int orbe = orbes.orb(i + 1, i == 0 ? 2 : 1);
            const double sep = Separacao(Graus(mapa, i), ga);
            for (int tipo : TIPOS_ASPECTO) {
                const double desvio = std::fabs(sep - AnguloAspecto(tipo));
                if (desvio <= orbe) r.push_back({i, angulo, tipo, desvio});
            }
        }
    }
    return r;
}

} // namespace Sintese
