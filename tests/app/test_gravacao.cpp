// Saving never loses the file already there: on a full disk (a small tmpfs filled to the last
// byte, or a file-size limit where mounting is refused) every save over an existing file keeps
// its old bytes, says why in Portuguese and reports failure; a process killed in the middle
// of a save leaves the old file whole.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {
const QString kCli = QStringLiteral(NATALIS_PROGRAM_DIR "/natalis-cli");
const QString kGravador = QStringLiteral(GRAVADOR);

const QStringList kMaria = {"--nome", "Maria", "--sexo", "F", "--data", "25/4/1974", "--hora", "0:20",
                            "--fuso", "1", "--local", "Lisboa", "--latitude", "38º43' N", "--longitude", "9º8' W",
                            "--silencioso"};

QByteArray conteudo(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<não existe>");
}

bool escreveAntigo(const QString& caminho, const QByteArray& bytes) {
    QFile f(caminho);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush();
}

// Writes until the file system refuses with ENOSPC; false if it never does.
bool enche(const QString& caminho) {
    const int fd = ::open(QFile::encodeName(caminho).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    static const char bloco[4096] = {};
    ssize_t n;
    do
        n = ::write(fd, bloco, sizeof bloco);
    while (n > 0);
    const int e = errno;
    // The last partial page, byte by byte.
    while (::write(fd, bloco, 1) == 1) {
    }
    ::close(fd);
    return n < 0 && e == ENOSPC;
}
} // namespace

class TestGravacao : public QObject {
    Q_OBJECT

    QTemporaryDir m_base;
    QString m_disco;         // where the saves go
    bool m_montado = false;  // a tmpfs filled before each save; otherwise a file-size limit
    QString m_porque;        // why neither works, for QSKIP

    // Starts a program whose saves fail for lack of room: on the filled tmpfs, or under a
    // 64-byte file-size limit (with SIGXFSZ ignored, the write fails with EFBIG instead of
    // killing the process).
    void preparaProcesso(QProcess& p) const {
        if (m_montado)
            return;
        p.setChildProcessModifier([] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limite{64, 64};
            setrlimit(RLIMIT_FSIZE, &limite);
        });
    }

