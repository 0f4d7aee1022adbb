#pragma once
// The check of a text's markup as the report writer reads it: the placeholders "|1" (the
// native's name), "|2" ("o"/"a") and "|3" (""/"a"), and the segments "{H", "{M" (by sex) and
// "{A", "{D", "{=" (by the two bodies of the code), each closed by "}". Errors stop a text from
// being saved; warnings point at text the report will never show.
#include <QList>
#include <QString>

struct ProblemaMarcacao {
    int posicao = 0;     // 0-based index into the text
    int comprimento = 1; // characters the problem covers
    bool erro = true;    // false: a warning, the text may still be saved
    QString mensagem;
};

// `temPosicao`: the code names two bodies, so "{A", "{D" and "{=" can be shown.
QList<ProblemaMarcacao> VerificaMarcacao(const QString& texto, bool temPosicao);
bool TemErros(const QList<ProblemaMarcacao>& problemas);
// "coluna N: mensagem" lines, errors first, for the editor's status.
QString DescreveProblemas(const QList<ProblemaMarcacao>& problemas);
