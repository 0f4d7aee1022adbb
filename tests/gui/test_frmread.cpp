// The reading window: the report written with its progress bar, the formatting commands on a
// selection, saving with and without the personal part (read back by unrtf) and importing it
// again, and printing the report alone and with everything else.
#include "ambientegui.h"
#include "frmmain.h"
#include "frmread.h"
#include "impressao.h"
#include "mapagui.h"
#include "relatorio.h"
#include "sessaomapa.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QProcess>
#include <QProgressBar>
#include <QFileInfo>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>

namespace {
QColor corQt(CorRGB c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

// The plain text of an RTF file as an independent reader sees it.
QString textoUnrtf(const QString& caminho) {
    QProcess p;
    p.start(QStringLiteral("unrtf"), {QStringLiteral("--text"), caminho});
    if (!p.waitForFinished(20000))
        return QString();
    // unrtf passes the file's \\'xx bytes through: Windows-1252, Latin-1 for these letters.
    return QString::fromLatin1(p.readAllStandardOutput());
}

void selecciona(QTextEdit* e, int inicio, int fim) {
    // As a click would, the caret moves first, so the box reports the new selection.
    QTextCursor c(e->document());
    c.movePosition(QTextCursor::End);
    e->setTextCursor(c);
    c.setPosition(inicio);
    c.setPosition(fim, QTextCursor::KeepAnchor);
    e->setTextCursor(c);
    e->setFocus();
}
} // namespace

class TestFrmRead : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void relatorioEscritoEComandos();
    void guardaEImporta();
    void imprime();

private:
    std::unique_ptr<AmbienteGui> m_amb;
    std::unique_ptr<frmMain> m_j;
    frmread* m_l = nullptr;
};

void TestFrmRead::initTestCase() {
    if (QStandardPaths::findExecutable(QStringLiteral("unrtf")).isEmpty())
        QSKIP("unrtf não está instalado (scripts/setup.sh)");
    m_amb = std::make_unique<AmbienteGui>();
    m_j.reset(Arranca({}, AmbienteGui::opcoesTeste()));
    QVERIFY(m_j);
    m_j->resize(1280, 800);
    QVERIFY(QTest::qWaitForWindowActive(m_j.get()));
    escreveNascimento(m_j.get());
    QVERIFY2(m_j->sessao().campos().mapaAberto, "o mapa não foi calculado");
}

