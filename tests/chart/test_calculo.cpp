// Rebuild, the Arabic parts, the derived times and the retrograde rule, against values worked
// out by hand from the formulas (ASC + Lua − Sol and the others, reduced modulo 360°; clock
// time − zone; universal time − longitude; sidereal field + local mean time). The summary of
// the same chart (test_resumo) checks the texts of the houses, opposite cusps and parts.
#include "calculo.h"
#include "mensagens.h"
#include "orbes.h"

#include <QtTest>

namespace {
double rad(double g) { return g * PI_NATALIS / 180.0; }
double graus(double r) { return r * 180.0 / PI_NATALIS; }
using Partes = QList<double>;

// The fields of a chart typed by hand: MC 0º Capricórnio, then every 30°; the bodies as
// listed; sidereal field 6h30'; Urano retrograde.
CamposMapa campos() {
    CamposMapa c;
    c.txtHora = "15h20'";
    c.FusoHorario = "0h0'0''";
    c.txttemposideral = "6h30'0''";
    c.txtlongitude = "0h36'32'' W";
    c.PosPlaneta = {"20º10'5''Gémeos", "3º0'0''Touro",   "25º30'0''Gémeos", "1º1'1''Câncer",     "29º59'59''Peixes",
                    "10º0'0''Sagitário", "5º0'0''Virgo", "7º7'7''Aquário",  "17º0'0''Touro",     "3º0'0''Gémeos",
                    "28º0'0''Leão",      "12º0'0''Escorpião", "1º0'0''Carneiro"};
    c.PosCasas = {"0º0'0''Capricórnio", "0º0'0''Aquário", "0º0'0''Peixes", "0º0'0''Carneiro", "0º0'0''Touro", "0º0'0''Gémeos"};
    c.lblretrogrado[7] = true;
    return c;
}

// Birth data as typed, zone 0.
CamposMapa nascimento(const char* data, const char* hora, const char* latitude, const char* longitude) {
    CamposMapa c;
    c.txtData = data;
    c.txtHora = hora;
    c.FusoHorario = "0";
    c.txtLatitude = QString::fromUtf8(latitude);
    c.txtlongitude = QString::fromUtf8(longitude);
    return c;
}
} // namespace

class TestCalculo : public QObject {
    Q_OBJECT

    MensagensGravadas caixa;

private slots:
    void initTestCase() {
        DefineCaixaMensagens(&caixa);
        LoadOrbs(true, QString());
    }
    void cleanupTestCase() { DefineCaixaMensagens(nullptr); }
    void init() { caixa.chamadas.clear(); }

    void partes_data() {
        QTest::addColumn<Partes>("entrada");  // ASC, Sol, Lua, Mer, Ven, Mar, Jup, Sat
        QTest::addColumn<Partes>("esperado"); // Fortuna, Devir, Int, Amor, Aud, Fel, Dever
        // Fortuna 0 + 100 − 10 = 90, Devir 0 + 10 − 100 = 270; Fortuna − Devir = −180.
        QTest::newRow("exemplo Sol 10 Lua 100 ASC 0") << Partes{0, 10, 100, 0, 0, 0, 0, 0} << Partes{90, 270, 180, 180, 270, 90, 270};
        // Fortuna 380 → 20, Devir 320; Inteligência 350 + 100 + 300 = 750 → 30.
        QTest::newRow("soma acima de 720") << Partes{350, 100, 130, 100, 0, 0, 0, 0} << Partes{20, 320, 30, 290, 330, 30, 330};
        // Fortuna 10 + 20 − 300 = −270 → 90; Devir 290; F − D = −200; Amor 10 + 350 + 200 = 560 → 200.
        QTest::newRow("somas negativas") << Partes{10, 300, 20, 5, 350, 100, 200, 40} << Partes{90, 290, 215, 200, 20, 280, 320};
    }
    void partes() {
        QFETCH(Partes, entrada);
        QFETCH(Partes, esperado);
        const Partes& e = entrada;
        const auto p = CalculaPartes(rad(e[0]), rad(e[1]), rad(e[2]), rad(e[3]), rad(e[4]), rad(e[5]), rad(e[6]), rad(e[7]));
        for (int k = 0; k < 7; ++k) // 1e-9° covers the rounding of the radian arithmetic
            QVERIFY2(p[k] >= 0 && p[k] < DOIS_PI_NATALIS && std::fabs(graus(p[k]) - esperado[k]) < 1e-9,
                     qPrintable(QString("parte %1: %2").arg(k).arg(graus(p[k]))));
    }

