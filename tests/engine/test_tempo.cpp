// Date and clock-time readers, Julian day, T, obliquity and sidereal time.
#include "registos.h"
#include "tempo.h"

#include <QTest>

namespace {
constexpr double GRAUS = 180.0 / 3.14159265358979;

// The short Julian-day formula of earlier versions, good from 1/3/1800 to 28/2/2100.
double DiaJulianoAntigo(int D, int M, int Y) {
    const double s = (Y + M / 100.0 - 1900.025) < 0 ? -1.0 : 1.0;
    return 367.0 * Y - std::floor(7.0 * (Y + std::floor((M + 9) / 12.0)) / 4.0) + std::floor(275.0 * M / 9.0) + D +
           1721013.5 - 0.5 * s + 0.5;
}
} // namespace

class TestTempo : public QObject {
    Q_OBJECT
private slots:
    void leitura_data() {
        QTest::addColumn<QStringList>("texto"); // date, clock time
        QTest::addColumn<QList<int>>("lido");   // day, month, year, hour, minute
        QTest::newRow("ano de dois digitos") << QStringList{"6/8/47", "14:30"} << QList<int>{6, 8, 1947, 14, 30};
        QTest::newRow("hifens e h") << QStringList{"6-8-1947", "14h30'"} << QList<int>{6, 8, 1947, 14, 30};
        QTest::newRow("segundos ignorados") << QStringList{"31/12/1999", "23:59:59"} << QList<int>{31, 12, 1999, 23, 59};
        QTest::newRow("ano com texto depois") << QStringList{"2/3/1985 sab", "0:30"} << QList<int>{2, 3, 1985, 0, 30};
        QTest::newRow("metade para o par abaixo") << QStringList{"2.5/8/1947", "10.5:0"} << QList<int>{2, 8, 1947, 10, 0};
        QTest::newRow("metade para o par acima") << QStringList{"3.5/8/1947", "11.5:0"} << QList<int>{4, 8, 1947, 12, 0};
        QTest::newRow("lixo") << QStringList{"abc", "xyz"} << QList<int>{0, 0, 1900, 0, 0};
        QTest::newRow("sem separadores") << QStringList{"15081769", ""} << QList<int>{32767, 0, 1900, 0, 0};
    }
    void leitura() {
        QFETCH(QStringList, texto);
        QFETCH(QList<int>, lido);
        const RegistoTempo t = LerDataHora(texto[0], texto[1]);
        QCOMPARE((QList<int>{t.dia, t.mes, t.ano, t.hora, t.minuto}), lido);
        QCOMPARE(t.fuso, 0.0);
    }

    // Reference values: swetest -bD.M.Y -ut0 -fJ (Julian calendar before 15/10/1582).
    void diaJuliano_data() {
        QTest::addColumn<QList<int>>("data");
        QTest::addColumn<double>("jd");
        QTest::newRow("1900") << QList<int>{1, 1, 1900} << 2415020.5;
        QTest::newRow("fevereiro 1800") << QList<int>{28, 2, 1800} << 2378554.5;
        QTest::newRow("marco 1800") << QList<int>{1, 3, 1800} << 2378555.5;
        QTest::newRow("bissexto 1600") << QList<int>{29, 2, 1600} << 2305506.5;
        QTest::newRow("ultimo dia juliano") << QList<int>{4, 10, 1582} << 2299159.5;
        QTest::newRow("primeiro dia gregoriano") << QList<int>{15, 10, 1582} << 2299160.5;
        QTest::newRow("ano 1") << QList<int>{1, 1, 1} << 1721423.5;
        QTest::newRow("fevereiro 2100") << QList<int>{28, 2, 2100} << 2488127.5;
        QTest::newRow("marco 2100") << QList<int>{1, 3, 2100} << 2488128.5;
        // Numbers outside the calendar run on: day 0 is the last of the month before, month 13
        // the January after.
        QTest::newRow("dia zero") << QList<int>{0, 3, 1900} << 2415078.5;
        QTest::newRow("mes zero") << QList<int>{1, 0, 1901} << 2415354.5;
        QTest::newRow("mes treze") << QList<int>{1, 13, 1899} << 2415020.5;
    }
    void diaJuliano() {
        QFETCH(QList<int>, data);
        QFETCH(double, jd);
        QCOMPARE(DiaJuliano0h(data[0], data[1], data[2]), jd);
    }