void TestFrmRead::relatorioEscritoEComandos() {
    QList<int> progresso;
    m_j->accao(QStringLiteral("tb_read"))->trigger();
    m_l = m_j->findChild<frmread*>();
    QVERIFY(m_l && m_l->isVisible());
    auto* barra = filho<QProgressBar>(m_l, "ProgressBar1");
    QCOMPARE(barra->value(), 100);
    QCOMPARE(barra->maximum(), 100);
    // The boxes are back in front once the report is written.
    auto* holder = filho<QWidget>(m_l, "holder");
    QVERIFY(holder->isVisible());
    QVERIFY(!filho<QWidget>(m_l, "frame1")->isVisible());
    QTextEdit* r = m_l->txtRTF();
    QVERIFY(r->toPlainText().startsWith(QStringLiteral("Natalis")));
    QVERIFY(r->toPlainText().contains(QStringLiteral("Mapa astral de: Maria Silva")));
    // The synthesis opens the report, with the main window's wheel as its picture.
    QVERIFY(r->toPlainText().contains(QStringLiteral("Síntese do Mapa")));
    QVERIFY(!r->document()->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("natalis://roda"))).value<QImage>().isNull());
    QVERIFY(!m_l->txtRTF2()->isVisible());
    QVERIFY(m_l->txtRTF2()->toPlainText().startsWith(QStringLiteral("Interpretação Pessoal")));

    // Refazer writes the same report again, from an empty box, and the bar reaches 100 %.
    const QString primeiro = r->toPlainText();
    connect(barra, &QProgressBar::valueChanged, this, [&progresso](int v) { progresso << v; });
    m_l->accao(QStringLiteral("mnuactualizar"))->trigger();
    QCOMPARE(r->toPlainText(), primeiro);
    QVERIFY(!progresso.isEmpty());
    QCOMPARE(progresso.last(), 100);
    QVERIFY(std::is_sorted(progresso.begin() + 1, progresso.end()));
    captura(m_l, QStringLiteral("leitura"));

    // "Natalis" is the title at 50 points; select its first four letters.
    selecciona(r, 0, 4);
    m_l->accao(QStringLiteral("tb_bold"))->trigger();
    m_l->accao(QStringLiteral("tb_italico"))->trigger();
    m_l->accao(QStringLiteral("mnucortitulo"))->trigger();
    QTextCursor c(r->document());
    c.setPosition(2);
    QVERIFY(c.charFormat().fontWeight() >= QFont::Bold);
    QVERIFY(c.charFormat().fontItalic());
    QCOMPARE(c.charFormat().foreground().color(), corQt(CoresRelatorio::DasOpcoes().CorTitulo));
    c.setPosition(6); // outside the selection: unchanged
    QVERIFY(c.charFormat().fontWeight() < QFont::Bold);
    QVERIFY(!c.charFormat().fontItalic());

    // Moving into a plain paragraph releases the buttons.
    selecciona(r, r->toPlainText().indexOf(QStringLiteral("Mapa astral")) + 1, r->toPlainText().indexOf(QStringLiteral("Mapa astral")) + 1);
    QVERIFY(!m_l->accao(QStringLiteral("tb_bold"))->isChecked());
    QVERIFY(m_l->accao(QStringLiteral("tb_center"))->isChecked());
    // A mixed selection (bold and not bold) leaves "bold" up.
    selecciona(r, 2, 6);
    QVERIFY(!m_l->accao(QStringLiteral("tb_bold"))->isChecked());
    selecciona(r, 0, 4);
    QVERIFY(m_l->accao(QStringLiteral("tb_bold"))->isChecked());

    // The size box, then "up" on 72 points: 73, shown although 73 is not in the list.
    auto* tamanho = filho<QComboBox>(m_l, "Tamanho");
    QCOMPARE(tamanho->itemText(0), QStringLiteral("8"));
    QCOMPARE(tamanho->itemText(tamanho->count() - 1), QStringLiteral("72"));
    tamanho->setCurrentIndex(tamanho->findText(QStringLiteral("72")));
    c.setPosition(2);
    QCOMPARE(c.charFormat().fontPointSize(), 72.0);
    m_l->accao(QStringLiteral("tb_up"))->trigger();
    c.setPosition(2);
    QCOMPARE(c.charFormat().fontPointSize(), 73.0);
    QCOMPARE(tamanho->currentText(), QStringLiteral("73"));
    m_l->accao(QStringLiteral("tb_down"))->trigger();
    m_l->accao(QStringLiteral("tb_down"))->trigger();
    c.setPosition(2);
    QCOMPARE(c.charFormat().fontPointSize(), 71.0);

    // Alignment of the selection's paragraph.
    m_l->accao(QStringLiteral("tb_right"))->trigger();
    QCOMPARE(r->document()->firstBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QVERIFY(m_l->accao(QStringLiteral("tb_right"))->isChecked());
    QVERIFY(!m_l->accao(QStringLiteral("tb_center"))->isChecked());

    // The personal pane: menu and tool-bar key follow each other; the report keeps the larger part.
    m_l->accao(QStringLiteral("tb_resumo"))->trigger();
    QVERIFY(m_l->txtRTF2()->isVisible());
    QVERIFY(m_l->accao(QStringLiteral("mnupersonal"))->isChecked());
    QVERIFY(r->height() > 2 * m_l->txtRTF2()->height());
    captura(m_l, QStringLiteral("leitura-pessoal"));
    m_l->accao(QStringLiteral("mnupersonal"))->trigger();
    QVERIFY(!m_l->txtRTF2()->isVisible());
    QVERIFY(!m_l->accao(QStringLiteral("tb_resumo"))->isChecked());

    // The report writer's own selections do not move the buttons.
    // The writer selects each bold paragraph it appends; the buttons stay as the caret left them.
    const int simples = int(r->toPlainText().indexOf(QStringLiteral("Mapa astral"))) + 1;
    selecciona(r, simples, simples);
    QVERIFY(!m_l->accao(QStringLiteral("tb_bold"))->isChecked());
    EscreveParagrafo(*r->document(), QStringLiteral("Negrito do relatório"), 0, true, true, false, 11, true, AlinhaEsquerda);
    QVERIFY(r->toPlainText().contains(QStringLiteral("Negrito do relatório")));
    QVERIFY(!m_l->accao(QStringLiteral("tb_bold"))->isChecked());
    QVERIFY(!m_l->accao(QStringLiteral("tb_italico"))->isChecked());
    m_l->accao(QStringLiteral("mnuactualizar"))->trigger();

    // Copiar, Cortar, Colar on the report box: plain text through the clipboard.
    selecciona(r, 0, 7);
    m_l->accao(QStringLiteral("mnucopy"))->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Natalis"));
    QVERIFY(r->toPlainText().startsWith(QStringLiteral("Natalis")));
    m_l->accao(QStringLiteral("tb_cut"))->trigger();
    QVERIFY(!r->toPlainText().startsWith(QStringLiteral("Natalis")));
    m_l->accao(QStringLiteral("mnupaste"))->trigger();
    QVERIFY(r->toPlainText().startsWith(QStringLiteral("Natalis")));
    // Selecionar Tudo and Apagar empty the focused box.
    r->setFocus();
    m_l->accao(QStringLiteral("mnuselectall"))->trigger();
    m_l->accao(QStringLiteral("mnuapagar"))->trigger();
    QVERIFY(r->toPlainText().isEmpty());
    m_amb->caixa.respostas << RespostaMsg::Nao; // let the edits go
    m_l->accao(QStringLiteral("mnuactualizar"))->trigger();
    QVERIFY(r->toPlainText().startsWith(QStringLiteral("Natalis")));
}

