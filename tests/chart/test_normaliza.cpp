// The birth-data readers: every accepted form gives the window's own text, and texts that
// cannot be read are refused. Expected texts are worked out by hand from the forms the
// window's parser reads (degrees, minutes, seconds; hours for the longitude, 1° = 4 min).
// The everyday forms (hyphens, two-digit years, "sul", "leste", "Oeste") are typed in the
// real-birth charts, whose casts are checked against swetest.
#include "normaliza.h"

#include <QtTest>

using Leitor = Normalizado (*)(const QString&);
Q_DECLARE_METATYPE(Leitor)

class TestNormaliza : public QObject {
    Q_OBJECT

    static void colunas() {
        QTest::addColumn<Leitor>("leitor");
        QTest::addColumn<QString>("entrada");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("esperado");
        QTest::addColumn<double>("valor");
    }
    static void lido(const char* nome, Leitor l, const QString& e, const QString& saida, double v) {
        QTest::newRow(nome) << l << e << true << saida << v;
    }
    static void recusado(const char* nome, Leitor l, const QString& e) {
        QTest::newRow(nome) << l << e << false << QString() << 0.0;
    }

private slots:
    void leitores_data() {
        colunas();
        // Dates: leap days by the calendar of the time; the ten days the reform left out.
        lido("data juliana bissexta", NormalizaData, "29/2/1500", "29/2/1500", 0);
        recusado("data 29 de Fevereiro de 1900", NormalizaData, "29/2/1900");
        recusado("data dia 31 de Abril", NormalizaData, "31/4/1990");
        recusado("data mes 13", NormalizaData, "1/13/1990");
        recusado("data outubro de 1582", NormalizaData, "10/10/1582");

        // Clock times end in a single prime, as the time record and the derived times read them.
        lido("hora h plica", NormalizaHora, "14h30'", "14h30'", 14.5);
        lido("hora so horas", NormalizaHora, "9", "9h0'", 9);
        recusado("hora 24", NormalizaHora, "24:00");
        recusado("hora minutos 60", NormalizaHora, "12:60");
        recusado("hora segundos", NormalizaHora, "12:30:15");
        recusado("hora decimal", NormalizaHora, "14.30");

        // Zones: a typed minus negates the whole value; the window writes whole hours rounded
        // down followed by positive minutes, so -3.5 h is "-4h30'0''".
        lido("fuso menos com minutos", NormalizaFuso, "-3h30'", "-4h30'0''", -3.5);
        lido("fuso dois pontos", NormalizaFuso, "1:00", "1h0'0''", 1);
        lido("fuso forma da janela", NormalizaFuso, "1h0'0''", "1h0'0''", 1);
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
        lido("posicao abreviada", NormalizaPosicao, "15°30'12'' tou", "15º30'12''Touro", 45 + 30 / 60.0 + 12 / 3600.0);
        lido("posicao acentos", NormalizaPosicao, "3º Gémeos", "3º0'0''Gémeos", 63);
        lido("posicao longitude absoluta", NormalizaPosicao, "45.5", "15º30'0''Touro", 45.5);
        recusado("posicao signo desconhecido", NormalizaPosicao, "15º Xpto");
        recusado("posicao 30 graus no signo", NormalizaPosicao, "30º Touro");
        recusado("posicao 360", NormalizaPosicao, "360");
    }

    void leitores() {
        QFETCH(Leitor, leitor);
        QFETCH(QString, entrada);
        QFETCH(bool, ok);
        QFETCH(QString, esperado);
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
        QVERIFY(NormalizaHora("25:00").erro.contains("25:00"));
        QVERIFY(NormalizaHora("25:00").erro.contains("hora"));
        QVERIFY(NormalizaLongitude("-9.13").erro.contains("longitude"));
        QCOMPARE(NormalizaHora("").erro, QString("Preencha o campo 'Hora de Nascimento'"));
    }
};

QTEST_GUILESS_MAIN(TestNormaliza)
#include "test_normaliza.moc"
