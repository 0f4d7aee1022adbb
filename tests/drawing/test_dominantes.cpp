// Dominant planets: scores from the sign and house tables, ties, house 0, the flags.
#include "dominantes.h"
#include "mapateste.h"

#include <QTest>

using namespace teste;

class TestDominantes : public QObject {
    Q_OBJECT
    Mapa m;

    // Planet p (1..10) in sign number s (1..12) and house h.
    void Coloca(int p, int s, int h) {
        Posiciona(m, p - 1, 30.0 * (s - 1) + 15.0);
        m.Corpo(p - 1).Casa = static_cast<int16_t>(h);
    }

private slots:
    void pontuacao_data() {
        QTest::addColumn<int>("p");
        QTest::addColumn<int>("signo");
        QTest::addColumn<int>("casa");
        QTest::addColumn<int>("esperado");
        // Values read off the two tables by hand.
        QTest::newRow("Sol em Leão na casa 1") << 1 << 5 << 1 << 10 + 10;
        QTest::newRow("Lua em Carneiro na casa 4") << 2 << 1 << 4 << 1 + 10;
        QTest::newRow("Plutão em Escorpião na casa 8") << 10 << 8 << 8 << 10 + 10;
        QTest::newRow("Saturno em Peixes na casa 12") << 7 << 12 << 12 << 4 + 1;
        QTest::newRow("casa 0: só o signo") << 5 << 8 << 0 << 10;
        QTest::newRow("casa 13: só o signo") << 5 << 8 << 13 << 10;
        QTest::newRow("linha 11 igual nas duas tabelas") << 8 << 11 << 11 << 10 + 10;
    }
    void pontuacao() {
        QFETCH(int, p);
        QFETCH(int, signo);
        QFETCH(int, casa);
        QFETCH(int, esperado);
        QCOMPARE(PontuacaoPlaneta(p, signo, casa), esperado);
    }

    void empateJuntoComE() {
        MapaBase(m);
        // Sun in Leão, house 1 (20) and Júpiter in Sagitário, house 1 (20); the rest lower.
        Coloca(1, 5, 1);
        Coloca(2, 1, 7); // 1 + 5
        Coloca(3, 2, 7); // 1 + 5
        Coloca(4, 3, 2); // 1 + 8
        Coloca(5, 4, 3); // 1 + 3
        Coloca(6, 9, 1);
        Coloca(7, 1, 1);  // 1 + 1
        Coloca(8, 4, 2);  // 1 + 2
        Coloca(9, 1, 1);  // 1 + 1
        Coloca(10, 3, 1); // 4 + 1
        QCOMPARE(DominantPlanets(m), QStringLiteral("Sol e Júpiter"));
        QVERIFY(m.Corpo(0).Marcado);
        QVERIFY(m.Corpo(5).Marcado);
        for (int i : {1, 2, 3, 4, 6, 7, 8, 9})
            QVERIFY(!m.Corpo(i).Marcado);
    }

    void casaZeroPontuaPeloSigno() {
        MapaBase(m);
        for (int p = 1; p <= 10; ++p)
            Coloca(p, 1, 0);
        // In Carneiro the sign alone gives Marte 10, ahead of Sol, Urano and Plutão with 8.
        QCOMPARE(DominantPlanets(m), QStringLiteral("Marte"));
    }

    void bandeirasAnterioresApagadas() {
        MapaBase(m);
        for (int p = 1; p <= 10; ++p)
            Coloca(p, 1, 0);
        m.Corpo(1).Marcado = true;  // a winner of an earlier chart
        m.Corpo(10).Marcado = true; // the Node is never a winner
        DominantPlanets(m);
        QVERIFY(!m.Corpo(1).Marcado);
        QVERIFY(!m.Corpo(10).Marcado);
        QVERIFY(m.Corpo(4).Marcado);
    }
};

QTEST_MAIN(TestDominantes)
#include "test_dominantes.moc"
