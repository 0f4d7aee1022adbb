#pragma once
// The shipped atlas of the build's program folder, opened with an empty store of the user's own
// places, for tests that read the real data.
#include "atlas.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

struct AtlasTeste {
    QTemporaryDir pasta;
    Atlas atlas;
    bool abre() {
        const QString base = QDir(QStringLiteral(NATALIS_PROGRAM_DIR)).filePath(QStringLiteral("locais.mdb"));
        QString erro;
        const bool ok = atlas.Abre(base, pasta.filePath(QStringLiteral("proprios.db")), &erro);
        if (!ok)
            qWarning("%s (construa natalis_databases)", qPrintable(erro));
        return ok;
    }
};
