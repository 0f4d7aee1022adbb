// Synastry: midpoints, inter-aspects under the synastry orbs, house overlays, and the
// composite and Davison charts (the Davison's sky checked against swetest).
#include "ferramentas.h"
#include "aspectos.h"
#include "normaliza.h"
#include "sinastria.h"
#include "swetest.h"

#include <QTest>

namespace {
// A person with every point at 0° unless set, and equal houses from `asc`.
Pessoa pessoa(const QString& nome, std::initializer_list<std::pair<int, double>> pontos, double asc = 0.0) {
    Pessoa p;
    p.nome = nome;
    for (auto [i, g] : pontos)
        p.pontos[size_t(i)] = g;
    for (int h = 1; h <= 12; ++h)
        p.cuspides[size_t(h)] = Reduz360Graus(asc + 30.0 * (h - 1));
    p.pontos[PONTO_ASC] = asc;
    p.pontos[PONTO_MC] = Reduz360Graus(asc + 270.0);
    return p;
}
double graus(const QString& texto) { return NormalizaPosicao(texto).valor; }
} // namespace

class TestSinastria : public QObject {
    Q_OBJECT
private slots:
    void pontoMedio_data() {
        QTest::addColumn<double>("a"); QTest::addColumn<double>("b"); QTest::addColumn<double>("medio");
        QTest::newRow("arco simples") << 100.0 << 200.0 << 150.0;
        QTest::newRow("através de 0º Carneiro") << 350.0 << 20.0 << 5.0;
        QTest::newRow("através de 0º, inverso") << 20.0 << 350.0 << 5.0;
        QTest::newRow("arco menor passa por 0º") << 300.0 << 100.0 << 20.0;
        QTest::newRow("opostos: 90º à frente do primeiro") << 10.0 << 190.0 << 100.0;
    }
    void pontoMedio() {
        QFETCH(double, a); QFETCH(double, b); QFETCH(double, medio);
        QCOMPARE(PontoMedio(a, b), medio);
    }

    void aspectoEntre_data() {
        QTest::addColumn<double>("a"); QTest::addColumn<double>("b"); QTest::addColumn<double>("orbe");
        QTest::addColumn<int>("tipo"); QTest::addColumn<double>("distancia");
        QTest::newRow("fora da orbe") << 358.0 << 2.0 << 3.5 << 0 << 0.0;
        QTest::newRow("quadratura através de 0º") << 355.0 << 87.0 << 4.0 << ASPECTO_QUADRATURA << 2.0;
        QTest::newRow("sextil") << 30.0 << 331.0 << 4.0 << ASPECTO_SEXTIL << 1.0;
        QTest::newRow("a orbe no limite conta") << 0.0 << 124.0 << 4.0 << ASPECTO_TRIGONO << 4.0;
    }
    void aspectoEntre() {
        QFETCH(double, a); QFETCH(double, b); QFETCH(double, orbe); QFETCH(int, tipo); QFETCH(double, distancia);
        const InterAspecto x = AspectoEntre(a, b, orbe);
        QCOMPARE(x.tipo, tipo);
        QVERIFY(std::fabs(x.orbe - distancia) < 1e-9);
    }

    // Two charts checked by hand: the pair's orb is the larger of the two points' orbs, and
    // the list comes closest first.
    void interAspectosOrdenados() {
        const OrbesSinastria orbes = OrbesSinastria::Padrao();
        QVERIFY(orbes.Par(0, 5) == 6.0 && orbes.Par(3, 4) == 5.0 && orbes.Par(5, PONTO_ASC) == 4.0); // Sol–Júpiter: the Sun's
        // A: Sol 358º, Vénus 120º, Júpiter 200º, Asc 90º. B: Sol 3º30', Marte 302º, Saturno 24º30'.
        Pessoa a = pessoa("A", {{0, 358.0}, {3, 120.0}, {5, 200.0}}, 90.0);
        Pessoa b = pessoa("B", {{0, 3.5}, {4, 302.0}, {6, 24.5}}, 180.0);
        for (int i : {1, 2, 4, 6, 7, 8, 9, 10, 11}) a.pontos[size_t(i)] = 45.0 + i * 0.1; // out of the way
        for (int i : {1, 2, 3, 5, 7, 8, 9, 10, 11}) b.pontos[size_t(i)] = 150.0 + i * 0.1;
        const std::vector<InterAspecto> v = InterAspectos(a, b, orbes);
        auto achado = [&](int pa, int pb) {
            const auto i = std::find_if(v.begin(), v.end(), [&](const InterAspecto& x) { return x.a == pa && x.b == pb; });
            return i == v.end() ? nullptr : &*i;
        };
        auto tem = [&](int pa, int pb, int tipo, double orbe) {
            const InterAspecto* x = achado(pa, pb);
            return x && x->tipo == tipo && std::fabs(x->orbe - orbe) < 1e-9;
        };
        QVERIFY(tem(0, 0, ASPECTO_CONJUNCAO, 5.5)); // 358º–3º30' across 0º, within the Sun's 6º
        QVERIFY(tem(3, 4, ASPECTO_OPOSICAO, 2.0));  // 120º–302º
        QVERIFY(tem(3, 0, ASPECTO_TRIGONO, 3.5));   // 120º–3º30': 116º30'
        QVERIFY(!achado(5, 0));                     // 200º–3º30': 163º30', nothing
        QVERIFY(!achado(5, 6));                     // 200º–24º30': 4º30' beyond Júpiter's 4º
        QVERIFY(tem(0, PONTO_MC, ASPECTO_QUADRATURA, 2.0)); // 358º with B's Midheaven at 90º
        // Closest first, ties in the order of the points: A's Vénus sextile B's Ascendant exactly
        // comes before A's Ascendant square B's.
        QCOMPARE(std::pair(v[0].a, v[0].b), std::pair(3, PONTO_ASC));
        QCOMPARE(std::pair(v[1].a, v[1].b), std::pair(PONTO_ASC, PONTO_ASC));
        QVERIFY(std::is_sorted(v.begin(), v.end(), [](auto& x, auto& y) { return x.orbe < y.orbe; }));
    }

