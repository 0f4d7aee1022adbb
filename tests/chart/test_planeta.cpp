// Chart bodies, aspect collections and the program's chart. Expected behaviour is that of
// the collections as the chart code uses them: 1-based items, keys matched ignoring case.
#include "mapa.h"
#include "planeta.h"

#include <QTest>
#include <stdexcept>

class TestPlaneta : public QObject {
    Q_OBJECT
private slots:
    void planetaNovo();
    void adicionaEProcura();
    void addifNotYetRecusaRepetido();
    void remove_data();
    void remove();
    void existsItemComparaValores_data();
    void existsItemComparaValores();
    void mapaCriaNoPrimeiroUso();
    void mapaRecriaCorpos();
    void mapaForaDaTabela();
};

// A new body and a new collection: empty, and every lookup on them safe.
void TestPlaneta::planetaNovo() {
    planeta p;
    QCOMPARE(p.Posicao().RetornaFormatado(2), QStringLiteral("0º0'0''Carneiro"));
    QCOMPARE(p.Aspectos().Count(), 0);
    QVERIFY(p.Mostrado);
    QVERIFY(!p.Marcado);
    QVERIFY(!p.Retrogrado);
    iAspectos a;
    QVERIFY(!a.ExistsItem(0));
    QVERIFY(a.Item(1) == nullptr);
    QVERIFY(a.Item(QStringLiteral("x")) == nullptr);
    a.Remove(1);
    a.Remove(QStringLiteral("x"));
    QCOMPARE(a.Count(), 0);
}

void TestPlaneta::adicionaEProcura() {
    iAspectos a;
    Aspecto& primeiro = a.Add(QStringLiteral("Conjunção"), 1902, QStringLiteral("SolLua"));
    QCOMPARE(primeiro.Nome(), QStringLiteral("Conjunção"));
    a.Add(QStringLiteral("Trigono"), 1703);
    a.Add(QStringLiteral("Oposição"), 2804, QStringLiteral("LuaVen"));
    QCOMPARE(a.Count(), 3);
    QCOMPARE(a.Item(1)->codigo().toInt(), 1902);
    QCOMPARE(a.Item(2)->Nome(), QStringLiteral("Trigono"));
    QVERIFY(a.Item(0) == nullptr);
    QVERIFY(a.Item(4) == nullptr);
    QCOMPARE(a.Item(QStringLiteral("luaven"))->codigo().toInt(), 2804);
    QStringList nomes;
    for (const Aspecto& x : a)
        nomes << x.Nome();
    QCOMPARE(nomes, (QStringList{"Conjunção", "Trigono", "Oposição"}));
    QVERIFY(a.ExistsItem(1703));
    QVERIFY(!a.ExistsItem(1704));
    a.Clear();
    QCOMPARE(a.Count(), 0);
    QVERIFY(a.Item(QStringLiteral("SolLua")) == nullptr);
}

void TestPlaneta::addifNotYetRecusaRepetido() {
    iAspectos a;
    QVERIFY(a.AddifNotYet(QStringLiteral("Sextil"), 1603));
    QVERIFY(!a.AddifNotYet(QStringLiteral("Sextil"), 1603));
    QVERIFY(a.AddifNotYet(QStringLiteral("Quadratura"), 1403));
    QCOMPARE(a.Count(), 2);
    // A code added through Add is also seen.
    a.Add(QStringLiteral("Trigono"), 2705);
    QVERIFY(!a.AddifNotYet(QStringLiteral("Trigono"), 2705));
    QCOMPARE(a.Count(), 3);
    // A repeated key (any case) still adds the item; the key keeps finding the first.
    a.Add(QStringLiteral("um"), 1, QStringLiteral("k"));
    a.Add(QStringLiteral("dois"), 2, QStringLiteral("K"));
    QCOMPARE(a.Count(), 5);
    QCOMPARE(a.Item(QStringLiteral("k"))->codigo().toInt(), 1);
}

