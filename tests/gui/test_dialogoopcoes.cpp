// The options dialog through its controls: each page's choices stored on OK and shown at the next start,
// nothing kept on Cancelar; the orb grid typed over, opened and saved.
#include "ambientegui.h"
#include "frmoptions.h"
#include "motormapa.h"
#include "opcoesroda.h"
#include "orbes.h"

namespace {
frmOptions* abreOpcoes(frmMain* j, const char* comando = "mnuViewOptions") {
    j->accao(comando)->trigger();
    return j->findChild<frmOptions*>();
}

// Answers the next colour chooser with a colour (an invalid one cancels it).
void respondeCor(const QColor& cor) {
    quandoAberto<QColorDialog>([cor](QColorDialog* d) {
        if (!cor.isValid()) return d->reject();
        d->setCurrentColor(cor);
        d->accept();
    });
}

QSpinBox* orbe(QWidget* d, int k) { return filho<QSpinBox>(d, QString("aspectvalue%1").arg(k)); }
} // namespace

class TestDialogoOpcoes : public QObject {
    Q_OBJECT
private slots:
    void init() { // the program's own choices, whatever a test left in the store
        for (int n : {3, 5}) SaveOption(n, "0");
        for (int n : {30, 31, 40, 41, 42, OPCAO_MOTOR, OPCAO_CASAS}) SaveOption(n, QString());
        SaveOption(1, "False"); // no picture behind the wheel
        EscolhaCalculoActual() = {}, OpcoesRodaActuais() = OpcoesRoda{};
    }
    void cleanupTestCase() { init(); }

