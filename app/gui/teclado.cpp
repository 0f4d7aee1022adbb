#include "teclado.h"

#include "efemerides.h"
#include "evaluator.h"
#include "mapa.h"
#include "possigno.h"
#include "simbolos.h"

#include <cmath>

QString TextoTecla(int indice, const QString& legenda) {
    if (indice >= 0 && indice <= 10)
        return Simbolos::BodyInfo(int16_t(indice + 1)).abreviatura;
    switch (indice) {
    case 11:
        return QStringLiteral("SOD");
    case 24:
        return QStringLiteral("ASC - SOL + LUA");
    case 25:
        return QStringLiteral("ASC + SOL - LUA");
    case 27:
        return QString();
    default:
        return legenda.toUpper();
    }
}

QString PreparaExpressao(const QString& formula) {
    const QString t = formula.trimmed().toUpper();
    QString r;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        r += c;
        if (c < QLatin1Char('A') || c > QLatin1Char('Z'))
            continue;
        qsizetype j = i + 1;
        if (j < t.size() && t[j] >= QLatin1Char('A') && t[j] <= QLatin1Char('Z'))
            continue; // the name goes on
        while (j < t.size() && t[j].isSpace())
            ++j;
        if (j < t.size() && t[j] == QLatin1Char('('))
            continue;
        r += QStringLiteral("(0)");
    }
    return r;
}

ResultadoTeclado AvaliaFormula(const QString& formula, Mapa& mapa) {
    ResultadoTeclado r;
    Evaluator e(&mapa);
    const double valor = e.Evaluate(PreparaExpressao(formula), true);
    if (e.Error() != 0 || !std::isfinite(valor)) {
        r.erro = Evaluator::MensagemErro(e.Error());
        if (r.erro.isEmpty())
            r.erro = QStringLiteral("Erro: a fórmula não tem valor (divisão por zero ou função fora do seu domínio).");
        return r;
    }
    double x = (valor / DOIS_PI_NATALIS - std::trunc(valor / DOIS_PI_NATALIS)) * DOIS_PI_NATALIS;
    if (x < 0)
        x += DOIS_PI_NATALIS;
    const PosSigno p(x);
    r.ok = true;
    r.posicao = p.RetornaFormatado(FormatoGraus);
    r.casa = QString::number(HouseOf(x, mapa.CuspidesRads())) + QStringLiteral("ª casa");
    return r;
}
