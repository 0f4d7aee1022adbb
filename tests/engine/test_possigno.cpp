// Angles and their three texts. Expected texts and values are the worked examples of the
// position formats and hand calculation (d + m/60 + s/3600).
#include "possigno.h"

#include <QRandomGenerator>
#include <QTest>
#include <cmath>

namespace {
// Parsed values are sums of exact decimal fractions; a nanodegree covers the radian round trip.
constexpr double TOL_GRAUS = 1e-9;

double Dms(double d, double m, double s) {
    return d + m / 60.0 + s / 3600.0;
}

PosSigno Le(const QString& texto) {
    PosSigno p;
    p.SetonbyString(texto);
    return p;
}

QString Formata(double graus, int modo, bool lesteOeste = false) {
    PosSigno p;
    p.setValorGraus(graus);
    return p.RetornaFormatado(static_cast<int16_t>(modo), lesteOeste);
}
} // namespace

class TestPosSigno : public QObject {
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void formata_data();
    void formata();
    void partes_data();
    void partes();
    void reduceTo_data();
    void reduceTo();
    void withinText_data();
    void withinText();
    void valTexto_data();
    void valTexto();
    void nomeSigno_data();
    void nomeSigno();
    void idaEVoltaModo2();
    void idaEVoltaModo1();
};

void TestPosSigno::parse_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<double>("graus");
    QTest::newRow("touro") << "15º30'0''Touro" << 45.5;
    QTest::newRow("leste") << "8h36' E" << -8.6;
    QTest::newRow("oeste") << "8h36' W" << 8.6;
    QTest::newRow("sul nega tudo") << "10º30'0''S" << -10.5;
    QTest::newRow("norte") << "38º43'0''N" << Dms(38, 43, 0);
    QTest::newRow("menos nas horas") << "-9h24'0''" << -8.6;
    QTest::newRow("hora") << "14h30'0''" << 14.5;
    QTest::newRow("maiusculas") << "14H30'0''" << 14.5;
    QTest::newRow("vazio") << "" << 0.0;
    QTest::newRow("lixo") << "abc" << 0.0;
    QTest::newRow("cuspide touro") << "0º0'0''Touro" << 30.0;
    QTest::newRow("peixes") << "29º59'59''Peixes" << 330 + Dms(29, 59, 59);
    QTest::newRow("gemeos sem acento") << "12º5'7''gemeos" << 60 + Dms(12, 5, 7);
    QTest::newRow("gemeos") << "12º5'7''Gémeos" << 60 + Dms(12, 5, 7);
    QTest::newRow("cancer") << "3º0'0''Câncer" << 93.0;
    QTest::newRow("cancer sem acento") << "3º0'0''Cancer" << 93.0;
    QTest::newRow("leao") << "1º0'0''Leão" << 121.0;
    QTest::newRow("leo") << "1º0'0''Leo" << 121.0;
    QTest::newRow("leao sem til") << "1º0'0''Leao" << 121.0;
    QTest::newRow("virgo") << "2º0'0''Virgo" << 152.0;
    QTest::newRow("libra") << "2º0'0''Libra" << 182.0;
    QTest::newRow("balanca") << "2º0'0''Balança" << 182.0;
    QTest::newRow("escorpiao") << "2º0'0''Escorpião" << 212.0;
    QTest::newRow("sagitario") << "2º0'0''Sagitário" << 242.0;
    QTest::newRow("capricornio") << "2º0'0''Capricórnio" << 272.0;
    QTest::newRow("aquario") << "2º0'0''Aquário" << 302.0;
    QTest::newRow("palavra desconhecida com s") << "10º0'0''xis" << -10.0;
    QTest::newRow("palavra desconhecida") << "10º0'0''xyz" << 10.0;
    QTest::newRow("segundos decimais") << "1º2'3.5''Carneiro" << Dms(1, 2, 3.5);
    QTest::newRow("espacos") << " 5 º 10 ' 20 ''Touro" << 30 + Dms(5, 10, 20);
}

void TestPosSigno::parse() {
    QFETCH(QString, texto);
    QFETCH(double, graus);
    const PosSigno p = Le(texto);
    QVERIFY2(std::fabs(p.ValorGraus() - graus) < TOL_GRAUS,
             qPrintable(QStringLiteral("%1 leu %2").arg(texto).arg(p.ValorGraus(), 0, 'g', 15)));
}

