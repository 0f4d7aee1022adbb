// Positions typed by hand: seconds completed, the format message, retrograde motion, the
// crossing of 0º Carneiro, the Black Moon by day of month, and the two forms writing the field
// model. Every expected position is worked out by hand from the two entries.
#include "calculos.h"
#include "camposmapa.h"
#include "frmcalculos.h"
#include "mensagens.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QDate>
#include <QTest>

class TestCalculos : public QObject {
    Q_OBJECT
private slots:
    void completaSegundos_data();
    void completaSegundos();
    void interpola_data();
    void interpola();
    void formatoInvalido_data();
    void formatoInvalido();
    void horaUniversal_data();
    void horaUniversal();
    void formularioEfemerides();
    void formularioDirecto();
    void notaLuaNegra_data();
    void notaLuaNegra();
};

void TestCalculos::completaSegundos_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("sem segundos") << "15º30'Touro" << "15º30'0''Touro";
    QTest::newRow("termina nos minutos") << "15º30'" << "15º30'0''";
    QTest::newRow("com espaço") << "15º30' Touro" << "15º30'0'' Touro";
    QTest::newRow("já com segundos") << "15º30'12''Touro" << "15º30'12''Touro";
}

void TestCalculos::completaSegundos() {
    QFETCH(QString, texto);
    QFETCH(QString, esperado);
    QCOMPARE(CompletaSegundos(texto), esperado);
}

void TestCalculos::interpola_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("alvo");
    QTest::addColumn<QString>("data");
    QTest::addColumn<double>("horaUT");
    QTest::addColumn<QString>("esperado");
    QTest::addColumn<bool>("retrogrado");
    // 10º → 11º in a day, at 12h UT: half a degree on.
    QTest::newRow("directo ao meio-dia") << "10º0'Carneiro" << "11º0'Carneiro" << 2 << "1/5/1990" << 12.0
                                         << "10º30'0''Carneiro" << false;
    // 11º → 10º, at 6h UT: a quarter of a degree back.
    QTest::newRow("retrógrado") << "11º0'0''Carneiro" << "10º0'0''Carneiro" << 3 << "1/5/1990" << 6.0
                                << "10º45'0''Carneiro" << true;
    // 359º → 1º is 2º forward; half way lies 0º.
    QTest::newRow("cruza 0º") << "29º0'Peixes" << "1º0'Carneiro" << 1 << "1/5/1990" << 12.0 << "0º0'0''Carneiro"
                              << false;
    // An exact 0º is the start of the circle, not 360º: 0º → 1º is forward.
    QTest::newRow("parte de 0º") << "0º0'Carneiro" << "1º0'Carneiro" << 1 << "1/5/1990" << 12.0 << "0º30'0''Carneiro"
                                 << false;
    QTest::newRow("recua sobre 0º") << "1º0'Carneiro" << "29º0'Peixes" << 4 << "1/5/1990" << 12.0 << "0º0'0''Carneiro"
                                    << true;
    // Black Moon: 130º → 133º over June (30 days); day 15 lies half way, 131º30'.
    QTest::newRow("Lua Negra dia 15 de 30") << "10º0'Leão" << "13º0'Leão" << ALVO_LUA_NEGRA << "15/6/1980" << 0.0
                                            << "11º30'0''Leão" << false;
    QTest::newRow("Lua Negra com hífens") << "10º0'Leão" << "13º0'Leão" << ALVO_LUA_NEGRA << "15-6-1980" << 0.0
                                          << "11º30'0''Leão" << false;
    QTest::newRow("Lua Negra mês primeiro") << "10º0'Leão" << "13º0'Leão" << ALVO_LUA_NEGRA << "6/15/1980" << 7.0
                                            << "11º30'0''Leão" << false;
    // 30º → 59º over February 1980 (29 days): 1º a day, day 14 gives 44º.
    QTest::newRow("Lua Negra Fevereiro bissexto") << "0º0'Touro" << "29º0'Touro" << ALVO_LUA_NEGRA << "14/2/1980" << 0.0
                                                  << "14º0'0''Touro" << false;
    // 30º → 58º over February 1981 (28 days).
    QTest::newRow("Lua Negra Fevereiro comum") << "0º0'Touro" << "28º0'Touro" << ALVO_LUA_NEGRA << "14/2/1981" << 0.0
                                               << "14º0'0''Touro" << false;
    // 1900 was no leap year in the Gregorian calendar, although divisible by 4.
    QTest::newRow("Lua Negra Fevereiro 1900") << "0º0'Touro" << "28º0'Touro" << ALVO_LUA_NEGRA << "14/2/1900" << 0.0
                                              << "14º0'0''Touro" << false;
}

