// Report files: natalis-cli --relatorio writes RTF (read back by unrtf) or PDF by the file's
// extension and refuses any other; printed on pages (read back by poppler's pdftotext) every
// heading and paragraph is there, in order, numbered, and no page ends with a heading.
#include "paginacao.h"
#include "relatorio.h"
#include "test_rtfcomum.h"
#include <QPageSize>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QtTest>

class TestGravaRelatorio : public QObject {
    Q_OBJECT
    QTemporaryDir m_pasta;

    int Cli(const QStringList& saidas, QString* erro) {
        QProcess p;
        p.start(QStringLiteral(NATALIS_PROGRAM_DIR "/natalis-cli"),
                QStringList{"--nome", "Maria Costa", "--sexo", "F", "--data", "23/8/1988", "--hora", "21:10", "--fuso", "1", "--local",
                            "Lisboa", "--latitude", "38º43' N", "--longitude", "9º8' W", "--silencioso"} + saidas);
        if (!p.waitForFinished(60000)) return -1;
        *erro = QString::fromUtf8(p.readAllStandardError());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    }
    static QByteArray Le(const QString& caminho) {
        QFile f(caminho);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void rtfEPdfPelaExtensao() {
        const QString rtf = m_pasta.filePath(QStringLiteral("maria.RTF")), pdf = m_pasta.filePath(QStringLiteral("maria.pdf"));
        QString erro;
        QCOMPARE(Cli({"--relatorio", rtf, "--relatorio", pdf}, &erro), 0);
        QVERIFY(Le(pdf).startsWith("%PDF-"));
        QVERIFY(Le(pdf).trimmed().endsWith("%%EOF"));
        // Fresh settings give the window's colours, not black throughout: the title's purple
        // and the sub-headings' dark red are in the colour table.
        const QByteArray bytes = Le(rtf);
        QVERIFY(bytes.startsWith("{\\rtf1"));
        QVERIFY(bytes.contains("\\red90\\green45\\blue130;"));
        QVERIFY(bytes.contains("\\red140\\green30\\blue40;"));
        if (QStandardPaths::findExecutable(QStringLiteral("unrtf")).isEmpty()) QSKIP("unrtf is not installed (scripts/setup.sh)");
        const QString texto = TextoDoHtml(HtmlDoUnrtf(bytes));
        QVERIFY2(texto.contains(QStringLiteral("Mapa astral de: Maria Costa nascida no dia 23/8/1988 em Lisboa")), qPrintable(texto.left(400)));
        for (const char* t : {"Síntese do Mapa", "Aspectos por orbe", "Pontos de Resumo", "Pontos Principais", "As Casas",
                              "Aspectos Astrais", "Partes", "Sol em Virgo"})
            QVERIFY2(texto.contains(QString::fromUtf8(t)), t);
    }

    void extensaoDesconhecida_data() {
        QTest::addColumn<QString>("nome");
        QTest::newRow("extensão desconhecida") << "maria.doc";
        QTest::newRow("sem extensão") << "maria";
    }
    void extensaoDesconhecida() {
        QFETCH(QString, nome);
        const QString caminho = m_pasta.filePath(nome);
        QFile f(caminho);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("anterior") == 8);
        f.close();
        QString erro;
        QCOMPARE(Cli({"--relatorio", caminho}, &erro), 1);
        QCOMPARE(Le(caminho), QByteArray("anterior"));
        QVERIFY2(erro.contains(QStringLiteral("use .rtf ou .pdf")), qPrintable(erro));
    }

    void titulosFicamComOTexto() {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty()) QFAIL("pdftotext (Debian package poppler-utils) is the reference reader");
        // Headings followed by paragraphs of one to nine lines, in sizes that put many headings
        // near the foot of a page.
        QTextDocument doc;
        QRandomGenerator aleatorio(7);
        QStringList titulos;
        for (int k = 0; k < 120; ++k) {
            titulos << QStringLiteral("Titulo%1").arg(k);
            if (k % 20 == 0) EscreveParagrafo(doc, QStringLiteral("Seccao%1").arg(k), 0, false, false, false, 15, true, AlinhaEsquerda);
            EscreveParagrafo(doc, titulos.last(), 0, true, true, false, 11, true, AlinhaEsquerda);
            EscreveParagrafo(doc, QStringLiteral("texto%1 ").arg(k).repeated(int(aleatorio.bounded(8, 90))), 0, false, false, false, 11,
                             true, AlinhaEsquerda);
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
        }
        QCOMPARE(vistos, titulos);
    }
};

QTEST_MAIN(TestGravaRelatorio)
#include "test_gravarelatorio.moc"
