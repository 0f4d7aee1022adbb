// natalis-cli as a script uses it: exit codes, Portuguese messages, the summary in UTF-8, a
// chart saved and opened again, the batch CSV, places from the atlas, and the user's settings
// left alone.
#include "ferramentas.h"
#include "swetest.h"
#include "discocheio.h"

#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {
struct Resultado { int codigo = -1; QString saida, erros; };
Resultado corre(const QStringList& args, const QProcessEnvironment& ambiente = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(ambiente);
    p.start(QStringLiteral(NATALIS_PROGRAM_DIR "/natalis-cli"), args);
    Resultado r;
    if (!p.waitForFinished(60000)) return r;
    r.codigo = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.saida = QString::fromUtf8(p.readAllStandardOutput());
    r.erros = QString::fromUtf8(p.readAllStandardError());
    return r;
}
QString le(const QString& caminho) { return QString::fromUtf8(DiscoCheio::conteudo(caminho)); }

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
// The file converted by LibreOffice (installed by scripts/setup.sh) to a flat OpenDocument
// (fodt, fods): the XML a word processor or a spreadsheet made of it; empty without soffice.
QString peloLibreOffice(const QString& ficheiro, const QString& formato, const QStringList& antes = {}) {
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty()) return QString();
    QTemporaryDir perfil;
    QProcess p;
    p.start(soffice, QStringList{"-env:UserInstallation=file://" + perfil.path(), "--headless"} + antes +
                         QStringList{"--convert-to", formato, "--outdir", perfil.path(), ficheiro});
    if (!p.waitForFinished(120000)) return QString();
    return le(perfil.filePath(QFileInfo(ficheiro).completeBaseName() + "." + formato));
}
} // namespace

