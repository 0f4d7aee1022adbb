// Images: bitmaps of the wheel and the grid, exports by extension, the global view's sheet.
#include "grelha.h"
#include "imagens.h"
#include "mapateste.h"
#include "mensagens.h"
#include "superficie.h"
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

    void nomeProposto() {
        QCOMPARE(NomePropostoImagem(QStringLiteral("Ana"), false), QStringLiteral("Ana.bmp"));
        QCOMPARE(NomePropostoImagem(QStringLiteral("Ana"), true), QStringLiteral("Ana_aspectos.bmp"));
        QCOMPARE(NomePropostoImagem(QString(), true), QString());
    }

    void bitmapDaImagemActual() {
        QImage im = ImagemBranca(300, 280);
        im.setPixelColor(10, 20, QColor(255, 0, 0));
        const QString caminho = pasta.filePath(QStringLiteral("roda.bmp"));
        QVERIFY(SalvarImagem(im, caminho));
        QFile f(caminho);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.read(2), QByteArray("BM")); // a Windows bitmap
        f.close();
        const QImage lida(caminho);
        QCOMPARE(lida.size(), QSize(300, 280));
        QCOMPARE(lida.pixelColor(10, 20), QColor(255, 0, 0));
        QVERIFY(SalvarImagemAspectos(im, pasta.filePath(QStringLiteral("grelha.bmp"))));
    }

    void falhaAvisaENaoEstraga() {
        MensagensGravadas caixa;
        CaixaTemporaria instala(&caixa);
        const QString caminho = pasta.filePath(QStringLiteral("nao/existe/roda.bmp"));
        QVERIFY(!SalvarImagem(ImagemBranca(10, 10), caminho));
        QCOMPARE(caixa.chamadas.size(), 1);
        QCOMPARE(caixa.chamadas[0].icone, IconeMsg::Exclamacao);
        QVERIFY(caixa.chamadas[0].texto.startsWith(QStringLiteral("Não foi possível gravar a imagem")));
        QVERIFY(!QFile::exists(caminho));
        QVERIFY(!SalvarImagemAspectos(ImagemBranca(10, 10), QString()));
        QCOMPARE(caixa.chamadas.size(), 1); // a cancelled chooser is no error
    }

    void exportaPorExtensao_data() {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<int>("qual");
        QTest::addColumn<int>("lado");
        QTest::addColumn<double>("escala");
        QTest::addColumn<QByteArray>("formato");
        QTest::addColumn<QSize>("tamanho");
        const QSize g = TamanhoGrelha();
        QTest::newRow("roda PNG") << QStringLiteral("roda.png") << 0 << 500 << 1.0 << QByteArray("png") << QSize(500, 500);
        QTest::newRow("roda BMP") << QStringLiteral("roda.BMP") << 0 << 500 << 1.0 << QByteArray("bmp") << QSize(500, 500);
        QTest::newRow("roda SVG") << QStringLiteral("roda.svg") << 0 << 500 << 1.0 << QByteArray("svg") << QSize(500, 500);
        QTest::newRow("roda PNG a escala dupla") << QStringLiteral("roda2x.png") << 0 << 400 << 2.0 << QByteArray("png") << QSize(800, 800);
        QTest::newRow("grelha PNG") << QStringLiteral("grelha.png") << 1 << 500 << 1.0 << QByteArray("png") << g;
        QTest::newRow("grelha SVG") << QStringLiteral("grelha.svg") << 1 << 500 << 1.0 << QByteArray("svg") << g;
    }
    void exportaPorExtensao() {
        QFETCH(QString, nome);
        QFETCH(int, qual);
        QFETCH(int, lado);
        QFETCH(double, escala);
        QFETCH(QByteArray, formato);
        QFETCH(QSize, tamanho);
        const QString caminho = pasta.filePath(nome);
        QString erro;
        QVERIFY2(ExportaDesenho(m, qual == 0 ? DesenhoExportado::Roda : DesenhoExportado::Grelha, caminho,
                                lado, escala, &erro),
                 qPrintable(erro));
        QImageReader leitor(caminho);
        QCOMPARE(leitor.format(), formato);
        if (formato == "svg") {
            // The reader measures millimetres at 90 dpi; the drawing's own units are the view box.
            QFile f(caminho);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray svg = f.readAll();
            QVERIFY(svg.contains(QStringLiteral("viewBox=\"0 0 %1 %2\"")
                                     .arg(tamanho.width())
                                     .arg(tamanho.height())
                                     .toLatin1()));
            // Symbols are outlines, so the file shows them without the font installed.
            QVERIFY(!svg.contains("font-family=\"Sigil\""));
            QVERIFY(svg.contains("<path"));
        } else {
            QCOMPARE(leitor.size(), tamanho);
        }
    }

    void extensaoDesconhecida() {
        QString erro;
        QVERIFY(!ExportaDesenho(m, DesenhoExportado::Roda, pasta.filePath(QStringLiteral("roda.gif")), 400,
                                1.0, &erro));
        QVERIFY(erro.contains(QStringLiteral(".png, .bmp ou .svg")));
    }

    void listaDasPartes() {
        CamposMapa c;
        c.partes[0] = QStringLiteral("12º30'0''Leão");
        const QStringList l = Writelista(c);
        QCOMPARE(l.size(), 9);
        QCOMPARE(l[0], QStringLiteral("Partes"));
        QCOMPARE(l[1], QString());
        QCOMPARE(l[2].left(30).trimmed(), RotuloParteCampo(0));
        QCOMPARE(l[2].mid(30), c.partes[0]);
        QCOMPARE(l[8].size(), 30);
    }

    void vistaGlobalComposta() {
        QImage grelha = ImagemBranca(100, 100);
        grelha.fill(QColor(255, 0, 0));
        QImage roda = ImagemBranca(200, 200);
        roda.fill(QColor(0, 0, 255));
        QImage folha = ImagemBranca(600, 400);
        folha.fill(Qt::black);
        CamposMapa c;
        c.textoEstado = QStringLiteral("Mapa: Ana");
        c.anjo = QStringLiteral("Anjo");
        VistaGlobal v;
        {
            Superficie s(folha);
            v = ShowWith(1, s, m, c, grelha, roda);
        }
        QVERIFY(v.listaVisivel);
        QCOMPARE(v.dataTexto, c.textoEstado);
        QCOMPARE(v.dataDica, c.textoEstado);
        QCOMPARE(v.lista, Writelista(c));
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
        QCOMPARE(v.roda->geometria.centro.x(), 447.0);
        QVERIFY(std::fabs(v.roda->geometria.centro.y() - 346.0) < 1e-9);
        const QPointF p = PontoRoda(v.roda->geometria, RaioCorpo(v.roda->geometria, 0),
                                    AnguloEcra(v.roda->geometria, m.Corpo(0).Posicao().ValorRads()));
        QVERIFY(std::fabs(v.roda->lblplanetMark.at(0).rect.left() - (p.x() - 7.5 - 5.0)) < 1e-9);
    }
};

QTEST_MAIN(TestImagens)
#include "test_imagens.moc"
