// The wheel rendered offscreen: geometry in tables from the drawing rules, and the facts the
// rules state checked on the pixels; the dominant planets the redraw marks; the polar points.
#include "dominantes.h"
#include "fontes.h"
#include "mapateste.h"

#include <QDir>
#include <QFontInfo>
#include <QTest>

using namespace teste;

class TestRoda : public QObject {
    Q_OBJECT
    Mapa m;

    // Only body k shown, at longitude `graus`, drawn on a white square image.
    ResultadoDesenho SoCorpo(QImage& im, int k, double graus, int lado = 600) {
        EscondeTodos(m);
        m.Corpo(k).Mostrado = true;
        Posiciona(m, k, graus);
        im = ImagemBranca(lado, lado);
        return Desenha(im, m);
    }

private slots:
    void init() {
        OrbesActuais().CarregaPadrao();
        MapaBase(m);
    }

    void geometria() {
        QVERIFY(CarregaSigil());
        QCOMPARE(QFontInfo(FonteDesenho(FONTE_SIGIL, 15)).family(), QStringLiteral("Sigil"));
        // 600 × 600: centre (297, 296), rings 287, 257 and (296 − 39) / 2; tracks: Sun 10
        // outside the aspect ring, Black Moon 4 inside the zodiac, Node 20.
        const GeometriaRoda g = CalculaGeometria(600, 600);
        QPERTO(g.centro.x(), 297.0);
        QPERTO(g.centro.y(), 296.0);
        QPERTO(g.OuterRadius, 287.0);
        QPERTO(g.ZodiacInnerRadius, 257.0);
        QPERTO(g.AspectRadius, 128.5);
        QPERTO(RaioCorpo(g, 0), 138.5);
        QPERTO(RaioCorpo(g, 11), 253.0);
        QPERTO(RaioCorpo(g, 10), 237.0);
    }

    void zeroAries_data() {
        QTest::addColumn<double>("mc");
        QTest::addColumn<double>("zeroAries");
        QTest::addColumn<int>("sectorCarneiro");
        QTest::newRow("Meio Céu em Carneiro") << 15.0 << 270.0 << 0;
        QTest::newRow("Meio Céu em Peixes") << 345.0 << 240.0 << 1;
        QTest::newRow("Meio Céu em Capricórnio") << 280.0 << 180.0 << 3;
        QTest::newRow("Meio Céu em Touro: −60°, não reduzido") << 40.0 << -60.0 << 11;
    }
    void zeroAries() {
        QFETCH(double, mc); QFETCH(double, zeroAries); QFETCH(int, sectorCarneiro);
        MapaBase(m, mc);
        QImage im = ImagemBranca(600, 600);
        const ResultadoDesenho r = Desenha(im, m);
        QPERTO(r.geometria.ZeroAriesAngle, Rad(zeroAries));
        QCOMPARE(r.lblmark[sectorCarneiro].dica, QStringLiteral("Carneiro"));
        QCOMPARE(r.lblmark[(sectorCarneiro + 1) % 12].dica, QStringLiteral("Touro"));
        // Sector 0 is the 30° just counter-clockwise of straight up: its glyph point lies at
        // 255° on the middle of the ring, and the marker sits 6 left and 4 above it.
        const QPointF p = PontoRoda(r.geometria, 272.0, Rad(255.0));
        QPERTO(r.lblmark[0].rect.left(), p.x() - 6.0);
        QPERTO(r.lblmark[0].rect.top(), p.y() - 4.0);
    }

