// The wheel's layout on crowded charts: no glyph, degree, retrograde mark or label prints
// over another, with the fixed ring and with the Ascendant on the left; the options of the
// wheel (Ascendant on the left, degree ticks, high-contrast colours) seen on the pixels.
#include "grelha.h"
#include "mapateste.h"
#include "opcoesroda.h"

#include <QTest>

using namespace teste;

Q_DECLARE_METATYPE(std::vector<double>)

namespace {
// WCAG 2 contrast ratio, computed here from the definition (sRGB, relative luminance).
double Contraste(const QColor& a, const QColor& b) {
    auto lin = [](int c) { return c / 255.0 <= 0.03928 ? c / 255.0 / 12.92 : std::pow((c / 255.0 + 0.055) / 1.055, 2.4); };
    auto l = [&](const QColor& c) { return 0.2126 * lin(c.red()) + 0.7152 * lin(c.green()) + 0.0722 * lin(c.blue()); };
    return (std::max(l(a), l(b)) + 0.05) / (std::min(l(a), l(b)) + 0.05);
}

// The contrast on white of the darkest pixel in a logical rectangle: the strongest ink of a glyph.
double ContrasteDaTinta(const QImage& im, const QRectF& caixa) {
    QColor melhor(Qt::white);
    const double k = im.devicePixelRatio();
    for (int x = int(caixa.left() * k); x < int(caixa.right() * k); ++x)
        for (int y = int(caixa.top() * k); y < int(caixa.bottom() * k); ++y)
            if (im.valid(x, y) && im.pixelColor(x, y).lightness() < melhor.lightness()) melhor = im.pixelColor(x, y);
    return Contraste(melhor, Qt::white);
}
} // namespace

class TestDisposicao : public QObject {
    Q_OBJECT
    Mapa m;

private slots:
    void init() {
        OrbesActuais().CarregaPadrao();
        OpcoesRodaActuais() = OpcoesRoda{};
        MapaBase(m);
    }
    void cleanup() { OpcoesRodaActuais() = OpcoesRoda{}; }

