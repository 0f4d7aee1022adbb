// Signature checks against signatures made by minisign itself, with key pairs made at test time.
#include "ambienterun.h"

#include <QProcess>
#include <QtTest>

class TestAssinatura : public QObject {
    Q_OBJECT
    QTemporaryDir pasta;

    bool minisign(const QStringList& argumentos) {
        QProcess p;
        p.start(QStringLiteral("minisign"), argumentos);
        return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }
    // Signs `texto` with key `nome` ("a" or "b"); `legado` makes the older "Ed" signature.
    QByteArray assina(const QByteArray& texto, const QString& nome, bool legado) {
        const QString f = pasta.filePath(QStringLiteral("msg.txt"));
        QStringList args{"-S", "-s", pasta.filePath(nome + ".key"), "-m", f};
        if (legado) args << QStringLiteral("-l");
        return escreve(f, texto) && minisign(args) ? le(f + QStringLiteral(".minisig")) : QByteArray();
    }

private slots:
    void initTestCase() {
        for (const QString n : {"a", "b"})
            QVERIFY(minisign({"-G", "-W", "-p", pasta.filePath(n + ".pub"), "-s", pasta.filePath(n + ".key")}));
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
        case 1: texto[12] = 'X'; break;
        case 2: texto += ' '; break;
        case 3: assinatura.replace("trusted comment: ", "trusted comment: x"); break;
        case 4: assinatura = assinatura.left(assinatura.indexOf("trusted comment")); break;
        case 5: assinatura = "<html>404</html>"; break;
        }
        const ChavePublica chave = LeChavePublica(le(pasta.filePath(QStringLiteral("a.pub"))));
        QVERIFY(chave.Valida());
        QString porque;
        QCOMPARE(VerificaAssinatura(texto, assinatura, chave, &porque), motivo.isEmpty());
        QVERIFY2(porque.contains(motivo), qPrintable(porque));
    }

    // The built-in key is the one in the repository, and it does not accept the tests' signatures;
    // unreadable keys are not valid.
    void chaves() {
        const ChavePublica embutida = ChaveDoNatalis();
        const ChavePublica publicada = LeChavePublica(le(QStringLiteral(NATALIS_SOURCE_DIR "/updater/natalis.pub")));
        QVERIFY(embutida.Valida());
        QCOMPARE(embutida.chave, publicada.chave);
        QCOMPARE(embutida.id, publicada.id);
        const QByteArray texto("[natalis]\r\n");
        QVERIFY(!VerificaAssinatura(texto, assina(texto, QStringLiteral("a"), false), embutida, nullptr));
        for (const QByteArray& ilegivel : {QByteArray(), QByteArray("untrusted comment: x\nRWQAAA==\n"),
                                           QByteArray("RW**********************************************")})
            QVERIFY2(!LeChavePublica(ilegivel).Valida(), ilegivel.constData());
    }
};

QTEST_GUILESS_MAIN(TestAssinatura)
#include "test_assinatura.moc"
