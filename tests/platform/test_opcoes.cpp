// Numbered options, the recent-files list, the file-name helpers and the Windows-1252 codec.
// Runs with a private settings store (XDG_CONFIG_HOME set by the test runner).
#include "ferramentas.h"
#include "cp1252.h"
#include "gravacao.h"
#include "opcoes.h"
#include "sistemaficheiros.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {
QSettings Armazem() { return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Natalis", "Natalis"); }
} // namespace

class TestOpcoes : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // The store must be the private one, never the user's own (on Windows, the registry of
        // the tests' own Wine prefix, emptied before each program).
#ifndef Q_OS_WIN
        const QString privado = qEnvironmentVariable("XDG_CONFIG_HOME");
        QVERIFY2(!privado.isEmpty() && Armazem().fileName().startsWith(privado), qPrintable(Armazem().fileName()));
#endif
    }

    // Saving over a file named with accents: the new bytes in place, no temporary file left
    // beside it; a missing folder said so; a link (any reparse point on Windows) told apart.
    void gravacao() {
        QTemporaryDir d;
        const QString alvo = d.filePath("Conceição Ávila.anc");
        QString erro;
        QVERIFY2(GravaFicheiro(alvo, "antigo", &erro) && GravaFicheiro(alvo, "novo\r\n", &erro), qPrintable(erro));
        QFile f(alvo);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("novo\r\n"));
        QCOMPARE(QDir(d.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Conceição Ávila.anc"});
        QVERIFY(!GravaFicheiro(d.filePath("Não há/x.anc"), "x", &erro));
        QVERIFY2(erro.startsWith("A pasta ") && erro.contains("Não há"), qPrintable(erro));
        QVERIFY(PastaAceitaFicheiros(d.path()) && !PastaAceitaFicheiros(d.filePath("Não há")));
        const QString ligacao = d.filePath("ligação");
#ifdef Q_OS_WIN
        const bool ligou = CreateSymbolicLinkW(QDir::toNativeSeparators(ligacao).toStdWString().c_str(),
                                               QDir::toNativeSeparators(d.path()).toStdWString().c_str(), 0x3) &&
                           QFileInfo::exists(ligacao); // Wine answers yes and makes none
#else
        const bool ligou = QFile::link(d.path(), ligacao);
#endif
        QVERIFY(!LigacaoOuReparacao(alvo) && !LigacaoOuReparacao(d.path()));
        if (!ligou) QSKIP("o sistema não deixa criar ligações simbólicas");
        QVERIFY(LigacaoOuReparacao(ligacao));
    }

    // Text and leading number of an option; the key is "Option" + the number with its sign in
    // section "Options", so renovo reads it.
    void opcoes() {
        QCOMPARE(GetOption(77), QString("False")); // never written
        SaveOption(3, "");
        QCOMPARE(GetOption(3), QString("False"));
        SaveOption(16, "12abc");
        QCOMPARE(GetOptionNumero(16), 12.0);
        SaveOption(17, "abc");
        QCOMPARE(GetOptionNumero(17), 0.0);
        SaveOption(-1, "/opt/natalis");
        QSettings s = Armazem();
        QCOMPARE(s.value("Options/Option-1").toString(), QString("/opt/natalis"));
        s.setValue("Options/Option-3", "2026-01-01");
        s.sync();
        QCOMPARE(GetOption(-3), QString("2026-01-01"));
        QCOMPARE(GetOptionNumero(-3), 2026.0);
    }

    void recentes_data() {
        QTest::addColumn<QStringList>("abertos"); QTest::addColumn<QStringList>("lista");
        QTest::newRow("cinco diferentes guardam os quatro mais novos")
            << QStringList{"/m/a.anc", "/m/b.anc", "/m/c.anc", "/m/d.anc", "/m/e.anc"}
            << QStringList{"/m/e.anc", "/m/d.anc", "/m/c.anc", "/m/b.anc"};
        QTest::newRow("reabrir nao muda a ordem") << QStringList{"/m/a.anc", "/m/b.anc", "/m/c.anc", "/m/a.anc"}
                                                  << QStringList{"/m/c.anc", "/m/b.anc", "/m/a.anc"};
        QTest::newRow("maiusculas contam como outro ficheiro") << QStringList{"/m/a.anc", "/m/A.anc"} << QStringList{"/m/A.anc", "/m/a.anc"};
    }
    void recentes() {
        QFETCH(QStringList, abertos); QFETCH(QStringList, lista);
        Armazem().remove("RecentFiles");
        for (const QString& c : abertos)
            AddRecentFile(c);
        QCOMPARE(RecentFiles(), lista);
        QSettings s = Armazem();
        for (int k = 0; k < lista.size(); ++k)
            QCOMPARE(s.value(QString("RecentFiles/RecentFile%1").arg(k + 1)).toString(), lista[k]);
    }

    void ficheiros() {
        for (const auto& [caminho, extensao, nome] :
             {std::tuple{"C:\\logs\\Maria.anc", true, "Maria.anc"}, {"C:\\logs\\Maria.anc", false, "Maria"},
              {"/home/u/logs/Joao.anc", false, "Joao"}, {"Maria.anc", true, "Maria.anc"}, {"ab", false, ""}})
            QCOMPARE(FileNameOf(caminho, extensao), QString(nome));
        QTemporaryDir d;
        QVERIFY(QFile(d.filePath("Mapa.anc")).open(QIODevice::WriteOnly));
        QVERIFY(FileExists(d.filePath("MAPA.ANC"))); // letter case ignored, as the listing is read
        QVERIFY(!FileExists(d.filePath("Outro.anc")));
        QVERIFY(!FileExists(d.filePath("nao/Mapa.anc")));
        QVERIFY(!FileExists(QString()));
        DefinePastaPrograma("/tmp/natalis-x/");
        QCOMPARE(CaminhoPrograma("orbs/Default.orb"), QDir::toNativeSeparators("/tmp/natalis-x/orbs/Default.orb"));
        DefinePastaPrograma(QString());
    }

    // What Windows-1252 cannot hold is written "?" and reported, one character per kind (each
    // byte it holds is checked against iconv below).
    void cp1252() {
        const auto escrito = [](const QString& texto, bool cabe) {
            QByteArray saida;
            return ParaCp1252(texto, saida) == cabe ? saida : QByteArray("falhou");
        };
        QCOMPARE(escrito(QString::fromUtf8("Vénus €a☉b"), false), QByteArray("V\xe9nus \x80" "a?b"));
        QCOMPARE(escrito(QString::fromUtf8("x😀y"), false), QByteArray("x?y"));
        QCOMPARE(ForaDeCp1252(QString::fromUtf8("☉a☉😀b😀")), QString::fromUtf8("☉😀"));
        QCOMPARE(ForaDeCp1252("Vénus"), QString());
    }

    // Every byte against the C library's own Windows-1252 table (iconv), both ways: the five
    // bytes it leaves unassigned read as U+FFFD and nothing writes them.
    void cp1252ComoIconv() {
        EXIGE_FERRAMENTA("iconv", "libc-bin");
        QByteArray entrada;
        for (int b = 0; b < 256; ++b)
            if (b != '\n') entrada += char(b), entrada += '\n';
        QProcess iconv;
        iconv.start("iconv", {"-c", "-f", "CP1252", "-t", "UTF-8"});
        QVERIFY(iconv.waitForStarted());
        iconv.write(entrada);
        iconv.closeWriteChannel();
        QVERIFY(iconv.waitForFinished());
        const QList<QByteArray> linhas = iconv.readAllStandardOutput().split('\n');
        QCOMPARE(linhas.size(), 256); // 255 lines and the empty rest after the last end of line
        for (int b = 0, k = 0; b < 256; ++b) {
            if (b == '\n') continue;
            const QString referencia = QString::fromUtf8(linhas[k++]);
            const QString lido = DeCp1252(QByteArray(1, char(b)));
            QByteArray escrito;
            if (referencia.isEmpty()) {
                QVERIFY2(lido == QString(QChar(0xFFFD)), qPrintable(QString::number(b, 16)));
                continue;
            }
            QVERIFY2(lido == referencia, qPrintable(QString::number(b, 16)));
            QVERIFY2(ParaCp1252(referencia, escrito) && escrito == QByteArray(1, char(b)), qPrintable(QString::number(b, 16)));
        }
    }
};

QTEST_GUILESS_MAIN(TestOpcoes)
#include "test_opcoes.moc"
