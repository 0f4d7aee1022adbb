// natalis-cli --relatorio: the report of a cast chart as RTF (read back by unrtf) and as PDF,
// chosen by the extension; an unknown extension fails with exit code 1 and writes nothing.
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

namespace {
const QString kCli = QStringLiteral(NATALIS_PROGRAM_DIR "/natalis-cli");

int Corre(const QStringList& saidas, QString* erro = nullptr) {
    QProcess p;
    QStringList args{"--nome",     "Maria Costa", "--sexo",      "F",      "--data",      "23/8/1988",
                     "--hora",     "21:10",       "--fuso",      "1",      "--local",     "Lisboa",
                     "--latitude", "38º43' N",    "--longitude", "9º8' W", "--silencioso"};
    p.start(kCli, args + saidas);
    if (!p.waitForFinished(60000)) return -1;
    if (erro) *erro = QString::fromUtf8(p.readAllStandardError());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
}
} // namespace

class TestCliRelatorio : public QObject {
    Q_OBJECT
    QTemporaryDir m_pasta;

private slots:
    void initTestCase() {
        QVERIFY2(QFile::exists(kCli), qPrintable(kCli + " is missing"));
        QVERIFY(m_pasta.isValid());
    }

    void rtfEPdf() {
        const QString rtf = m_pasta.filePath(QStringLiteral("maria.rtf"));
        const QString pdf = m_pasta.filePath(QStringLiteral("maria.pdf"));
        QString erro;
        QCOMPARE(Corre({"--relatorio", rtf, "--relatorio", pdf}, &erro), 0);
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.read(5) == "%PDF-");
        // Fresh settings give the window's colours, not black throughout: the title's purple
        // and the sub-headings' dark red are in the colour table.
        QFile r(rtf);
        QVERIFY(r.open(QIODevice::ReadOnly));
        const QByteArray bytes = r.readAll();
        QVERIFY(bytes.contains("\\red90\\green45\\blue130;"));
        QVERIFY(bytes.contains("\\red140\\green30\\blue40;"));
        const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
        if (unrtf.isEmpty()) QSKIP("unrtf is not installed (scripts/setup.sh installs it)");
        QProcess p;
        p.start(unrtf, {QStringLiteral("--html"), rtf});
        QVERIFY(p.waitForFinished(30000));
        QTextDocument lido;
        lido.setHtml(QString::fromUtf8(p.readAllStandardOutput()));
        const QString texto = lido.toPlainText();
        QVERIFY2(
            texto.contains(QStringLiteral("Mapa astral de: Maria Costa nascida no dia 23/8/1988 em Lisboa")),
            qPrintable(texto.left(400)));
        for (const char* t : {"Síntese do Mapa", "Aspectos por orbe", "Pontos de Resumo", "Pontos Principais", "As Casas", "Aspectos Astrais",
                              "Partes", "Sol em Virgo"})
            QVERIFY2(texto.contains(QString::fromUtf8(t)), t);
    }

    void extensaoDesconhecida() {
        const QString doc = m_pasta.filePath(QStringLiteral("maria.doc"));
        QString erro;
        QCOMPARE(Corre({"--relatorio", doc}, &erro), 1);
        QVERIFY(!QFile::exists(doc));
        QVERIFY2(erro.contains(QStringLiteral(".rtf")), qPrintable(erro));
    }
};

QTEST_MAIN(TestCliRelatorio)
#include "test_clirelatorio.moc"
