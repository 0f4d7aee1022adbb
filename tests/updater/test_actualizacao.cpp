// The update run against a real HTTP server on loopback: what it fetches, asks, shows and records.
// Updates are signed and all or nothing: a refused or failed one leaves the program folder
// byte-identical (and nothing outside it touched), whatever the server does or the disk holds.
#include "ferramentas.h"
#include "ambienterun.h"

#include <QtTest>

Q_DECLARE_METATYPE(RespostaMsg)

namespace {
// One program update of two files, published 13/4/2000.
QByteArray comPrograma(int prioridade) {
    return publicada("[natalis]\nmajor=1\nminor=1\nrevision=0\nonline=1\nlastdate=13/4/2000\npriority=") +
           QByteArray::number(prioridade) +
           publicada("\nfilescount=2\nfilename1=Natalis.exe\nfilelocation1=\nfilename2=Intrepreter.mdb\n"
                     "filelocation2=\n[otherfiles]\nfilescount=0\n");
}
const QMap<QString, QByteArray> FicheirosDoPrograma = {{"Natalis.exe", "novo programa"}, {"Intrepreter.mdb", "nova base"}};

// An updater that trusts the key the tests sign with.
struct ComChave : Actualizador {
    explicit ComChave(const ChavePublica& chave) { DefineChave(chave); }
};
const QByteArray ProgramaAntigo = "#!/bin/sh\necho antigo\n";
const QByteArray ProgramaNovo = "#!/bin/sh\necho novo!!\n"; // same length as the old one

// One program update (Natalis) and one additional file (orbs/Default.orb), due and installed
// without a question.
QByteArray descricaoDeDois(const char* programa = "Natalis") {
    return publicada("[natalis]\nonline=1\nlastdate=1/2/2003\npriority=2\nfilescount=1\nfilename1=") + programa +
           publicada("\n[otherfiles]\nfilescount=1\nfilename1=Default.orb\nfilelocation1=orbs\n");
}

// The peak resident memory of this process since "5" was last written to /proc/self/clear_refs.
qint64 PicoMemoria() {
    for (const QByteArray& l : le(QStringLiteral("/proc/self/status")).split('\n'))
        if (l.startsWith("VmHWM:")) return l.mid(6).trimmed().split(' ').first().toLongLong() * 1024;
    return -1;
}
} // namespace

class TestActualizacao : public QObject {
    Q_OBJECT
    AmbienteRun amb;

    static QString erros(const Actualizador& a) { return a.Errlist.join(QLatin1Char('\n')); }

private slots:
    void initTestCase() { EXIGE_FERRAMENTA("minisign", "minisign"); QVERIFY(amb.Inicia()); }
    void cleanupTestCase() { amb.Termina(); }
    // An installation for the updates to change, and a file outside the program folder.
    void init() {
        QVERIFY(amb.Prepara());
        QVERIFY(escreve(amb.programa(QStringLiteral("orbs/Default.orb")), "orbes antigas"));
        QVERIFY(escreve(amb.programa(QStringLiteral("Natalis")), ProgramaAntigo));
        QVERIFY(QFile::setPermissions(amb.programa(QStringLiteral("Natalis")),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ExeOther));
        QVERIFY(escreve(amb.pasta.filePath(QStringLiteral("fora.txt")), "de fora"));
    }

    // No description: the option left empty falls back to the maker's site; a server that is
    // not there or a program folder without write access ends the run saying why.
    void semDescricao() {
        SaveOption(OpcaoPastaWeb, QString());
        QCOMPARE(PastaWeb(), PastaWebPadrao());
        QTcpServer livre;
        QVERIFY(livre.listen(QHostAddress::LocalHost, 0));
        SaveOption(OpcaoPastaWeb, QStringLiteral("http://127.0.0.1:%1/upd").arg(livre.serverPort()));
        livre.close();
        ComChave a(amb.chave);
        QCOMPARE(a.Update(), Actualizador::SemDescricao);
        QCOMPARE(a.cor, CorEstado::Vermelho);
        QVERIFY2(a.msg.contains(QStringLiteral("Não foi possível obter a informação de actualização")),
                 qPrintable(a.msg));
        QVERIFY(a.cmdactualActivo);

        SaveOption(OpcaoPastaWeb, amb.servidor.Base() + QStringLiteral("/upd"));
        QVERIFY(amb.publica(publicada("[natalis]\nonline=0\n")));
        DefinePastaPrograma(amb.programa(QStringLiteral("nao-existe")));
        QCOMPARE(a.Update(), Actualizador::SemDescricao);
        QVERIFY2(a.msg.startsWith(QStringLiteral("Não é possível escrever na pasta do programa")), qPrintable(a.msg));
    }

