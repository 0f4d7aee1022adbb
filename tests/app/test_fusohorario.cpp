// Offsets come from Portugal's legal-time history as recorded in the tz database: WET/WEST
// since 1912 except 1992-09-27..1996-03-31 (CET/CEST), local mean time before 1912.
#include "fusohorario.h"

#include <QTest>

class TestFusoHorario : public QObject {
    Q_OBJECT
private slots:
    void offsets_data();
    void offsets();
    void descricao_data();
    void descricao();
};

using S = FusoLocal::Situacao;
Q_DECLARE_METATYPE(FusoLocal::Situacao)

void TestFusoHorario::offsets_data() {
    QTest::addColumn<QString>("zona");
    QTest::addColumn<QDate>("data");
    QTest::addColumn<QTime>("hora");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<int>("situacao");
    QTest::addColumn<double>("horas");
    QTest::addColumn<double>("alternativa");

    const double lisboa = -(9 + 8 / 60.0);
    const double porto = -(8 + 36 / 60.0 + 40 / 3600.0);
    QTest::newRow("Lisboa em Janeiro") << "Europe/Lisbon" << QDate(2020, 1, 15) << QTime(14, 30) << lisboa
                                       << int(S::Normal) << 0.0 << 0.0;
    QTest::newRow("Lisboa em Julho") << "Europe/Lisbon" << QDate(2020, 7, 15) << QTime(14, 30) << lisboa
                                     << int(S::Normal) << 1.0 << 0.0;
    QTest::newRow("hora da Europa Central, Inverno de 1994")
        << "Europe/Lisbon" << QDate(1994, 1, 15) << QTime(10, 0) << lisboa << int(S::Normal) << 1.0 << 0.0;
    QTest::newRow("hora da Europa Central, Verão de 1994")
        << "Europe/Lisbon" << QDate(1994, 7, 15) << QTime(10, 0) << lisboa << int(S::Normal) << 2.0 << 0.0;
    // Porto's own mean time: 8°36'40'' W / 15 = 0h34m27s behind Greenwich (Lisboa's would be 0h36m45s).
    QTest::newRow("Porto em 1900") << "Europe/Lisbon" << QDate(1900, 5, 3) << QTime(8, 0) << porto
                                   << int(S::HoraMediaLocal) << porto / 15.0 << 0.0;
    // 29 March 2020: 01:00 WET jumped to 02:00 WEST.
    QTest::newRow("hora saltada") << "Europe/Lisbon" << QDate(2020, 3, 29) << QTime(1, 30) << lisboa
                                  << int(S::Inexistente) << 0.0 << 1.0;
    // 25 October 2020: 02:00 WEST went back to 01:00 WET.
    QTest::newRow("hora repetida") << "Europe/Lisbon" << QDate(2020, 10, 25) << QTime(1, 30) << lisboa
                                   << int(S::Repetida) << 1.0 << 0.0;
    QTest::newRow("São Paulo com horário de Verão")
        << "America/Sao_Paulo" << QDate(2000, 1, 10) << QTime(12, 0) << -46.6 << int(S::Normal) << -2.0 << 0.0;
    QTest::newRow("zona desconhecida") << "Lua/Mare_Tranquillitatis" << QDate(2000, 1, 10) << QTime(12, 0)
                                       << 0.0 << int(S::ZonaDesconhecida) << 0.0 << 0.0;
}

void TestFusoHorario::offsets() {
    QFETCH(QString, zona);
    QFETCH(QDate, data);
    QFETCH(QTime, hora);
    QFETCH(double, longitude);
    QFETCH(int, situacao);
    QFETCH(double, horas);
    QFETCH(double, alternativa);
    const FusoLocal f = FusoParaLocal(zona, data, hora, longitude);
    QCOMPARE(int(f.situacao), situacao);
    QVERIFY2(std::abs(f.horas - horas) < 1e-9, qPrintable(QString::number(f.horas)));
    if (situacao == int(S::Repetida) || situacao == int(S::Inexistente))
        QVERIFY(std::abs(f.horasAlternativa - alternativa) < 1e-9);
    QVERIFY(!ExplicaFuso(zona, f).isEmpty());
}

void TestFusoHorario::descricao_data() {
    QTest::addColumn<double>("horas");
    QTest::addColumn<QString>("texto");
    QTest::newRow("inteiro") << 1.0 << "UTC+1h";
    QTest::newRow("zero") << 0.0 << "UTC+0h";
    QTest::newRow("meia hora negativa") << -3.5 << QString::fromUtf8("UTC\u22123h30");
    QTest::newRow("hora média do Porto") << -(8 + 36 / 60.0 + 40 / 3600.0) / 15.0
                                         << QString::fromUtf8("UTC\u22120h34m27s");
}

void TestFusoHorario::descricao() {
    QFETCH(double, horas);
    QFETCH(QString, texto);
    QCOMPARE(DescreveFuso(horas), texto);
}

QTEST_APPLESS_MAIN(TestFusoHorario)
#include "test_fusohorario.moc"
