// The report of cast charts with the shipped texts (a text for every code it asks: test_basedados):
// no markup is left, the sex chooses the endings, and unrtf and our reader read the whole of it
// back from RTF; pages read back by pdftotext never end on a heading. (natalis-cli --relatorio: test_cli.)
#include "ferramentas.h"
#include "calculo.h"
#include "fontedados.h"
#include "mensagens.h"
#include "nascimento.h"
#include "orbes.h"
#include "paginacao.h"
#include "relatorio.h"
#include "rtf.h"
#include "simbolos.h"
#include "test_rtfcomum.h"
#include "textos.h"
#include <QPageSize>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTextTable>
#include <QtTest>

class TestRelatorioMapa : public QObject {
    Q_OBJECT
    FonteDados m_db;
    MensagensGravadas m_caixa;
    CaixaTemporaria m_instalada{&m_caixa};
    QTemporaryDir m_pasta;
    // The report of a cast chart, the side labels filled as the main window fills them.
    bool Escreve(CamposMapa campos, QTextDocument& doc, const OpcoesSintese& sintese = {}) {
        Mapa mapa;
        if (!Cast(campos, mapa)) return false;
        campos.KeyWord = Simbolos::TextoDecanatoSol(mapa.Corpo(0).Posicao().ValorGraus());
        campos.anjo = NomeAnjo(mapa);
        doc.setDefaultFont(QFont(QStringLiteral("Times New Roman"), 11)); // the report box's font
        Relatorio r(campos, mapa, m_db, CoresRelatorio{RGBCor(0, 0, 160), RGBCor(20, 20, 20), RGBCor(160, 0, 0), RGBCor(0, 110, 0)});
        r.setSintese(sintese);
        r.AutoInterpretacao(doc);
        return true;
    }

private slots:
    void initTestCase() {
        OrbesActuais().CarregaPadrao();
        QVERIFY2(m_db.Abre(QStringLiteral(NATALIS_PROGRAM_DIR "/Intrepreter.mdb"), QStringLiteral("interpretação")), qPrintable(m_db.Erro()));
    }

