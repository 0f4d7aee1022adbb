// Dominant planets: scores from the sign and house tables, ties, house 0, the flags.
#include "dominantes.h"
#include "mapateste.h"

#include <QTest>

class TestDominantes : public QObject {
    Q_OBJECT
    Mapa m;

    // Planet p (1..10) in the middle of sign number s (1..12), in house h.
    void Coloca(int p, int s, int h) {
        teste::Posiciona(m, p - 1, 30.0 * (s - 1) + 15.0);
        m.Corpo(p - 1).Casa = static_cast<int16_t>(h);
    }

private slots:
    void init() { teste::MapaBase(m); }

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
        // Sol in Leão, house 1 (20) and Júpiter in Sagitário, house 1 (20); the rest lower.
        const int lugares[10][2] = {{5, 1}, {1, 7}, {2, 7}, {3, 2}, {4, 3}, {9, 1}, {1, 1}, {4, 2}, {1, 1}, {3, 1}};
        for (int p = 1; p <= 10; ++p) Coloca(p, lugares[p - 1][0], lugares[p - 1][1]);
        QCOMPARE(DominantPlanets(m), QStringLiteral("Sol e Júpiter"));
        for (int i = 0; i < 10; ++i) QCOMPARE(m.Corpo(i).Marcado, i == 0 || i == 5);
    }

    void casaZeroPontuaPeloSigno() {
        for (int p = 1; p <= 10; ++p) Coloca(p, 1, 0);
        m.Corpo(1).Marcado = true;  // a winner of an earlier chart
        m.Corpo(10).Marcado = true; // the Node is never a winner
        // In Carneiro the sign alone gives Marte 10, ahead of Sol, Urano and Plutão with 8.
        QCOMPARE(DominantPlanets(m), QStringLiteral("Marte"));
        QVERIFY(m.Corpo(4).Marcado);
        QVERIFY(!m.Corpo(1).Marcado);
        QVERIFY(!m.Corpo(10).Marcado);
    }
};

QTEST_MAIN(TestDominantes)
#include "test_dominantes.moc"