    void contraste_data() {
        QTest::addColumn<bool>("fundoPreto");
        QTest::newRow("branco: traços pretos") << false;
        QTest::newRow("figura preta: traços brancos") << true;
    }
    void contraste() {
        QFETCH(bool, fundoPreto);
        QString caminho;
        if (fundoPreto) {
            QImage preto(600, 600, QImage::Format_RGB32);
            preto.fill(Qt::black);
            caminho = QDir(QDir::tempPath()).filePath(QStringLiteral("natalis_fundo_preto.png"));
            QVERIFY(preto.save(caminho));
        }
        OrbesZero(); // no chord but the Sun–Moon opposition, through the centre
        EscondeTodos(m);
        Posiciona(m, 0, 100.0);
        Posiciona(m, 1, 280.0);
        QImage im = ImagemBranca(600, 600);
        const ResultadoDesenho r = Desenha(im, m, true, caminho);
        const GeometriaRoda& g = r.geometria;
        QCOMPARE(g.contraste, fundoPreto ? RGBCor(255, 255, 255) : RGBCor(0, 0, 0));
        auto traco = [&](double raio, double teta) {
            const QPointF p = PontoRoda(g, raio, teta);
            return fundoPreto ? MaximoVizinho(im, p.x(), p.y()) > 3 * 165 : MinimoVizinho(im, p.x(), p.y()) < ESCURO;
        };
        const double meioCasas = (g.AspectRadius + g.ZodiacInnerRadius) / 2.0;
        QVERIFY(traco(g.OuterRadius, Rad(100.0)));       // the rings, away from glyphs
        QVERIFY(traco(g.ZodiacInnerRadius, Rad(100.0)));
        QVERIFY(traco(g.AspectRadius, Rad(100.0)));
        QVERIFY(traco(g.ZodiacInnerRadius + 15.0, Rad(30.0))); // a sign boundary
        QVERIFY(traco(meioCasas, AnguloEcra(g, m.Cuspide(2).ValorRads()))); // an ordinary cusp
        QVERIFY(traco(20.0, AnguloEcra(g, m.Corpo(0).Posicao().ValorRads()))); // the chord
        // Angular cusps stay light blue whatever the background.
        const QPointF mc = PontoRoda(g, meioCasas, AnguloEcra(g, m.Cuspide(10).ValorRads()));
        QVERIFY(ContaCor(im, QRectF(mc.x() - 2, mc.y() - 2, 5, 5), QColor(132, 169, 219), 45,
                         fundoPreto ? QColor(Qt::black) : QColor(Qt::white)) > 0);
        // Nothing where no line passes.
        const QPointF vazio = PontoRoda(g, 60.0, Rad(10.0));
        QCOMPARE(fundoPreto ? MaximoVizinho(im, vazio.x(), vazio.y(), 3) : MinimoVizinho(im, vazio.x(), vazio.y(), 3),
                 fundoPreto ? 0 : 3 * 255);
    }

    void cordasColoridas_data() {
        QTest::addColumn<double>("separacao");
        QTest::addColumn<QColor>("cor");
        QTest::addColumn<int>("orbe");
        QTest::newRow("sextil verde") << 60.0 << QColor(0, 255, 0) << 0;
        QTest::newRow("quadratura vermelha") << 90.0 << QColor(255, 0, 0) << 0;
        QTest::newRow("trígono azul") << 120.0 << QColor(0, 0, 255) << 0;
        // The conjunction's colour of the aspect table; a wide orb makes the chord long enough.
        QTest::newRow("conjunção") << 36.0 << QColor(192, 192, 0) << 40;
    }
    void cordasColoridas() {
        QFETCH(double, separacao); QFETCH(QColor, cor); QFETCH(int, orbe);
        OrbesZero();
        OrbesActuais().define(1, 2, static_cast<int16_t>(orbe));
        EscondeTodos(m);
        Posiciona(m, 0, 100.0);
        Posiciona(m, 1, 100.0 + separacao);
        QImage im = ImagemBranca(600, 600);
        const ResultadoDesenho r = Desenha(im, m);
        QCOMPARE(int(r.aspectos.size()), 1);
        const GeometriaRoda& g = r.geometria;
        const QPointF meio = (PontoRoda(g, g.AspectRadius, AnguloEcra(g, Rad(100.0))) +
                              PontoRoda(g, g.AspectRadius, AnguloEcra(g, Rad(100.0 + separacao)))) / 2.0;
        QVERIFY2(ContaCor(im, QRectF(meio.x() - 2, meio.y() - 2, 5, 5), cor) > 0, "sem corda da cor do aspecto");
    }

