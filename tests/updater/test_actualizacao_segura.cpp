// Signed, all-or-nothing updates against a loopback server: every refused or failed update
// leaves the program folder byte-identical (and nothing outside it touched); a good signed
// update installs; large files stream to disk; a full disk keeps every installed file.
#include "actualizacao.h"
#include "ambienterun.h"
#include "opcoes.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {
const QByteArray ProgramaAntigo = "#!/bin/sh\necho antigo\n";
const QByteArray ProgramaNovo = "#!/bin/sh\necho novo!!\n"; // same length as the old one

// One program update (Natalis) and one additional file (orbs/Default.orb), due and installed
// without a question.
QByteArray descricaoDeDois() {
    return publicada("[natalis]\nonline=1\nlastdate=1/2/2003\npriority=2\nfilescount=1\nfilename1=Natalis\n"
                     "[otherfiles]\nfilescount=1\nfilename1=Default.orb\nfilelocation1=orbs\n");
}

// The peak resident memory of this process, in bytes, since the last Reinicia().
struct PicoMemoria {
    static void Reinicia() {
        QFile f(QStringLiteral("/proc/self/clear_refs"));
        if (f.open(QIODevice::WriteOnly)) f.write("5");
    }
    static qint64 Le() {
        QFile f(QStringLiteral("/proc/self/status"));
        if (f.open(QIODevice::ReadOnly))
            for (const QByteArray& l : f.readAll().split('\n'))
                if (l.startsWith("VmHWM:")) return l.mid(6).trimmed().split(' ').first().toLongLong() * 1024;
        rusage r{};
        getrusage(RUSAGE_SELF, &r);
        return qint64(r.ru_maxrss) * 1024;
    }
};

bool corre(const QString& programa, const QStringList& argumentos) {
    QProcess p;
    p.start(programa, argumentos);
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}
} // namespace

class TestActualizacaoSegura : public QObject {
    Q_OBJECT
    AmbienteRun amb;

    // The installation the updates try to change, and a file outside the program folder.
    void instala() {
        QVERIFY(escreve(amb.programa(QStringLiteral("orbs/Default.orb")), "orbes antigas"));
        QVERIFY(escreve(amb.programa(QStringLiteral("Natalis")), ProgramaAntigo));
        QVERIFY(QFile::setPermissions(amb.programa(QStringLiteral("Natalis")),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                                          QFile::ExeOther));
        QVERIFY(escreve(amb.pasta.filePath(QStringLiteral("fora.txt")), "de fora"));
    }

private slots:
    void initTestCase() { QVERIFY(amb.Inicia()); }
    void cleanupTestCase() { amb.Termina(); }
    void init() {
        QVERIFY(amb.Prepara());
        instala();
    }

    void recusadaSemAlterar_data() {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QString>("motivo"); // part of an error line
        QTest::newRow("sem assinatura") << "sem assinatura" << "update.txt.minisig";
        QTest::newRow("descrição alterada depois de assinada") << "alterada" << "não corresponde";
        QTest::newRow("assinada pela chave dos testes, não pela do programa") << "chave do programa" << "outra chave";
        QTest::newRow("ficheiro adulterado") << "adulterado" << "não corresponde ao que foi assinado";
        QTest::newRow("ficheiro maior do que o assinado") << "maior" << "mais do que";
        QTest::newRow("transferência cortada sem tamanho") << "cortada" << "conteúdo incompleto";
        QTest::newRow("segundo ficheiro falha") << "404" << "Natalis não foi obtido: resposta 404";
        QTest::newRow("ficheiro que é ligação para fora") << "ligação" << "ligação simbólica";
        QTest::newRow("pasta que é ligação para fora") << "pasta ligação" << "fora da pasta do programa";
    }
    void recusadaSemAlterar() {
        QFETCH(QString, caso);
        QFETCH(QString, motivo);
        QVERIFY(amb.publica(descricaoDeDois(), {{"Natalis", ProgramaNovo}, {"Default.orb", "orbes novas"}}));
        Actualizador a;
        a.DefineChave(amb.chave);
        const QString natalis = QStringLiteral("/upd/Natalis");
        if (caso == "sem assinatura")
            amb.servidor.Define(QStringLiteral("/upd/update.txt.minisig"), ServidorTeste::Modo::NaoEncontrado);
        else if (caso == "chave do programa")
            a.DefineChave(ChaveDoNatalis());
        else if (caso == "adulterado")
            amb.servidor.Serve(natalis, QByteArray(ProgramaNovo).replace("novo!!", "MAU!!!"));
        else if (caso == "maior")
            amb.servidor.Serve(natalis, ProgramaNovo + "rm -rf ~\n");
        else if (caso == "cortada")
            amb.servidor.Define(natalis, ServidorTeste::Modo::SemTamanhoAMeio, ProgramaNovo);
        else if (caso == "404")
            amb.servidor.Define(natalis, ServidorTeste::Modo::NaoEncontrado);
        else if (caso == "ligação") {
            QVERIFY(QFile::remove(amb.programa(QStringLiteral("orbs/Default.orb"))));
            QVERIFY(QFile::link(amb.pasta.filePath(QStringLiteral("fora.txt")),
                                amb.programa(QStringLiteral("orbs/Default.orb"))));
        } else if (caso == "pasta ligação") {
            QVERIFY(QDir(amb.programa(QStringLiteral("orbs"))).removeRecursively());
            QVERIFY(QDir().mkpath(amb.pasta.filePath(QStringLiteral("orbs-fora"))));
            QVERIFY(QFile::link(amb.pasta.filePath(QStringLiteral("orbs-fora")), amb.programa(QStringLiteral("orbs"))));
        }
        if (caso == "alterada") {
            // The signed text with one value changed after signing.
            const QByteArray assinada = amb.servidor.Corpo(QStringLiteral("/upd/update.txt"));
            amb.servidor.Serve(QStringLiteral("/upd/update.txt"), QByteArray(assinada).replace("priority=2", "priority=3"));
        }
        const QByteArray antes = ImpressaoPasta(amb.pasta.path());
        a.Update();
        QCOMPARE(ImpressaoPasta(amb.pasta.path()), antes);
        QVERIFY2(a.Errlist.join(QLatin1Char('\n')).contains(motivo), qPrintable(a.Errlist.join(QLatin1Char('\n'))));
        QVERIFY(a.ErrlistVisivel);
        QCOMPARE(a.cor, CorEstado::Vermelho);
        QCOMPARE(GetOption(1000), QStringLiteral("False"));
    }

