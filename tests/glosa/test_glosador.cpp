// Glosador's window worked through its controls (search, edit with the markup checked, the
// preview for a man and a woman, save, the edited list, reset, the question on leaving), and an
// edited text read by Natalis in the reading window, natalis-cli's RTF and its PDF.
#include "../gui/ambientegui.h"
#include "fontedados.h"
#include "frmglosador.h"
#include "frmread.h"
#include "textosproprios.h"

namespace {
// The chart ambientegui.h types: Sun in Touro.
constexpr int kSolEmTouro = 1102;
const char* const kMarca = "GLOSADOR-TESTE"; // ASCII, so RTF and PDF text keep it as it is

QStringList ItensLista(QListWidget* l) {
    QStringList r;
    for (int i = 0; i < l->count(); ++i) r << l->item(i)->text();
    return r;
}
} // namespace

class TestGlosador : public QObject {
    Q_OBJECT
    std::unique_ptr<AmbienteGui> m_amb;

    int Cli(const QStringList& saidas) {
        QProcess p;
        p.start(QStringLiteral(NATALIS_PROGRAM_DIR "/natalis-cli"),
                QStringList{"--nome", "Maria Silva", "--sexo", "F", "--data", "25/4/1974", "--hora", "0:25", "--fuso", "1",
                            "--local", "Lisboa", "--latitude", "38º43' N", "--longitude", "9º8' W", "--silencioso"} +
                    saidas);
        return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

private slots:
    void initTestCase() {
        m_amb = std::make_unique<AmbienteGui>();
        QFile::remove(TextosProprios::CaminhoPredefinido());
    }

    void janela() {
        FonteDados enviados;
        QVERIFY(enviados.Abre(m_amb->em("Intrepreter.mdb"), "interpretação"));
        TextosProprios meus;
        meus.DefineCaminho(m_amb->em("meus.db"));
        frmGlosador g(enviados, meus);
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        auto* lista = filho<QListWidget>(&g, "lstTextos");
        auto* texto = filho<QPlainTextEdit>(&g, "txtTexto");
        const int todos = lista->count();
        QVERIFY(todos > 1000);

        // Search without accents or capitals, over the meaning.
        escreve(&g, "txtProcura", "lua quadratura marte");
        const QStringList achados = ItensLista(lista);
        QVERIFY2(achados.size() < 5 && achados.contains("Lua em Quadratura com Marte  (2405)"), qPrintable(achados.join('|')));
        lista->setCurrentRow(int(achados.indexOf("Lua em Quadratura com Marte  (2405)")));
        QCOMPARE(g.CodigoActual(), 2405);
        QVERIFY(filho<QLabel>(&g, "lblSignificado")->text().startsWith("Lua em Quadratura com Marte"));

        // A text of our own with sex and position segments: both previews as the report puts them.
        texto->setFocus();
        texto->selectAll();
        digita(texto, "Texto de |1, cansad|2. {H ele }{M ela }{A frente }{D tras }");
        filho<QLineEdit>(&g, "txtNome")->setText("Rui");
        auto* posicao = filho<QComboBox>(&g, "cmbPosicao");
        posicao->setCurrentIndex(posicao->findData(-1));
        QCOMPARE(filho<QTextBrowser>(&g, "txtPreviaHomem")->toPlainText(), "Texto de Rui, cansado. tras ele");
        QCOMPARE(filho<QTextBrowser>(&g, "txtPreviaMulher")->toPlainText(), "Texto de Rui, cansada. tras ela");
        auto* guardar = filho<QPushButton>(&g, "btnGuardar");
        QVERIFY(guardar->isEnabled());

        // A broken mark is shown where it stands and blocks the save; undo and redo go through it.
        digita(texto, " |9");
        QVERIFY(!guardar->isEnabled());
        QVERIFY2(filho<QLabel>(&g, "lblMarcacao")->text().contains("Erro na coluna 61"),
                 qPrintable(filho<QLabel>(&g, "lblMarcacao")->text()));
        QVERIFY(!g.Guarda() && m_amb->ultima().contains("erros de marcação"));
        filho<QAction>(&g, "mnuDesfazer")->trigger();
        QVERIFY(!texto->toPlainText().contains("|9"));
        filho<QAction>(&g, "mnuRefazer")->trigger();
        QVERIFY(texto->toPlainText().endsWith("|9"));
        for (int k = 0; k < 3; ++k) QTest::keyClick(texto, Qt::Key_Backspace);
        QVERIFY(guardar->isEnabled());
        QTest::mouseClick(guardar, Qt::LeftButton);
        QCOMPARE(meus.Entrada("2405").texto, "Texto de |1, cansad|2. {H ele }{M ela }{A frente }{D tras }");
        QVERIFY(lista->item(0)->text().startsWith("✎ "));

        // The edited ones on their own; the question on leaving an unsaved edit, Cancelar stays.
        auto* familia = filho<QComboBox>(&g, "cmbFamilia");
        filho<QLineEdit>(&g, "txtProcura")->clear();
        familia->setCurrentIndex(familia->count() - 1);
        QCOMPARE(lista->count(), 1);
        familia->setCurrentIndex(0);
        QCOMPARE(lista->count(), todos);
        digita(texto, "x");
        m_amb->caixa.respostas = {RespostaMsg::Cancelar};
        lista->setCurrentRow(0);
        QCOMPARE(g.CodigoActual(), 2405);
        QVERIFY(m_amb->ultima().contains("Deseja guardar as alterações?"));
        m_amb->caixa.respostas = {RespostaMsg::Nao};
        QVERIFY(g.MostraCodigo(1101));
        QCOMPARE(g.CodigoActual(), 1101);

        // Back to the shipped text.
        QVERIFY(g.MostraCodigo(2405));
        m_amb->caixa.respostas = {RespostaMsg::Sim};
        QTest::mouseClick(filho<QPushButton>(&g, "btnRepor"), Qt::LeftButton);
        QVERIFY(meus.Todos().isEmpty());
        enviados.FindFirst("codigo", "2405");
        QCOMPARE(texto->toPlainText(), enviados.Campo("Texto"));
        QVERIFY(!filho<QPushButton>(&g, "btnRepor")->isEnabled());
    }

    // One edited text in the reading window, natalis-cli's RTF and its PDF; from the window,
    // the editor is asked for at that paragraph.
    void textoEditadoNasTresSaidas() {
        TextosProprios meus;
        meus.DefineCaminho(TextosProprios::CaminhoPredefinido());
        QVERIFY(meus.Grava({QString::number(kSolEmTouro), QStringLiteral("Sol em Touro: %1 para |1.").arg(kMarca), "", {}}, nullptr));

        auto j = ::janela(true);
        QVERIFY(j && j->sessao().campos().mapaAberto);
        j->accao("tb_read")->trigger();
        auto* leitura = j->findChild<frmread*>();
        QVERIFY(leitura);
        const QString relatorio = leitura->txtRTF()->toPlainText();
        QVERIFY2(relatorio.contains(QStringLiteral("%1 para Maria Silva.").arg(kMarca)), "a janela de leitura não usa o texto");
        QTextCursor c(leitura->txtRTF()->document());
        c.setPosition(int(relatorio.indexOf(kMarca)) + 3);
        leitura->txtRTF()->setTextCursor(c);
        QCOMPARE(leitura->argumentosEditor(), (QStringList{"--codigo", QString::number(kSolEmTouro)}));
        c.setPosition(0);
        leitura->txtRTF()->setTextCursor(c);
        QVERIFY(leitura->argumentosEditor().isEmpty()); // the title no text code wrote

        const QString rtf = m_amb->em("editado.rtf"), pdf = m_amb->em("editado.pdf");
        QCOMPARE(Cli({"--relatorio", rtf, "--relatorio", pdf}), 0);
        QVERIFY(leBytes(rtf).contains(QByteArray(kMarca) + " para Maria Silva."));
        if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext não está instalado (scripts/setup.sh)");
        QVERIFY(corre("pdftotext", {pdf, "-"}).simplified().contains(QStringLiteral("%1 para Maria Silva.").arg(kMarca)));
        QVERIFY(meus.Repoe(QString::number(kSolEmTouro), nullptr));
    }
};

QTEST_MAIN(TestGlosador)
#include "test_glosador.moc"
