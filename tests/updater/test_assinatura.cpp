// Signature checks against signatures made by minisign itself, with key pairs made at test time.
#include "ambienterun.h"
#include "assinatura.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestAssinatura : public QObject {
    Q_OBJECT
    QTemporaryDir pasta;

    QString caminho(const QString& nome) const { return pasta.filePath(nome); }
    bool minisign(const QStringList& argumentos) {
        QProcess p;
        p.start(QStringLiteral("minisign"), argumentos);
        return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }
    // Signs `texto` with key `nome` ("a" or "b"); `legado` makes the older "Ed" signature.
    QByteArray assina(const QByteArray& texto, const QString& nome, bool legado) {
        const QString f = caminho(QStringLiteral("msg.txt"));
        if (!escreve(f, texto)) return {};
        QStringList args{QStringLiteral("-S"), QStringLiteral("-s"), caminho(nome + QStringLiteral(".key")),
                         QStringLiteral("-m"), f};
        if (legado) args << QStringLiteral("-l");
        return minisign(args) ? le(f + QStringLiteral(".minisig")) : QByteArray();
    }

private slots:
    void initTestCase() {
        for (const QString& n : {QStringLiteral("a"), QStringLiteral("b")})
            QVERIFY(minisign({QStringLiteral("-G"), QStringLiteral("-W"), QStringLiteral("-p"),
                              caminho(n + QStringLiteral(".pub")), QStringLiteral("-s"),
                              caminho(n + QStringLiteral(".key"))}));
    }

    void verifica_data() {
        QTest::addColumn<QString>("chaveAssina");
        QTest::addColumn<bool>("legado");
        QTest::addColumn<int>("estrago");
        QTest::addColumn<QString>("motivo"); // empty: valid
        const QString difere = QStringLiteral("não corresponde");
        QTest::newRow("resumo BLAKE2b (ED)") << "a" << false << 0 << "";
        QTest::newRow("mensagem inteira (Ed)") << "a" << true << 0 << "";
        QTest::newRow("um byte alterado (ED)") << "a" << false << 1 << difere;
        QTest::newRow("um byte alterado (Ed)") << "a" << true << 1 << difere;
        QTest::newRow("byte acrescentado") << "a" << false << 2 << difere;
        QTest::newRow("comentário de confiança alterado") << "a" << false << 3 << "comentário de confiança";
        QTest::newRow("outra chave") << "b" << false << 0 << "outra chave";
        QTest::newRow("assinatura cortada") << "a" << false << 4 << "formato";
        QTest::newRow("página de erro") << "a" << false << 5 << "formato";
    }
    void verifica() {
        QFETCH(QString, chaveAssina);
        QFETCH(bool, legado);
        QFETCH(int, estrago);
        QFETCH(QString, motivo);
        QByteArray texto("[natalis]\r\nonline=1\r\n[integridade]\r\n");
        QByteArray assinatura = assina(texto, chaveAssina, legado);
        QVERIFY(!assinatura.isEmpty());
        switch (estrago) {
        case 1:
            texto[12] = 'X';
            break;
        case 2:
            texto += ' ';
            break;
        case 3:
            assinatura.replace("trusted comment: ", "trusted comment: x");
            break;
        case 4:
            assinatura = assinatura.left(assinatura.indexOf("trusted comment"));
            break;
        case 5:
            assinatura = "<html>404</html>";
            break;
        }
        const ChavePublica chave = LeChavePublica(le(caminho(QStringLiteral("a.pub"))));
        QVERIFY(chave.Valida());
        QString porque;
        QCOMPARE(VerificaAssinatura(texto, assinatura, chave, &porque), motivo.isEmpty());
        QVERIFY2(porque.contains(motivo), qPrintable(porque));
    }

    // The built-in key is the one in the repository, and it does not accept the tests' signatures.
    void chaveDoPrograma() {
        const ChavePublica embutida = ChaveDoNatalis();
        QVERIFY(embutida.Valida());
        const ChavePublica publicada = LeChavePublica(le(QStringLiteral(NATALIS_SOURCE_DIR "/updater/natalis.pub")));
        QCOMPARE(embutida.chave, publicada.chave);
        QCOMPARE(embutida.id, publicada.id);
        const QByteArray texto("[natalis]\r\n");
        QVERIFY(!VerificaAssinatura(texto, assina(texto, QStringLiteral("a"), false), embutida, nullptr));
    }

    void chavesIlegiveis_data() {
        QTest::addColumn<QByteArray>("texto");
        QTest::newRow("vazia") << QByteArray();
        QTest::newRow("curta") << QByteArray("untrusted comment: x\nRWQAAA==\n");
        QTest::newRow("não base64") << QByteArray("RW**********************************************");
    }
    void chavesIlegiveis() {
        QFETCH(QByteArray, texto);
        QVERIFY(!LeChavePublica(texto).Valida());
    }
};

QTEST_GUILESS_MAIN(TestAssinatura)
#include "test_assinatura.moc"
