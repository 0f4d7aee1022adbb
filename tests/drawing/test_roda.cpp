// The wheel rendered offscreen: geometry in tables from the drawing rules, and the facts the
// rules state checked on the pixels.
#include "desenhos.h"
#include "fontes.h"
#include "mapateste.h"
#include "superficie.h"

#include <QDir>
#include <QFontInfo>
#include <QLineF>
#include <QTest>
#include <algorithm>

using namespace teste;

namespace {
constexpr double TOL_GEOM = 1e-9; // exact arithmetic on the rule's own numbers
constexpr int ESCURO = 3 * 90;    // an anti-aliased 1-pixel line: darkest neighbour below this
constexpr int CLARO = 3 * 165;    // ... on black: lightest neighbour above this

ResultadoDesenho Desenha(QImage& im, Mapa& m, bool fundo = false, const QString& caminho = QString()) {
    Superficie s(im);
    ResultadoDesenho r = RedrawChart(s, nullptr, m, fundo, caminho);
    s.Termina();
    return r;
}

double Graus(double rad) { return rad * 180.0 / 3.14159265358979; }
} // namespace

class TestRoda : public QObject {
    Q_OBJECT
    Mapa m;

    // Only body k shown, at longitude `graus`, drawn on a white 600 × 600 image.
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

    void sigilCarregada() {
        QVERIFY(CarregaSigil());
        QCOMPARE(QFontInfo(FonteDesenho(FONTE_SIGIL, 15)).family(), QStringLiteral("Sigil"));
    }

    void geometria() {
        // 600 × 600: centre (297, 296), rings 287, 257 and (296 − 39) / 2.
        const GeometriaRoda g = CalculaGeometria(600, 600);
        QCOMPARE(g.centro.x(), 297.0);
        QVERIFY(std::fabs(g.centro.y() - 296.0) < TOL_GEOM);
        QVERIFY(std::fabs(g.OuterRadius - 287.0) < TOL_GEOM);
        QVERIFY(std::fabs(g.ZodiacInnerRadius - 257.0) < TOL_GEOM);
        QVERIFY(std::fabs(g.AspectRadius - 128.5) < TOL_GEOM);
        // Tracks: Sun 10 outside the aspect ring, Black Moon 4 inside the zodiac, Node 20.
        QVERIFY(std::fabs(RaioCorpo(g, 0) - 138.5) < TOL_GEOM);
        QVERIFY(std::fabs(RaioCorpo(g, 11) - 253.0) < TOL_GEOM);
        QVERIFY(std::fabs(RaioCorpo(g, 10) - 237.0) < TOL_GEOM);
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
        QFETCH(double, mc);
        QFETCH(double, zeroAries);
        QFETCH(int, sectorCarneiro);
        MapaBase(m, mc);
        QImage im = ImagemBranca(600, 600);
        const ResultadoDesenho r = Desenha(im, m);
        QVERIFY(std::fabs(r.geometria.ZeroAriesAngle - Rad(zeroAries)) < TOL_GEOM);
        QCOMPARE(r.lblmark[sectorCarneiro].dica, QStringLiteral("Carneiro"));
        QCOMPARE(r.lblmark[(sectorCarneiro + 1) % 12].dica, QStringLiteral("Touro"));
        // Sector 0 is the 30° just counter-clockwise of straight up: its glyph point lies at
        // 255° on the middle of the ring, and the marker sits 6 left and 4 above it.
        const QPointF p = PontoRoda(r.geometria, 272.0, Rad(255.0));
        QVERIFY(std::fabs(r.lblmark[0].rect.left() - (p.x() - 6.0)) < TOL_GEOM);
        QVERIFY(std::fabs(r.lblmark[0].rect.top() - (p.y() - 4.0)) < TOL_GEOM);
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
        OrbesZero(); // no chord but the one below
        EscondeTodos(m);
        // Sun and Moon opposite: the chord runs through the centre.
        Posiciona(m, 0, 100.0);
        Posiciona(m, 1, 280.0);
        QImage im = ImagemBranca(600, 600);
        const ResultadoDesenho r = Desenha(im, m, true, caminho);
        const GeometriaRoda& g = r.geometria;
        QCOMPARE(g.contraste, fundoPreto ? RGBCor(255, 255, 255) : RGBCor(0, 0, 0));
        auto traco = [&](double raio, double graus) {
            const QPointF p = PontoRoda(g, raio, Rad(graus));
            return fundoPreto ? MaximoVizinho(im, p.x(), p.y()) > CLARO
                              : MinimoVizinho(im, p.x(), p.y()) < ESCURO;
        };
        // Rings, away from glyphs and labels.
        QVERIFY(traco(g.OuterRadius, 100.0));
        QVERIFY(traco(g.ZodiacInnerRadius, 100.0));
        QVERIFY(traco(g.AspectRadius, 100.0));
        // A sign boundary at screen angle 30°, halfway across the ring.
        QVERIFY(traco(g.ZodiacInnerRadius + 15.0, 30.0));
        // An ordinary cusp: house 2 at 30° past the Ascendant; equal houses from MC 0°.
        const double tetaCasa2 = AnguloEcra(g, m.Cuspide(2).ValorRads());
        QVERIFY(traco((g.AspectRadius + g.ZodiacInnerRadius) / 2.0, Graus(tetaCasa2)));
        // The opposition chord, 20 pixels from the centre along the Sun's direction.
        QVERIFY(traco(20.0, Graus(AnguloEcra(g, m.Corpo(0).Posicao().ValorRads()))));
        // Angular cusps stay light blue whatever the background.
        const QPointF mc = PontoRoda(g, (g.AspectRadius + g.ZodiacInnerRadius) / 2.0,
                                     AnguloEcra(g, m.Cuspide(10).ValorRads()));
        QVERIFY(ContaCor(im, QRectF(mc.x() - 2, mc.y() - 2, 5, 5), QColor(132, 169, 219), 45,
                         fundoPreto ? QColor(Qt::black) : QColor(Qt::white)) > 0);
        // Nothing where no line passes.
        const QPointF vazio = PontoRoda(g, 60.0, Rad(10.0));
        QVERIFY(fundoPreto ? MaximoVizinho(im, vazio.x(), vazio.y(), 3) == 0
                           : MinimoVizinho(im, vazio.x(), vazio.y(), 3) == 3 * 255);
    }

