// The report and the personal interpretation saved as one RTF file and split again on
// import: nothing of either part, text or look, is lost on the way.
#include "documento.h"
#include "rtf.h"
#include "test_rtfcomum.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Appends a paragraph the way the report writer does: text, line feed, a second one for a
// blank line after, and the style on the text alone.
void Escreve(QTextDocument& doc, const QString& texto, double pontos, const QString& cor, Qt::Alignment a,
             bool linhaVazia, bool negrito = false, bool italico = false) {
    QTextCursor c(&doc);
    c.movePosition(QTextCursor::End);
    const int inicio = c.position();
    c.insertText(texto + (linhaVazia ? "\n\n" : "\n"));
    c.setPosition(inicio);
    c.setPosition(inicio + int(texto.size()), QTextCursor::KeepAnchor);
    TrocoTeste t{texto};
    t.pontos = pontos;
    t.cor = cor;
    t.negrito = negrito;
    t.italico = italico;
    c.mergeCharFormat(FormatoDe(t));
    QTextBlockFormat b;
    b.setAlignment(a);
    c.mergeBlockFormat(b);
}

void Relatorio(QTextDocument& doc) {
    doc.setDefaultFont(QFont(QStringLiteral("Times New Roman"), 11));
    Escreve(doc, "Natalis", 50, "#0000ff", Qt::AlignHCenter, false);
    Escreve(doc, "Auto - Interpretação", 20, "#ff0000", Qt::AlignHCenter, true);
    Escreve(doc, "Sol em Carneiro", 11, "#008000", Qt::AlignLeft, true, true, true);
    Escreve(doc, "Tem uma energia que não se esgota.", 11, "#000000", Qt::AlignLeft, true);
}

void Pessoal(QTextDocument& doc, const QString& cabecalho, const QString& texto) {
    doc.setDefaultFont(QFont(QStringLiteral("Times New Roman"), 11));
    Escreve(doc, cabecalho, 20, "#ff0000", Qt::AlignHCenter, true);
    if (!texto.isEmpty()) Escreve(doc, texto, 12, "#800080", Qt::AlignJustify, false, false, true);
}

} // namespace

class TestRtfDocumento : public QObject {
    Q_OBJECT
private slots:
    void temTextoPessoal_data();
    void temTextoPessoal();
    void guardaEImporta_data();
    void guardaEImporta();
    void separa_data();
    void separa();
    void importaFicheiroJuntoAMao();
    void falhas();
};

void TestRtfDocumento::temTextoPessoal_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("tem");
    QTest::newRow("cabeçalho e linha vazia, como a janela o escreve") << "Interpretação Pessoal\n\n" << false;
    QTest::newRow("só o cabeçalho") << "Interpretação Pessoal" << false;
    QTest::newRow("cabeçalho e espaços") << "Interpretação Pessoal\n  \n\t" << false;
    QTest::newRow("cabeçalho noutra caixa") << "INTERPRETAÇÃO PESSOAL\n" << false;
    QTest::newRow("vazio") << "" << false;
    QTest::newRow("com texto") << "Interpretação Pessoal\n\nGosto do Sol." << true;
    QTest::newRow("texto sem cabeçalho") << "Notas minhas" << true;
    QTest::newRow("cabeçalho mudado") << "Interpretação Pessoal do Rui\n\n" << true;
}

void TestRtfDocumento::temTextoPessoal() {
    QFETCH(QString, texto);
    QFETCH(bool, tem);
    QTextDocument doc;
    doc.setPlainText(texto);
    QCOMPARE(TemTextoPessoal(doc), tem);
}

void TestRtfDocumento::guardaEImporta_data() {
    QTest::addColumn<QString>("cabecalho");
    QTest::addColumn<QString>("textoPessoal");
    QTest::addColumn<QString>("textoGuardado"); // the file's text, written by hand
    QTest::addColumn<bool>("voltaPessoal");

    const QString relatorio = QStringLiteral(
        "Natalis\nAuto - Interpretação\n\nSol em Carneiro\n\nTem uma energia que não se esgota.\n\n");
    QTest::newRow("com interpretação pessoal")
        << "Interpretação Pessoal"
        << "Concordo, e acrescento: é teimoso."
        << relatorio + "Interpretação Pessoal\n\nConcordo, e acrescento: é teimoso.\n"
        << true;
    QTest::newRow("pessoal por tocar: só o relatório") << "Interpretação Pessoal"
                                                       << "" << relatorio << false;
    QTest::newRow("cabeçalho em maiúsculas")
        << "INTERPRETAÇÃO PESSOAL"
        << "Ω e ♃: símbolos fora do Windows-1252."
        << relatorio + "INTERPRETAÇÃO PESSOAL\n\nΩ e ♃: símbolos fora do Windows-1252.\n"
        << true;
}

