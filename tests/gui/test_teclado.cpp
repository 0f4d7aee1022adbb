// View 4's keypad: what each key inserts, the names given their bracket, and a formula
// evaluated into the two result labels of a cast chart.
#include "ambientegui.h"
#include "camposmapa.h"
#include "frmmain.h"
#include "mapagui.h"
#include "possigno.h"
#include "sessaomapa.h"
#include "teclado.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <cmath>

class TestTeclado : public QObject {
    Q_OBJECT
private slots:
    void textoTecla_data();
    void textoTecla();
    void preparaExpressao_data();
    void preparaExpressao();
    void tecladoNaJanela();
};

void TestTeclado::textoTecla_data() {
    QTest::addColumn<int>("indice");
    QTest::addColumn<QString>("legenda");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("Sol") << 0 << "" << "SOL";
    QTest::newRow("Plutão") << 9 << "" << "PLU";
    QTest::newRow("Nodo") << 10 << "" << "NOD";
    QTest::newRow("Nodo Sul") << 11 << "" << "SOD";
    QTest::newRow("parte 24") << 24 << "" << "ASC - SOL + LUA";
    QTest::newRow("parte 25") << 25 << "" << "ASC + SOL - LUA";
    QTest::newRow("avaliar") << 27 << "=" << "";
    QTest::newRow("casa em minúsculas") << 19 << "ii" << "II";
    QTest::newRow("operador") << 15 << "/" << "/";
}

void TestTeclado::textoTecla() {
    QFETCH(int, indice);
    QFETCH(QString, legenda);
    QFETCH(QString, esperado);
    QCOMPARE(TextoTecla(indice, legenda), esperado);
}

void TestTeclado::preparaExpressao_data() {
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("com espaços") << "ASC - SOL + LUA" << "ASC(0) - SOL(0) + LUA(0)";
    QTest::newRow("sem espaços") << "ASC-SOL+LUA" << "ASC(0)-SOL(0)+LUA(0)";
    QTest::newRow("minúsculas") << "asc " << "ASC(0)";
    QTest::newRow("dentro de parênteses") << "(ASC)*2" << "(ASC(0))*2";
    QTest::newRow("já com argumento") << "SIN(PI)" << "SIN(PI(0))";
    QTest::newRow("argumento depois de espaço") << "SOL (0)" << "SOL (0)";
    QTest::newRow("números") << "1+2" << "1+2";
}

void TestTeclado::preparaExpressao() {
    QFETCH(QString, formula);
    QFETCH(QString, esperado);
    QCOMPARE(PreparaExpressao(formula), esperado);
}

namespace {
double graus(const QString& texto) {
    PosSigno p;
    p.SetonbyString(texto);
    return p.ValorGraus();
}
} // namespace

void TestTeclado::tecladoNaJanela() {
    AmbienteGui amb;
    std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
    QVERIFY(j);
    j->resize(1280, 800);
    QVERIFY(QTest::qWaitForWindowActive(j.get()));
    escreveNascimento(j.get());
    const CamposMapa& c = j->sessao().campos();
    QVERIFY2(c.mapaAberto, "o mapa não foi calculado");
    j->accao(QStringLiteral("mnupartes"))->trigger();

    auto* campo = filho<QLineEdit>(j.get(), "txtexpression");
    auto* posicao = filho<QLabel>(j.get(), "calparte");
    auto* casa = filho<QLabel>(j.get(), "calpartescasas");
    auto* erro = filho<QLabel>(j.get(), "erroExpressao");
    QVERIFY(campo && posicao && casa && erro);

    filho<QPushButton>(j.get(), "pad24")->click();
    QCOMPARE(campo->text(), QStringLiteral("ASC - SOL + LUA "));
    filho<QPushButton>(j.get(), "pad27")->click();

    // By hand from the texts the window shows: Asc − Sol + Lua, and the house whose cusps
    // enclose it. The entered cusps are X, XI, XII, I, II, III; the Ascendant is the fourth.
    double x = graus(c.PosCasas[3]) - graus(c.PosPlaneta[0]) + graus(c.PosPlaneta[1]);
    x -= 360.0 * std::floor(x / 360.0);
    PosSigno esperado;
    esperado.setValorGraus(x);
    QCOMPARE(posicao->text(), esperado.RetornaFormatado(3));
    std::array<double, 12> cuspide{}; // houses 1..12 at 0..11
    for (int k = 0; k < 6; ++k) {
        const int casa = (k + 9) % 12; // X, XI, XII, I, II, III
        cuspide[size_t(casa)] = graus(c.PosCasas[size_t(k)]);
        cuspide[size_t((casa + 6) % 12)] = std::fmod(cuspide[size_t(casa)] + 180.0, 360.0);
    }
    int h = 0;
    for (int k = 0; k < 12; ++k) {
        const double inicio = cuspide[size_t(k)], arco = std::fmod(cuspide[size_t((k + 1) % 12)] - inicio + 360.0, 360.0);
        if (std::fmod(x - inicio + 360.0, 360.0) < arco)
            h = k + 1;
    }
    QVERIFY(h > 0);
    QCOMPARE(casa->text(), QString::number(h) + QStringLiteral("ª casa"));
    QVERIFY(erro->text().isEmpty());
    // Asc − Sol + Lua is the Part of Fortune as the window computes it: the same degree.
    QCOMPARE(posicao->text().section(QLatin1Char(' '), 0, 0), c.partes[0].section(QChar(0xBA), 0, 0) + QChar(0xBA));
    captura(j.get(), QStringLiteral("vista4-teclado"));

    // Typed without blanks, the names still get their bracket: the same point.
    const QString antes = posicao->text();
    campo->setText(QStringLiteral("asc-sol+lua"));
    filho<QPushButton>(j.get(), "pad27")->click();
    QCOMPARE(campo->text(), QStringLiteral("ASC-SOL+LUA "));
    QCOMPARE(posicao->text(), antes);

    // An unclosed bracket: the message, and no position at all rather than 0º Carneiro.
    campo->setText(QStringLiteral("(1+2"));
    filho<QPushButton>(j.get(), "pad27")->click();
    QCOMPARE(erro->text(), QStringLiteral("Error: Wrong bracket placement!"));
    QVERIFY(posicao->text().isEmpty());
    QVERIFY(casa->text().isEmpty());

    // Division by zero has no message of the evaluator's own, but is not shown as 0º either.
    campo->setText(QStringLiteral("1/0"));
    filho<QPushButton>(j.get(), "pad27")->click();
    QVERIFY(!erro->text().isEmpty());
    QVERIFY(posicao->text().isEmpty());

    // π radians is 0º Libra.
    filho<QPushButton>(j.get(), "padLimpar")->click();
    QVERIFY(campo->text().isEmpty() && erro->text().isEmpty());
    filho<QPushButton>(j.get(), "pad26")->click();
    filho<QPushButton>(j.get(), "pad27")->click();
    QCOMPARE(posicao->text(), QStringLiteral("0º Libra"));
}

QTEST_MAIN(TestTeclado)
#include "test_teclado.moc"