private slots:
    void initTestCase() {
        QVERIFY(QFileInfo::exists(kCli));
        QVERIFY(QFileInfo::exists(kGravador));
        m_disco = m_base.filePath(QStringLiteral("disco"));
        QVERIFY(QDir().mkpath(m_disco));
        if (::mount("tmpfs", QFile::encodeName(m_disco).constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=256k") == 0) {
            m_montado = true;
            qInfo("disco cheio: tmpfs de 256 KiB");
            return;
        }
        m_porque = QStringLiteral("mount tmpfs recusado (%1)").arg(QString::fromLocal8Bit(std::strerror(errno)));
        // The fallback works only if the limit really applies to the children.
        QProcess prova;
        preparaProcesso(prova);
        prova.start(QStringLiteral("/bin/sh"), {"-c", "head -c 1000 /dev/zero > \"$0\"", m_disco + "/prova"});
        prova.waitForFinished();
        if (QFileInfo(m_disco + "/prova").size() >= 1000)
            m_porque += QStringLiteral("; o limite RLIMIT_FSIZE também não se aplica");
        else
            m_porque.clear();
        if (m_porque.isEmpty())
            qInfo("disco cheio: mount recusado, limite RLIMIT_FSIZE de 64 bytes");
        QFile::remove(m_disco + "/prova");
    }

    void cleanupTestCase() {
        if (m_montado)
            ::umount2(QFile::encodeName(m_disco).constData(), MNT_DETACH);
    }

    // Each row: the program, its arguments (%1 = the target), the target's name.
    void discoCheio_data() {
        QTest::addColumn<QString>("programa");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("nome");
        QTest::newRow("mapa (natalis-cli --guardar)") << kCli << (QStringList(kMaria) << "--guardar" << "%1") << "mapa.anc";
        QTest::newRow("resumo (natalis-cli --resumo)") << kCli << (QStringList(kMaria) << "--resumo" << "%1") << "resumo.txt";
        QTest::newRow("roda PNG (natalis-cli --roda)") << kCli << (QStringList(kMaria) << "--roda" << "%1") << "roda.png";
        QTest::newRow("roda SVG (natalis-cli --roda)") << kCli << (QStringList(kMaria) << "--roda" << "%1") << "roda.svg";
        QTest::newRow("lote CSV (natalis-cli --saida)") << kCli << QStringList{"--lote", "%2", "--saida", "%1"} << "mapas.csv";
        QTest::newRow("relatorio RTF (natalis-cli --relatorio)") << kCli << (QStringList(kMaria) << "--relatorio" << "%1")
                                                                 << "relatorio.rtf";
        QTest::newRow("orbes") << kGravador << QStringList{"orbes", "%1"} << "Meu.orb";
        QTest::newRow("interpretacao RTF da janela de leitura") << kGravador << QStringList{"rtf", "%1"} << "leitura.rtf";
        QTest::newRow("imagem BMP") << kGravador << QStringList{"imagem", "%1"} << "roda.bmp";
    }
    void discoCheio() {
        QFETCH(QString, programa);
        QFETCH(QStringList, args);
        QFETCH(QString, nome);
        if (!m_porque.isEmpty())
            QSKIP(qPrintable(m_porque));
        const QString alvo = m_disco + QLatin1Char('/') + nome;
        const QString entrada = m_disco + QStringLiteral("/entrada.csv");
        const QString enchimento = m_disco + QStringLiteral("/enchimento");
        const QByteArray antigo = "conteúdo anterior de " + nome.toUtf8() + "\r\n" + QByteArray(500, 'x');
        QVERIFY(escreveAntigo(alvo, antigo));
        QVERIFY(escreveAntigo(entrada, "Ana,F,13/6/1988,14:30,1,Porto,41º9' N,8º37' W\n"));
        if (m_montado)
            QVERIFY2(enche(enchimento), "o tmpfs não ficou cheio");
        args.replaceInStrings(QStringLiteral("%1"), alvo).replaceInStrings(QStringLiteral("%2"), entrada);

        QProcess p;
        preparaProcesso(p);
        p.start(programa, args);
        QVERIFY(p.waitForFinished(120000));
        const QString erros = QString::fromUtf8(p.readAllStandardError());
        QFile::remove(enchimento);
        QFile::remove(entrada);

        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 1);
        QCOMPARE(conteudo(alvo), antigo);
        const QString motivo = m_montado ? QStringLiteral("Sem espaço no disco para gravar «%1».").arg(nome)
                                         : QStringLiteral("«%1» excede o tamanho máximo").arg(nome);
        QVERIFY2(erros.contains(motivo), qPrintable(erros));
        QVERIFY2(erros.contains(QStringLiteral("O ficheiro anterior ficou intacto.")), qPrintable(erros));
        QVERIFY(QFile::remove(alvo));
        QCOMPARE(QDir(m_disco).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // The helper stops inside its first write to the save's temporary file; SIGKILL lands
    // there, with half the new content on the disk.
    void mortoAMeio_data() {
        QTest::addColumn<QString>("modo");
        QTest::addColumn<QString>("nome");
        QTest::newRow("mapa") << "mapa" << "mapa.anc";
        QTest::newRow("resumo") << "resumo" << "resumo.txt";
        QTest::newRow("orbes") << "orbes" << "Meu.orb";
        QTest::newRow("interpretacao RTF") << "rtf" << "leitura.rtf";
        QTest::newRow("imagem PNG") << "imagem" << "roda.png";
    }
    void mortoAMeio() {
        QFETCH(QString, modo);
        QFETCH(QString, nome);
        QTemporaryDir d;
        const QString alvo = d.filePath(nome);
        const QByteArray antigo = "conteúdo anterior de " + nome.toUtf8() + "\r\n" + QByteArray(4000, 'x');
        QVERIFY(escreveAntigo(alvo, antigo));

        QProcess p;
        p.start(kGravador, {modo, alvo, "--para-a-meio"});
        QVERIFY(p.waitForStarted());
        QByteArray saida;
        while (!saida.contains("a meio") && p.state() == QProcess::Running && p.waitForReadyRead(60000))
            saida += p.readAllStandardOutput();
        QVERIFY2(saida.contains("a meio"), p.readAllStandardError().constData());
        QCOMPARE(conteudo(alvo), antigo); // nothing replaced yet
        ::kill(static_cast<pid_t>(p.processId()), SIGKILL);
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitStatus(), QProcess::CrashExit);

        QCOMPARE(conteudo(alvo), antigo);
        // And the same helper, left alone, does replace it: the stop above was mid-save.
        QProcess inteiro;
        inteiro.start(kGravador, {modo, alvo});
        QVERIFY(inteiro.waitForFinished(60000));
        QCOMPARE(inteiro.exitCode(), 0);
        QVERIFY(conteudo(alvo) != antigo);
        QVERIFY(conteudo(alvo).size() > 100);
    }
};

QTEST_GUILESS_MAIN(TestGravacao)
#include "test_gravacao.moc"
