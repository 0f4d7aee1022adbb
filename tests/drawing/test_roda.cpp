// The wheel and the aspect grid rendered offscreen: geometry from the drawing rules and the
// facts they state checked on the pixels; crowded layouts where nothing prints over anything
// else; the wheel's options; the dominant planets the redraw marks.
#include "dominantes.h"
#include "fontes.h"
#include "grelha.h"
#include "mapateste.h"
#include "opcoesroda.h"

#include <QDir>
#include <QFontInfo>
#include <QTest>
#include <set>

using namespace teste;

Q_DECLARE_METATYPE(std::vector<double>)

namespace {
// How far a label may end up from its point in a crowded wheel. GDI (Windows) measures the glyph
// font a little larger than FreeType, so the crowded wheels spread a pixel or two further.
#ifdef Q_OS_WIN
constexpr double kLonge = 84.0;
#else
constexpr double kLonge = 80.0;
#endif
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

double Distancia(const GeometriaRoda& g, const QPointF& p) { return std::hypot(p.x() - g.centro.x(), p.y() - g.centro.y()); }
} // namespace

class TestRoda : public QObject {
    Q_OBJECT
    Mapa m;

    // Only body k shown, at longitude `graus`, drawn on a white square image.
    ResultadoDesenho SoCorpo(QImage& im, int k, double graus, int lado = 600, double dpr = 1.0) {
        EscondeTodos(m);
        m.Corpo(k).Mostrado = true;
        Posiciona(m, k, graus);
        im = ImagemBranca(lado, lado, dpr);
        return Desenha(im, m);
    }

