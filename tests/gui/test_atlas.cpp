// The atlas window (its search and zones: ../data, ../app): picking with the arrows and Enter, "Usar Este"
// filling the place and the zone of the date, a zone typed by hand kept, the user's own places kept.
#include "ambientegui.h"
#include "atlas.h"
#include "normaliza.h"

namespace {
locais* atlasParaNascimento(frmMain* j, const QString& data, const QString& hora) {
    escreve(j, "txtData", data);
    escreve(j, "txtHora", hora);
    filho(j, "txtNome")->setFocus();
    return abreAtlas(j);
}

QString texto(QWidget* w, const char* campo) { return filho<QLineEdit>(w, campo)->text(); }

// A field left by an explicit focus-out: offscreen, no window takes the focus once the atlas hides.
void sai(QWidget* j, const char* campo) {
    QFocusEvent saida(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(filho(j, campo), &saida);
}

double fuso(frmMain* j) { return NormalizaFuso(texto(j, "FusoHorario")).valor; }
} // namespace

class TestAtlas : public QObject {
    Q_OBJECT
private slots:
    // Every run starts from the shipped atlas: the user's own places of an earlier run would
    // hide an edit that is no longer stored.
    void initTestCase() { QFile::remove(Atlas::CaminhoUtilizador()); }