    void nadaSeSobrepoe_data() {
        QTest::addColumn<double>("mc");
        QTest::addColumn<std::vector<double>>("graus"); // bodies 0..12; negative keeps the base place
        QTest::addColumn<int>("retrogrados");           // bit i: body i retrograde
        QTest::addColumn<bool>("ascendenteEsquerda");
        const struct {
            const char* nome;
            double mc;
            std::vector<double> graus;
            int retro;
        } mapas[] = {
            {"estélio de seis corpos em 8°", 280.0, {1, 2.5, 3, 4.5, 6, 8.5, -1, -1, -1, -1, -1, -1, -1}, 0b001100},
            // The node on the Ascendant (houses from MC 0°: Ascendant at 90°), the Black Moon beside it.
            {"nodo sobre o Ascendente", 0.0, {200, 230, 250, 300, 320, 340, 10, 40, 60, 170, 90.4, 91.5, 92}, 1 << 10},
            // A body where each label of the first, fourth, seventh and tenth houses would go.
            {"corpos sobre os rótulos", 0.0, {2, 93, 182, 273, 33, 123, 212, 303, 60, 150, 242, 330, 95}, 0b1000100010},
            {"estélio sobre 0° Carneiro, tudo retrógrado", 15.0, {355, 357, 358.5, 0.5, 2, 3, 4, 359, 1, 6, 356, 5, 2.5}, 0x1FFF},
            // February 1962: seven bodies in Aquarius (positions read from a printed ephemeris).
            {"Fevereiro de 1962", 125.0, {315.6, 315.9, 316.5, 317.4, 302.2, 318.9, 303.4, 239.0, 222.5, 161.4, 137.6, 150.0, 180.0}, 0b1100000100},
        };
        for (const auto& x : mapas)
            for (bool esquerda : {false, true})
                QTest::newRow(qPrintable(QString::fromUtf8(x.nome) + (esquerda ? ", Ascendente à esquerda" : ", anel fixo")))
                    << x.mc << x.graus << x.retro << esquerda;
    }
    void nadaSeSobrepoe() {
        QFETCH(double, mc); QFETCH(std::vector<double>, graus); QFETCH(int, retrogrados); QFETCH(bool, ascendenteEsquerda);
        MapaBase(m, mc);
        for (int i = 0; i < 13; ++i) {
            if (graus[size_t(i)] >= 0.0) Posiciona(m, i, graus[size_t(i)]);
            m.Corpo(i).Retrogrado = (retrogrados >> i) & 1;
        }
        OpcoesRodaActuais().ascendenteEsquerda = ascendenteEsquerda;
        for (int lado : {600, 480}) {
            QImage im = ImagemBranca(lado, lado);
            const ResultadoDesenho r = Desenha(im, m);
            const GeometriaRoda& g = r.geometria;
            QCOMPARE(int(r.disposicao.corpos.size()), 14); // 13 bodies and the South Node
            // Signs, a glyph and a degree per body, the retrograde marks (the South Node's with
            // the Node's), house labels.
            const std::vector<QRectF> caixas = r.disposicao.todas();
            QCOMPARE(int(caixas.size()),
                     12 + 14 * 2 + std::popcount(unsigned(retrogrados & 0xFFF)) + ((retrogrados >> 10) & 1) + 12);
            for (size_t a = 0; a < caixas.size(); ++a) {
                QVERIFY(!caixas[a].isEmpty());
                for (size_t b = a + 1; b < caixas.size(); ++b)
                    QVERIFY2(!caixas[a].intersects(caixas[b]), qPrintable(QStringLiteral("caixas %1 e %2 em %3").arg(a).arg(b).arg(lado)));
            }
            // Every spread glyph keeps its track and a leader to its degree.
            for (const CorpoDisposto& c : r.disposicao.corpos) {
                QVERIFY(std::fabs(QLineF(g.centro.x(), g.centro.y(), c.exacto.x(), c.exacto.y()).length() - c.raio) < 1e-6);
                const double arco = std::fabs(c.teta - c.tetaExacto) * c.raio;
                QCOMPARE(c.comGuia, arco > DESVIO_COM_GUIA && !c.caixaGlifo.contains(c.exacto));
                QVERIFY2(arco < 80.0, "a glyph spread far from its degree");
            }
            // Each house label stays by its own cusp's outer end, inside the zodiac ring.
            for (int h = 0; h < 12; ++h) {
                const QRectF rotulo = r.rotulosCasas[h];
                QCOMPARE(rotulo, r.disposicao.casas[h].caixa);
                QVERIFY(QLineF(rotulo.center(), PontoRoda(g, g.ZodiacInnerRadius, r.disposicao.casas[h].teta)).length() < 80.0);
                for (const QPointF& p : {rotulo.topLeft(), rotulo.topRight(), rotulo.bottomLeft(), rotulo.bottomRight()})
                    QVERIFY(std::hypot(p.x() - g.centro.x(), p.y() - g.centro.y()) <= g.ZodiacInnerRadius);
            }
        }
    }

    void grauForaDoCirculoDosAspectos_data() {
        QTest::addColumn<double>("graus");
        QTest::addColumn<bool>("porCima");
        // Houses from MC 0°: 0° Carneiro at the top, the Sun's track just outside the circle.
        QTest::newRow("no alto: o grau passa para cima") << 0.0 << true;
        QTest::newRow("em baixo: o grau fica por baixo") << 180.0 << false;
    }
    void grauForaDoCirculoDosAspectos() {
        QFETCH(double, graus); QFETCH(bool, porCima);
        EscondeTodos(m);
        m.Corpo(0).Mostrado = m.Corpo(0).Retrogrado = true;
        Posiciona(m, 0, graus);
        QImage im = ImagemBranca(600, 600);
        const ResultadoDesenho r = Desenha(im, m);
        const CorpoDisposto& sol = r.disposicao.corpos.at(0);
        const GeometriaRoda& g = r.geometria;
        for (const QRectF& caixa : {sol.caixaGrau, sol.caixaRetrogrado})
            for (const QPointF& p : {caixa.topLeft(), caixa.topRight(), caixa.bottomLeft(), caixa.bottomRight()})
                QVERIFY(std::hypot(p.x() - g.centro.x(), p.y() - g.centro.y()) >= g.AspectRadius);
        QCOMPARE(sol.caixaGrau.bottom() <= sol.caixaGlifo.top(), porCima);
    }

