// The chart model: aspect collections as the chart code uses them, the chart's bodies and
// cusps, and the edges of the name tables (the entries themselves are the tables' own text).
#include "mapa.h"
#include "planeta.h"
#include "simbolos.h"

#include <QTest>
#include <stdexcept>

using namespace Simbolos;

namespace {
QList<int> Codigos(const iAspectos& a) {
    QList<int> c;
    for (const Aspecto& x : a)
        c << x.codigo().toInt();
    return c;
}
} // namespace

class TestMapa : public QObject {
    Q_OBJECT
private slots:
    // What the chart code relies on: 1-based items in the order added, nothing outside them,
    // codes compared by value whatever their integer type, the first item of a key found
    // ignoring case.
    void colecao() {
        iAspectos a;
        QVERIFY(a.Item(1) == nullptr);
        QCOMPARE(a.Add(QStringLiteral("Conjunção"), 1902, QStringLiteral("SolLua")).Nome(), QStringLiteral("Conjunção"));
        a.Add(QStringLiteral("Trigono"), QVariant::fromValue<int16_t>(1703));
        a.Add(QStringLiteral("outra"), 2804, QStringLiteral("SOLLUA"));
        QCOMPARE(Codigos(a), (QList<int>{1902, 1703, 2804}));
        QCOMPARE(a.Item(2)->Nome(), QStringLiteral("Trigono"));
        QVERIFY(a.Item(0) == nullptr && a.Item(4) == nullptr);
        QCOMPARE(a.Item(QStringLiteral("sollua"))->codigo().toInt(), 1902);
        QVERIFY(a.ExistsItem(1703)); // int16 stored, int asked
        QVERIFY(a.ExistsItem(QVariant::fromValue<int16_t>(1902))); // and the other way
        QVERIFY(!a.ExistsItem(QVariant::fromValue<int16_t>(1704)));
        a.Clear();
        QVERIFY(a.Count() == 0 && a.Item(QStringLiteral("SolLua")) == nullptr);
    }

    // Bodies and cusps are made on first use; a rebuild renews the bodies only, Limpa all.
    void mapa() {
        Mapa m;
        QCOMPARE(m.Corpo(18).Posicao().ValorRads(), 0.0);
        m.Cuspide(12).setValorGraus(90.0);
        QCOMPARE(m.CuspidesRads()[12], PI_NATALIS / 2);
        QCOMPARE(m.CuspidesRads()[1], 0.0);
        m.Corpo(0).Nome = QStringLiteral("Sol");
        m.Corpo(0).Posicao().setValorGraus(10.0);
        m.CorpoEfemerides(0).Posicao().setValorGraus(20.0);
        m.Aspectos().Add(QStringLiteral("x"), 1);
        m.RecriaCorpos();
        QCOMPARE(m.Corpo(0).Nome, QString());
        QCOMPARE(m.Corpo(0).Posicao().ValorRads(), 0.0);
        QCOMPARE(m.Aspectos().Count(), 0);
        QVERIFY(m.CorpoEfemerides(0).Posicao().ValorRads() != 0.0);
        QVERIFY(m.Cuspide(12).ValorRads() != 0.0);
        m.Limpa();
        QCOMPARE(m.CorpoEfemerides(0).Posicao().ValorRads(), 0.0);
        QCOMPARE(m.Cuspide(12).ValorRads(), 0.0);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, m.Corpo(19));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, m.CorpoEfemerides(12));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, m.Cuspide(13));
    }

    // Numbers outside each table give empty entries; sign 12 is Carneiro again; the decanate
    // changes exactly at 10° and wraps past a whole turn.
    void tabelasDeNomes() {
        QCOMPARE(BodyInfo(0).nome + BodyInfo(14).abreviatura + SignInfo(13).nome + SignInfo(-1).glifo, QString());
        QCOMPARE(HouseName(0, true) + HouseName(13, false) + AspectInfo(5).nome + NomeCorpoMapa(19), QString());
        QCOMPARE(SignInfo(12).nome, QStringLiteral("Carneiro"));
        QCOMPARE(SignInfo(12).numero, 1);
        QCOMPARE(TextoDecanatoSol(30.0), QStringLiteral("1º Decanato de Touro: Senso comum"));
        QCOMPARE(TextoDecanatoSol(359.9), QStringLiteral("3º Decanato de Peixes: Receptividade"));
        QCOMPARE(TextoDecanatoSol(370.0), QStringLiteral("2º Decanato de Carneiro: Carisma"));
    }
};

QTEST_APPLESS_MAIN(TestMapa)
#include "test_mapa.moc"
