// From birth data to the chart: the readers (every accepted form gives the window's own text,
// worked out by hand; the everyday forms are typed in the real-birth charts), then rebuild, the
// parts, the derived times and the retrograde rule against values worked out by hand from the
// formulas. The summary of the same chart (test_ficheiromapa) checks house, cusp and part texts.
#include "calculo.h"
#include "mensagens.h"
#include "normaliza.h"
#include "orbes.h"

#include <QtTest>

namespace {
double graus(double r) { return r * 180.0 / PI_NATALIS; }

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

using Leitor = Normalizado (*)(const QString&);
void lido(const char* nome, Leitor l, const QString& e, const QString& saida, double v) {
    QTest::newRow(nome) << l << e << true << saida << v;
}
void recusado(const char* nome, Leitor l, const QString& e) { QTest::newRow(nome) << l << e << false << QString() << 0.0; }
} // namespace
Q_DECLARE_METATYPE(Leitor)

class TestCalculo : public QObject {
    Q_OBJECT

    MensagensGravadas caixa;
    CaixaTemporaria instalada{&caixa};

private slots:
    void initTestCase() { LoadOrbs(true, QString()); }
    void init() { caixa.chamadas.clear(); }

    // Coimbra 1905 kept local mean time (8º25'12'' W, 0h33'40.8'' of time).
    void paraLeitor_data() {
        QTest::addColumn<bool>("fuso"); QTest::addColumn<QString>("guardado"); QTest::addColumn<QString>("lido");
        QTest::newRow("Coimbra 1905") << true << "-1h26'19''" << QString::fromUtf8("\u22120h33'41''");
        QTest::newRow("Lisboa de Verão") << true << "1h0'0''" << "+1h0'0''";
        QTest::newRow("fuso ilegível") << true << "abc" << "abc";
        QTest::newRow("longitude de Coimbra") << false << "0h33'40.8'' W" << "8º25'12'' W";
        QTest::newRow("longitude a leste") << false << "10h4'48'' E" << "151º12'0'' E";
    }
    void paraLeitor() {
        QFETCH(bool, fuso); QFETCH(QString, guardado); QFETCH(QString, lido);
        QCOMPARE(fuso ? FusoParaLeitor(guardado) : LongitudeParaLeitor(guardado), lido);
    }

    void leitores_data() {
        QTest::addColumn<Leitor>("leitor"); QTest::addColumn<QString>("entrada"); QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("esperado"); QTest::addColumn<double>("valor");
        // Dates: leap days by the calendar of the time; the ten days the reform left out.
        lido("data juliana bissexta", NormalizaData, "29/2/1500", "29/2/1500", 0);
        recusado("data 29 de Fevereiro de 1900", NormalizaData, "29/2/1900");
        recusado("data dia 31 de Abril", NormalizaData, "31/4/1990");
        recusado("data mes 13", NormalizaData, "1/13/1990");
        recusado("data outubro de 1582", NormalizaData, "10/10/1582");

        // Clock times end in a single prime, as the time record and the derived times read them.
        lido("hora so horas", NormalizaHora, "9", "9h0'", 9);
        recusado("hora 24", NormalizaHora, "24:00");
        recusado("hora minutos 60", NormalizaHora, "12:60");
        recusado("hora segundos", NormalizaHora, "12:30:15");
        recusado("hora decimal", NormalizaHora, "14.30");

        // Zones: a typed minus negates the whole value; the window writes whole hours rounded
        // down followed by positive minutes, so -3.5 h is "-4h30'0''".
        lido("fuso menos com minutos", NormalizaFuso, "-3h30'", "-4h30'0''", -3.5);
        lido("fuso guardado negativo mantem o sentido", NormalizaFuso, "-4h30'0''", "-4h30'0''", -3.5);
        lido("fuso decimal com virgula", NormalizaFuso, "-9,5", "-10h30'0''", -9.5);
        recusado("fuso fora do intervalo", NormalizaFuso, "15");
        recusado("fuso em graus", NormalizaFuso, "1º");

        // Latitudes: words and letters for the hemisphere, "º" or "°".
        lido("latitude atlas", NormalizaLatitude, "22º54'23''S", "22º54'23''S", -(22 + 54 / 60.0 + 23 / 3600.0));
        lido("latitude decimal", NormalizaLatitude, "38.72", "38º43'12''N", 38.72);
        lido("latitude negativa", NormalizaLatitude, "-33.8667", "33º52'0''S", -(33 + 52 / 60.0));
        recusado("latitude acima de 90", NormalizaLatitude, "91º N");
        recusado("latitude E", NormalizaLatitude, "38º43' E");
        recusado("latitude sinal e letra", NormalizaLatitude, "-38º43' N");

        // Longitudes come out in hours of time, west positive: 9º8' = 548' of arc = 36m32s.
        lido("longitude L", NormalizaLongitude, "2º20'14''L", "0h9'20.9'' E", -(2 + 20 / 60.0 + 14 / 3600.0) / 15);
        lido("longitude horas", NormalizaLongitude, "0h36' W", "0h36'0'' W", 0.6);
        lido("longitude decimal em graus", NormalizaLongitude, "43.2 W", "2h52'48'' W", 43.2 / 15);
        lido("longitude sem sentido e oeste", NormalizaLongitude, "9º8'", "0h36'32'' W", (9 + 8 / 60.0) / 15);
        recusado("longitude com sinal", NormalizaLongitude, "-9.13");
        recusado("longitude acima de 180", NormalizaLongitude, "181º W");
        recusado("longitude N", NormalizaLongitude, "9º8' N");
        recusado("longitude horas acima de 12", NormalizaLongitude, "13h W");

        // Zodiac positions keep their sign, also without seconds.
        lido("posicao sem segundos", NormalizaPosicao, "15º30' Touro", "15º30'0''Touro", 45.5);
        lido("posicao em Caranguejo", NormalizaPosicao, "3º Caranguejo", "3º0'0''Câncer", 93);
        lido("posicao abreviada", NormalizaPosicao, "15°30'12'' tou", "15º30'12''Touro", 45 + 30 / 60.0 + 12 / 3600.0);
        lido("posicao longitude absoluta", NormalizaPosicao, "45.5", "15º30'0''Touro", 45.5);
        recusado("posicao signo desconhecido", NormalizaPosicao, "15º Xpto");
        recusado("posicao 30 graus no signo", NormalizaPosicao, "30º Touro");
        recusado("posicao 360", NormalizaPosicao, "360");
    }

