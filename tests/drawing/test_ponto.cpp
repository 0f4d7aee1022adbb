// Ponto: cartesian and polar forms, rotation and angle conversion. Reference values by hand.
#include "ponto.h"

#include <QTest>
#include <cmath>

namespace {
constexpr double PI = 3.14159265358979323846;
constexpr double TOL = 1e-12; // floating-point round-off only
} // namespace

class TestPonto : public QObject {
    Q_OBJECT
private slots:
    void setPoint_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("raio");
        QTest::addColumn<double>("teta");
        QTest::newRow("origem: Teta π/2") << 0.0 << 0.0 << 0.0 << PI / 2;
        QTest::newRow("(-3, 4)") << -3.0 << 4.0 << 5.0 << std::atan2(4.0, -3.0);
        QTest::newRow("(3, 4)") << 3.0 << 4.0 << 5.0 << std::atan2(4.0, 3.0);
        QTest::newRow("(-3, -4)") << -3.0 << -4.0 << 5.0 << std::atan2(-4.0, -3.0);
        QTest::newRow("(3, -4)") << 3.0 << -4.0 << 5.0 << std::atan2(-4.0, 3.0);
        QTest::newRow("eixo y positivo") << 0.0 << 2.0 << 2.0 << PI / 2;
        QTest::newRow("eixo y negativo") << 0.0 << -2.0 << 2.0 << -PI / 2;
        QTest::newRow("eixo x negativo") << -2.0 << 0.0 << 2.0 << PI;
    }
    void setPoint() {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(double, raio);
        QFETCH(double, teta);
        Ponto p;
        p.SetPoint(x, y);
        QVERIFY(std::fabs(p.Raio() - raio) < TOL);
        QVERIFY(std::fabs(p.Teta() - teta) < TOL);
        QVERIFY(std::fabs(p.x() - x) < TOL);
        QVERIFY(std::fabs(p.y() - y) < TOL);
    }

    void novoEhZero() {
        const Ponto p;
        QCOMPARE(p.Raio(), 0.0);
        QCOMPARE(p.Teta(), 0.0);
    }

    void rotacaoNaoReduz() {
        Ponto p;
        p.SetPoint(10.0, 0.0);
        for (int k = 0; k < 12; ++k)
            p.Rotate(30);
        QVERIFY(std::fabs(p.Teta() - 2 * PI) < TOL);
        QVERIFY(std::fabs(p.x() - 10.0) < 1e-9);
        p.Rotate(-450);
        QVERIFY(std::fabs(p.Teta() - (2 * PI - 2.5 * PI)) < TOL);
    }

    void rotacaoPositivaVaiParaY() {
        Ponto p;
        p.SetPoint(1.0, 0.0);
        p.Rotate(90);
        QVERIFY(std::fabs(p.y() - 1.0) < TOL);
        QVERIFY(std::fabs(p.x()) < TOL);
    }

    void coorTrans_data() {
        QTest::addColumn<double>("valor");
        QTest::addColumn<int>("modo");
        QTest::addColumn<double>("esperado");
        QTest::newRow("180 modo 2 = π") << 180.0 << 2 << PI;
        QTest::newRow("π modo 1 = 180") << PI << 1 << 180.0;
        QTest::newRow("90 modo 0 = π/2") << 90.0 << 0 << PI / 2;
        QTest::newRow("-30 modo 7") << -30.0 << 7 << -PI / 6;
    }
    void coorTrans() {
        QFETCH(double, valor);
        QFETCH(int, modo);
        QFETCH(double, esperado);
        QVERIFY(std::fabs(Ponto::CoorTrans(valor, static_cast<int16_t>(modo)) - esperado) < TOL);
    }

    void vectores() {
        Ponto a, b, v;
        a.SetPoint(1.0, 2.0);
        b.SetPoint(-4.0, 6.0);
        v.OrgVector(a, b);
        QVERIFY(std::fabs(v.x() + 5.0) < TOL && std::fabs(v.y() - 4.0) < TOL);
        v.AddVector(a);
        QVERIFY(std::fabs(v.x() + 4.0) < TOL && std::fabs(v.y() - 6.0) < TOL);
        v.MinusVector(b);
        QVERIFY(std::fabs(v.Raio()) < TOL);
        Ponto c;
        c.CopyPoint(b);
        QVERIFY(std::fabs(c.x() + 4.0) < TOL && std::fabs(c.y() - 6.0) < TOL);
    }
};

QTEST_APPLESS_MAIN(TestPonto)
#include "test_ponto.moc"
