#include "fontes.h"

#include <QFontDatabase>
#include <QStringList>

bool CarregaSigil() {
    static const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/fontes/Sigil.ttf"));
    return id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(FONTE_SIGIL);
}

QFont FonteDesenho(const QString& nome, double pontos) {
    QFont f;
    if (nome == FONTE_SIGIL) {
        CarregaSigil();
        f.setFamilies({FONTE_SIGIL});
    } else if (nome == FONTE_NUMEROS) {
        f.setFamilies({FONTE_NUMEROS, QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif"),
                       QStringLiteral("serif")});
    } else {
        f.setFamilies({nome});
    }
    f.setPointSizeF(pontos);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}