    // Today's and yesterday's longitude; across 0º Carneiro the short way counts.
    void retrogrado() {
        QVERIFY(!MovimentoRetrogrado(101.0, 100.0));
        QVERIFY(MovimentoRetrogrado(100.0, 101.0));
        QVERIFY(!MovimentoRetrogrado(0.3, 359.5));
        QVERIFY(MovimentoRetrogrado(359.5, 0.3));
        QVERIFY(!MovimentoRetrogrado(200.0, 200.0)); // stationary
        QVERIFY(!MovimentoRetrogrado(2.0, 347.0));   // the fast Moon passing 0
    }

    void temposDerivados_data() {
        QTest::addColumn<QStringList>("entrada"); // time, zone, longitude, sidereal field
        QTest::addColumn<QStringList>("horas");   // UT, local mean, local sidereal; empty = untouched
        QTest::addColumn<int>("avisos");
        // 14:30 − 1 h = 13:30 UT; 9º8' W = 36m32s → 12:53:28; 6:00 + 12:53:28 = 18:53:28.
        QTest::newRow("hora com dois pontos e longitude em graus")
            << QStringList{"14:30", "1", "9º8' W", "6h0'0''"} << QStringList{"13h30'0''", "12h53'28''", "18h53'28''"} << 0;
        // 22:00 + 3 h = 25 → 1:00 UT; 151º12' E = 10h4m48s east → 11:04:48; + 20h = 31:04:48 → 7:04:48.
        QTest::newRow("fuso negativo passa a meia-noite e longitude leste")
            << QStringList{"22h00'", "-3", "151º12' E", "20h0'0''"} << QStringList{"1h0'0''", "11h4'48''", "7h4'48''"} << 0;
        QTest::newRow("campo sideral a zero nada calcula") << QStringList{"14:30", "1", "9º8' W", "0h0'0''"} << QStringList{} << 0;
        // The time counts as 0 after the warning: 0 − 0 = 0 UT.
        QTest::newRow("hora vazia avisa e continua")
            << QStringList{"", "0", "0h0'0'' W", "1h0'0''"} << QStringList{"0h0'0''", "0h0'0''", "1h0'0''"} << 1;
        QTest::newRow("hora ilegivel avisa e nao calcula") << QStringList{"meio-dia", "0", "0h0'0'' W", "1h0'0''"} << QStringList{} << 1;
    }
    void temposDerivados() {
        QFETCH(QStringList, entrada);
        QFETCH(QStringList, horas);
        QFETCH(int, avisos);
        CamposMapa c;
        c.txtHora = entrada[0];
        c.FusoHorario = entrada[1];
        c.txtlongitude = entrada[2];
        c.txttemposideral = entrada[3];
        QCOMPARE(DerivedTimes(c), !horas.isEmpty());
        QCOMPARE(caixa.chamadas.size(), avisos);
        QCOMPARE((QStringList{c.lblHoras[0], c.lblHoras[1], c.lblHoras[2]}), (horas.isEmpty() ? QStringList{"", "", ""} : horas));
        if (!horas.isEmpty())
            QVERIFY2(c.txtlongitude.contains('h'), qPrintable(c.txtlongitude)); // rewritten in hours
    }

    // Every value below was worked out by hand from the fields of campos().
    void refazer() {
        CamposMapa c = campos();
        Mapa m;
        m.Corpo(3).Marcado = true;
        int redesenhos = 0;
        Rebuild(c, m, [&] { ++redesenhos; });
        QCOMPARE(redesenhos, 1);
        QCOMPARE(caixa.chamadas.size(), 0);
        QVERIFY(!m.Corpo(3).Marcado); // new bodies
        for (int h = 1; h <= 12; ++h)
            QVERIFY(std::fabs(graus(m.Cuspide(h).ValorRads()) - 30 * (h - 1)) < 1e-9);

        // Parts (Fortuna 33° − 80°10'5" → 312°49'55", Devir 47°10'5", Inteligência 179°50'10",
        // Amor 185°21'11", Audácia 47°10'4", Felicidade 202°49'55", Dever 202°10'5") and their houses.
        const int casasPartes[7] = {11, 2, 6, 7, 2, 7, 7};
        for (int k = 0; k < 7; ++k) {
            QCOMPARE(c.partesCasa[k], QString::number(casasPartes[k]) + QString::fromUtf8("ª Casa  "));
            QCOMPARE(int(m.Corpo(12 + k).Casa), casasPartes[k]);
        }
        QCOMPARE(c.PosPlaneta[12], QString::fromUtf8("12º49'55''Aquário"));
        QVERIFY(m.Corpo(7).Retrogrado);
        QVERIFY(!m.Corpo(6).Retrogrado);
        QCOMPARE(m.Corpo(14).Nome, QString::fromUtf8("Parte da Inteligência"));
        QCOMPARE(c.lblHoras[2], QString("21h13'28''")); // 6h30' + 15h20' − 36m32s

        // Aspects: Sol 80°10' and Mercúrio 85°30' (orb 9); Lua 33° and Neptuno 47° are 14°
        // apart, beyond every orb.
        QVERIFY(m.Aspectos().ExistsItem(1903));
        QVERIFY(!m.Aspectos().ExistsItem(2909));
        QCOMPARE(m.Corpo(0).Aspectos().Item(1)->Nome().left(4), QString(" Em "));

        // A second rebuild of the same fields gives the same chart, nothing accumulated.
        const int n = m.Aspectos().Count();
        Rebuild(c, m);
        QCOMPARE(m.Aspectos().Count(), n);
        QCOMPARE(c.PosPlaneta[12], QString::fromUtf8("12º49'55''Aquário"));
    }

