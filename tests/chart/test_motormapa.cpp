// A cast with the chosen engine and house system, through the fields as the window shows
// them: positions and cusps at whole arc seconds against swetest run live, retrograde marks
// from swetest's speeds, the status note (ephemeris used, polar fallback), and the choice
// kept in options 20 and 21.
#include "../engine/swetest.h"
#include "calculo.h"
#include "mensagens.h"
#include "motormapa.h"
#include "opcoes.h"
#include "orbes.h"

#include <QtTest>

namespace {
// A field's text is a whole-seconds position: within half a second of the reference, plus
// the rounding of the reference's seven decimals.
constexpr double TOL_CAMPO_GRAUS = 0.51 / 3600.0;

double diferenca(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return std::min(d, 360.0 - d);
}
double graus(const QString& texto) {
    PosSigno p;
    p.SetonbyString(texto);
    return p.ValorGraus();
}
} // namespace

class TestMotorMapa : public QObject {
    Q_OBJECT
    MensagensGravadas caixa;

    static CamposMapa nascimento(const QString& latitude) {
        CamposMapa c;
        c.txtData = "25/4/1974";
        c.txtHora = "0:20";
        c.FusoHorario = "1";
        c.txtLatitude = latitude;
        c.txtlongitude = "9º8' W";
        return c;
    }

private slots:
    void initTestCase() {
        DefineCaixaMensagens(&caixa);
        LoadOrbs(true, QString());
    }
    void cleanupTestCase() {
        EscolhaCalculoActual() = {};
        DefineCaixaMensagens(nullptr);
    }

    void lancamento_data() {
        QTest::addColumn<int>("casas");
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<double>("latitudeGraus");
        QTest::addColumn<bool>("polar");
        QTest::newRow("Placidus em Lisboa") << int(SistemaCasas::Placidus) << "38º43' N" << (38 + 43 / 60.0) << false;
        QTest::newRow("Koch em Lisboa") << int(SistemaCasas::Koch) << "38º43' N" << (38 + 43 / 60.0) << false;
        QTest::newRow("Placidus a 70 N: Porfirio") << int(SistemaCasas::Placidus) << "70º0' N" << 70.0 << true;
        QTest::newRow("Koch a 75 S: Porfirio") << int(SistemaCasas::Koch) << "75º0' S" << -75.0 << true;
    }
    void lancamento() {
        QFETCH(int, casas);
        QFETCH(QString, latitude);
        QFETCH(double, latitudeGraus);
        QFETCH(bool, polar);
        EscolhaCalculoActual() = {Motor::Preciso, SistemaCasas(casas)};
        CamposMapa c = nascimento(latitude);
        Mapa m;
        QVERIFY(Cast(c, m));
        QCOMPARE(c.escolha, EscolhaCalculoActual());
        const auto ref = CorreSwetest("24.4.1974", "23:20:00", latitudeGraus, -(9 + 8 / 60.0),
                                      LetraCasas(SistemaCasas(casas)), c.avisoCalculo.contains("Moshier"));
        QVERIFY2(ref, "swetest não correu");
        for (int i = 0; i < 12; ++i) {
            QVERIFY2(diferenca(graus(c.PosPlaneta[i]), ref->corpos[size_t(i)]) < TOL_CAMPO_GRAUS,
                     qPrintable(QString("%1: %2").arg(i).arg(c.PosPlaneta[i])));
            QCOMPARE(c.lblretrogrado[size_t(i)], ref->velocidades[size_t(i)] < 0);
        }
        constexpr int casasCampos[6] = {10, 11, 12, 1, 2, 3};
        for (int k = 0; k < 6; ++k)
            QVERIFY2(diferenca(graus(c.PosCasas[k]), ref->cuspides[size_t(casasCampos[k])]) < TOL_CAMPO_GRAUS,
                     qPrintable(c.PosCasas[k]));
        QCOMPARE(ref->recursoPolar, polar);
        QCOMPARE(c.avisoCalculo.contains(QString::fromUtf8("foram usadas as de Porfírio")), polar);
        // The file names the houses whose cusps it holds, so the chart opened again says so.
        QCOMPARE(RegistosExtraMapa(c).value(1), polar ? QStringLiteral("porfirio") : CodigoCasas(SistemaCasas(casas)));
        const QString texto = TextoCalculo(c);
        QVERIFY(texto.startsWith(QString::fromUtf8("Cálculo: motor preciso (Swiss Ephemeris), casas ") +
                                 NomeCasas(SistemaCasas(casas))));
        QVERIFY(texto.contains(QString::fromUtf8("Efemérides pel")));
    }

    // The default choice casts as ever: no note, and the classic engine's cusps.
    void predefinidoSemNota() {
        EscolhaCalculoActual() = {};
        CamposMapa c = nascimento("38º43' N");
        Mapa m;
        QVERIFY(Cast(c, m));
        QVERIFY(c.escolha.padrao());
        QVERIFY(c.avisoCalculo.isEmpty());
        QCOMPARE(TextoCalculo(c), QString::fromUtf8("Cálculo: motor clássico, casas regra própria."));
    }

    // Options 20 and 21 keep the codes; anything else reads as the default.
    void opcoes_data() {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<QString>("casas");
        QTest::addColumn<int>("motorLido");
        QTest::addColumn<int>("casasLidas");
        QTest::newRow("preciso placidus") << "preciso" << "placidus" << int(Motor::Preciso) << int(SistemaCasas::Placidus);
        QTest::newRow("por omissao") << "False" << "False" << int(Motor::Classico) << int(SistemaCasas::Proprio);
        QTest::newRow("desconhecidos") << "rapido" << "xyz" << int(Motor::Classico) << int(SistemaCasas::Proprio);
    }
    void opcoes() {
        QFETCH(QString, motor);
        QFETCH(QString, casas);
        QFETCH(int, motorLido);
        QFETCH(int, casasLidas);
        SaveOption(OPCAO_MOTOR, motor);
        SaveOption(OPCAO_CASAS, casas);
        const EscolhaCalculo e = EscolhaDasOpcoes();
        QCOMPARE(int(e.motor), motorLido);
        QCOMPARE(int(e.casas), casasLidas);
        GuardaEscolhaNasOpcoes(e);
        QCOMPARE(EscolhaDasOpcoes(), e);
    }
};

QTEST_GUILESS_MAIN(TestMotorMapa)
#include "test_motormapa.moc"