void TestRtfDocumento::guardaEImporta() {
    QFETCH(QString, cabecalho);
    QFETCH(QString, textoPessoal);
    QFETCH(QString, textoGuardado);
    QFETCH(bool, voltaPessoal);

    QTextDocument relatorio, pessoal;
    Relatorio(relatorio);
    Pessoal(pessoal, cabecalho, textoPessoal);
    const QStringList antesRelatorio = Descreve(relatorio);
    const QStringList antesPessoal = Descreve(pessoal);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString caminho = dir.filePath("leitura.rtf");
    QString erro;
    QVERIFY2(GuardaInterpretacao(caminho, relatorio, pessoal, &erro), qPrintable(erro));
    QCOMPARE(Descreve(relatorio), antesRelatorio);

    QFile f(caminho);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray rtf = f.readAll();
    QCOMPARE(rtf.count("\\rtf1"), 1); // one document, not two glued together
    QTextDocument junto;
    QVERIFY(LeRtf(rtf, junto));
    QCOMPARE(junto.toPlainText(), textoGuardado);

    // Importing into a window whose panes hold something else gives both parts back.
    QTextDocument lidoRelatorio, lidoPessoal;
    lidoRelatorio.setPlainText("antigo");
    lidoPessoal.setPlainText("Interpretação Pessoal\n\n");
    const QStringList pessoalPorTocar = Descreve(lidoPessoal);
    QVERIFY2(ImportaInterpretacao(caminho, lidoRelatorio, lidoPessoal, &erro), qPrintable(erro));
    QCOMPARE(Descreve(lidoRelatorio), antesRelatorio);
    QCOMPARE(Descreve(lidoPessoal), voltaPessoal ? antesPessoal : pessoalPorTocar);
}

void TestRtfDocumento::separa_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("achou");
    QTest::addColumn<QString>("ficaRelatorio");
    QTest::addColumn<QString>("ficaPessoal");
    QTest::newRow("sem cabeçalho: nada muda") << "Só o relatório.\n"
                                              << false << "Só o relatório.\n"
                                              << "anterior";
    QTest::newRow("no meio de um parágrafo") << "Relatório.\nVer a minha interpretação pessoal abaixo.\nNota."
                                             << true << "Relatório.\nVer a minha "
                                             << "interpretação pessoal abaixo.\nNota.";
    QTest::newRow("corta na primeira ocorrência")
        << "A\nInterpretação pessoal\nx\nInterpretação Pessoal\ny" << true << "A\n"
        << "Interpretação pessoal\nx\nInterpretação Pessoal\ny";
}

void TestRtfDocumento::separa() {
    QFETCH(QString, texto);
    QFETCH(bool, achou);
    QFETCH(QString, ficaRelatorio);
    QFETCH(QString, ficaPessoal);
    QTextDocument relatorio, pessoal;
    relatorio.setPlainText(texto);
    pessoal.setPlainText("anterior");
    // The paragraph the cut falls in keeps its alignment on both sides.
    QTextCursor c(&relatorio);
    c.movePosition(QTextCursor::End);
    QTextBlockFormat direita;
    direita.setAlignment(Qt::AlignRight);
    c.select(QTextCursor::Document);
    c.mergeBlockFormat(direita);

    QCOMPARE(SeparaInterpretacao(relatorio, pessoal), achou);
    QCOMPARE(relatorio.toPlainText(), ficaRelatorio);
    QCOMPARE(pessoal.toPlainText(), ficaPessoal);
    if (achou)
        QCOMPARE(NomeAlinhamento(pessoal.begin().blockFormat().alignment()), QStringLiteral("direita"));
}

void TestRtfDocumento::importaFicheiroJuntoAMao() {
    // A file in the layout of the older merge: the personal part's own header, from
    // "\deflang2070", pasted into the report's body, with a font and colour table that
    // number fonts and colours their own way.
    const QString caminho = QStringLiteral(NATALIS_TEST_DATA "/juntoantigo.rtf");
    if (!QFile::exists(caminho)) QFAIL("falta o ficheiro de teste juntoantigo.rtf");
    QTextDocument relatorio, pessoal;
    QString erro;
    QVERIFY2(ImportaInterpretacao(caminho, relatorio, pessoal, &erro), qPrintable(erro));
    QCOMPARE(Descreve(relatorio),
             (QStringList{"¶ centro", "  «Natalis» Times New Roman 50pt #0000ff", "¶ esquerda",
                          "  «Texto do relatório.» Times New Roman 11pt auto", "¶ esquerda"}));
    QCOMPARE(Descreve(pessoal),
             (QStringList{"¶ centro", "  «Interpretação Pessoal» Arial 20pt #ff0000", "¶ esquerda",
                          "¶ esquerda", "  «A minha nota.» Arial 11pt itálico auto", "¶ esquerda"}));
}

void TestRtfDocumento::falhas() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QTextDocument relatorio, pessoal;
    Relatorio(relatorio);
    QString erro;
    QVERIFY(!GuardaInterpretacao(dir.filePath("não/existe/leitura.rtf"), relatorio, pessoal, &erro));
    QVERIFY2(erro.startsWith("Não foi possível guardar a interpretação em"), qPrintable(erro));

    // A file that is not RTF leaves both panes as they were.
    const QString texto = dir.filePath("notas.txt");
    QFile f(texto);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("Interpretação Pessoal: isto não é RTF");
    f.close();
    QTextDocument pane1, pane2;
    pane1.setPlainText("relatório");
    pane2.setPlainText("pessoal");
    QVERIFY(!ImportaInterpretacao(texto, pane1, pane2, &erro));
    QVERIFY2(erro.contains("O ficheiro não está no formato RTF."), qPrintable(erro));
    QVERIFY(!ImportaInterpretacao(dir.filePath("falta.rtf"), pane1, pane2, &erro));
    QVERIFY2(erro.startsWith("Não foi possível abrir o ficheiro"), qPrintable(erro));
    QCOMPARE(pane1.toPlainText(), QStringLiteral("relatório"));
    QCOMPARE(pane2.toPlainText(), QStringLiteral("pessoal"));
}

QTEST_MAIN(TestRtfDocumento)
#include "test_rtfdocumento.moc"
