// The name tables as the program shows them: bodies, signs, houses, aspects, the decanates and
// the chart's own body names. A few entries of each and every edge of every table.
#include "simbolos.h"

#include <QTest>

using namespace Simbolos;

class TestSimbolos : public QObject {
    Q_OBJECT
private slots:
    void corpos() {
        const auto textos = [](int n) {
            const InfoCorpo c = BodyInfo(int16_t(n));
            return QStringList{c.nome, c.abreviatura, c.glifo, QString::number(c.cor)};
        };
        QCOMPARE(textos(1), (QStringList{"Sol", "SOL", "Q", QString::number(RGBCor(192, 192, 0))}));
        QCOMPARE(textos(4), (QStringList{"Vénus", "VEN", "T", QString::number(RGBCor(255, 0, 100))}));
        QCOMPARE(textos(10), (QStringList{"Plutão", "PLU", "Z", "0"}));
        QCOMPARE(textos(11), (QStringList{"Nodo Lunar Norte", "NOD", "<", "0"}));
        QCOMPARE(textos(12), (QStringList{"Lua Negra", "LNG", "R", "0"}));
        QCOMPARE(textos(13), (QStringList{"Parte Fortuna", "PFT", ";", QString::number(RGBCor(180, 10, 200))}));
        QCOMPARE(textos(0), (QStringList{"", "", "", "0"}));
        QCOMPARE(textos(14), (QStringList{"", "", "", "0"}));
    }

    void signosCasasEAspectos() {
        const auto signo = [](int n) {
            const InfoSigno s = SignInfo(int16_t(n));
            return QStringList{s.nome, s.glifo, QString::number(s.numero), QString::number(s.cor)};
        };
        QCOMPARE(signo(3), (QStringList{"Câncer", "D", "4", QString::number(RGBCor(0, 0, 255))}));
        QCOMPARE(signo(11), (QStringList{"Peixes", "L", "12", QString::number(RGBCor(0, 0, 255))}));
        QCOMPARE(signo(12), (QStringList{"Carneiro", "A", "1", QString::number(RGBCor(255, 0, 0))})); // 12 is 0
        QCOMPARE(signo(13), (QStringList{"", "", "0", "0"}));
        QCOMPARE(signo(-1), (QStringList{"", "", "0", "0"}));
        // Houses: the short name and the long one of the angles.
        QCOMPARE((QStringList{HouseName(1, false), HouseName(1, true)}), (QStringList{"Asc", "I, o Ascendente"}));
        QCOMPARE((QStringList{HouseName(4, false), HouseName(4, true)}), (QStringList{"IV", "IV, o Baixo Céu"}));
        QCOMPARE((QStringList{HouseName(10, false), HouseName(10, true)}), (QStringList{"MC", "X, o Meio Céu"}));
        QCOMPARE((QStringList{HouseName(12, false), HouseName(12, true)}), (QStringList{"XII", "XII"}));
        QCOMPARE(HouseName(0, true), QString());
        QCOMPARE(HouseName(13, false), QString());
        // Aspects by kind code.
        QCOMPARE((QStringList{AspectInfo(9).nome, AspectInfo(9).glifo}), (QStringList{"Conjunção", "!"}));
        QCOMPARE((QStringList{AspectInfo(8).nome, AspectInfo(8).glifo}), (QStringList{"Oposição", "\""}));
        QCOMPARE(AspectInfo(6).cor, RGBCor(0, 250, 0));
        QCOMPARE(AspectInfo(5).nome, QString());
    }

    void decanatosENomesDoMapa() {
        QCOMPARE(TextoDecanatoSol(45.0), QStringLiteral("2º Decanato de Touro: Fertilidade"));
        QCOMPARE(TextoDecanatoSol(0.0), QStringLiteral("1º Decanato de Carneiro: Ardor"));
        QCOMPARE(TextoDecanatoSol(65.0), QStringLiteral("1º Decanato de Gémeos: Intuição ")); // the table's blank
        QCOMPARE(TextoDecanatoSol(359.9), QStringLiteral("3º Decanato de Peixes: Receptividade"));
        QCOMPARE(TextoDecanatoSol(30.0), QStringLiteral("1º Decanato de Touro: Senso comum"));
        QCOMPARE(TextoDecanatoSol(370.0), QStringLiteral("2º Decanato de Carneiro: Carisma"));
        QCOMPARE(PalavraDecanato(0), QString());
        QCOMPARE(PalavraDecanato(35), QStringLiteral("Grandeza de Espírito"));
        QCOMPARE(PalavraDecanato(37), QString());
        QCOMPARE(NomeCorpoMapa(10), QStringLiteral("Nodo Lunar Norte"));
        QCOMPARE(NomeCorpoMapa(12), QStringLiteral("Parte da Fortuna"));
        QCOMPARE(NomeCorpoMapa(18), QStringLiteral("Parte do Dever"));
        QCOMPARE(NomeCorpoMapa(19), QString());
    }
};

QTEST_APPLESS_MAIN(TestSimbolos)
#include "test_simbolos.moc"
