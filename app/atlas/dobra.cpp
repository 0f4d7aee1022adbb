#include "dobra.h"

QString DobraTexto(const QString& texto) {
    const QString decomposto = texto.normalized(QString::NormalizationForm_KD);
    QString r;
    r.reserve(decomposto.size());
    bool espaco = true; // no leading space
    for (const QChar c : decomposto) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        // An apostrophe joins ("d'Oeste" and "dOeste" are the same name in the gazetteers).
        if (c == QLatin1Char('\'') || c == QChar(0x2019) || c == QChar(0x2018) || c == QChar(0x60))
            continue;
        if (c.isLetterOrNumber()) {
            const QString m = QString(c).toCaseFolded();
            r += m == QStringLiteral("ß") ? QStringLiteral("ss") : m;
            espaco = false;
        } else if (!espaco) {
            r += QLatin1Char(' ');
            espaco = true;
        }
    }
    if (r.endsWith(QLatin1Char(' ')))
        r.chop(1);
    return r;
}
