// Aspect detection: rounding of the separation, the order of the kinds, the Node and Fortune
// rule, orb-0 pairs, and what is recorded in the bodies' and the chart's collections.
// Reference cases are the worked examples of the aspect rules (separations by hand).
#include "aspectos.h"
#include "orbes.h"

#include <QtTest>

namespace {
double rad(double graus) { return graus * PI_NATALIS / 180.0; }

// Bodies 0..12 at 1° + 23° k: no two of them are an exact aspect apart (23 m folded is never
// 0, 60, 90, 120 or 180), so under orb 0 only the pair a test places is found.
void espalha(Mapa& m) {
    for (int i = 0; i < 13; ++i) {
        m.Corpo(i).Nome = QString("C%1").arg(i);
        m.Corpo(i).Posicao().setValorRads(rad(1 + 23 * i));
    }
}
} // namespace

class TestAspectos : public QObject {
    Q_OBJECT

private slots:
    void separacaoETipo() {
        // Whole degrees of separation, rounded half up, the short way round.
        QCOMPARE(SeparacaoArredondada(rad(359.6), rad(0.2)), 1);
        QCOMPARE(SeparacaoArredondada(rad(10.0), rad(18.5)), 9);
        QCOMPARE(SeparacaoArredondada(rad(18.4), rad(10.0)), 8);
        QCOMPARE(SeparacaoArredondada(rad(300.0), rad(60.0)), 120);
        QCOMPARE(SeparacaoArredondada(rad(370.0), rad(3730.0)), 120);
        // No whole-degree count of a difference beyond any circle: not an aspect.
        QCOMPARE(SeparacaoArredondada(rad(2.5666e22), 0.0), 360);
        QCOMPARE(SeparacaoArredondada(rad(std::nan("")), 0.0), 360);
        // Kind of a separation under an orb, the limits included.
        QCOMPARE(TipoAspecto(8, 8), 9);
        QCOMPARE(TipoAspecto(9, 8), 0);
        QCOMPARE(TipoAspecto(52, 8), 6);
        QCOMPARE(TipoAspecto(68, 8), 6);
        QCOMPARE(TipoAspecto(75, 8), 0);
        QCOMPARE(TipoAspecto(95, 6), 4);
        QCOMPARE(TipoAspecto(113, 7), 7);
        QCOMPARE(TipoAspecto(172, 8), 8);
        QCOMPARE(TipoAspecto(0, 0), 9);
        QCOMPARE(TipoAspecto(1, 0), 0);
        // A wide orb lets the first kind tested win: 30° under 30° is a conjunction.
        QCOMPARE(TipoAspecto(30, 30), 9);
    }

