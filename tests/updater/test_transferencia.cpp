// Transfers against a real HTTP server on loopback: the content arrives whole and exact, or
// the transfer fails; a size limit stops a server that sends more than it may, and a
// connection closed early is caught even without an announced length.
#include "ambienterun.h"
#include "transferencia.h"

#include <QNetworkProxy>
#include <QtTest>

using M = ServidorTeste::Modo;
Q_DECLARE_METATYPE(M)

// Binary content with bytes a text-mode transfer would damage.
static QByteArray binario() {
    QByteArray b;
    for (int i = 0; i < 70000; ++i)
        b.append(static_cast<char>((i * 7) % 256));
    return b + QByteArray("\r\n\0\r", 4);
}

class TestTransferencia : public QObject {
    Q_OBJECT
    ServidorTeste servidor;

private slots:
    void initTestCase() {
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
        QVERIFY(servidor.Inicia());
    }

    void recebe_data() {
        QTest::addColumn<M>("modo");
        QTest::addColumn<QByteArray>("corpo");
        QTest::addColumn<qint64>("maximo"); // -1: the body's size
        QTest::addColumn<bool>("exacto");
        QTest::addColumn<bool>("certo");
        const QByteArray b = binario();
        QTest::newRow("conteúdo binário completo") << M::Corpo << b << qint64(-1) << true << true;
        QTest::newRow("um só byte") << M::Corpo << QByteArray("x") << qint64(-1) << true << true;
        QTest::newRow("abaixo do máximo") << M::Corpo << b << qint64(b.size() + 1) << false << true;
        QTest::newRow("menos do que o exacto") << M::Corpo << b << qint64(b.size() + 1) << true << false;
        QTest::newRow("acima do máximo") << M::Corpo << b << qint64(b.size() - 1) << false << false;
        QTest::newRow("redireccionado") << M::Redirecciona << QByteArray("/destino") << qint64(b.size()) << true << true;
        QTest::newRow("corpo vazio") << M::Vazio << QByteArray() << qint64(10) << false << false;
        QTest::newRow("404") << M::NaoEncontrado << QByteArray() << qint64(100) << false << false;
        QTest::newRow("fecha a meio") << M::FechaAMeio << b << qint64(-1) << false << false;
        QTest::newRow("fecha a meio sem tamanho") << M::SemTamanhoAMeio << b << qint64(-1) << true << false;
        QTest::newRow("parado") << M::Parado << b << qint64(-1) << true << false;
        QTest::newRow("sem resposta") << M::Mudo << QByteArray() << qint64(10) << true << false;
    }
    void recebe() {
        QFETCH(M, modo);
        QFETCH(QByteArray, corpo);
        QFETCH(qint64, maximo);
        QFETCH(bool, exacto);
        QFETCH(bool, certo);
        servidor.Limpa();
        servidor.Define(QStringLiteral("/f"), modo, corpo);
        servidor.Serve(QStringLiteral("/destino"), binario());
        Transferencia t;
        t.DefineTempoLimite(400);
        QElapsedTimer relogio;
        relogio.start();
        QByteArray chegou;
        const bool r = t.Recebe(QUrl(servidor.Base() + QStringLiteral("/f")), maximo < 0 ? corpo.size() : maximo,
                                exacto, [&](QByteArrayView bloco) { return chegou.append(bloco), true; });
        QVERIFY2(r == certo, qPrintable(t.UltimoErro()));
        QCOMPARE(t.UltimoErro().isEmpty(), certo);
        if (certo) QCOMPARE(chegou, modo == M::Redirecciona ? binario() : corpo);
        QVERIFY2(relogio.elapsed() < 10000, "a stalled transfer must end after its time-out");
    }

    // A block the caller cannot keep ends the transfer as a local failure; a server that is
    // not there at all is not one.
    void falhaLocal() {
        servidor.Limpa();
        servidor.Serve(QStringLiteral("/f"), binario());
        Transferencia t;
        int blocos = 0;
        QVERIFY(!t.Recebe(QUrl(servidor.Base() + QStringLiteral("/f")), binario().size(), true,
                          [&](QByteArrayView) { return ++blocos < 1; }));
        QVERIFY(t.FalhaLocal());
        QCOMPARE(blocos, 1);

        QTcpServer livre;
        QVERIFY(livre.listen(QHostAddress::LocalHost, 0));
        const quint16 porta = livre.serverPort();
        livre.close();
        Transferencia u;
        QByteArray c;
        QVERIFY(!u.Obtem(QUrl(QStringLiteral("http://127.0.0.1:%1/a").arg(porta)), 100, &c));
        QVERIFY(!u.FalhaLocal());
    }
};

QTEST_GUILESS_MAIN(TestTransferencia)
#include "test_transferencia.moc"
