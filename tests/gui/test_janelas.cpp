// Every window on a 1024×700 screen: inside it when opened and at its smallest and largest, Escape closing
// the windows that are not dialogs; Qt's dialogs in Portugal's Portuguese; the web site without a browser.
#include "ambientegui.h"
#include "traducaoqt.h"

#include <QRegularExpression>

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

private slots:
    void initTestCase() {
        QCOMPARE(QApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 1024, 700));
        QVERIFY(InstalaTraducaoQt(*qApp)); // as the program does at start: Portugal's Portuguese, not Brazil's
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Create New Folder"), "Criar pasta nova");
        // The type column of the file chooser names a folder so.
        QCOMPARE(QCoreApplication::translate("QAbstractFileIconProvider", "Folder", "All other platforms"), "Pasta");
        m_amb = std::make_unique<AmbienteGui>();
        m_j.reset(Arranca({}, AmbienteGui::opcoesTeste()));
        QVERIFY(m_j && QTest::qWaitForWindowExposed(m_j.get()));
        escreveNascimento(m_j.get());
        QVERIFY2(m_j->sessao().campos().mapaAberto, "o mapa não foi calculado");
    }
    void cleanupTestCase() { m_j.reset(); }

    void cabeNoEcra_data() {
        // janela: its objectName; comando: the action or button opening it; ultimos: controls at its
        // right and bottom edges; foco: the control holding the focus when Escape closes it (none for dialogs)
        colunas<QString, QString, QStringList, QString>({"janela", "comando", "ultimos", "foco"});
        QTest::newRow("principal") << "frmMain" << "" << QStringList{"StatusBar1", "txtlongitude"} << "";
        QTest::newRow("leitura") << "frmread" << "mnuviewinterpretacao" << QStringList{"txtRTF", "barraLetras"} << "txtRTF";
        QTest::newRow("global") << "frmGlobal" << "mnuglobal" << QStringList{"Lista", "map"} << "Lista";
        QTest::newRow("ajuda") << "JanelaAjuda" << "mnuHelpContents" << QStringList{"textoAjuda", "conteudosAjuda"}
                               << "procuraAjuda";
        QTest::newRow("opções") << "frmOptions" << "mnuViewOptions" << QStringList{"Checkvoltar"} << "";
        QTest::newRow("atlas") << "locais" << "cmdatlas" << QStringList{} << "";
        QTest::newRow("interpolação") << "frmcalculos" << "" << QStringList{"cmdoK", "Command1"} << "";
    }
    void cabeNoEcra() {
        QFETCH(QString, janela); QFETCH(QString, comando); QFETCH(QStringList, ultimos); QFETCH(QString, foco);
        QWidget* w = m_j.get();
        if (janela == "frmcalculos") w = new frmcalculos(m_j->sessao().campos(), 1, w); // as a click on a position builds it
        else if (comando == "cmdatlas") filho<QPushButton>(w, comando)->click();
        else if (!comando.isEmpty()) m_j->accao(comando)->trigger();
        if (w == m_j.get() && !comando.isEmpty()) w = m_j->findChild<QWidget*>(janela);
        QVERIFY2(w, qPrintable(janela));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        // Its captions, labels, menus and commands keep the spelling corrected in them.
        static const QRegularExpression erros(QStringLiteral("Intrepreta|intrepreta|Predefenid|Automáticamente|Retogrado|cirar"));
        for (QObject* o : w->findChildren<QObject*>()) {
            const QString t = o->property("text").toString() + o->property("title").toString();
            QVERIFY2(!t.contains(erros), qPrintable(janela + ": " + t));
        }
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

    // The wheel's side panel wraps its text: at the window's smallest size and on the whole screen,
    // with the vertical bar shown, it never grows a horizontal scroll bar, and no line is cut.
    void painelSemBarraHorizontal() {
        m_j->accao("mnumap")->trigger();
        auto* rolagem = filho<QScrollArea>(m_j.get(), "rolagemInfo");
        auto* info = filho<QLabel>(m_j.get(), "info");
        info->setText(info->text() + QString("<br>Em Conjunção com Saturno").repeated(30));
        for (const QSize& tamanho : {QSize(1, 1), QSize(1024, 700)}) {
            m_j->resize(tamanho);
            // A real window system resizes when it gets to it.
            QTRY_VERIFY(rolagem->verticalScrollBar()->isVisible() && !rolagem->horizontalScrollBar()->isVisible());
            QTRY_VERIFY2(info->width() <= rolagem->viewport()->width() && info->width() >= info->minimumWidth(),
                     qPrintable(QStringLiteral("%1 em %2, mínimo %3").arg(info->width()).arg(rolagem->viewport()->width()).arg(info->minimumWidth())));
        }
    }

    // Qt's offscreen platform has no program for addresses, like a desktop without a browser: the
    // site's address is given instead. With a program for it, it opens and nothing is said.
    void sitioSemNavegador() {
        m_amb->caixa.chamadas.clear();
        m_j->accao("mnuwebsite")->trigger();
        QVERIFY(m_amb->caixa.chamadas.size() == 1 && m_amb->ultima().contains("Visite https://natalis.pt"));
        Navegador navegador;
        QDesktopServices::setUrlHandler("https", &navegador, "abre");
        m_amb->caixa.chamadas.clear();
        m_j->accao("mnuwebsite")->trigger();
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(navegador.abertos, QList<QUrl>{QUrl("https://natalis.pt/?p=Natalis")});
        QVERIFY(m_amb->caixa.chamadas.isEmpty());
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
