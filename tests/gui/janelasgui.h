#pragma once
// Opening each window of the program as a user does, for the tests that look at all of them.
#include "camposmapa.h"
#include "frmcalculos.h"
#include "frmmain.h"
#include "mapagui.h"

#include <QAction>
#include <QHash>
#include <QPushButton>

// The window whose objectName is `nome`, opened through its command and shown. The two forms,
// which a click on a position opens modally in the hand-entry modes, are built as that click
// builds them, on `campos`. Null when the window did not appear.
inline QWidget* abreJanela(frmMain* j, const QString& nome, CamposMapa& campos) {
    const QHash<QString, QString> comando = {{QStringLiteral("frmread"), QStringLiteral("mnuviewinterpretacao")},
                                             {QStringLiteral("frmGlobal"), QStringLiteral("mnuglobal")},
                                             {QStringLiteral("JanelaAjuda"), QStringLiteral("mnuHelpContents")},
                                             {QStringLiteral("frmOptions"), QStringLiteral("mnuViewOptions")}};
    QWidget* w = nullptr;
    if (nome == QLatin1String("frmMain"))
        w = j;
    else if (nome == QLatin1String("locais"))
        filho<QPushButton>(j, "cmdatlas")->click();
    else if (nome == QLatin1String("frmcalculos"))
        w = new frmcalculos(campos, 1, j);
    else if (nome == QLatin1String("frmcalculosdirectos"))
        w = new frmcalculosdirectos(campos, 2, j);
    else
        j->accao(comando.value(nome))->trigger();
    if (!w)
        w = j->findChild<QWidget*>(nome);
    if (w) {
        w->show();
        if (!QTest::qWaitForWindowExposed(w))
            return nullptr;
    }
    return w;
}