    void caixasCobremATinta_data() {
        QTest::addColumn<int>("corpo");
        QTest::newRow("Sol") << 0;
        QTest::newRow("Mercúrio retrógrado") << 2;
        QTest::newRow("Nodo e Nodo Sul") << 10;
        QTest::newRow("Parte Fortuna") << 12;
    }
    void caixasCobremATinta() {
        // The boxes are where the ink is: every pixel of the body's own colour lies in them.
        QFETCH(int, corpo);
        EscondeTodos(m);
        m.Corpo(corpo).Mostrado = true;
        m.Corpo(corpo).Cor = RGBCor(255, 0, 255);
        m.Corpo(corpo).Retrogrado = corpo == 2;
        Posiciona(m, corpo, 137.0);
        QImage im = ImagemBranca(600, 600, 2.0);
        const ResultadoDesenho r = Desenha(im, m);
        const QColor magenta(255, 0, 255);
        const int total = ContaCor(im, QRectF(0, 0, 600, 600), magenta);
        int dentro = 0;
        for (const CorpoDisposto& c : r.disposicao.corpos)
            dentro += ContaCor(im, c.caixaGlifo, magenta) + ContaCor(im, c.caixaGrau, magenta);
        QVERIFY(total > 20);
        QCOMPARE(dentro, total);
        if (corpo == 2) {
            const CorpoDisposto& c = r.disposicao.corpos.at(0);
            QVERIFY(c.caixaRetrogrado.left() >= c.caixaGrau.right()); // beside the degree, not over it
            QVERIFY(MinimoVizinho(im, c.caixaRetrogrado.center().x(), c.caixaRetrogrado.center().y(), 3) < ESCURO);
        }
    }

    void ascendenteAEsquerda_data() {
        QTest::addColumn<double>("mc");
        QTest::addColumn<double>("ascendente");
        QTest::newRow("Ascendente 23° Carneiro") << 290.0 << 23.0;
        QTest::newRow("Ascendente 8.7° Escorpião") << 180.0 << 218.7;
        QTest::newRow("Ascendente 29.9° Peixes") << 270.0 << 359.9;
    }
    void ascendenteAEsquerda() {
        QFETCH(double, mc); QFETCH(double, ascendente);
        MapaBase(m, mc);
        m.Cuspide(1).setValorRads(Rad(ascendente));
        EscondeTodos(m);
        OpcoesRodaActuais().ascendenteEsquerda = true;
        QImage im = ImagemBranca(600, 600);
        const ResultadoDesenho r = Desenha(im, m);
        const GeometriaRoda& g = r.geometria;
        const double graus = r.disposicao.casas[0].teta * 180.0 / 3.14159265358979;
        QVERIFY2(std::fabs(graus - 180.0) <= 0.5, qPrintable(QString::number(graus)));
        // On the pixels: the light-blue Ascendant cusp crosses the left horizontal ...
        const double meio = (g.AspectRadius + g.ZodiacInnerRadius) / 2.0;
        QVERIFY(ContaCor(im, QRectF(g.centro.x() - meio - 2, g.centro.y() - 2, 5, 5), QColor(132, 169, 219)) > 0);
        // ... and 0° of its sign lies its degrees clockwise of it.
        const QPointF fronteira = PontoRoda(g, g.ZodiacInnerRadius + 15.0, Rad(180.0 + std::fmod(ascendente, 30.0)));
        QVERIFY(MinimoVizinho(im, fronteira.x(), fronteira.y()) < ESCURO);
        // The fixed ring, the default, leaves the Ascendant where its longitude falls.
        OpcoesRodaActuais().ascendenteEsquerda = false;
        im = ImagemBranca(600, 600);
        QCOMPARE(Desenha(im, m).geometria.ZeroAriesAngle, ZeroAriesAngle(m.Cuspide(10).NumeroSigno()));
    }