    // Rebuild reads positions in the window's form with a parser of its own; it must give
    // exactly what the general parser gives, in every sign and for texts it does not take.
    void leituraDasPosicoes_data() {
        QTest::addColumn<QString>("texto");
        const char* nomes[12] = {"Carneiro", "Touro", "Gémeos", "Câncer", "Leão", "Virgo",
                                 "Libra", "Escorpião", "Sagitário", "Capricórnio", "Aquário", "Peixes"};
        for (int s = 0; s < 12; ++s)
            QTest::newRow(nomes[s]) << QString::fromUtf8("%1º%2'%3''%4").arg(s * 2 + 1).arg(59 - s).arg(s * 5).arg(QString::fromUtf8(nomes[s]));
        QTest::newRow("minusculas") << QString::fromUtf8("3º4'5''touro");
        QTest::newRow("sem segundos") << QString::fromUtf8("15º30' Touro");
        QTest::newRow("vazio") << QString();
        QTest::newRow("sul") << QString::fromUtf8("10º30'0''S");
    }
    void leituraDasPosicoes() {
        QFETCH(QString, texto);
        CamposMapa c = campos();
        c.PosPlaneta[5] = texto;
        Mapa m;
        Rebuild(c, m);
        PosSigno geral;
        geral.SetonbyString(texto);
        QCOMPARE(m.Corpo(5).Posicao().ValorRads(), ReduzCirculo(geral.ValorRads()));
    }

