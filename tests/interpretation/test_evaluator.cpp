// The expression evaluator: grammar, error codes and messages, functions and chart points.
// Expected values are the documented cases and hand calculation.
#include "evaluator.h"
#include "mapa.h"
#include "mensagens.h"
#include <QtTest>
#include <cmath>

namespace {
// Results are sums and products of a few doubles: agreement to 1e-12 is exact arithmetic.
constexpr double kTolerancia = 1e-12;
double Rad(double graus) {
    return graus * PI_NATALIS / 180.0;
}
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
        QTest::addColumn<QString>("expressao");
        QTest::addColumn<double>("valor");
        QTest::addColumn<int>("erro");
        QTest::newRow("precedencia") << "1+2*3" << 7.0 << 0;
        QTest::newRow("parenteses") << "(1+2)*3" << 9.0 << 0;
        QTest::newRow("divisao_esquerda") << "8/4/2" << 1.0 << 0;
        QTest::newRow("potencia_antes_produto") << "2^3*2" << 16.0 << 0;
        QTest::newRow("menos_fora_da_potencia") << "-2^2" << -4.0 << 0;
        QTest::newRow("subtraccao_esquerda") << "10-4-3" << 3.0 << 0;
        QTest::newRow("dois_separadores") << "1.5+1,5" << 3.0 << 0;
        QTest::newRow("virgula_inicial") << ",5*4" << 2.0 << 0;
        QTest::newRow("separador_duplo") << "1,2,3" << 0.0 << 1;
        QTest::newRow("sinal_apos_produto") << "2*-3" << 0.0 << 2;
        QTest::newRow("sinal_entre_parenteses") << "2*(-3)" << -6.0 << 0;
        QTest::newRow("potencia_dupla") << "2^3^2" << 0.0 << 2;
        QTest::newRow("parentese_aberto") << "(1+2" << 0.0 << 8;
        QTest::newRow("parentese_fechado") << "1+2)" << 0.0 << 8;
        QTest::newRow("nome_sem_parenteses") << "PI" << 0.0 << 2;
        QTest::newRow("pi") << "PI(0)" << PI_NATALIS << 0;
        QTest::newRow("e") << "E(7)" << 2.71828182845905 << 0;
        QTest::newRow("abs") << "ABS(-3)" << 3.0 << 0;
        QTest::newRow("argumento_vazio") << "ABS()" << 0.0 << 2;
        QTest::newRow("factor_seguido_de_parentese") << "2(3)" << 0.0 << 4;
        QTest::newRow("factor_seguido_de_nome") << "2X3" << 0.0 << 4;
        QTest::newRow("divisao_por_zero") << "1/0" << 0.0 << 16;
        QTest::newRow("nome_desconhecido") << "FOO(1)" << 0.0 << 0;
        QTest::newRow("log_negativo_da_zero") << "LOG(-1)+1" << 1.0 << 0;
        QTest::newRow("sqr_negativo_da_zero") << "SQR(-4)" << 0.0 << 0;
        QTest::newRow("int_arredonda_para_baixo") << "INT(-2.5)" << -3.0 << 0;
        QTest::newRow("fix_trunca") << "FIX(-2.5)" << -2.0 << 0;
        QTest::newRow("sgn") << "SGN(-7)+SGN(0)" << -1.0 << 0;
        QTest::newRow("arccotan") << "ARCCOTAN(0)" << 2 * std::atan(1.0) << 0;
        QTest::newRow("hcos") << "HCOS(0)" << 1.0 << 0;
        QTest::newRow("hsin") << "HSIN(1)" << (std::exp(1.0) - std::exp(-1.0)) / 2 << 0;
        QTest::newRow("harctan") << "HARCTAN(0,5)" << std::log(3.0) / 2 << 0;
        QTest::newRow("sol") << "SOL(0)" << Rad(30) << 0;
        QTest::newRow("sod_reduzido") << "SOD(0)" << Rad(170) << 0;
        QTest::newRow("casas_por_dois_nomes") << "ASC(0)-I(0)+MC(0)-X(0)" << 0.0 << 0;
        QTest::newRow("parte_da_fortuna") << "ASC(0)-SOL(0)+LUA(0)" << Rad(270) << 0;
        QTest::newRow("minusculas_e_brancos") << "asc (0) - sol (0)" << Rad(70) << 0;
        QTest::newRow("argumento_avaliado") << "SOL(1/0)" << 0.0 << 16;
        // Nesting is bounded (256 levels) so that a pasted run of brackets cannot overflow the
        // stack; 200 levels, far past any keypad formula, still evaluate.
        QTest::newRow("aninhamento_fundo") << QString(200, '(') + "2" + QString(200, ')') << 2.0 << 0;
        QTest::newRow("aninhamento_excessivo")
            << QString(100000, '(') + "2" + QString(100000, ')') << 0.0 << 2;
        QTest::newRow("aninhamento_em_funcoes")
            << QString("ABS(").repeated(100000) + "1" + QString(100000, ')') << 0.0 << 2;
    }
    void avalia() {
        QFETCH(QString, expressao);
        QFETCH(double, valor);
        QFETCH(int, erro);
        Evaluator e(&m_mapa);
        MensagensGravadas caixa;
        CaixaTemporaria instalada(&caixa);
        const double v = e.Evaluate(expressao, true);
        QCOMPARE(e.Error(), erro);
        QCOMPARE(e.Assigned(), erro == 0);
        if (erro == 0) QVERIFY2(std::fabs(v - valor) < kTolerancia, qPrintable(QString::number(v, 'g', 17)));
        QVERIFY(caixa.chamadas.isEmpty());
    }

    // Every inverse function at the edges of its domain, inside it and just outside it. The
    // values are exact angles and logarithms worked by hand (ln 2 from 3/4 + 5/4 and the like);
    // outside the domain, or where the true value is infinite, the function fails silently to 0.
    void inversas_data() {
        QTest::addColumn<QString>("expressao");
        QTest::addColumn<double>("valor");
        QTest::addColumn<int>("erro");
        const double pi = 3.14159265358979323846, ln2 = 0.69314718055994530942;
        const struct {
            const char* nome;
            const char* expressao;
            double valor;
        } linhas[] = {
            {"arcsin(1)", "ARCSIN(1)", pi / 2},
            {"arcsin(-1)", "ARCSIN(-1)", -pi / 2},
            {"arcsin(1/2)", "ARCSIN(0,5)", pi / 6},
            {"arcsin fora", "ARCSIN(1,000001)", 0},
            {"arccos(1)", "ARCCOS(1)", 0},
            {"arccos(-1)", "ARCCOS(-1)", pi},
            {"arccos(1/2)", "ARCCOS(0,5)", pi / 3},
            {"arccos fora", "ARCCOS(-1,000001)", 0},
            {"arcsec(1)", "ARCSEC(1)", 0},
            {"arcsec(-1)", "ARCSEC(-1)", pi},
            {"arcsec(2)", "ARCSEC(2)", pi / 3},
            {"arcsec(-2)", "ARCSEC(-2)", 2 * pi / 3},
            {"arcsec fora", "ARCSEC(0,999999)", 0},
            {"arcsec(0)", "ARCSEC(0)", 0},
            {"arccosec(1)", "ARCCOSEC(1)", pi / 2},
            {"arccosec(-1)", "ARCCOSEC(-1)", -pi / 2},
            {"arccosec(2)", "ARCCOSEC(2)", pi / 6},
            {"arccosec(-2)", "ARCCOSEC(-2)", -pi / 6},
            {"arccosec fora", "ARCCOSEC(-0,999999)", 0},
            {"arccosec(0)", "ARCCOSEC(0)", 0},
            {"arccotan(1)", "ARCCOTAN(1)", pi / 4},
            {"arccotan(-1)", "ARCCOTAN(-1)", 3 * pi / 4},
            {"harcsin(3/4)", "HARCSIN(0,75)", ln2},
            {"harcsin(-3/4)", "HARCSIN(-0,75)", -ln2},
            // ln(2·10^10): x + √(x² + 1) cancels to 0 in doubles for so large a negative x.
            {"harcsin grande", "HARCSIN(-10000000000)", -(ln2 + 10 * 2.30258509299404568402)},
            {"harccos(1)", "HARCCOS(1)", 0},
            {"harccos(5/4)", "HARCCOS(1,25)", ln2},
            {"harccos fora", "HARCCOS(0,999999)", 0},
            {"harccos(-2)", "HARCCOS(-2)", 0},
            {"harctan(3/5)", "HARCTAN(0,6)", ln2},
            {"harctan(1)", "HARCTAN(1)", 0},
            {"harctan(-1)", "HARCTAN(-1)", 0},
            {"harctan fora", "HARCTAN(2)", 0},
            {"harccotan(5/3)", "HARCCOTAN(5/3)", ln2},
            {"harccotan(1)", "HARCCOTAN(1)", 0},
            {"harccotan(-1)", "HARCCOTAN(-1)", 0},
            {"harccotan fora", "HARCCOTAN(0,5)", 0},
            {"harccotan(0)", "HARCCOTAN(0)", 0},
            {"harcsec(1)", "HARCSEC(1)", 0},
            {"harcsec(4/5)", "HARCSEC(0,8)", ln2},
            {"harcsec(0)", "HARCSEC(0)", 0},
            {"harcsec fora", "HARCSEC(1,000001)", 0},
            {"harcsec negativo", "HARCSEC(-0,5)", 0},
            {"harccosec(4/3)", "HARCCOSEC(4/3)", ln2},
            {"harccosec(-4/3)", "HARCCOSEC(-4/3)", -ln2},
            {"harccosec(0)", "HARCCOSEC(0)", 0},
        };
        for (const auto& l : linhas)
            QTest::newRow(l.nome) << QString::fromLatin1(l.expressao) << l.valor << 0;
    }
    void inversas() { avalia(); }

    void mensagens_data() {
        QTest::addColumn<QString>("expressao");
        QTest::addColumn<QString>("titulo"); // empty: no box at all
        QTest::addColumn<QString>("texto");
        QTest::newRow("resultado") << "1+2"
                                   << "Eval Result"
                                   << "Result: 3";
        QTest::newRow("separador") << "1,2,3"
                                   << "Eval Error"
                                   << "Error: Wrong decimal separator placement!";
        QTest::newRow("sintaxe") << "PI"
                                 << "Eval Error"
                                 << "Error: Wrong syntax!";
        QTest::newRow("sinal") << "2(3)"
                               << "Eval Error"
                               << "Error: Wrong sign or bracket placement!";
        QTest::newRow("parenteses") << "(1"
                                    << "Eval Error"
                                    << "Error: Wrong bracket placement!";
        QTest::newRow("aritmetica_calada") << "1/0"
                                           << ""
                                           << "";
    }
    void mensagens() {
        QFETCH(QString, expressao);
        QFETCH(QString, titulo);
        QFETCH(QString, texto);
        Evaluator e(&m_mapa);
        MensagensGravadas caixa;
        CaixaTemporaria instalada(&caixa);
        e.Evaluate(expressao, false);
        QCOMPARE(caixa.chamadas.size(), titulo.isEmpty() ? 0 : 1);
        if (!titulo.isEmpty()) {
            QCOMPARE(caixa.chamadas[0].titulo, titulo);
            QCOMPARE(caixa.chamadas[0].texto, texto);
            QCOMPARE(caixa.chamadas[0].icone,
                     titulo == "Eval Result" ? IconeMsg::Exclamacao : IconeMsg::Critico);
        }
    }

    void expressaoNormalizada() {
        Evaluator e(&m_mapa);
        e.setExpression(QStringLiteral(" asc (0) + 1.5 "));
        QCOMPARE(e.Expression(), QStringLiteral("ASC(0)+1,5"));
        // Each read evaluates afresh and clears the previous error.
        e.setExpression(QStringLiteral("1/0"));
        e.Result();
        QCOMPARE(e.Error(), 16);
        e.setExpression(QStringLiteral("2+2"));
        QCOMPARE(e.Result(), 4.0);
        QCOMPARE(e.Error(), 0);
    }

    void replaceText_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("procura");
        QTest::addColumn<QString>("troca");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("todas") << "1.2.3"
                               << "."
                               << ","
                               << "1,2,3";
        QTest::newRow("maiusculas_contam") << "aAa"
                                           << "a"
                                           << "b"
                                           << "bAb";
        QTest::newRow("procura_vazia") << "abc"
                                       << ""
                                       << "x"
                                       << "abc";
        QTest::newRow("igual_a_troca") << "abc"
                                       << "b"
                                       << "b"
                                       << "abc";
        // Searching again from the start: the join of "a" and "b" is replaced too.
        QTest::newRow("recomeca_do_inicio") << "aabb"
                                            << "ab"
                                            << ""
                                            << "";
        // A replacement holding the searched text ends after one pass.
        QTest::newRow("troca_contem_procura") << "a.b"
                                              << "."
                                              << ".."
                                              << "a..b";
    }
    void replaceText() {
        QFETCH(QString, texto);
        QFETCH(QString, procura);
        QFETCH(QString, troca);
        QFETCH(QString, esperado);
        QCOMPARE(Evaluator::ReplaceText(texto, procura, troca), esperado);
    }

    void relogioEAleatorio() {
        Evaluator e(&m_mapa);
        const QDate hoje = QDate::currentDate();
        const double ano = e.Evaluate(QStringLiteral("YEAR(0)"), true);
        QVERIFY(ano == hoje.year() || ano == hoje.year() + 1); // midnight of 31 December
        const double dia = e.Evaluate(QStringLiteral("WEEKDAY(0)"), true);
        QVERIFY(dia >= 1 && dia <= 7);
        const double t = e.Evaluate(QStringLiteral("TIMER(0)"), true);
        QVERIFY(t >= 0 && t < 86400);
        const double r = e.Evaluate(QStringLiteral("RND(1)"), true);
        QVERIFY(r >= 0 && r < 1);
        QCOMPARE(e.Evaluate(QStringLiteral("RND(0)"), true), r);
        QCOMPARE(e.Evaluate(QStringLiteral("RND(-3)"), true), e.Evaluate(QStringLiteral("RND(-3)"), true));
    }
};

QTEST_GUILESS_MAIN(TestEvaluator)
#include "test_evaluator.moc"
