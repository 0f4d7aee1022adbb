// renovo: the online updater of Natalis. Without arguments it shows its window and waits;
// with exactly "/N" it runs the update at once without the window and ends.
#include "caixaqt.h"
#include "frmmain.h"
#include "sinais.h"
#include "traducaoqt.h"

#include <QApplication>

int main(int argc, char** argv) {
    PreparaSinaisDoPrograma();
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
