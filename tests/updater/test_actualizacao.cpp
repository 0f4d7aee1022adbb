// The update run against a real HTTP server on loopback: what it fetches, where it puts it,
// what it asks, what it shows and which options it writes.
#include "actualizacao.h"
#include "ambienterun.h"
#include "opcoes.h"

#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(RespostaMsg)

namespace {
const QString Exito = QStringLiteral("Actualização efectuada com êxito.");
const QString NenhumaNova = QStringLiteral("Não existe nenhuma nova actualização do Natalis.");
const QStringList SoADescricao = {"/upd/update.txt", "/upd/update.txt.minisig"};

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
} // namespace

class TestActualizacao : public QObject {
    Q_OBJECT
    AmbienteRun amb;

    QStringList perguntas() const {
        QStringList l;
        for (const auto& c : amb.caixa.chamadas)
            l << c.texto;
        return l;
    }

private slots:
    void initTestCase() { QVERIFY(amb.Inicia()); }
    void cleanupTestCase() { amb.Termina(); }
    void init() { QVERIFY(amb.Prepara()); }

    // Two additional files, one in a subfolder and one in the program folder itself.
    void doisFicheirosAdicionais() {
        QVERIFY(amb.publica(publicada("[Natalis]\nonline=0\n[otherfiles]\nfilescount=2\nfilename1=Novo.orb\n"
                                      "filelocation1=orbs\nfilename2=leia-me.txt\nfilelocation2=\n"),
                            {{"Novo.orb", "3\r\n5\r\n"}, {"leia-me.txt", "Ol\xe1"}}));
        ComChave a(amb.chave);
        QStringList vistos; // the progress line names each file while it arrives
        connect(&a, &Actualizador::mudou, this, [&] { vistos << a.lblprog; });
        QCOMPARE(a.Update(), Actualizador::Concluida);
        QVERIFY2(vistos.contains(QStringLiteral("Actualizando outros ficheiros...\nleia-me.txt (2 de 2)")),
                 qPrintable(vistos.join(QLatin1Char('|'))));
        QCOMPARE(le(amb.programa(QStringLiteral("orbs/Novo.orb"))), QByteArray("3\r\n5\r\n"));
        QCOMPARE(le(amb.programa(QStringLiteral("leia-me.txt"))), QByteArray("Ol\xe1"));
        QCOMPARE(a.msg, Exito);
        QVERIFY(perguntas().isEmpty());
        QVERIFY2(!QFile::exists(amb.programa(QStringLiteral("update.txt"))), "the local copy lives only during a run");
        QCOMPARE(GetOption(1000), QStringLiteral("False"));
    }

    // No description: the option left empty falls back to the maker's site; a server that is
    // not there or a program folder without write access ends the run saying why.
    void semDescricao() {
        SaveOption(OpcaoPastaWeb, QString());
        QCOMPARE(PastaWeb(), PastaWebPadrao());
        QVERIFY(PastaWebPadrao().startsWith(QLatin1String("https://")));
        QTcpServer livre;
        QVERIFY(livre.listen(QHostAddress::LocalHost, 0));
        SaveOption(OpcaoPastaWeb, QStringLiteral("http://127.0.0.1:%1/upd").arg(livre.serverPort()));
        livre.close();
        ComChave a(amb.chave);
        QCOMPARE(a.Update(), Actualizador::SemDescricao);
        QCOMPARE(a.cor, CorEstado::Vermelho);
        QVERIFY2(a.msg.contains(QStringLiteral("Não foi possível obter a informação de actualização")), qPrintable(a.msg));
        QVERIFY(a.cmdactualActivo);

        SaveOption(OpcaoPastaWeb, amb.servidor.Base() + QStringLiteral("/upd"));
        QVERIFY(amb.publica(publicada("[natalis]\nonline=0\n")));
        DefinePastaPrograma(amb.programa(QStringLiteral("nao-existe")));
        QCOMPARE(a.Update(), Actualizador::SemDescricao);
        QVERIFY2(a.msg.startsWith(QStringLiteral("Não é possível escrever na pasta do programa")), qPrintable(a.msg));
    }

