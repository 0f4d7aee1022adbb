// The bi-wheel: the outer ring's geometry, crowded outer sets laid out clear of each other
// and of the wheel inside, and the ticks, glyphs and chords found on the pixels.
#include "birroda.h"
#include "mapateste.h"
#include "opcoesroda.h"

#include <QTest>

using namespace teste;

Q_DECLARE_METATYPE(std::vector<double>)

namespace {
double Distancia(const GeometriaRoda& g, const QPointF& p) { return std::hypot(p.x() - g.centro.x(), p.y() - g.centro.y()); }

// Nearest and farthest points of a box from the centre.
std::pair<double, double> Alcance(const GeometriaRoda& g, const QRectF& r) {
    const double cx = std::clamp(g.centro.x(), r.left(), r.right()), cy = std::clamp(g.centro.y(), r.top(), r.bottom());
    double longe = 0.0;
    for (const QPointF& p : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) longe = std::max(longe, Distancia(g, p));
    return {Distancia(g, QPointF(cx, cy)), longe};
}

std::vector<CorpoExterior> Exteriores(const std::vector<double>& graus, int retro) {
    std::vector<CorpoExterior> v;
    for (size_t i = 0; i < graus.size(); ++i) {
        CorpoExterior c;
        c.corpo = int(i);
        c.lambda = Rad(graus[i]);
        c.retrogrado = (retro >> i) & 1;
        v.push_back(c);
    }
    return v;
}
} // namespace

class TestBiRoda : public QObject {
    Q_OBJECT
    Mapa m;

private slots:
    void init() { OpcoesRodaActuais() = OpcoesRoda{}; OrbesZero(); }

    void geometria() {
        // On 600 × 600 the single wheel's outer circle (287 from a centre at 297, 296) is the
        // outer ring's; the zodiac moves in by the ring's width and keeps its 30 pixels.
        const GeometriaBiRoda g = CalculaGeometriaBiRoda(600, 600);
        QPERTO(g.interior.centro.x(), 297.0);
        QPERTO(g.RaioExterior, 287.0);
        QPERTO(g.interior.OuterRadius, 247.0);
        QPERTO(g.interior.ZodiacInnerRadius, 217.0);
        QPERTO(g.interior.AspectRadius, 108.5);
        QPERTO(g.RaioTrilho, 260.0);
    }

    void nadaSeSobrepoe_data() {
        QTest::addColumn<double>("mc"); QTest::addColumn<std::vector<double>>("graus"); // the outer set, bodies 0..10
        QTest::addColumn<int>("retrogrados"); QTest::addColumn<bool>("ascendenteEsquerda");
        for (bool esquerda : {false, true}) {
            const char* lado = esquerda ? ", Ascendente à esquerda" : ", anel fixo";
            QTest::newRow(qPrintable(QStringLiteral("estélio sobre 0° Carneiro") + lado))
                << 15.0 << std::vector<double>{355, 357, 358.5, 0.5, 2, 3, 4, 359, 1, 6, 356} << 0x7FF << esquerda;
            // Over the natal bodies (the base chart's 3°, 10°, … 87°) and on the diagonals.
            QTest::newRow(qPrintable(QStringLiteral("sobre os corpos natais") + lado))
                << 200.0 << std::vector<double>{3, 10, 17, 24, 31, 45, 135, 225, 315, 46, 134} << 0b10100100 << esquerda;
            QTest::newRow(qPrintable(QStringLiteral("espalhados") + lado))
                << 125.0 << std::vector<double>{315.6, 90, 316.5, 180, 302.2, 270, 303.4, 239, 222.5, 161.4, 137.6} << 0b11 << esquerda;
        }
    }
    void nadaSeSobrepoe() {
        QFETCH(double, mc); QFETCH(std::vector<double>, graus); QFETCH(int, retrogrados); QFETCH(bool, ascendenteEsquerda);
        OpcoesRodaActuais().ascendenteEsquerda = ascendenteEsquerda;
        MapaBase(m, mc);
        const std::vector<CorpoExterior> fora = Exteriores(graus, retrogrados);
        for (int lado : {600, 480}) {
            QImage im = ImagemBranca(lado, lado);
            Superficie s(im);
            const ResultadoBiRoda r = DesenhaBiRoda(s, m, fora, {});
            s.Termina();
            const GeometriaBiRoda& g = r.geometria;
            QCOMPARE(r.disposicao.exterior.size(), graus.size());
            QCOMPARE(r.marcadoresExteriores.size(), graus.size());
            const std::vector<QRectF> caixas = r.disposicao.todas();
            for (size_t a = 0; a < caixas.size(); ++a)
                for (size_t b = a + 1; b < caixas.size(); ++b)
                    QVERIFY2(!caixas[a].intersects(caixas[b]), qPrintable(QStringLiteral("caixas %1 e %2 em %3").arg(a).arg(b).arg(lado)));
            for (const CorpoDisposto& c : r.disposicao.exterior) {
                // On the ring, between the zodiac and the outer circle, its degree outward; a
                // leader from the tick at its exact degree when spread and its glyph does not cover the tick.
                QVERIFY(std::fabs(Distancia(g.interior, PontoRoda(g.interior, c.raio, c.teta)) - g.RaioTrilho) < 1e-6);
                QVERIFY(std::fabs(Distancia(g.interior, c.exacto) - g.interior.OuterRadius - MARCA_EXTERIOR) < 1e-6);
                QCOMPARE(c.comGuia, std::fabs(c.teta - c.tetaExacto) * c.raio > DESVIO_COM_GUIA + 1e-3 && !c.caixaGlifo.contains(c.exacto));
                QCOMPARE(c.caixaRetrogrado.isNull(), !((retrogrados >> c.elemento) & 1));
                for (const QRectF& q : {c.caixaGlifo, c.caixaGrau, c.caixaRetrogrado}) {
                    if (q.isNull()) continue;
                    const auto [perto, longe] = Alcance(g.interior, q);
                    QVERIFY2(perto > g.interior.OuterRadius, qPrintable(QString::number(perto)));
                    QVERIFY2(longe < g.RaioExterior + 3.0, qPrintable(QString::number(longe)));
                }
                QVERIFY(Distancia(g.interior, c.caixaGrau.center()) >= Distancia(g.interior, c.caixaGlifo.center()) - 1e-6);
                QVERIFY2(std::fabs(c.teta - c.tetaExacto) * c.raio < 120.0, qPrintable(QString::number(std::fabs(c.teta - c.tetaExacto) * c.raio)));
            }
        }
    }

