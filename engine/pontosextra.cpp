#include "pontosextra.h"

#include <QStringList>

namespace {
struct Ponto {
    const char* codigo;
    const char* nome;
    const char* abreviatura;
    const char* glifo;
};
// In the order of PontoExtra.
constexpr Ponto kPontos[N_PONTOS_EXTRA] = {
    {"quiron", "Quíron", "QUI", "a"},
    {"ceres", "Ceres", "CER", "b"},
    {"palas", "Palas", "PAL", "c"},
    {"juno", "Juno", "JUN", "e"},
    {"vesta", "Vesta", "VES", "f"},
    {"lua-negra-verdadeira", "Lua Negra verdadeira", "LNV", "g"},
    {"nodo-medio", "Nodo Lunar médio", "NDM", "h"},
    {"vertice", "Vértice", "VTX", "i"},
};

QString chave(const QString& texto) {
    QString t = texto.trimmed().normalized(QString::NormalizationForm_D).toLower();
    QString r;
    for (QChar c : t)
        if (c.category() != QChar::Mark_NonSpacing)
            r += c == QLatin1Char('_') || c == QLatin1Char(' ') ? QLatin1Char('-') : c;
    return r;
}
} // namespace

QString CodigoPontoExtra(int k) { return QString::fromLatin1(kPontos[k].codigo); }
QString NomePontoExtra(int k) { return QString::fromUtf8(kPontos[k].nome); }
QString AbreviaturaPontoExtra(int k) { return QString::fromLatin1(kPontos[k].abreviatura); }
QString GlifoPontoExtra(int k) { return QString::fromLatin1(kPontos[k].glifo); }
bool PontoDeAsteroide(int k) { return k <= static_cast<int>(PontoExtra::Vesta); }

QString CodigosPontos(ConjuntoPontos c) {
    QStringList l;
    for (int k = 0; k < N_PONTOS_EXTRA; ++k)
        if (TemPonto(c, k))
            l << CodigoPontoExtra(k);
    return l.join(QLatin1Char(','));
}

std::optional<ConjuntoPontos> LePontos(const QString& lista) {
    ConjuntoPontos c = 0;
    for (const QString& parte : lista.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString k = chave(parte);
        if (k.isEmpty())
            continue;
        int achado = -1;
        for (int i = 0; i < N_PONTOS_EXTRA && achado < 0; ++i)
            if (k == QLatin1String(kPontos[i].codigo) || k == chave(QString::fromUtf8(kPontos[i].nome)) ||
                k == chave(QString::fromLatin1(kPontos[i].abreviatura)))
                achado = i;
        if (achado < 0)
            return std::nullopt;
        c |= 1u << achado;
    }
    return c;
}