    // Every chart of 1/3/1800 to 28/2/2100 keeps the day it had with the short formula.
    void diaJulianoIgualAoAntigo() {
        const int diasNoMes[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        int verificados = 0;
        for (int ano = 1800; ano <= 2100; ++ano)
            for (int mes = 1; mes <= 12; ++mes) {
                if ((ano == 1800 && mes < 3) || (ano == 2100 && mes > 2))
                    continue;
                const bool bissexto = (ano % 4 == 0 && ano % 100 != 0) || ano % 400 == 0;
                for (int dia = 1; dia <= diasNoMes[mes - 1] + (mes == 2 && bissexto); ++dia, ++verificados)
                    if (DiaJuliano0h(dia, mes, ano) != DiaJulianoAntigo(dia, mes, ano))
                        QFAIL(qPrintable(QStringLiteral("%1/%2/%3").arg(dia).arg(mes).arg(ano)));
            }
        QCOMPARE(verificados, 109573); // 2488127.5 − 2378555.5 + 1 days (swetest JDs above)
    }

    // The previous calendar day, worked by hand: across the reform, month and year ends, the
    // Julian leap day of 1500 and the Gregorian non-leap 1900. The clock time and zone stay.
    void diaAnterior_data() {
        QTest::addColumn<QList<int>>("hoje");
        QTest::addColumn<QList<int>>("ontem");
        QTest::newRow("primeiro dia gregoriano") << QList<int>{15, 10, 1582} << QList<int>{4, 10, 1582};
        QTest::newRow("ano novo 1583") << QList<int>{1, 1, 1583} << QList<int>{31, 12, 1582};
        QTest::newRow("bissexto juliano 1500") << QList<int>{1, 3, 1500} << QList<int>{29, 2, 1500};
        QTest::newRow("1900 sem 29 de fevereiro") << QList<int>{1, 3, 1900} << QList<int>{28, 2, 1900};
        QTest::newRow("2000 bissexto") << QList<int>{1, 3, 2000} << QList<int>{29, 2, 2000};
        QTest::newRow("mes treze") << QList<int>{1, 13, 1899} << QList<int>{31, 12, 1899};
    }
    void diaAnterior() {
        QFETCH(QList<int>, hoje);
        QFETCH(QList<int>, ontem);
        const RegistoTempo r = DiaAnterior(Tempo(hoje[0], hoje[1], hoje[2], 14, 30, 1.0));
        QCOMPARE((QList<double>{double(r.dia), double(r.mes), double(r.ano), double(r.hora), double(r.minuto), r.fuso}),
                 (QList<double>{double(ontem[0]), double(ontem[1]), double(ontem[2]), 14, 30, 1.0}));
    }

    void seculosEObliquidade() {
        QCOMPARE(CorreEfemerides(Tempo(1, 1, 1900, 0), RegistoLugar{}).T, 0.5 / 36525.0);
        QCOMPARE(CorreEfemerides(Tempo(1, 1, 2000, 12), RegistoLugar{}).T, 1.0);
        QCOMPARE(FraccaoDia(Tempo(0, 0, 0, 0, 30, 1.0)), -0.5 / 24.0); // before midnight in UT
        // IAU mean obliquity at J2000, 23°26'21.448"; the engine's linear polynomial is 1e-5° off.
        QVERIFY(std::fabs(Obliquidade(1.0) * GRAUS - (23 + 26 / 60.0 + 21.448 / 3600.0)) < 1e-4);
    }

    // Reference RAMC values are swetest's ARMC (-emos -nonut -house0,0,P); the engine's
    // sidereal-time polynomial agrees with it to about a second of time over three centuries.
    void tempoSideral_data() {
        QTest::addColumn<QList<int>>("ut"); // day, month, year, hour
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("ramc");
        QTest::newRow("J2000 Greenwich") << QList<int>{1, 1, 2000, 12} << 0.0 << 280.4606230;
        QTest::newRow("J2000 a leste") << QList<int>{1, 1, 2000, 12} << -100.0 << 20.4606230;
        QTest::newRow("1900") << QList<int>{1, 1, 1900, 0} << 0.0 << 100.1838549;
        QTest::newRow("1850 GMST negativo") << QList<int>{1, 1, 1850, 0} << 0.0 << 100 + 17 / 60.0 + 31.9249 / 3600;
        QTest::newRow("1700") << QList<int>{1, 1, 1700, 12} << 0.0 << 281 + 6 / 60.0 + 39.5017 / 3600;
        QTest::newRow("2024") << QList<int>{1, 9, 2024, 0} << 0.0 << 340.6505737;
    }
    void tempoSideral() {
        QFETCH(QList<int>, ut);
        QFETCH(double, longitude);
        QFETCH(double, ramc);
        const ResultadoEfemerides r = CorreEfemerides(Tempo(ut[0], ut[1], ut[2], ut[3]), Lugar(0, -longitude));
        const double graus = r.ramc * GRAUS;
        QVERIFY(graus >= 0.0 && graus < 360.0);
        QVERIFY2(std::fabs(graus - ramc) < 0.005, qPrintable(QString::number(graus, 'f', 6)));
        QVERIFY(std::fabs(r.tempoSideralLocal - graus / 15.0) < 1e-12);
    }
};

QTEST_APPLESS_MAIN(TestTempo)
#include "test_tempo.moc"
