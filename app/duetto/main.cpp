// duetto [PRIMEIRO.anc [SEGUNDO.anc]]: the synastry of two charts.
#include "caixaqt.h"
#include "janeladuetto.h"
#include "mensagens.h"
#include "motormapa.h"
#include "opcoes.h"
#include "opcoesroda.h"
#include "orbes.h"
#include "traducaoqt.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Duetto"));
    InstalaTraducaoQt(app);
    CaixaQt caixa;
    DefineCaixaMensagens(&caixa);
    // The chart program's orbs, engine and wheel options: its charts drawn here as there (the
    // composite and Davison wheels' own aspects among them).
    const QString orbes = GetOption(0);
    LoadOrbs(orbes == QLatin1String("False") || orbes.isEmpty() || orbes == CaminhoOrbesPadrao(), orbes);
    EscolhaCalculoActual() = EscolhaDasOpcoes();
    OpcoesRodaActuais() = OpcoesRodaGuardadas();
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
