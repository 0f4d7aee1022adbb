// Printing a report on pages: read back from the PDF by poppler's pdftotext, every heading and
// paragraph is there, in order, and no page ends with a heading.
#include "paginacao.h"
#include "relatorio.h"
#include <QPageSize>
#include <QPdfWriter>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

class TestPaginacao : public QObject {
    Q_OBJECT

private slots:
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
            if (k % 20 == 0)
                EscreveParagrafo(doc, QStringLiteral("Seccao%1").arg(k), 0, false, false, false, 15, true, AlinhaEsquerda);
            EscreveParagrafo(doc, titulos.last(), 0, true, true, false, 11, true, AlinhaEsquerda);
            EscreveParagrafo(doc, QStringLiteral("texto%1 ").arg(k).repeated(int(aleatorio.bounded(8, 90))), 0, false,
                             false, false, 11, true, AlinhaEsquerda);
        }
        QTemporaryDir pasta;
        const QString caminho = pasta.filePath(QStringLiteral("p.pdf"));
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
            // The page number stands at the foot.
            QCOMPARE(linhas.last().trimmed(), QString::number(++numero));
            linhas.removeLast();
            QVERIFY2(!linhas.isEmpty(), qPrintable(QStringLiteral("página %1 vazia").arg(numero)));
            QVERIFY2(!linhas.last().startsWith(QStringLiteral("Titulo")) && !linhas.last().startsWith(QStringLiteral("Seccao")),
                     qPrintable(QStringLiteral("página %1 acaba em %2").arg(numero).arg(linhas.last())));
            for (const QString& l : linhas)
                if (l.startsWith(QStringLiteral("Titulo"))) vistos << l.trimmed();
        }
        QCOMPARE(vistos, titulos);
    }
};

QTEST_MAIN(TestPaginacao)
#include "test_paginacao.moc"