    // Positions and cusps typed or stored past a full circle (or below 0) are read on the
    // circle, so every body falls in a house and every cusp in a sign.
    void reduzidasAoCirculo_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<double>("esperado");
        QTest::newRow("uma volta a mais") << QString::fromUtf8("40º0'0''Peixes") << 10.0;
        QTest::newRow("muitas voltas") << QString::fromUtf8("3610º30'0''Carneiro") << 10.5;
        QTest::newRow("ultimo grau representavel") << QString::fromUtf8("32767º0'0''Carneiro") << 7.0;
        QTest::newRow("negativa") << QString::fromUtf8("10º30'0''S") << 349.5;
        QTest::newRow("trinta de Peixes") << QString::fromUtf8("30º0'0''Peixes") << 0.0;
    }
    void reduzidasAoCirculo() {
        QFETCH(QString, texto);
        QFETCH(double, esperado);
        CamposMapa c = campos();
        c.PosPlaneta[5] = texto;
        c.PosCasas[4] = texto; // cusp 2
        Mapa m;
        Rebuild(c, m);
        const auto segundos = [](double r) { return qRound(graus(r) * 3600.0); };
        QCOMPARE(segundos(m.Corpo(5).Posicao().ValorRads()), qRound(esperado * 3600.0));
        QCOMPARE(segundos(m.Cuspide(2).ValorRads()), qRound(esperado * 3600.0));
        QCOMPARE(segundos(m.Cuspide(8).ValorRads()), qRound(std::fmod(esperado + 180.0, 360.0) * 3600.0));
        QVERIFY(!m.Cuspide(2).RetornaFormatado(2).endsWith(QLatin1String("''")));
        for (int i = 0; i < N_CORPOS_MAPA; ++i)
            QVERIFY2(m.Corpo(i).Casa >= 1 && m.Corpo(i).Casa <= 12, qPrintable(QString::number(i)));
    }

    // The first day of the Gregorian calendar compares with 4/10/1582, the day before it.
    // Motion from swetest -b15.10.1582 -ut12 -emos -nonut -p0123456789tA -fPls (speed in
    // °/day): Saturn −0.039, Uranus −0.012, Pluto −0.019, true node −0.040; every other body
    // direct (the Moon +14.4, Neptune +0.005, the mean apogee +0.11).
    void retrogradosNaReformaGregoriana() {
        CamposMapa c = nascimento("15/10/1582", "12:00", "51º29' N", "0º0' W");
        Mapa m;
        QVERIFY(Cast(c, m));
        const std::array<bool, 12> esperado = {false, false, false, false, false, false, true, true, false, true, true, false};
        QCOMPARE(c.lblretrogrado, esperado);
    }

    // Values exactly on a rounding or house boundary, as the window shows them (whole arc
    // seconds): 8°30' rounds up to 9 (no conjunction under orb 8), 82°30' rounds up to 83 (a
    // square under orb 7), a body on a cusp is in that cusp's house and one second before it
    // in the previous house. Body −1 leaves the bodies as they are; house −1 checks no house.
    void valoresExactos_data() {
        QTest::addColumn<int>("corpo");
        QTest::addColumn<QString>("posicao");
        QTest::addColumn<int>("outro");
        QTest::addColumn<QString>("posicaoOutro");
        QTest::addColumn<int>("aspecto"); // global code of the pair, 0 when none is expected
        QTest::addColumn<int>("casa");
        QTest::newRow("8°30' com orbe 8: sem conjuncao") << 0 << "3º0'0''Carneiro" << 4 << "11º30'0''Carneiro" << 0 << -1;
        QTest::newRow("8°29'59'' com orbe 8: conjuncao") << 0 << "3º0'0''Carneiro" << 4 << "11º29'59''Carneiro" << 1905 << -1;
        QTest::newRow("82°30' com orbe 7: quadratura") << 0 << "24º32'11''Peixes" << 8 << "2º2'11''Capricórnio" << 1409 << -1;
        QTest::newRow("Sol sobre o MC: casa X") << 0 << "8º25'0''Escorpião" << -1 << QString() << 0 << 10;
        QTest::newRow("Sol um segundo antes do MC: casa IX") << 0 << "8º24'59''Escorpião" << -1 << QString() << 0 << 9;
        QTest::newRow("Lua sobre o Ascendente: casa I") << 1 << "8º25'0''Aquário" << -1 << QString() << 0 << 1;
        QTest::newRow("Lua sobre a cuspide III: casa III") << 1 << "8º25'0''Carneiro" << -1 << QString() << 0 << 3;
    }
    void valoresExactos() {
        QFETCH(int, corpo);
        QFETCH(QString, posicao);
        QFETCH(int, outro);
        QFETCH(QString, posicaoOutro);
        QFETCH(int, aspecto);
        QFETCH(int, casa);
        CamposMapa c = campos();
        c.PosCasas = {"8º25'0''Escorpião", "8º25'0''Sagitário", "8º25'0''Capricórnio", "8º25'0''Aquário", "8º25'0''Peixes", "8º25'0''Carneiro"};
        c.PosPlaneta[corpo] = posicao;
        if (outro >= 0)
            c.PosPlaneta[outro] = posicaoOutro;
        Mapa m;
        Rebuild(c, m);
        if (outro >= 0) {
            bool algum = false;
            for (int tipo : {4, 6, 7, 8, 9})
                algum = algum || m.Aspectos().ExistsItem(QVariant::fromValue(int16_t((corpo + 1) * 1000 + tipo * 100 + outro + 1)));
            QCOMPARE(algum, aspecto != 0);
            QVERIFY(!aspecto || m.Aspectos().ExistsItem(QVariant::fromValue(int16_t(aspecto))));
        }
        if (casa > 0)
            QCOMPARE(int(m.Corpo(corpo).Casa), casa);
    }

    // Birth data that cannot be read is refused before anything is computed.
    void lancamentoRecusado() {
        CamposMapa c = nascimento("31/2/1990", "25:00", "38º43' N", "9º8' W");
        Mapa m;
        int redesenhos = 0;
        QVERIFY(!Cast(c, m, [&] { ++redesenhos; }));
        QCOMPARE(redesenhos, 0);
        QCOMPARE(caixa.chamadas.size(), 1);
        QVERIFY(caixa.chamadas[0].texto.contains("31/2/1990") && caixa.chamadas[0].texto.contains("25:00"));
        QVERIFY(c.PosPlaneta[0].isEmpty());
        QVERIFY(!c.mapaAberto);
    }
};

QTEST_GUILESS_MAIN(TestCalculo)
#include "test_calculo.moc"
