// The RTF codec: what it writes is read back by unrtf (Debian's independent reader) and by
// our own reader with every style intact; hand-made RTF in a word processor's manner and
// small hand-written snippets are read as a word processor would show them.
#include "rtf.h"
#include "test_rtfcomum.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextTable>

namespace {

TrocoTeste T(const QString& texto) {
    return TrocoTeste{texto};
}
TrocoTeste T(const QString& texto, double pontos, const QString& cor = QStringLiteral("auto")) {
    TrocoTeste t{texto};
    t.pontos = pontos;
    t.cor = cor;
    return t;
}
TrocoTeste Estilo(const QString& texto, bool b, bool i, bool u) {
    TrocoTeste t{texto};
    t.negrito = b;
    t.italico = i;
    t.sublinhado = u;
    return t;
}
TrocoTeste Letra(const QString& texto, const QString& fonte) {
    TrocoTeste t{texto};
    t.fonte = fonte;
    return t;
}
ParagrafoTeste P(Qt::Alignment a, QList<TrocoTeste> trocos) {
    return ParagrafoTeste{a, trocos};
}
ParagrafoTeste P(QList<TrocoTeste> trocos) {
    return ParagrafoTeste{Qt::AlignLeft, trocos};
}

// Whitespace as a browser would collapse it, so unrtf's spacing choices do not matter.
QString Compacta(QString s) {
    s.replace(QChar::Nbsp, ' ');
    return s.simplified();
}

// The blocks' own text, joined by "\n", with line breaks kept as U+2028.
QString TextoBruto(const QTextDocument& doc) {
    QStringList blocos;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        blocos << b.text();
    return blocos.join('\n');
}

QByteArray Fixture(const QString& nome) {
    QFile f(QStringLiteral(NATALIS_TEST_DATA "/") + nome);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Documents shaped like the report, with everything the writer must carry.
void DocumentosEstilizados() {
    QTest::addColumn<DocumentoTeste>("documento");
    QTest::addColumn<QString>("texto"); // as a reader shows it, written by hand
    // What unrtf's HTML must hold for the styles; /usr/share/unrtf/html.conf says how it
    // shows each (8, 10, 12, 14, 18 and 24 points as <font size>, other sizes in points).
    QTest::addColumn<QStringList>("marcasHtml");

    const QString preto = QStringLiteral("#000000");
    QTest::newRow("relatório")
        << DocumentoTeste{P(Qt::AlignHCenter, {T("Natalis", 50, "#0000ff")}),
                          P(Qt::AlignHCenter, {T("Auto - Interpretação", 20, "#ff0000")}),
                          P(Qt::AlignHCenter,
                            {T("Mapa astral de: João Gonçalves nascido no dia 01/02/1990 em Évora")}),
                          P({}),
                          P({Estilo("Sol em Leão", true, true, false)}),
                          P({T("O Sol em Leão dá-lhe uma vontade de brilhar e de ser reconhecido.")}),
                          P(Qt::AlignRight, {Estilo("Natalis, Auto - Interpretação", false, true, false)})}
        << QStringLiteral(
               "Natalis Auto - Interpretação Mapa astral de: João Gonçalves nascido no dia 01/02/1990 "
               "em Évora Sol em Leão O Sol em Leão dá-lhe uma vontade de brilhar e de ser reconhecido. "
               "Natalis, Auto - Interpretação")
        << QStringList{"<center>", "<b>", "<i>", "font-size:50pt", "font-size:20pt", "#0000ff", "#ff0000"};
    QTest::newRow("documento vazio") << DocumentoTeste{P({})} << QString() << QStringList{};
    QTest::newRow("acentos portugueses")
        << DocumentoTeste{P({T("àáâãçéêíóôõúü ÀÁÂÃÇÉÊÍÓÔÕÚÜ ºª «aspas»")})}
        << QStringLiteral("àáâãçéêíóôõúü ÀÁÂÃÇÉÊÍÓÔÕÚÜ ºª «aspas»") << QStringList{"&ccedil;", "&Atilde;"};
    QTest::newRow("negrito, itálico, sublinhado")
        << DocumentoTeste{P({Estilo("forte", true, false, false), T(" e "),
                             Estilo("inclinado", false, true, false), T(" e "),
                             Estilo("sublinhado", false, false, true), T(" e "),
                             Estilo("tudo", true, true, true), T(" fim")})}
        << QStringLiteral("forte e inclinado e sublinhado e tudo fim")
        << QStringList{"<b>forte", "<i>inclinado", "<u>sublinhado"};
    QTest::newRow("letras e tamanhos")
        << DocumentoTeste{P({Letra("Arial", "Arial"), T(" "), Letra("Courier New", "Courier New"),
                             T(" 14 ", 14), T("meio ponto", 10.5), T(" grande", 72, preto)})}
        << QStringLiteral("Arial Courier New 14 meio ponto grande")
        << QStringList{"face=\"Arial\"", "face=\"Courier New\"", "font-size:72pt", "<font size=\"4\"> 14 "};
    QTest::newRow("alinhamentos") << DocumentoTeste{P(Qt::AlignLeft, {T("esquerda")}),
                                                    P(Qt::AlignRight, {T("direita")}),
                                                    P(Qt::AlignHCenter, {T("centro")}),
                                                    P(Qt::AlignJustify, {T("justificado")})}
                                  << QStringLiteral("esquerda direita centro justificado")
                                  << QStringList{"<center>centro", "<div align=\"right\">\ndireita",
                                                 "<div align=\"justify\">\njustificado"};
    QTest::newRow("fora do Windows-1252")
        << DocumentoTeste{P({T("Ω ≤ ♃ ☉ Ł")})} << QStringLiteral("Ω ≤ ♃ ☉ Ł") << QStringList{"&Omega;"};
    QTest::newRow("caracteres do próprio RTF")
        << DocumentoTeste{P({T("{chaveta} \\barra\\ €5 “aspas” – ‘x’ …")})}
        << QStringLiteral("{chaveta} \\barra\\ €5 “aspas” – ‘x’ …") << QStringList{"&euro;"};
    QTest::newRow("tabulação e quebra de linha")
        << DocumentoTeste{P({T(QStringLiteral("a\tb") + QChar(QChar::LineSeparator) + "c")})}
        << QStringLiteral("a b c") << QStringList{"<br>"};
}

} // namespace

class TestRtf : public QObject {
    Q_OBJECT
private slots:
    void lidoPeloUnrtf_data() { DocumentosEstilizados(); }
    void lidoPeloUnrtf();
    void idaEVolta_data() { DocumentosEstilizados(); }
    void idaEVolta();
    void leTrechos_data();
    void leTrechos();
    void leEstilos_data();
    void leEstilos();
    void tabelaEmLinhas();
    void rejeita_data();
    void rejeita();
};

void TestRtf::lidoPeloUnrtf() {
    QFETCH(DocumentoTeste, documento);
    QFETCH(QString, texto);
    QFETCH(QStringList, marcasHtml);
    const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
    if (unrtf.isEmpty())
        QSKIP("unrtf não está instalado (scripts/setup.sh instala-o): sem leitor independente");

    QTextDocument doc;
    Constroi(documento, doc);
    const QByteArray rtf = EscreveRtf(doc);
    // The header ends at the default-language word that merged files of this program rely on.
    QVERIFY(rtf.startsWith("{\\rtf1\\ansi"));
    QVERIFY(rtf.indexOf("\\deflang2070") > 0);
    QVERIFY(rtf.indexOf("\\deflang2070") < rtf.indexOf("{\\fonttbl"));

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile f(dir.filePath("doc.rtf"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(rtf);
    f.close();
    QProcess p;
    p.start(unrtf, {"--html", f.fileName()});
    QVERIFY2(p.waitForFinished(30000), "unrtf não terminou");
    QCOMPARE(p.exitCode(), 0);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());

    QTextDocument lido;
    lido.setHtml(html);
    QCOMPARE(Compacta(lido.toPlainText()), texto);
    for (const QString& marca : marcasHtml)
        QVERIFY2(html.contains(marca), qPrintable(marca + " em falta em:\n" + html));
}

void TestRtf::idaEVolta() {
    QFETCH(DocumentoTeste, documento);
    QTextDocument doc;
    Constroi(documento, doc);
    QTextDocument lido;
    QString erro;
    QVERIFY2(LeRtf(EscreveRtf(doc), lido, &erro), qPrintable(erro));
    QCOMPARE(Descreve(lido), Descreve(documento));
}

void TestRtf::leTrechos_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("texto"); // blocks joined by "\n"; expected values by hand

    QTest::newRow("\\'xx em Windows-1252")
        << QByteArray("{\\rtf1\\ansi Cora\\'e7\\'E3o \\'80\\'93x\\'94}") << QStringLiteral("Coração €“x”");
    QTest::newRow("\\u com \\uc1") << QByteArray("{\\rtf1\\uc1 Informa\\u231?\\u227?o}")
                                   << QStringLiteral("Informação");
    QTest::newRow("\\uc2 salta dois")
        << QByteArray("{\\rtf1\\uc2 \\u8364\\'80\\'80 x}") << QStringLiteral("€ x");
    QTest::newRow("\\uc0 sem substituto") << QByteArray("{\\rtf1\\uc0 \\u8364 x}") << QStringLiteral("€x");
    QTest::newRow("\\uc acaba com o grupo")
        << QByteArray("{\\rtf1 {\\uc3 \\u937 abc}\\u937?d}") << QStringLiteral("ΩΩd");
    // U+1D11E: 0xD834 0xDD1E, written as the signed 16-bit values -10188 and -8930.
    QTest::newRow("\\u negativo, par de substitutos")
        << QByteArray("{\\rtf1 \\u-10188?\\u-8930?!}") << QStringLiteral("\U0001D11E!");
    QTest::newRow("\\u fora dos 16 bits")
        << QByteArray("{\\rtf1 a\\u70000?b\\u-40000?c}") << QStringLiteral("a\uFFFDb\uFFFDc");
    QTest::newRow("grupo \\* desconhecido")
        << QByteArray("{\\rtf1 a{\\*\\qualquer coisa {aninhada \\par}}b}") << QStringLiteral("ab");
    QTest::newRow("imagem") << QByteArray("{\\rtf1 a{\\pict\\pngblip\\picw10 89504e470d0a}b}")
                            << QStringLiteral("ab");
    QTest::newRow("\\bin com chavetas")
        << QByteArray("{\\rtf1 a{\\pict\\bin4 }{\\}}b}") << QStringLiteral("ab");
    QTest::newRow("campo mostra o resultado")
        << QByteArray("{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt liga\\'e7\\'e3o}}}")
        << QStringLiteral("ligação");
    QTest::newRow("tabelas e metadados não são texto")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1\\green2\\blue3;}{\\stylesheet{\\s0 "
                      "Normal;}}"
                      "{\\info{\\title T}{\\author A}}x}")
        << QStringLiteral("x");
    QTest::newRow("\\par \\line \\tab")
        << QByteArray("{\\rtf1 a\\par b\\line c\\tab d\\cell e}")
        << QStringLiteral("a\nb") + QChar(QChar::LineSeparator) + QStringLiteral("c\td\te");
    QTest::newRow("\\par no fim deixa linha vazia")
        << QByteArray("{\\rtf1 a\\par }") << QStringLiteral("a\n");
    QTest::newRow("\\ antes de fim de linha é \\par")
        << QByteArray("{\\rtf1 a\\\nb}") << QStringLiteral("a\nb");
    QTest::newRow("fins de linha do código ignorados")
        << QByteArray("{\\rtf1 ab\r\ncd\ne}") << QStringLiteral("abcde");
    QTest::newRow("símbolos escapados")
        << QByteArray("{\\rtf1 \\{x\\} \\\\ a\\-b}") << QStringLiteral("{x} \\ ab");
    QTest::newRow("palavras de pontuação")
        << QByteArray("{\\rtf1 \\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\bullet\\~.}")
        << QStringLiteral("—–‘’“”•") + QChar(QChar::Nbsp) + '.';
    QTest::newRow("espaço a seguir à palavra é delimitador")
        << QByteArray("{\\rtf1 \\fs20 x  y\\b0  z}") << QStringLiteral("x  y z");
    QTest::newRow("texto oculto \\v")
        << QByteArray("{\\rtf1 a{\\v oculto}b\\v c\\v0 d\\v e\\plain f}") << QStringLiteral("abdf");
    QTest::newRow("texto depois do fim ignorado") << QByteArray("{\\rtf1 a}b\r\n") << QStringLiteral("a");
    QTest::newRow("corpo colado depois do fim")
        << QByteArray("{\\rtf1 a\\par}\\deflang2070{\\fonttbl{\\f0 Arial;}}\\pard b\\par}")
        << QStringLiteral("a\nb\n");
    QTest::newRow("ficheiro truncado") << QByteArray("{\\rtf1 abc\\par d{\\b e") << QStringLiteral("abc\nde");
    QTest::newRow("marca de ordem de bytes") << QByteArray("\xEF\xBB\xBF{\\rtf1 x}") << QStringLiteral("x");
    QTest::newRow("\\page só parte parágrafos com texto")
        << QByteArray("{\\rtf1 a\\par\\page b\\page c}") << QStringLiteral("a\nb\nc");
    // Nothing of the tables, the style sheet, the document information or the picture leaks.
    QTest::newRow("ficheiro do processador")
        << Fixture(QStringLiteral("processador.rtf"))
        << QStringLiteral("Mapa Astral\n"
                          "Interpretação do Sol\n"
                          "\n"
                          "O Sol em Carneiro dá-lhe coragem e de iniciativa; quer sempre chegar primeiro.\n"
                          "Júpiter ♃ em Peixes: «fé» e compaixão — sem limites.\n"
                          "Lisboa, 2024\n"
                          "Fim.\n");
}

void TestRtf::leTrechos() {
    QFETCH(QByteArray, rtf);
    QFETCH(QString, texto);
    if (rtf.isEmpty()) QFAIL("falta o ficheiro de teste em " NATALIS_TEST_DATA);
    QTextDocument doc;
    QString erro;
    QVERIFY2(LeRtf(rtf, doc, &erro), qPrintable(erro));
    QCOMPARE(TextoBruto(doc), texto);
}

void TestRtf::leEstilos_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("trecho");
    QTest::addColumn<QString>("letra"); // as DescreveLetra shows it, written by hand
    QTest::addColumn<QString>("alinhamento");

