// Angles and their three texts. Expected texts and values are the worked examples of the
// position formats and hand calculation (d + m/60 + s/3600).
#include "possigno.h"

#include <QRandomGenerator>
#include <QTest>
#include <cmath>

namespace {
// Parsed values are sums of exact decimal fractions; a nanodegree covers the radian round trip.
constexpr double TOL_GRAUS = 1e-9;

double Dms(double d, double m, double s) { return d + m / 60.0 + s / 3600.0; }

PosSigno Le(const QString& texto) {
    PosSigno p;
    p.SetonbyString(texto);
    return p;
}

PosSigno Em(double graus) {
    PosSigno p;
    p.setValorGraus(graus);
    return p;
}
} // namespace

class TestPosSigno : public QObject {
    Q_OBJECT
private slots:
    void parse_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<double>("graus");
        // Every sign name the reader takes, with and without accents, 2° into the sign.
        const QStringList nomes[12] = {{"Carneiro"}, {"Touro"}, {"Gémeos", "gemeos"}, {"Câncer", "Cancer"},
                                       {"Leão", "Leo", "Leao"}, {"Virgo"}, {"Libra", "Balança"}, {"Escorpião"},
                                       {"Sagitário"}, {"Capricórnio"}, {"Aquário"}, {"Peixes"}};
        for (int s = 0; s < 12; ++s)
            for (const QString& n : nomes[s])
                QTest::newRow(qPrintable(n)) << QStringLiteral("2º0'0''") + n << 30.0 * s + 2;
        QTest::newRow("leste") << "8h36' E" << -8.6;
        QTest::newRow("oeste") << "8h36' W" << 8.6;
        QTest::newRow("sul nega tudo") << "10º30'0''S" << -10.5;
        QTest::newRow("menos nas horas") << "-9h24'0''" << -8.6;
        QTest::newRow("vazio") << "" << 0.0;
        QTest::newRow("lixo") << "abc" << 0.0;
        QTest::newRow("fim de peixes") << "29º59'59''Peixes" << 330 + Dms(29, 59, 59);
        QTest::newRow("palavra desconhecida com s") << "10º0'0''xis" << -10.0;
        QTest::newRow("palavra desconhecida") << "10º0'0''xyz" << 10.0;
        QTest::newRow("segundos decimais") << "1º2'3.5''Carneiro" << Dms(1, 2, 3.5);
        QTest::newRow("espacos") << " 5 º 10 ' 20 ''Touro" << 30 + Dms(5, 10, 20);
    }
    void parse() {
        QFETCH(QString, texto);
        QFETCH(double, graus);
        const double lido = Le(texto).ValorGraus();
        QVERIFY2(std::fabs(lido - graus) < TOL_GRAUS, qPrintable(QString::number(lido, 'g', 15)));
    }

    void formata_data() {
        QTest::addColumn<double>("graus");
        QTest::addColumn<int>("modo");
        QTest::addColumn<bool>("lesteOeste");
        QTest::addColumn<QString>("texto");
        QTest::newRow("modo 3") << 45.5 << 3 << false << "15º Touro";
        QTest::newRow("leste") << -8.6 << 1 << true << "8h36' E";
        QTest::newRow("oeste") << 8.6 << 1 << true << "8h36' W";
        QTest::newRow("zero e leste") << 0.0 << 1 << true << "0h0' E";
        QTest::newRow("negativo sem bandeira") << -8.6 << 1 << false << "-9h24'0''";
        // The seconds of mode 1 are real seconds (13h45'9'' = 13.7525 h), truncated.
        QTest::newRow("segundos do tempo sideral") << 13.7525 << 1 << false << "13h45'9''";
        QTest::newRow("modo 1 trunca") << Dms(13, 45, 9.9) << 1 << false << "13h45'9''";
        QTest::newRow("transporte para touro") << Dms(29, 59, 59.97) << 2 << false << "0º0'0''Touro";
        QTest::newRow("transporte modo 3") << Dms(29, 59, 59.97) << 3 << false << "0º Touro";
        QTest::newRow("volta completa") << 359.99999 << 2 << false << "0º0'0''Carneiro";
        QTest::newRow("arredonda segundos") << Dms(10, 0, 59.5) << 2 << false << "10º1'0''Carneiro";
        QTest::newRow("decimas ao meio") << Dms(10, 0, 58.5) << 2 << false << "10º0'59''Carneiro";
        QTest::newRow("modo desconhecido") << 45.5 << 4 << false << "";
        QTest::newRow("nao numero") << std::nan("") << 2 << false << "0º0'0''Carneiro";
        QTest::newRow("para la de qualquer posicao") << 2.5666e22 << 2 << false << "0º0'0''Carneiro";
    }
    void formata() {
        QFETCH(double, graus);
        QFETCH(int, modo);
        QFETCH(bool, lesteOeste);
        QFETCH(QString, texto);
        QCOMPARE(Em(graus).RetornaFormatado(int16_t(modo), lesteOeste), texto);
    }

    // Sign, degree, minutes and rounded seconds; ReduceTo folds into (0, limit].
    void partesEReducao() {
        const auto partes = [](double graus) {
            const PosSigno p = Em(graus);
            return QList<int>{p.NumeroSigno(), p.RetornaGraus(), p.Minutos(), p.Segundos()};
        };
        QCOMPARE(partes(45.5), (QList<int>{1, 15, 30, 0}));
        QCOMPARE(partes(-10.0), (QList<int>{-1, -10, 0, 0}));
        QCOMPARE(partes(Dms(10, 0, 59.97)), (QList<int>{0, 10, 0, 0})); // 60 seconds are 0
        QCOMPARE(partes(Dms(10, 0, 30.5)), (QList<int>{0, 10, 0, 31}));
        QCOMPARE(partes(359.5), (QList<int>{11, 29, 30, 0}));
        const double casos[][3] = {{24, 24, 24}, {25, 24, 1}, {-1, 24, 23}, {50, 24, 26}, {370, 360, 10}};
        for (const auto& [graus, limite, esperado] : casos) {
            PosSigno p = Em(graus);
            p.ReduceTo(limite);
            QVERIFY2(std::fabs(p.ValorGraus() - esperado) < TOL_GRAUS, qPrintable(QString::number(graus)));
        }
    }

    void auxiliares() {
        // The leading number of a text.
        QCOMPARE(ValTexto("12abc"), 12.0);
        QCOMPARE(ValTexto("-3.5x"), -3.5);
        QCOMPARE(ValTexto("abc"), 0.0);
        QCOMPARE(ValTexto("1.2.3"), 1.2);
        QCOMPARE(ValTexto(".5"), 0.5);
        QCOMPARE(ValTexto(QString(400, u'9')), 0.0);
        // Sign names: 12 wraps to Carneiro, beyond that nothing.
        QCOMPARE(NomeSigno(11), QStringLiteral("Peixes"));
        QCOMPARE(NomeSigno(12), QStringLiteral("Carneiro"));
        QCOMPARE(NomeSigno(13), QString());
        QCOMPARE(NomeSigno(-1), QString());
    }

    // Every position shown in a field is read back by the rebuild; the text must give back the
    // nearest whole arc second, whatever the angle.
    void idaEVoltaModo2() {
        QRandomGenerator gerador(20260101);
        for (int i = 0; i < 50000; ++i) {
            // Half the cases sit exactly on whole arc seconds, half anywhere.
            const double graus =
                (i % 2 == 0) ? double(gerador.bounded(360 * 3600)) / 3600.0 : gerador.generateDouble() * 360.0;
            const QString texto = Em(graus).RetornaFormatado(2);
            const PosSigno b = Le(texto);
            const double segundos = b.ValorGraus() * 3600.0, inteiro = std::round(segundos);
            QVERIFY2(std::fabs(segundos - inteiro) < 1e-6, qPrintable(texto));
            double diferenca = std::fabs(inteiro - graus * 3600.0); // a whole turn is 0º Carneiro
            diferenca = std::min(diferenca, std::fabs(diferenca - 360.0 * 3600.0));
            QVERIFY2(diferenca <= 0.5 + 1e-6, qPrintable(texto + QStringLiteral(" de %1").arg(graus, 0, 'g', 15)));
            QCOMPARE(b.RetornaFormatado(2), texto);
        }
    }

    void idaEVoltaModo1() {
        for (int segundos = -24 * 3600; segundos <= 24 * 3600; segundos += 7) {
            const QString texto = Em(segundos / 3600.0).RetornaFormatado(1);
            QVERIFY2(std::fabs(Le(texto).ValorGraus() * 3600.0 - segundos) < 1e-6, qPrintable(texto));
        }
    }
};

QTEST_APPLESS_MAIN(TestPosSigno)
#include "test_possigno.moc"