    void prioridade_data() {
        QTest::addColumn<int>("prioridade"); QTest::addColumn<RespostaMsg>("resposta");
        QTest::addColumn<QString>("pergunta"); // empty: none asked
        const QString inicio = QStringLiteral("Está disponivel uma nova actualização para o Natalis.\n"),
                      fim = QStringLiteral("\nDeseja proceder à actualização?");
        const QString p0 = inicio + QStringLiteral("Ficheiros adicionais e/ou pequenas alterações foram feitas.\n") + fim,
                      p1 = inicio + QStringLiteral("É aconselhada a actualização.\n") + fim;
        QTest::newRow("opcional, não") << 0 << RespostaMsg::Nao << p0;
        QTest::newRow("opcional, sim") << 0 << RespostaMsg::Sim << p0;
        QTest::newRow("aconselhada, não") << 1 << RespostaMsg::Nao << p1;
        QTest::newRow("sem perguntar") << 2 << RespostaMsg::Nao << QString();
    }
    void prioridade() {
        QFETCH(int, prioridade); QFETCH(RespostaMsg, resposta); QFETCH(QString, pergunta);
        const bool instala = pergunta.isEmpty() || resposta == RespostaMsg::Sim;
        QVERIFY(amb.publica(comPrograma(prioridade), FicheirosDoPrograma));
        QVERIFY(escreve(amb.programa(QStringLiteral("Natalis.exe")), "programa antigo"));
        amb.caixa.respostas = {resposta};
        ComChave a(amb.chave);
        QCOMPARE(a.Update(), Actualizador::Concluida);
        QCOMPARE(amb.caixa.chamadas.size(), pergunta.isEmpty() ? 0 : 1);
        if (!pergunta.isEmpty()) QCOMPARE(amb.caixa.chamadas[0].texto, pergunta);
        if (!pergunta.isEmpty()) QCOMPARE(amb.caixa.chamadas[0].icone, IconeMsg::Pergunta);
        QCOMPARE(amb.servidor.Pedidos(QStringLiteral("/upd/Natalis.exe")), instala ? 1 : 0);
        QCOMPARE(le(amb.programa(QStringLiteral("Natalis.exe"))), QByteArray(instala ? "novo programa" : "programa antigo"));
        QCOMPARE(a.msg, QStringLiteral("Actualização efectuada com êxito."));
        QCOMPARE(GetOption(1000), instala ? QStringLiteral("13/4/2000") : QStringLiteral("False"));
    }

    // A complete update is recorded and not offered again; one with a failed file installs
    // nothing, is not recorded and comes back on the next run.
    void soAActualizacaoCompletaFica() {
        QVERIFY(amb.publica(comPrograma(2), FicheirosDoPrograma));
        amb.servidor.Define(QStringLiteral("/upd/Intrepreter.mdb"), ServidorTeste::Modo::NaoEncontrado);
        ComChave a(amb.chave);
        QCOMPARE(a.Update(), Actualizador::Concluida);
        QCOMPARE(a.Errlist.first(), QStringLiteral("Erro na actualização de Intrepreter.mdb"));
        QCOMPARE(a.msg, QStringLiteral("A actualização terminou com erros: 2 ficheiros não foram actualizados."));
        QVERIFY(!QFile::exists(amb.programa(QStringLiteral("Natalis.exe"))));
        QCOMPARE(GetOption(1000), QStringLiteral("False"));

        amb.servidor.Serve(QStringLiteral("/upd/Intrepreter.mdb"), "nova base");
        QCOMPARE(a.Update(), Actualizador::Concluida);
        QVERIFY(a.Errlist.isEmpty());
        QCOMPARE(le(amb.programa(QStringLiteral("Natalis.exe"))), QByteArray("novo programa"));
        QCOMPARE(GetOption(1000), QStringLiteral("13/4/2000"));

        QCOMPARE(a.Update(), Actualizador::Concluida);
        QCOMPARE(amb.servidor.Pedidos(QStringLiteral("/upd/Natalis.exe")), 2);
        QCOMPARE(a.msg, QStringLiteral("Não existe nenhuma nova actualização do Natalis."));
        QCOMPARE(a.cor, CorEstado::Verde);
    }