    // The word-processor file: every property read where Word or LibreOffice would show it.
    const QByteArray wp = Fixture(QStringLiteral("processador.rtf"));
    QTest::newRow("título centrado") << wp << QStringLiteral("Mapa Astral") << "Georgia 24pt negrito #1f3864"
                                     << "centro";
    QTest::newRow("subtítulo itálico")
        << wp << QStringLiteral("Interpretação do Sol") << "Times New Roman 14pt itálico #c00000"
        << "centro";
    QTest::newRow("corpo justificado")
        << wp << QStringLiteral("O Sol em Carneiro") << "Times New Roman 11pt auto"
        << "justificado";
    QTest::newRow("negrito no meio") << wp << QStringLiteral("coragem") << "Times New Roman 11pt negrito auto"
                                     << "justificado";
    QTest::newRow("\\b0 desliga") << wp << QStringLiteral(" e de iniciativa") << "Times New Roman 11pt auto"
                                  << "justificado";
    QTest::newRow("sublinhado duplo")
        << wp << QStringLiteral("sempre") << "Times New Roman 11pt sublinhado auto"
        << "justificado";
    QTest::newRow("\\ulnone desliga") << wp << QStringLiteral(" primeiro") << "Times New Roman 11pt auto"
                                      << "justificado";
    QTest::newRow("\\u no meio de texto") << wp << QStringLiteral("Júpiter ♃") << "Arial 10pt #00b050"
                                          << "esquerda";
    QTest::newRow("à direita") << wp << QStringLiteral("Lisboa, 2024") << "Arial 9pt itálico auto"
                               << "direita";
    QTest::newRow("\\plain no fim") << wp << QStringLiteral("Fim.") << "Times New Roman 12pt auto"
                                    << "esquerda";

