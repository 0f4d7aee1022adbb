// renovo: the online updater of Natalis. Without arguments it shows its window and waits;
// with exactly "/N" it runs the update at once without the window and ends.
#include "caixaqt.h"
#include "frmrenovo.h"
#include "instalacao.h"
#include "sinais.h"
#include "traducaoqt.h"

#include <QApplication>
#include <cstdio>
#ifdef Q_OS_WIN
#include <windows.h>
#endif

int main(int argc, char** argv) {
#ifdef Q_OS_WIN
    SetConsoleOutputCP(CP_UTF8); // what /N reports is written in UTF-8
#endif
    PreparaSinaisDoPrograma();
    {
        // An installed folder belongs to the package manager: nothing is fetched nor written,
        // and the answer needs no display.
        QCoreApplication nucleo(argc, argv);
        if (!PastaProgramaGravavel()) {
            std::fprintf(stderr, "renovo: %s\n", TextoActualizacaoPeloSistema().toUtf8().constData());
            return 1;
        }
    }
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    InstalaTraducaoQt(app);
    frmmain janela;
    CaixaQt caixa(&janela);
    CaixaTemporaria emUso(&caixa);
    QObject::connect(&janela, &frmmain::terminar, &app, [] { QCoreApplication::exit(0); });
    if (frmmain::SemJanela(app.arguments().mid(1))) return janela.ExecutaSemJanela();
    janela.show();
    return app.exec();
}
