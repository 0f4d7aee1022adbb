// Movela: the natal chart in time (transits, progressions, solar arc, returns).
//   movela [mapa.anc]     opens that chart
#include "caixaqt.h"
#include "fontedados.h"
#include "opcoes.h"
#include "frmmovela.h"
#include "mensagens.h"
#include "orbes.h"
#include "traducaoqt.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Natalis"));
    QApplication::setOrganizationName(QStringLiteral("Natalis"));
    QApplication::setApplicationDisplayName(QStringLiteral("Movela"));
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Portugal));
    InstalaTraducaoQt(app);
    CaixaQt caixa;
    DefineCaixaMensagens(&caixa);

    QCommandLineParser linha;
    linha.setApplicationDescription(QStringLiteral("Movela, o mapa natal no tempo: trânsitos, progressões, arco solar e revoluções"));
    linha.addHelpOption();
    linha.addPositionalArgument(QStringLiteral("mapa"), QStringLiteral("o ficheiro do mapa (.anc) a abrir"));
    linha.process(app);

    OrbesActuais().CarregaPadrao();
    frmMovela janela;
    FonteDados textos;
    const QString base = CaminhoPrograma(QStringLiteral("movela.mdb"));
    if (textos.Abre(base, QStringLiteral("interpretação")))
        janela.DefineTextos(&textos);
    else
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, QStringLiteral("Movela"),
                                QStringLiteral("Não foi possível abrir a base de dados dos textos %1: %2\n"
                                               "As listas mostram-se sem interpretação.").arg(base, textos.Erro()));
    caixa.definePai(&janela);
    janela.show();
    if (!linha.positionalArguments().isEmpty()) janela.AbreMapa(linha.positionalArguments().first());
    const int r = app.exec();
    DefineCaixaMensagens(nullptr);
    return r;
}