class TestCli : public QObject {
    Q_OBJECT

private slots:
    // Arguments and places: the exit code and a text of standard output or error.
    void argumentos_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QString>("mensagem");
        const QStringList lisboa = kLisboa, data = {"--data", "15/7/1990", "--hora", "12:00"}, atlas = {"--atlas", "Lisboa"};
        QTest::newRow("ajuda") << QStringList{"--ajuda"} << 0 << "Utilização";
        QTest::newRow("help") << QStringList{"-h"} << 0 << "--latitude";
        QTest::newRow("sem nada") << QStringList{} << 2 << "indique os dados de nascimento";
        QTest::newRow("opcao desconhecida") << QStringList{"--xpto"} << 2 << "opção desconhecida: --xpto";
        QTest::newRow("falta valor") << QStringList{"--data"} << 2 << "precisa de um valor";
        QTest::newRow("argumento solto") << QStringList{"mapa.anc"} << 2 << "argumento inesperado";
        QTest::newRow("falta a hora")
            << QStringList{"--data", "1/1/2000", "--fuso", "0", "--latitude", "0", "--longitude", "0"} << 2
            << "falta a opção --hora";
        QTest::newRow("hora impossivel") << lisboa + QStringList{"--hora", "25:00"} << 2 << "25:00";
        QTest::newRow("sexo desconhecido") << lisboa + QStringList{"--sexo", "x"} << 2 << "--sexo";
        QTest::newRow("abrir e dados juntos") << lisboa + QStringList{"--abrir", "x.anc"} << 2 << "um de cada vez";
        QTest::newRow("motor desconhecido") << lisboa + QStringList{"--motor", "rapido"} << 2 << "motor desconhecido";
        QTest::newRow("casas desconhecidas") << lisboa + QStringList{"--casas", "Z"} << 2 << "sistema de casas desconhecido";
        QTest::newRow("pontos sem o motor preciso") << lisboa + QStringList{"--pontos", "quiron"} << 2 << "só os calcula o motor preciso";
        QTest::newRow("ponto desconhecido") << lisboa + QStringList{"--motor", "preciso", "--pontos", "quiron,lilith"} << 2 << "ponto desconhecido";
        QTest::newRow("motor com abrir") << QStringList{"--abrir", "x.anc", "--motor", "preciso"} << 2 << "não se aplicam";
        // An image format the tool does not write is a bad command line, refused before casting.
        QTest::newRow("roda em jpg") << lisboa + QStringList{"--roda", "r.jpg"} << 2 << ".png, .bmp ou .svg";
        QTest::newRow("ficheiro em falta") << QStringList{"--abrir", "/nao/existe.anc"} << 1 << QString::fromUtf8("Ficheiro não encontrado: /nao/existe.anc");
        // The zone of the birth's date is filled from the atlas; an ambiguous or unknown name
        // lists the candidates. Lisbon's clocks went from 1h to 2h on 27/3/2022 (the hour that
        // came twice, and the explanations: test_atlasdados).
        QTest::newRow("atlas com região")
            << QStringList{"--atlas", "Calheta, Madeira"} + data << 0 << "Calheta (Madeira, Portugal)";
        QTest::newRow("atlas ambíguo") << QStringList{"--atlas", "Calheta"} + data << 2
                                       << "Calheta (Açores, Portugal)\nCalheta (Madeira, Portugal)";
        QTest::newRow("atlas desconhecido") << QStringList{"--atlas", "Xqzwv"} + data << 2 << "não está no atlas";
        QTest::newRow("hora que não existiu") << atlas + QStringList{"--data", "27/3/2022", "--hora", "1:30"} << 0
                                              << "não existiu";
        QTest::newRow("data impossível") << atlas + QStringList{"--data", "31/2/1974", "--hora", "0:20"} << 2 << "31/2/1974";
        // Input quoted in a message is cut to a readable length.
        QTest::newRow("hora enorme") << lisboa + QStringList{"--hora", "1" + QString(100000, '9')} << 2 << "«199999";
        QTest::newRow("local enorme") << QStringList{"--atlas", QString(100000, 'x')} + data << 2 << "não está no atlas";
    }
    void argumentos() {
        QFETCH(QStringList, args);
        QFETCH(int, codigo);
        QFETCH(QString, mensagem);
        const Resultado r = corre(args);
        QCOMPARE(r.codigo, codigo);
        for (const QString& m : mensagem.split('\n'))
            QVERIFY2((r.saida + r.erros).contains(m), qPrintable(r.saida + r.erros));
        if (codigo) QVERIFY2(r.erros.size() < 2000, qPrintable(r.erros.left(300)));
    }

    // A chart cast, saved and opened again shows the same summary and aspects without the
    // ephemeris; nothing of the user's settings changes. One cast otherwise than by default
    // keeps the zone id the atlas filled the zone from.
    void lancaGuardaEAbre() {
        QTemporaryDir d;
        const QString anc = d.filePath("maria.anc");
        const Resultado lancado = corre(QStringList(kLisboa) << "--guardar" << anc << "--resumo" << d.filePath("r.txt"));
        QCOMPARE(lancado.codigo, 0);
        QVERIFY(lancado.saida.startsWith("Resumo das posições astrologicas\n\nMaria\nNascida em Lisboa"));
        QVERIFY(lancado.saida.contains("\nAspectos\n"));
        const QByteArray bytes = DiscoCheio::conteudo(anc); // the fields as the window would write them
        QVERIFY(bytes.startsWith("\"Maria\"\r\n\"25/4/1974\"\r\n#FALSE#\r\n\"0h20'\"\r\n\"1h0'0''\"\r\n"));
        QVERIFY(bytes.contains("\"38\xba" "43'0''N\"\r\n\"0h36'32'' W\"\r\n"));
        QCOMPARE(corre({"--abrir", anc}).saida, lancado.saida);
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, "Natalis", "Natalis");
        QVERIFY(s.value("RecentFiles/RecentFile1").toString().isEmpty());
        QVERIFY(s.value("Options/Option0").toString().isEmpty());

        QCOMPARE(corre({"--atlas", "Recife", "--data", "25/4/1974", "--hora", "0:20", "--motor", "preciso", "--silencioso",
                        "--guardar", anc}).codigo, 0);
        QVERIFY(le(anc).endsWith("\"America/Recife\"\r\n"));
    }

    // --sinastria: the Suns of two charts cast by the precise engine make the trine whose orb
    // swetest's longitudes give; the overlays come both ways; a missing second chart fails.
    void sinastria() {
        QTemporaryDir d;
        const QString a = d.filePath("maria.anc"), b = d.filePath("joao.anc"), csv = d.filePath("s.csv");
        QCOMPARE(corre(QStringList(kLisboa) << "--motor" << "preciso" << "--silencioso" << "--guardar" << a).codigo, 0);
        QCOMPARE(corre({"--nome", "João", "--data", "27/8/1974", "--hora", "12:00", "--fuso", "1", "--latitude", "41º9' N",
                        "--longitude", "8º37' W", "--motor", "preciso", "--silencioso", "--guardar", b}).codigo, 0);
        QCOMPARE(corre({"--abrir", a, "--sinastria", b, "--silencioso", "--saida", csv}).codigo, 0);
        const QStringList linhas = le(csv).split("\r\n", Qt::SkipEmptyParts);
        const auto sa = CorreSwetest("24.4.1974", "23:20", 38.7, -9.1, 'P', false), sb = CorreSwetest("27.8.1974", "11:00", 41.1, -8.6, 'P');
        EXIGE_FERRAMENTA("swetest", "swetest");
        QVERIFY2(sa && sb, "swetest não correu");
        const double orbe = std::fabs(std::fabs(std::remainder(sb->corpos[0] - sa->corpos[0], 360.0)) - 120.0);
        const QStringList sol = linhas.filter("aspecto;Sol;Maria;trígono;Sol;João;");
        QVERIFY2(sol.size() == 1 && std::fabs(sol[0].section(';', 6).toDouble() - orbe) <= 0.006, qPrintable(sol.join('|')));
        for (const char* casas : {"^casa;[^;]+;Maria;casa;[IVX]+;João;$", "^casa;[^;]+;João;casa;[IVX]+;Maria;$"})
            QCOMPARE(linhas.filter(QRegularExpression(casas)).size(), 14);
        const Resultado falta = corre({"--abrir", a, "--sinastria", d.filePath("nenhum.anc"), "--silencioso"});
        QVERIFY(falta.codigo == 1 && falta.erros.contains("nenhum.anc"));
        QCOMPARE(corre({"--abrir", a, "--saida", csv}).codigo, 2);
    }

    // Several blocks cast on several threads give the output and the messages of one thread,
    // line for line and in the input's order (bad dates fail inside the cast, on the threads).
    void loteEmParalelo() {
        QTemporaryDir d;
        QByteArray entrada;
        for (int k = 0; k < 5000; ++k)
            entrada += QStringLiteral("N%1,F,%2/%3/%4,%5:%6,0,Lisboa,38º43' N,9º8' W,%7\n")
                           .arg(k).arg(k % 500 == 7 ? 31 : 1 + k % 28).arg(k % 500 == 7 ? 2 : 1 + k % 12)
                           .arg(1900 + k % 120).arg(k % 24).arg(k % 60).arg(k % 3 ? "" : "preciso").toUtf8();
        QVERIFY(DiscoCheio::escreve(d.filePath("e.csv"), entrada));
        const Resultado um = corre({"--lote", d.filePath("e.csv"), "--nucleos", "1"}),
                        tres = corre({"--lote", d.filePath("e.csv"), "--nucleos", "3"});
        QCOMPARE(um.codigo, 1);
        QCOMPARE(um.saida.count('\n'), 1 + 5000 - 10);
        QCOMPARE(tres.saida, um.saida);
        QCOMPARE(tres.erros, um.erros);
        QVERIFY2(um.erros.startsWith("natalis-cli: linha 8: ") && um.erros.contains("linha 4508: "), qPrintable(um.erros));
    }

    // A settings file with a value beyond any sane size: the value is dropped from the file,
    // said once, and the other settings stay.
    void opcoesEnormes() {
#ifdef Q_OS_WIN
        QSKIP("as opções do Windows ficam no registo, não num ficheiro");
#endif
        QTemporaryDir d;
        QVERIFY(QDir().mkpath(d.filePath("Natalis")));
        const QString conf = d.filePath("Natalis/Natalis.conf");
        const QByteArray enorme = "Option7=" + QByteArray(200 * 1024, 'x') + "\n";
        QVERIFY(DiscoCheio::escreve(conf, "[Options]\nOption5=0\n" + enorme + "Option9=abc\n"));
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert("XDG_CONFIG_HOME", d.path());
        const Resultado r = corre(kLisboa, ambiente);
        QCOMPARE(r.codigo, 0);
        QVERIFY2(r.erros.contains("tinha 1 valor(es) com mais de 64 KiB"), qPrintable(r.erros));
        QCOMPARE(DiscoCheio::conteudo(conf), QByteArray("[Options]\nOption5=0\nOption9=abc\n"));
        QVERIFY(corre(kLisboa, ambiente).erros.isEmpty()); // said once
    }

    // The batch: bad lines are reported by number and the rest go on; names with commas or
    // quotes are quoted, quotes doubled; a line without coordinates takes its place from the atlas (Valença in the summer
    // of 1990 at Portugal's +1, Spain across the river at +2) unless it gives a zone; each line
    // agrees with the summary of the same chart cast alone.
    void lote() {
        QTemporaryDir d;
        QVERIFY(DiscoCheio::escreve(d.filePath("entrada.csv"),
                        "nome,sexo,data,hora,fuso,local,latitude,longitude\r\n"
                        "Maria,F,25/4/1974,0:20,1,Lisboa,38\xc2\xba" "43' N,9\xc2\xba" "8' W\r\n"
                        "\"Silva, Rui \"\"o Ruca\"\"\",M,15-01-1985,14h30,-3,\"Rio de Janeiro, Brasil\","
                        "22\xc2\xba" "54' S,43\xc2\xba" "12' W\r\n"
                        "Errado,M,31/2/1990,12:00,0,X,0,0\r\n"
                        "Preciso,F,25/4/1974,0:20,1,Lisboa,38\xc2\xba" "43' N,9\xc2\xba" "8' W,preciso,K\r\n"
                        "Motor errado,F,25/4/1974,0:20,1,Lisboa,0,0,turbo,\r\n"
                        "Ana,F,15/7/1990,12:00,,\"Valen\xc3\xa7" "a, Viana do Castelo\",,\r\n"
                        "Rui,M,15/7/1990,12:00,3,\"Valen\xc3\xa7" "a, Viana do Castelo\",,\r\n"
                        "Eva,F,15/7/1990,12:00,,Calheta,,\r\n"));
        const QString saida = d.filePath("saida.csv");
        const Resultado r = corre({"--lote", d.filePath("entrada.csv"), "--saida", saida});
        QCOMPARE(r.codigo, 1);
        for (const char* e : {"linha 4", "31/2/1990", "linha 6", "turbo", "linha 9", "Calheta (Madeira, Portugal)"})
            QVERIFY2(r.erros.contains(e), qPrintable(r.erros));
        const QStringList linhas = le(saida).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(linhas.size(), 6);
        const QStringList cabeca = linhas[0].split(',');
        QCOMPARE(cabeca.size(), 11 + 12 + 12 + 7 + 12 + 2);
        QCOMPARE((QStringList{cabeca[11], cabeca[23], cabeca[53], cabeca[54], cabeca[55]}),
                 (QStringList{"sol", "casa1", "retro_lua_negra", "motor", "casas"}));
        QVERIFY(linhas[1].endsWith(",classico,proprio"));
        QVERIFY(linhas[2].startsWith("\"Silva, Rui \"\"o Ruca\"\"\",M,15/1/1985,1985-01-15,14h30',-3h0'0'',")); // RFC 4180
        QVERIFY(linhas[3].startsWith("Preciso,") && linhas[3].endsWith(",preciso,koch"));
        const QStringList ana = linhas[4].split(','), rui = linhas[5].split(',');
        // The place "Valença, Viana do Castelo" is quoted and splits in two here.
        QCOMPARE((QStringList{ana[0], ana[5], rui[5]}), (QStringList{"Ana", "1h0'0''", "3h0'0''"}));
        QVERIFY2(ana[8].startsWith(QString::fromUtf8("42º1'")), qPrintable(ana[8]));

        const QStringList campos = linhas[1].split(','), resumo = corre(kLisboa).saida.split('\n');
        QCOMPARE(campos.size(), 56);
        // Lisboa 38º43' N, 9º8' W in signed degrees by hand: 38.716667, -9.133333.
        QCOMPARE((QStringList{campos[1], campos[6], campos[9], campos[10]}), (QStringList{"F", "Lisboa", "38.716667", "-9.133333"}));
        for (int i = 0; i < 12; ++i) {
            const QString linha = resumo[8 + i];
            QVERIFY2(std::fabs(campos[11 + i].toDouble() - graus(linha.mid(20).section(" em ", 0, 0))) < 1e-5,
                     qPrintable(linha + " / " + campos[6 + i]));
            QCOMPARE(campos[42 + i] == "1", linha.endsWith("( Retrogrado )"));
        }
        QVERIFY(std::fabs(campos[23].toDouble() - graus(resumo[25].mid(20))) < 1e-5); // Ascendant
    }

    // The precise engine from the command line: the summary names it, and the Sun, the Ascendant
    // and the optional points agree with swetest (same files, or Moshier as the note says) within
    // half a second (the summary shows whole seconds); in the batch the points come as two
    // columns each after the others, empty where a line's engine computes none.
    void motorPrecisoEPontos() {
        EXIGE_FERRAMENTA("swetest", "swetest");
        const Resultado r =
            corre(QStringList(kLisboa) << "--motor" << "preciso" << "--casas" << "P" << "--pontos" << "quiron,vertice");
        QCOMPARE(r.codigo, 0);
        QVERIFY2(r.saida.contains("Cálculo: motor preciso (Swiss Ephemeris), casas Placidus, pontos Quíron, Vértice."),
                 qPrintable(r.saida));
        const auto ref = CorreSwetest("24.4.1974", "23:20:00", 38 + 43 / 60.0, -(9 + 8 / 60.0), 'P',
                                      r.saida.contains("Moshier"));
        const auto pontos = CorreSwetestPontos("24.4.1974", "23:20:00");
        QVERIFY2(ref && !pontos.isEmpty(), "swetest não correu");
        const QStringList resumo = r.saida.split('\n');
        const qsizetype i = resumo.indexOf("Pontos adicionais");
        QVERIFY2(i > 0 && resumo[i + 1].startsWith(QString::fromUtf8("Quíron")) && resumo[i + 2].startsWith(QString::fromUtf8("Vértice")),
                 qPrintable(r.saida));
        const double quiron = pontos[0].first;
        QVERIFY2(std::fabs(graus(resumo[i + 1].mid(20).section(" em ", 0, 0)) - quiron) < 0.51 / 3600, qPrintable(resumo[i + 1]));
        QVERIFY(std::fabs(graus(resumo[i + 2].mid(20).section(" em ", 0, 0)) - ref->vertice) < 0.51 / 3600);

        QTemporaryDir pasta;
        const QString entrada = pasta.filePath("e.csv"), saida = pasta.filePath("s.csv");
        QVERIFY(DiscoCheio::escreve(entrada, "Ana,F,25/4/1974,0:20,1,Lisboa,38º43' N,9º8' W\n"
                                             "Rui,M,25/4/1974,0:20,1,Lisboa,38º43' N,9º8' W,classico\n"));
        QCOMPARE(corre({"--lote", entrada, "--saida", saida, "--motor", "preciso", "--pontos", "quiron"}).codigo, 0);
        const QStringList linhas = le(saida).split('\n', Qt::SkipEmptyParts);
        QVERIFY(linhas.size() == 3 && linhas[0].endsWith(",motor,casas,quiron,retro_quiron"));
        QVERIFY2(std::fabs(linhas[1].split(',').at(linhas[1].count(',') - 1).toDouble() - quiron) < 0.51 / 3600, qPrintable(linhas[1]));
        QVERIFY(linhas[2].endsWith(",classico,proprio,,"));
    }

    // A batch CSV saved in Windows-1252 (as Excel and Notepad save it) is read; the output for
    // spreadsheets, opened by LibreOffice Calc in Portuguese, has numbers as numbers, the ISO
    // date as a date and the accents right. Its charts also go out as AAF.
    void folhaDeCalculo() {
        QTemporaryDir d;
        QVERIFY(DiscoCheio::escreve(d.filePath("nasc.csv"), "nome;sexo;data;hora;fuso;local;latitude;longitude\r\n"
                                                            "Ant\xf3nia;F;1/2/2000;12:00;10;Sydney;33\xba" "52' S;151\xba" "12' E\r\n"));
        const QString saida = d.filePath("saida.csv"), aaf = d.filePath("nasc.aaf");
        const Resultado r = corre({"--lote", d.filePath("nasc.csv"), "--folha-calculo", "--saida", saida, "--exportar-aaf", aaf});
        QVERIFY2(r.codigo == 0, qPrintable(r.erros));
        const QByteArray bytes = DiscoCheio::conteudo(saida);
        QVERIFY(bytes.startsWith("\xEF\xBB\xBFnome;sexo;data;data_iso;"));
        QVERIFY2(le(saida).contains(QString::fromUtf8("\nAntónia;F;1/2/2000;2000-02-01;")), bytes.constData());
        QVERIFY(le(aaf).contains(QString::fromUtf8("#A93:Antónia,*,f,1.2.2000,12:00,Sydney,*")));
        QVERIFY(le(aaf).contains("#B93:2451575.583333,33s52,151e12,10he00,0"));

        const QString xml = peloLibreOffice(saida, "fods", {"--infilter=CSV:59,34,76,1,,2070"});
        if (xml.isEmpty()) QSKIP("LibreOffice (soffice) não está instalado");
        // Latitude and longitude in signed degrees, by hand: -33º52' = -33.866667, 151º12' = 151.2.
        for (const char* celula : {"office:value-type=\"float\" office:value=\"-33.866667\"",
                                   "office:value-type=\"float\" office:value=\"151.2\"",
                                   "office:value-type=\"date\" office:date-value=\"2000-02-01\""})
            QVERIFY2(xml.contains(celula), celula);
        QVERIFY(xml.contains(QString::fromUtf8(">Antónia<")));
    }

    // The report by the extension (any other refused, the file there left as it was); fresh
    // settings give the window's colours, not black throughout (the title's purple, the
    // sub-headings' dark red). As Word and LibreOffice read it: LibreOffice Writer finds the
    // synthesis tables with their cells, the wheel as a picture about 11 cm wide, an A4 page
    // and Portuguese.
    void relatorioNoLibreOffice() {
        QTemporaryDir d;
        const QString rtf = d.filePath("maria.RTF"), pdf = d.filePath("maria.pdf"), doc = d.filePath("maria.doc");
        QCOMPARE(corre(QStringList(kLisboa) << "--relatorio" << rtf << "--relatorio" << pdf << "--silencioso").codigo, 0);
        const QByteArray bytes = DiscoCheio::conteudo(rtf);
        QVERIFY(bytes.startsWith("{\\rtf1") && DiscoCheio::conteudo(pdf).startsWith("%PDF-"));
        QVERIFY(bytes.contains("\\red90\\green45\\blue130;") && bytes.contains("\\red140\\green30\\blue40;"));
        QVERIFY(DiscoCheio::escreve(doc, "anterior"));
        const Resultado recusado = corre(QStringList(kLisboa) << "--relatorio" << doc);
        QVERIFY2(recusado.codigo == 1 && recusado.erros.contains("use .rtf ou .pdf"), qPrintable(recusado.erros));
        QCOMPARE(DiscoCheio::conteudo(doc), QByteArray("anterior"));
        const QString xml = peloLibreOffice(rtf, "fodt");
        if (xml.isEmpty()) QSKIP("LibreOffice (soffice) não está instalado");
        QVERIFY(xml.count("<table:table ") >= 3);
        const QRegularExpression celulas("<table:table-row[^>]*>.*?</table:table-row>",
                                         QRegularExpression::DotMatchesEverythingOption);
        QStringList linhas;
        for (auto it = celulas.globalMatch(xml); it.hasNext();)
            linhas << it.next().captured(0).remove(QRegularExpression("<[^>]+>|\\s"));
        QVERIFY2(linhas.contains(QString::fromUtf8("CorpoSignoGrauCasaMovimento")), qPrintable(linhas.mid(0, 3).join('|')));
        QVERIFY(linhas.contains(QString::fromUtf8("FogoTerraArÁguaCardinalFixaMutável")));
        const QRegularExpressionMatch imagem = QRegularExpression("<draw:frame [^>]*svg:width=\"([0-9.]+)in\"").match(xml);
        QVERIFY(imagem.hasMatch() && std::fabs(imagem.captured(1).toDouble() * 2.54 - 11.1) < 0.5);
        QVERIFY(xml.contains("<office:binary-data>"));
        QVERIFY(xml.contains("fo:page-width=\"8.2681in\"") && xml.contains("fo:page-height=\"11.6929in\""));
        QVERIFY(xml.contains("fo:language=\"pt\" fo:country=\"PT\""));
        // As PDF the wheel is vectors: pdfimages lists no picture, pdftotext reads the wheel's labels.
        QProcess i, t;
        i.start("pdfimages", {"-list", pdf}), t.start("pdftotext", {"-l", "1", pdf, "-"});
        if (!i.waitForFinished() || !t.waitForFinished()) QSKIP("pdfimages e pdftotext (poppler-utils) não estão instalados");
        QVERIFY(i.readAllStandardOutput().count('\n') == 2 && t.readAllStandardOutput().contains("\nMC\n"));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
