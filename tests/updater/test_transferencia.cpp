// Transfers against a real HTTP server on loopback: the content arrives whole and exact, or
// the transfer fails; a size limit stops a server that sends more than it may, and a
// connection closed early is caught even without an announced length.
#include "servidorteste.h"
#include "transferencia.h"

#include <QNetworkProxy>
#include <QtTest>

namespace {
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

    void recebe_data() {
        QTest::addColumn<int>("modo");
        QTest::addColumn<QByteArray>("corpo");
        QTest::addColumn<qint64>("maximo"); // -1: the body's size
        QTest::addColumn<bool>("exacto");
        QTest::addColumn<bool>("certo");
        using M = ServidorTeste::Modo;
        const QByteArray b = binario();
        QTest::newRow("conteúdo binário completo") << int(M::Corpo) << b << qint64(-1) << true << true;
        QTest::newRow("um só byte") << int(M::Corpo) << QByteArray("x") << qint64(-1) << true << true;
        QTest::newRow("abaixo do máximo") << int(M::Corpo) << b << qint64(b.size() + 1) << false << true;
        QTest::newRow("menos do que o exacto") << int(M::Corpo) << b << qint64(b.size() + 1) << true << false;
        QTest::newRow("acima do máximo") << int(M::Corpo) << b << qint64(b.size() - 1) << false << false;
        QTest::newRow("redireccionado") << int(M::Redirecciona) << QByteArray("/destino") << qint64(b.size()) << true
                                        << true;
        QTest::newRow("corpo vazio") << int(M::Vazio) << QByteArray() << qint64(10) << false << false;
        QTest::newRow("404") << int(M::NaoEncontrado) << QByteArray() << qint64(100) << false << false;
        QTest::newRow("fecha a meio") << int(M::FechaAMeio) << b << qint64(-1) << false << false;
        QTest::newRow("fecha a meio sem tamanho") << int(M::SemTamanhoAMeio) << b << qint64(-1) << true << false;
        QTest::newRow("parado") << int(M::Parado) << b << qint64(-1) << true << false;
        QTest::newRow("sem resposta") << int(M::Mudo) << QByteArray() << qint64(10) << true << false;
    }
    void recebe() {
        QFETCH(int, modo);
        QFETCH(QByteArray, corpo);
        QFETCH(qint64, maximo);
        QFETCH(bool, exacto);
        QFETCH(bool, certo);
        const auto m = static_cast<ServidorTeste::Modo>(modo);
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
        QByteArray chegou;
        const bool r = t.Recebe(QUrl(servidor.Base() + QStringLiteral("/f")), maximo < 0 ? corpo.size() : maximo,
                                exacto, [&](QByteArrayView bloco) {
                                    chegou.append(bloco);
                                    return true;
                                });
        QVERIFY2(r == certo, qPrintable(t.UltimoErro()));
        QCOMPARE(t.UltimoErro().isEmpty(), certo);
        if (certo) QCOMPARE(chegou, esperado);
        if (m == ServidorTeste::Modo::Parado || m == ServidorTeste::Modo::Mudo)
            QVERIFY2(relogio.elapsed() < 10000, "a stalled transfer must end after its time-out");
    }

    // A block the caller cannot keep ends the transfer as a local failure.
    void falhaLocal() {
        servidor.Limpa();
        servidor.Serve(QStringLiteral("/f"), binario());
        Transferencia t;
        int blocos = 0;
        QVERIFY(!t.Recebe(QUrl(servidor.Base() + QStringLiteral("/f")), binario().size(), true,
                          [&](QByteArrayView) { return ++blocos < 1; }));
        QVERIFY(t.FalhaLocal());
        QCOMPARE(blocos, 1);
    }

    // A server that is not there at all.
    void servidorAusente() {
        QTcpServer livre;
        QVERIFY(livre.listen(QHostAddress::LocalHost, 0));
        const quint16 porta = livre.serverPort();
        livre.close();
        Transferencia t;
        QByteArray c;
        QVERIFY(!t.Obtem(QUrl(QStringLiteral("http://127.0.0.1:%1/a").arg(porta)), 100, &c));
        QVERIFY(!t.FalhaLocal());
    }
};

QTEST_GUILESS_MAIN(TestTransferencia)
#include "test_transferencia.moc"
