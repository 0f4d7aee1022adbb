#include "significado.h"

#include "simbolos.h"
#include "textos.h"

namespace {
QString Corpo(int p) { // body number 1..19
    return Simbolos::NomeCorpoMapa(p - 1);
}
QString Signo(int s) { // 1..12
    return s >= 1 && s <= 12 ? Simbolos::SignInfo(int16_t(s - 1)).nome : QString();
}
QString Casa(int h) {
    static const char* const romanos[12] = {"I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI", "XII"};
    return h >= 1 && h <= 12 ? QStringLiteral("Casa ") + QLatin1String(romanos[h - 1]) : QString();
}
QString NomeAspecto(int t) {
    switch (t) {
    case 4:
        return QStringLiteral("Quadratura");
    case 6:
        return QStringLiteral("Sextil");
    case 7:
        return QStringLiteral("Trígono");
    case 8:
        return QStringLiteral("Oposição");
    case 9:
        return QStringLiteral("Conjunção");
    default:
        return QString();
    }
}
// "Sol em Carneiro" and the like: empty when either half has no name.
QString Junta(const QString& a, const QString& meio, const QString& b) {
    return a.isEmpty() || b.isEmpty() ? QString() : a + meio + b;
}
const char* const kOrdinais[] = {"primeiro", "segundo", "terceiro"};
const char* const kElementos[] = {"Fogo", "Terra", "Ar", "Água"};
const char* const kModalidades[] = {"Cardinal", "Fixa", "Mutável"};
const char* const kFiguras[] = {"Grande Trígono", "T-Quadrada", "Grande Cruz", "Yod", "Papagaio"};

// The synthesis texts: 2000100 + element … 2000900 + closing; 2010000 + ruler·100 + house.
QString SignificadoSintese(int32_t c) {
    const int k = c % 100;
    if (c >= 2010000) {
        const int corpo = (c - 2010000) / 100;
        return corpo >= 1 && corpo <= 10 ? Junta(QStringLiteral("Regente do mapa (%1)").arg(Corpo(corpo)),
                                                 QStringLiteral(" na "), Casa(k))
                                         : QString();
    }
    switch ((c - 2000000) / 100) {
    case 1:
        return k >= 1 && k <= 4
                   ? QStringLiteral("Predomínio do elemento ") + QString::fromUtf8(kElementos[k - 1])
                   : QString();
    case 2:
        return k >= 1 && k <= 3
                   ? QStringLiteral("Predomínio da modalidade ") + QString::fromUtf8(kModalidades[k - 1])
                   : QString();
    case 3:
        return k >= 1 && k <= 5 ? QStringLiteral("Figura: ") + QString::fromUtf8(kFiguras[k - 1]) : QString();
    case 4:
        return Junta(QStringLiteral("Estélio"), QStringLiteral(" em "), Signo(k));
    case 5:
        return Junta(QStringLiteral("Estélio"), QStringLiteral(" na "), Casa(k));
    case 6: {
        static const char* const hemisferios[4] = {"acima do horizonte", "abaixo do horizonte", "a oriente",
                                                   "a ocidente"};
        return k >= 1 && k <= 4
                   ? QStringLiteral("Oito ou mais planetas ") + QString::fromUtf8(hemisferios[k - 1])
                   : QString();
    }
    case 7:
        if (k >= 1 && k <= 4)
            return QStringLiteral("Elemento fraco (0 ou 1 ponto): ") + QString::fromUtf8(kElementos[k - 1]);
        return k >= 11 && k <= 13 ? QStringLiteral("Modalidade fraca (0 ou 1 ponto): ") +
                                        QString::fromUtf8(kModalidades[k - 11])
                                  : QString();
    case 8: {
        static const char* const fases[8] = {"Lua Nova",         "Lua Crescente", "Quarto Crescente",
                                             "Lua Gibosa",       "Lua Cheia",     "Lua Disseminadora",
                                             "Quarto Minguante", "Lua Balsâmica"};
        return k >= 1 && k <= 8
                   ? QStringLiteral("Fase da Lua no nascimento: ") + QString::fromUtf8(fases[k - 1])
                   : QString();
    }
    case 9:
        if (k == 10) return QStringLiteral("O que são o Esclarecedor e o Anjo");
        if (k == 20) return QStringLiteral("Fecho do relatório");
        return k == 0 ? QStringLiteral("Fecho da síntese") : QString();
    default:
        return QString();
    }
}

QString SignificadoOutro(int32_t c) {
    const int s = c % 100;
    // Quíron's texts: 2100100 + sign, 2100300 + house, 2101000 + aspect·100 + 1 Sol, 2 Lua, 3 Ascendente.
    const QString quiron = QStringLiteral("Quíron");
    if (c > 2100100 && c <= 2100112) return Junta(quiron, QStringLiteral(" em "), Signo(s));
    if (c > 2100300 && c <= 2100312) return Junta(quiron, QStringLiteral(" na "), Casa(s));
    if (c > 2101000 && c < 2102000) {
        const QString alvo = s == 1   ? QStringLiteral("Sol")
                             : s == 2 ? QStringLiteral("Lua")
                             : s == 3 ? QStringLiteral("Ascendente")
                                      : QString();
        return Junta(Junta(quiron, QStringLiteral(" em "), NomeAspecto((c / 100) % 10)),
                     QStringLiteral(" com "), alvo);
    }
    return QString();
}
} // namespace