    void mesmaLongitudeEmPistasDiferentes() {
        EscondeTodos(m);
        for (int k : {0, 1}) {
            m.Corpo(k).Mostrado = true;
            Posiciona(m, k, 45.0);
        }
        QImage im = ImagemBranca(600, 600);
        const ResultadoDesenho r = Desenha(im, m);
        QCOMPARE(int(r.glifos.size()), 2);
        const GlifoColocado &sol = r.glifos[0], &lua = r.glifos[1];
        // The Sun keeps its degree; the Moon, on the next track out, stands aside from it with a
        // leader line back to the same degree.
        QCOMPARE(sol.teta, AnguloEcra(r.geometria, Rad(45.0)));
        QPERTO(sol.raio, RaioCorpo(r.geometria, 0));
        QVERIFY(lua.raio - sol.raio > 10.0); // (257 − 128.5 − 14) / 11 per track
        const CorpoDisposto &luaDisposta = r.disposicao.corpos.at(1), &solDisposto = r.disposicao.corpos.at(0);
        QCOMPARE(luaDisposta.tetaExacto, sol.teta);
        QVERIFY(luaDisposta.comGuia);
        QVERIFY(!luaDisposta.caixaGlifo.intersects(solDisposto.caixaGlifo));
        QVERIFY(!luaDisposta.caixaGlifo.intersects(solDisposto.caixaGrau));
        // Each glyph in its own colour at its own track.
        QVERIFY(ContaCor(im, QRectF(sol.canto, QSizeF(15, 15)), QColor(192, 192, 0)) > 3);
        QVERIFY(ContaCor(im, QRectF(lua.canto, QSizeF(15, 15)), QColor(128, 128, 128)) > 3);
        // The marker: its tip, 5 pixels beyond the glyph's corner, square.
        const QRectF marca = r.lblplanetMark.at(0).rect;
        QCOMPARE(r.lblplanetMark.at(0).dica, QStringLiteral("Sol a 15 de Touro"));
        QPERTO(marca.left(), sol.canto.x() - 5.0);
        QCOMPARE(marca.width(), marca.height());
    }

    void corpoEscondido() {
        m.Corpo(4).Cor = RGBCor(255, 0, 255);
        QImage im;
        const ResultadoDesenho mostrado = SoCorpo(im, 4, 200.0);
        QVERIFY(ContaCor(im, QRectF(mostrado.glifos.at(0).canto - QPointF(2, 2), QSizeF(19, 32)), QColor(255, 0, 255)) > 3);
        m.Corpo(4).Mostrado = false;
        im = ImagemBranca(600, 600);
        const ResultadoDesenho escondido = Desenha(im, m);
        QVERIFY(escondido.glifos.empty());
        QVERIFY(!escondido.lblplanetMark.count(4)); // its marker stays where it was
        QCOMPARE(ContaCor(im, QRectF(0, 0, 600, 600), QColor(255, 0, 255)), 0);
    }

    void nodoSul() {
        QImage im;
        const ResultadoDesenho r = SoCorpo(im, 10, 10.5); // 10º Carneiro: the South Node in Libra
        QCOMPARE(r.lblplanetMark.at(MARCADOR_NODO_SUL).dica, QStringLiteral("Nodo Lunar Sul a 10 de Libra"));
        QCOMPARE(r.glifos.size(), size_t(2));
        QPERTO(std::cos(r.glifos[1].teta - r.glifos[0].teta), -1.0); // opposite, on the same track
        QCOMPARE(r.glifos[1].raio, r.glifos[0].raio);
    }

    void parteFortuna_data() {
        QTest::addColumn<int>("lado");
        QTest::newRow("superfície pequena") << 300;
        QTest::newRow("superfície grande") << 900;
    }
    void parteFortuna() {
        QFETCH(int, lado);
        QImage im;
        const ResultadoDesenho r = SoCorpo(im, 12, 30.0, lado);
        QCOMPARE(r.glifos.size(), size_t(1));
        QCOMPARE(r.glifos[0].raio, RAIO_PARTE_FORTUNA);
        const QPointF p = PontoRoda(r.geometria, 165.0, r.glifos[0].teta);
        QPERTO(r.glifos[0].canto.x(), p.x() - 6.0);
        QPERTO(r.glifos[0].canto.y(), p.y() - 6.0);
        QVERIFY(ContaCor(im, QRectF(r.glifos[0].canto, QSizeF(12, 12)), QColor(180, 10, 200)) > 3);
    }