    // Equal houses of B from 350º: 5º is in I, 349º in XII, 20º in II; A's Asc in B's VII.
    void sobreposicoes() {
        const Pessoa a = pessoa("A", {{0, 5.0}, {1, 349.0}, {2, 20.0}}, 170.0);
        const Pessoa b = pessoa("B", {{0, 100.0}}, 350.0);
        const std::array<int, N_PONTOS> casas = Sobreposicoes(a, b);
        QCOMPARE((std::array{casas[0], casas[1], casas[2], casas[PONTO_ASC]}), (std::array{1, 12, 2, 7}));
        QCOMPARE(Sobreposicoes(b, a)[0], 10); // 100º in A's houses from 170º: the X runs 80º..110º
    }

    // The composite across 0º: every body at the midpoint on the shorter arc, the Midheaven
    // at the Midheavens' midpoint.
    void compostoAtravesDeZero() {
        Pessoa a = pessoa("Ana", {{0, 350.0}, {1, 100.0}, {4, 300.0}}, 85.0);
        Pessoa b = pessoa("Rui", {{0, 20.0}, {1, 200.0}, {4, 100.0}}, 105.0);
        a.jd = 2451545.0, b.jd = 2451546.0, a.latitude = 38.7, b.latitude = 41.1;
        a.pontos[PONTO_MC] = 355.0, b.pontos[PONTO_MC] = 15.0;
        CamposMapa c; Mapa m;
        MapaComposto(a, b, c, m);
        // 300º–100º for Marte: the shorter arc is through 0º; cusp X the Midheavens' midpoint.
        QCOMPARE((std::array{graus(c.PosPlaneta[0]), graus(c.PosPlaneta[1]), graus(c.PosPlaneta[4]), graus(c.PosCasas[0])}),
                 (std::array{5.0, 150.0, 20.0, 5.0}));
        QVERIFY(std::fabs(m.Cuspide(10).ValorGraus() - 5.0) < 1.0 / 3600.0);
        QVERIFY(std::fabs(Reduz180Graus(m.Cuspide(4).ValorGraus() - 185.0)) < 1.0 / 3600.0);
        // The Ascendant of that Midheaven at 39,9º N, by hand: RAMC = atan2(sin 5º cos ε, cos 5º).
        const double eps = 23.4393 * M_PI / 180.0, phi = 39.9 * M_PI / 180.0;
        const double ramc = std::atan2(std::sin(5.0 * M_PI / 180.0) * std::cos(eps), std::cos(5.0 * M_PI / 180.0));
        const double asc = Reduz360Graus(std::atan2(std::cos(ramc), -(std::sin(ramc) * std::cos(eps) + std::tan(phi) * std::sin(eps))) * 180.0 / M_PI);
        QVERIFY2(std::fabs(Reduz180Graus(m.Cuspide(1).ValorGraus() - asc)) < 0.02, qPrintable(QString::number(asc)));
    }

    // The Davison: the midpoint instant and place, across the date line and the equator, its
    // sky against swetest's at that instant.
    void davison() {
        const double lat = -5.0, lon = -175.0;
        Pessoa a = pessoa("A", {}), b = pessoa("B", {});
        a.jd = 2451545.0, b.jd = 2451547.0 + 1.0 / 1440; // 1/1/2000 12:00 UT, 3/1/2000 12:01 UT
        a.latitude = 10.0, a.longitudeLeste = 175.0, b.latitude = -20.0, b.longitudeLeste = -165.0;
        a.escolha.casas = SistemaCasas::Placidus;
        const InstanteLugar m = MeioDavison(a, b);
        QVERIFY(std::fabs(m.latitude - lat) < 1e-9 && std::fabs(m.longitudeLeste - lon) < 1e-9);
        CamposMapa c;
        Mapa mapa;
        QVERIFY(MapaDavison(a, b, c, mapa));
        QCOMPARE(c.txtNome, QStringLiteral("A & B (Davison)"));
        QCOMPARE(c.txtData + c.txtHora, QStringLiteral("2/1/200012h0'"));
        QVERIFY(std::fabs(NormalizaLatitude(c.txtLatitude).valor - lat) < 1.0 / 3600);
        QVERIFY(std::fabs(-15.0 * NormalizaLongitude(c.txtlongitude).valor - lon) < 1.0 / 3600);
        const auto s = CorreSwetest(QStringLiteral("2.1.2000"), QStringLiteral("12:00:30"), lat, lon, 'P');
        EXIGE_FERRAMENTA("swetest", "swetest");
        QVERIFY2(s, "swetest não correu");
        for (int i = 0; i < 10; ++i)
            QVERIFY2(std::fabs(Reduz180Graus(graus(c.PosPlaneta[size_t(i)]) - s->corpos[size_t(i)])) < 1.5 / 3600,
                     qPrintable(QString::number(i)));
        for (int h : {1, 11})
            QVERIFY(std::fabs(Reduz180Graus(mapa.Cuspide(h).ValorGraus() - s->cuspides[size_t(h)])) < 1.5 / 3600);
    }
};

QTEST_GUILESS_MAIN(TestSinastria)
#include "test_sinastria.moc"
