// Download against a real HTTP server on loopback: the local file is replaced only by a
// complete, non-empty content; every failure leaves the previous file exactly as it was
// and no temporary file behind.
#include "servidorteste.h"
#include "transferencia.h"

#include <QDir>
#include <QFile>
#include <QNetworkProxy>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QByteArray le(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<ausente>");
}
void escreve(const QString& caminho, const QByteArray& dados) {
    QFile f(caminho);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(dados);
}
// Binary content with bytes a text-mode transfer would damage.
QByteArray binario() {
    QByteArray b;
    for (int i = 0; i < 70000; ++i)
        b.append(static_cast<char>((i * 7) % 256));
    return b + QByteArray("\r\n\0\r", 4);
}
} // namespace

class TestTransferencia : public QObject {
    Q_OBJECT
    ServidorTeste servidor;

private slots:
    void initTestCase() {
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
        QVERIFY(servidor.Inicia());
    }
    void cleanupTestCase() { servidor.Para(); }

    void download_data() {
        QTest::addColumn<int>("modo");
        QTest::addColumn<QByteArray>("corpo");
        QTest::addColumn<bool>("certo");
        using M = ServidorTeste::Modo;
        QTest::newRow("conteúdo binário completo") << int(M::Corpo) << binario() << true;
        QTest::newRow("um só byte") << int(M::Corpo) << QByteArray("x") << true;
        QTest::newRow("redireccionado") << int(M::Redirecciona) << QByteArray("/destino") << true;
        QTest::newRow("corpo vazio") << int(M::Vazio) << QByteArray() << false;
        QTest::newRow("404") << int(M::NaoEncontrado) << QByteArray() << false;
        QTest::newRow("fecha a meio") << int(M::FechaAMeio) << binario() << false;
        QTest::newRow("parado") << int(M::Parado) << binario() << false;
        QTest::newRow("sem resposta") << int(M::Mudo) << QByteArray() << false;
    }
    void download() {
        QFETCH(int, modo);
        QFETCH(QByteArray, corpo);
        QFETCH(bool, certo);
        const auto m = static_cast<ServidorTeste::Modo>(modo);
        QTemporaryDir pasta;
        QVERIFY(pasta.isValid());
        const QString alvo = pasta.filePath(QStringLiteral("Natalis.exe"));
        const QByteArray antigo("ficheiro anterior");
        escreve(alvo, antigo);

        servidor.Limpa();
        QByteArray esperado = corpo;
        if (m == ServidorTeste::Modo::Redirecciona) {
            esperado = binario();
            servidor.Serve(QStringLiteral("/destino"), esperado);
        }
        servidor.Define(QStringLiteral("/f"), m, corpo);

        Transferencia t;
        t.DefineTempoLimite(400);
        QElapsedTimer relogio;
        relogio.start();
        const bool r = t.Download(alvo, QUrl(servidor.Base() + QStringLiteral("/f")));
        QCOMPARE(r, certo);
        QCOMPARE(le(alvo), certo ? esperado : antigo);
        // Nothing beside the target: no temporary file survives.
        QCOMPARE(QDir(pasta.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("Natalis.exe")});
        if (m == ServidorTeste::Modo::Parado || m == ServidorTeste::Modo::Mudo)
            QVERIFY2(relogio.elapsed() < 10000, "a stalled transfer must end after its time-out");
    }

    // A target whose folder is missing, and a first download where no old file exists.
    void semFicheiroAnterior() {
        servidor.Limpa();
        servidor.Define(QStringLiteral("/vazio"), ServidorTeste::Modo::Vazio);
        servidor.Serve(QStringLiteral("/bom"), "abc");
        QTemporaryDir pasta;
        Transferencia t;
        QVERIFY(!t.Download(pasta.filePath(QStringLiteral("falta/x.txt")),
                            QUrl(servidor.Base() + QStringLiteral("/bom"))));
        QVERIFY(t.FalhaLocal());
        QVERIFY(!QFile::exists(pasta.filePath(QStringLiteral("falta"))));
        QVERIFY(!t.Download(pasta.filePath(QStringLiteral("y.txt")),
                            QUrl(servidor.Base() + QStringLiteral("/vazio"))));
        QVERIFY(!QFile::exists(pasta.filePath(QStringLiteral("y.txt"))));
        QVERIFY(!t.FalhaLocal());
        QVERIFY(t.Download(pasta.filePath(QStringLiteral("z.txt")),
                           QUrl(servidor.Base() + QStringLiteral("/bom"))));
        QCOMPARE(le(pasta.filePath(QStringLiteral("z.txt"))), QByteArray("abc"));
    }

    // A server that is not there at all.
    void servidorAusente() {
        QTcpServer livre;
        QVERIFY(livre.listen(QHostAddress::LocalHost, 0));
        const quint16 porta = livre.serverPort();
        livre.close();
        QTemporaryDir pasta;
        Transferencia t;
        QVERIFY(!t.Download(pasta.filePath(QStringLiteral("a")),
                            QUrl(QStringLiteral("http://127.0.0.1:%1/a").arg(porta))));
        QVERIFY(!QFile::exists(pasta.filePath(QStringLiteral("a"))));
    }
};

QTEST_GUILESS_MAIN(TestTransferencia)
#include "test_transferencia.moc"