    void setasEEnter() {
        AmbienteGui amb;
        auto j = janela();
        locais* a = abreAtlas(j.get());
        QVERIFY(a);
        auto* p = filho<QLineEdit>(a, "txtProcura");
        auto* lista = filho<QTreeWidget>(a, "ComboLocais");
        QCOMPARE(a->focusWidget(), p); // the search has the focus at once; what it finds: ../data
        // "Recife" and Enter: the place is shown, though its full name has region and country.
        procura(a, "Recife", true);
        QCOMPARE(texto(a, "localNome"), "Recife (Pernambuco, Brasil)");
        QCOMPARE(filho<QLabel>(a, "fuso")->text(), "America/Recife");
        // Down arrow and Enter: the second row; Enter again on "Usar Este" uses it.
        procura(a, "lisb");
        QVERIFY(lista->topLevelItemCount() >= 2);
        const QString segundo = lista->topLevelItem(1)->toolTip(0);
        QTest::keyClick(p, Qt::Key_Down);
        QTest::keyClick(p, Qt::Key_Return);
        QCOMPARE(texto(a, "localNome"), segundo);
        QCOMPARE(QApplication::focusWidget(), filho(a, "cmd"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!a->isVisible());
        QCOMPARE(texto(j.get(), "txtlocal"), segundo);
        // Reopened, typing goes to the search, not to a button: nothing is applied at the blank.
        // (Offscreen, a window shown again is not activated: its focus widget is where the keys go.)
        abreAtlas(j.get());
        QCOMPARE(a->focusWidget(), p);
        digita(a->focusWidget(), "São Paulo");
        QVERIFY(a->isVisible());
        QCOMPARE(texto(j.get(), "txtlocal"), segundo);
        // A text matching nothing is said so.
        amb.caixa.chamadas.clear();
        procura(a, "xqzwv", true);
        QCOMPARE(amb.caixa.chamadas.size(), 1);
        QVERIFY(amb.ultima().contains("xqzwv"));
        // "Usar Este" straight after typing uses the highlighted first row, not the place shown before.
        procura(a, "coimbra, portugal");
        QVERIFY(lista->currentItem());
        filho<QPushButton>(a, "cmd")->click();
        QVERIFY(texto(j.get(), "txtlocal").startsWith("Coimbra"));
        QCOMPARE(texto(j.get(), "txtlocal"), lista->topLevelItem(0)->toolTip(0));
        // Places only looked at are not copied into the user's own.
        for (const char* visto : {"Recife (Pernambuco, Brasil)", "Coimbra (Coimbra, Portugal)"})
            QVERIFY(!a->atlas().FindLocal(visto)->proprio);
    }

    // The user's country first: Portugal when never chosen ("Valença" and Enter take the Minho's,
    // though Bahia's is more populous); another country chosen in the options takes its place.
    void paisPrimeiro() {
        AmbienteGui amb;
        SaveOption(OPCAO_PAIS_ATLAS, QString());
        auto j = janela();
        locais* a = abreAtlas(j.get());
        procura(a, "Valença", true);
        QCOMPARE(texto(a, "localNome"), "Valença (Viana do Castelo, Portugal)");
        j->accao("mnuViewOptions")->trigger();
        auto* d = j->findChild<QDialog*>("frmOptions");
        auto* pais = filho<QComboBox>(d, "cboPaisAtlas");
        QVERIFY(pais->currentText() == "Portugal" && pais->findText("Espanha") > 0);
        pais->setCurrentIndex(pais->findText("Brasil"));
        filho<QPushButton>(d, "cmdOK")->click();
        procura(a, "Valença", true);
        QCOMPARE(texto(a, "localNome"), "Valença (Bahia, Brasil)");
        SaveOption(OPCAO_PAIS_ATLAS, QString());
    }

    void fusoEscritoMantido() {
        AmbienteGui amb;
        SaveOption(5, "1"); // positions typed: entering the zone does not cast
        auto j = janela();
        locais* a = atlasParaNascimento(j.get(), "15/7/1990", "12:00");
        QVERIFY(a && a->FindLocal("Valença (Viana do Castelo, Portugal)"));
        const QString latitude = texto(a, "latitude");
        filho<QPushButton>(a, "cmd")->click();
        QCOMPARE(texto(j.get(), "txtlocal"), "Valença (Viana do Castelo, Portugal)");
        QCOMPARE(texto(j.get(), "txtLatitude"), NormalizaLatitude(latitude).texto);
        QCOMPARE(fuso(j.get()), 1.0); // on the Spanish border, Portugal's +1 in summer, not Spain's +2
        QVERIFY2(j->statusBar()->currentMessage().contains("Lisbon"), qPrintable(j->statusBar()->currentMessage()));
        // A date typed after the place was taken: the zone follows it (winter: WET).
        filho<QLineEdit>(j.get(), "txtData")->setText("15/12/1990");
        sai(j.get(), "txtData");
        QCOMPARE(fuso(j.get()), 0.0);
        // The zone typed by hand stays through leaving the date, time and longitude fields.
        escreve(j.get(), "FusoHorario", "1");
        sai(j.get(), "FusoHorario");
        for (const char* campo : {"txtData", "txtHora", "txtlongitude"}) {
            escreve(j.get(), campo, texto(j.get(), campo));
            sai(j.get(), campo);
            QVERIFY2(fuso(j.get()) == 1.0, campo);
        }
        escreve(j.get(), "txtData", "15/1/1991");
        sai(j.get(), "txtData");
        QCOMPARE(fuso(j.get()), 1.0);
        // "Usar Este" again writes the zone of the date.
        abreAtlas(j.get());
        QVERIFY(a->FindLocal("Valença (Viana do Castelo, Portugal)"));
        filho<QPushButton>(a, "cmd")->click();
        QCOMPARE(fuso(j.get()), 0.0);
        // A time that came twice (29/10/2000, 2:00 became 1:00) is pointed out, both offsets named.
        atlasParaNascimento(j.get(), "29/10/2000", "1:30");
        QVERIFY(a->FindLocal("Lisboa (Lisboa, Portugal)"));
        amb.caixa.chamadas.clear();
        filho<QPushButton>(a, "cmd")->click();
        QVERIFY(amb.caixa.chamadas.size() == 1 && amb.caixa.chamadas[0].icone == IconeMsg::Exclamacao);
        QVERIFY2(amb.ultima().contains("duas vezes") && amb.ultima().contains("UTC+0h") && amb.ultima().contains("UTC+1h"),
                 qPrintable(amb.ultima()));
        SaveOption(5, "0");
    }

    void edicaoGuardada() {
        const QString nomeNovo = "Aldeia do Teste";
        {
            AmbienteGui amb;
            auto j = janela();
            locais* a = abreAtlas(j.get());
            QVERIFY(a);
            // Editing a field of a shipped place and moving on keeps the edit.
            procura(a, "faro, portugal", true);
            QCOMPARE(texto(a, "localNome"), "Faro (Faro, Portugal)");
            escreve(a, "latitude", "37º5'0''N");
            filho<QPushButton>(a, "navegacao1")->click();
            // Adicionar, type, move on: stored and found by searching.
            filho<QPushButton>(a, "Command2")->click();
            QVERIFY(texto(a, "localNome").isEmpty());
            digita(filho(a, "localNome"), nomeNovo);
            digita(filho(a, "longitude"), "7º59' W");
            // A new place without coordinates is refused with a message, and nothing is lost.
            amb.caixa.chamadas.clear();
            filho<QPushButton>(a, "Command1")->click();
            QCOMPARE(amb.caixa.chamadas.size(), 1);
            QVERIFY(a->isVisible());
            digita(filho(a, "latitude"), "40º1' N");
            QTest::keyClick(a, Qt::Key_Escape); // closes as "Fechar" does, keeping the place typed
            QVERIFY(!a->isVisible());
        }
        // Another window, another atlas: both are still there, the edit in place of the shipped one.
        AmbienteGui amb;
        auto j = janela();
        locais* a = abreAtlas(j.get());
        procura(a, "faro, portugal", true);
        QCOMPARE(texto(a, "latitude"), "37º5'0''N");
        QCOMPARE(filho<QLabel>(a, "fuso")->text(), "Europe/Lisbon");
        procura(a, "aldeia do tes");
        QVERIFY(!filho<QTreeWidget>(a, "ComboLocais")->findItems(nomeNovo, Qt::MatchExactly).isEmpty() && a->FindLocal(nomeNovo));
        QCOMPARE(texto(a, "latitude"), "40º1'0''N");
    }
};

QTEST_MAIN(TestAtlas)
#include "test_atlas.moc"
