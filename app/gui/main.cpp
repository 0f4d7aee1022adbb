// Natalis: the chart program.
#include "arranque.h"
#include "caixaqt.h"
#include "frmmain.h"
#include "mensagens.h"
#include "sinais.h"
#include "traducaoqt.h"

#include <QApplication>
#include <QLocale>
#include <QTimer>

int main(int argc, char* argv[]) {
    PreparaSinaisDoPrograma();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Natalis"));
    QApplication::setOrganizationName(QStringLiteral("Natalis"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icones/natalis.svg")));
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Portugal));
    InstalaTraducaoQt(app);

    CaixaQt caixa;
    DefineCaixaMensagens(&caixa);
    OpcoesArranque opcoes;
    opcoes.pausa = qEnvironmentVariableIsEmpty("NATALIS_SEM_PAUSA");
    QStringList argumentos = app.arguments();
    argumentos.removeFirst();
    frmMain* janela = Arranca(argumentos, opcoes);
    if (!janela)
        return 1;
    caixa.definePai(janela);
    // Start-up timing (bench/arranque.sh): end as soon as the main window is up.
    if (!qEnvironmentVariableIsEmpty("NATALIS_SAIR_APOS_ARRANQUE"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    const int r = app.exec();
    DefineCaixaMensagens(nullptr);
    delete janela;
    return r;
}