    // Two bodies placed at a given distance among bodies spread out of aspect.
    void deteccao_data() {
        QTest::addColumn<QList<int>>("par");
        QTest::addColumn<double>("li");
        QTest::addColumn<double>("lj");
        QTest::addColumn<int>("tipo"); // 0 = nothing recorded
        QTest::newRow("Sol Lua conjuncao por 0 Carneiro") << QList<int>{0, 1} << 359.6 << 0.2 << 9;
        QTest::newRow("Sol Mercurio 8.5 com orbe 9 e conjuncao") << QList<int>{0, 2} << 100.0 << 108.5 << 9;
        QTest::newRow("Sol Venus 9.5 arredonda para 10 fora da orbe 9") << QList<int>{0, 3} << 100.0 << 109.5 << 0;
        QTest::newRow("trigono pelo caminho longo") << QList<int>{1, 4} << 300.0 << 60.0 << 7;
        QTest::newRow("Nodo em quadratura com o Sol nao conta") << QList<int>{0, 10} << 11.3 << 101.3 << 0;
        QTest::newRow("Nodo em conjuncao com o Sol conta") << QList<int>{0, 10} << 11.3 << 15.3 << 9;
        QTest::newRow("Fortuna em oposicao nao conta") << QList<int>{1, 12} << 12.3 << 192.3 << 0;
        QTest::newRow("Fortuna em conjuncao conta") << QList<int>{1, 12} << 12.3 << 15.6 << 9;
        // Plutão with Lua Negra has no default orb: only an aspect that rounds to exact.
        QTest::newRow("Plutao Lua Negra a 0.4 graus") << QList<int>{9, 11} << 50.0 << 50.4 << 9;
        QTest::newRow("Plutao Lua Negra a 1 grau") << QList<int>{9, 11} << 50.0 << 51.0 << 0;
        QTest::newRow("Plutao Lua Negra quadratura exacta") << QList<int>{9, 11} << 50.0 << 140.2 << 4;
    }
    void deteccao() {
        QFETCH(QList<int>, par);
        QFETCH(double, li);
        QFETCH(double, lj);
        QFETCH(int, tipo);
        const int i = par[0], j = par[1];
        TabelaOrbes padrao;
        padrao.CarregaPadrao();
        TabelaOrbes orbes; // every pair 0 but the one under test
        orbes.define(i + 1, j + 1, padrao.orb(i + 1, j + 1));
        Mapa m;
        espalha(m);
        m.Corpo(i).Posicao().setValorRads(rad(li));
        m.Corpo(j).Posicao().setValorRads(rad(lj));
        // Aspects left from an earlier pass must not survive.
        m.Corpo(i).Aspectos().Add("velho", 1);
        m.Aspectos().Add("velho", 1);
        const auto achados = DetectaAspectos(m, orbes);
        const int n = tipo ? 1 : 0;
        QCOMPARE((QList<int>{int(achados.size()), m.Aspectos().Count(), m.Corpo(i).Aspectos().Count(), m.Corpo(j).Aspectos().Count()}),
                 (QList<int>{n, n, n, n}));
        if (!tipo)
            return;
        QCOMPARE((QList<int>{achados[0].i, achados[0].j, achados[0].tipo}), (QList<int>{i, j, tipo}));
        const int corpo = (i + 10) * 1000 + tipo * 100 + (j + 10);
        QCOMPARE(m.Aspectos().Item(1)->codigo().toInt(), (i + 1) * 1000 + tipo * 100 + (j + 1));
        QCOMPARE(m.Corpo(i).Aspectos().Item(1)->codigo().toInt(), corpo);
        QCOMPARE(m.Corpo(j).Aspectos().Item(1)->codigo().toInt(), corpo);
    }

    // Names as the information panel and the report show them.
    void nomes() {
        TabelaOrbes orbes;
        orbes.define(1, 5, 8);
        Mapa m;
        espalha(m);
        m.Corpo(0).Nome = "Sol";
        m.Corpo(4).Nome = "Marte";
        m.Corpo(0).Posicao().setValorRads(rad(11.3));
        m.Corpo(4).Posicao().setValorRads(rad(101.3));
        DetectaAspectos(m, orbes);
        QCOMPARE(m.Aspectos().Item(1)->Nome(), QString::fromUtf8("Sol em Quadratura com Marte"));
        QCOMPARE(m.Corpo(0).Aspectos().Item(1)->Nome(), QString::fromUtf8(" Em Quadratura com Marte"));
        QCOMPARE(m.Corpo(4).Aspectos().Item(1)->Nome(), QString::fromUtf8(" Em Quadratura com Sol"));
    }

    // Detection order: i ascending, then j; every pair found once, also on a second pass.
    void ordemDeDeteccao() {
        Mapa m;
        for (int i = 0; i < 13; ++i)
            m.Corpo(i).Posicao().setValorRads(0.0);
        TabelaOrbes orbes;
        for (int a = 1; a <= 13; ++a)
            for (int b = a + 1; b <= 13; ++b)
                orbes.define(a, b, 1);
        const auto achados = DetectaAspectos(m, orbes);
        QCOMPARE(int(achados.size()), 78);
        int k = 0;
        for (int i = 0; i < 13; ++i)
            for (int j = i + 1; j < 13; ++j, ++k)
                QCOMPARE((QList<int>{achados[k].i, achados[k].j, achados[k].tipo}), (QList<int>{i, j, 9}));
        DetectaAspectos(m, orbes);
        QCOMPARE(m.Aspectos().Count(), 78);
        QCOMPARE(m.Corpo(5).Aspectos().Count(), 12);
    }
};

QTEST_GUILESS_MAIN(TestAspectos)
#include "test_aspectos.moc"