    void cordasColoridas_data() {
        QTest::addColumn<double>("separacao");
        QTest::addColumn<QColor>("cor");
        QTest::addColumn<int>("orbe");
        QTest::newRow("sextil verde") << 60.0 << QColor(0, 255, 0) << 0;
        QTest::newRow("quadratura vermelha") << 90.0 << QColor(255, 0, 0) << 0;
        QTest::newRow("trígono azul") << 120.0 << QColor(0, 0, 255) << 0;
        // The conjunction chord takes the conjunction's colour of the aspect table; a wide
        // orb makes it long enough to see.
        QTest::newRow("conjunção") << 36.0 << QColor(192, 192, 0) << 40;
    }
    void cordasColoridas() {
        QFETCH(double, separacao);
        QFETCH(QColor, cor);
        QFETCH(int, orbe);
        OrbesZero();
        OrbesActuais().define(1, 2, static_cast<int16_t>(orbe));
        EscondeTodos(m);
        Posiciona(m, 0, 100.0);
        Posiciona(m, 1, 100.0 + separacao);
        QImage im = ImagemBranca(600, 600);
        const ResultadoDesenho r = Desenha(im, m);
        QCOMPARE(int(r.aspectos.size()), 1);
        const GeometriaRoda& g = r.geometria;
        const QPointF a = PontoRoda(g, g.AspectRadius, AnguloEcra(g, Rad(100.0)));
        const QPointF b = PontoRoda(g, g.AspectRadius, AnguloEcra(g, Rad(100.0 + separacao)));
        const QPointF meio = (a + b) / 2.0;
        QVERIFY2(ContaCor(im, QRectF(meio.x() - 2, meio.y() - 2, 5, 5), cor) > 0,
                 "sem corda da cor do aspecto");
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
        const GlifoColocado& sol = r.glifos[0];
        const GlifoColocado& lua = r.glifos[1];
        // The Sun keeps its degree; the Moon, on the next track out, stands aside from it with a
        // leader line back to the same degree.
        QCOMPARE(sol.teta, AnguloEcra(r.geometria, Rad(45.0)));
        QVERIFY(std::fabs(sol.raio - RaioCorpo(r.geometria, 0)) < TOL_GEOM);
        QVERIFY(lua.raio - sol.raio > 10.0); // (257 − 128.5 − 14) / 11 per track
        const CorpoDisposto& luaDisposta = r.disposicao.corpos.at(1);
        QCOMPARE(luaDisposta.tetaExacto, sol.teta);
        QVERIFY(luaDisposta.comGuia);
        QVERIFY(!luaDisposta.caixaGlifo.intersects(r.disposicao.corpos.at(0).caixaGlifo));
        QVERIFY(!luaDisposta.caixaGlifo.intersects(r.disposicao.corpos.at(0).caixaGrau));
        // Each glyph is painted in its own colour at its own track.
        QVERIFY(ContaCor(im, QRectF(sol.canto, QSizeF(15, 15)), QColor(192, 192, 0)) > 3);
        QVERIFY(ContaCor(im, QRectF(lua.canto, QSizeF(15, 15)), QColor(128, 128, 128)) > 3);
        QCOMPARE(r.lblplanetMark.at(0).dica, QStringLiteral("Sol a 15 de Touro"));
        // The marker reaches 5 pixels beyond the glyph's corner and is square.
        QVERIFY(std::fabs(r.lblplanetMark.at(0).rect.left() - (sol.canto.x() - 5.0)) < TOL_GEOM);
        QCOMPARE(r.lblplanetMark.at(0).rect.width(), r.lblplanetMark.at(0).rect.height());
    }