    QTest::newRow("grupo repõe o estado") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\b {\\i a}b}")
                                          << QStringLiteral("b") << "Arial 12pt negrito auto"
                                          << "esquerda";
    QTest::newRow("\\plain repõe a letra")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}\\f1\\fs40\\b\\i\\ul x\\plain y}")
        << QStringLiteral("y") << "Arial 12pt auto"
        << "esquerda";
    QTest::newRow("\\pard repõe o alinhamento")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\qc a\\par\\pard b}") << QStringLiteral("b")
        << "Arial 12pt auto"
        << "esquerda";
    QTest::newRow("último parágrafo sem \\par, centrado num grupo")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}}a\\par{\\qc b}}") << QStringLiteral("b")
        << "Arial 12pt auto"
        << "centro";
    QTest::newRow("\\deff escolhe a letra")
        << QByteArray("{\\rtf1\\deff1{\\fonttbl{\\f0 Arial;}{\\f1\\froman Georgia;}}x}")
        << QStringLiteral("x") << "Georgia 12pt auto"
        << "esquerda";
    QTest::newRow("entrada de letra sem ;")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial}}x}") << QStringLiteral("x") << "Arial 12pt auto"
        << "esquerda";
    QTest::newRow("nome de letra com \\'xx") << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fnil Gar\\'e7a;}}x}")
                                             << QStringLiteral("x") << "Garça 12pt auto"
                                             << "esquerda";
    QTest::newRow("\\cf0 é a cor automática")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}\\cf1 a\\cf0 b}")
        << QStringLiteral("b") << "Arial 12pt auto"
        << "esquerda";
    QTest::newRow("\\b1 \\i0 com parâmetros") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\i\\b1\\i0 x}")
                                              << QStringLiteral("x") << "Arial 12pt negrito auto"
                                              << "esquerda";
}

