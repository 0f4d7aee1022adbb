// Glosador: the interpretation editor. Edits the user's own texts, never the shipped database.
//   glosador [--codigo N]     opens at the text of code N
#include "caixaqt.h"
#include "fontedados.h"
#include "frmglosador.h"
#include "mensagens.h"
#include "opcoes.h"
#include "textosproprios.h"
#include "traducaoqt.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLocale>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Natalis"));
    QApplication::setOrganizationName(QStringLiteral("Natalis"));
    QApplication::setApplicationDisplayName(QStringLiteral("Glosador"));
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Portugal));
    InstalaTraducaoQt(app);
    CaixaQt caixa;
    DefineCaixaMensagens(&caixa);

    QCommandLineParser linha;
    linha.setApplicationDescription(QStringLiteral("Glosador, o editor dos textos de interpretação do Natalis"));
    linha.addHelpOption();
    const QCommandLineOption codigo(QStringLiteral("codigo"), QStringLiteral("abre no texto do código N"), QStringLiteral("N"));
    linha.addOption(codigo);
    linha.process(app);

    const QString base = CaminhoPrograma(QStringLiteral("Intrepreter.mdb"));
    FonteDados enviados;
    if (!enviados.Abre(base, QStringLiteral("interpretação"))) {
        CaixaMensagens().Mostra(IconeMsg::Critico, QStringLiteral("Glosador"),
                                QStringLiteral("Não foi possível abrir a base de dados de interpretações %1: %2")
                                    .arg(base, enviados.Erro()));
        return 1;
    }
    TextosUtilizador().DefineCaminho(TextosProprios::CaminhoPredefinido());
    const QString aviso = TextosUtilizador().TomaAviso();
    if (!aviso.isEmpty()) CaixaMensagens().Mostra(IconeMsg::Exclamacao, QStringLiteral("Glosador"), aviso);

    frmGlosador janela(enviados, TextosUtilizador());
    caixa.definePai(&janela);
    if (linha.isSet(codigo) && !janela.MostraCodigo(linha.value(codigo).toInt()))
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, QStringLiteral("Glosador"),
                                QStringLiteral("Não há nenhum texto com o código %1.").arg(linha.value(codigo)));
    janela.show();
    const int r = app.exec();
    DefineCaixaMensagens(nullptr);
    return r;
}