    void leitores() {
        QFETCH(Leitor, leitor); QFETCH(QString, entrada); QFETCH(bool, ok); QFETCH(QString, esperado);
        QFETCH(double, valor);
        const Normalizado n = leitor(entrada);
        QCOMPARE(n.ok, ok);
        if (!ok) {
            QVERIFY2(!n.erro.isEmpty(), "a refused text must say why");
            return;
        }
        QCOMPARE(n.texto, esperado);
        // Values are compared to the whole arc second the texts carry (1/3600 of a unit).
        QVERIFY2(std::fabs(n.valor - valor) < 0.5 / 3600, qPrintable(QString::number(n.valor, 'f', 8)));
    }

    // A refusal names the text and the field, so the user knows what to correct.
    void mensagensNomeiamOTexto() {
        QVERIFY(NormalizaHora("25:00").erro.contains("25:00") && NormalizaHora("25:00").erro.contains("hora"));
        QVERIFY(NormalizaLongitude("-9.13").erro.contains("longitude"));
        QCOMPARE(NormalizaHora("").erro, QString("Preencha o campo 'Hora de Nascimento'"));
    }

    // Today's and yesterday's longitude; across 0º Carneiro the short way counts.
    void retrogrado() {
        // Stationary is not retrograde, nor the fast Moon passing 0.
        for (const auto& [hoje, ontem, retrogrado] :
             {std::tuple{100.0, 101.0, true}, {0.3, 359.5, false}, {359.5, 0.3, true}, {200.0, 200.0, false}, {2.0, 347.0, false}})
            QCOMPARE(MovimentoRetrogrado(hoje, ontem), retrogrado);
    }

    void temposDerivados_data() {
        QTest::addColumn<QStringList>("entrada"); // time, zone, longitude, sidereal field
        QTest::addColumn<QStringList>("horas");   // UT, local mean, local sidereal; empty = untouched
        QTest::addColumn<int>("avisos");
        // 14:30 − 1 h = 13:30 UT; 9º8' W = 36m32s → 12:53:28; 6:00 + 12:53:28 = 18:53:28.
        QTest::newRow("hora com dois pontos e longitude em graus")
            << QStringList{"14:30", "1", "9º8' W", "6h0'0''"} << QStringList{"13h30'0''", "12h53'28''", "18h53'28''"} << 0;
        QTest::newRow("campo sideral a zero nada calcula") << QStringList{"14:30", "1", "9º8' W", "0h0'0''"} << QStringList{} << 0;
        // The time counts as 0 after the warning: 0 − 0 = 0 UT.
        QTest::newRow("hora vazia avisa e continua")
            << QStringList{"", "0", "0h0'0'' W", "1h0'0''"} << QStringList{"0h0'0''", "0h0'0''", "1h0'0''"} << 1;
        QTest::newRow("hora ilegivel avisa e nao calcula") << QStringList{"meio-dia", "0", "0h0'0'' W", "1h0'0''"} << QStringList{} << 1;
    }
    void temposDerivados() {
        QFETCH(QStringList, entrada); QFETCH(QStringList, horas); QFETCH(int, avisos);
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
        QVERIFY(m.Aspectos().ExistsItem(1903) && !m.Aspectos().ExistsItem(2909));
        QCOMPARE(m.Corpo(0).Aspectos().Item(1)->Nome().left(4), QString(" Em "));

        // A second rebuild of the same fields gives the same chart, nothing accumulated.
        const int n = m.Aspectos().Count();
        Rebuild(c, m);
        QCOMPARE(m.Aspectos().Count(), n);
    }

