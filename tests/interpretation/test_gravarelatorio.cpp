// Report files by extension: RTF read back by unrtf (an independent reader from Debian), PDF
// from Qt's writer, and refusals that leave an existing file as it was.
#include "gravarelatorio.h"
#include "relatorio.h"
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

namespace {
void Documento(QTextDocument& doc) {
    EscreveParagrafo(doc, QStringLiteral("Natalis"), RGBCor(200, 0, 0), false, false, false, 50, false, 2);
    EscreveParagrafo(doc, QStringLiteral("Sol em Peixes"), 0, true, true, false, 11, true, 0);
    EscreveParagrafo(doc, QStringLiteral("Coração generoso, ação e reflexão."), 0, false, false, false, 11,
                     true, 0);
}

QByteArray Le(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TestGravaRelatorio : public QObject {
    Q_OBJECT
    QTemporaryDir m_pasta;

private slots:
    void rtfLidoPorUnrtf() {
        const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
        if (unrtf.isEmpty()) QSKIP("unrtf is not installed (scripts/setup.sh installs it)");
        QTextDocument doc;
        Documento(doc);
        const QString caminho = m_pasta.filePath(QStringLiteral("relatorio.RTF"));
        QString erro;
        QVERIFY2(GravaRelatorio(doc, caminho, &erro), qPrintable(erro));
        QVERIFY(Le(caminho).startsWith("{\\rtf1"));
        QProcess p;
        p.start(unrtf, {QStringLiteral("--html"), caminho});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        QTextDocument lido;
        lido.setHtml(QString::fromUtf8(p.readAllStandardOutput()));
        const QString texto = lido.toPlainText();
        for (const char* esperado : {"Natalis", "Sol em Peixes", "Coração generoso, ação e reflexão."})
            QVERIFY2(texto.contains(QString::fromUtf8(esperado)), qPrintable(texto));
    }

    void pdf() {
        QTextDocument doc;
        Documento(doc);
        const QString caminho = m_pasta.filePath(QStringLiteral("relatorio.pdf"));
        QString erro;
        QVERIFY2(GravaRelatorio(doc, caminho, &erro), qPrintable(erro));
        const QByteArray b = Le(caminho);
        QVERIFY(b.startsWith("%PDF-"));
        QVERIFY(b.trimmed().endsWith("%%EOF"));
    }

    void recusas_data() {
        QTest::addColumn<QString>("nome");
        QTest::newRow("extensao_desconhecida") << "relatorio.doc";
        QTest::newRow("sem_extensao") << "relatorio";
        QTest::newRow("pasta_inexistente") << "nao-existe/relatorio.rtf";
    }
    void recusas() {
        QFETCH(QString, nome);
        const QString caminho = m_pasta.filePath(nome);
        if (!nome.contains(QLatin1Char('/'))) {
            QFile f(caminho);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("anterior");
        }
        QTextDocument doc;
        Documento(doc);
        QString erro;
        QVERIFY(!GravaRelatorio(doc, caminho, &erro));
        QVERIFY(!erro.isEmpty());
        if (!nome.contains(QLatin1Char('/'))) QCOMPARE(Le(caminho), QByteArray("anterior"));
    }
};

QTEST_MAIN(TestGravaRelatorio)
#include "test_gravarelatorio.moc"