void TestCalculos::interpola() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, alvo);
    QFETCH(QString, data);
    QFETCH(double, horaUT);
    QFETCH(QString, esperado);
    QFETCH(bool, retrogrado);
    const Interpolacao r = Interpola(a, b, alvo, data, horaUT);
    QVERIFY2(r.ok, qPrintable(r.erro));
    QCOMPARE(r.texto, esperado);
    QCOMPARE(r.retrogrado, retrogrado);
    QCOMPARE(r.campo0, CompletaSegundos(a));
}

void TestCalculos::formatoInvalido_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("mensagem");
    QTest::newRow("dia natal") << "15º Touro" << "16º0'Touro"
                               << "O formato usado em Posição em (dia Natal ) não é válido";
    QTest::newRow("dia seguinte") << "15º0'Touro" << "16"
                                  << "O formato usado em Posição em (dia seguinte ) não é válido";
    QTest::newRow("vazios") << "" << "" << "O formato usado em Posição em (dia Natal ) não é válido";
}

void TestCalculos::formatoInvalido() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, mensagem);
    const Interpolacao r = Interpola(a, b, 0, QStringLiteral("1/1/2000"), 0.0);
    QVERIFY(!r.ok);
    QCOMPARE(r.erro, mensagem);
}

void TestCalculos::horaUniversal_data() {
    QTest::addColumn<QString>("hora");
    QTest::addColumn<QString>("fuso");
    QTest::addColumn<QString>("derivada");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QDate>("dia"); // the UT day whose 0h entry is copied first
    QTest::addColumn<double>("horas");
    QTest::newRow("Lisboa verão") << "12:00" << "1" << "" << true << QDate(1974, 4, 25) << 11.0;
    // 22h at UTC−3 is 1h UT of the next day.
    QTest::newRow("Brasil à noite") << "22:00" << "-3" << "1h0'0''" << true << QDate(1974, 4, 26) << 1.0;
    // 0h20 at UTC+1 is 23h20 UT of the day before.
    QTest::newRow("antes da meia-noite UT") << "0:20" << "1" << "23h20'0''" << true << QDate(1974, 4, 24) << 23.0 + 1.0 / 3.0;
    QTest::newRow("só a hora derivada") << "" << "" << "5h0'0''" << true << QDate() << 5.0;
    QTest::newRow("sem hora") << "" << "1" << "" << false << QDate() << 0.0;
}

void TestCalculos::horaUniversal() {
    QFETCH(QString, hora);
    QFETCH(QString, fuso);
    QFETCH(QString, derivada);
    QFETCH(bool, ok);
    QFETCH(QDate, dia);
    QFETCH(double, horas);
    CamposMapa c;
    c.txtData = QStringLiteral("25/4/1974");
    c.txtHora = hora;
    c.FusoHorario = fuso;
    c.lblHoras[0] = derivada;
    double h = 0.0;
    QDate d;
    QCOMPARE(DiaUniversal(c, d, h), ok);
    if (!ok)
        return;
    QCOMPARE(d, dia);
    QVERIFY(qAbs(h - horas) < 1e-9);
    // An entry before the first day or after the second is an extrapolation, and flagged.
    QVERIFY(!Interpola(QStringLiteral("1º0'Touro"), QStringLiteral("14º0'Touro"), 1, c.txtData, h).foraDosValores);
    QVERIFY(Interpola(QStringLiteral("1º0'Touro"), QStringLiteral("14º0'Touro"), 1, c.txtData, h - 24.0).foraDosValores);
}

void TestCalculos::formularioEfemerides() {
    MensagensGravadas caixa;
    CaixaTemporaria instalada(&caixa);
    CamposMapa c;
    c.txtData = QStringLiteral("1/5/1990");
    c.lblHoras[0] = QStringLiteral("18h0'0''"); // universal time
    c.lblHoras[1] = QStringLiteral("17h23'0''"); // local mean time, which must not be used
    c.PosPlaneta[4] = QStringLiteral("1º0'0''Carneiro");

    frmcalculos f(c, 4);
    f.show();
    auto* p0 = f.findChild<QLineEdit*>(QStringLiteral("txtpos0"));
    auto* p1 = f.findChild<QLineEdit*>(QStringLiteral("txtpos1"));
    auto* calcular = f.findChild<QPushButton*>(QStringLiteral("cmdoK"));
    QVERIFY(p0 && p1 && calcular);
    QCOMPARE(p0->toolTip(), QStringLiteral("Posição no dia: 1/5/1990"));

    // A field without its minutes mark: the message, and nothing written.
    p0->setText(QStringLiteral("20º Gémeos"));
    p1->setText(QStringLiteral("24º0'Gémeos"));
    calcular->click();
    QCOMPARE(caixa.chamadas.size(), 1);
    QCOMPARE(caixa.chamadas[0].icone, IconeMsg::Exclamacao);
    QCOMPARE(c.PosPlaneta[4], QStringLiteral("1º0'0''Carneiro"));

    // 20º → 24º in a day; at 18h UT three quarters of 4º: 23º.
    p0->setText(QStringLiteral("20º0'Gémeos"));
    calcular->click();
    QCOMPARE(p0->text(), QStringLiteral("20º0'0''Gémeos"));
    QCOMPARE(p1->text(), QStringLiteral("24º0'0''Gémeos"));
    QCOMPARE(c.PosPlaneta[4], QStringLiteral("23º0'0''Gémeos"));
    QCOMPARE(c.lblretrogrado[4], false);
    QCOMPARE(f.result(), int(QDialog::Accepted));

    // Without any time the Moon is not interpolated at 0h UT silently.
    CamposMapa semHora;
    semHora.PosPlaneta[1] = QStringLiteral("1º0'0''Carneiro");
    frmcalculos g(semHora, 1);
    g.findChild<QLineEdit*>(QStringLiteral("txtpos0"))->setText(QStringLiteral("1º0'Carneiro"));
    g.findChild<QLineEdit*>(QStringLiteral("txtpos1"))->setText(QStringLiteral("14º0'Carneiro"));
    caixa.chamadas.clear();
    g.findChild<QPushButton*>(QStringLiteral("cmdoK"))->click();
    QCOMPARE(caixa.chamadas.size(), 1);
    QCOMPARE(semHora.PosPlaneta[1], QStringLiteral("1º0'0''Carneiro"));

    // Limpar empties both fields.
    f.findChild<QPushButton*>(QStringLiteral("cmdClear"))->click();
    QVERIFY(p0->text().isEmpty() && p1->text().isEmpty());
}