QString NomeFamilia(Familia f) {
    static const char* const nomes[N_FAMILIAS] = {
        "Corpos nos signos", "Cúspides das casas", "Corpos nas casas", "Aspectos", "Retrógrados nos signos",
        "Retrógrados nas casas", "Decanatos do Sol", "Planetas dominantes", "Anjos (segmentos de cinco graus)",
        "Síntese do mapa", "Outros códigos"};
    return QString::fromUtf8(nomes[int(f)]);
}

Familia FamiliaDe(int32_t c) {
    if (c >= 2000000 && c < 2020000) return Familia::Sintese;
    if (c >= 1300000) return c < 1400000 ? Familia::Anjos : Familia::Outros;
    if (c >= 1201001 && c <= 1201011) return Familia::Esclarecedores;
    if (c >= 1100000 && c < 1200000) return Familia::Decanatos;
    if (c >= 1100000) return Familia::Outros;
    if (c >= 1000000) return Familia::RetrogradosCasas;
    if (c >= 900000) return Familia::RetrogradosSignos;
    if (c >= 100000 || c < 1000) return Familia::Outros;
    switch ((c / 100) % 10) {
    case 1:
        return Familia::CorposSignos;
    case 2:
        return Familia::Cuspides;
    case 3:
        return Familia::CorposCasas;
    case 4:
    case 6:
    case 7:
    case 8:
    case 9:
        return Familia::Aspectos;
    default:
        return Familia::Outros;
    }
}

QString Significado(int32_t c) {
    const int s = c % 100; // the last two digits: sign, house or second body
    const int p = (c / 1000) % 100; // the first body, house, decan or segment
    switch (FamiliaDe(c)) {
    case Familia::CorposSignos:
        return Junta(Corpo(p), QStringLiteral(" em "), Signo(s));
    case Familia::Cuspides:
        return p == 1 ? Junta(QStringLiteral("Ascendente"), QStringLiteral(" em "), Signo(s))
                      : Junta(Casa(p), QStringLiteral(" em "), Signo(s));
    case Familia::CorposCasas:
        return Junta(Corpo(p), QStringLiteral(" na "), Casa(s));
    case Familia::Aspectos:
        return p == s ? QString()
                      : Junta(Junta(Corpo(p), QStringLiteral(" em "), NomeAspecto((c / 100) % 10)), QStringLiteral(" com "), Corpo(s));
    case Familia::RetrogradosSignos:
        return Junta(Corpo(p), QStringLiteral(" retrógrado em "), Signo(s));
    case Familia::RetrogradosCasas:
        return Junta(Corpo(p), QStringLiteral(" retrógrado na "), Casa(s));
    case Familia::Decanatos:
        return p >= 1 && p <= 3 ? Junta(QStringLiteral("Sol no %1 decanato").arg(QLatin1String(kOrdinais[p - 1])),
                                        QStringLiteral(" de "), Signo(s))
                                : QString();
    case Familia::Esclarecedores:
        return Corpo(c - 1201000) + QStringLiteral(" como planeta dominante");
    case Familia::Anjos: {
        const QString nome = NomeSegmento(s, p);
        return nome.isEmpty() ? QString()
                              : QStringLiteral("Anjo «%1»: Sol entre %2° e %3° de %4")
                                    .arg(nome)
                                    .arg(5 * (p - 1))
                                    .arg(5 * p - 1)
                                    .arg(Signo(s));
    }
    case Familia::Sintese:
        return SignificadoSintese(c);
    case Familia::Outros:
        return SignificadoOutro(c);
    default:
        return QString();
    }
}

bool TemSegmentosPosicao(int32_t codigo) {
    int a = 0, b = 0;
    return CorposPosicao(codigo, a, b);
}

QString DobraProcura(const QString& texto) {
    QString r;
    r.reserve(texto.size());
    for (const QChar c : texto.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing) r += c.toLower();
    return r;
}
