// natalis-cli as a script uses it: exit codes, Portuguese messages, the summary in UTF-8, a
// chart saved and opened again, the batch CSV, and the user's settings left alone.
#include "../engine/swetest.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {
struct Resultado {
    int codigo = -1;
    QString saida, erros;
};

Resultado corre(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(NATALIS_PROGRAM_DIR "/natalis-cli"), args);
    Resultado r;
    if (!p.waitForFinished(60000))
        return r;
    r.codigo = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.saida = QString::fromUtf8(p.readAllStandardOutput());
    r.erros = QString::fromUtf8(p.readAllStandardError());
    return r;
}

const QStringList kLisboa = {"--nome", "Maria", "--sexo", "F", "--data", "25/4/1974", "--hora", "0:20",
                             "--fuso", "1", "--local", "Lisboa", "--latitude", "38º43' N", "--longitude", "9º8' W"};

// Degrees of a position text "4º23'18''Touro".
double graus(const QString& t) {
    static const QStringList signos = {"Carneiro", "Touro", "Gémeos", "Câncer", "Leão", "Virgo",
                                       "Libra", "Escorpião", "Sagitário", "Capricórnio", "Aquário", "Peixes"};
    const QRegularExpressionMatch m = QRegularExpression("(\\d+)º(\\d+)'(\\d+)''(\\S+)").match(t);
    return signos.indexOf(m.captured(4)) * 30 + m.captured(1).toInt() + m.captured(2).toInt() / 60.0 +
           m.captured(3).toInt() / 3600.0;
}
} // namespace

