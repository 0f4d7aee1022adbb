// The main window driven as a user would: typing a chart, casting, the views, saving, a new
// chart, reopening from the recent files, the guards, the options and start-up's checks.
#include "ambientegui.h"
#include "mapagui.h"
#include "frmmain.h"
#include "frmglobal.h"
#include "frmoptions.h"
#include "orbes.h"
#include "sessaomapa.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>


class TestFrmMain : public QObject {
    Q_OBJECT
private slots:
    void mapaNovoGuardadoEReaberto();
    void alteracoesPorGuardar();
    void guardasSemMapa();
    void opcoesGuardadasERestauradas();
    void baseDeDadosEmFalta_data();
    void baseDeDadosEmFalta();
    void orbesPadraoRecriadas();
};

void TestFrmMain::mapaNovoGuardadoEReaberto() {
    AmbienteGui amb;
    std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
    QVERIFY(j);
    j->resize(1280, 800);
    QVERIFY(QTest::qWaitForWindowActive(j.get()));
    QVERIFY(!j->accao(QStringLiteral("mnuFileSave"))->isEnabled());
    QVERIFY(j->accao(QStringLiteral("mnuFileNew"))->isEnabled());
    captura(j.get(), QStringLiteral("vazio"));

    escreveNascimento(j.get());
    const CamposMapa& c = j->sessao().campos();
    QVERIFY2(c.mapaAberto, "o mapa não foi calculado ao entrar no fuso");
    QVERIFY(!c.PosPlaneta[0].isEmpty());
    QVERIFY(c.PosPlaneta[0].endsWith(QStringLiteral("Touro"))); // the Sun on 25 April is in Touro
    QCOMPARE(filho<QPushButton>(j.get(), "PosPlaneta0")->text(), c.PosPlaneta[0]);
    QCOMPARE(filho<QLineEdit>(j.get(), "txtlongitude")->text(), c.txtlongitude);
    QVERIFY(c.txtlongitude.contains(QLatin1Char('h'))); // rewritten in hours
    QVERIFY(j->accao(QStringLiteral("mnuFileSave"))->isEnabled());

    auto* painel = filho<QStackedWidget>(j.get(), "painel");
    const char* vistas[] = {"mnuprofile", "mnudata", "mnumap", "mnuaspectmap", "mnupartes"};
    for (int v = 0; v < 5; ++v) {
        j->accao(QString::fromLatin1(vistas[v]))->trigger();
        QCOMPARE(painel->currentIndex(), v);
        QCOMPARE(filho<QWidget>(j.get(), "tlbInfo")->isVisibleTo(j.get()), v == 2);
        QApplication::processEvents();
        captura(j.get(), QStringLiteral("vista%1").arg(v));
    }
    QVERIFY(!filho<QLabel>(j.get(), "KeyWord")->text().isEmpty());

    // The global view: the composite sheet with the parts listed, then the large wheel.
    j->accao(QStringLiteral("tb_global"))->trigger();
    auto* global = j->findChild<frmGlobal*>();
    QVERIFY(global && global->isVisible());
    auto* lista = filho<QListWidget>(global, "Lista");
    QCOMPARE(lista->count(), 9);
    QCOMPARE(lista->item(0)->text(), QStringLiteral("Partes"));
    QVERIFY(lista->item(2)->text().startsWith(QStringLiteral("Fortuna")));
    QVERIFY(lista->item(2)->text().endsWith(c.partes[0]));
    QApplication::processEvents();
    captura(global, QStringLiteral("global1"));
    j->accao(QStringLiteral("tb_magnus"))->trigger();
    QVERIFY(!lista->isVisible());
    QCOMPARE(global->modo(), 2);
    QApplication::processEvents();
    captura(global, QStringLiteral("global2"));
    global->hide();
    QVERIFY(filho<QLabel>(j.get(), "info")->text().contains(QStringLiteral("Aspectos:")));

    // Save: never saved, so Save acts as Save As; the name typed without an extension gets it.
    amb.respostas << amb.pasta.filePath(QStringLiteral("logs/Maria Silva"));
    j->accao(QStringLiteral("mnuFileSave"))->trigger();
    const QString ficheiro = amb.pasta.filePath(QStringLiteral("logs/Maria Silva.anc"));
    QVERIFY2(QFile::exists(ficheiro), qPrintable(ficheiro));
    QCOMPARE(c.caminhoFicheiro, ficheiro);
    const CamposMapa guardado = c;

    // Only opening puts a chart on the recent list.
    amb.respostas << ficheiro;
    j->accao(QStringLiteral("mnuFileOpen"))->trigger();
    QCOMPARE(c.caminhoFicheiro, ficheiro);

    j->accao(QStringLiteral("mnuFileNew"))->trigger();
    QVERIFY(!c.mapaAberto);
    QVERIFY(filho<QLineEdit>(j.get(), "txtNome")->text().isEmpty());
    QVERIFY(!j->accao(QStringLiteral("mnuFileSave"))->isEnabled());
    QCOMPARE(painel->currentIndex(), 0);

    // Reopen through the recent-files menu: every field comes back.
    j->RefreshRecentMenu();
    QAction* recente = j->accao(QStringLiteral("mnuFileMRU1"));
    QVERIFY(recente && recente->isVisible());
    QCOMPARE(recente->data().toString(), ficheiro);
    recente->trigger();
    QCOMPARE(c.txtNome, guardado.txtNome);
    QCOMPARE(c.txtData, guardado.txtData);
    QCOMPARE(c.txtHora, guardado.txtHora);
    QCOMPARE(c.FusoHorario, guardado.FusoHorario);
    QCOMPARE(c.txtLatitude, guardado.txtLatitude);
    QCOMPARE(c.txtlongitude, guardado.txtlongitude);
    QCOMPARE(c.PosPlaneta, guardado.PosPlaneta);
    QCOMPARE(c.PosCasas, guardado.PosCasas);
    QCOMPARE(c.lblretrogrado, guardado.lblretrogrado);
    QCOMPARE(c.partes, guardado.partes);
    QCOMPARE(filho<QLineEdit>(j.get(), "txtNome")->text(), guardado.txtNome);
    QVERIFY(j->accao(QStringLiteral("mnuFileSave"))->isEnabled());
    for (const auto& ch : amb.caixa.chamadas)
        QVERIFY2(ch.icone != IconeMsg::Critico, qPrintable(ch.texto));
}

