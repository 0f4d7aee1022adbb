// Start-up and help: what the program folder holds sets the menus, the default orb file that
// cannot be written, a chart named on the command line, the help viewer.
#include "ambientegui.h"
#include "frmmain.h"
#include "mapagui.h"
#include "orbes.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRandomGenerator>

class TestArranque : public QObject {
    Q_OBJECT
private slots:
    // A chart is cast on entering the zone only with the default choice of option 5.
    void init() { SaveOption(5, QStringLiteral("0")); }
    void pastaDoPrograma_data();
    void pastaDoPrograma();
    void orbesPadraoSemPasta();
    void mapaNaLinhaDeComando();
    void ajuda_data();
    void ajuda();
    void semFicheiroDeAjuda();
    void baseDanificada_data();
    void baseDanificada();
};

void TestArranque::pastaDoPrograma_data() {
    QTest::addColumn<QString>("programa"); // a file of the program folder
    QTest::addColumn<bool>("presente");
    QTest::addColumn<QString>("entrada");  // the entry that follows it
    QTest::addColumn<bool>("visivel");
    QTest::addColumn<bool>("activa");
    QTest::newRow("sem renovo") << NomeExecutavel(QStringLiteral("renovo")) << false << "mnuupdate" << true << false;
    QTest::newRow("com renovo") << NomeExecutavel(QStringLiteral("renovo")) << true << "mnuupdate" << true << true;
    QTest::newRow("sem ajuda: conteúdos") << "natalis.html" << false << "mnuHelpContents" << true << false;
    QTest::newRow("sem ajuda: procurar") << "natalis.html" << false << "mnuHelpSearch" << true << false;
    QTest::newRow("sem ajuda: botão") << "natalis.html" << false << "tb_help" << false << false;
    QTest::newRow("com ajuda") << "natalis.html" << true << "tb_help" << true << true;
    QTest::newRow("sem glosador") << NomeExecutavel(QStringLiteral("glosador")) << false << "mnuglosador" << false << false;
    QTest::newRow("com glosador") << NomeExecutavel(QStringLiteral("glosador")) << true << "mnuglosador" << true << true;
    QTest::newRow("sem duetto") << NomeExecutavel(QStringLiteral("duetto")) << false << "mnuduetto" << false << true;
    QTest::newRow("com duetto") << NomeExecutavel(QStringLiteral("duetto")) << true << "mnuduetto" << true << true;
    QTest::newRow("com movela") << NomeExecutavel(QStringLiteral("movela")) << true << "mnumovela" << true << true;
}

void TestArranque::pastaDoPrograma() {
    QFETCH(QString, programa);
    QFETCH(bool, presente);
    QFETCH(QString, entrada);
    QFETCH(bool, visivel);
    QFETCH(bool, activa);
    AmbienteGui amb;
    QFile f(amb.pasta.filePath(programa));
    if (presente && !f.exists())
        QVERIFY(f.open(QIODevice::WriteOnly));
    if (!presente && f.exists())
        QVERIFY(f.remove());
    std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
    QVERIFY(j);
    QAction* a = j->accao(entrada);
    if (!a)
        if (auto* m = j->findChild<QMenu*>(entrada))
            a = m->menuAction();
    QVERIFY(a);
    QCOMPARE(a->isVisible(), visivel);
    if (visivel)
        QCOMPARE(a->isEnabled(), activa);
    // Only a missing updater is worth a message; the start goes on in every case.
    const bool semRenovo = programa == NomeExecutavel(QStringLiteral("renovo")) && !presente;
    QCOMPARE(amb.caixa.chamadas.size(), semRenovo ? 1 : 0);
    if (semRenovo) {
        QCOMPARE(amb.caixa.chamadas[0].icone, IconeMsg::Exclamacao);
        QCOMPARE(amb.caixa.chamadas[0].texto,
                 QStringLiteral("Não foi encontrado o programa renovo.exe na directoria ") + PastaPrograma() +
                     QStringLiteral("\nO Natalis usa este programa para fazer a actualização dos seus ficheiros via "
                                    "Internet.\n\nSe apagou este ficheiro instale o Natalis novamente.\nSe o renomeou ou o "
                                    "mudou de localização , por favor retorne-o ao nome ou localização inicial."));
    }
    QCOMPARE(GetOption(-1), PastaPrograma());
    QCOMPARE(GetOption(-2), QStringLiteral("1.0.0")); // the project's version
}

void TestArranque::orbesPadraoSemPasta() {
    // "orbs" taken by a plain file: the default orb file cannot be written, start-up says so
    // and goes on with the built-in orbs.
    AmbienteGui amb;
    QFile bloqueio(amb.pasta.filePath(QStringLiteral("orbs")));
    QVERIFY(bloqueio.open(QIODevice::WriteOnly));
    bloqueio.close();
    std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
    QVERIFY(j);
    bool explicado = false;
    for (const auto& c : std::as_const(amb.caixa.chamadas))
        if (c.texto.contains(QStringLiteral("Default.orb")) && c.texto.contains(QStringLiteral("Não foi possível")))
            explicado = true;
    QVERIFY(explicado);
    QCOMPARE(OrbesActuais().orb(1, 2), int16_t(10)); // Sol–Lua of the built-in table
}

