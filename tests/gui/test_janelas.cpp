// Every window on a 1024×700 screen: wholly inside the screen when opened, its last controls
// inside it at its smallest and largest, Escape closing the windows that are not dialogs; Qt's
// own dialogs in the Portuguese of Portugal; the messages of the commands that leave the program.
#include "ambientegui.h"
#include "traducaoqt.h"

namespace {
// A browser that only notes the addresses it is asked to open.
class Navegador : public QObject {
    Q_OBJECT
public slots:
    void abre(const QUrl& u) { abertos << u; }

public:
    QList<QUrl> abertos;
};
} // namespace

class TestJanelas : public QObject {
    Q_OBJECT
    std::unique_ptr<AmbienteGui> m_amb;
    std::unique_ptr<frmMain> m_j;
    CamposMapa m_campos;

private slots:
    void initTestCase() {
        QCOMPARE(QApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 1024, 700));
        QVERIFY(InstalaTraducaoQt(*qApp)); // as the program does at start
        m_amb = std::make_unique<AmbienteGui>();
        m_campos.txtData = "25/4/1974";
        m_j.reset(Arranca({}, AmbienteGui::opcoesTeste()));
        QVERIFY(m_j && QTest::qWaitForWindowExposed(m_j.get()));
        escreveNascimento(m_j.get());
        QVERIFY2(m_j->sessao().campos().mapaAberto, "o mapa não foi calculado");
    }
    void cleanupTestCase() { m_j.reset(); }

    void cabeNoEcra_data() {
        // ultimos: controls at the window's right and bottom edges; foco: the control holding the
        // focus when Escape closes the window (none for dialogs)
        colunas<QString, QStringList, QString>({"janela", "ultimos", "foco"});
        QTest::newRow("principal") << "frmMain" << QStringList{"StatusBar1", "txtlongitude"} << "";
        QTest::newRow("leitura") << "frmread" << QStringList{"txtRTF", "barraLetras"} << "txtRTF";
        QTest::newRow("global") << "frmGlobal" << QStringList{"Lista", "map"} << "Lista";
        QTest::newRow("ajuda") << "JanelaAjuda" << QStringList{"textoAjuda", "conteudosAjuda"} << "procuraAjuda";
        QTest::newRow("opções") << "frmOptions" << QStringList{"Checkvoltar"} << "";
        QTest::newRow("atlas") << "locais" << QStringList{} << "";
        QTest::newRow("interpolação") << "frmcalculos" << QStringList{"cmdoK", "Command1"} << "";
    }
    void cabeNoEcra() {
        QFETCH(QString, janela); QFETCH(QStringList, ultimos); QFETCH(QString, foco);
        QWidget* w = abreJanela(m_j.get(), janela, m_campos);
        QVERIFY2(w, qPrintable(janela));
        const QRect livre = w->screen()->availableGeometry();
        QVERIFY2(livre.contains(w->frameGeometry()), QTest::toString(w->frameGeometry()));
        const QSize moldura = w->frameGeometry().size() - w->size();
        // The smallest size the window allows, and the whole free area: the controls at its
        // edges are shown, whole, inside it.
        for (const QSize& tamanho : {QSize(1, 1), livre.size() - moldura}) {
            w->resize(tamanho);
            QVERIFY2(livre.size().boundedTo(w->size() + moldura) == w->size() + moldura, QTest::toString(w->size()));
            QCoreApplication::processEvents();
            for (const QString& nome : ultimos) {
                auto* c = filho(w, nome);
                const QRect r(c->mapTo(w, QPoint(0, 0)), c->size());
                QVERIFY2(c->isVisible() && w->rect().contains(r) && !r.isEmpty(), qPrintable(nome + " " + QTest::toString(r)));
            }
        }
        if (foco.isEmpty() && w != m_j.get()) w->close();
        if (foco.isEmpty()) return;
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        filho(w, foco)->setFocus();
        QTest::keyClick(filho(w, foco), Qt::Key_Escape);
        QTRY_VERIFY(!w->isVisible());
        QVERIFY(m_j->isVisible());
    }

    // Qt's offscreen platform has no program for addresses, like a desktop without a browser: the
    // site's address is given instead. With a program for it, it opens and nothing is said.
    void sitioSemNavegador() {
        m_amb->caixa.chamadas.clear();
        m_j->accao("mnuwebsite")->trigger();
        QVERIFY(m_amb->caixa.chamadas.size() == 1 && m_amb->caixa.chamadas[0].icone == IconeMsg::Exclamacao);
        QCOMPARE(m_amb->ultima(), "Não foi encontrado um navegador de Internet para abrir o sítio do Natalis.\n"
                                  "Visite https://natalis.pt no navegador que usa.");
        Navegador navegador;
        QDesktopServices::setUrlHandler("https", &navegador, "abre");
        m_amb->caixa.chamadas.clear();
        m_j->accao("mnuwebsite")->trigger();
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(navegador.abertos, QList<QUrl>{QUrl("https://natalis.pt/?p=Natalis")});
        QVERIFY(m_amb->caixa.chamadas.isEmpty());
    }

    // Qt's own dialogs speak the Portuguese of Portugal, not Brazil's.
    void dialogosDoQt() {
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Create New Folder"), "Criar pasta nova");
        QCOMPARE(QCoreApplication::translate("QColorDialog", "&Pick Screen Color"), "&Seleccionar cor no ecrã");
    }

};

int main(int argc, char* argv[]) {
    // Qt's offscreen platform with one 1024×700 screen, the smallest the program is made for.
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" NATALIS_TEST_DATA "/ecra1024x700.json");
    QApplication app(argc, argv);
    TestJanelas t;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&t, argc, argv);
}

#include "test_janelas.moc"
