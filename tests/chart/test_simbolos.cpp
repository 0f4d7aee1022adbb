// The name tables. Expected values are the tables of bodies, signs, houses and aspects as
// the program shows them.
#include "simbolos.h"

#include <QTest>

using namespace Simbolos;

class TestSimbolos : public QObject {
    Q_OBJECT
private slots:
    void corpos_data();
    void corpos();
    void signos_data();
    void signos();
    void casas_data();
    void casas();
    void aspectos_data();
    void aspectos();
    void decanatoSol_data();
    void decanatoSol();
    void nomesDoMapa();
};

void TestSimbolos::corpos_data() {
    QTest::addColumn<int>("numero");
    QTest::addColumn<QStringList>("textos"); // name, abbreviation, glyph
    QTest::addColumn<uint>("cor");
    QTest::newRow("sol") << 1 << QStringList{"Sol", "SOL", "Q"} << uint(RGBCor(192, 192, 0));
    QTest::newRow("lua") << 2 << QStringList{"Lua", "LUA", "R"} << uint(RGBCor(128, 128, 128));
    QTest::newRow("venus") << 4 << QStringList{"Vénus", "VEN", "T"} << uint(RGBCor(255, 0, 100));
    QTest::newRow("urano") << 8 << QStringList{"Urano", "URA", "X"} << uint(RGBCor(75, 160, 201));
    QTest::newRow("plutao") << 10 << QStringList{"Plutão", "PLU", "Z"} << uint(0);
    QTest::newRow("nodo") << 11 << QStringList{"Nodo Lunar Norte", "NOD", "<"} << uint(0);
    QTest::newRow("lua negra") << 12 << QStringList{"Lua Negra", "LNG", "R"} << uint(0);
    QTest::newRow("fortuna") << 13 << QStringList{"Parte Fortuna", "PFT", ";"} << uint(RGBCor(180, 10, 200));
    QTest::newRow("zero") << 0 << QStringList{"", "", ""} << uint(0);
    QTest::newRow("catorze") << 14 << QStringList{"", "", ""} << uint(0);
}

void TestSimbolos::corpos() {
    QFETCH(int, numero);
    QFETCH(QStringList, textos);
    QFETCH(uint, cor);
    const InfoCorpo c = BodyInfo(static_cast<int16_t>(numero));
    QCOMPARE((QStringList{c.nome, c.abreviatura, c.glifo}), textos);
    QCOMPARE(uint(c.cor), cor);
}

void TestSimbolos::signos_data() {
    QTest::addColumn<int>("indice");
    QTest::addColumn<QStringList>("textos"); // name, glyph
    QTest::addColumn<int>("numero");
    QTest::addColumn<uint>("cor");
    QTest::newRow("carneiro") << 0 << QStringList{"Carneiro", "A"} << 1 << uint(RGBCor(255, 0, 0));
    QTest::newRow("gemeos") << 2 << QStringList{"Gémeos", "C"} << 3 << uint(RGBCor(255, 255, 0));
    QTest::newRow("cancer") << 3 << QStringList{"Câncer", "D"} << 4 << uint(RGBCor(0, 0, 255));
    QTest::newRow("virgo") << 5 << QStringList{"Virgo", "F"} << 6 << uint(RGBCor(0, 128, 0));
    QTest::newRow("escorpiao") << 7 << QStringList{"Escorpião", "H"} << 8 << uint(RGBCor(0, 0, 255));
    QTest::newRow("peixes") << 11 << QStringList{"Peixes", "L"} << 12 << uint(RGBCor(0, 0, 255));
    QTest::newRow("doze como zero") << 12 << QStringList{"Carneiro", "A"} << 1 << uint(RGBCor(255, 0, 0));
    QTest::newRow("treze") << 13 << QStringList{"", ""} << 0 << uint(0);
    QTest::newRow("negativo") << -1 << QStringList{"", ""} << 0 << uint(0);
}

void TestSimbolos::signos() {
    QFETCH(int, indice);
    QFETCH(QStringList, textos);
    QFETCH(int, numero);
    QFETCH(uint, cor);
    const InfoSigno s = SignInfo(static_cast<int16_t>(indice));
    QCOMPARE((QStringList{s.nome, s.glifo}), textos);
    QCOMPARE(s.numero, numero);
    QCOMPARE(uint(s.cor), cor);
}