void TestPosSigno::formata_data() {
    QTest::addColumn<double>("graus");
    QTest::addColumn<int>("modo");
    QTest::addColumn<bool>("lesteOeste");
    QTest::addColumn<QString>("texto");
    QTest::newRow("modo 2") << 45.5 << 2 << false << "15º30'0''Touro";
    QTest::newRow("modo 3") << 45.5 << 3 << false << "15º Touro";
    QTest::newRow("horas") << 14.5 << 1 << false << "14h30'0''";
    QTest::newRow("leste") << -8.6 << 1 << true << "8h36' E";
    QTest::newRow("oeste") << 8.6 << 1 << true << "8h36' W";
    QTest::newRow("zero e leste") << 0.0 << 1 << true << "0h0' E";
    QTest::newRow("negativo sem bandeira") << -8.6 << 1 << false << "-9h24'0''";
    // The seconds of mode 1 are real seconds (13h45'9'' = 13.7525 h), not always 0.
    QTest::newRow("segundos do tempo sideral") << 13.7525 << 1 << false << "13h45'9''";
    QTest::newRow("modo 1 trunca") << Dms(13, 45, 9.9) << 1 << false << "13h45'9''";
    QTest::newRow("transporte para touro") << Dms(29, 59, 59.97) << 2 << false << "0º0'0''Touro";
    QTest::newRow("transporte modo 3") << Dms(29, 59, 59.97) << 3 << false << "0º Touro";
    QTest::newRow("volta completa") << 359.99999 << 2 << false << "0º0'0''Carneiro";
    QTest::newRow("arredonda segundos") << Dms(10, 0, 59.5) << 2 << false << "10º1'0''Carneiro";
    QTest::newRow("decimas cortadas") << Dms(10, 0, 58.49) << 2 << false << "10º0'58''Carneiro";
    QTest::newRow("decimas ao meio") << Dms(10, 0, 58.5) << 2 << false << "10º0'59''Carneiro";
    QTest::newRow("peixes") << 330 + Dms(29, 59, 59) << 2 << false << "29º59'59''Peixes";
    QTest::newRow("modo desconhecido") << 45.5 << 4 << false << "";
    QTest::newRow("nao numero") << std::nan("") << 2 << false << "0º0'0''Carneiro";
    QTest::newRow("para la de qualquer posicao") << 2.5666e22 << 2 << false << "0º0'0''Carneiro";
}

void TestPosSigno::formata() {
    QFETCH(double, graus);
    QFETCH(int, modo);
    QFETCH(bool, lesteOeste);
    QFETCH(QString, texto);
    QCOMPARE(Formata(graus, modo, lesteOeste), texto);
}

void TestPosSigno::partes_data() {
    QTest::addColumn<double>("graus");
    QTest::addColumn<int>("signo");
    QTest::addColumn<int>("grau");
    QTest::addColumn<int>("minutos");
    QTest::addColumn<int>("segundos");
    QTest::newRow("touro") << 45.5 << 1 << 15 << 30 << 0;
    QTest::newRow("negativo") << -10.0 << -1 << -10 << 0 << 0;
    QTest::newRow("segundos a 60 dao 0") << Dms(10, 0, 59.97) << 0 << 10 << 0 << 0;
    QTest::newRow("segundos arredondados") << Dms(10, 0, 30.5) << 0 << 10 << 0 << 31;
    QTest::newRow("limite de signo") << 30.0 << 1 << 0 << 0 << 0;
    QTest::newRow("fim de peixes") << 359.5 << 11 << 29 << 30 << 0;
}

void TestPosSigno::partes() {
    QFETCH(double, graus);
    QFETCH(int, signo);
    QFETCH(int, grau);
    QFETCH(int, minutos);
    QFETCH(int, segundos);
    PosSigno p;
    p.setValorGraus(graus);
    QCOMPARE(int(p.NumeroSigno()), signo);
    QCOMPARE(int(p.RetornaGraus()), grau);
    QCOMPARE(int(p.Minutos()), minutos);
    QCOMPARE(int(p.Segundos()), segundos);
}

void TestPosSigno::reduceTo_data() {
    QTest::addColumn<double>("graus");
    QTest::addColumn<double>("limite");
    QTest::addColumn<double>("esperado");
    QTest::newRow("no limite fica") << 24.0 << 24.0 << 24.0;
    QTest::newRow("acima") << 25.0 << 24.0 << 1.0;
    QTest::newRow("negativo") << -1.0 << 24.0 << 23.0;
    QTest::newRow("um passo so") << 50.0 << 24.0 << 26.0;
    QTest::newRow("dentro") << 12.0 << 24.0 << 12.0;
    QTest::newRow("graus") << 370.0 << 360.0 << 10.0;
}

void TestPosSigno::reduceTo() {
    QFETCH(double, graus);
    QFETCH(double, limite);
    QFETCH(double, esperado);
    PosSigno p;
    p.setValorGraus(graus);
    p.ReduceTo(limite);
    QVERIFY(std::fabs(p.ValorGraus() - esperado) < TOL_GRAUS);
}