    void pintura() {
        // One outer body, Mars at 100°, with a square chord to the natal Sun at 10°.
        MapaBase(m, 0.0);
        CorpoExterior marte;
        marte.corpo = 4;
        marte.lambda = Rad(100.0);
        QImage im = ImagemBranca(600, 600);
        Superficie s(im);
        const ResultadoBiRoda r = DesenhaBiRoda(s, m, {marte}, {{Rad(10.0), Rad(100.0), ASPECTO_QUADRATURA}});
        s.Termina();
        const GeometriaRoda& g = r.geometria.interior;
        const double teta = AnguloEcra(g, Rad(100.0));
        // The tick at its degree on the zodiac's outer edge, in Mars's red.
        const QPointF meioMarca = PontoRoda(g, g.OuterRadius + MARCA_EXTERIOR / 2.0, teta);
        QVERIFY(ContaCor(im, QRectF(meioMarca - QPointF(2, 2), QSizeF(4, 4)), QColor(255, 0, 0)) > 0);
        // The glyph in red where the layout put it, its tool tip naming the place.
        const CorpoDisposto& c = r.disposicao.exterior.at(0);
        QVERIFY(ContaCor(im, c.caixaGlifo, QColor(255, 0, 0)) > 5);
        QVERIFY(ContaCor(im, c.caixaGrau, QColor(255, 0, 0)) > 3);
        QCOMPARE(r.marcadoresExteriores.at(0).dica, QStringLiteral("Marte a 10 de Caranguejo"));
        // The given chord in the square's red, and no chord of the natal chart's own (its
        // bodies stand 7° apart: none in aspect under zero orbs anyway, so the chord's middle
        // is the test).
        const QPointF a = PontoRoda(g, g.AspectRadius, AnguloEcra(g, Rad(10.0)));
        const QPointF b = PontoRoda(g, g.AspectRadius, teta);
        QVERIFY(ContaCor(im, QRectF((a + b) / 2.0 - QPointF(2, 2), QSizeF(4, 4)), QColor(255, 0, 0)) > 0);
        // The outer circle.
        QVERIFY(MinimoVizinho(im, PontoRoda(g, r.geometria.RaioExterior, Rad(200.0)).x(),
                              PontoRoda(g, r.geometria.RaioExterior, Rad(200.0)).y()) < ESCURO);
    }
};

QTEST_MAIN(TestBiRoda)
#include "test_birroda.moc"
