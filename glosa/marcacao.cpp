#include "marcacao.h"

#include <algorithm>

namespace {
QString NomeSegmento(QChar c) {
    switch (c.toUpper().unicode()) {
    case 'H':
        return QStringLiteral("do homem");
    case 'M':
        return QStringLiteral("da mulher");
    case 'A':
        return QStringLiteral("de corpo à frente");
    case 'D':
        return QStringLiteral("de corpo atrás");
    default:
        return QStringLiteral("de conjunção");
    }
}
} // namespace

QList<ProblemaMarcacao> VerificaMarcacao(const QString& t, bool temPosicao) {
    QList<ProblemaMarcacao> r;
    auto erro = [&](int p, int n, const QString& m) { r.append({p, n, true, m}); };
    auto aviso = [&](int p, int n, const QString& m) { r.append({p, n, false, m}); };
    int aberto = -1;            // where the open segment's "{" stands
    int primeiraChaveta = -1;   // the first "{": the common part ends there
    int fechado = -1;           // just after the last "}" closed
    QString vistos;             // segment letters met so far (upper case)
    bool desconhecido = false;  // the open segment's letter is unknown
    for (int i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c == QLatin1Char('|')) {
            const QChar n = i + 1 < t.size() ? t[i + 1] : QChar();
            if (n == QLatin1Char('1') || n == QLatin1Char('2') || n == QLatin1Char('3'))
                ++i;
            else
                erro(i, n.isNull() ? 1 : 2,
                     QStringLiteral("marca desconhecida «%1»: só há |1 (nome), |2 (o/a) e |3 (/a)").arg(t.mid(i, 2)));
        } else if (c == QLatin1Char('{')) {
            const QChar n = i + 1 < t.size() ? t[i + 1].toUpper() : QChar();
            if (aberto >= 0) {
                erro(i, 1, QStringLiteral("«{» dentro de um segmento aberto em %1: falta «}» antes").arg(aberto + 1));
                continue;
            }
            if (primeiraChaveta < 0) {
                primeiraChaveta = i;
                if (i > 0 && !t[i - 1].isSpace())
                    aviso(i - 1, 1, QStringLiteral("o carácter antes do primeiro «{» não aparece no relatório (ponha um espaço)"));
            }
            if (!QStringLiteral("HMAD=").contains(n) || n.isNull()) {
                erro(i, n.isNull() ? 1 : 2,
                     QStringLiteral("segmento desconhecido «%1»: os segmentos são {H, {M, {A, {D e {=").arg(t.mid(i, 2)));
                aberto = i;
                desconhecido = true; // one message for it, not a second one about its "}"
                continue;
            }
            if (fechado >= 0 && !t.mid(fechado, i - fechado).trimmed().isEmpty())
                aviso(fechado, i - fechado, QStringLiteral("texto entre segmentos não aparece no relatório"));
            if (vistos.contains(n))
                aviso(i, 2, QStringLiteral("segundo segmento %1: só o primeiro aparece").arg(NomeSegmento(n)));
            else if (!temPosicao && QStringLiteral("AD=").contains(n))
                aviso(i, 2, QStringLiteral("este código não compara dois corpos: o segmento %1 nunca aparece")
                                .arg(NomeSegmento(n)));
            vistos += n;
            aberto = i;
            desconhecido = false;
            ++i;
        } else if (c == QLatin1Char('}')) {
            if (aberto < 0) {
                erro(i, 1, QStringLiteral("«}» sem «{» que feche"));
                continue;
            }
            if (i - aberto > 2 && !t[i - 1].isSpace())
                aviso(i - 1, 1, QStringLiteral("o último carácter antes de «}» não aparece no relatório (ponha um espaço)"));
            aberto = -1;
            fechado = i + 1;
        }
    }
    if (aberto >= 0 && !desconhecido)
        erro(aberto, 2, QStringLiteral("segmento «%1» aberto e nunca fechado com «}»").arg(t.mid(aberto, 2)));
    if (aberto < 0 && fechado >= 0 && !t.mid(fechado).trimmed().isEmpty())
        aviso(fechado, int(t.size()) - fechado, QStringLiteral("texto depois do último segmento não aparece no relatório"));
    std::stable_sort(r.begin(), r.end(), [](const auto& a, const auto& b) { return a.posicao < b.posicao; });
    return r;
}

bool TemErros(const QList<ProblemaMarcacao>& problemas) {
    return std::any_of(problemas.cbegin(), problemas.cend(), [](const auto& p) { return p.erro; });
}

QString DescreveProblemas(const QList<ProblemaMarcacao>& problemas) {
    QStringList erros, avisos;
    for (const auto& p : problemas)
        (p.erro ? erros : avisos) << QStringLiteral("%1 na coluna %2: %3")
                                         .arg(p.erro ? QStringLiteral("Erro") : QStringLiteral("Aviso"))
                                         .arg(p.posicao + 1)
                                         .arg(p.mensagem);
    return (erros + avisos).join(QLatin1Char('\n'));
}