    // Refused: not signed by the key (another key, the built-in one: test_frmmain), or (signed, for
    // a mistake signed is still a mistake) a file section the section table refuses (its reasons:
    // test_descricao); or a file that does not arrive exactly as signed.
    void recusadaSemAlterar_data() {
        QTest::addColumn<QString>("caso"); QTest::addColumn<QString>("motivo"); // part of an error line
        QTest::addColumn<bool>("antesDeBuscar"); // refused with nothing but the description fetched
        QTest::newRow("sem assinatura") << "sem assinatura" << "update.txt.minisig" << true;
        QTest::newRow("descrição alterada depois de assinada") << "alterada" << "não corresponde" << true;
        // [otherfiles] lines of the second file | its [integridade] value; the first, good, file
        // is not fetched either.
        QTest::newRow("localização acima da pasta") << "filename2=a\r\nfilelocation2=..|3 " + QString(64, 'a')
                                                    << "ficaria fora da pasta do programa" << true;
        QTest::newRow("ficheiro adulterado") << "adulterado" << "não corresponde ao que foi assinado" << false;
        QTest::newRow("ficheiro maior do que o assinado") << "maior" << "mais do que" << false;
        QTest::newRow("transferência cortada sem tamanho") << "cortada" << "conteúdo incompleto" << false;
        QTest::newRow("transferência cortada com tamanho") << "a meio" << "Natalis não foi obtido" << false;
        QTest::newRow("servidor parado a meio") << "parado" << "Natalis não foi obtido" << false;
        QTest::newRow("servidor que não responde") << "mudo" << "Natalis não foi obtido" << false;
        QTest::newRow("corpo vazio") << "vazio" << "Natalis não foi obtido" << false;
        QTest::newRow("segundo ficheiro falha") << "404" << "Natalis não foi obtido: resposta 404" << false;
        QTest::newRow("ficheiro que é ligação para fora") << "ligação" << "ligação simbólica" << false;
        QTest::newRow("pasta que é ligação para fora") << "pasta ligação" << "fora da pasta do programa" << false;
    }
    void recusadaSemAlterar() {
        QFETCH(QString, caso); QFETCH(QString, motivo); QFETCH(bool, antesDeBuscar);
        QVERIFY(amb.publica(descricaoDeDois(), {{"Natalis", ProgramaNovo}, {"Default.orb", "orbes novas"}}));
        if (caso.startsWith("filename2=")) // a signed description with the fault
            QVERIFY(amb.publicaTalQual("[natalis]\r\nonline=0\r\n[otherfiles]\r\nfilescount=2\r\nfilename1=bom.txt\r\n" +
                                       caso.section('|', 0, 0).toUtf8() + "\r\n[integridade]\r\notherfiles1=3 " +
                                       QByteArray(64, 'a') + "\r\notherfiles2=" + caso.section('|', 1).toUtf8() + "\r\n"));
        ComChave a(amb.chave);
        const QString natalis = QStringLiteral("/upd/Natalis"), orbes = amb.programa(QStringLiteral("orbs")),
                      fora = amb.pasta.filePath(QStringLiteral("fora.txt"));
        ServidorTeste& s = amb.servidor;
        if (caso == "sem assinatura")
            s.Define(QStringLiteral("/upd/update.txt.minisig"), ServidorTeste::Modo::NaoEncontrado);
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
        if (antesDeBuscar) QCOMPARE(amb.servidor.pedidos, (QStringList{"/upd/update.txt", "/upd/update.txt.minisig"}));
        QVERIFY(a.ErrlistVisivel);
        QCOMPARE(a.cor, CorEstado::Vermelho);
        QCOMPARE(GetOption(1000), QStringLiteral("False"));
    }

