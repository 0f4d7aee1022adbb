// The wheel's options driven through the real controls: the "Mapa" page of the options
// dialog, the information buttons' tool tips and "Ampliar".
#include "../drawing/mapateste.h"
#include "desenhos.h"
#include "frmglobal.h"
#include "frmoptions.h"
#include "janelateste.h"
#include "opcoesroda.h"
#include "superficieecra.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace {
// A check box or radio button takes a click on its indicator, as a user gives it.
void clica(QAbstractButton* b) {
    QVERIFY(b);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
}
} // namespace

class TestOpcoesRoda : public QObject {
    Q_OBJECT
private slots:
    // Each test starts from the program's own wheel, whatever an earlier run left in the store.
    void init() {
        for (int n : {40, 41, 42})
            SaveOption(n, QString());
    }
    void cleanup() { OpcoesRodaActuais() = OpcoesRoda{}; }

    void paginaDoMapa() {
        AmbienteGui amb;
        {
            std::unique_ptr<frmMain> j = JanelaComMapa(QSize(1280, 800));
            QVERIFY(j);
            j->accao(QStringLiteral("mnumap"))->trigger();
            j->accao(QStringLiteral("mnuViewOptions"))->trigger();
            auto* d = j->findChild<frmOptions*>();
            QVERIFY(d && d->isVisible());
            auto* abas = d->findChild<QTabWidget*>();
            abas->setCurrentWidget(d->findChild<QWidget*>(QStringLiteral("paginaRoda")));
            captura(d, QStringLiteral("opcoes-mapa"));
            // The program's own wheel is the default.
            QVERIFY(!filho<QCheckBox>(d, "chkAscendenteEsquerda")->isChecked());
            QVERIFY(!filho<QCheckBox>(d, "chkGrausZodiaco")->isChecked());
            QVERIFY(filho<QRadioButton>(d, "optCoresRoda0")->isChecked());
            clica(filho<QCheckBox>(d, "chkAscendenteEsquerda"));
            clica(filho<QCheckBox>(d, "chkGrausZodiaco"));
            clica(filho<QRadioButton>(d, "optCoresRoda1"));
            QTest::mouseClick(filho<QPushButton>(d, "cmdOK"), Qt::LeftButton);
            QVERIFY(!d->isVisible());
            QCOMPARE(GetOption(40), QStringLiteral("1"));
            QCOMPARE(GetOption(41), QStringLiteral("1"));
            QCOMPARE(GetOption(42), QStringLiteral("1"));
            // The wheel on the window is redrawn with the Ascendant's light-blue cusp on the
            // left horizon.
            const QImage roda = filho<SuperficieEcra>(j.get(), "Mapa")->imagem();
            const QSizeF lado = QSizeF(roda.size()) / roda.devicePixelRatio();
            const GeometriaRoda g = CalculaGeometria(lado.width(), lado.height());
            const double meio = (g.AspectRadius + g.ZodiacInnerRadius) / 2.0;
            QVERIFY(teste::ContaCor(roda, QRectF(g.centro.x() - meio - 2, g.centro.y() - 2, 5, 5),
                                    QColor(132, 169, 219)) > 0);
            captura(filho<SuperficieEcra>(j.get(), "Mapa"), QStringLiteral("roda-ascendente-esquerda"));
        }
        // The next start draws and shows the stored choices again.
        OpcoesRodaActuais() = OpcoesRoda{};
        std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
        QVERIFY(j);
        QVERIFY(OpcoesRodaActuais().ascendenteEsquerda);
        QCOMPARE(OpcoesRodaActuais().esquema, EsquemaCores::AltoContraste);
        j->accao(QStringLiteral("mnuViewOptions"))->trigger();
        auto* d = j->findChild<frmOptions*>();
        QVERIFY(filho<QCheckBox>(d, "chkAscendenteEsquerda")->isChecked());
        QVERIFY(filho<QCheckBox>(d, "chkGrausZodiaco")->isChecked());
        QVERIFY(filho<QRadioButton>(d, "optCoresRoda1")->isChecked());
        // Cancelling leaves the stored choice.
        clica(filho<QCheckBox>(d, "chkAscendenteEsquerda"));
        QVERIFY(!filho<QCheckBox>(d, "chkAscendenteEsquerda")->isChecked());
        QTest::mouseClick(filho<QPushButton>(d, "cmdCancel"), Qt::LeftButton);
        QCOMPARE(GetOption(40), QStringLiteral("1"));
        QVERIFY(OpcoesRodaActuais().ascendenteEsquerda);
    }

    void dicasDosBotoesDeInformacao_data() {
        QTest::addColumn<int>("botao");
        QTest::addColumn<QString>("nome");
        QTest::newRow("Sol") << 1 << QStringLiteral("Sol");
        QTest::newRow("Lua") << 2 << QStringLiteral("Lua");
        QTest::newRow("Nodo") << 11 << QStringLiteral("Nodo Lunar Norte");
        QTest::newRow("Lua Negra, com o glifo da Lua") << 12 << QStringLiteral("Lua Negra");
        QTest::newRow("Parte Fortuna") << 13 << QStringLiteral("Parte da Fortuna");
    }
    void dicasDosBotoesDeInformacao() {
        QFETCH(int, botao);
        QFETCH(QString, nome);
        AmbienteGui amb;
        std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
        QVERIFY(j);
        auto* b = j->findChild<QToolButton*>(QStringLiteral("tlbInfo%1").arg(botao));
        QVERIFY(b);
        QCOMPARE(b->toolTip(), nome);
    }

    void ampliarOcupaOEcra() {
        AmbienteGui amb;
        std::unique_ptr<frmMain> j = JanelaComMapa();
        QVERIFY(j);
        auto* ampliar = j->accao(QStringLiteral("tb_magnus"));
        QTest::mouseClick(j->findChild<QToolBar*>(QStringLiteral("tbToolBar"))->widgetForAction(ampliar), Qt::LeftButton);
        auto* g = j->findChild<frmGlobal*>();
        QVERIFY(g && g->isVisible());
        QCOMPARE(g->modo(), 2);
        const QRect livre = g->screen()->availableGeometry();
        QTRY_COMPARE(g->frameGeometry().size(), livre.size());
        // The large wheel fills the height of its picture.
        auto* map = filho<SuperficieEcra>(g, "map");
        QTRY_VERIFY(map->imagem().height() / map->imagem().devicePixelRatio() >= map->height() - 1);
        captura(g, QStringLiteral("ampliar"));
    }
};

QTEST_MAIN(TestOpcoesRoda)
#include "test_opcoesroda.moc"