    // Both files arrive, are put in place together, the program keeps its run bit, the date is
    // recorded and no staging folder is left, not even one an earlier crash left behind.
    void boaActualizacaoInstala() {
        QVERIFY(amb.publica(descricaoDeDois(), {{"Natalis", ProgramaNovo}, {"Default.orb", "orbes novas"}}));
        QVERIFY(QDir().mkpath(amb.programa(QStringLiteral(".renovo-abc123"))));
        QVERIFY(escreve(amb.programa(QStringLiteral(".renovo-abc123/0.novo")), "restos"));
        const auto permissoes = QFile::permissions(amb.programa(QStringLiteral("Natalis")));
        Actualizador a;
        a.DefineChave(amb.chave);
        QCOMPARE(a.Update(), Actualizador::Concluida);
        QVERIFY2(a.Errlist.isEmpty(), qPrintable(a.Errlist.join(QLatin1Char('\n'))));
        QCOMPARE(a.msg, QStringLiteral("Actualização efectuada com êxito."));
        QCOMPARE(le(amb.programa(QStringLiteral("Natalis"))), ProgramaNovo);
        QCOMPARE(le(amb.programa(QStringLiteral("orbs/Default.orb"))), QByteArray("orbes novas"));
        QCOMPARE(QFile::permissions(amb.programa(QStringLiteral("Natalis"))), permissoes);
        QCOMPARE(GetOption(1000), QStringLiteral("1/2/2003"));
        QCOMPARE(QDir(amb.programa(QString())).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 (QStringList{QStringLiteral("Natalis"), QStringLiteral("orbs")}));
    }

    // An additional file replaces one of the program's executables only when signed as such.
    void executavelSoAssinadoComoTal() {
        QVERIFY(escreve(amb.programa(QStringLiteral("renovo")), "renovo antigo"));
        const QByteArray descricao = publicada("[natalis]\nonline=0\n[otherfiles]\nfilescount=1\nfilename1=renovo\n");
        QVERIFY(amb.publica(descricao, {{"renovo", "renovo novo"}}));
        Actualizador a;
        a.DefineChave(amb.chave);
        QCOMPARE(a.Update(), Actualizador::Invalida);
        QCOMPARE(le(amb.programa(QStringLiteral("renovo"))), QByteArray("renovo antigo"));
        QVERIFY(amb.publica(descricao, {{"renovo", "renovo novo"}}, {QStringLiteral("renovo")}));
        QCOMPARE(a.Update(), Actualizador::Concluida);
        QCOMPARE(le(amb.programa(QStringLiteral("renovo"))), QByteArray("renovo novo"));
    }