    void segundoDesenhoNaoDuplicaAspectos() {
        OrbesZero();
        Posiciona(m, 0, 100.0);
        Posiciona(m, 1, 280.0);
        QImage im = ImagemBranca(400, 400);
        Desenha(im, m);
        Desenha(im, m);
        QCOMPARE(m.Aspectos().Count(), 1);
        QCOMPARE(m.Corpo(0).Aspectos().Count(), 1);
        QCOMPARE(m.Corpo(1).Aspectos().Count(), 1);
    }

    void pontuacaoDominantes_data() {
        QTest::addColumn<int>("p");
        QTest::addColumn<int>("signo");
        QTest::addColumn<int>("casa");
        QTest::addColumn<int>("esperado");
        // Values read off the sign and house tables by hand.
        QTest::newRow("Sol em Leão na casa 1") << 1 << 5 << 1 << 10 + 10;
        QTest::newRow("Lua em Carneiro na casa 4") << 2 << 1 << 4 << 1 + 10;
        QTest::newRow("Plutão em Escorpião na casa 8") << 10 << 8 << 8 << 10 + 10;
        QTest::newRow("Saturno em Peixes na casa 12") << 7 << 12 << 12 << 4 + 1;
        QTest::newRow("casa 0: só o signo") << 5 << 8 << 0 << 10;
        QTest::newRow("casa 13: só o signo") << 5 << 8 << 13 << 10;
        QTest::newRow("linha 11 igual nas duas tabelas") << 8 << 11 << 11 << 10 + 10;
    }
    void pontuacaoDominantes() {
        QFETCH(int, p); QFETCH(int, signo); QFETCH(int, casa); QFETCH(int, esperado);
        QCOMPARE(PontuacaoPlaneta(p, signo, casa), esperado);
    }

    void dominantes() {
        // Planet p in the middle of sign lugares[p - 1][0], in house lugares[p - 1][1]: Sol in Leão
        // and Júpiter in Sagitário, both in house 1, tie at 20; the rest score lower.
        const int lugares[10][2] = {{5, 1}, {1, 7}, {2, 7}, {3, 2}, {4, 3}, {9, 1}, {1, 1}, {4, 2}, {1, 1}, {3, 1}};
        for (int p = 0; p < 10; ++p) {
            Posiciona(m, p, 30.0 * lugares[p][0] - 15.0);
            m.Corpo(p).Casa = static_cast<int16_t>(lugares[p][1]);
        }
        m.Corpo(10).Marcado = true; // the Node is never a winner
        QCOMPARE(DominantPlanets(m), QStringLiteral("Sol e Júpiter"));
        for (int i = 0; i < 11; ++i) QCOMPARE(m.Corpo(i).Marcado, i == 0 || i == 5);
        // In house 0 the sign alone counts: in Carneiro Marte 10, ahead of Sol, Urano and
        // Plutão with 8; the earlier winners' flags are cleared.
        for (int p = 0; p < 10; ++p) {
            Posiciona(m, p, 15.0);
            m.Corpo(p).Casa = 0;
        }
        QCOMPARE(DominantPlanets(m), QStringLiteral("Marte"));
        for (int i = 0; i < 11; ++i) QCOMPARE(m.Corpo(i).Marcado, i == 4);
    }

    void ponto() {
        // Polar form of the wheel's points; an angle is never reduced, only its sine and cosine
        // are used.
        const double pi = 3.14159265358979323846;
        const double casos[][4] = {{0, 0, 0, pi / 2}, {-3, 4, 5, std::atan2(4, -3)}, {0, -2, 2, -pi / 2}, {-2, 0, 2, pi}};
        for (const auto& c : casos) {
            Ponto p;
            p.SetPoint(c[0], c[1]);
            QPERTO(p.Raio(), c[2]);
            QPERTO(p.Teta(), c[3]);
            QPERTO(p.x(), c[0]);
            QPERTO(p.y(), c[1]);
        }
        Ponto p;
        p.SetPoint(1, 0);
        p.Rotate(90); // counter-clockwise, towards +y
        QPERTO(p.y(), 1.0);
        for (int k = 0; k < 9; ++k) p.Rotate(30);
        QPERTO(p.Teta(), 2 * pi);
        QPERTO(Ponto::CoorTrans(pi, 1), 180.0);
        QPERTO(Ponto::CoorTrans(-30.0, 7), -pi / 6); // every other mode is degrees to radians
    }
};

QTEST_MAIN(TestRoda)
#include "test_roda.moc"
