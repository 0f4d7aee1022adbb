// Signed, all-or-nothing updates against a loopback server: every refused or failed update
// leaves the program folder byte-identical (and nothing outside it touched), whatever the server
// does; a good signed update installs exactly; large files stream to disk; a full disk keeps
// every installed file.
#include "../app/discocheio.h"
#include "actualizacao.h"
#include "ambienterun.h"
#include "opcoes.h"

#include <QtTest>

namespace {
const QByteArray ProgramaAntigo = "#!/bin/sh\necho antigo\n";
const QByteArray ProgramaNovo = "#!/bin/sh\necho novo!!\n"; // same length as the old one

// One program update (Natalis) and one additional file (orbs/Default.orb), due and installed
// without a question.
QByteArray descricaoDeDois(const char* programa = "Natalis") {
    return publicada("[natalis]\nonline=1\nlastdate=1/2/2003\npriority=2\nfilescount=1\nfilename1=") + programa +
           publicada("\n[otherfiles]\nfilescount=1\nfilename1=Default.orb\nfilelocation1=orbs\n");
}

// The peak resident memory of this process since the last call of Reinicia().
struct PicoMemoria {
    static void Reinicia() { escreve(QStringLiteral("/proc/self/clear_refs"), "5"); }
    static qint64 Le() {
        for (const QByteArray& l : le(QStringLiteral("/proc/self/status")).split('\n'))
            if (l.startsWith("VmHWM:")) return l.mid(6).trimmed().split(' ').first().toLongLong() * 1024;
        return -1;
    }
};
} // namespace

class TestActualizacaoSegura : public QObject {
    Q_OBJECT
    AmbienteRun amb;