    QImage grelha;
    static constexpr double h = 18.0; // the grid's cell: one Sigil line at 18 pt and 96 dpi (24 px × 0.75 em)
    // Bodies apart at 7° steps under zero orbs, then i at 300° and j `separacao` further on, which
    // makes no other aspect; the grid is drawn into `grelha`.
    ResultadoDesenho UmAspecto(int i, int j, double separacao) {
        grelha = ImagemBranca(TamanhoGrelha().width(), TamanhoGrelha().height());
        OrbesZero();
        MapaBase(m);
        Posiciona(m, i, 300.0);
        Posiciona(m, j, std::fmod(300.0 + separacao, 360.0));
        QImage roda = ImagemBranca(400, 400);
        Superficie sr(roda), sg(grelha);
        return RedrawChart(sr, &sg, m);
    }

private slots:
    void init() {
        OrbesActuais().CarregaPadrao();
        OpcoesRodaActuais() = OpcoesRoda{};
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
        QTest::addColumn<double>("mc"); QTest::addColumn<double>("zeroAries"); QTest::addColumn<int>("sectorCarneiro");
        QTest::newRow("Meio Céu em Carneiro") << 15.0 << 270.0 << 0;
        QTest::newRow("Meio Céu em Peixes") << 345.0 << 240.0 << 1;
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
    void contrasteSobreFiguraPreta() {
        // Over a black background picture every line turns white.
        QImage preto(600, 600, QImage::Format_RGB32);
        preto.fill(Qt::black);
        const QString caminho = QDir(QDir::tempPath()).filePath(QStringLiteral("natalis_fundo_preto.png"));
        QVERIFY(preto.save(caminho));
        OrbesZero(); // no chord but the Sun–Moon opposition, through the centre
        EscondeTodos(m);
        Posiciona(m, 0, 100.0);
        Posiciona(m, 1, 280.0);
        QImage im = ImagemBranca(600, 600);
        const ResultadoDesenho r = Desenha(im, m, true, caminho);
        const GeometriaRoda& g = r.geometria;
        QCOMPARE(g.contraste, RGBCor(255, 255, 255));
        auto traco = [&](double raio, double teta) { return MaximoVizinho(im, PontoRoda(g, raio, teta).x(), PontoRoda(g, raio, teta).y()) > 3 * 165; };
        const double meioCasas = (g.AspectRadius + g.ZodiacInnerRadius) / 2.0;
        QVERIFY(traco(g.OuterRadius, Rad(100.0))); // the rings, away from glyphs
        QVERIFY(traco(g.ZodiacInnerRadius, Rad(100.0)));
        QVERIFY(traco(g.AspectRadius, Rad(100.0)));
        QVERIFY(traco(g.ZodiacInnerRadius + 15.0, Rad(30.0)));                  // a sign boundary
        QVERIFY(traco(meioCasas, AnguloEcra(g, m.Cuspide(2).ValorRads())));     // an ordinary cusp
        QVERIFY(traco(20.0, AnguloEcra(g, m.Corpo(0).Posicao().ValorRads()))); // the chord
        // Angular cusps stay light blue whatever the background.
        const QPointF mc = PontoRoda(g, meioCasas, AnguloEcra(g, m.Cuspide(10).ValorRads()));
        QVERIFY(ContaCor(im, QRectF(mc.x() - 2, mc.y() - 2, 5, 5), QColor(132, 169, 219), 45, Qt::black) > 0);
        // Nothing where no line passes.
        const QPointF vazio = PontoRoda(g, 60.0, Rad(10.0));
        QCOMPARE(MaximoVizinho(im, vazio.x(), vazio.y(), 3), 0);
    }
    void cordasColoridas_data() {
        QTest::addColumn<double>("separacao"); QTest::addColumn<QColor>("cor"); QTest::addColumn<int>("orbe");
        QTest::newRow("sextil verde") << 60.0 << QColor(0, 255, 0) << 0;
        QTest::newRow("quadratura vermelha") << 90.0 << QColor(255, 0, 0) << 0;
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
        // On tracks 10 pixels apart, one keeps the degree; the other stands aside with a leader
        // line back to the same degree, which leaves the first's glyph clear; each in its colour.
        QPERTO(sol.raio, RaioCorpo(r.geometria, 0));
        QVERIFY(lua.raio - sol.raio > 10.0); // (257 − 128.5 − 14) / 11 per track
        QCOMPARE(r.disposicao.corpos.at(1).tetaExacto, r.disposicao.corpos.at(0).tetaExacto);
        QCOMPARE(r.disposicao.corpos.at(0).comGuia + r.disposicao.corpos.at(1).comGuia, 1);
        QVERIFY(ContaCor(im, QRectF(sol.canto, QSizeF(15, 15)), QColor(192, 192, 0)) > 3);
        QVERIFY(ContaCor(im, QRectF(lua.canto, QSizeF(15, 15)), QColor(128, 128, 128)) > 3);
        // The marker: its tip 5 pixels beyond the glyph's corner, square.
        const QRectF marca = r.lblplanetMark.at(0).rect;
        QCOMPARE(r.lblplanetMark.at(0).dica, QStringLiteral("Sol a 15 de Touro"));
        QPERTO(marca.left(), sol.canto.x() - 5.0);
        QCOMPARE(marca.width(), marca.height());
    }
    void nodoSulEParteFortuna() {
        QImage im;
        const ResultadoDesenho r = SoCorpo(im, 10, 10.5); // 10º Carneiro: the South Node in Libra
        QCOMPARE(r.lblplanetMark.at(MARCADOR_NODO_SUL).dica, QStringLiteral("Nodo Lunar Sul a 10 de Balança"));
        QCOMPARE(r.glifos.size(), size_t(2));
        QPERTO(std::cos(r.glifos[1].teta - r.glifos[0].teta), -1.0); // opposite, on the same track
        QCOMPARE(r.glifos[1].raio, r.glifos[0].raio);
        // The Part of Fortune keeps its own fixed track, whatever the size.
        const ResultadoDesenho f = SoCorpo(im, 12, 30.0, 300);
        QCOMPARE(f.glifos.at(0).raio, RAIO_PARTE_FORTUNA);
        const QPointF p = PontoRoda(f.geometria, 165.0, f.glifos[0].teta);
        QPERTO(f.glifos[0].canto.x(), p.x() - 6.0);
        QPERTO(f.glifos[0].canto.y(), p.y() - 6.0);
        QVERIFY(ContaCor(im, QRectF(f.glifos[0].canto, QSizeF(12, 12)), QColor(180, 10, 200)) > 3);
    }
    void nadaSeSobrepoe_data() {
        QTest::addColumn<double>("mc");
        QTest::addColumn<std::vector<double>>("graus"); // bodies 0..12, then any optional points; negative keeps the base place
        QTest::addColumn<int>("retrogrados");           // bit i: body i (13 + k: point k) retrograde
        QTest::addColumn<bool>("ascendenteEsquerda");
        QTest::addColumn<bool>("guiasLivres"); // no leader crosses another body's box
        QTest::addColumn<int>("menor");        // the smallest wheel tried at scale factor 2
        const struct { const char* nome; double mc; std::vector<double> graus; int retro; bool guiasLivres = true; int menor = 370; } mapas[] = {
            // The node on the Ascendant (houses from MC 0°: Ascendant at 90°), the Black Moon beside it.
            {"nodo sobre o Ascendente", 0.0, {200, 230, 250, 300, 320, 340, 10, 40, 60, 170, 90.4, 91.5, 92}, 1 << 10},
            // A body where each label of the first, fourth, seventh and tenth houses would go.
            {"corpos sobre os rótulos", 0.0, {2, 93, 182, 273, 33, 123, 212, 303, 60, 150, 242, 330, 95}, 0b1000100010},
            // Thirteen bodies within 11° leave no clear way for every leader; below 600 pixels they
            // take the tenth cusp's whole length, and its label goes in to the aspect circle.
            {"estélio sobre 0° Carneiro, tudo retrógrado", 15.0, {355, 357, 358.5, 0.5, 2, 3, 4, 359, 1, 6, 356, 5, 2.5}, 0x1FFF, false, 600},
            // February 1962: seven bodies in Aquarius (positions read from a printed ephemeris).
            {"Fevereiro de 1962", 125.0, {315.6, 315.9, 316.5, 317.4, 302.2, 318.9, 303.4, 239.0, 222.5, 161.4, 137.6, 150.0, 180.0}, 0b1100000100, true, 480},
            // The same with the eight optional points in the stellium and by the Ascendant: some
            // leaders then have no clear way.
            {"Fevereiro de 1962 com os pontos", 125.0, {315.6, 315.9, 316.5, 317.4, 302.2, 318.9, 303.4, 239.0, 222.5, 161.4, 137.6, 150.0,
                                                        180.0, 316.2, 317.0, 314.8, 318.1, 303.0, 151.0, 137.0, 216.0}, 0b1010101 << 13, false, 480},
            // Porto, 15/7/1950 14:30 (13:30 UT), from swetest: Sol, Lua and Mercúrio within 5° in
            // Câncer, Urano and Vénus near; the Part of Fortune from Ascendant 208.90°.
            {"Porto 15/7/1950", 124.386, {112.483, 116.606, 117.615, 81.427, 195.250, 336.902, 165.581, 96.272, 194.675, 137.031, 0.718, 50.516, 213.024}, (1 << 5) | (1 << 10)},
        };
        for (const auto& x : mapas)
            for (bool esquerda : {false, true})
                QTest::newRow(qPrintable(QString::fromUtf8(x.nome) + (esquerda ? ", Ascendente à esquerda" : ", anel fixo")))
                    << x.mc << x.graus << x.retro << esquerda << x.guiasLivres << x.menor;
    }
    void nadaSeSobrepoe() {
        QFETCH(double, mc); QFETCH(std::vector<double>, graus); QFETCH(int, retrogrados); QFETCH(bool, ascendenteEsquerda);
        QFETCH(bool, guiasLivres); QFETCH(int, menor);
        MapaBase(m, mc);
        const int pontos = int(graus.size()) - 13;
        for (int i = 0; i < 13 + pontos; ++i) {
            planeta& p = m.CorpoComPontos(i < 13 ? i : PRIMEIRO_PONTO_EXTRA + i - 13);
            if (i >= 13) {
                const Simbolos::InfoCorpo info = Simbolos::BodyInfo(int16_t(PRIMEIRO_PONTO_EXTRA + i - 12));
                p.Nome = info.nome, p.Glifo = info.glifo, p.Mostrado = true;
            }
            if (graus[size_t(i)] >= 0.0) p.Posicao().setValorRads(Rad(graus[size_t(i)]));
            p.Retrogrado = (retrogrados >> i) & 1;
        }
        OpcoesRodaActuais().ascendenteEsquerda = ascendenteEsquerda;
        // The window's sizes, on a screen at scale factor 1 and 2.
        for (const auto& [lado, escala] : {std::pair{600, 1.0}, {480, 1.0}, {480, 2.0}, {400, 2.0}, {370, 2.0}}) {
            if (lado < menor) continue;
            const QString onde = QStringLiteral("%1 px, escala %2").arg(lado).arg(escala);
            QImage im = ImagemBranca(lado, lado, escala);
            const ResultadoDesenho r = Desenha(im, m);
            const GeometriaRoda& g = r.geometria;
            QCOMPARE(int(r.disposicao.corpos.size()), 14 + pontos); // 13 bodies, the South Node, the points
            // Signs, a glyph and a degree per body, the retrograde marks (the South Node's with
            // the Node's, none for the Part of Fortune), house labels.
            const std::vector<QRectF> caixas = r.disposicao.todas();
            QCOMPARE(int(caixas.size()), 12 + (14 + pontos) * 2 + std::popcount(unsigned(retrogrados & ~0x1000)) + ((retrogrados >> 10) & 1) + 12);
            for (size_t a = 0; a < caixas.size(); ++a) {
                QVERIFY(!caixas[a].isEmpty());
                for (size_t b = a + 1; b < caixas.size(); ++b)
                    QVERIFY2(!caixas[a].intersects(caixas[b]), qPrintable(QStringLiteral("caixas %1 e %2 em %3").arg(a).arg(b).arg(onde)));
            }
            // Every spread glyph keeps its track and a leader to its degree; degrees and
            // retrograde marks stay out of the aspect circle, each nearer its own glyph than any
            // other; no leader crosses another body's box or a house label.
            auto longe = [](const QRectF& a, const QRectF& b) {
                return std::hypot(std::max({0.0, a.left() - b.right(), b.left() - a.right()}),
                                  std::max({0.0, a.top() - b.bottom(), b.top() - a.bottom()}));
            };
            for (const CorpoDisposto& c : r.disposicao.corpos) {
                const QString quem = QStringLiteral("corpo %1 em %2").arg(c.elemento).arg(onde);
                QVERIFY(std::fabs(Distancia(g, c.exacto) - c.raio) < 1e-6);
                const double arco = QLineF(c.ponto, c.exacto).length();
                QVERIFY(std::fabs(Distancia(g, c.ponto) - c.raio) < 10.0 + 1e-6); // on its track, or two steps off
                QCOMPARE(c.comGuia, arco > DESVIO_COM_GUIA && !c.caixaGlifo.contains(c.exacto));
                QVERIFY2(arco < kLonge, qPrintable(quem));
                for (const QRectF& q : {c.caixaGrau, c.caixaRetrogrado}) {
                    for (const QPointF& p : {q.topLeft(), q.topRight(), q.bottomLeft(), q.bottomRight()})
                        QVERIFY(q.isEmpty() || Distancia(g, p) >= g.AspectRadius);
                    for (const CorpoDisposto& o : r.disposicao.corpos)
                        QVERIFY2(q.isEmpty() || &o == &c || longe(q, o.caixaGlifo) > longe(q, c.caixaGlifo), qPrintable(quem));
                }
                // The leader, at every tenth of a pixel, inside no other body's box nor a label.
                for (double t = 0.0; c.comGuia && guiasLivres && t <= 1.0; t += 0.1 / QLineF(c.exacto, c.fimGuia).length())
                    for (const CorpoDisposto& o : r.disposicao.corpos)
                        for (const QRectF& q : {o.caixaGlifo, o.caixaGrau, o.caixaRetrogrado, r.rotulosCasas[o.elemento % 12]}) // every label once
                            QVERIFY2(&o == &c || !q.adjusted(0.5, 0.5, -0.5, -0.5).contains(c.exacto + t * (c.fimGuia - c.exacto)), qPrintable(quem));
            }
            // Each house label stays by its own cusp's outer end, inside the zodiac ring and out
            // of the aspect circle, where the aspects' lines are.
            for (int h = 0; h < 12; ++h) {
                const QRectF rotulo = r.rotulosCasas[h];
                const QString casa = QStringLiteral("casa %1 em %2").arg(h + 1).arg(onde);
                QVERIFY2(QLineF(rotulo.center(), PontoRoda(g, g.ZodiacInnerRadius, r.disposicao.casas[h].teta)).length() < kLonge, qPrintable(casa));
                for (const QPointF& p : {rotulo.topLeft(), rotulo.topRight(), rotulo.bottomLeft(), rotulo.bottomRight()})
                    QVERIFY2(Distancia(g, p) <= g.ZodiacInnerRadius && Distancia(g, p) >= g.AspectRadius, qPrintable(casa));
            }
            // Each body and point on a track of its own; the Part of Fortune has its fixed radius.
            std::set<double> pistas;
            for (const CorpoDisposto& c : r.disposicao.corpos)
                if (c.elemento != MARCADOR_NODO_SUL) pistas.insert(std::round(c.raio * 1000));
            QCOMPARE(int(pistas.size()), 13 + pontos);
            if (pontos) QCOMPARE(r.lblplanetMark.at(PRIMEIRO_PONTO_EXTRA).dica, QString::fromUtf8("Quíron a 16 de Aquário"));
        }
    }
    void caixasCobremATinta_data() {
        QTest::addColumn<int>("corpo");
        QTest::newRow("Mercúrio retrógrado") << 2;
        QTest::newRow("Nodo e Nodo Sul") << 10;
        QTest::newRow("Parte Fortuna") << 12;
    }
    void caixasCobremATinta() {
        // The boxes are where the ink is: every pixel of the body's own colour lies in them.
        QFETCH(int, corpo);
        m.Corpo(corpo).Cor = RGBCor(255, 0, 255);
        m.Corpo(corpo).Retrogrado = corpo == 2;
        QImage im;
        const ResultadoDesenho r = SoCorpo(im, corpo, 137.0, 600, 2.0);
        const QColor magenta(255, 0, 255);
        const int total = ContaCor(im, QRectF(0, 0, 600, 600), magenta);
        int dentro = 0;
        for (const CorpoDisposto& c : r.disposicao.corpos) dentro += ContaCor(im, c.caixaGlifo, magenta) + ContaCor(im, c.caixaGrau, magenta);
        QVERIFY(total > 20);
        QCOMPARE(dentro, total);
        if (corpo != 2) return;
        const CorpoDisposto& c = r.disposicao.corpos.at(0);
        QVERIFY(c.caixaRetrogrado.left() >= c.caixaGrau.right()); // beside the degree, not over it
        QVERIFY(MinimoVizinho(im, c.caixaRetrogrado.center().x(), c.caixaRetrogrado.center().y(), 3) < ESCURO);
    }
    void ascendenteAEsquerda_data() {
        QTest::addColumn<double>("mc"); QTest::addColumn<double>("ascendente");
        QTest::newRow("Ascendente 23° Carneiro") << 290.0 << 23.0;
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
        QVERIFY2(std::fabs(r.disposicao.casas[0].teta - Rad(180.0)) <= Rad(0.5), qPrintable(QString::number(r.disposicao.casas[0].teta)));
        // On the pixels: the light-blue Ascendant cusp crosses the left horizontal, and 0° of
        // its sign lies its degrees clockwise of it.
        const double meio = (g.AspectRadius + g.ZodiacInnerRadius) / 2.0;
        QVERIFY(ContaCor(im, QRectF(g.centro.x() - meio - 2, g.centro.y() - 2, 5, 5), QColor(132, 169, 219)) > 0);
        const QPointF fronteira = PontoRoda(g, g.ZodiacInnerRadius + 15.0, Rad(180.0 + std::fmod(ascendente, 30.0)));
        QVERIFY(MinimoVizinho(im, fronteira.x(), fronteira.y()) < ESCURO);
    }
    void marcasDeGrau() {
        EscondeTodos(m);
        for (bool ligadas : {true, false}) {
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
        }
    }
    void altoContraste() {
        // Every colour of the scheme stands at 3:1 or better on light and dark backgrounds.
        const EsquemaCores ac = EsquemaCores::AltoContraste;
        for (const QColor& fundo : {QColor(Qt::white), QColor(Qt::black), QColor(250, 240, 210), QColor(20, 30, 70)}) {
            const bool escuro = FundoEscuro(CorDeQt(fundo));
            QCOMPARE(escuro, fundo.lightness() < 128);
            auto verifica = [&](CorRGB cor, const QString& oque) {
                QVERIFY2(Contraste(CorQt(cor), fundo) >= 3.0, qPrintable(oque + " em " + fundo.name()));
            };
            for (int i = 0; i < 13; ++i) verifica(CorCorpo(ac, i, Simbolos::BodyInfo(int16_t(i + 1)).cor, escuro), Simbolos::BodyInfo(int16_t(i + 1)).nome);
            for (int s = 0; s < 12; ++s) verifica(CorSigno(ac, s, Simbolos::SignInfo(int16_t(s)).cor, escuro), Simbolos::SignInfo(int16_t(s)).nome);
            for (int tipo : TIPOS_ASPECTO) verifica(CorAspecto(ac, tipo, Simbolos::AspectInfo(tipo).cor, escuro), Simbolos::AspectInfo(tipo).nome);
            verifica(CorRotuloCasa(ac, COR_NOME_CASA, escuro), QStringLiteral("casas"));
            QVERIFY(Contraste(CorQt(CorCorpo(ac, 1, 0, escuro)), CorQt(CorCorpo(ac, 11, 0, escuro))) >= 1.5); // Moon, Black Moon: one glyph
            QCOMPARE(CorCorpo(EsquemaCores::Predefinido, 0, RGBCor(192, 192, 0), escuro), RGBCor(192, 192, 0)); // the tables' own
        }
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
            QCOMPARE(ContrasteDaTinta(roda, caixa) >= 3.0, esquema == EsquemaCores::AltoContraste);
            QCOMPARE(ContrasteDaTinta(grelha, QRectF(1, h + 1, h - 2, h - 2)) >= 3.0, esquema == EsquemaCores::AltoContraste);
        }
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
    void celula_data() {
        QTest::addColumn<int>("i"); QTest::addColumn<int>("j"); QTest::addColumn<double>("separacao"); QTest::addColumn<QColor>("cor");
        QTest::newRow("Sol trígono Lua") << 0 << 1 << 120.0 << QColor(0, 0, 255);
        QTest::newRow("Marte quadratura Plutão") << 4 << 9 << 90.0 << QColor(255, 0, 0);
        QTest::newRow("Lua Negra conjunção Parte Fortuna") << 11 << 12 << 0.0 << QColor(192, 192, 0);
        QTest::newRow("Sol conjunção Parte Fortuna") << 0 << 12 << 0.0 << QColor(192, 192, 0);
    }
    void celula() {
        QFETCH(int, i); QFETCH(int, j); QFETCH(double, separacao); QFETCH(QColor, cor);
        const ResultadoDesenho r = UmAspecto(i, j, separacao);
        QCOMPARE(int(r.aspectos.size()), 1);
        QCOMPARE(TamanhoGrelha(), QSize(13 * 18 + 1, 13 * 18 + 1));
        QCOMPARE(r.unidadeGrelha, h);
        // The rule: x = (13 − j)·h, y = (i + 1)·h − 2, one cell high; the glyph's ink lies there
        // and nowhere else inside the staircase.
        const QRectF celula((13 - j) * h, (i + 1) * h - 2, h, h), interior(h + 1, h + 1, 12 * h, 12 * h);
        QCOMPARE(PosicaoCelula(h, i, j), celula.topLeft());
        const int dentro = ContaCor(grelha, celula.intersected(interior), cor);
        QVERIFY2(dentro > 5, "sem glifo na célula");
        QCOMPARE(ContaCor(grelha, interior, cor), dentro);
    }
    void regrasNaMesmaUnidade() {
        UmAspecto(0, 1, 120.0);
        for (int k = 1; k <= 13; ++k) {
            // Rules at x = k·h down to the bottom of their column, at y = k·h out to the end of their row.
            QVERIFY(MinimoVizinho(grelha, k * h, h / 2) < ESCURO);
            QVERIFY(MinimoVizinho(grelha, k * h, (14 - k) * h - 2) < ESCURO);
            QVERIFY(MinimoVizinho(grelha, h / 2, k * h) < ESCURO);
            QVERIFY(MinimoVizinho(grelha, (14 - k) * h - 2, k * h) < ESCURO);
        }
        QCOMPARE(MinimoVizinho(grelha, 6.5 * h, 12.5 * h, 3), 3 * 255); // below the staircase: blank
    }
    void hover_data() {
        QTest::addColumn<double>("x"); QTest::addColumn<double>("y"); QTest::addColumn<int>("linha");
        QTest::addColumn<int>("coluna"); QTest::addColumn<bool>("pergunta"); QTest::addColumn<QString>("dica");
        // Cell centres: column position k gives c = 14 − k, row position r gives r.
        QTest::newRow("célula do aspecto Sol–Lua") << 12.5 * h << 1.5 * h << 1 << 2 << true << "Sol em Trigono com Lua";
        QTest::newRow("célula vazia: nome do corpo da linha") << 5.5 * h << 1.5 * h << 1 << 9 << true << "Sol";
        QTest::newRow("coluna de cabeçalho") << 0.5 * h << 3.5 * h << 3 << 14 << false << "Mercúrio";
        QTest::newRow("canto do cabeçalho") << 0.5 * h << 0.5 * h << 0 << 14 << false << QString();
    }
    void hover() {
        QFETCH(double, x); QFETCH(double, y); QFETCH(int, linha); QFETCH(int, coluna); QFETCH(bool, pergunta);
        QFETCH(QString, dica);
        UmAspecto(0, 1, 120.0);
        const DicaGrelha d = HoverGrelha(m, h, x, y);
        QCOMPARE(d.linha, linha);
        QCOMPARE(d.coluna, coluna);
        QCOMPARE(d.perguntaAspecto, pergunta);
        QCOMPARE(d.dica, dica);
        QCOMPARE(FindAspect(m, 2, 1), QString()); // the pair is stored once, first body first
    }
};

QTEST_MAIN(TestRoda)
#include "test_roda.moc"