void TestSimbolos::casas_data() {
    QTest::addColumn<int>("numero");
    QTest::addColumn<QStringList>("nomes"); // short, long
    QTest::newRow("I") << 1 << QStringList{"Asc", "I, o Ascendente"};
    QTest::newRow("II") << 2 << QStringList{"II", "II"};
    QTest::newRow("IV") << 4 << QStringList{"IV", "IV, o Baixo Céu"};
    QTest::newRow("VII") << 7 << QStringList{"VII", "VII, o Descendente"};
    QTest::newRow("IX") << 9 << QStringList{"IX", "IX"};
    QTest::newRow("X") << 10 << QStringList{"MC", "X, o Meio Céu"};
    QTest::newRow("XII") << 12 << QStringList{"XII", "XII"};
    QTest::newRow("zero") << 0 << QStringList{"", ""};
    QTest::newRow("treze") << 13 << QStringList{"", ""};
}

void TestSimbolos::casas() {
    QFETCH(int, numero);
    QFETCH(QStringList, nomes);
    const auto n = static_cast<int16_t>(numero);
    QCOMPARE((QStringList{HouseName(n, false), HouseName(n, true)}), nomes);
}

void TestSimbolos::aspectos_data() {
    QTest::addColumn<int>("codigo");
    QTest::addColumn<QStringList>("textos"); // name, glyph
    QTest::addColumn<uint>("cor");
    QTest::newRow("conjuncao") << 9 << QStringList{"Conjunção", "!"} << uint(RGBCor(192, 192, 0));
    QTest::newRow("sextil") << 6 << QStringList{"Sextil", "'"} << uint(RGBCor(0, 250, 0));
    QTest::newRow("quadratura") << 4 << QStringList{"Quadratura", "#"} << uint(RGBCor(255, 0, 0));
    QTest::newRow("trigono") << 7 << QStringList{"Trigono", "$"} << uint(RGBCor(0, 0, 255));
    QTest::newRow("oposicao") << 8 << QStringList{"Oposição", "\""} << uint(0);
    QTest::newRow("outro") << 5 << QStringList{"", ""} << uint(0);
}

void TestSimbolos::aspectos() {
    QFETCH(int, codigo);
    QFETCH(QStringList, textos);
    QFETCH(uint, cor);
    const InfoAspecto a = AspectInfo(codigo);
    QCOMPARE((QStringList{a.nome, a.glifo}), textos);
    QCOMPARE(uint(a.cor), cor);
}

void TestSimbolos::decanatoSol_data() {
    QTest::addColumn<double>("graus");
    QTest::addColumn<QString>("texto");
    QTest::newRow("sol a 45") << 45.0 << "2º Decanato de Touro: Fertilidade";
    QTest::newRow("inicio") << 0.0 << "1º Decanato de Carneiro: Ardor";
    QTest::newRow("branco final") << 65.0 << "1º Decanato de Gémeos: Intuição ";
    QTest::newRow("fim de peixes") << 359.9 << "3º Decanato de Peixes: Receptividade";
    QTest::newRow("limite de touro") << 30.0 << "1º Decanato de Touro: Senso comum";
    QTest::newRow("volta") << 370.0 << "2º Decanato de Carneiro: Carisma";
}

void TestSimbolos::decanatoSol() {
    QFETCH(double, graus);
    QFETCH(QString, texto);
    QCOMPARE(TextoDecanatoSol(graus), texto);
}

void TestSimbolos::nomesDoMapa() {
    QCOMPARE(PalavraDecanato(0), QString());
    QCOMPARE(PalavraDecanato(37), QString());
    QCOMPARE(PalavraDecanato(35), QStringLiteral("Grandeza de Espírito"));
    QCOMPARE(NomeCorpoMapa(0), QStringLiteral("Sol"));
    QCOMPARE(NomeCorpoMapa(10), QStringLiteral("Nodo Lunar Norte"));
    QCOMPARE(NomeCorpoMapa(11), QStringLiteral("Lua Negra"));
    QCOMPARE(NomeCorpoMapa(12), QStringLiteral("Parte da Fortuna"));
    QCOMPARE(NomeCorpoMapa(13), QStringLiteral("Parte do Devir"));
    QCOMPARE(NomeCorpoMapa(14), QStringLiteral("Parte da Inteligência"));
    QCOMPARE(NomeCorpoMapa(18), QStringLiteral("Parte do Dever"));
    QCOMPARE(NomeCorpoMapa(19), QString());
}

QTEST_APPLESS_MAIN(TestSimbolos)
#include "test_simbolos.moc"
