// The RTF codec: what it writes unrtf (Debian's independent reader) and our reader read back
// with every style; hand-made RTF is read as a word processor shows it. The reading window's
// file of the report and the personal part is split again on import.
#include "discocheio.h"
#include "documento.h"
#include "rtf.h"
#include "test_rtfcomum.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTextTable>

namespace {
QTextDocument* Constroi(const QString& html, QTextDocument& doc) {
    doc.setDefaultFont(QFont(QStringLiteral("Times New Roman"), 11));
    doc.setHtml(html);
    return &doc;
}

QByteArray Fixture(const QString& nome) { return DiscoCheio::conteudo(QStringLiteral(NATALIS_TEST_DATA "/") + nome); }

QTextDocument* Le(const QByteArray& rtf, QTextDocument& doc) {
    QString erro;
    if (!LeRtf(rtf, doc, &erro)) qWarning("%s", qPrintable(erro));
    return &doc;
}

} // namespace

class TestRtf : public QObject {
    Q_OBJECT
private slots:
    // Documents shaped like the report, with everything the writer must carry, built from HTML
    // over the report box's font (Times New Roman, 11 pt).
    void lidoPeloUnrtf_data() {
        QTest::addColumn<QString>("html"); QTest::addColumn<QString>("texto"); // as a reader shows it, written by hand
        // What unrtf's HTML must hold for the styles; /usr/share/unrtf/html.conf says how it
        // shows each (8, 10, 12, 14, 18 and 24 points as <font size>, other sizes in points).
        QTest::addColumn<QStringList>("marcasHtml");
        QTest::newRow("relatório")
            << "<p align=center><span style='font-size:50pt; color:#0000ff'>Natalis</span></p>"
               "<p align=center><span style='font-size:20pt; color:#ff0000'>Auto - Interpretação</span></p>"
               "<p align=center>Mapa astral de: João Gonçalves nascido em Évora</p><p></p><p><b><i>Sol em Leão</i></b></p>"
               "<p>O Sol em Leão dá-lhe uma vontade de brilhar.</p><p align=right><i>Natalis, Auto - Interpretação</i></p>"
            << "Natalis Auto - Interpretação Mapa astral de: João Gonçalves nascido em Évora Sol em Leão O Sol em Leão "
               "dá-lhe uma vontade de brilhar. Natalis, Auto - Interpretação"
            << QStringList{"<center>", "<b>", "<i>", "font-size:50pt", "font-size:20pt", "#0000ff", "#ff0000"};
        QTest::newRow("documento vazio") << "" << "" << QStringList{};
        QTest::newRow("acentos portugueses") << "àáâãçéêíóôõúü ÀÁÂÃÇÉÊÍÓÔÕÚÜ ºª «aspas»" << "àáâãçéêíóôõúü ÀÁÂÃÇÉÊÍÓÔÕÚÜ ºª «aspas»"
                                             << QStringList{"&ccedil;", "&Atilde;"};
        QTest::newRow("negrito, itálico, sublinhado") << "<b>forte</b> e <i>inclinado</i> e <u>sublinhado</u> e <b><i><u>tudo</u></i></b> fim"
                                                      << "forte e inclinado e sublinhado e tudo fim"
                                                      << QStringList{"<b>forte", "<i>inclinado", "<u>sublinhado"};
        QTest::newRow("letras e tamanhos")
            << "<span style='font-family:Arial'>Arial</span> <span style='font-family:Courier New'>Courier New</span>"
               "<span style='font-size:14pt'> 14 </span><span style='font-size:10.5pt'>meio ponto</span>"
               "<span style='font-size:72pt; color:#000000'> grande</span>"
            << "Arial Courier New 14 meio ponto grande"
            << QStringList{"face=\"Arial\"", "face=\"Courier New\"", "font-size:72pt", "<font size=\"4\"> 14 "};
        QTest::newRow("alinhamentos") << "<p>esquerda</p><p align=right>direita</p><p align=center>centro</p><p align=justify>justificado</p>"
                                      << "esquerda direita centro justificado"
                                      << QStringList{"<center>centro", "<div align=\"right\">\ndireita", "<div align=\"justify\">\njustificado"};
        QTest::newRow("fora do Windows-1252") << "Ω ≤ ♃ ☉ Ł" << "Ω ≤ ♃ ☉ Ł" << QStringList{"&Omega;"};
        QTest::newRow("caracteres do próprio RTF") << "{chaveta} \\barra\\ €5 “aspas” – ‘x’ …" << "{chaveta} \\barra\\ €5 “aspas” – ‘x’ …"
                                                   << QStringList{"&euro;"};
        QTest::newRow("tabulação e quebra de linha") << "<span style='white-space:pre'>a\tb</span><br>c" << "a b c" << QStringList{"<br>"};
    }
    void lidoPeloUnrtf() {
        QFETCH(QString, html); QFETCH(QString, texto); QFETCH(QStringList, marcasHtml);
        if (QStandardPaths::findExecutable(QStringLiteral("unrtf")).isEmpty())
            QSKIP("unrtf não está instalado (scripts/setup.sh instala-o): sem leitor independente");
        QTextDocument doc;
        const QByteArray rtf = EscreveRtf(*Constroi(html, doc));
        // The header ends at the default-language word that merged files of this program rely on.
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi"));
        QVERIFY(rtf.indexOf("\\deflang2070") > 0 && rtf.indexOf("\\deflang2070") < rtf.indexOf("{\\fonttbl"));
        const QString lido = HtmlDoUnrtf(rtf);
        QCOMPARE(TextoDoHtml(lido), texto);
        for (const QString& marca : marcasHtml) QVERIFY2(lido.contains(marca), qPrintable(marca + " em falta em:\n" + lido));
    }
    void idaEVolta_data() { lidoPeloUnrtf_data(); }
    void idaEVolta() {
        QFETCH(QString, html);
        QTextDocument doc, lido;
        Constroi(html, doc);
        QCOMPARE(Descreve(*Le(EscreveRtf(doc), lido)), Descreve(doc));
    }
    void leTrechos_data() {
        QTest::addColumn<QByteArray>("rtf"); QTest::addColumn<QString>("texto"); // blocks joined by "\n"; expected values by hand
        QTest::newRow("\\'xx em Windows-1252") << QByteArray("{\\rtf1\\ansi Cora\\'e7\\'E3o \\'80\\'93x\\'94}") << "Coração €“x”";
        QTest::newRow("\\u com \\uc1") << QByteArray("{\\rtf1\\uc1 Informa\\u231?\\u227?o}") << "Informação";
        QTest::newRow("\\uc acaba com o grupo") << QByteArray("{\\rtf1 {\\uc3 \\u937 abc}\\u937?d}") << "ΩΩd";
        // U+1D11E: 0xD834 0xDD1E, written as the signed 16-bit values -10188 and -8930.
        QTest::newRow("\\u negativo, par de substitutos") << QByteArray("{\\rtf1 \\u-10188?\\u-8930?!}") << "\U0001D11E!";
        QTest::newRow("\\u fora dos 16 bits") << QByteArray("{\\rtf1 a\\u70000?b\\u-40000?c}") << "a\uFFFDb\uFFFDc";
        QTest::newRow("grupo \\* desconhecido") << QByteArray("{\\rtf1 a{\\*\\qualquer coisa {aninhada \\par}}b}") << "ab";
        QTest::newRow("\\bin com chavetas") << QByteArray("{\\rtf1 a{\\pict\\bin4 }{\\}}b}") << "ab";
        QTest::newRow("campo mostra o resultado")
            << QByteArray("{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt liga\\'e7\\'e3o}}}") << "ligação";
        // "\\cell" parts the cells of a table: "d" and "e" each a cell of their own.
        QTest::newRow("\\par \\line \\tab \\cell")
            << QByteArray("{\\rtf1 a\\par b\\line c\\tab d\\cell e}") << QStringLiteral("a\nb\u2028c\td\ne\n");
        QTest::newRow("\\par no fim deixa linha vazia") << QByteArray("{\\rtf1 a\\par }") << "a\n";
        QTest::newRow("\\ antes de fim de linha é \\par") << QByteArray("{\\rtf1 a\\\nb}") << "a\nb";
        QTest::newRow("símbolos escapados") << QByteArray("{\\rtf1 \\{x\\} \\\\ a\\-b}") << "{x} \\ ab";
        QTest::newRow("palavras de pontuação")
            << QByteArray("{\\rtf1 \\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\bullet\\~.}") << QStringLiteral("—–‘’“”•\u00A0.");
        QTest::newRow("espaço a seguir à palavra é delimitador") << QByteArray("{\\rtf1 \\fs20 x  y\\b0  z}") << "x  y z";
        QTest::newRow("texto oculto \\v") << QByteArray("{\\rtf1 a{\\v oculto}b\\v c\\v0 d\\v e\\plain f}") << "abdf";
        QTest::newRow("corpo colado depois do fim")
            << QByteArray("{\\rtf1 a\\par}\\deflang2070{\\fonttbl{\\f0 Arial;}}\\pard b\\par}") << "a\nb\n";
        QTest::newRow("ficheiro truncado") << QByteArray("{\\rtf1 abc\\par d{\\b e") << "abc\nde";
        QTest::newRow("marca de ordem de bytes") << QByteArray("\xEF\xBB\xBF{\\rtf1 x}") << "x";
        QTest::newRow("\\page só parte parágrafos com texto") << QByteArray("{\\rtf1 a\\par\\page b\\page c}") << "a\nb\nc";
        // Nothing of the tables, the style sheet, the document information or the picture leaks.
        QTest::newRow("ficheiro do processador")
            << Fixture(QStringLiteral("processador.rtf"))
            << "Mapa Astral\nInterpretação do Sol\n\nO Sol em Carneiro dá-lhe coragem e de iniciativa; quer sempre chegar "
               "primeiro.\nJúpiter ♃ em Peixes: «fé» e compaixão — sem limites.\nLisboa, 2024\nFim.\n";
    }
    void leTrechos() {
        QFETCH(QByteArray, rtf); QFETCH(QString, texto);
        QVERIFY2(!rtf.isEmpty(), "falta o ficheiro de teste em " NATALIS_TEST_DATA);
        QTextDocument doc;
        QStringList blocos; // the blocks' own text, line breaks kept as U+2028
        for (QTextBlock b = Le(rtf, doc)->begin(); b.isValid(); b = b.next()) blocos << b.text();
        QCOMPARE(blocos.join('\n'), texto);
    }
    void leEstilos_data() {
        QTest::addColumn<QByteArray>("rtf"); QTest::addColumn<QString>("trecho");
        QTest::addColumn<QString>("letra"); QTest::addColumn<QString>("alinhamento"); // the look as DescreveLetra shows it, by hand
        // The word-processor file: every property read where Word or LibreOffice would show it.
        const QByteArray wp = Fixture(QStringLiteral("processador.rtf"));
        QTest::newRow("título centrado") << wp << "Mapa Astral" << "Georgia 24pt negrito #1f3864" << "centro";
        QTest::newRow("subtítulo itálico") << wp << "Interpretação do Sol" << "Times New Roman 14pt itálico #c00000" << "centro";
        QTest::newRow("negrito no meio") << wp << "coragem" << "Times New Roman 11pt negrito auto" << "justificado";
        QTest::newRow("\\b0 desliga") << wp << " e de iniciativa" << "Times New Roman 11pt auto" << "justificado";
        QTest::newRow("sublinhado duplo") << wp << "sempre" << "Times New Roman 11pt sublinhado auto" << "justificado";
        QTest::newRow("\\u no meio de texto") << wp << "Júpiter ♃" << "Arial 10pt #00b050" << "esquerda";
        QTest::newRow("à direita") << wp << "Lisboa, 2024" << "Arial 9pt itálico auto" << "direita";
        const QByteArray arial("{\\rtf1{\\fonttbl{\\f0 Arial;}}");
        QTest::newRow("grupo repõe o estado") << arial + "\\b {\\i a}b}" << "b" << "Arial 12pt negrito auto" << "esquerda";
        QTest::newRow("\\plain repõe a letra") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}\\f1\\fs40\\b\\i\\ul x\\plain y}")
                                               << "y" << "Arial 12pt auto" << "esquerda";
        QTest::newRow("\\pard repõe o alinhamento") << arial + "\\qc a\\par\\pard b}" << "b" << "Arial 12pt auto" << "esquerda";
        QTest::newRow("último parágrafo sem \\par, centrado num grupo") << arial + "a\\par{\\qc b}}" << "b" << "Arial 12pt auto" << "centro";
        QTest::newRow("\\deff escolhe a letra") << QByteArray("{\\rtf1\\deff1{\\fonttbl{\\f0 Arial;}{\\f1\\froman Georgia;}}x}") << "x"
                                                << "Georgia 12pt auto" << "esquerda";
        QTest::newRow("entrada de letra sem ;") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial}}x}") << "x" << "Arial 12pt auto" << "esquerda";
        QTest::newRow("nome de letra com \\'xx") << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fnil Gar\\'e7a;}}x}") << "x" << "Garça 12pt auto"
                                                 << "esquerda";
        QTest::newRow("\\cf0 é a cor automática") << arial + "{\\colortbl;\\red255\\green0\\blue0;}\\cf1 a\\cf0 b}" << "b"
                                                  << "Arial 12pt auto" << "esquerda";
        QTest::newRow("\\b1 \\i0 com parâmetros") << arial + "\\i\\b1\\i0 x}" << "x" << "Arial 12pt negrito auto" << "esquerda";
    }
    void leEstilos() {
        QFETCH(QByteArray, rtf); QFETCH(QString, trecho); QFETCH(QString, letra); QFETCH(QString, alinhamento);
        QVERIFY2(!rtf.isEmpty(), "falta o ficheiro de teste em " NATALIS_TEST_DATA);
        QTextDocument doc;
        const QTextCursor achado = Le(rtf, doc)->find(trecho, 0, QTextDocument::FindCaseSensitively);
        QVERIFY2(!achado.isNull(), qPrintable(trecho + " não está em:\n" + doc.toPlainText()));
        // Every character of the span carries the expected look, not just its first.
        for (int p = achado.selectionStart(); p < achado.selectionEnd(); ++p) {
            QTextCursor c(&doc);
            c.setPosition(p + 1);
            QCOMPARE(DescreveLetra(c.charFormat(), doc.defaultFont()), letra);
        }
        QCOMPARE(NomeAlinhamento(achado.block().blockFormat().alignment()), alinhamento);
    }
    // A picture goes out as PNG data with its size on the page in twips (15 to the pixel) and
    // comes back at that size with its pixels; Word's copy for old readers is not read twice.
    void imagem() {
        QImage roda(120, 60, QImage::Format_RGB32);
        roda.fill(Qt::white);
        roda.setPixel(7, 5, qRgb(200, 30, 40));
        QTextDocument doc, lido, word;
        doc.addResource(QTextDocument::ImageResource, QUrl("natalis://roda"), roda);
        QTextImageFormat f;
        f.setName("natalis://roda");
        f.setWidth(300);
        f.setHeight(150);
        QTextCursor(&doc).insertImage(f);
        const QByteArray rtf = EscreveRtf(doc);
        QVERIFY(rtf.contains("\\picw120\\pich60\\picwgoal4500\\pichgoal2250\\pngblip"));
        const QByteArray dados = rtf.mid(rtf.indexOf("\\pngblip") + 8, rtf.indexOf('}', rtf.indexOf("\\pngblip")) - rtf.indexOf("\\pngblip") - 8);
        const QByteArray deWord = "{\\rtf1 a{\\*\\shppict{\\pict\\pngblip\\picwgoal1800\\pichgoal900 " + dados +
                                  "}}{\\nonshppict{\\pict\\wmetafile8 0100}}b}";
        for (auto [documento, largura] : {std::pair{Le(rtf, lido), 300.0}, {Le(deWord, word), 120.0}}) {
            QList<QTextImageFormat> imagens;
            for (QTextBlock b = documento->begin(); b.isValid(); b = b.next())
                for (auto it = b.begin(); !it.atEnd(); ++it)
                    if (it.fragment().charFormat().isImageFormat()) imagens << it.fragment().charFormat().toImageFormat();
            QCOMPARE(imagens.size(), 1);
            QCOMPARE(imagens[0].width(), largura);
            QCOMPARE(imagens[0].height(), largura / 2);
            const QImage volta = documento->resource(QTextDocument::ImageResource, QUrl(imagens[0].name())).value<QImage>();
            QCOMPARE(volta.size(), roda.size());
            QCOMPARE(volta.pixel(7, 5), qRgb(200, 30, 40));
        }
        QCOMPARE(word.toPlainText(), QString("a\uFFFCb"));
    }
    void separa_data() {
        QTest::addColumn<QString>("texto"); QTest::addColumn<bool>("achou"); QTest::addColumn<QString>("ficaRelatorio");
        QTest::addColumn<QString>("ficaPessoal");
        QTest::newRow("sem cabeçalho: nada muda") << "Só o relatório.\n" << false << "Só o relatório.\n" << "anterior";
        QTest::newRow("no meio de um parágrafo") << "Relatório.\nVer a minha interpretação pessoal abaixo.\nNota." << true
                                                 << "Relatório.\nVer a minha " << "interpretação pessoal abaixo.\nNota.";
        QTest::newRow("corta na primeira ocorrência") << "A\nInterpretação pessoal\nx\nInterpretação Pessoal\ny" << true << "A\n"
                                                      << "Interpretação pessoal\nx\nInterpretação Pessoal\ny";
    }
    void separa() {
        QFETCH(QString, texto); QFETCH(bool, achou); QFETCH(QString, ficaRelatorio); QFETCH(QString, ficaPessoal);
        QTextDocument relatorio, pessoal;
        relatorio.setPlainText(texto);
        pessoal.setPlainText("anterior");
        // The paragraph the cut falls in keeps its alignment on both sides.
        QTextCursor c(&relatorio);
        c.select(QTextCursor::Document);
        QTextBlockFormat direita;
        direita.setAlignment(Qt::AlignRight);
        c.mergeBlockFormat(direita);
        QCOMPARE(SeparaInterpretacao(relatorio, pessoal), achou);
        QCOMPARE(relatorio.toPlainText(), ficaRelatorio);
        QCOMPARE(pessoal.toPlainText(), ficaPessoal);
        if (achou) QCOMPARE(NomeAlinhamento(pessoal.begin().blockFormat().alignment()), QStringLiteral("direita"));
    }
    // A table is written as an RTF table (on an A4 page) and read back as one, cell by cell: the
    // reading window's file keeps the report's tables and wheel beside the personal part, and
    // opening it gives the three back.
    void guardaTabelaERoda() {
        QTextDocument relatorio, pessoal, lido, lidoPessoal;
        QImage roda(40, 40, QImage::Format_RGB32);
        roda.fill(Qt::blue);
        relatorio.addResource(QTextDocument::ImageResource, QUrl("natalis://roda"), roda);
        QTextCursor c(&relatorio);
        QTextImageFormat f;
        f.setName("natalis://roda");
        c.insertImage(f);
        QTextTable* t = c.insertTable(2, 3);
        const QStringList celulas{"Sol", "Carneiro", "0º22'", "Lua", "Júpiter", "23º54'"};
        for (int k = 0; k < 6; ++k) t->cellAt(k / 3, k % 3).firstCursorPosition().insertText(celulas[k]);
        c.movePosition(QTextCursor::End);
        c.insertText(QStringLiteral("Depois"));
        QTextCursor(&pessoal).insertText(kCabecalhoPessoal + "\nA minha nota.");
        QTemporaryDir d;
        QString erro;
        QVERIFY(GuardaInterpretacao(d.filePath("a.rtf"), relatorio, pessoal, &erro));
        const QByteArray rtf = DiscoCheio::conteudo(d.filePath("a.rtf"));
        QVERIFY(rtf.contains("\\trowd") && rtf.count("\\cell\r\n") == 6 && rtf.count("\\row") == 2);
        QVERIFY(rtf.contains("\\paperw11906\\paperh16838"));
        QVERIFY(ImportaInterpretacao(d.filePath("a.rtf"), lido, lidoPessoal, &erro));
        QTextTable* lida = nullptr;
        for (QTextFrame* q : lido.rootFrame()->childFrames())
            if (!lida) lida = qobject_cast<QTextTable*>(q);
        QVERIFY(lida && lida->rows() == 2 && lida->columns() == 3);
        for (int k = 0; k < 6; ++k)
            QCOMPARE(lida->cellAt(k / 3, k % 3).firstCursorPosition().block().text(), celulas[k]);
        QVERIFY(lido.toPlainText().contains(QChar::ObjectReplacementCharacter));
        QVERIFY(lido.toPlainText().contains("Depois"));
        QVERIFY(lidoPessoal.toPlainText().endsWith("A minha nota."));
    }
    void importa() {
        // A file in the layout of the older merge: the personal part's own header, from
        // "\deflang2070", pasted into the report's body, with a font and colour table that
        // number fonts and colours their own way.
        QTextDocument relatorio, pessoal;
        QString erro;
        QVERIFY2(ImportaInterpretacao(QStringLiteral(NATALIS_TEST_DATA "/juntoantigo.rtf"), relatorio, pessoal, &erro), qPrintable(erro));
        QCOMPARE(Descreve(relatorio), (QStringList{"¶ centro", "  «Natalis» Times New Roman 50pt #0000ff", "¶ esquerda",
                                                   "  «Texto do relatório.» Times New Roman 11pt auto", "¶ esquerda"}));
        QCOMPARE(Descreve(pessoal), (QStringList{"¶ centro", "  «Interpretação Pessoal» Arial 20pt #ff0000", "¶ esquerda", "¶ esquerda",
                                                 "  «A minha nota.» Arial 11pt itálico auto", "¶ esquerda"}));
        // A file that is not RTF, or none at all, leaves both panes as they were.
        const QString antesRelatorio = relatorio.toPlainText(), antesPessoal = pessoal.toPlainText();
        QVERIFY(!ImportaInterpretacao(QStringLiteral(NATALIS_SOURCE_DIR "/README.md"), relatorio, pessoal, &erro));
        QVERIFY2(erro.contains("O ficheiro não está no formato RTF."), qPrintable(erro));
        QVERIFY(!ImportaInterpretacao(QStringLiteral(NATALIS_TEST_DATA "/falta.rtf"), relatorio, pessoal, &erro));
        QVERIFY2(erro.startsWith("Não foi possível abrir o ficheiro"), qPrintable(erro));
        QCOMPARE(relatorio.toPlainText(), antesRelatorio);
        QCOMPARE(pessoal.toPlainText(), antesPessoal);
    }
};

QTEST_MAIN(TestRtf)
#include "test_rtf.moc"