void TestRtf::leEstilos() {
    QFETCH(QByteArray, rtf);
    QFETCH(QString, trecho);
    QFETCH(QString, letra);
    QFETCH(QString, alinhamento);
    if (rtf.isEmpty()) QFAIL("falta o ficheiro de teste em " NATALIS_TEST_DATA);
    QTextDocument doc;
    QString erro;
    QVERIFY2(LeRtf(rtf, doc, &erro), qPrintable(erro));
    const QTextCursor achado = doc.find(trecho, 0, QTextDocument::FindCaseSensitively);
    QVERIFY2(!achado.isNull(), qPrintable(trecho + " não está em:\n" + doc.toPlainText()));
    // Every character of the span carries the expected look, not just its first.
    for (int p = achado.selectionStart(); p < achado.selectionEnd(); ++p) {
        QTextCursor c(&doc);
        c.setPosition(p + 1);
        QCOMPARE(DescreveLetra(c.charFormat(), doc.defaultFont()), letra);
    }
    QCOMPARE(NomeAlinhamento(achado.block().blockFormat().alignment()), alinhamento);
}

// A table row is written as one line with its cells parted by tabs (the RTF reader reads a
// tab back as a tab), not as one paragraph per cell.
void TestRtf::tabelaEmLinhas() {
    QTextDocument doc;
    QTextCursor c(&doc);
    c.insertText(QStringLiteral("Antes"));
    c.insertBlock();
    QTextTable* t = c.insertTable(2, 3);
    const QStringList celulas{"Sol", "Carneiro", "0º22'", "Lua", "Peixes", "23º54'"};
    for (int k = 0; k < 6; ++k)
        t->cellAt(k / 3, k % 3).firstCursorPosition().insertText(celulas[k]);
    c.movePosition(QTextCursor::End);
    c.insertText(QStringLiteral("Depois"));
    QTextDocument lido;
    QString erro;
    QVERIFY2(LeRtf(EscreveRtf(doc), lido, &erro), qPrintable(erro));
    const QString texto = lido.toPlainText();
    QVERIFY2(texto.contains(QStringLiteral("Sol\tCarneiro\t0º22'\nLua\tPeixes\t23º54'\n")),
             qPrintable(texto));
    QVERIFY(texto.startsWith(QStringLiteral("Antes\n")));
    QVERIFY(texto.endsWith(QStringLiteral("Depois")));
}

void TestRtf::rejeita_data() {
    QTest::addColumn<QByteArray>("dados");
    QTest::newRow("vazio") << QByteArray();
    QTest::newRow("texto simples") << QByteArray("Olá, mundo");
    QTest::newRow("HTML") << QByteArray("<html><body>x</body></html>");
    QTest::newRow("sem chaveta inicial") << QByteArray("\\rtf1 x}");
    QTest::newRow("chaveta sem \\rtf") << QByteArray("{\\pard x}");
}

void TestRtf::rejeita() {
    QFETCH(QByteArray, dados);
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("texto que não se pode perder"));
    QString erro;
    QVERIFY(!LeRtf(dados, doc, &erro));
    QCOMPARE(erro, QStringLiteral("O ficheiro não está no formato RTF."));
    QCOMPARE(doc.toPlainText(), QStringLiteral("texto que não se pode perder"));
}

QTEST_MAIN(TestRtf)
#include "test_rtf.moc"
