// Images: bitmaps of the wheel and the grid, exports by extension, the global view's sheet.
#include "discocheio.h"
#include "grelha.h"
#include "imagens.h"
#include "mapateste.h"
#include "mensagens.h"
#include "vistaglobal.h"

#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace teste;

class TestImagens : public QObject {
    Q_OBJECT
    Mapa m;
    QTemporaryDir pasta;

private slots:
    void init() {
        OrbesActuais().CarregaPadrao();
        MapaBase(m);
    }
    void bitmapDaImagemActual() {
        QCOMPARE(NomePropostoImagem(QStringLiteral("Ana"), false), QStringLiteral("Ana.bmp"));
        QCOMPARE(NomePropostoImagem(QStringLiteral("Ana"), true), QStringLiteral("Ana_aspectos.bmp"));
        QCOMPARE(NomePropostoImagem(QString(), true), QString());
        QImage im = ImagemBranca(300, 280);
        im.setPixelColor(10, 20, QColor(255, 0, 0));
        const QString caminho = pasta.filePath(QStringLiteral("roda.bmp"));
        QVERIFY(SalvarImagem(im, caminho));
        QCOMPARE(QImageReader(caminho).format(), QByteArray("bmp")); // a Windows bitmap
        QCOMPARE(QImage(caminho).size(), QSize(300, 280));
        QCOMPARE(QImage(caminho).pixelColor(10, 20), QColor(255, 0, 0));
        MensagensGravadas caixa; // a cancelled chooser is no error, and says nothing
        CaixaTemporaria instala(&caixa);
        QVERIFY(!SalvarImagemAspectos(im, QString()));
        QVERIFY(caixa.chamadas.isEmpty());
    }
    void exportaPorExtensao_data() {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QSize>("tamanho"); // the wheel's side 400, at scale 2 for "2x"
        QTest::newRow("roda PNG a escala dupla") << "roda2x.png" << QSize(800, 800);
        QTest::newRow("roda BMP") << "roda.BMP" << QSize(400, 400);
        QTest::newRow("roda SVG") << "roda.svg" << QSize(400, 400);
        QTest::newRow("grelha SVG") << "grelha.svg" << TamanhoGrelha();
    }
    void exportaPorExtensao() {
        QFETCH(QString, nome); QFETCH(QSize, tamanho);
        const QString caminho = pasta.filePath(nome);
        QString erro;
        QVERIFY2(ExportaDesenho(m, nome.startsWith("grelha") ? DesenhoExportado::Grelha : DesenhoExportado::Roda, caminho, 400,
                                nome.contains("2x") ? 2.0 : 1.0, &erro),
                 qPrintable(erro));
        QImageReader leitor(caminho);
#ifdef Q_OS_WIN // the Windows toolchain has Qt's SVG writer, not its image reader
        if (!nome.endsWith(QLatin1String(".svg")))
#endif
            QCOMPARE(QString(leitor.format()), nome.section('.', -1).toLower());
        if (!nome.endsWith(QLatin1String(".svg"))) {
            QCOMPARE(leitor.size(), tamanho);
            return;
        }
        // The reader measures millimetres at 90 dpi; the drawing's own units are the view box.
        // Symbols are outlines, so the file shows them without the font installed.
        const QByteArray svg = DiscoCheio::conteudo(caminho);
        QVERIFY(svg.contains(QStringLiteral("viewBox=\"0 0 %1 %2\"").arg(tamanho.width()).arg(tamanho.height()).toLatin1()));
        QVERIFY(!svg.contains("font-family=\"Sigil\""));
        QVERIFY(svg.contains("<path"));
        QVERIFY(!ExportaDesenho(m, DesenhoExportado::Roda, pasta.filePath(QStringLiteral("roda.gif")), 400, 1.0, &erro));
        QVERIFY(erro.contains(QStringLiteral(".png, .bmp ou .svg")));
    }
    // rsvg (which many converters use) draws the SVG as the program the PNG, ink within a pixel of ink:
    // measured 0.06 % astray with the numbers as outlines, 1.7 % as text that rsvg set in another face.
    void svgComoPngNoRsvg() {
        const QString svg = pasta.filePath("r.svg"), png = pasta.filePath("r.png"), lido = pasta.filePath("rsvg.png");
        for (const QString& f : {svg, png}) QVERIFY(ExportaDesenho(m, DesenhoExportado::Roda, f, 600, 1, nullptr));
        const int r = QProcess::execute("rsvg-convert", {"-w", "600", "-h", "600", "-b", "white", "-o", lido, svg});
        if (r == -2) QSKIP("rsvg-convert não está instalado (librsvg2-bin, em scripts/setup.sh)");
        QCOMPARE(r, 0);
        const QImage a(png), b(lido);
        const auto tinta = [](const QImage& im, int x, int y) { return QColor(im.pixel(x, y)).lightness() < 190; };
        const auto perdida = [&](const QImage& de, const QImage& em) { // ink of one with none of the other's near
            int total = 0, sem = 0;
            for (int i = 0; i < (de.width() - 2) * (de.height() - 2); ++i) {
                const int x = 1 + i % (de.width() - 2), y = 1 + i / (de.width() - 2);
                bool perto = !tinta(de, x, y);
                for (int k = 0; k < 9 && !perto; ++k) perto = tinta(em, x + k % 3 - 1, y + k / 3 - 1);
                total += tinta(de, x, y), sem += !perto;
            }
            return double(sem) / std::max(total, 1);
        };
        QVERIFY(perdida(a, b) < 0.006 && perdida(b, a) < 0.006);
    }
    void vistaGlobal() {
        QImage grelha = ImagemBranca(100, 100), roda = ImagemBranca(200, 200), folha = ImagemBranca(600, 400);
        grelha.fill(QColor(255, 0, 0));
        roda.fill(QColor(0, 0, 255));
        folha.fill(Qt::black);
        CamposMapa c;
        c.textoEstado = QStringLiteral("Mapa: Ana");
        c.anjo = QStringLiteral("Anjo");
        c.partes[0] = QStringLiteral("12º30'0''Leão");
        VistaGlobal v;
        {
            Superficie s(folha);
            v = ShowWith(1, s, m, c, grelha, roda);
        }
        QVERIFY(v.listaVisivel);
        QCOMPARE(v.dataTexto, c.textoEstado);
        QCOMPARE(v.dataDica, c.textoEstado);
        // The parts list: a heading, a blank line, then each part's name padded to 30.
        QCOMPARE(v.lista.size(), 9);
        QCOMPARE(v.lista.mid(0, 2), QStringList({"Partes", ""}));
        QCOMPARE(v.lista[2], RotuloParteCampo(0).leftJustified(30) + c.partes[0]);
        QCOMPARE(v.lista[8].size(), 30);
        // A white sheet; both copies at (400 − 200) / 2 from the top, side by side.
        const int xRoda = int(MARGEM_FOLHA + 100 + ESPACO_FOLHA);
        QCOMPARE(folha.pixelColor(5, 5), QColor(Qt::white));
        QCOMPARE(folha.pixelColor(int(MARGEM_FOLHA) + 1, 101), QColor(255, 0, 0));
        QCOMPARE(folha.pixelColor(int(MARGEM_FOLHA) + 1, 99), QColor(Qt::white));
        QCOMPARE(folha.pixelColor(xRoda + 1, 101), QColor(0, 0, 255));
        QCOMPARE(folha.pixelColor(xRoda + 199, 299), QColor(0, 0, 255));
        // The large wheel: its markers belong to the large picture, centred at (900/2 − 3, 700/2 − 4).
        folha = ImagemBranca(900, 700);
        {
            Superficie s(folha);
            v = ShowWith(2, s, m, c, QImage(), QImage());
        }
        QVERIFY(!v.listaVisivel && v.roda.has_value());
        QCOMPARE(v.dataTexto, QStringLiteral("Anjo"));
        const GeometriaRoda& g = v.roda->geometria;
        QPERTO(g.centro.x(), 447.0);
        QPERTO(g.centro.y(), 346.0);
        const QPointF p = PontoRoda(g, RaioCorpo(g, 0), AnguloEcra(g, m.Corpo(0).Posicao().ValorRads()));
        QPERTO(v.roda->lblplanetMark.at(0).rect.left(), p.x() - 7.5 - 5.0);
    }
};

QTEST_MAIN(TestImagens)
#include "test_imagens.moc"