    // Both files arrive, are put in place together, the program keeps its run bit, the date is
    // recorded and no staging folder or local description is left, not even one an earlier
    // crash left behind.
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
        ComChave a(amb.chave);
        QStringList vistos; // the progress line names each file while it arrives
        connect(&a, &Actualizador::mudou, this, [&] { vistos << a.lblprog; });
        QCOMPARE(a.Update(), Actualizador::Concluida);
        QVERIFY2(a.Errlist.isEmpty(), qPrintable(erros(a)));
        QVERIFY2(vistos.contains("Actualizando outros ficheiros...\nDefault.orb (1 de 1)"), qPrintable(vistos.join('|')));
        QCOMPARE(le(amb.programa(QStringLiteral("Natalis"))), ProgramaNovo);
        QCOMPARE(le(amb.programa(QStringLiteral("orbs/Default.orb"))), binario);
        QCOMPARE(QFile::permissions(amb.programa(QStringLiteral("Natalis"))), permissoes);
        QCOMPARE(GetOption(1000), QStringLiteral("1/2/2003"));
        QCOMPARE(QDir(amb.programa(QString())).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 (QStringList{"actualizacao-instalada.txt", "Natalis", "orbs"}));
    }

    // A signed description older than the one installed, served again (a replay, or a mirror
    // left behind), is refused whole: neither the additional file nor the program goes back,
    // even for a user who never recorded the installed date. The same release again is fine.
    void edicaoAnteriorRecusada_data() {
        QTest::addColumn<bool>("semEdicao");
        QTest::newRow("edição anterior") << false;
        QTest::newRow("sem edição") << true;
    }
    void edicaoAnteriorRecusada() {
        QFETCH(bool, semEdicao);
        const QByteArray v1 = descricaoDeDois();
        QVERIFY(amb.publica(v1, {{"Natalis", ProgramaAntigo + "v1"}, {"Default.orb", "orbes v1"}}));
        QMap<QString, QByteArray> servidoV1;
        for (const char* n : {"/upd/update.txt", "/upd/update.txt.minisig", "/upd/Natalis", "/upd/Default.orb"})
            servidoV1[n] = amb.servidor.Corpo(n);
        QVERIFY(amb.publica(QByteArray(v1).replace("1/2/2003", "1/2/2004"),
                            {{"Natalis", ProgramaNovo}, {"Default.orb", "orbes v2"}}));
        QByteArray edicaoV2;
        for (const QByteArray& l : amb.servidor.Corpo("/upd/update.txt").split('\n'))
            if (l.startsWith("edicao=")) edicaoV2 = l;
        ComChave a(amb.chave);
        QCOMPARE(a.Update(), Actualizador::Concluida);
        QVERIFY2(a.Errlist.isEmpty(), qPrintable(erros(a)));
        QCOMPARE("edicao=" + le(FicheiroEdicao()).trimmed(), edicaoV2.trimmed());
        QCOMPARE(a.Update(), Actualizador::Concluida); // the same release again
        QVERIFY2(a.Errlist.isEmpty(), qPrintable(erros(a)));

        if (semEdicao)
            QVERIFY(amb.publicaTalQual(publicada("[natalis]\nonline=0\n[otherfiles]\nfilescount=0\n")));
        else
            for (auto s = servidoV1.cbegin(); s != servidoV1.cend(); ++s) amb.servidor.Serve(s.key(), s.value());
        SaveOption(1000, QString()); // another user of the installation
        const QByteArray antes = ImpressaoPasta(amb.pasta.path());
        QCOMPARE(a.Update(), Actualizador::Invalida);
        QCOMPARE(ImpressaoPasta(amb.pasta.path()), antes);
        QCOMPARE(le(amb.programa(QStringLiteral("orbs/Default.orb"))), QByteArray("orbes v2"));
        QVERIFY2(a.msg.contains(QStringLiteral("mais antiga do que a instalada")), qPrintable(a.msg));
        QVERIFY2(erros(a).contains(QStringLiteral("anterior à edição")), qPrintable(erros(a)));
        QCOMPARE(amb.servidor.Pedidos("/upd/Default.orb"), 2); // fetched by the two good runs only
    }

    // 1 GiB made up by the server as it goes: streamed to the staging folder, checked, refused,
    // and never held in memory.
    void ficheiroGrande() {
        QVERIFY(amb.publicaTalQual("[natalis]\r\nonline=0\r\n[otherfiles]\r\nfilescount=1\r\nfilename1=grande.bin\r\n"
                                   "[integridade]\r\notherfiles1=1073741824 " + QByteArray(64, '0') + "\r\n"));
        amb.servidor.Gera(QStringLiteral("/upd/grande.bin"), qint64(1) << 30);
        const QByteArray antes = ImpressaoPasta(amb.pasta.path());
        ComChave a(amb.chave);
        escreve(QStringLiteral("/proc/self/clear_refs"), "5"); // the peak starts again here
        QCOMPARE(a.Update(), Actualizador::Concluida);
        const qint64 pico = PicoMemoria();
        QVERIFY2(pico > 0 && pico < 100 * 1024 * 1024,
                 qPrintable(QStringLiteral("pico de memória: %1 MB").arg(pico >> 20)));
        QVERIFY2(erros(a).contains("não corresponde"), qPrintable(erros(a)));
        QCOMPARE(ImpressaoPasta(amb.pasta.path()), antes);
    }

    // A program folder on a file system with room for the small file but not the large one: the
    // update fails saying so, and every installed file keeps its bytes.
    void discoCheio() {
        if (!DiscoCheio::Possivel) QSKIP("um disco cheio só se imita no Linux (tmpfs ou limite de tamanho)");
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
        ComChave a(amb.chave);
        if (!disco.montado()) DiscoCheio::limitaTamanho(64 * 1024);
        QCOMPARE(a.Update(), Actualizador::Concluida);
        DiscoCheio::levantaLimite();
        disco.esvazia();
        QCOMPARE(ImpressaoPasta(prog), antes);
        QVERIFY2(erros(a).contains(disco.montado() ? "Sem espaço no disco" : "tamanho máximo"), qPrintable(erros(a)));
        QCOMPARE(GetOption(1000), QStringLiteral("False"));
    }
};

QTEST_GUILESS_MAIN(TestActualizacao)
#include "test_actualizacao.moc"
