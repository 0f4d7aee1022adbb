// duetto [PRIMEIRO.anc [SEGUNDO.anc]]: the synastry of two charts.
#include "caixaqt.h"
#include "janeladuetto.h"
#include "mensagens.h"
#include "traducaoqt.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Duetto"));
    InstalaTraducaoQt(app);
    CaixaQt caixa;
    DefineCaixaMensagens(&caixa);
    JanelaDuetto janela;
    caixa.definePai(&janela);
    const QStringList args = QApplication::arguments();
    for (int k = 1; k < args.size() && k <= 2; ++k)
        janela.AbreMapa(k - 1, args[k]);
    janela.show();
    const int r = app.exec();
    DefineCaixaMensagens(nullptr);
    return r;
}