    void corpoEscondido() {
        m.Corpo(4).Cor = RGBCor(255, 0, 255);
        QImage im;
        const ResultadoDesenho mostrado = SoCorpo(im, 4, 200.0);
        const QRectF caixa(mostrado.glifos.at(0).canto - QPointF(2, 2), QSizeF(19, 32));
        QVERIFY(ContaCor(im, caixa, QColor(255, 0, 255)) > 3);

        m.Corpo(4).Mostrado = false;
        QImage im2 = ImagemBranca(600, 600);
        const ResultadoDesenho escondido = Desenha(im2, m);
        QVERIFY(escondido.glifos.empty());
        QVERIFY(!escondido.lblplanetMark.count(4)); // its marker stays where it was
        QCOMPARE(ContaCor(im2, QRectF(0, 0, 600, 600), QColor(255, 0, 255)), 0);
    }

    void nodoSul() {
        QImage im;
        const ResultadoDesenho r = SoCorpo(im, 10, 10.5); // 10º Carneiro: the South Node in Libra
        QCOMPARE(r.lblplanetMark.at(MARCADOR_NODO_SUL).dica, QStringLiteral("Nodo Lunar Sul a 10 de Libra"));
        QCOMPARE(r.glifos.size(), size_t(2));
        QVERIFY(std::fabs(std::cos(r.glifos[1].teta - r.glifos[0].teta) + 1.0) < TOL_GEOM); // opposite
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
        QVERIFY(std::fabs(r.glifos[0].canto.x() - (p.x() - 6.0)) < TOL_GEOM);
        QVERIFY(std::fabs(r.glifos[0].canto.y() - (p.y() - 6.0)) < TOL_GEOM);
        QVERIFY(ContaCor(im, QRectF(r.glifos[0].canto, QSizeF(12, 12)), QColor(180, 10, 200)) > 3);
    }

    void segundoDesenhoNaoDuplicaAspectos() {
        OrbesZero();
        Posiciona(m, 0, 100.0);
        Posiciona(m, 1, 280.0);
        QImage im = ImagemBranca(400, 400);
        Desenha(im, m);
        QCOMPARE(m.Aspectos().Count(), 1);
        Desenha(im, m);
        QCOMPARE(m.Aspectos().Count(), 1);
        QCOMPARE(m.Corpo(0).Aspectos().Count(), 1);
        QCOMPARE(m.Corpo(1).Aspectos().Count(), 1);
    }

    void rotuloDaCasaDentroDaRoda_data() {
        QTest::addColumn<double>("graus"); // screen angle of the cusp
        QTest::addColumn<double>("dx");    // the label's sideways offset
        QTest::addColumn<double>("raio");
        QTest::addColumn<bool>("move");
        // 600 × 600: the label block (30 × 30) hangs below its anchor.
        QTest::newRow("já dentro: fica") << 270.0 << 0.0 << 200.0 << false;
        QTest::newRow("no alto, no anel: desce até ficar 2 px dentro") << 270.0 << 0.0 << 257.0 << true;
        QTest::newRow("em baixo: sobe") << 90.0 << 0.0 << 257.0 << true;
        QTest::newRow("empurrada para fora à direita") << 0.0 << 20.0 << 257.0 << true;
    }
    void rotuloDaCasaDentroDaRoda() {
        QFETCH(double, graus);
        QFETCH(double, dx);
        QFETCH(double, raio);
        QFETCH(bool, move);
        const GeometriaRoda g = CalculaGeometria(600, 600);
        const QPointF ancora = PontoRoda(g, raio, Rad(graus)) + QPointF(dx, 0.0);
        const QPointF a = DentroDaRoda(g, ancora, 30.0, 30.0, Rad(graus));
        QCOMPARE(a != ancora, move);
        for (double cx : {-15.0, 15.0})
            for (double cy : {0.0, 30.0})
                QVERIFY(std::hypot(a.x() + cx - g.centro.x(), a.y() + cy - g.centro.y()) <=
                        g.ZodiacInnerRadius - 2.0);
    }

