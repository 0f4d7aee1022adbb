// Reader of a zodiac position typed by hand.
#include "normaliza.h"
#include "mensagens.h"
#include "normalizaleitura.h"
#include "simbolos.h"

#include <cmath>

namespace {
// The sign words of the window's parser (first three letters), 0 Carneiro .. 11 Peixes.
int indiceSigno(const QString& palavra) {
    static const char* const kPalavras[12][3] = {
        {"car", nullptr, nullptr}, {"tou", nullptr, nullptr}, {"gém", "gem", nullptr}, {"can", "cân", nullptr},
        {"leo", "leã", "lea"},     {"vir", nullptr, nullptr}, {"lib", "bal", nullptr}, {"esc", nullptr, nullptr},
        {"sag", nullptr, nullptr}, {"cap", nullptr, nullptr}, {"aqu", nullptr, nullptr}, {"pei", nullptr, nullptr}};
    const QString tres = palavra.left(3);
    for (int s = 0; s < 12; ++s)
        for (const char* p : kPalavras[s])
            if (p && tres == QString::fromUtf8(p))
                return s;
    return -1;
}
} // namespace

Normalizado NormalizaPosicao(const QString& texto) {
    const QString t = texto.trimmed();
    Normalizado n;
    const auto erro = [&](const QString& porque) {
        n.erro = QStringLiteral("A posição «") + Citacao(t) + QStringLiteral("» não pode ser lida: ") + porque +
                 QStringLiteral(". Escreva, por exemplo, 15º30' Touro.");
        return n;
    };
    if (t.isEmpty()) {
        n.erro = QStringLiteral("Preencha a posição");
        return n;
    }
    const AnguloLido a = LeAngulo(t);
    if (!a.ok)
        return erro(a.erro);
    if (a.comSinal || a.marcaHoras || a.doisPontos)
        return erro(QStringLiteral("escreva graus, minutos e segundos do signo"));
    double graus = a.magnitude();
    if (a.resto.isEmpty()) {
        if (graus >= 360)
            return erro(QStringLiteral("sem signo, a longitude vai de 0 a 360 graus"));
    } else {
        const int s = indiceSigno(a.resto);
        if (s < 0)
            return erro(QStringLiteral("«") + Citacao(a.resto) + QStringLiteral("» não é um signo"));
        if (graus >= 30)
            return erro(QStringLiteral("dentro do signo, os graus vão de 0 a 29"));
        graus += 30.0 * s;
    }
    const long long total = std::llround(graus * 3600.0) % (360LL * 3600);
    const int signo = static_cast<int>(total / 108000);
    const long long dentro = total % 108000;
    n.ok = true;
    n.texto = QStringLiteral("%1º%2'%3''").arg(dentro / 3600).arg(dentro / 60 % 60).arg(dentro % 60) +
              Simbolos::SignInfo(static_cast<int16_t>(signo)).nome;
    n.valor = total / 3600.0;
    return n;
}