void TestPlaneta::remove_data() {
    QTest::addColumn<QString>("alvo");
    QTest::addColumn<QList<int>>("ficam");
    QTest::newRow("primeiro por indice") << "1" << QList<int>{2, 3};
    QTest::newRow("ultimo por indice") << "3" << QList<int>{1, 2};
    QTest::newRow("indice fora") << "4" << QList<int>{1, 2, 3};
    QTest::newRow("por chave") << "b" << QList<int>{1, 3};
    QTest::newRow("chave desconhecida") << "z" << QList<int>{1, 2, 3};
}

void TestPlaneta::remove() {
    QFETCH(QString, alvo);
    QFETCH(QList<int>, ficam);
    iAspectos a;
    a.Add(QStringLiteral("um"), 1, QStringLiteral("a"));
    a.Add(QStringLiteral("dois"), 2, QStringLiteral("b"));
    a.Add(QStringLiteral("tres"), 3, QStringLiteral("c"));
    bool numero = false;
    const int indice = alvo.toInt(&numero);
    if (numero)
        a.Remove(indice);
    else
        a.Remove(alvo);
    QList<int> codigos;
    for (const Aspecto& x : a)
        codigos << x.codigo().toInt();
    QCOMPARE(codigos, ficam);
    // Keys follow their items after a removal.
    if (ficam.contains(3)) QCOMPARE(a.Item(QStringLiteral("c"))->codigo().toInt(), 3);
}

void TestPlaneta::existsItemComparaValores_data() {
    QTest::addColumn<QVariant>("guardado");
    QTest::addColumn<QVariant>("procurado");
    QTest::addColumn<bool>("existe");
    QTest::newRow("int16 e int") << QVariant::fromValue<int16_t>(1903) << QVariant(1903) << true;
    QTest::newRow("int e int16") << QVariant(1903) << QVariant::fromValue<int16_t>(1903) << true;
    QTest::newRow("diferentes") << QVariant::fromValue<int16_t>(1903) << QVariant(1904) << false;
}

void TestPlaneta::existsItemComparaValores() {
    QFETCH(QVariant, guardado);
    QFETCH(QVariant, procurado);
    QFETCH(bool, existe);
    iAspectos a;
    a.Add(QStringLiteral("x"), guardado);
    QCOMPARE(a.ExistsItem(procurado), existe);
}

void TestPlaneta::mapaCriaNoPrimeiroUso() {
    Mapa m;
    QCOMPARE(m.Corpo(18).Posicao().ValorRads(), 0.0);
    QCOMPARE(m.CorpoEfemerides(11).Posicao().ValorRads(), 0.0);
    m.Cuspide(12).setValorGraus(90.0);
    const auto cuspides = m.CuspidesRads();
    QCOMPARE(cuspides[12], PI_NATALIS / 2);
    QCOMPARE(cuspides[1], 0.0);
}

void TestPlaneta::mapaRecriaCorpos() {
    Mapa m;
    m.Corpo(0).Nome = QStringLiteral("Sol");
    m.Corpo(0).Posicao().setValorGraus(10.0);
    m.CorpoEfemerides(0).Posicao().setValorGraus(20.0);
    m.Aspectos().Add(QStringLiteral("x"), 1);
    m.Cuspide(1).setValorGraus(30.0);
    m.RecriaCorpos();
    QCOMPARE(m.Corpo(0).Nome, QString());
    QCOMPARE(m.Corpo(0).Posicao().ValorRads(), 0.0);
    QCOMPARE(m.Aspectos().Count(), 0);
    // The ephemeris bodies and cusps belong to the calculation, not to the rebuild.
    QVERIFY(m.CorpoEfemerides(0).Posicao().ValorRads() != 0.0);
    QVERIFY(m.Cuspide(1).ValorRads() != 0.0);
    m.Limpa();
    QCOMPARE(m.CorpoEfemerides(0).Posicao().ValorRads(), 0.0);
    QCOMPARE(m.Cuspide(1).ValorRads(), 0.0);
}

void TestPlaneta::mapaForaDaTabela() {
    Mapa m;
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, m.Corpo(19));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, m.Corpo(-1));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, m.CorpoEfemerides(12));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, m.Cuspide(0));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, m.Cuspide(13));
}

QTEST_APPLESS_MAIN(TestPlaneta)
#include "test_planeta.moc"