void TestFrmMain::alteracoesPorGuardar() {
    AmbienteGui amb;
    std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
    QVERIFY(j);
    QVERIFY(QTest::qWaitForWindowActive(j.get()));
    escreveNascimento(j.get());
    QVERIFY(j->sessao().campos().mapaAberto);
    amb.caixa.chamadas.clear();

    amb.caixa.respostas << RespostaMsg::Cancelar;
    QVERIFY(!j->Novo());
    QCOMPARE(amb.caixa.chamadas.size(), 1);
    QCOMPARE(amb.caixa.chamadas[0].texto, QStringLiteral("Deseja guardar as alterações ao mapa?"));
    QCOMPARE(j->sessao().campos().txtNome, QStringLiteral("Maria Silva")); // nothing lost

    amb.caixa.respostas << RespostaMsg::Nao;
    QVERIFY(j->Novo());
    QVERIFY(j->sessao().campos().txtNome.isEmpty());

    // Nothing to ask once nothing changed.
    amb.caixa.chamadas.clear();
    QVERIFY(j->Novo());
    QVERIFY(amb.caixa.chamadas.isEmpty());
}

void TestFrmMain::guardasSemMapa() {
    AmbienteGui amb;
    std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
    QVERIFY(j);
    amb.caixa.chamadas.clear();
    for (const char* a : {"mnuglobal", "mnuviewinterpretacao"}) {
        QAction* accao = j->accao(QString::fromLatin1(a));
        QVERIFY(!accao->isEnabled());
        accao->setEnabled(true); // reached without a chart, as from another window
        accao->trigger();
    }
    QCOMPARE(amb.caixa.chamadas.size(), 2);
    QCOMPARE(amb.caixa.chamadas[0].texto,
             QStringLiteral("Tem de abrir ou criar um perfil astrologico antes de poder ver os aspectos globais"));
    QCOMPARE(amb.caixa.chamadas[1].texto,
             QStringLiteral("Tem de abrir ou criar um perfil astrologico antes de ler a sua observação"));
    QCOMPARE(amb.caixa.chamadas[0].icone, IconeMsg::Exclamacao);
}