void TestFrmRead::guardaEImporta() {
    QVERIFY(m_l);
    QTextEdit* r = m_l->txtRTF();
    const QString so = m_amb->pasta.filePath(QStringLiteral("so relatorio.rtf"));
    m_amb->respostas << so;
    m_amb->caixa.respostas << RespostaMsg::Nao; // do not open it in another program
    m_l->accao(QStringLiteral("tb_save"))->trigger();
    QVERIFY(QFile::exists(so));
    QVERIFY(m_amb->caixa.chamadas.last().texto.contains(QStringLiteral("Deseja abrir este ficheiro")));
    const QString lidoSo = textoUnrtf(so);
    QVERIFY2(lidoSo.contains(QStringLiteral("Auto - Interpretação")), qPrintable(lidoSo.left(400)));
    QVERIFY(!lidoSo.contains(QStringLiteral("Interpretação Pessoal")));

    // With a personal text: the file holds the report, then the personal part.
    m_l->definePersonal(true);
    QTextEdit* p = m_l->txtRTF2();
    p->moveCursor(QTextCursor::End);
    p->insertPlainText(QStringLiteral("O meu comentário sobre a Lua."));
    const QString relatorio = r->toPlainText();
    const QString ambos = m_amb->pasta.filePath(QStringLiteral("com pessoal.rtf"));
    m_amb->respostas << ambos;
    m_amb->caixa.respostas << RespostaMsg::Nao;
    m_l->accao(QStringLiteral("mnuExport"))->trigger();
    const QString lidos = textoUnrtf(ambos);
    const qsizetype relat = lidos.indexOf(QStringLiteral("Auto - Interpretação"));
    const qsizetype cab = lidos.indexOf(QStringLiteral("Interpretação Pessoal"));
    QVERIFY2(relat >= 0 && cab > relat, qPrintable(lidos.right(400)));
    QVERIFY(lidos.indexOf(QStringLiteral("O meu comentário sobre a Lua.")) > cab);
    QCOMPARE(r->toPlainText(), relatorio); // the report box shows the report only

    // Import into an empty window state: the personal part returns to its pane.
    m_l->definePersonal(false);
    p->clear();
    r->clear();
    m_amb->respostas << ambos;
    m_l->accao(QStringLiteral("mnuimport"))->trigger();
    QVERIFY(r->toPlainText().contains(QStringLiteral("Auto - Interpretação")));
    QVERIFY(!r->toPlainText().toLower().contains(QStringLiteral("interpretação pessoal")));
    QVERIFY(p->toPlainText().startsWith(QStringLiteral("Interpretação Pessoal")));
    QVERIFY(p->toPlainText().contains(QStringLiteral("O meu comentário sobre a Lua.")));
    QVERIFY(p->isVisible());

    // A cancelled chooser changes nothing.
    const QString antes = r->toPlainText();
    m_l->accao(QStringLiteral("mnuimport"))->trigger();
    QCOMPARE(r->toPlainText(), antes);
}

