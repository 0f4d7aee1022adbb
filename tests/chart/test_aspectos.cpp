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

TabelaOrbes orbesUniformes(int16_t o) {
    TabelaOrbes t;
    for (int a = 1; a <= 13; ++a)
        for (int b = a + 1; b <= 13; ++b)
            t.define(a, b, o);
    return t;
}
} // namespace

class TestAspectos : public QObject {
    Q_OBJECT

private slots:
    void separacao_data() {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<int>("d");
        QTest::newRow("atraves de 0 Carneiro") << 359.6 << 0.2 << 1;
        QTest::newRow("meio grau arredonda para cima") << 10.0 << 18.5 << 9;
        QTest::newRow("quatro decimas arredonda para baixo") << 10.0 << 18.4 << 8;
        QTest::newRow("caminho longo dobra") << 300.0 << 60.0 << 120;
        QTest::newRow("oposicao exacta") << 0.0 << 180.0 << 180;
        QTest::newRow("ordem indiferente") << 18.5 << 10.0 << 9;
        QTest::newRow("voltas a mais") << 370.0 << 3730.0 << 120;
        // No whole-degree count of a difference beyond any circle: not an aspect.
        QTest::newRow("para la de qualquer posicao") << 2.5666e22 << 0.0 << 360;
        QTest::newRow("nao numero") << std::nan("") << 0.0 << 360;
    }
    void separacao() {
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(int, d);
        QCOMPARE(SeparacaoArredondada(rad(a), rad(b)), d);
    }

    void tipo_data() {
        QTest::addColumn<int>("d");
        QTest::addColumn<int>("orbe");
        QTest::addColumn<int>("tipo");
        QTest::newRow("conjuncao no limite") << 8 << 8 << 9;
        QTest::newRow("fora da conjuncao") << 9 << 8 << 0;
        QTest::newRow("sextil baixo") << 52 << 8 << 6;
        QTest::newRow("sextil alto") << 68 << 8 << 6;
        QTest::newRow("entre sextil e quadratura") << 75 << 8 << 0;
        QTest::newRow("quadratura") << 95 << 6 << 4;
        QTest::newRow("trigono") << 113 << 7 << 7;
        QTest::newRow("oposicao") << 172 << 8 << 8;
        QTest::newRow("orbe zero so exacto") << 0 << 0 << 9;
        QTest::newRow("orbe zero um grau") << 1 << 0 << 0;
        // A wide orb lets the first kind tested win: 30° is both a conjunction and a sextile
        // under 30°, and the conjunction is tested first.
        QTest::newRow("primeiro tipo ganha") << 30 << 30 << 9;
    }
    void tipo() {
        QFETCH(int, d);
        QFETCH(int, orbe);
        QFETCH(int, tipo);
        QCOMPARE(TipoAspecto(d, orbe), tipo);
    }

    // Two bodies placed at a given distance among bodies spread out of aspect.
    void deteccao_data() {
        QTest::addColumn<int>("i");
        QTest::addColumn<int>("j");
        QTest::addColumn<double>("li");
        QTest::addColumn<double>("lj");
        QTest::addColumn<int>("tipo"); // 0 = nothing recorded
        QTest::newRow("Sol Lua conjuncao por 0 Carneiro") << 0 << 1 << 359.6 << 0.2 << 9;
        QTest::newRow("Sol Mercurio 8.5 com orbe 9 e conjuncao") << 0 << 2 << 100.0 << 108.5 << 9;
        QTest::newRow("Sol Venus 9.5 arredonda para 10 fora da orbe 9") << 0 << 3 << 100.0 << 109.5 << 0;
        QTest::newRow("trigono pelo caminho longo") << 1 << 4 << 300.0 << 60.0 << 7;
        QTest::newRow("Nodo em quadratura com o Sol nao conta") << 0 << 10 << 11.3 << 101.3 << 0;
        QTest::newRow("Nodo em conjuncao com o Sol conta") << 0 << 10 << 11.3 << 15.3 << 9;
        QTest::newRow("Fortuna em oposicao nao conta") << 1 << 12 << 12.3 << 192.3 << 0;
        QTest::newRow("Fortuna em conjuncao conta") << 1 << 12 << 12.3 << 15.6 << 9;
        // Plutão with Lua Negra has no default orb: only an aspect that rounds to exact.
        QTest::newRow("Plutao Lua Negra a 0.4 graus") << 9 << 11 << 50.0 << 50.4 << 9;
        QTest::newRow("Plutao Lua Negra a 1 grau") << 9 << 11 << 50.0 << 51.0 << 0;
        QTest::newRow("Plutao Lua Negra quadratura exacta") << 9 << 11 << 50.0 << 140.2 << 4;
    }
    void deteccao() {
        QFETCH(int, i);
        QFETCH(int, j);
        QFETCH(double, li);
        QFETCH(double, lj);
        QFETCH(int, tipo);
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
        QCOMPARE(int(achados.size()), tipo ? 1 : 0);
        QCOMPARE(m.Aspectos().Count(), tipo ? 1 : 0);
        QCOMPARE(m.Corpo(i).Aspectos().Count(), tipo ? 1 : 0);
        QCOMPARE(m.Corpo(j).Aspectos().Count(), tipo ? 1 : 0);
        if (!tipo)
            return;
        QCOMPARE(achados[0].i, i);
        QCOMPARE(achados[0].j, j);
        QCOMPARE(achados[0].tipo, tipo);
        const int global = (i + 1) * 1000 + tipo * 100 + (j + 1);
        const int corpo = (i + 10) * 1000 + tipo * 100 + (j + 10);
        QCOMPARE(m.Aspectos().Item(1)->codigo().toInt(), global);
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

    // Detection order: i ascending, then j; every pair found once.
    void ordemDeDeteccao() {
        Mapa m;
        for (int i = 0; i < 13; ++i)
            m.Corpo(i).Posicao().setValorRads(0.0);
        const TabelaOrbes orbes = orbesUniformes(1);
        const auto achados = DetectaAspectos(m, orbes);
        QCOMPARE(int(achados.size()), 13 * 12 / 2);
        int k = 0;
        for (int i = 0; i < 13; ++i)
            for (int j = i + 1; j < 13; ++j, ++k) {
                QCOMPARE(achados[k].i, i);
                QCOMPARE(achados[k].j, j);
                QCOMPARE(achados[k].tipo, 9);
            }
        QCOMPARE(m.Aspectos().Count(), 78);
        QCOMPARE(m.Corpo(0).Aspectos().Count(), 12);
        // A second pass gives the same, not twice as much.
        DetectaAspectos(m, orbes);
        QCOMPARE(m.Aspectos().Count(), 78);
        QCOMPARE(m.Corpo(5).Aspectos().Count(), 12);
    }
};

QTEST_GUILESS_MAIN(TestAspectos)
#include "test_aspectos.moc"