    void relatorio_data() {
        QTest::addColumn<CamposMapa>("campos");
        QTest::addColumn<bool>("preciso"); // precise engine with Placidus, else the defaults
        QTest::addColumn<uint>("pontos");
        QTest::newRow("João, Porto") << Nascimento("12/3/1975", "8h45'0''", "0h0'0''", "41º9'0''N", "0h34'28'' W", "João Silva", true) << false << 0u;
        QTest::newRow("Maria, Lisboa") << Nascimento("23/8/1988", "21h10'0''", "1h0'0''", "38º43'0''N", "0h36'32'' W", "Maria Costa") << true << 0u;
        // Quíron on the Sun (swetest: Quíron 0°17′ and Sol 3°08′ Câncer, 2°51′ apart).
        QTest::newRow("Rui, Lisboa, todos os pontos") << Nascimento("24/6/1988", "12h0'0''", "1h0'0''", "38º43'0''N", "0h36'32'' W", "Rui Lopes", true)
                                                      << true << TODOS_PONTOS_EXTRA;
    }
    void relatorio() {
        QFETCH(CamposMapa, campos); QFETCH(bool, preciso); QFETCH(uint, pontos);
        EscolhaCalculoActual() = preciso ? EscolhaCalculo{Motor::Preciso, SistemaCasas::Placidus, pontos} : EscolhaCalculo{};
        QTextDocument doc;
        QVERIFY2(Escreve(campos, doc), m_caixa.chamadas.isEmpty() ? "" : qPrintable(m_caixa.chamadas.last().texto));
        EscolhaCalculoActual() = {};
        const QString texto = doc.toPlainText();
        for (const char* resto : {"{", "}", "|1", "|2", "|3"}) QVERIFY2(!texto.contains(QLatin1String(resto)), resto);
        QVERIFY(texto.contains(campos.txtNome));
        // The endings follow the sex, and the header names an engine and house system other
        // than the defaults.
        QVERIFY(texto.contains(campos.sexoMasculino ? QStringLiteral("nascido no dia") : QStringLiteral("nascida no dia")));
        QCOMPARE(texto.contains(QStringLiteral("Cálculo: motor preciso (Swiss Ephemeris), casas Placidus")), preciso);
        // Quíron's section only when the chart holds it: sign, house, and the conjunction with
        // the Sun (within its 3°), but no aspect with the Moon (25° Balança) or the Ascendant.
        QCOMPARE(texto.contains(QStringLiteral("\nQuíron\n")), pontos != 0);
        QCOMPARE(texto.contains(QStringLiteral("Quíron em Caranguejo\n")), pontos != 0);
        QCOMPARE(texto.contains(QStringLiteral("Com Quíron em Caranguejo, a ferida de Rui Lopes está nas raízes")), pontos != 0);
        QCOMPARE(texto.contains(QStringLiteral("Quíron em Conjunção com o Sol\n")), pontos != 0);
        QVERIFY(!texto.contains(QStringLiteral("Quíron em Oposição")) && !texto.contains(QStringLiteral("Quíron em Quadratura")));
        QCOMPARE(texto.contains(QRegularExpression(QStringLiteral("Quíron na Casa (IX|X|XI|XII)"))), pontos != 0);
        QCOMPARE(texto.contains(QStringLiteral("Cálculo:")), preciso);
        // Through the RTF codec: our reader gives back every style, unrtf the same text.
        QTextDocument lido;
        QVERIFY(LeRtf(EscreveRtf(doc), lido));
        QCOMPARE(Descreve(lido), Descreve(doc));
        if (QStandardPaths::findExecutable(QStringLiteral("unrtf")).isEmpty()) QSKIP("unrtf não está instalado (scripts/setup.sh)");
        QCOMPARE(TextoDoHtml(HtmlDoUnrtf(EscreveRtf(doc))), QString(texto).replace(QChar::Nbsp, ' ').simplified());
    }
    // Twenty charts of random births: with the synthesis on, no paragraph of text appears twice
    // (headings may, and table cells are not paragraphs).
    void semParagrafosRepetidos() {
        QRandomGenerator aleatorio(15);
        for (int n = 0; n < 20; ++n) {
            const auto numero = [&](int a, int b) { return QString::number(aleatorio.bounded(a, b)); };
            const QString data = numero(1, 29) + '/' + numero(1, 13) + '/' + numero(1901, 2050);
            const QString latitude = numero(0, 60) + "º" + numero(0, 60) + (aleatorio.bounded(2) ? "' N" : "' S");
            const QString longitude = numero(0, 180) + "º" + numero(0, 60) + (aleatorio.bounded(2) ? "' W" : "' E");
            const QString hora = numero(0, 24) + ':' + numero(0, 60);
            OpcoesSintese sintese;
            sintese.ligada = true;
            sintese.regenteModerno = n % 2 == 1;
            QTextDocument doc;
            QVERIFY2(Escreve(Nascimento(data, hora, "0", latitude, longitude, QStringLiteral("Nativo %1").arg(n), aleatorio.bounded(2) == 0),
                             doc, sintese),
                     qPrintable(data));
            QVERIFY(doc.toPlainText().contains(QStringLiteral("Síntese do Mapa")));
            QSet<QString> vistos;
            for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
                if (b.text().trimmed().isEmpty()) continue;
                const QTextCharFormat f = b.begin().fragment().charFormat();
                if (QTextCursor(b).currentTable() || f.fontWeight() >= QFont::Bold ||
                    f.fontPointSize() != 11 || b.blockFormat().alignment() & Qt::AlignHCenter)
                    continue;
                QVERIFY2(!vistos.contains(b.text()), qPrintable(data + ": " + b.text().left(80)));
                vistos.insert(b.text());
            }
            QVERIFY(vistos.size() > 60);
        }
    }
    void titulosFicamComOTexto() {
        EXIGE_FERRAMENTA("pdftotext", "poppler-utils");
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        // Headings over paragraphs of one to nine lines, many near a page foot; a section heading
        // over every other heading, a table of seven rows after every fifth paragraph.
        QTextDocument doc;
        QRandomGenerator aleatorio(7);
        QStringList titulos;
        int tabelas = 0;
        for (int k = 0; k < 120; ++k) {
            titulos << QStringLiteral("Titulo%1").arg(k);
            if (k % 2 == 0) EscreveParagrafo(doc, QStringLiteral("Seccao%1").arg(k), 0, false, false, false, 15, true, AlinhaEsquerda);
            EscreveParagrafo(doc, titulos.last(), 0, true, true, false, 11, true, AlinhaEsquerda);
            EscreveParagrafo(doc, QStringLiteral("texto%1 ").arg(k).repeated(int(aleatorio.bounded(8, 90))), 0, false, false, false, 11,
                             true, AlinhaEsquerda);
            if (k % 5 != 2) continue;
            QTextCursor c(&doc);
            c.movePosition(QTextCursor::End);
            QTextTable* t = c.insertTable(7, 2);
            for (int l = 0; l < 7; ++l)
                t->cellAt(l, 0).firstCursorPosition().insertText(l == 0 ? QStringLiteral("Cab%1").arg(tabelas) : QStringLiteral("T%1L%2").arg(tabelas).arg(l));
            ++tabelas;
        }
        const QString caminho = m_pasta.filePath(QStringLiteral("p.pdf"));
        {
            QPdfWriter pdf(caminho);
            pdf.setPageSize(QPageSize(QPageSize::A4));
            ImprimeDocumento(doc, pdf);
        }
        QProcess p;
        p.start(pdftotext, {caminho, QStringLiteral("-")});
        QVERIFY(p.waitForFinished(30000));
        const QStringList paginas = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
        QVERIFY(paginas.size() > 10);
        QStringList vistos;
        int numero = 0;
        for (const QString& pagina : paginas) {
            QStringList linhas = pagina.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            if (linhas.isEmpty()) continue;
            QCOMPARE(linhas.takeLast().trimmed(), QString::number(++numero)); // the page number at the foot
            QVERIFY2(!linhas.isEmpty() && !linhas.last().startsWith("Titulo") && !linhas.last().startsWith("Seccao"),
                     qPrintable(QStringLiteral("a página %1 acaba num título").arg(numero)));
            for (const QString& l : linhas)
                if (l.startsWith(QStringLiteral("Titulo"))) vistos << l.trimmed();
            // A table that starts on this page has its heading row and three rows more here.
            for (int k = 0; k < tabelas; ++k)
                if (pagina.contains(QStringLiteral("Cab%1\n").arg(k)))
                    QVERIFY2(pagina.contains(QStringLiteral("T%1L3\n").arg(k)), qPrintable(QStringLiteral("tabela %1, página %2").arg(k).arg(numero)));
        }
        QCOMPARE(vistos, titulos);
    }
};

QTEST_MAIN(TestRelatorioMapa)
#include "test_relatoriomapa.moc"
