// Natalis: the chart program.
#include "arranque.h"
#include "caixaqt.h"
#include "frmmain.h"
#include "mensagens.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Natalis"));
    QApplication::setOrganizationName(QStringLiteral("Natalis"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icones/natalis.svg")));
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Portugal));
    // Qt's own dialogs (colours, page set-up, printing) in Portuguese: Debian ships only the
    // Brazilian catalogue, which is still far closer than English.
    QTranslator qt;
    const QString pastaTraducoes = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (qt.load(QLocale(QLocale::Portuguese, QLocale::Portugal), QStringLiteral("qtbase"), QStringLiteral("_"),
                pastaTraducoes) ||
        qt.load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"), QStringLiteral("_"),
                pastaTraducoes))
        app.installTranslator(&qt);

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
