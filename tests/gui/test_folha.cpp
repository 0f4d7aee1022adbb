// The printed sheet and the chart's PDF, read back with poppler (pdftotext, pdfimages,
// pdftoppm), a reader no one here wrote: the header with the birth data, the wheel and grid
// as vectors (no picture is embedded, yet the page shows the drawing), the report after them;
// from the window's print and export commands and from natalis-cli --pdf.
#include "janelateste.h"

#include <QAction>
#include <QImage>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {
QString corre(const QString& programa, const QStringList& args, int* codigo = nullptr) {
    QProcess p;
    p.start(programa, args);
    p.waitForFinished(60000);
    if (codigo) *codigo = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString textoPagina(const QString& pdf, int pagina) {
    const QString n = QString::number(pagina);
    return corre(QStringLiteral("pdftotext"), {"-f", n, "-l", n, pdf, "-"});
}

int paginas(const QString& pdf) {
    const QString info = corre(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

// pdfimages -list prints two header lines, then one line per embedded picture.
// Pictures embedded in the pages from the first to the last (all pages when last is 0).
int imagens(const QString& pdf, int ultima = 0) {
    QStringList args{"-list"};
    if (ultima > 0)
        args << "-f" << "1" << "-l" << QString::number(ultima);
    return corre(QStringLiteral("pdfimages"), args << pdf).trimmed().split(QLatin1Char('\n')).size() - 2;
}

// Dark pixels of a page rendered at 50 dpi below its header: the drawing is there.
int tintaDoDesenho(const QString& pdf, int pagina) {
    const QString base = pdf + QStringLiteral("-p");
    const QString n = QString::number(pagina);
    corre(QStringLiteral("pdftoppm"), {"-f", n, "-l", n, "-r", "50", "-png", "-singlefile", pdf, base});
    const QImage im(base + QStringLiteral(".png"));
    int escuros = 0;
    for (int y = im.height() / 6; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x)
            escuros += qGray(im.pixel(x, y)) < 128;
    return escuros;
}

void verificaFolha(const QString& pdf, int pagina, const QStringList& esperados) {
    const QString texto = textoPagina(pdf, pagina);
    for (const QString& e : esperados)
        QVERIFY2(texto.contains(e), qPrintable(QStringLiteral("falta «%1» na página %2:\n%3").arg(e).arg(pagina).arg(texto)));
}
} // namespace

class TestFolha : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        for (const char* p : {"pdftotext", "pdfinfo", "pdfimages"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(p)).isEmpty())
                QFAIL(qPrintable(QStringLiteral("falta %1 (pacote poppler-utils)").arg(QString::fromLatin1(p))));
    }

    void impressaoDaRodaEDoQuadro_data() {
        QTest::addColumn<QString>("comando");
        QTest::newRow("roda") << QStringLiteral("mnuprintMap");
        QTest::newRow("quadro de aspectos") << QStringLiteral("mnuaspec");
    }
    void impressaoDaRodaEDoQuadro() {
        QFETCH(QString, comando);
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("há uma impressora instalada nesta máquina");
        AmbienteGui amb;
        std::unique_ptr<frmMain> j = JanelaComMapa();
        QVERIFY(j);
        const QString pdf = amb.pasta.filePath(QStringLiteral("impresso.pdf"));
        amb.caixa.respostas << RespostaMsg::Sim; // no printer: print to a PDF file
        amb.respostas << pdf;
        j->accao(comando)->trigger();
        QCOMPARE(paginas(pdf), 1);
        verificaFolha(pdf, 1, {QStringLiteral("Maria Silva"), QStringLiteral("25/4/1974"), QStringLiteral("Lisboa"),
                               QStringLiteral("motor clássico")});
        QCOMPARE(imagens(pdf), 0); // drawn as vectors, not as a picture
        QVERIFY(tintaDoDesenho(pdf, 1) > 200);
    }

    void pdfDaJanela() {
        AmbienteGui amb;
        std::unique_ptr<frmMain> j = JanelaComMapa();
        QVERIFY(j);
        const QString pdf = amb.pasta.filePath(QStringLiteral("Maria Silva"));
        amb.respostas << pdf;
        j->accao(QStringLiteral("mnuexportpdf"))->trigger();
        QCOMPARE(amb.pedidos.last().extensao, QStringLiteral(".pdf"));
        const QString ficheiro = pdf + QStringLiteral(".pdf");
        QVERIFY(paginas(ficheiro) >= 3);
        // The wheel's labels are text on the page, not pixels.
        verificaFolha(ficheiro, 1, {QStringLiteral("Maria Silva"), QStringLiteral("motor clássico"), QStringLiteral("Asc"),
                                    QStringLiteral("MC")});
        verificaFolha(ficheiro, 3, {QStringLiteral("Auto - Interpretação")});
        // The wheel and the grid are vectors; the report after them may show the wheel as a picture.
        QCOMPARE(imagens(ficheiro, 2), 0);
        QVERIFY(tintaDoDesenho(ficheiro, 1) > 200);
        QVERIFY(tintaDoDesenho(ficheiro, 2) > 200);
    }

    void pdfDaLinhaDeComando() {
        AmbienteGui amb;
        const QString cli = QStringLiteral(NATALIS_PROGRAM_DIR "/natalis-cli");
        const QStringList dados = {"--nome", "Ana Estélio", "--sexo", "F", "--data", "5/2/1962", "--hora", "0:10",
                                   "--fuso", "0", "--local", "Lisboa", "--latitude", "38º43' N", "--longitude", "9º8' W",
                                   "--silencioso"};
        const QString pdf = amb.pasta.filePath(QStringLiteral("mapa.pdf"));
        int codigo = -1;
        corre(cli, QStringList(dados) << "--pdf" << pdf, &codigo);
        QCOMPARE(codigo, 0);
        QVERIFY(paginas(pdf) >= 3);
        verificaFolha(pdf, 1, {QStringLiteral("Ana Estélio"), QStringLiteral("Nascida a 5/2/1962"), QStringLiteral("Lisboa"),
                               QStringLiteral("motor clássico")});
        verificaFolha(pdf, 2, {QStringLiteral("Ana Estélio")});
        // A folder that does not exist: exit code 1, a message, nothing written.
        const QString impossivel = amb.pasta.filePath(QStringLiteral("nao/existe/mapa.pdf"));
        corre(cli, QStringList(dados) << "--pdf" << impossivel, &codigo);
        QCOMPARE(codigo, 1);
        QVERIFY(!QFile::exists(impossivel));
    }
};

QTEST_MAIN(TestFolha)
#include "test_folha.moc"