void TestArranque::mapaNaLinhaDeComando() {
    AmbienteGui amb;
    const QString ficheiro = amb.pasta.filePath(QStringLiteral("logs/Maria da Silva.anc"));
    {
        std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
        QVERIFY(j);
        QVERIFY(QTest::qWaitForWindowActive(j.get()));
        escreveNascimento(j.get());
        amb.respostas << ficheiro;
        QVERIFY(j->FileSaveAs());
    }
    // Unquoted, the path reaches the program in pieces; joined by blanks it is whole again.
    std::unique_ptr<frmMain> j(Arranca(ficheiro.split(QLatin1Char(' ')), AmbienteGui::opcoesTeste()));
    QVERIFY(j);
    QVERIFY(j->isVisible());
    QCOMPARE(j->sessao().campos().caminhoFicheiro, ficheiro);
    QCOMPARE(filho<QLineEdit>(j.get(), "txtNome")->text(), QStringLiteral("Maria Silva"));
    QVERIFY(j->accao(QStringLiteral("mnuFileSave"))->isEnabled());
    QCOMPARE(RecentFiles().value(0), ficheiro);
}

void TestArranque::ajuda_data() {
    QTest::addColumn<QString>("procura");
    QTest::addColumn<QStringList>("seccoes"); // titles listed, as the help file's text has them
    QTest::newRow("conteúdos") << QString()
                               << QStringList{QStringLiteral("Introduzir os dados de nascimento"),
                                              QStringLiteral("Os painéis"), QStringLiteral("A interpretação automática"),
                                              QStringLiteral("As opções"), QStringLiteral("Os ficheiros de mapas"),
                                              QStringLiteral("Imprimir"), QStringLiteral("A ferramenta de linha de comandos"),
                                              QStringLiteral("Actualização")};
    QTest::newRow("uma palavra") << "fuso" << QStringList{QStringLiteral("Introduzir os dados de nascimento")};
    QTest::newRow("sem acentos") << "efemeride"
                                 << QStringList{QStringLiteral("Introduzir os dados de nascimento"),
                                                QStringLiteral("Os painéis"), QStringLiteral("As opções")};
    QTest::newRow("nada") << "xyzzy" << QStringList{};
}

void TestArranque::ajuda() {
    QFETCH(QString, procura);
    QFETCH(QStringList, seccoes);
    AmbienteGui amb;
    std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
    QVERIFY(j);
    j->accao(procura.isEmpty() ? QStringLiteral("mnuHelpContents") : QStringLiteral("mnuHelpSearch"))->trigger();
    auto* janela = j->findChild<QWidget*>(QStringLiteral("JanelaAjuda"));
    QVERIFY(janela && janela->isVisible());
    if (!procura.isEmpty())
        QTest::keyClicks(filho<QLineEdit>(janela, "procuraAjuda"), procura);
    auto* lista = filho<QListWidget>(janela, "conteudosAjuda");
    QStringList titulos;
    for (int i = 0; i < lista->count(); ++i)
        titulos << lista->item(i)->text();
    QCOMPARE(titulos, seccoes);
    QVERIFY(amb.caixa.chamadas.isEmpty());
}

void TestArranque::semFicheiroDeAjuda() {
    AmbienteGui amb;
    std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
    QVERIFY(j);
    j->defineAjuda(QString());
    QAction* a = j->accao(QStringLiteral("mnuHelpContents"));
    QVERIFY(!a->isEnabled());
    a->setEnabled(true); // reached all the same, as from the keyboard of another window
    a->trigger();
    QCOMPARE(amb.caixa.chamadas.size(), 1);
    QCOMPARE(amb.caixa.chamadas[0].texto, QStringLiteral("Impossivel mostrar Conteudos de Ajuda.Não existe um ficheiro de "
                                                         "ajuda associado a esta aplicação"));
}

QTEST_MAIN(TestArranque)
#include "test_arranque.moc"

void TestArranque::baseDanificada_data() {
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("nome"); // as the message names it
    QTest::addColumn<qint64>("onde");  // where 32 KB of noise go: a fraction of the size in per mil
    QTest::newRow("textos, meio") << "Intrepreter.mdb" << "Intrepreter.mdb" << qint64(500);
    QTest::newRow("textos, cabeçalho") << "Intrepreter.mdb" << "Intrepreter.mdb" << qint64(0);
    QTest::newRow("atlas, meio") << "locais.mdb" << "Locais.mdb" << qint64(500);
}

void TestArranque::baseDanificada() {
    // Damage inside the file, not only a missing one, stops the start with the reinstall message
    // instead of a report of blank paragraphs.
    QFETCH(QString, base);
    QFETCH(QString, nome);
    QFETCH(qint64, onde);
    AmbienteGui amb;
    QFile f(amb.pasta.filePath(base));
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.size() > 64 * 1024);
    QByteArray ruido(32 * 1024, Qt::Uninitialized);
    QRandomGenerator gerador(1582);
    for (char& c : ruido)
        c = char(gerador.bounded(256));
    QVERIFY(f.seek(f.size() * onde / 1000));
    QCOMPARE(f.write(ruido), ruido.size());
    f.close();
    std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
    QVERIFY(!j);
    QCOMPARE(amb.caixa.chamadas.size(), 1);
    QCOMPARE(amb.caixa.chamadas[0].icone, IconeMsg::Critico);
    QCOMPARE(amb.caixa.chamadas[0].texto, QStringLiteral("O ficheiro ") + nome +
                                              QStringLiteral(" não foi encontrado ou está corrompido.\n"
                                                             "Reinstale esta aplicação ou coloque o ficheiro no "
                                                             "local original"));
}