    void prioridade_data() {
        QTest::addColumn<int>("prioridade");
        QTest::addColumn<RespostaMsg>("resposta");
        QTest::addColumn<QString>("pergunta"); // empty: none asked
        const QString inicio = QStringLiteral("Está disponivel uma nova actualização para o Natalis.\n"),
                      fim = QStringLiteral("\nDeseja proceder à actualização?");
        const QString p0 = inicio + QStringLiteral("Ficheiros adicionais e/ou pequenas alterações foram feitas.\n") + fim,
                      p1 = inicio + QStringLiteral("É aconselhada a actualização.\n") + fim;
        QTest::newRow("opcional, não") << 0 << RespostaMsg::Nao << p0;
        QTest::newRow("opcional, sim") << 0 << RespostaMsg::Sim << p0;
        QTest::newRow("aconselhada, não") << 1 << RespostaMsg::Nao << p1;
        QTest::newRow("aconselhada, cancelar") << 1 << RespostaMsg::Cancelar << p1;
        QTest::newRow("sem perguntar") << 2 << RespostaMsg::Nao << QString();
    }
    void prioridade() {
        QFETCH(int, prioridade);
        QFETCH(RespostaMsg, resposta);
        QFETCH(QString, pergunta);
        const bool instala = pergunta.isEmpty() || resposta == RespostaMsg::Sim;
        QVERIFY(amb.publica(comPrograma(prioridade), FicheirosDoPrograma));
        QVERIFY(escreve(amb.programa(QStringLiteral("Natalis.exe")), "programa antigo"));
        amb.caixa.respostas = {resposta};
        ComChave a(amb.chave);
        QCOMPARE(a.Update(), Actualizador::Concluida);
        QCOMPARE(perguntas(), pergunta.isEmpty() ? QStringList() : QStringList{pergunta});
        if (!pergunta.isEmpty()) QCOMPARE(amb.caixa.chamadas.first().icone, IconeMsg::Pergunta);
        QCOMPARE(amb.servidor.Pedidos(QStringLiteral("/upd/Natalis.exe")), instala ? 1 : 0);
        QCOMPARE(le(amb.programa(QStringLiteral("Natalis.exe"))), QByteArray(instala ? "novo programa" : "programa antigo"));
        QCOMPARE(a.msg, Exito);
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
        QCOMPARE(a.msg, NenhumaNova);
        QCOMPARE(a.cor, CorEstado::Verde);
    }

    // Declined news is offered again; accepted news is not.
    void noticiasDaWeb() {
        QVERIFY(amb.publica(publicada("[natalis]\nonline=0\n[webupdate]\nlastdate=13/4/2000\nnews=Novo mapa do c\xe9u\n")));
        ComChave a(amb.chave);
        QSignalSpy noticias(&a, &Actualizador::noticias), pagina(&a, &Actualizador::lancaPagina);
        amb.caixa.respostas = {RespostaMsg::Nao, RespostaMsg::Sim};
        QCOMPARE(a.Update(), Actualizador::Concluida);
        QCOMPARE(perguntas(), QStringList{QStringLiteral("Existem alterações no Site do Natalis.\nDeseja visitá-lo agora?")});
        QCOMPARE(amb.caixa.chamadas.first().icone, IconeMsg::Informacao);
        QCOMPARE(noticias.first().first().toString(), QStringLiteral("Novo mapa do céu"));
        QCOMPARE(pagina.count(), 0);
        QCOMPARE(GetOption(-3), QStringLiteral("False"));

        QCOMPARE(a.Update(), Actualizador::Concluida);
        QCOMPARE(pagina.count(), 1);
        QCOMPARE(GetOption(-3), QStringLiteral("13/4/2000"));
        QCOMPARE(a.Update(), Actualizador::Concluida);
        QCOMPARE(perguntas().size(), 2);
        QCOMPARE(noticias.count(), 2);
    }

    void descricaoMalFormada_data() {
        QTest::addColumn<QString>("localizacao");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QByteArray>("integridade"); // of file 1; file 2 is "bom"
        QTest::addColumn<QString>("motivo");
        const QByteArray mau = "3 239be9e20e9ae0bd359f479d6a3fa10f8f5ed0c388c53ea0fb3cbb87cd27dd1f";
        // The reasons are the section table's; these show the run asks before fetching.
        QTest::newRow("localização ..") << ".." << "fora.txt" << mau << "ficaria fora da pasta do programa";
        QTest::newRow("sem tamanho nem resumo") << "" << "a.txt" << QByteArray() << "Falta o tamanho ou o resumo";
        QTest::newRow("programa sem a marca") << "." << "Natalis.exe" << mau << "não está assinado como tal";
    }
    // Refused before anything is fetched: the names, sizes and digests are what the maker signed,
    // and a signed mistake is still a mistake.
    void descricaoMalFormada() {
        QFETCH(QString, localizacao);
        QFETCH(QString, nome);
        QFETCH(QByteArray, integridade);
        QFETCH(QString, motivo);
        QVERIFY(amb.publicaTalQual(
            "[natalis]\r\nonline=0\r\n[otherfiles]\r\nfilescount=2\r\nfilename1=" + nome.toUtf8() + "\r\nfilelocation1=" +
            localizacao.toUtf8() + "\r\nfilename2=bom.txt\r\n[integridade]\r\notherfiles1=" + integridade +
            "\r\notherfiles2=3 23f3770b6441c8d5c9c5fd6b364972b0bf29ae5cd1782749edaae17847dac020\r\n"));
        amb.servidor.Serve(QStringLiteral("/upd/bom.txt"), "bom");
        // Whatever address the name would make, the server has it.
        for (const QString c : {"/fora.txt", "/upd/fora.txt", "/upd/../fora.txt", "/upd/a.txt"})
            amb.servidor.Serve(c, "mau");
        const QByteArray antes = ImpressaoPasta(amb.pasta.path());
        ComChave a(amb.chave);
        QCOMPARE(a.Update(), Actualizador::Invalida);
        QCOMPARE(a.Errlist.size(), 1);
        QVERIFY2(a.Errlist.first().contains(motivo), qPrintable(a.Errlist.first()));
        QVERIFY(a.msg.contains(QStringLiteral("mal formada")));
        QCOMPARE(amb.servidor.pedidos, SoADescricao);
        QCOMPARE(ImpressaoPasta(amb.pasta.path()), antes);
    }
};

QTEST_GUILESS_MAIN(TestActualizacao)
#include "test_actualizacao.moc"