    void marcasDeGrau_data() {
        QTest::addColumn<bool>("ligadas");
        QTest::newRow("com marcas") << true;
        QTest::newRow("sem marcas (predefinido)") << false;
    }
    void marcasDeGrau() {
        QFETCH(bool, ligadas);
        EscondeTodos(m);
        OpcoesRodaActuais().grausNoZodiaco = ligadas;
        QImage im = ImagemBranca(600, 600, 2.0);
        const GeometriaRoda g = Desenha(im, m).geometria;
        auto escuro = [&](double grau, double acima) {
            const QPointF p = PontoRoda(g, g.ZodiacInnerRadius + acima, g.ZeroAriesAngle - Rad(grau));
            return MinimoVizinho(im, p.x(), p.y(), 0) < 3 * 150;
        };
        // 10°: 8 px, 5°: 5.5 px, 1°: 3 px long from the ring's inner edge.
        QCOMPARE(escuro(10.0, 6.5), ligadas);
        QCOMPARE(escuro(45.0, 4.5), ligadas);
        QCOMPARE(escuro(61.0, 2.0), ligadas);
        QVERIFY(!escuro(61.0, 5.0));
        QVERIFY(!escuro(45.0, 7.0));
    }

    void altoContraste_data() {
        QTest::addColumn<QColor>("fundo");
        QTest::newRow("fundo branco") << QColor(Qt::white);
        QTest::newRow("fundo preto") << QColor(Qt::black);
        QTest::newRow("fundo creme") << QColor(250, 240, 210);
        QTest::newRow("fundo azul-noite") << QColor(20, 30, 70);
    }
    void altoContraste() {
        QFETCH(QColor, fundo);
        const bool escuro = FundoEscuro(CorDeQt(fundo));
        QCOMPARE(escuro, fundo.lightness() < 128);
        auto verifica = [&](CorRGB cor, const QString& oque) {
            const double c = Contraste(CorQt(cor), fundo);
            QVERIFY2(c >= 3.0, qPrintable(QStringLiteral("%1: %2").arg(oque).arg(c)));
        };
        const EsquemaCores ac = EsquemaCores::AltoContraste;
        for (int i = 0; i < 13; ++i)
            verifica(CorCorpo(ac, i, Simbolos::BodyInfo(int16_t(i + 1)).cor, escuro), Simbolos::BodyInfo(int16_t(i + 1)).nome);
        for (int s = 0; s < 12; ++s)
            verifica(CorSigno(ac, s, Simbolos::SignInfo(int16_t(s)).cor, escuro), Simbolos::SignInfo(int16_t(s)).nome);
        for (int tipo : TIPOS_ASPECTO)
            verifica(CorAspecto(ac, tipo, Simbolos::AspectInfo(tipo).cor, escuro), Simbolos::AspectInfo(tipo).nome);
        verifica(CorRotuloCasa(ac, COR_NOME_CASA, escuro), QStringLiteral("casas"));
        // The Moon and the Black Moon share a glyph: in this scheme they differ clearly.
        QVERIFY(Contraste(CorQt(CorCorpo(ac, 1, 0, escuro)), CorQt(CorCorpo(ac, 11, 0, escuro))) >= 1.5);
        // The default scheme keeps the tables' colours.
        QCOMPARE(CorCorpo(EsquemaCores::Predefinido, 0, RGBCor(192, 192, 0), escuro), RGBCor(192, 192, 0));
        QCOMPARE(CorSigno(EsquemaCores::Predefinido, 2, RGBCor(255, 255, 0), escuro), RGBCor(255, 255, 0));
    }

    void altoContrastePintado() {
        // The Sun, yellow in the tables (1.9:1 on white), is painted at 3:1 or better, on the
        // wheel and as the grid's row header.
        EscondeTodos(m);
        m.Corpo(0).Mostrado = true;
        for (EsquemaCores esquema : {EsquemaCores::Predefinido, EsquemaCores::AltoContraste}) {
            OpcoesRodaActuais().esquema = esquema;
            QImage roda = ImagemBranca(600, 600, 2.0);
            const QRectF caixa = Desenha(roda, m).disposicao.corpos.at(0).caixaGlifo;
            QImage grelha = ImagemBranca(TamanhoGrelha().width(), TamanhoGrelha().height(), 2.0);
            Superficie s(grelha);
            const double h = DrawAspectGrid(s);
            s.Termina();
            const bool contrastado = esquema == EsquemaCores::AltoContraste;
            QCOMPARE(ContrasteDaTinta(roda, caixa) >= 3.0, contrastado);
            QCOMPARE(ContrasteDaTinta(grelha, QRectF(1, h + 1, h - 2, h - 2)) >= 3.0, contrastado);
        }
    }
};

QTEST_MAIN(TestDisposicao)
#include "test_disposicao.moc"
