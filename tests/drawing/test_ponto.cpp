// Ponto: cartesian and polar forms, rotation and angle conversion. Reference values by hand.
#include "ponto.h"

#include <QTest>
#include <cmath>

namespace {
constexpr double PI = 3.14159265358979323846;
// Equal up to floating-point round-off.
#define PERTO(a, b) QVERIFY2(std::fabs((a) - (b)) < 1e-12, qPrintable(QString::number(a, 'g', 17)))
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
        QTest::newRow("(3, -4)") << 3.0 << -4.0 << 5.0 << std::atan2(-4.0, 3.0);
        QTest::newRow("(-3, -4)") << -3.0 << -4.0 << 5.0 << std::atan2(-4.0, -3.0);
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
        PERTO(p.Raio(), raio);
        PERTO(p.Teta(), teta);
        PERTO(p.x(), x);
        PERTO(p.y(), y);
    }

    void rotacaoNaoReduz() {
        Ponto p;
        p.SetPoint(1.0, 0.0);
        p.Rotate(90); // counter-clockwise, towards +y
        PERTO(p.y(), 1.0);
        PERTO(p.x(), 0.0);
        for (int k = 0; k < 9; ++k) p.Rotate(30);
        PERTO(p.Teta(), 2 * PI);
        p.Rotate(-450);
        PERTO(p.Teta(), -PI / 2);
        PERTO(Ponto::CoorTrans(PI, 1), 180.0);
        PERTO(Ponto::CoorTrans(-30.0, 7), -PI / 6); // every other mode is degrees to radians
    }

    void vectores() {
        Ponto a, b, v, c;
        a.SetPoint(1.0, 2.0);
        b.SetPoint(-4.0, 6.0);
        v.OrgVector(a, b);
        PERTO(v.x(), -5.0);
        PERTO(v.y(), 4.0);
        v.AddVector(a);
        PERTO(v.x(), -4.0);
        PERTO(v.y(), 6.0);
        v.MinusVector(b);
        PERTO(v.Raio(), 0.0);
        c.CopyPoint(b);
        PERTO(c.x(), -4.0);
        PERTO(c.y(), 6.0);
    }
};

QTEST_APPLESS_MAIN(TestPonto)
#include "test_ponto.moc"