    // Rebuild reads positions and cusps in the window's form with a parser of its own: it gives
    // exactly what the general parser gives, in every sign and for texts it does not take, and
    // puts anything past a full circle (or below 0) on the circle, so every body falls in a
    // house and every cusp in a sign.
    void leituraDasPosicoes() {
        // −1: a text the window never writes; only the general parser's reading is asked.
        QList<QPair<QString, double>> casos{{"3º4'5''touro", 33 + 4 / 60.0 + 5 / 3600.0}, {"15º30' Touro", -1}, {"", -1},
                                           {"10º30'0''S", 349.5}, {"40º0'0''Peixes", 10}, {"3610º30'0''Carneiro", 10.5},
                                           {"32767º0'0''Carneiro", 7}, {"30º0'0''Peixes", 0}};
        const char* nomes[12] = {"Carneiro", "Touro", "Gémeos", "Câncer", "Leão", "Virgo",
                                 "Libra", "Escorpião", "Sagitário", "Capricórnio", "Aquário", "Peixes"};
        for (int s = 0; s < 12; ++s)
            casos.append({QString::fromUtf8("%1º%2'%3''%4").arg(2 * s + 1).arg(59 - s).arg(5 * s).arg(QString::fromUtf8(nomes[s])),
                          30 * s + (2 * s + 1) + (59 - s) / 60.0 + 5 * s / 3600.0});
        const auto segundos = [](double r) { return qRound(graus(r) * 3600.0); };
        for (const auto& [texto, esperado] : casos) {
            CamposMapa c = campos();
            c.PosPlaneta[5] = c.PosCasas[4] = texto; // Jupiter and cusp 2
            Mapa m;
            Rebuild(c, m);
            PosSigno geral;
            geral.SetonbyString(texto);
            QVERIFY2(m.Corpo(5).Posicao().ValorRads() == ReduzCirculo(geral.ValorRads()), qPrintable(texto));
            if (esperado < 0)
                continue;
            QCOMPARE(segundos(m.Corpo(5).Posicao().ValorRads()), qRound(esperado * 3600.0));
            QCOMPARE(segundos(m.Cuspide(2).ValorRads()), qRound(esperado * 3600.0));
            QCOMPARE(segundos(m.Cuspide(8).ValorRads()), qRound(std::fmod(esperado + 180.0, 360.0) * 3600.0));
            QVERIFY(!m.Cuspide(2).RetornaFormatado(FormatoCompleto).endsWith(QLatin1String("''")));
            for (int i = 0; i < N_CORPOS_MAPA; ++i)
                QVERIFY2(m.Corpo(i).Casa >= 1 && m.Corpo(i).Casa <= 12, qPrintable(texto));
        }
    }

    // Values exactly on a rounding or house boundary, as the window shows them (whole arc
    // seconds): 8°30' rounds up to 9 (no conjunction under orb 8), 82°30' rounds up to 83 (a
    // square under orb 7), a body on a cusp is in that cusp's house and one second before it
    // in the previous house. Cusps at 8°25' of every sign from MC in Escorpião.
    void valoresExactos() {
        const auto refeito = [](std::initializer_list<std::pair<int, const char*>> posicoes) {
            CamposMapa c = campos();
            c.PosCasas = {"8º25'0''Escorpião", "8º25'0''Sagitário", "8º25'0''Capricórnio",
                          "8º25'0''Aquário",   "8º25'0''Peixes",    "8º25'0''Carneiro"};
            for (const auto& [corpo, texto] : posicoes)
                c.PosPlaneta[corpo] = QString::fromUtf8(texto);
            auto m = std::make_unique<Mapa>();
            Rebuild(c, *m);
            return m;
        };
        const auto aspectos = [](Mapa& m, int i, int j) { // kinds found between bodies i and j
            QList<int> tipos;
            for (int tipo : {4, 6, 7, 8, 9})
                if (m.Aspectos().ExistsItem(QVariant::fromValue(int16_t((i + 1) * 1000 + tipo * 100 + j + 1))))
                    tipos << tipo;
            return tipos;
        };
        QCOMPARE(aspectos(*refeito({{0, "3º0'0''Carneiro"}, {4, "11º30'0''Carneiro"}}), 0, 4), QList<int>{});
        QCOMPARE(aspectos(*refeito({{0, "3º0'0''Carneiro"}, {4, "11º29'59''Carneiro"}}), 0, 4), QList<int>{9});
        QCOMPARE(aspectos(*refeito({{0, "24º32'11''Peixes"}, {8, "2º2'11''Capricórnio"}}), 0, 8), QList<int>{4});
        QCOMPARE(int(refeito({{0, "8º25'0''Escorpião"}})->Corpo(0).Casa), 10);
        QCOMPARE(int(refeito({{0, "8º24'59''Escorpião"}})->Corpo(0).Casa), 9);
        QCOMPARE(int(refeito({{1, "8º25'0''Aquário"}})->Corpo(1).Casa), 1);
        QCOMPARE(int(refeito({{1, "8º25'0''Carneiro"}})->Corpo(1).Casa), 3);
    }
};

QTEST_GUILESS_MAIN(TestCalculo)
#include "test_calculo.moc"
