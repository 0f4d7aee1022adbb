// Saving never loses the file already there: on a full disk (a small tmpfs filled to the last
// byte, or a file-size limit where mounting is refused) every save over an existing file keeps
// its old bytes, says why in Portuguese and reports failure; a process killed in the middle
// of a save leaves the old file whole.
#include "discocheio.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
const QString kCli = QStringLiteral(NATALIS_PROGRAM_DIR "/natalis-cli"), kGravador = QStringLiteral(GRAVADOR);
const QStringList kMaria = {"--nome", "Maria", "--sexo", "F", "--data", "25/4/1974", "--hora", "0:20", "--fuso", "1",
                            "--local", "Lisboa", "--latitude", "38º43' N", "--longitude", "9º8' W", "--silencioso"};
} // namespace

class TestGravacao : public QObject {
    Q_OBJECT
    QTemporaryDir m_base;
    std::unique_ptr<DiscoCheio> m_disco;

private slots:
    void initTestCase() {
        QVERIFY(QFileInfo::exists(kCli) && QFileInfo::exists(kGravador));
        m_disco = std::make_unique<DiscoCheio>(m_base.filePath(QStringLiteral("disco")));
    }
    void cleanupTestCase() { m_disco.reset(); }

    // Each row: the program, its arguments (%1 = the target, %2 = a batch input), the target's name.
    void discoCheio_data() {
        QTest::addColumn<QString>("programa"); QTest::addColumn<QStringList>("args"); QTest::addColumn<QString>("nome");
        QTest::newRow("mapa (natalis-cli --guardar)") << kCli << kMaria + QStringList{"--guardar", "%1"} << "mapa.anc";
        QTest::newRow("resumo (natalis-cli --resumo)") << kCli << kMaria + QStringList{"--resumo", "%1"} << "resumo.txt";
        QTest::newRow("roda PNG (natalis-cli --roda)") << kCli << kMaria + QStringList{"--roda", "%1"} << "roda.png";
        QTest::newRow("roda SVG (natalis-cli --roda)") << kCli << kMaria + QStringList{"--roda", "%1"} << "roda.svg";
        QTest::newRow("lote CSV (natalis-cli --saida)")
            << kCli << QStringList{"--lote", "%2", "--saida", "%1"} << "mapas.csv";
        QTest::newRow("relatorio RTF (natalis-cli --relatorio)")
            << kCli << kMaria + QStringList{"--relatorio", "%1"} << "relatorio.rtf";
        QTest::newRow("orbes") << kGravador << QStringList{"orbes", "%1"} << "Meu.orb";
        QTest::newRow("interpretacao RTF da janela de leitura") << kGravador << QStringList{"rtf", "%1"} << "leitura.rtf";
    }
    void discoCheio() {
        QFETCH(QString, programa); QFETCH(QStringList, args); QFETCH(QString, nome);
        const QString alvo = m_disco->pasta() + QLatin1Char('/') + nome,
                      entrada = m_disco->pasta() + QStringLiteral("/entrada.csv");
        const QByteArray antigo = "conteúdo anterior de " + nome.toUtf8() + "\r\n" + QByteArray(500, 'x');
        QVERIFY(DiscoCheio::escreve(alvo, antigo));
        QVERIFY(DiscoCheio::escreve(entrada, "Ana,F,13/6/1988,14:30,1,Porto,41º9' N,8º37' W\n"));
        QVERIFY2(m_disco->enche(), "o tmpfs não ficou cheio");
        QProcess p; // under the size limit when the tmpfs could not be mounted
        if (!m_disco->montado()) p.setChildProcessModifier([] { DiscoCheio::limitaTamanho(); });
        p.start(programa, args.replaceInStrings(QStringLiteral("%1"), alvo).replaceInStrings(QStringLiteral("%2"), entrada));
        QVERIFY(p.waitForFinished(120000));
        const QString erros = QString::fromUtf8(p.readAllStandardError());
        m_disco->esvazia();
        QFile::remove(entrada);
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 1);
        QCOMPARE(DiscoCheio::conteudo(alvo), antigo);
        QVERIFY2(erros.contains(m_disco->motivo(nome)) &&
                     erros.contains(QStringLiteral("O ficheiro anterior ficou intacto.")) &&
                     !erros.contains(QStringLiteral("Write Error")) && !erros.contains(QStringLiteral("libpng")),
                 qPrintable(erros));
        QVERIFY(QFile::remove(alvo));
        QCOMPARE(QDir(m_disco->pasta()).entryList(QDir::Files | QDir::Hidden), QStringList()); // no temporary file left
    }

    // Under `ulimit -f` with SIGXFSZ at its default, which kills a program that lets it: the
    // program ignores it, so the write fails with its message and the old file stays.
    void limiteDoShell() {
        QTemporaryDir d;
        const QString alvo = d.filePath(QStringLiteral("resumo.txt"));
        const QByteArray antigo(4096, 'a');
        QVERIFY(DiscoCheio::escreve(alvo, antigo));
        QProcess p;
        p.setChildProcessModifier([] { DiscoCheio::limitaTamanho(64, false); });
        p.start(kCli, kMaria + QStringList{"--resumo", alvo});
        QVERIFY(p.waitForFinished(120000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit); // not killed by SIGXFSZ
        QCOMPARE(p.exitCode(), 1);
        QVERIFY(QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("excede o tamanho máximo")));
        QCOMPARE(DiscoCheio::conteudo(alvo), antigo);
    }

    // The helper stops inside its first write to the save's temporary file; SIGKILL lands
    // there, with half the new content on the disk. Every save goes through the same writer, of
    // bytes (as the chart) or by a function (as the image).
    void mortoAMeio_data() {
        QTest::addColumn<QString>("modo"); QTest::addColumn<QString>("nome");
        QTest::newRow("mapa") << "mapa" << "mapa.anc";
        QTest::newRow("imagem PNG") << "imagem" << "roda.png";
    }
    void mortoAMeio() {
        QFETCH(QString, modo); QFETCH(QString, nome);
        QTemporaryDir d;
        const QString alvo = d.filePath(nome);
        const QByteArray antigo = "conteúdo anterior de " + nome.toUtf8() + "\r\n" + QByteArray(4000, 'x');
        QVERIFY(DiscoCheio::escreve(alvo, antigo));
        QProcess p;
        p.start(kGravador, {modo, alvo, "--para-a-meio"});
        QByteArray saida;
        while (!saida.contains("a meio") && p.waitForReadyRead(60000))
            saida += p.readAllStandardOutput();
        QVERIFY2(saida.contains("a meio"), p.readAllStandardError().constData());
        QCOMPARE(DiscoCheio::conteudo(alvo), antigo); // nothing replaced yet
        ::kill(static_cast<pid_t>(p.processId()), SIGKILL);
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitStatus(), QProcess::CrashExit);
        QCOMPARE(DiscoCheio::conteudo(alvo), antigo);
        // And the same helper, left alone, does replace it: the stop above was mid-save.
        QProcess inteiro;
        inteiro.start(kGravador, {modo, alvo});
        QVERIFY(inteiro.waitForFinished(60000));
        QCOMPARE(inteiro.exitCode(), 0);
        QVERIFY(DiscoCheio::conteudo(alvo) != antigo && DiscoCheio::conteudo(alvo).size() > 100);
    }
};

QTEST_GUILESS_MAIN(TestGravacao)
#include "test_gravacao.moc"
