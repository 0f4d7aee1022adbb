// Numbered options, the recent-files list, the file-name helpers and the Windows-1252 codec.
// Runs with a private settings store (XDG_CONFIG_HOME set by the test runner).
#include "cp1252.h"
#include "opcoes.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestOpcoes : public QObject {
    Q_OBJECT

    static void limpaRecentes() {
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, "Natalis", "Natalis");
        s.remove("RecentFiles");
        s.sync();
    }

private slots:
    void initTestCase() {
        // The store must be the private one, never the user's own.
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, "Natalis", "Natalis");
        QVERIFY2(s.fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")) &&
                     !qEnvironmentVariable("XDG_CONFIG_HOME").isEmpty(),
                 qPrintable(s.fileName()));
    }

    void opcoes_data() {
        QTest::addColumn<int>("numero");
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QString>("lido");
        QTest::addColumn<double>("numerico");
        QTest::newRow("nunca escrita") << 77 << QString() << "False" << 0.0;
        QTest::newRow("vazia le False") << 3 << "" << "False" << 0.0;
        QTest::newRow("negativa") << -2 << "1.0.0" << "1.0.0" << 1.0;
        QTest::newRow("modo de calculo") << 5 << "1" << "1" << 1.0;
        QTest::newRow("cor") << 15 << "16711680" << "16711680" << 16711680.0;
        QTest::newRow("numero a frente de texto") << 16 << "12abc" << "12abc" << 12.0;
        QTest::newRow("texto sem numero") << 17 << "abc" << "abc" << 0.0;
        QTest::newRow("mil") << 1000 << "2026-12-06" << "2026-12-06" << 2026.0;
    }
    void opcoes() {
        QFETCH(int, numero);
        QFETCH(QString, valor);
        QFETCH(QString, lido);
        QFETCH(double, numerico);
        if (!valor.isNull())
            SaveOption(numero, valor);
        QCOMPARE(GetOption(numero), lido);
        QCOMPARE(GetOptionNumero(numero), numerico);
    }

    // The key is "Option" + the number with its sign, in section "Options", so renovo reads it.
    void chavesDoArmazem() {
        SaveOption(-1, "/opt/natalis");
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, "Natalis", "Natalis");
        QCOMPARE(s.value("Options/Option-1").toString(), QString("/opt/natalis"));
        s.setValue("Options/Option-3", "2026-01-01");
        s.sync();
        QCOMPARE(GetOption(-3), QString("2026-01-01"));
    }

    void recentes_data() {
        QTest::addColumn<QStringList>("abertos");
        QTest::addColumn<QStringList>("lista");
        QTest::newRow("cinco diferentes guardam os quatro mais novos")
            << QStringList{"/m/a.anc", "/m/b.anc", "/m/c.anc", "/m/d.anc", "/m/e.anc"}
            << QStringList{"/m/e.anc", "/m/d.anc", "/m/c.anc", "/m/b.anc"};
        QTest::newRow("reabrir nao muda a ordem")
            << QStringList{"/m/a.anc", "/m/b.anc", "/m/c.anc", "/m/a.anc"}
            << QStringList{"/m/c.anc", "/m/b.anc", "/m/a.anc"};
        QTest::newRow("maiusculas contam como outro ficheiro")
            << QStringList{"/m/a.anc", "/m/A.anc"} << QStringList{"/m/A.anc", "/m/a.anc"};
        QTest::newRow("um so") << QStringList{"/m/a.anc"} << QStringList{"/m/a.anc"};
    }
    void recentes() {
        QFETCH(QStringList, abertos);
        QFETCH(QStringList, lista);
        limpaRecentes();
        for (const QString& c : abertos)
            AddRecentFile(c);
        QCOMPARE(RecentFiles(), lista);
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, "Natalis", "Natalis");
        for (int k = 0; k < lista.size(); ++k)
            QCOMPARE(s.value(QString("RecentFiles/RecentFile%1").arg(k + 1)).toString(), lista[k]);
        QVERIFY(IsRecentFile(lista.first()));
        QVERIFY(!IsRecentFile(lista.first().toUpper()));
    }

    void nomeDeFicheiro_data() {
        QTest::addColumn<QString>("caminho");
        QTest::addColumn<bool>("extensao");
        QTest::addColumn<QString>("nome");
        QTest::newRow("barra invertida com extensao") << "C:\\logs\\Maria.anc" << true << "Maria.anc";
        QTest::newRow("barra invertida sem extensao") << "C:\\logs\\Maria.anc" << false << "Maria";
        QTest::newRow("barra") << "/home/u/logs/Joao.anc" << false << "Joao";
        QTest::newRow("sem barra") << "Maria.anc" << true << "Maria.anc";
        QTest::newRow("sem barra sem extensao") << "Maria.anc" << false << "Maria";
        QTest::newRow("curto sem extensao") << "ab" << false << "";
    }
    void nomeDeFicheiro() {
        QFETCH(QString, caminho);
        QFETCH(bool, extensao);
        QFETCH(QString, nome);
        QCOMPARE(FileNameOf(caminho, extensao), nome);
    }

    void ficheiroExiste() {
        QTemporaryDir d;
        QVERIFY(d.isValid());
        QFile f(d.filePath("Mapa.anc"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QVERIFY(FileExists(d.filePath("Mapa.anc")));
        QVERIFY(FileExists(d.filePath("MAPA.ANC"))); // letter case ignored, as the listing is read
        QVERIFY(!FileExists(d.filePath("Outro.anc")));
        QVERIFY(!FileExists(d.filePath("nao/Mapa.anc")));
        QVERIFY(!FileExists(QString()));
    }

    void pastaPrograma() {
        QCOMPARE(PastaPrograma(), QCoreApplication::applicationDirPath());
        DefinePastaPrograma("/tmp/natalis-x/");
        QCOMPARE(PastaPrograma(), QString("/tmp/natalis-x"));
        QCOMPARE(CaminhoPrograma("orbs/Default.orb"), QString("/tmp/natalis-x/orbs/Default.orb"));
        DefinePastaPrograma(QString());
    }

    // Windows-1252 reference bytes from the code page's published table.
    void cp1252_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("cabe");
        QTest::newRow("ascii") << "Sol, Lua" << QByteArray("Sol, Lua") << true;
        QTest::newRow("acentos") << "Vénus Plutão º" << QByteArray("V\xe9nus Plut\xe3o \xba") << true;
        QTest::newRow("zona 80-9F") << QString::fromUtf8("€”‘…") << QByteArray("\x80\x94\x91\x85") << true;
        QTest::newRow("fora") << QString::fromUtf8("a☉b") << QByteArray("a?b") << false;
        QTest::newRow("fora do plano basico") << QString::fromUtf8("x😀y") << QByteArray("x?y") << false;
    }
    void cp1252() {
        QFETCH(QString, texto);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, cabe);
        QByteArray saida;
        QCOMPARE(ParaCp1252(texto, saida), cabe);
        QCOMPARE(saida, bytes);
        QCOMPARE(CabeEmCp1252(texto), cabe);
        if (cabe)
            QCOMPARE(DeCp1252(bytes), texto);
    }

    void foraDeCp1252() {
        QCOMPARE(ForaDeCp1252(QString::fromUtf8("☉a☉😀b😀")), QString::fromUtf8("☉😀"));
        QCOMPARE(ForaDeCp1252("Vénus"), QString());
        // The five unassigned bytes read as the replacement character.
        QCOMPARE(DeCp1252(QByteArray("\x81\x8d\x8f\x90\x9d")), QString(5, QChar(0xFFFD)));
    }
};

QTEST_GUILESS_MAIN(TestOpcoes)
#include "test_opcoes.moc"
