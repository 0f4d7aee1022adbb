// The update run against a real HTTP server on loopback: what it fetches, where it puts it,
// what it asks, what it shows and which options it writes.
#include "actualizacao.h"
#include "ambienterun.h"
#include "mensagens.h"
#include "opcoes.h"

#include <QDir>
#include <QFile>
#include <QNetworkProxy>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString Exito = QStringLiteral("Actualização efectuada com êxito.");
const QString NenhumaNova = QStringLiteral("Não existe nenhuma nova actualização do Natalis.");
const QString Invalida = QStringLiteral(
    "A Actualização não foi possivel. O ficheiro de informação não foi encontrado ou não é válido");
const QString PerguntaNoticias =
    QStringLiteral("Existem alterações no Site do Natalis.\nDeseja visitá-lo agora?");

// One program update of two files, published 13/4/2000.
QByteArray comPrograma(int prioridade) {
    return publicada("[natalis]\nmajor=1\nminor=1\nrevision=0\nonline=1\nlastdate=13/4/2000\npriority=") +
           QByteArray::number(prioridade) +
           publicada("\nfilescount=2\nfilename1=Natalis.exe\nfilelocation1=\nfilename2=Intrepreter.mdb\n"
                     "filelocation2=\n[otherfiles]\nfilescount=0\n");
}
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

    void estadoInicial() {
        Actualizador a;
        QCOMPARE(a.current, QStringLiteral("Versão 1.0.0 do Natalis instalada"));
        QCOMPARE(a.msg, QStringLiteral("Para proceder à actualização clique em \"Actualizar\""));
        QCOMPARE(a.captionCancelar, QStringLiteral("Cancelar"));
        QVERIFY(a.lblprog.isEmpty());
        QVERIFY(a.cmdactualActivo);
        SaveOption(-2, QString());
        QCOMPARE(Actualizador().current, QStringLiteral("Versão do Natalis instalada desconhecida"));
    }

    void pastaWebPorOmissao() {
        SaveOption(OpcaoPastaWeb, QString());
        QCOMPARE(PastaWeb(), PastaWebPadrao());
        QVERIFY(PastaWebPadrao().startsWith(QLatin1String("https://")));
    }

    // Two additional files, one in a subfolder and one in the program folder itself.
    void doisFicheirosAdicionais() {
        amb.publica(publicada(
            "[Natalis]\nonline=0\n[otherfiles]\nfilescount=2\nfilename1=Novo.orb\nfilelocation1=orbs\n"
            "filename2=leia-me.txt\nfilelocation2=\n"));
        amb.servidor.Serve(QStringLiteral("/upd/Novo.orb"), "3\r\n5\r\n");
        amb.servidor.Serve(QStringLiteral("/upd/leia-me.txt"), "Ol\xe1");
        Actualizador a;
        QCOMPARE(a.Update(), Actualizador::Concluida);
        QCOMPARE(le(amb.programa(QStringLiteral("orbs/Novo.orb"))), QByteArray("3\r\n5\r\n"));
        QCOMPARE(le(amb.programa(QStringLiteral("leia-me.txt"))), QByteArray("Ol\xe1"));
        QCOMPARE(a.msg, Exito);
        QCOMPARE(a.cor, CorEstado::Verde);
        QCOMPARE(a.captionCancelar, QStringLiteral("Fechar"));
        QVERIFY(a.Errlist.isEmpty());
        QVERIFY(!a.ErrlistVisivel);
        QVERIFY(a.cmdactualActivo);
        QVERIFY(perguntas().isEmpty());
        QVERIFY2(!QFile::exists(amb.programa(QStringLiteral("update.txt"))),
                 "the local copy lives only during a run");
        QCOMPARE(GetOption(1000), QStringLiteral("False"));
    }

    void descricaoInvalida_data() {
        QTest::addColumn<QByteArray>("descricao");
        QTest::newRow("linha em branco antes")
            << publicada("\n[Natalis]\n[otherfiles]\nfilescount=1\nfilename1=a.txt\n");
        QTest::newRow("primeira linha errada")
            << publicada("[movela]\n[otherfiles]\nfilescount=1\nfilename1=a.txt\n");
        QTest::newRow("página de erro") << QByteArray("<html>Not here</html>");
    }
    void descricaoInvalida() {
        QFETCH(QByteArray, descricao);
        amb.publica(descricao);
        amb.servidor.Serve(QStringLiteral("/upd/a.txt"), "x");
        Actualizador a;
        QSignalSpy aviso(&a, &Actualizador::aviso);
        QCOMPARE(a.Update(), Actualizador::Invalida);
        QCOMPARE(a.msg, Invalida);
        QCOMPARE(a.cor, CorEstado::Vermelho);
        QCOMPARE(a.Errlist,
                 QStringList{QStringLiteral(
                     "A informação de actualização não foi encontrada. Actualização interrompida.")});
        QVERIFY(a.ErrlistVisivel);
        QVERIFY(!a.cmdactualActivo);
        QCOMPARE(aviso.count(), 1);
        QCOMPARE(amb.servidor.Pedidos(QStringLiteral("/upd/a.txt")), 0);
        QVERIFY(!QFile::exists(amb.programa(QStringLiteral("update.txt"))));
    }

    void descricaoInalcancavel() {
        Actualizador a;
        QCOMPARE(a.Update(), Actualizador::SemDescricao);
        QCOMPARE(amb.servidor.Pedidos(QStringLiteral("/upd/update.txt")), 1);
        QCOMPARE(a.cor, CorEstado::Vermelho);
        QVERIFY2(a.msg != QStringLiteral("Procurando informação de actualização ..."), qPrintable(a.msg));
        QVERIFY(a.msg.contains(QStringLiteral("Não foi possível obter a informação de actualização")));
        QVERIFY(a.cmdactualActivo);
    }

    void pastaDoProgramaSemEscrita() {
        amb.publica(publicada("[natalis]\nonline=0\n"));
        DefinePastaPrograma(amb.programa(QStringLiteral("nao-existe")));
        Actualizador a;
        QCOMPARE(a.Update(), Actualizador::SemDescricao);
        QCOMPARE(a.cor, CorEstado::Vermelho);
        QVERIFY2(a.msg.startsWith(QStringLiteral("Não é possível escrever na pasta do programa")),
                 qPrintable(a.msg));
    }

    void prioridade_data() {
        QTest::addColumn<int>("prioridade");
        QTest::addColumn<int>("resposta");
        QTest::addColumn<QString>("pergunta"); // empty: none asked
        QTest::addColumn<bool>("instala");
        const QString p0 = QStringLiteral("Está disponivel uma nova actualização para o Natalis.\n"
                                          "Ficheiros adicionais e/ou pequenas alterações foram feitas.\n\n"
                                          "Deseja proceder à actualização?");
        const QString p1 = QStringLiteral("Está disponivel uma nova actualização para o Natalis.\n"
                                          "É aconselhada a actualização.\n\nDeseja proceder à actualização?");
        QTest::newRow("opcional, não") << 0 << int(RespostaMsg::Nao) << p0 << false;
        QTest::newRow("opcional, sim") << 0 << int(RespostaMsg::Sim) << p0 << true;
        QTest::newRow("aconselhada, não") << 1 << int(RespostaMsg::Nao) << p1 << false;
        QTest::newRow("aconselhada, cancelar") << 1 << int(RespostaMsg::Cancelar) << p1 << false;
        QTest::newRow("sem perguntar") << 2 << int(RespostaMsg::Nao) << QString() << true;
    }
    void prioridade() {
        QFETCH(int, prioridade);
        QFETCH(int, resposta);
        QFETCH(QString, pergunta);
        QFETCH(bool, instala);
        amb.publica(comPrograma(prioridade));
        amb.servidor.Serve(QStringLiteral("/upd/Natalis.exe"), "novo programa");
        amb.servidor.Serve(QStringLiteral("/upd/Intrepreter.mdb"), "nova base");
        QVERIFY(escreve(amb.programa(QStringLiteral("Natalis.exe")), "programa antigo"));
        amb.caixa.respostas = {static_cast<RespostaMsg>(resposta)};
        Actualizador a;
        QCOMPARE(a.Update(), Actualizador::Concluida);
        QCOMPARE(perguntas(), pergunta.isEmpty() ? QStringList() : QStringList{pergunta});
        if (!pergunta.isEmpty()) QCOMPARE(amb.caixa.chamadas.first().icone, IconeMsg::Pergunta);
        QCOMPARE(amb.servidor.Pedidos(QStringLiteral("/upd/Natalis.exe")), instala ? 1 : 0);
        QCOMPARE(le(amb.programa(QStringLiteral("Natalis.exe"))),
                 instala ? QByteArray("novo programa") : QByteArray("programa antigo"));
        QCOMPARE(a.msg, Exito);
        QCOMPARE(a.cor, CorEstado::Verde);
        QCOMPARE(GetOption(1000), instala ? QStringLiteral("13/4/2000") : QStringLiteral("False"));
    }

    // A complete update is recorded, and the same update is then not offered again.
    void mesmaActualizacaoNaoVolta() {
        amb.publica(comPrograma(2));
        amb.servidor.Serve(QStringLiteral("/upd/Natalis.exe"), "novo");
        amb.servidor.Serve(QStringLiteral("/upd/Intrepreter.mdb"), "base");
        Actualizador a;
        QCOMPARE(a.Update(), Actualizador::Concluida);
        QCOMPARE(GetOption(1000), QStringLiteral("13/4/2000"));
        QCOMPARE(a.Update(), Actualizador::Concluida);
        QCOMPARE(amb.servidor.Pedidos(QStringLiteral("/upd/Natalis.exe")), 1);
        QCOMPARE(a.msg, NenhumaNova);
        QCOMPARE(a.cor, CorEstado::Verde);
    }

    // An update with a failed file is not recorded and comes back on the next run.
    void actualizacaoIncompletaVolta() {
        amb.publica(comPrograma(2));
        amb.servidor.Serve(QStringLiteral("/upd/Natalis.exe"), "novo");
        Actualizador a;
        QCOMPARE(a.Update(), Actualizador::Concluida);
        QCOMPARE(a.Errlist, QStringList{QStringLiteral("Erro na actualização de Intrepreter.mdb")});
        QCOMPARE(GetOption(1000), QStringLiteral("False"));
        amb.servidor.Serve(QStringLiteral("/upd/Intrepreter.mdb"), "base");
        QCOMPARE(a.Update(), Actualizador::Concluida);
        QCOMPARE(amb.servidor.Pedidos(QStringLiteral("/upd/Natalis.exe")), 2);
        QCOMPARE(GetOption(1000), QStringLiteral("13/4/2000"));
        QVERIFY(a.Errlist.isEmpty());
    }

    void dataInstaladaLidaDiaMes() {
        // 5 June 2000 installed; the update of 6 May 2000 is older.
        SaveOption(1000, QStringLiteral("5/6/2000"));
        amb.publica(publicada(
            "[natalis]\nonline=1\nlastdate=6/5/2000\npriority=2\nfilescount=1\nfilename1=Natalis.exe\n"));
        amb.servidor.Serve(QStringLiteral("/upd/Natalis.exe"), "novo");
        Actualizador a;
        QCOMPARE(a.Update(), Actualizador::Concluida);
        QCOMPARE(a.msg, NenhumaNova);
        QCOMPARE(amb.servidor.Pedidos(QStringLiteral("/upd/Natalis.exe")), 0);
    }

    void noticiasDaWeb() {
        amb.publica(
            publicada("[natalis]\nonline=0\n[webupdate]\nlastdate=13/4/2000\nnews=Novo mapa do c\xe9u\n"));
        Actualizador a;
        QSignalSpy noticias(&a, &Actualizador::noticias);
        QSignalSpy pagina(&a, &Actualizador::lancaPagina);

        amb.caixa.respostas = {RespostaMsg::Nao};
        QCOMPARE(a.Update(), Actualizador::Concluida);
        QCOMPARE(perguntas(), QStringList{PerguntaNoticias});
        QCOMPARE(amb.caixa.chamadas.first().icone, IconeMsg::Informacao);
        QCOMPARE(noticias.count(), 1);
        QCOMPARE(noticias.first().first().toString(), QStringLiteral("Novo mapa do céu"));
        QCOMPARE(pagina.count(), 0);
        QCOMPARE(GetOption(-3), QStringLiteral("False"));

        // Declined news is offered again; accepted news is not.
        amb.caixa.respostas = {RespostaMsg::Sim};
        QCOMPARE(a.Update(), Actualizador::Concluida);
        QCOMPARE(perguntas().size(), 2);
        QCOMPARE(pagina.count(), 1);
        QCOMPARE(GetOption(-3), QStringLiteral("13/4/2000"));

        QCOMPARE(a.Update(), Actualizador::Concluida);
        QCOMPARE(perguntas().size(), 2);
        QCOMPARE(noticias.count(), 2);
    }

    void ficheiroFalhado_data() {
        QTest::addColumn<int>("modo");
        using M = ServidorTeste::Modo;
        QTest::newRow("corpo vazio") << int(M::Vazio);
        QTest::newRow("404") << int(M::NaoEncontrado);
        QTest::newRow("fecha a meio") << int(M::FechaAMeio);
        QTest::newRow("parado") << int(M::Parado);
    }
    // The old file stays exactly as it was, the error is listed, the other file still arrives
    // and the run ends red naming the count.
    void ficheiroFalhado() {
        QFETCH(int, modo);
        amb.publica(publicada(
            "[natalis]\nonline=0\n[otherfiles]\nfilescount=2\nfilename1=Default.orb\nfilelocation1=orbs\n"
            "filename2=b.txt\n"));
        amb.servidor.Define(QStringLiteral("/upd/Default.orb"), static_cast<ServidorTeste::Modo>(modo),
                            QByteArray(4000, 'n'));
        amb.servidor.Serve(QStringLiteral("/upd/b.txt"), "b");
        QVERIFY(escreve(amb.programa(QStringLiteral("orbs/Default.orb")), "orbes do utilizador"));
        Actualizador a;
        a.transferencia().DefineTempoLimite(300);
        QCOMPARE(a.Update(), Actualizador::Concluida);
        QCOMPARE(le(amb.programa(QStringLiteral("orbs/Default.orb"))), QByteArray("orbes do utilizador"));
        QCOMPARE(QDir(amb.programa(QStringLiteral("orbs"))).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("Default.orb")});
        QCOMPARE(le(amb.programa(QStringLiteral("b.txt"))), QByteArray("b"));
        QCOMPARE(a.Errlist, QStringList{QStringLiteral("Erro na actualização de Default.orb")});
        QVERIFY(a.ErrlistVisivel);
        QCOMPARE(a.cor, CorEstado::Vermelho);
        QCOMPARE(a.msg, QStringLiteral("A actualização terminou com erros: 1 ficheiro não foi actualizado."));
        QCOMPARE(a.captionCancelar, QStringLiteral("Fechar"));
    }

    void nomesRecusados_data() {
        QTest::addColumn<QString>("localizacao");
        QTest::addColumn<QString>("nome");
        QTest::newRow("../") << ""
                             << "../fora.txt";
        QTest::newRow("..\\") << ""
                              << "..\\fora.txt";
        QTest::newRow("localização ..") << ".."
                                        << "fora.txt";
        QTest::newRow("orbs\\..\\..") << "orbs\\..\\.."
                                      << "fora.txt";
        QTest::newRow("absoluto") << ""
                                  << "@FORA@/fora.txt";
        QTest::newRow("localização absoluta") << "@FORA@"
                                              << "fora.txt";
        QTest::newRow("unidade") << ""
                                 << "C:\\fora.txt";
    }
    void nomesRecusados() {
        QFETCH(QString, localizacao);
        QFETCH(QString, nome);
        localizacao.replace(QLatin1String("@FORA@"), amb.pasta.path());
        nome.replace(QLatin1String("@FORA@"), amb.pasta.path());
        const QByteArray descricao =
            "[natalis]\r\nonline=0\r\n[otherfiles]\r\nfilescount=2\r\nfilename1=" + nome.toUtf8() +
            "\r\nfilelocation1=" + localizacao.toUtf8() + "\r\nfilename2=bom.txt\r\n";
        amb.publica(descricao);
        amb.servidor.Serve(QStringLiteral("/upd/bom.txt"), "bom");
        // Whatever address the name would make, the server has it.
        for (const QString& c : {QStringLiteral("/fora.txt"), QStringLiteral("/upd/fora.txt"),
                                 QStringLiteral("/upd/../fora.txt")})
            amb.servidor.Serve(c, "mau");
        Actualizador a;
        QCOMPARE(a.Update(), Actualizador::Concluida);
        QCOMPARE(a.Errlist, QStringList{QStringLiteral("Erro na actualização de ") + nome});
        QVERIFY(!QFile::exists(amb.pasta.filePath(QStringLiteral("fora.txt"))));
        QVERIFY(!QFile::exists(amb.programa(QStringLiteral("fora.txt"))));
        QCOMPARE(le(amb.programa(QStringLiteral("bom.txt"))), QByteArray("bom"));
        QCOMPARE(amb.servidor.Pedidos(QStringLiteral("/upd/bom.txt")), 1);
        QCOMPARE(amb.servidor.pedidos.size(), 2); // the description and bom.txt, nothing else
        QCOMPARE(a.cor, CorEstado::Vermelho);
    }

    void contagemZeroOuEmFalta_data() {
        QTest::addColumn<QByteArray>("descricao");
        QTest::newRow("zero") << publicada(
            "[natalis]\nonline=1\nlastdate=1/1/2001\npriority=2\nfilescount=0\n"
            "filename1=a.txt\n[otherfiles]\nfilescount=0\nfilename1=b.txt\n");
        QTest::newRow("em falta") << publicada(
            "[natalis]\nonline=1\nlastdate=1/1/2001\npriority=2\nfilename1=a.txt\n"
            "[otherfiles]\nfilename1=b.txt\n");
    }
    void contagemZeroOuEmFalta() {
        QFETCH(QByteArray, descricao);
        amb.publica(descricao);
        amb.servidor.Serve(QStringLiteral("/upd/a.txt"), "a");
        amb.servidor.Serve(QStringLiteral("/upd/b.txt"), "b");
        Actualizador a;
        QCOMPARE(a.Update(), Actualizador::Concluida);
        QCOMPARE(amb.servidor.pedidos, QStringList{QStringLiteral("/upd/update.txt")});
        QCOMPARE(a.msg, Exito);
    }

    // The progress line names the file being fetched while it arrives.
    void progressoNomeiaFicheiro() {
        amb.publica(publicada("[natalis]\nonline=0\n[otherfiles]\nfilescount=1\nfilename1=grande.bin\n"));
        amb.servidor.Serve(QStringLiteral("/upd/grande.bin"), QByteArray(200000, 'g'));
        Actualizador a;
        QStringList vistos;
        connect(&a, &Actualizador::mudou, this, [&] {
            if (vistos.isEmpty() || vistos.last() != a.lblprog) vistos << a.lblprog;
        });
        QCOMPARE(a.Update(), Actualizador::Concluida);
        QVERIFY2(vistos.contains(QStringLiteral("Actualizando outros ficheiros...\ngrande.bin (1 de 1)")),
                 qPrintable(vistos.join(QLatin1Char('|'))));
    }
};

QTEST_GUILESS_MAIN(TestActualizacao)
#include "test_actualizacao.moc"
