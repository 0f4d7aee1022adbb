// Images: bitmaps of the wheel and the grid, exports by extension, the global view's sheet.
#include "grelha.h"
#include "imagens.h"
#include "mapateste.h"
#include "mensagens.h"
#include "vistaglobal.h"

#include <QFile>
#include <QImageReader>
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
        const QImage lida(caminho);
        QCOMPARE(lida.size(), QSize(300, 280));
        QCOMPARE(lida.pixelColor(10, 20), QColor(255, 0, 0));
        // A cancelled chooser is no error, and says nothing.
        MensagensGravadas caixa;
        CaixaTemporaria instala(&caixa);
        QVERIFY(!SalvarImagemAspectos(im, QString()));
        QVERIFY(caixa.chamadas.isEmpty());
    }
    void exportaPorExtensao_data() {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<bool>("grelha");
        QTest::addColumn<int>("lado");
        QTest::addColumn<double>("escala");
        QTest::addColumn<QByteArray>("formato");
        QTest::addColumn<QSize>("tamanho");
        const QSize g = TamanhoGrelha();
        QTest::newRow("roda PNG") << "roda.png" << false << 500 << 1.0 << QByteArray("png") << QSize(500, 500);
        QTest::newRow("roda BMP") << "roda.BMP" << false << 500 << 1.0 << QByteArray("bmp") << QSize(500, 500);
        QTest::newRow("roda SVG") << "roda.svg" << false << 500 << 1.0 << QByteArray("svg") << QSize(500, 500);
        QTest::newRow("roda PNG a escala dupla") << "roda2x.png" << false << 400 << 2.0 << QByteArray("png") << QSize(800, 800);
        QTest::newRow("grelha PNG") << "grelha.png" << true << 500 << 1.0 << QByteArray("png") << g;
        QTest::newRow("grelha SVG") << "grelha.svg" << true << 500 << 1.0 << QByteArray("svg") << g;
    }
    void exportaPorExtensao() {
        QFETCH(QString, nome); QFETCH(bool, grelha); QFETCH(int, lado); QFETCH(double, escala); QFETCH(QByteArray, formato);
        QFETCH(QSize, tamanho);
        const QString caminho = pasta.filePath(nome);
        QString erro;
        QVERIFY2(ExportaDesenho(m, grelha ? DesenhoExportado::Grelha : DesenhoExportado::Roda, caminho, lado, escala, &erro),
                 qPrintable(erro));
        QImageReader leitor(caminho);
        QCOMPARE(leitor.format(), formato);
        if (formato != "svg") {
            QCOMPARE(leitor.size(), tamanho);
            return;
        }
        // The reader measures millimetres at 90 dpi; the drawing's own units are the view box.
        // Symbols are outlines, so the file shows them without the font installed.
        QFile f(caminho);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray svg = f.readAll();
        QVERIFY(svg.contains(QStringLiteral("viewBox=\"0 0 %1 %2\"").arg(tamanho.width()).arg(tamanho.height()).toLatin1()));
        QVERIFY(!svg.contains("font-family=\"Sigil\""));
        QVERIFY(svg.contains("<path"));
    }
    void extensaoDesconhecida() {
        QString erro;
        QVERIFY(!ExportaDesenho(m, DesenhoExportado::Roda, pasta.filePath(QStringLiteral("roda.gif")), 400, 1.0, &erro));
        QVERIFY(erro.contains(QStringLiteral(".png, .bmp ou .svg")));
    }
    void vistaGlobalComposta() {
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
        // White sheet; both copies at (400 − 200) / 2 from the top.
        QCOMPARE(folha.pixelColor(5, 5), QColor(Qt::white));
        QCOMPARE(folha.pixelColor(int(MARGEM_FOLHA) + 1, 101), QColor(255, 0, 0));
        QCOMPARE(folha.pixelColor(int(MARGEM_FOLHA) + 1, 99), QColor(Qt::white));
        const int xRoda = int(MARGEM_FOLHA + 100 + ESPACO_FOLHA);
        QCOMPARE(folha.pixelColor(xRoda + 1, 101), QColor(0, 0, 255));
        QCOMPARE(folha.pixelColor(xRoda + 199, 299), QColor(0, 0, 255));
    }
    void vistaGlobalRodaGrande() {
        QImage folha = ImagemBranca(900, 700);
        CamposMapa c;
        c.anjo = QStringLiteral("Anjo");
        VistaGlobal v;
        {
            Superficie s(folha);
            v = ShowWith(2, s, m, c, QImage(), QImage());
        }
        QVERIFY(!v.listaVisivel);
        QCOMPARE(v.dataTexto, QStringLiteral("Anjo"));
        QVERIFY(v.roda.has_value());
        // The markers now belong to the large picture: its centre is (900/2 − 3, 700/2 − 4).
        const GeometriaRoda& g = v.roda->geometria;
        QPERTO(g.centro.x(), 447.0);
        QPERTO(g.centro.y(), 346.0);
        const QPointF p = PontoRoda(g, RaioCorpo(g, 0), AnguloEcra(g, m.Corpo(0).Posicao().ValorRads()));
        QPERTO(v.roda->lblplanetMark.at(0).rect.left(), p.x() - 7.5 - 5.0);
    }
};

QTEST_MAIN(TestImagens)
#include "test_imagens.moc"