void TestPosSigno::withinText_data() {
    QTest::addColumn<QStringList>("argumentos"); // text, start mark, end mark
    QTest::addColumn<QString>("esperado");
    QTest::newRow("simples") << QStringList{"ab[x]cd", "[", "]"} << "x";
    QTest::newRow("maiusculas") << QStringList{"aXbbYc", "x", "y"} << "bb";
    QTest::newRow("sem inicio") << QStringList{"abc", "[", "]"} << "";
    QTest::newRow("sem fim") << QStringList{"ab[x", "[", "]"} << "";
    QTest::newRow("vazio entre") << QStringList{"ab[]", "[", "]"} << "";
    QTest::newRow("brancos tirados") << QStringList{"#  12  h", "#", "h"} << "12";
    QTest::newRow("primeira ocorrencia") << QStringList{"a'1''b'2''", "'", "''"} << "1";
}

void TestPosSigno::withinText() {
    QFETCH(QStringList, argumentos);
    QFETCH(QString, esperado);
    QCOMPARE(PosSigno::WithinText(argumentos[0], argumentos[1], argumentos[2]), esperado);
}

void TestPosSigno::valTexto_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<double>("valor");
    QTest::newRow("inteiro e letras") << "12abc" << 12.0;
    QTest::newRow("negativo decimal") << "-3.5x" << -3.5;
    QTest::newRow("mais") << "+4" << 4.0;
    QTest::newRow("vazio") << "" << 0.0;
    QTest::newRow("letras") << "abc" << 0.0;
    QTest::newRow("brancos") << "  7" << 7.0;
    QTest::newRow("dois pontos decimais") << "1.2.3" << 1.2;
    QTest::newRow("so sinal") << "-" << 0.0;
    QTest::newRow("ponto inicial") << ".5" << 0.5;
    QTest::newRow("grande demais") << QString(400, u'9') << 0.0;
}

void TestPosSigno::valTexto() {
    QFETCH(QString, texto);
    QFETCH(double, valor);
    QCOMPARE(ValTexto(texto), valor);
}

void TestPosSigno::nomeSigno_data() {
    QTest::addColumn<int>("numero");
    QTest::addColumn<QString>("nome");
    QTest::newRow("carneiro") << 0 << QStringLiteral("Carneiro");
    QTest::newRow("cancer") << 3 << QStringLiteral("Câncer");
    QTest::newRow("peixes") << 11 << QStringLiteral("Peixes");
    QTest::newRow("12 volta a carneiro") << 12 << QStringLiteral("Carneiro");
    QTest::newRow("13 fora") << 13 << QString();
    QTest::newRow("negativo fora") << -1 << QString();
}

void TestPosSigno::nomeSigno() {
    QFETCH(int, numero);
    QFETCH(QString, nome);
    QCOMPARE(NomeSigno(numero), nome);
}

// Every position shown in a field is read back by the rebuild; the text must give back the
// same whole arc second, whatever the angle.
void TestPosSigno::idaEVoltaModo2() {
    QRandomGenerator gerador(20260101);
    for (int i = 0; i < 50000; ++i) {
        // Half the cases sit exactly on whole arc seconds, half anywhere.
        const double graus =
            (i % 2 == 0) ? double(gerador.bounded(360 * 3600)) / 3600.0 : gerador.generateDouble() * 360.0;
        const QString texto = Formata(graus, 2);
        const PosSigno b = Le(texto);
        const double segundosB = b.ValorGraus() * 3600.0;
        const double inteiro = std::round(segundosB);
        QVERIFY2(std::fabs(segundosB - inteiro) < 1e-6, qPrintable(texto));
        // The text rounds to the nearest second (a whole turn is 0º Carneiro).
        double diferenca = std::fabs(inteiro - graus * 3600.0);
        diferenca = std::min(diferenca, std::fabs(diferenca - 360.0 * 3600.0));
        QVERIFY2(diferenca <= 0.5 + 1e-6,
                 qPrintable(texto + QStringLiteral(" de %1").arg(graus, 0, 'g', 15)));
        QCOMPARE(b.RetornaFormatado(2), texto);
    }
}

void TestPosSigno::idaEVoltaModo1() {
    for (int segundos = -24 * 3600; segundos <= 24 * 3600; segundos += 7) {
        const QString texto = Formata(segundos / 3600.0, 1);
        const PosSigno b = Le(texto);
        QVERIFY2(std::fabs(b.ValorGraus() * 3600.0 - segundos) < 1e-6, qPrintable(texto));
    }
}

QTEST_APPLESS_MAIN(TestPosSigno)
#include "test_possigno.moc"