class TestCli : public QObject {
    Q_OBJECT

private slots:
    void argumentos_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("ajuda") << QStringList{"--ajuda"} << 0 << "Utilização";
        QTest::newRow("help") << QStringList{"-h"} << 0 << "--latitude";
        QTest::newRow("sem nada") << QStringList{} << 2 << "indique os dados de nascimento";
        QTest::newRow("opcao desconhecida") << QStringList{"--xpto"} << 2 << "opção desconhecida: --xpto";
        QTest::newRow("falta valor") << QStringList{"--data"} << 2 << "precisa de um valor";
        QTest::newRow("argumento solto") << QStringList{"mapa.anc"} << 2 << "argumento inesperado";
        QTest::newRow("falta a hora") << QStringList{"--data", "1/1/2000", "--fuso", "0", "--latitude", "0",
                                                     "--longitude", "0"}
                                      << 2 << "falta a opção --hora";
        QTest::newRow("hora impossivel") << (QStringList(kLisboa) << "--hora" << "25:00") << 2 << "25:00";
        QTest::newRow("sexo desconhecido") << (QStringList(kLisboa) << "--sexo" << "x") << 2 << "--sexo";
        QTest::newRow("abrir e dados juntos") << (QStringList(kLisboa) << "--abrir" << "x.anc") << 2 << "um de cada vez";
        QTest::newRow("motor desconhecido") << (QStringList(kLisboa) << "--motor" << "rapido") << 2 << "motor desconhecido";
        QTest::newRow("casas desconhecidas") << (QStringList(kLisboa) << "--casas" << "Z") << 2 << "sistema de casas desconhecido";
        QTest::newRow("motor com abrir") << QStringList{"--abrir", "x.anc", "--motor", "preciso"} << 2 << "não se aplicam";
        // An image format the tool does not write is a bad command line, refused before casting.
        QTest::newRow("roda em jpg") << (QStringList(kLisboa) << "--roda" << "r.jpg") << 2 << ".png, .bmp ou .svg";
        QTest::newRow("ficheiro em falta") << QStringList{"--abrir", "/nao/existe.anc"} << 1 << "Erro numero 53";
    }
    void argumentos() {
        QFETCH(QStringList, args);
        QFETCH(int, codigo);
        QFETCH(QString, mensagem);
        const Resultado r = corre(args);
        QCOMPARE(r.codigo, codigo);
        QVERIFY2((codigo == 0 ? r.saida : r.erros).contains(mensagem), qPrintable(r.saida + r.erros));
    }

    void lancaGuardaEAbre() {
        QTemporaryDir d;
        const QString anc = d.filePath("maria.anc");
        const Resultado lancado = corre(QStringList(kLisboa) << "--guardar" << anc << "--resumo" << d.filePath("r.txt"));
        QCOMPARE(lancado.codigo, 0);
        QVERIFY(lancado.saida.startsWith(QString::fromUtf8("Resumo das posições astrologicas\n\nMaria\nNascida em Lisboa")));
        QVERIFY(lancado.saida.contains("\nAspectos\n"));
        QFile f(anc);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.startsWith("\"Maria\"\r\n\"25/4/1974\"\r\n#FALSE#\r\n\"0h20'\"\r\n\"1h0'0''\"\r\n"));
        QVERIFY(bytes.contains("\"38\xba" "43'0''N\"\r\n\"0h36'32'' W\"\r\n"));

        // The chart opened again shows the same summary and aspects, without the ephemeris.
        const Resultado aberto = corre({"--abrir", anc});
        QCOMPARE(aberto.codigo, 0);
        QCOMPARE(aberto.saida, lancado.saida);

        // Nothing of the user's settings changed: no recent file, no orb option.
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, "Natalis", "Natalis");
        QVERIFY(s.value("RecentFiles/RecentFile1").toString().isEmpty());
        QVERIFY(s.value("Options/Option0").toString().isEmpty());
    }

    void lote() {
        QTemporaryDir d;
        QFile e(d.filePath("entrada.csv"));
        QVERIFY(e.open(QIODevice::WriteOnly));
        e.write("nome,sexo,data,hora,fuso,local,latitude,longitude\r\n"
                "Maria,F,25/4/1974,0:20,1,Lisboa,38\xc2\xba" "43' N,9\xc2\xba" "8' W\r\n"
                "\"Silva, Rui \"\"o Ruca\"\"\",M,15-01-1985,14h30,-3,\"Rio de Janeiro, Brasil\",22\xc2\xba" "54' S,43\xc2\xba" "12' W\r\n"
                "Errado,M,31/2/1990,12:00,0,X,0,0\r\n"
                "Preciso,F,25/4/1974,0:20,1,Lisboa,38\xc2\xba" "43' N,9\xc2\xba" "8' W,preciso,K\r\n"
                "Motor errado,F,25/4/1974,0:20,1,Lisboa,0,0,turbo,\r\n");
        e.close();
        const QString saida = d.filePath("saida.csv");
        const Resultado r = corre({"--lote", e.fileName(), "--saida", saida});
        QCOMPARE(r.codigo, 1); // two charts of five failed
        QVERIFY2(r.erros.contains("linha 4") && r.erros.contains("31/2/1990"), qPrintable(r.erros));
        QVERIFY2(r.erros.contains("linha 6") && r.erros.contains("turbo"), qPrintable(r.erros));
        QFile s(saida);
        QVERIFY(s.open(QIODevice::ReadOnly));
        const QStringList linhas = QString::fromUtf8(s.readAll()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(linhas.size(), 4);
        const QStringList cabeca = linhas[0].split(',');
        QCOMPARE(cabeca.size(), 6 + 12 + 12 + 7 + 12 + 2);
        QCOMPARE(cabeca.mid(49), (QStringList{"motor", "casas"}));
        QVERIFY(linhas[1].endsWith(",classico,proprio"));
        QVERIFY(linhas[3].startsWith("Preciso,") && linhas[3].endsWith(",preciso,koch"));
        QCOMPARE(cabeca[6], QString("sol"));
        QCOMPARE(cabeca[18], QString("casa1"));
        QCOMPARE(cabeca[48], QString("retro_lua_negra"));
        // RFC 4180: a field with a comma or a quote is quoted, its quotes doubled.
        QVERIFY(linhas[2].startsWith("\"Silva, Rui \"\"o Ruca\"\"\",15/1/1985,14h30',-3h0'0'',"));

        // The batch line agrees with the summary of the same chart cast alone.
        const Resultado unico = corre(kLisboa);
        const QStringList campos = linhas[1].split(',');
        QCOMPARE(campos.size(), 51);
        const QStringList resumo = unico.saida.split('\n');
        for (int i = 0; i < 12; ++i) {
            const QString linha = resumo[8 + i];
            const double texto = graus(linha.mid(20).section(" em ", 0, 0));
            QVERIFY2(std::fabs(campos[6 + i].toDouble() - texto) < 1e-5, qPrintable(linha + " / " + campos[6 + i]));
            QCOMPARE(campos[37 + i] == "1", linha.endsWith("( Retrogrado )"));
        }
        QVERIFY(std::fabs(campos[18].toDouble() - graus(resumo[25].mid(20))) < 1e-5); // Ascendant
    }

    // The precise engine from the command line: the summary names it, and the Ascendant and
    // the Sun agree with swetest (same files, or Moshier as the note says) to the second.
    void motorPreciso() {
        const Resultado r = corre(QStringList(kLisboa) << "--motor" << "preciso" << "--casas" << "P");
        QCOMPARE(r.codigo, 0);
        QVERIFY2(r.saida.contains(QString::fromUtf8("Cálculo: motor preciso (Swiss Ephemeris), casas Placidus.")),
                 qPrintable(r.saida));
        const auto ref = CorreSwetest("24.4.1974", "23:20:00", 38 + 43 / 60.0, -(9 + 8 / 60.0), 'P',
                                      r.saida.contains("Moshier"));
        QVERIFY2(ref, "swetest não correu");
        const QStringList resumo = r.saida.split('\n');
        QVERIFY(std::fabs(graus(resumo[8].mid(20).section(" em ", 0, 0)) - ref->corpos[0]) < 0.51 / 3600);
        QVERIFY(std::fabs(graus(resumo[25].mid(20)) - ref->cuspides[1]) < 0.51 / 3600);
    }

    // Places from the atlas: the zone of the birth's date is filled unless one is given; an
    // ambiguous or unknown name is an argument error that lists the candidates.
    void atlas_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QString>("texto");
        const QStringList data = {"--data", "15/7/1990", "--hora", "12:00"};
        QTest::newRow("com região") << (QStringList{"--atlas", "Calheta, Madeira"} + data) << 0
                                    << "Calheta (Madeira, Portugal)";
        QTest::newRow("ambíguo") << (QStringList{"--atlas", "Calheta"} + data) << 2 << "Calheta (Açores, Portugal)";
        QTest::newRow("desconhecido") << (QStringList{"--atlas", "Xqzwv"} + data) << 2 << "não está no atlas";
        // Lisbon's clocks went from 1h to 2h on 27/3/2022 and from 2h back to 1h on 30/10/2022.
        QTest::newRow("hora que não existiu")
            << QStringList{"--atlas", "Lisboa", "--data", "27/3/2022", "--hora", "1:30"} << 0 << "não existiu";
        QTest::newRow("hora repetida")
            << QStringList{"--atlas", "Lisboa", "--data", "30/10/2022", "--hora", "1:30"} << 0 << "duas vezes";
        QTest::newRow("data impossível")
            << QStringList{"--atlas", "Lisboa", "--data", "31/2/1974", "--hora", "0:20"} << 2 << "31/2/1974";
    }
    void atlas() {
        QFETCH(QStringList, args);
        QFETCH(int, codigo);
        QFETCH(QString, texto);
        const Resultado r = corre(args);
        QCOMPARE(r.codigo, codigo);
        QVERIFY2((r.saida + r.erros).contains(texto), qPrintable(r.saida + r.erros));
        QVERIFY(!r.erros.contains(QStringLiteral("falta a opção")));
        if (codigo == 2)
            QVERIFY(r.erros.contains("Calheta (Madeira, Portugal)") || texto != "Calheta (Açores, Portugal)");
    }

    // A chart cast otherwise than by default keeps the zone id the atlas filled the zone from.
    void atlasGuardaFuso() {
        QTemporaryDir d;
        const QString anc = d.filePath("recife.anc");
        const Resultado r = corre({"--atlas", "Recife", "--data", "25/4/1974", "--hora", "0:20", "--motor", "preciso",
                                   "--silencioso", "--guardar", anc});
        QCOMPARE(r.codigo, 0);
        QFile f(anc);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().endsWith("\"America/Recife\"\r\n"));
    }

    // A batch line with an empty latitude and longitude takes its place from the atlas: Valença
    // in the summer of 1990 was at Portugal's +1 (Spain, across the river, at +2); a zone given
    // in the line is kept.
    void loteComAtlas() {
        QTemporaryDir d;
        QFile e(d.filePath("entrada.csv"));
        QVERIFY(e.open(QIODevice::WriteOnly));
        e.write("Ana,F,15/7/1990,12:00,,\"Valen\xc3\xa7" "a, Viana do Castelo\",,\r\n"
                "Rui,M,15/7/1990,12:00,3,\"Valen\xc3\xa7" "a, Viana do Castelo\",,\r\n"
                "Eva,F,15/7/1990,12:00,,Calheta,,\r\n");
        e.close();
        const Resultado r = corre({"--lote", e.fileName()});
        QCOMPARE(r.codigo, 1);
        QVERIFY2(r.erros.contains("linha 3") && r.erros.contains("Calheta (Madeira, Portugal)"), qPrintable(r.erros));
        const QStringList linhas = r.saida.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(linhas.size(), 3);
        const QStringList ana = linhas[1].split(','), rui = linhas[2].split(',');
        QCOMPARE(ana[0], QString("Ana"));
        QCOMPARE(ana[3], QString("1h0'0''"));
        QVERIFY2(ana[4].startsWith(QString::fromUtf8("42º1'")), qPrintable(ana[4]));
        QCOMPARE(rui[3], QString("3h0'0''"));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
