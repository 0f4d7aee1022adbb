// The "Cálculo" page of the options dialog through its controls: the engine and house system
// chosen there are kept as options 20 and 21, cast the next chart (the status bar names them),
// come back at the next start, and F5 casts a chart again when the choice has changed since.
// "Cancelar" keeps nothing.
#include "ambientegui.h"
#include "frmmain.h"
#include "frmoptions.h"
#include "mapagui.h"
#include "motormapa.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>

namespace {
frmOptions* abreOpcoes(frmMain* j) {
    j->accao(QStringLiteral("mnuViewOptions"))->trigger();
    auto* d = j->findChild<frmOptions*>();
    if (d) {
        // The page is reached by its tab, as a user reaches it.
        auto* abas = d->findChild<QTabWidget*>();
        for (int i = 0; abas && i < abas->count(); ++i)
            if (abas->tabText(i) == QString::fromUtf8("Cálculo"))
                abas->setCurrentIndex(i);
    }
    return d;
}

// Picks a house system in the list with the keyboard, as a user would.
void escolheCasas(frmOptions* d, int indice) {
    auto* cbo = filho<QComboBox>(d, "cboCasas");
    cbo->setFocus();
    QTest::keyClick(cbo, Qt::Key_Home);
    for (int i = 0; i < indice; ++i)
        QTest::keyClick(cbo, Qt::Key_Down);
}
} // namespace

class TestOpcoesCalculo : public QObject {
    Q_OBJECT
private slots:
    void init() {
        SaveOption(3, QStringLiteral("0"));
        SaveOption(5, QStringLiteral("0"));
        SaveOption(OPCAO_MOTOR, QString());
        SaveOption(OPCAO_CASAS, QString());
        EscolhaCalculoActual() = {};
    }
    void cleanupTestCase() { init(); }

    void escolhaGuardadaEUsada() {
        AmbienteGui amb;
        {
            std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
            QVERIFY(j);
            frmOptions* d = abreOpcoes(j.get());
            QVERIFY(d);
            QVERIFY(filho<QRadioButton>(d, "optMotor0")->isChecked());
            QCOMPARE(filho<QComboBox>(d, "cboCasas")->currentIndex(), 0);
            QTest::mouseClick(filho<QRadioButton>(d, "optMotor1"), Qt::LeftButton);
            escolheCasas(d, int(SistemaCasas::Placidus));
            captura(d, QStringLiteral("opcoes-calculo"));
            filho<QPushButton>(d, "cmdOK")->click();
            QCOMPARE(GetOption(OPCAO_MOTOR), QString("preciso"));
            QCOMPARE(GetOption(OPCAO_CASAS), QString("placidus"));

            j->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(j.get()));
            escreveNascimento(j.get());
            QCOMPARE(j->sessao().campos().escolha, (EscolhaCalculo{Motor::Preciso, SistemaCasas::Placidus}));
            const QString estado = j->statusBar()->currentMessage();
            QVERIFY2(estado.contains(QString::fromUtf8("Cálculo: motor preciso (Swiss Ephemeris), casas Placidus.")),
                     qPrintable(estado));
            QVERIFY2(estado.contains(QString::fromUtf8("Efemérides pel")), qPrintable(estado));

            // Back to the classic engine with Koch; F5 casts the open chart again with it.
            d = abreOpcoes(j.get());
            QTest::mouseClick(filho<QRadioButton>(d, "optMotor0"), Qt::LeftButton);
            escolheCasas(d, int(SistemaCasas::Koch));
            filho<QPushButton>(d, "cmdOK")->click();
            j->accao(QStringLiteral("mnuViewRefresh"))->trigger();
            QCOMPARE(j->sessao().campos().escolha, (EscolhaCalculo{Motor::Classico, SistemaCasas::Koch}));
            QVERIFY2(j->statusBar()->currentMessage().contains(QString::fromUtf8("motor clássico, casas Koch")),
                     qPrintable(j->statusBar()->currentMessage()));

            // Cancelar keeps nothing, and the next opening shows what is in force.
            d = abreOpcoes(j.get());
            QTest::mouseClick(filho<QRadioButton>(d, "optMotor1"), Qt::LeftButton);
            filho<QPushButton>(d, "cmdCancel")->click();
            QCOMPARE(GetOption(OPCAO_MOTOR), QString("classico"));
            d = abreOpcoes(j.get());
            QVERIFY(filho<QRadioButton>(d, "optMotor0")->isChecked());
            d->hide();
        }
        // The next start casts with the stored choice and shows it on the page.
        EscolhaCalculoActual() = {};
        std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
        QVERIFY(j);
        QCOMPARE(EscolhaCalculoActual(), (EscolhaCalculo{Motor::Classico, SistemaCasas::Koch}));
        frmOptions* d = abreOpcoes(j.get());
        QCOMPARE(filho<QComboBox>(d, "cboCasas")->currentIndex(), int(SistemaCasas::Koch));
    }
};

QTEST_MAIN(TestOpcoesCalculo)
#include "test_opcoescalculo.moc"