    // Every page's choices stored on OK (the engine and houses as options 20 and 21, the colours as
    // red + 256·green + 65536·blue, by hand) and used at once: the next chart is cast with the engine
    // and houses the status bar names, the wheel's choices in force.
    void guardadasEUsadas() {
        AmbienteGui amb;
        const QColor cores[4] = {QColor(0x12, 0x34, 0x56), Qt::red, QColor(0, 0x80, 0), QColor(1, 2, 3)};
        const int opcoes[4] = {16, 15, 17, 18}; // body text, titles, the two subtitles
        const QString numeros[4] = {"5649426", "255", "32768", "197121"};
        const char* roda[] = {"chkAscendenteEsquerda", "chkGrausZodiaco", "optCoresRoda1"};
        const QString fundo = amb.em("backgrounds/ceu.png");
        QVERIFY(QDir().mkpath(amb.em("backgrounds")) && QImage(8, 8, QImage::Format_RGB32).save(fundo));
        {
            auto j = janela();
            frmOptions* d = abreOpcoes(j.get());
            QVERIFY(d && d->isVisible());
            // Never set: the synthesis is on with the traditional rulers, the classic engine, the
            // program's own wheel.
            for (const char* b : {"chkSintese", "optRegenteTradicional", "optMotor0", "optCoresRoda0"})
                QVERIFY2(filho<QAbstractButton>(d, b)->isChecked(), b);
            QCOMPARE(filho<QComboBox>(d, "cboCasas")->currentIndex(), 0);
            for (const char* b : {"OptionMDC1", "Checkvoltar", "optRegenteModerno", "chkSintese", "optMotor1"})
                filho<QAbstractButton>(d, b)->click();
            QVERIFY(!filho(d, "optRegenteModerno")->isEnabled());
            filho<QCheckBox>(d, "Nenhum0")->click(); // a background picture for the wheel
            amb.respostas << fundo;
            filho<QPushButton>(d, "cmdProcurar0")->click();
            for (int i = 0; i < 4; ++i) {
                respondeCor(cores[i]);
                filho<QPushButton>(d, QString("cores%1").arg(i))->click();
            }
            respondeCor(QColor()); // a cancelled chooser leaves the box as it was
            filho<QPushButton>(d, "cores0")->click();
            auto* casas = filho<QComboBox>(d, "cboCasas"); // Placidus, with the keyboard
            casas->setFocus();
            for (int i = 0; i < int(SistemaCasas::Placidus); ++i) QTest::keyClick(casas, Qt::Key_Down);
            d->findChild<QTabWidget*>()->setCurrentWidget(filho(d, "paginaRoda"));
            for (const char* e : roda) clica(d, e);
            filho<QPushButton>(d, "cmdOK")->click();
            QVERIFY(!d->isVisible());
            for (int n : {3, 5, 31, 40, 41, 42}) QCOMPARE(GetOption(n), "1");
            QCOMPARE(GetOption(30), "0");
            QCOMPARE(GetOption(1), fundo);
            for (int i = 0; i < 4; ++i) QCOMPARE(GetOption(opcoes[i]), numeros[i]);
            QCOMPARE(GetOption(OPCAO_MOTOR), "preciso");
            QCOMPARE(GetOption(OPCAO_CASAS), "placidus");

            SaveOption(5, "0"); // cast on entering the zone, then back as stored
            j->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(j.get()));
            escreveNascimento(j.get());
            SaveOption(5, "1");
            QCOMPARE(j->sessao().campos().escolha, (EscolhaCalculo{Motor::Preciso, SistemaCasas::Placidus}));
            const QString estado = j->statusBar()->currentMessage();
            QVERIFY2(estado.contains("Cálculo: motor preciso (Swiss Ephemeris), casas Placidus.") &&
                         estado.contains("Efemérides pel"), qPrintable(estado));
            QVERIFY(OpcoesRodaActuais().ascendenteEsquerda); // in force at once (its drawing: ../drawing)
        }
        // The next start uses and shows them again; Cancelar stores nothing.
        EscolhaCalculoActual() = {}, OpcoesRodaActuais() = OpcoesRoda{};
        auto j = janela();
        QCOMPARE(EscolhaCalculoActual(), (EscolhaCalculo{Motor::Preciso, SistemaCasas::Placidus}));
        QVERIFY(OpcoesRodaActuais().ascendenteEsquerda);
        QCOMPARE(OpcoesRodaActuais().esquema, EsquemaCores::AltoContraste);
        frmOptions* d = abreOpcoes(j.get(), "mnuorbes");
        for (const char* b : {"OptionMDC1", "Checkvoltar", "Nenhum1", "optMotor1", roda[0], roda[1], roda[2]})
            QVERIFY2(filho<QAbstractButton>(d, b)->isChecked(), b);
        QVERIFY(!filho<QCheckBox>(d, "Nenhum0")->isChecked());
        QCOMPARE(filho<QComboBox>(d, "cboCasas")->currentIndex(), int(SistemaCasas::Placidus));
        for (int i = 0; i < 4; ++i) QCOMPARE(filho(d, QString("cores%1").arg(i))->toolTip(), cores[i].name());
        respondeCor(QColor(0x44, 0x44, 0x44));
        filho<QPushButton>(d, "cores1")->click();
        for (const char* b : {"optMotor0", roda[0]}) filho<QAbstractButton>(d, b)->click();
        filho<QPushButton>(d, "cmdCancel")->click();
        QCOMPARE(GetOption(15), numeros[1]);
        QCOMPARE(GetOption(OPCAO_MOTOR), "preciso");
        QVERIFY(OpcoesRodaActuais().ascendenteEsquerda);
    }

    // The orb grid: the built-in table cannot be typed over, and the dialog says why; in the user's
    // table an orb typed applies on OK to the chart shown, kept in the orb file the user names; a
    // file opened fills the boxes in its order and applies, saving writes the boxes back unchanged
    // (a wide orb, none, a negative one), a missing folder is said plainly. Sun and Saturn stand
    // 3.5° apart on 17 January 2020 at noon UT (swetest): a conjunction under the built-in orbs,
    // not under an orb of 1.
    void orbesEditadasAbertasEGuardadas() {
        AmbienteGui amb;
        auto j = janela();
        for (const auto& [campo, texto] : {std::pair{"txtData", "17/1/2020"}, {"txtHora", "12:00"},
                                           {"txtLatitude", "38º43' N"}, {"txtlongitude", "9º8' W"}, {"FusoHorario", "0"}})
            escreve(j.get(), campo, texto);
        QTest::keyClick(j.get(), Qt::Key_F5);
        QTest::keyClick(j.get(), Qt::Key_3, Qt::ControlModifier);
        auto* info = filho<QLabel>(j.get(), "info");
        QVERIFY2(info->text().contains("Em Conjunção com Saturno"), qPrintable(info->text()));
        int k = 0;
        while (ParOrbe(k) != std::pair(1, 7)) ++k; // Sol–Saturno
        frmOptions* d = abreOpcoes(j.get(), "mnuorbes");
        auto* guardar = filho<QPushButton>(d, "cmdGuardarOrbes");
        auto* caixa = orbe(d, k);
        const auto escreveUm = [caixa] { // over all of the box, by keyboard
            QTest::mouseClick(caixa, Qt::LeftButton);
            QTest::keyClick(caixa, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(caixa, Qt::Key_1);
        };
        QVERIFY(filho<QRadioButton>(d, "optacpect0")->isChecked() && !guardar->isEnabled());
        const int padrao = caixa->value();
        escreveUm();
        QCOMPARE(caixa->value(), padrao);
        QVERIFY(filho(d, "avisoOrbes")->isVisible());
        clica(d, "optacpect1");
        QVERIFY(guardar->isEnabled() && !filho(d, "avisoOrbes")->isVisible());
        escreveUm();
        amb.respostas << amb.em("orbs/editadas.orb");
        clica(d, "cmdOK");
        QCOMPARE(OrbesActuais().orb(1, 7), int16_t(1));
        QVERIFY2(!info->text().contains("Saturno"), qPrintable(info->text()));
        QCOMPARE(leBytes(amb.em("orbs/editadas.orb")).split('\n').value(k).trimmed(), "1");
        QCOMPARE(GetOption(0), amb.em("orbs/editadas.orb"));

        abreOpcoes(j.get(), "mnuorbes");
        ValoresOrbes v{}; // unlike the built-in table: 1 + (k·7 mod 23), and three unusual ones
        for (size_t i = 0; i < v.size(); ++i) v[i] = int16_t(1 + (i * 7) % 23);
        v[3] = 45, v[4] = 0, v[5] = -1;
        QVERIFY(EscreveFicheiroOrbes(amb.em("orbs/minhas.orb"), v));
        amb.respostas << amb.em("orbs/minhas.orb") << amb.em("orbs/copia");
        filho<QPushButton>(d, "cmdAbrirOrbes")->click();
        for (int i = 0; i < 45; ++i) QCOMPARE(orbe(d, i)->value(), v[size_t(i)]);
        QCOMPARE(filho<QSpinBox>(d, "ficticios")->value(), v[45]);
        QCOMPARE(OrbesActuais().ValoresFicheiro(), v); // which box is which pair: the file's order (../chart)
        QCOMPARE(GetOption(0), amb.em("orbs/minhas.orb"));
        guardar->click();
        QCOMPARE(leBytes(amb.em("orbs/copia.orb")), leBytes(amb.em("orbs/minhas.orb")));
        amb.caixa.chamadas.clear();
        amb.respostas << amb.em("não existe/orbes");
        guardar->click();
        QCOMPARE(amb.caixa.chamadas.size(), 1);
        QVERIFY(amb.ultima().contains("Não foi possível guardar o ficheiro de Orbes"));
        LoadOrbs(true, QString());
    }
};

QTEST_MAIN(TestDialogoOpcoes)
#include "test_dialogoopcoes.moc"