    void rotuloDaCasaLivreDosCorpos_data() {
        QTest::addColumn<int>("casa");
        QTest::addColumn<int>("corpo");
        QTest::addColumn<double>("desvio"); // the body's longitude less the cusp's, degrees
        // Houses from a Midheaven at 0°: cusp 10 at the top, 1 at the left, 4 at the bottom, 7 at
        // the right. Each body sits where its cusp's label would go.
        QTest::newRow("Meio Céu e Lua Negra") << 10 << 11 << 2.0;
        QTest::newRow("Fundo do Céu e Lua Negra") << 4 << 11 << 2.0;
        QTest::newRow("Ascendente e Nodo") << 1 << 10 << 3.0;
        QTest::newRow("Descendente e Plutão") << 7 << 9 << -3.0;
    }
    void rotuloDaCasaLivreDosCorpos() {
        QFETCH(int, casa);
        QFETCH(int, corpo);
        QFETCH(double, desvio);
        QImage im;
        const ResultadoDesenho r = SoCorpo(im, corpo, m.Cuspide(casa).ValorGraus() + desvio);
        const GeometriaRoda& g = r.geometria;

        QImage medida = ImagemBranca(600, 600);
        Superficie s(medida);
        std::vector<QRectF> corpos;
        for (const CorpoDisposto& c : r.disposicao.corpos)
            corpos.insert(corpos.end(), {c.caixaGlifo, c.caixaGrau});
        QVERIFY(!corpos.empty());
        auto colide = [&](const QRectF& rotulo) {
            return std::any_of(corpos.cbegin(), corpos.cend(),
                               [&](const QRectF& c) { return c.intersects(rotulo); });
        };
        // The label as the layout rule puts it: centred `d` beside the cusp's outer end.
        const double c = m.Cuspide(casa).ValorRads();
        const double teta = AnguloEcra(g, c) < 0 ? AnguloEcra(g, c) + 2 * 3.14159265358979 : AnguloEcra(g, c);
        s.setFont(FONTE_NUMEROS, 10);
        const QString nome = Simbolos::HouseName(static_cast<int16_t>(casa), false);
        const QString grau = QString::number(m.Cuspide(casa).RetornaGraus());
        const double largura = s.TextWidth(nome);
        const double bloco = std::max(largura, s.TextWidth(grau));
        const double altura = 2.0 * s.TextHeight(nome);
        const QPointF fora = PontoRoda(g, g.ZodiacInnerRadius, teta);
        const double d = c < 3.14159265358979 ? -largura : 20.0;
        const QPointF regra = DentroDaRoda(g, fora + QPointF(d, 0.0), bloco, altura, teta);
        QVERIFY2(colide(QRectF(regra.x() - bloco / 2.0, regra.y(), bloco, altura)),
                 "the row must start from a label over the body");

        const QRectF rotulo = r.rotulosCasas[casa - 1];
        QVERIFY2(!colide(rotulo), "the house label is printed over a body");
        // It stays by its own cusp, inside the zodiac ring.
        QVERIFY(QLineF(rotulo.center(), fora).length() < 80.0);
        for (const QPointF& canto :
             {rotulo.topLeft(), rotulo.topRight(), rotulo.bottomLeft(), rotulo.bottomRight()})
            QVERIFY(QLineF(canto, QPointF(g.centro.x(), g.centro.y())).length() <= g.ZodiacInnerRadius);
    }

    void altaDensidade() {
        // At twice the pixel density the geometry is the same in logical pixels and the
        // lines land at twice the device coordinates.
        EscondeTodos(m);
        QImage normal = ImagemBranca(400, 400);
        QImage dupla = ImagemBranca(400, 400, 2.0);
        const ResultadoDesenho r1 = Desenha(normal, m);
        const ResultadoDesenho r2 = Desenha(dupla, m);
        QCOMPARE(r2.geometria.OuterRadius, r1.geometria.OuterRadius);
        QCOMPARE(r2.geometria.ZeroAriesAngle, r1.geometria.ZeroAriesAngle);
        const QPointF p = PontoRoda(r2.geometria, r2.geometria.OuterRadius, Rad(100.0));
        QVERIFY(MinimoVizinho(dupla, p.x(), p.y()) < ESCURO);
    }
};

QTEST_MAIN(TestRoda)
#include "test_roda.moc"
