#include <QTest>
class TestPrimeiroMapa : public QObject { Q_OBJECT };
QTEST_MAIN(TestPrimeiroMapa)
#include "test_primeiromapa.moc"