    QString erros(const Actualizador& a) const { return a.Errlist.join(QLatin1Char('\n')); }

private slots:
    void initTestCase() { QVERIFY(amb.Inicia()); }
    void cleanupTestCase() { amb.Termina(); }
    // The installation the updates try to change, and a file outside the program folder.
    void init() {
        QVERIFY(amb.Prepara());
        QVERIFY(escreve(amb.programa(QStringLiteral("orbs/Default.orb")), "orbes antigas"));
        QVERIFY(escreve(amb.programa(QStringLiteral("Natalis")), ProgramaAntigo));
        QVERIFY(QFile::setPermissions(amb.programa(QStringLiteral("Natalis")),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
        QVERIFY(escreve(amb.pasta.filePath(QStringLiteral("fora.txt")), "de fora"));
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
        QTest::newRow("transferência cortada com tamanho") << "a meio" << "Natalis não foi obtido";
        QTest::newRow("servidor parado a meio") << "parado" << "Natalis não foi obtido";
        QTest::newRow("servidor que não responde") << "mudo" << "Natalis não foi obtido";
        QTest::newRow("corpo vazio") << "vazio" << "Natalis não foi obtido";
        QTest::newRow("segundo ficheiro falha") << "404" << "Natalis não foi obtido: resposta 404";
        QTest::newRow("ficheiro que é ligação para fora") << "ligação" << "ligação simbólica";
        QTest::newRow("pasta que é ligação para fora") << "pasta ligação" << "fora da pasta do programa";
    }
    void recusadaSemAlterar() {
        QFETCH(QString, caso);
        QFETCH(QString, motivo);
        QVERIFY(amb.publica(descricaoDeDois(), {{"Natalis", ProgramaNovo}, {"Default.orb", "orbes novas"}}));
        Actualizador a;
        a.DefineChave(caso == "chave do programa" ? ChaveDoNatalis() : amb.chave);
        const QString natalis = QStringLiteral("/upd/Natalis"), orbes = amb.programa(QStringLiteral("orbs")),
                      fora = amb.pasta.filePath(QStringLiteral("fora.txt"));
        ServidorTeste& s = amb.servidor;
        if (caso == "sem assinatura") s.Define(QStringLiteral("/upd/update.txt.minisig"), ServidorTeste::Modo::NaoEncontrado);
        if (caso == "adulterado") s.Serve(natalis, QByteArray(ProgramaNovo).replace("novo!!", "MAU!!!"));
        if (caso == "maior") s.Serve(natalis, ProgramaNovo + "rm -rf ~\n");
        if (caso == "cortada") s.Define(natalis, ServidorTeste::Modo::SemTamanhoAMeio, ProgramaNovo);
        if (caso == "a meio") s.Define(natalis, ServidorTeste::Modo::FechaAMeio, ProgramaNovo);
        if (caso == "parado") s.Define(natalis, ServidorTeste::Modo::Parado, ProgramaNovo);
        if (caso == "mudo") s.Define(natalis, ServidorTeste::Modo::Mudo);
        if (caso == "vazio") s.Define(natalis, ServidorTeste::Modo::Vazio);
        if (caso == "404") s.Define(natalis, ServidorTeste::Modo::NaoEncontrado);
        if (caso == "ligação") QVERIFY(QFile::remove(orbes + "/Default.orb") && QFile::link(fora, orbes + "/Default.orb"));
        if (caso == "pasta ligação")
            QVERIFY(QDir(orbes).removeRecursively() && QFile::link(amb.pasta.path(), orbes));
        if (caso == "alterada") // the signed text with one value changed after signing
            s.Serve(QStringLiteral("/upd/update.txt"),
                    s.Corpo(QStringLiteral("/upd/update.txt")).replace("priority=2", "priority=3"));
        const QByteArray antes = ImpressaoPasta(amb.pasta.path());
        a.transferencia().DefineTempoLimite(400); // a stalled transfer ends after its time-out
        QElapsedTimer relogio;
        relogio.start();
        a.Update();
        QVERIFY(relogio.elapsed() < 10000);
        QCOMPARE(ImpressaoPasta(amb.pasta.path()), antes);
        QVERIFY2(erros(a).contains(motivo), qPrintable(erros(a)));
        QVERIFY(a.ErrlistVisivel);
        QCOMPARE(a.cor, CorEstado::Vermelho);
        QCOMPARE(GetOption(1000), QStringLiteral("False"));
    }

    // Both files arrive, are put in place together, the program keeps its run bit, the date is
    // recorded and no staging folder is left, not even one an earlier crash left behind.
    void boaActualizacaoInstala() {
        QByteArray binario; // bytes a text-mode transfer would damage
        for (int i = 0; i < 70000; ++i)
            binario.append(char(i * 7 % 256));
        binario += QByteArray("\r\n\0\r", 4);
        QVERIFY(amb.publica(descricaoDeDois(), {{"Natalis", ProgramaNovo}, {"Default.orb", binario}}));
        amb.servidor.Serve(QStringLiteral("/espelho/Default.orb"), binario);
        amb.servidor.Define(QStringLiteral("/upd/Default.orb"), ServidorTeste::Modo::Redirecciona, "/espelho/Default.orb");
        QVERIFY(QDir().mkpath(amb.programa(QStringLiteral(".renovo-abc123"))) &&
                escreve(amb.programa(QStringLiteral(".renovo-abc123/0.novo")), "restos"));
        const auto permissoes = QFile::permissions(amb.programa(QStringLiteral("Natalis")));
        Actualizador a;
        a.DefineChave(amb.chave);
        QCOMPARE(a.Update(), Actualizador::Concluida);
        QVERIFY2(a.Errlist.isEmpty(), qPrintable(erros(a)));
        QCOMPARE(le(amb.programa(QStringLiteral("Natalis"))), ProgramaNovo);
        QCOMPARE(le(amb.programa(QStringLiteral("orbs/Default.orb"))), binario);
        QCOMPARE(QFile::permissions(amb.programa(QStringLiteral("Natalis"))), permissoes);
        QCOMPARE(GetOption(1000), QStringLiteral("1/2/2003"));
        QCOMPARE(QDir(amb.programa(QString())).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 (QStringList{"Natalis", "orbs"}));
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

    // 1 GiB made up by the server as it goes: streamed to the staging folder, checked, refused,
    // and never held in memory.
    void ficheiroGrande_data() {
        QTest::addColumn<qint64>("assinado");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("1 GiB que não corresponde ao resumo") << (qint64(1) << 30) << "não corresponde";
        QTest::newRow("1 GiB onde se assinou 1 MiB") << (qint64(1) << 20) << "mais do que";
    }
    void ficheiroGrande() {
        QFETCH(qint64, assinado);
        QFETCH(QString, motivo);
        QVERIFY(amb.publicaTalQual("[natalis]\r\nonline=0\r\n[otherfiles]\r\nfilescount=1\r\nfilename1=grande.bin\r\n"
                                   "[integridade]\r\notherfiles1=" + QByteArray::number(assinado) + ' ' +
                                   QByteArray(64, '0') + "\r\n"));
        amb.servidor.Gera(QStringLiteral("/upd/grande.bin"), qint64(1) << 30);
        const QByteArray antes = ImpressaoPasta(amb.pasta.path());
        Actualizador a;
        a.DefineChave(amb.chave);
        PicoMemoria::Reinicia();
        QCOMPARE(a.Update(), Actualizador::Concluida);
        const qint64 pico = PicoMemoria::Le();
        QVERIFY2(pico > 0 && pico < 100 * 1024 * 1024, qPrintable(QStringLiteral("pico de memória: %1 MB").arg(pico >> 20)));
        QVERIFY2(erros(a).contains(motivo), qPrintable(erros(a)));
        QCOMPARE(ImpressaoPasta(amb.pasta.path()), antes);
    }

    // A program folder on a file system with room for the small file but not the large one: the
    // update fails saying so, and every installed file keeps its bytes.
    void discoCheio() {
        QTemporaryDir base;
        DiscoCheio disco(base.filePath(QStringLiteral("disco")));
        const QString prog = disco.pasta() + QStringLiteral("/prog");
        QVERIFY(QDir().mkpath(prog + QStringLiteral("/orbs")));
        DefinePastaPrograma(prog);
        const QByteArray ajuda(7990, 'h');
        QVERIFY(escreve(prog + QStringLiteral("/natalis.html"), ajuda));
        QVERIFY(escreve(prog + QStringLiteral("/orbs/Default.orb"), "orbes antigas"));
        QVERIFY(amb.publica(descricaoDeDois("natalis.html"),
                            {{"natalis.html", QByteArray(300 * 1024, 'n')}, {"Default.orb", "orbes novas"}}));
        QVERIFY(disco.enche());
        QFile enchimento(disco.enchimento()); // a few pages left free
        QVERIFY(!disco.montado() || enchimento.resize(enchimento.size() - 4 * 4096));
        const QByteArray antes = ImpressaoPasta(prog);
        Actualizador a;
        a.DefineChave(amb.chave);
        if (!disco.montado()) DiscoCheio::limitaTamanho(64 * 1024);
        QCOMPARE(a.Update(), Actualizador::Concluida);
        DiscoCheio::levantaLimite();
        disco.esvazia();
        QCOMPARE(ImpressaoPasta(prog), antes);
        QVERIFY2(erros(a).contains(disco.montado() ? "Sem espaço no disco" : "tamanho máximo"), qPrintable(erros(a)));
        QCOMPARE(GetOption(1000), QStringLiteral("False"));
    }
};

QTEST_GUILESS_MAIN(TestActualizacaoSegura)
#include "test_actualizacao_segura.moc"