    void ficheiroGrande_data() {
        QTest::addColumn<qint64>("assinado");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("1 GiB que não corresponde ao resumo") << (qint64(1) << 30) << "não corresponde";
        QTest::newRow("1 GiB onde se assinou 1 MiB") << (qint64(1) << 20) << "mais do que";
    }
    // 1 GiB made up by the server as it goes: streamed to the staging folder, checked, refused,
    // and never held in memory.
    void ficheiroGrande() {
        QFETCH(qint64, assinado);
        QFETCH(QString, motivo);
        QVERIFY(amb.publicaTalQual("[natalis]\r\nonline=0\r\n[otherfiles]\r\nfilescount=1\r\nfilename1=grande.bin\r\n"
                                   "[integridade]\r\notherfiles1=" +
                                   QByteArray::number(assinado) + ' ' + QByteArray(64, '0') + "\r\n"));
        amb.servidor.Gera(QStringLiteral("/upd/grande.bin"), qint64(1) << 30);
        const QByteArray antes = ImpressaoPasta(amb.pasta.path());
        Actualizador a;
        a.DefineChave(amb.chave);
        PicoMemoria::Reinicia();
        QCOMPARE(a.Update(), Actualizador::Concluida);
        const qint64 pico = PicoMemoria::Le();
        QVERIFY2(pico < 100 * 1024 * 1024, qPrintable(QStringLiteral("pico de memória: %1 MB").arg(pico >> 20)));
        QVERIFY2(a.Errlist.join(QLatin1Char('\n')).contains(motivo), qPrintable(a.Errlist.join(QLatin1Char('\n'))));
        QCOMPARE(ImpressaoPasta(amb.pasta.path()), antes);
    }

    // A program folder on a file system too small for the update: the update fails saying so,
    // and every installed file keeps its bytes.
    void discoCheio() {
        QTemporaryDir base;
        const QString disco = base.filePath(QStringLiteral("disco"));
        QVERIFY(QDir().mkpath(disco));
        const bool montado = corre(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                                             QStringLiteral("-o"), QStringLiteral("size=256k"),
                                                             QStringLiteral("tmpfs"), disco});
        auto desmonta = qScopeGuard([&] {
            if (montado) corre(QStringLiteral("umount"), {disco});
        });
        const QString prog = disco + QStringLiteral("/prog");
        QVERIFY(QDir().mkpath(prog + QStringLiteral("/orbs")));
        DefinePastaPrograma(prog);
        const QByteArray ajuda(7990, 'h');
        QVERIFY(escreve(prog + QStringLiteral("/natalis.html"), ajuda));
        QVERIFY(escreve(prog + QStringLiteral("/orbs/Default.orb"), "orbes antigas"));
        QVERIFY(amb.publica(publicada("[natalis]\nonline=1\nlastdate=1/2/2003\npriority=2\nfilescount=1\n"
                                      "filename1=natalis.html\n[otherfiles]\nfilescount=1\nfilename1=Default.orb\n"
                                      "filelocation1=orbs\n"),
                            {{"natalis.html", QByteArray(300 * 1024, 'n')}, {"Default.orb", "orbes novas"}}));
        rlimit antigo{};
        getrlimit(RLIMIT_FSIZE, &antigo);
        auto repoe = qScopeGuard([&] { setrlimit(RLIMIT_FSIZE, &antigo); });
        if (montado) {
            // Whatever room is left goes to a filler, but for a few pages.
            QFile enchimento(disco + QStringLiteral("/enchimento"));
            QVERIFY(enchimento.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            const QByteArray bloco(4096, 'e');
            while (enchimento.write(bloco) == bloco.size()) {
            }
            enchimento.close();
            QVERIFY(enchimento.resize(qMax<qint64>(0, enchimento.size() - 4 * 4096)));
        } else {
            // No mount here: a file-size limit makes the large file fail the same way.
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit limite = antigo;
            limite.rlim_cur = 64 * 1024;
            if (setrlimit(RLIMIT_FSIZE, &limite) != 0) QSKIP("neither a tmpfs mount nor a file-size limit is possible");
        }
        const QByteArray antes = ImpressaoPasta(prog);
        Actualizador a;
        a.DefineChave(amb.chave);
        QCOMPARE(a.Update(), Actualizador::Concluida);
        repoe.dismiss();
        setrlimit(RLIMIT_FSIZE, &antigo);
        QCOMPARE(ImpressaoPasta(prog), antes);
        QCOMPARE(le(prog + QStringLiteral("/natalis.html")), ajuda);
        const QString erros = a.Errlist.join(QLatin1Char('\n'));
        QVERIFY2(erros.contains(montado ? QStringLiteral("Sem espaço no disco") : QStringLiteral("tamanho máximo")),
                 qPrintable(erros));
        QCOMPARE(GetOption(1000), QStringLiteral("False"));
        DefinePastaPrograma(amb.programa(QString()));
    }
};

QTEST_GUILESS_MAIN(TestActualizacaoSegura)
#include "test_actualizacao_segura.moc"
