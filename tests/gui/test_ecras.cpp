// Every window on a 1024×700 screen: wholly inside the screen when opened, its last controls
// inside the window at the smallest size it allows and when made larger, and Escape closing
// the windows that are not dialogs.
#include "ambientegui.h"
#include "janelasgui.h"

#include <QApplication>
#include <QScreen>

class TestEcras : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cabeNoEcra_data();
    void cabeNoEcra();
    void escapeFecha_data();
    void escapeFecha();
    void cleanupTestCase();

private:
    QWidget* abre(const QString& janela) { return abreJanela(m_j.get(), janela, m_campos); }
    std::unique_ptr<AmbienteGui> m_amb;
    std::unique_ptr<frmMain> m_j;
    CamposMapa m_campos;
};

void TestEcras::initTestCase() {
    QCOMPARE(QApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 1024, 700));
    m_amb = std::make_unique<AmbienteGui>();
    m_campos.txtData = QStringLiteral("25/4/1974");
    m_j.reset(Arranca({}, AmbienteGui::opcoesTeste()));
    QVERIFY(m_j);
    QVERIFY(QTest::qWaitForWindowExposed(m_j.get()));
    escreveNascimento(m_j.get());
    QVERIFY2(m_j->sessao().campos().mapaAberto, "o mapa não foi calculado");
}

void TestEcras::cleanupTestCase() { m_j.reset(); }

void TestEcras::cabeNoEcra_data() {
    QTest::addColumn<QString>("janela");
    QTest::addColumn<QStringList>("ultimos"); // controls at the window's right and bottom edges
    QTest::newRow("principal") << "frmMain" << QStringList{"StatusBar1", "txtlongitude"};
    QTest::newRow("leitura") << "frmread" << QStringList{"txtRTF", "barraLetras"};
    QTest::newRow("global") << "frmGlobal" << QStringList{"Lista", "map"};
    QTest::newRow("ajuda") << "JanelaAjuda" << QStringList{"textoAjuda", "conteudosAjuda"};
    QTest::newRow("opções") << "frmOptions" << QStringList{"Checkvoltar"};
    QTest::newRow("atlas") << "locais" << QStringList{};
    QTest::newRow("interpolação") << "frmcalculos" << QStringList{"cmdoK", "Command1"};
    QTest::newRow("posição directa") << "frmcalculosdirectos" << QStringList{"cmdOK", "Check1"};
}

void TestEcras::cabeNoEcra() {
    QFETCH(QString, janela);
    QFETCH(QStringList, ultimos);
    QWidget* w = abre(janela);
    QVERIFY2(w, qPrintable(janela));
    const QRect livre = w->screen()->availableGeometry();
    QVERIFY2(livre.contains(w->frameGeometry()), QTest::toString(w->frameGeometry()));
    const QSize moldura = w->frameGeometry().size() - w->size();
    // The smallest size the window allows, and the whole free area: the controls at its edges
    // are shown, whole, inside it.
    for (const QSize& tamanho : {QSize(1, 1), livre.size() - moldura}) {
        w->resize(tamanho);
        QVERIFY2(w->width() + moldura.width() <= livre.width() && w->height() + moldura.height() <= livre.height(),
                 QTest::toString(w->size()));
        QCoreApplication::processEvents();
        for (const QString& nome : ultimos) {
            auto* c = w->findChild<QWidget*>(nome);
            QVERIFY2(c && c->isVisible(), qPrintable(nome));
            const QRect r(c->mapTo(w, QPoint(0, 0)), c->size());
            QVERIFY2(w->rect().contains(r) && !r.isEmpty(), qPrintable(nome + QLatin1Char(' ') + QTest::toString(r)));
        }
    }
    if (w != m_j.get())
        w->close();
}

void TestEcras::escapeFecha_data() {
    QTest::addColumn<QString>("janela");
    QTest::addColumn<QString>("foco"); // the control holding the focus when Escape is pressed
    QTest::newRow("leitura") << "frmread" << "txtRTF";
    QTest::newRow("global") << "frmGlobal" << "Lista";
    QTest::newRow("ajuda na procura") << "JanelaAjuda" << "procuraAjuda";
    QTest::newRow("ajuda no texto") << "JanelaAjuda" << "textoAjuda";
}

void TestEcras::escapeFecha() {
    QFETCH(QString, janela);
    QFETCH(QString, foco);
    QWidget* w = abre(janela);
    QVERIFY(w);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    auto* c = w->findChild<QWidget*>(foco);
    QVERIFY(c);
    c->setFocus();
    QTest::keyClick(c, Qt::Key_Escape);
    QTRY_VERIFY(!w->isVisible());
    QVERIFY(m_j->isVisible());
}

int main(int argc, char* argv[]) {
    // Qt's offscreen platform with one 1024×700 screen, the smallest the program is made for.
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" NATALIS_TEST_DATA "/ecra1024x700.json");
    QApplication app(argc, argv);
    TestEcras t;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&t, argc, argv);
}

#include "test_ecras.moc"