void TestFrmMain::opcoesGuardadasERestauradas() {
    AmbienteGui amb;
    {
        std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
        QVERIFY(j);
        j->accao(QStringLiteral("mnuViewOptions"))->trigger();
        auto* d = j->findChild<frmOptions*>();
        QVERIFY(d && d->isVisible());
        captura(d, QStringLiteral("opcoes"));
        filho<QRadioButton>(d, "OptionMDC1")->setChecked(true);
        filho<QCheckBox>(d, "Checkvoltar")->setChecked(true);
        // A background picture chosen for the wheel.
        const QString fundo = amb.pasta.filePath(QStringLiteral("backgrounds/ceu.png"));
        QDir().mkpath(QFileInfo(fundo).absolutePath());
        QImage(8, 8, QImage::Format_RGB32).save(fundo);
        filho<QCheckBox>(d, "Nenhum0")->click(); // untick "Usar Nenhum"
        amb.respostas << fundo;
        filho<QPushButton>(d, "cmdProcurar0")->click();
        filho<QPushButton>(d, "cmdOK")->click();
        QVERIFY(!d->isVisible());
        QCOMPARE(GetOption(5), QStringLiteral("1"));
        QCOMPARE(GetOption(3), QStringLiteral("1"));
        QCOMPARE(GetOption(1), fundo);
        for (int n : {15, 16, 17, 18})
            QVERIFY2(GetOption(n) != QStringLiteral("False"), qPrintable(QString::number(n)));
    }
    // The next start selects the stored choice again.
    std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
    QVERIFY(j);
    j->accao(QStringLiteral("mnuorbes"))->trigger();
    auto* d = j->findChild<frmOptions*>();
    QVERIFY(filho<QRadioButton>(d, "OptionMDC1")->isChecked());
    QVERIFY(filho<QCheckBox>(d, "Checkvoltar")->isChecked());
    QVERIFY(!filho<QCheckBox>(d, "Nenhum0")->isChecked());
    QVERIFY(filho<QCheckBox>(d, "Nenhum1")->isChecked());
    // "Usar Nenhum" for the wheel and OK stores an empty option 1.
    filho<QCheckBox>(d, "Nenhum0")->click();
    filho<QPushButton>(d, "cmdOK")->click();
    QCOMPARE(GetOption(1), QStringLiteral("False"));
    SaveOption(5, QStringLiteral("0"));
    SaveOption(3, QStringLiteral("0"));
}

void TestFrmMain::baseDeDadosEmFalta_data() {
    QTest::addColumn<QString>("ficheiro");
    QTest::addColumn<QString>("mensagem");
    QTest::newRow("textos") << "Intrepreter.mdb" << "O ficheiro Intrepreter.mdb não foi encontrado ou está corrompido.";
    QTest::newRow("atlas") << "locais.mdb" << "O ficheiro Locais.mdb não foi encontrado ou está corrompido.";
}

void TestFrmMain::baseDeDadosEmFalta() {
    QFETCH(QString, ficheiro);
    QFETCH(QString, mensagem);
    AmbienteGui amb;
    QVERIFY(QFile::remove(amb.pasta.filePath(ficheiro)));
    std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
    QVERIFY(!j);
    QCOMPARE(amb.caixa.chamadas.size(), 1);
    QCOMPARE(amb.caixa.chamadas[0].icone, IconeMsg::Critico);
    QCOMPARE(amb.caixa.chamadas[0].texto,
             mensagem + QStringLiteral("\nReinstale esta aplicação ou coloque o ficheiro no local original"));
}

void TestFrmMain::orbesPadraoRecriadas() {
    AmbienteGui amb;
    const QString orbes = amb.pasta.filePath(QStringLiteral("orbs/Default.orb"));
    QVERIFY(!QFile::exists(orbes));
    std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
    QVERIFY(j);
    QVERIFY(QFile::exists(orbes));
    ValoresOrbes v{};
    QVERIFY(LeFicheiroOrbes(orbes, v));
    QCOMPARE(v[0], int16_t(7));  // orb(1,10): Sol–Plutão in the built-in table
    QCOMPARE(v[8], int16_t(10)); // orb(1,2): Sol–Lua
    QCOMPARE(v[45], int16_t(6)); // the fictitious points: orb(1,13)
}

QTEST_MAIN(TestFrmMain)
#include "test_frmmain.moc"