void TestCalculos::formularioDirecto() {
    CamposMapa c;
    frmcalculosdirectos f(c, 7);
    f.show();
    auto* valor = f.findChild<QLineEdit*>(QStringLiteral("txtvalor"));
    auto* retro = f.findChild<QCheckBox*>(QStringLiteral("Check1"));
    auto* ok = f.findChild<QPushButton*>(QStringLiteral("cmdOK"));
    QVERIFY(valor && retro && ok);
    // Unreadable: nothing written, the form stays open.
    valor->setText(QStringLiteral("quinze graus"));
    ok->click();
    QVERIFY(c.PosPlaneta[7].isEmpty());
    QVERIFY(f.isVisible());
    // 45.5º is 15º30' Touro.
    valor->setText(QStringLiteral("45.5"));
    retro->setChecked(true);
    ok->click();
    QCOMPARE(c.PosPlaneta[7], QStringLiteral("15º30'0''Touro"));
    QVERIFY(c.lblretrogrado[7]);
}

// The Black Moon form names the two dates to copy, and positions copied for those dates give the
// position at the birth day: the formula counts the days from the first of them.
void TestCalculos::notaLuaNegra_data() {
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("nota");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("esperado");
    const QString fim = QStringLiteral(" (último dia do mês anterior e último dia do mês de nascimento).");
    // 3º over the 30 days of June: 0.1º a day, 15 days after 31 May: 1º30'.
    QTest::newRow("Junho") << "15/6/1980" << "Posições em 31/5/1980 e em 30/6/1980" + fim << "10º0'Touro"
                           << "13º0'Touro" << "11º30'0''Touro";
    // 3º6' over the 31 days of January: 0.1º a day, 10 days after 31 December of the year before.
    QTest::newRow("Janeiro") << "10/1/1981" << "Posições em 31/12/1980 e em 31/1/1981" + fim << "0º0'Virgo"
                             << "3º6'Virgo" << "1º0'0''Virgo";
    // The first day of March 1984 is one day after 29 February: 0.1º on.
    QTest::newRow("Março bissexto") << "1/3/1984" << "Posições em 29/2/1984 e em 31/3/1984" + fim << "20º0'Peixes"
                                    << "23º6'Peixes" << "20º6'0''Peixes";
    QTest::newRow("sem data") << ""
                              << "Posições no último dia do mês anterior ao do nascimento e no último dia do mês de "
                                 "nascimento."
                              << "" << "" << "";
}

void TestCalculos::notaLuaNegra() {
    QFETCH(QString, data);
    QFETCH(QString, nota);
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, esperado);
    CamposMapa c;
    c.txtData = data;
    frmcalculos f(c, ALVO_LUA_NEGRA);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    auto* rotulo = f.findChild<QLabel*>(QStringLiteral("lblnota"));
    QVERIFY(rotulo);
    QCOMPARE(rotulo->text(), nota);
    if (a.isEmpty())
        return;
    // Typed key by key: sign names without accents, which the key simulator cannot type.
    QTest::keyClicks(f.findChild<QLineEdit*>(QStringLiteral("txtpos0")), a);
    QTest::keyClicks(f.findChild<QLineEdit*>(QStringLiteral("txtpos1")), b);
    QTest::mouseClick(f.findChild<QPushButton*>(QStringLiteral("cmdoK")), Qt::LeftButton);
    QCOMPARE(c.PosPlaneta[ALVO_LUA_NEGRA], esperado);
}

QTEST_MAIN(TestCalculos)
#include "test_calculos.moc"
