// Planetary theory: the worked J2000 positions, the Kepler and quadrant arithmetic and the
// element table's cursor.
#include "efemerides.h"
#include "planetas.h"

#include <QTest>
#include <cmath>
#include <stdexcept>

namespace {
constexpr double PI = 3.14159265358979;
// The worked positions for 2000-01-01 12h UT are given to 0.01°.
constexpr double TOL_J2000_GRAUS = 0.005;

double DiferencaAngular(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return std::min(d, 360.0 - d);
}
} // namespace

class TestPlanetas : public QObject {
    Q_OBJECT
private slots:
    void j2000_data();
    void j2000();
    void kepler_data();
    void kepler();
    void anomaliaEm180Graus();
    void quadrantes_data();
    void quadrantes();
    void plutaoContinuoEm061();
    void cursorLeNaOrdem();
    void cursorForaDaTabela();
    void longitudesSempreReduzidas();
};

void TestPlanetas::j2000_data() {
    QTest::addColumn<int>("corpo");
    QTest::addColumn<double>("longitude");
    QTest::newRow("Sol") << 0 << 280.38;
    QTest::newRow("Mercurio") << 2 << 271.91;
    QTest::newRow("Venus") << 3 << 241.58;
    QTest::newRow("Marte") << 4 << 327.98;
    QTest::newRow("Jupiter") << 5 << 25.27;
    QTest::newRow("Saturno") << 6 << 40.38;
    QTest::newRow("Urano") << 7 << 314.83;
    QTest::newRow("Neptuno") << 8 << 303.22;
    QTest::newRow("Plutao") << 9 << 251.44;
}

void TestPlanetas::j2000() {
    QFETCH(int, corpo);
    QFETCH(double, longitude);
    RegistoTempo t;
    t.dia = 1;
    t.mes = 1;
    t.ano = 2000;
    t.hora = 12;
    const ResultadoEfemerides r = CorreEfemerides(t, RegistoLugar{});
    const double obtida = r.longitudes[static_cast<size_t>(corpo)];
    QVERIFY2(DiferencaAngular(obtida, longitude) <= TOL_J2000_GRAUS,
             qPrintable(QString::number(obtida, 'f', 4)));
}

// Ten fixed-point steps leave a residual of about e^10 of the first error.
void TestPlanetas::kepler_data() {
    QTest::addColumn<double>("M");
    QTest::addColumn<double>("e");
    QTest::addColumn<double>("tolerancia");
    QTest::newRow("circular") << 1.0 << 0.0 << 0.0;
    QTest::newRow("Terra") << 2.0 << 0.016751 << 1e-15;
    QTest::newRow("Mercurio") << 0.5 << 0.205614 << 1e-7;
    QTest::newRow("Plutao") << 4.0 << 0.24864 << 1e-6;
}

void TestPlanetas::kepler() {
    QFETCH(double, M);
    QFETCH(double, e);
    QFETCH(double, tolerancia);
    const double E = ResolveKepler(M, e);
    QVERIFY(std::fabs(E - e * std::sin(E) - M) <= tolerancia);
}

void TestPlanetas::anomaliaEm180Graus() {
    // tan(E/2) is infinite there; the true anomaly is E itself.
    const double E = ResolveKepler(PI, 0.2);
    QCOMPARE(AnomaliaVerdadeira(PI, E, 0.2), E);
    const double quase = PI * (1 + 1e-7);
    QCOMPARE(AnomaliaVerdadeira(quase, 3.0, 0.2), 3.0);
    // Just outside the guard the usual formula answers, within [0, 2π).
    const double fora = 179.9 * PI / 180.0;
    const double nu = AnomaliaVerdadeira(fora, ResolveKepler(fora, 0.2), 0.2);
    QVERIFY(nu >= 0 && nu < 2 * PI);
}

void TestPlanetas::quadrantes_data() {
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("angulo");
    QTest::newRow("primeiro") << 1.0 << 1.0 << PI / 4;
    QTest::newRow("segundo") << 1.0 << -1.0 << 3 * PI / 4;
    QTest::newRow("terceiro") << -1.0 << -1.0 << 5 * PI / 4;
    QTest::newRow("quarto") << -1.0 << 1.0 << 7 * PI / 4;
    QTest::newRow("eixo y") << 1.0 << 0.0 << PI / 2;
}

void TestPlanetas::quadrantes() {
    QFETCH(double, y);
    QFETCH(double, x);
    QFETCH(double, angulo);
    QVERIFY(std::fabs(AnguloNoQuadrante(y, x) - angulo) < 1e-12);
}

void TestPlanetas::plutaoContinuoEm061() {
    QCOMPARE(CorreccaoEmpirica(8, 0.61), 0.0);
    QCOMPARE(CorreccaoEmpirica(8, 0.3), 0.0);
    QVERIFY(std::fabs(CorreccaoEmpirica(8, 0.61 + 1e-9)) < 1e-8);
    // Hand value: −(0.4 × (1 − 1.61) + 0.4) − 0.04 sin(2π × 0.39 / 2.48) = −0.156 − 0.0334.
    QVERIFY(std::fabs(CorreccaoEmpirica(8, 1.0) - (-0.156 - 0.04 * std::sin(2 * PI * 0.39 / 2.48))) < 1e-12);
    QCOMPARE(CorreccaoEmpirica(4, 1.0), 0.0);
}

void TestPlanetas::cursorLeNaOrdem() {
    const TabelaElementos tabela = PreencheTabelaElementos();
    CursorElementos c(tabela, 4);
    QCOMPARE(c.Polinomio(0.0), 225.32833);         // M
    QCOMPARE(c.Polinomio(1.0), 0.04833 + 0.00016); // e
    QCOMPARE(c.SemiEixo(), 5.202561);
    QCOMPARE(c.Polinomio(0.0), 273.27754);              // ω
    QCOMPARE(c.Polinomio(0.0), 99.44338);               // Ω
    QCOMPARE(c.Polinomio(2.0), 1.30874 - 0.005696 * 2); // i
}

void TestPlanetas::cursorForaDaTabela() {
    const TabelaElementos tabela = PreencheTabelaElementos();
    CursorElementos c(tabela, 0);
    c.Polinomio(0);
    c.Polinomio(0);
    c.SemiEixo();
    c.Polinomio(0);
    c.Polinomio(0);
    c.Polinomio(0);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, c.Polinomio(0));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, CursorElementos(tabela, 9));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, CursorElementos(tabela, -1));
}

void TestPlanetas::longitudesSempreReduzidas() {
    const TabelaElementos tabela = PreencheTabelaElementos();
    for (double T = -3.0; T <= 3.0; T += 0.0007) {
        const ResultadoPlanetas r = CalculaPlanetas(tabela, T);
        QVERIFY(r.sol >= 0 && r.sol < 360);
        for (int b = 1; b < N_LINHAS_ELEMENTOS; ++b) {
            const double g = r.geocentrica[static_cast<size_t>(b)];
            QVERIFY2(std::isfinite(g) && g >= 0 && g < 360,
                     qPrintable(QStringLiteral("T=%1 linha %2").arg(T).arg(b)));
        }
    }
}

QTEST_APPLESS_MAIN(TestPlanetas)
#include "test_planetas.moc"
