// The expression evaluator: grammar, error codes, functions and chart points, by the documented
// cases and hand calculation (the keypad's messages: test_calculos).
#include "evaluator.h"
#include "mapa.h"
#include "mensagens.h"
#include <QtTest>
#include <cmath>

namespace {
constexpr double pi = 3.14159265358979323846, ln2 = 0.69314718055994530942;
double Rad(double graus) { return graus * PI_NATALIS / 180.0; }
} // namespace

class TestEvaluator : public QObject {
    Q_OBJECT
    Mapa m_mapa;

private slots:
    void initTestCase() {
        m_mapa.Corpo(0).Posicao().setValorGraus(30);   // SOL
        m_mapa.Corpo(1).Posicao().setValorGraus(200);  // LUA
        m_mapa.Corpo(10).Posicao().setValorGraus(350); // NOD
        m_mapa.Cuspide(1).setValorGraus(100);          // ASC
        m_mapa.Cuspide(10).setValorGraus(10);          // MC
    }
    void avalia_data() {
        QTest::addColumn<QString>("expressao"); QTest::addColumn<double>("valor"); QTest::addColumn<int>("erro");
        const struct { const char* nome; QString expressao; double valor; int erro; } linhas[] = {
            {"precedência", "1+2*3", 7, 0},
            {"menos fora da potência", "-2^2", -4, 0},
            {"dois separadores", "1.5+1,5", 3, 0},
            {"separador duplo", "1,2,3", 0, 1},
            {"sinal após produto", "2*-3", 0, 2},
            {"sinal entre parênteses", "2*(-3)", -6, 0},
            {"potência dupla", "2^3^2", 0, 2},
            {"parêntese aberto", "(1+2", 0, 8},
            {"nome sem parênteses", "PI", 0, 2},
            {"argumento vazio", "ABS()", 0, 2},
            {"factor seguido de parêntese", "2(3)", 0, 4},
            {"divisão por zero", "1/0", 0, 16},
            {"argumento avaliado", "SOL(1/0)", 0, 16},
            {"nome desconhecido", "FOO(1)", 0, 0},
            {"pi", "PI(0)", PI_NATALIS, 0},
            {"log negativo dá zero", "LOG(-1)+1", 1, 0},
            {"sqr negativo dá zero", "SQR(-4)", 0, 0},
            {"int arredonda para baixo", "INT(-2.5)", -3, 0},
            {"hcos", "HCOS(0)", 1, 0},
            {"hsin", "HSIN(0)", 0, 0},
            {"sol", "SOL(0)", Rad(30), 0},
            {"sod reduzido", "SOD(0)", Rad(170), 0},
            {"parte da fortuna", "ASC(0)-SOL(0)+LUA(0)", Rad(270), 0},
            {"minúsculas e brancos", "asc (0) - sol (0)", Rad(70), 0},
            // Nesting is bounded (256 levels) so that a pasted run of brackets cannot overflow
            // the stack; 200 levels, far past any keypad formula, still evaluate.
            {"aninhamento fundo", QString(200, '(') + "2" + QString(200, ')'), 2, 0},
            {"aninhamento excessivo", QString(100000, '(') + "2" + QString(100000, ')'), 0, 2},
            {"aninhamento em funções", QString("ABS(").repeated(100000) + "1" + QString(100000, ')'), 0, 2},
            // The inverse functions at the edges of their domains, inside and just outside: exact
            // angles and logarithms (ln 2 from 3/4 + 5/4 and the like). Outside the domain, or
            // where the true value is infinite, a function fails silently to 0.
            {"arcsin(1)", "ARCSIN(1)", pi / 2, 0},
            {"arcsin fora", "ARCSIN(1,000001)", 0, 0},
            {"arccos(1/2)", "ARCCOS(0,5)", pi / 3, 0},
            {"arccos fora", "ARCCOS(-1,000001)", 0, 0},
            {"arcsec(2)", "ARCSEC(2)", pi / 3, 0},
            {"arcsec(0)", "ARCSEC(0)", 0, 0},
            {"arccosec(-2)", "ARCCOSEC(-2)", -pi / 6, 0},
            {"arccosec(0)", "ARCCOSEC(0)", 0, 0},
            {"arccotan(-1)", "ARCCOTAN(-1)", 3 * pi / 4, 0},
            {"harcsin(3/4)", "HARCSIN(0,75)", ln2, 0},
            // ln(2·10^10): x + √(x² + 1) cancels to 0 in doubles for so large a negative x.
            {"harcsin grande", "HARCSIN(-10000000000)", -(ln2 + 10 * 2.30258509299404568402), 0},
            {"harccos(5/4)", "HARCCOS(1,25)", ln2, 0},
            {"harccos(-2)", "HARCCOS(-2)", 0, 0},
            {"harctan(3/5)", "HARCTAN(0,6)", ln2, 0},
            {"harctan fora", "HARCTAN(2)", 0, 0},
            {"harccotan(5/3)", "HARCCOTAN(5/3)", ln2, 0},
            {"harcsec(4/5)", "HARCSEC(0,8)", ln2, 0},
            {"harcsec negativo", "HARCSEC(-0,5)", 0, 0},
            {"harccosec(4/3)", "HARCCOSEC(4/3)", ln2, 0},
            {"harccosec(0)", "HARCCOSEC(0)", 0, 0},
        };
        for (const auto& l : linhas) QTest::newRow(l.nome) << l.expressao << l.valor << l.erro;
    }
    void avalia() {
        QFETCH(QString, expressao); QFETCH(double, valor); QFETCH(int, erro);
        Evaluator e(&m_mapa);
        MensagensGravadas caixa;
        CaixaTemporaria instalada(&caixa);
        const double v = e.Evaluate(expressao, true);
        QCOMPARE(e.Error(), erro);
        QCOMPARE(e.Assigned(), erro == 0);
        // Results are sums and products of a few doubles: agreement to 1e-12 is exact arithmetic.
        if (erro == 0) QVERIFY2(std::fabs(v - valor) < 1e-12, qPrintable(QString::number(v, 'g', 17)));
        QVERIFY(caixa.chamadas.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestEvaluator)
#include "test_evaluator.moc"