void TestFrmRead::imprime() {
    QVERIFY(m_l);
    // No printer here: printing offers a PDF file.
    const QString soRelatorio = m_amb->pasta.filePath(QStringLiteral("relatorio.pdf"));
    m_amb->respostas << soRelatorio;
    m_amb->caixa.respostas << RespostaMsg::Sim;
    m_l->accao(QStringLiteral("tb_print"))->trigger();
    QFile a(soRelatorio);
    QVERIFY2(a.open(QIODevice::ReadOnly), "o relatório não foi impresso");
    QVERIFY(a.read(5) == "%PDF-");

    const QString tudo = m_amb->pasta.filePath(QStringLiteral("tudo.pdf"));
    m_amb->respostas << tudo;
    m_amb->caixa.respostas << RespostaMsg::Sim;
    QVERIFY(m_j->accao(QStringLiteral("mnuprintall"))->isEnabled());
    QVERIFY(m_j->accao(QStringLiteral("mnuprintintre"))->isEnabled());
    m_j->accao(QStringLiteral("mnuprintall"))->trigger();
    QVERIFY(QFileInfo(tudo).size() > QFileInfo(soRelatorio).size()); // the two pictures as well

    // What "Tudo" puts on paper, in order: summary, wheel and grid, report, personal part.
    QTextDocument doc;
    QImage roda(200, 200, QImage::Format_RGB32), grelha(200, 100, QImage::Format_RGB32);
    roda.fill(Qt::white);
    grelha.fill(Qt::white);
    DocumentoTudo(m_j->sessao().campos(), m_j->sessao().mapa(), roda, grelha, *m_l->txtRTF()->document(),
                  *m_l->txtRTF2()->document(), doc);
    const QString t = doc.toPlainText();
    const qsizetype resumo = t.indexOf(QStringLiteral("Resumo das posições astrologicas"));
    const qsizetype relat = t.indexOf(QStringLiteral("Auto - Interpretação"));
    const qsizetype pessoal = t.indexOf(QStringLiteral("O meu comentário sobre a Lua."));
    QVERIFY2(resumo == 0 && relat > resumo && pessoal > relat,
             qPrintable(QStringLiteral("%1 %2 %3").arg(resumo).arg(relat).arg(pessoal)));
    QCOMPARE(t.count(QChar::ObjectReplacementCharacter), 2);
}

QTEST_MAIN(TestFrmRead)
#include "test_frmread.moc"
