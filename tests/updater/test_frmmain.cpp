// The updater window and the "/N" mode, on the offscreen platform against a loopback HTTP
// server. With RENOVO_CAPTURAS set to a folder, the window after a successful and after a
// failed run is saved there as PNG for a person to look at.
#include "ambienterun.h"
#include "frmmain.h"
#include "frmmsg.h"
#include "mensagens.h"
#include "opcoes.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QNetworkProxy>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// Counts the times a widget is shown.
class ContaMostras : public QObject {
public:
    int mostras = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Show) ++mostras;
        return false;
    }
};

// True when some pixel of the widget has exactly this colour (the solid core of the glyphs).
bool temCor(QWidget* w, QRgb cor) {
    const QImage img = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((img.pixel(x, y) & 0xffffff) == (cor & 0xffffff)) return true;
    return false;
}

void captura(QWidget* w, const QString& nome) {
    const QString pasta = qEnvironmentVariable("RENOVO_CAPTURAS");
    if (!pasta.isEmpty()) QVERIFY(w->grab().save(pasta + QLatin1Char('/') + nome));
}
} // namespace

class TestFrmmain : public QObject {
    Q_OBJECT
    AmbienteRun amb;

    template <class T> static T* controlo(QWidget& w, const char* nome) {
        T* c = w.findChild<T*>(QString::fromLatin1(nome));
        if (!c) qFatal("control %s missing", nome);
        return c;
    }
    // Shows the window and clicks "Actualizar"; the run ends before the click returns.
    static void actualiza(frmmain& w) {
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseClick(controlo<QPushButton>(w, "cmdactual"), Qt::LeftButton);
    }

private slots:
    void initTestCase() { QVERIFY(amb.Inicia()); }
    void cleanupTestCase() { amb.Termina(); }
    void init() { QVERIFY(amb.Prepara()); }

    void linhaDeComandos_data() {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<bool>("semJanela");
        QTest::newRow("/N") << QStringList{"/N"} << true;
        QTest::newRow("minúscula") << QStringList{"/n"} << false;
        QTest::newRow("nenhum") << QStringList{} << false;
        QTest::newRow("com mais") << QStringList{"/N", "x"} << false;
        QTest::newRow("hífen") << QStringList{"-N"} << false;
    }
    void linhaDeComandos() {
        QFETCH(QStringList, argumentos);
        QFETCH(bool, semJanela);
        QCOMPARE(frmmain::SemJanela(argumentos), semJanela);
    }

    void semJanelaNuncaMostra() {
        QVERIFY(amb.publica(
            publicada("[natalis]\nonline=0\n[otherfiles]\nfilescount=1\nfilename1=a.orb\nfilelocation1=orbs\n"),
            {{"a.orb", "5"}}));
        frmmain w;
        w.actualizador().DefineChave(amb.chave);
        ContaMostras conta;
        w.installEventFilter(&conta);
        QCOMPARE(w.ExecutaSemJanela(), 0);
        QCOMPARE(conta.mostras, 0);
        QVERIFY(!w.isVisible());
        QVERIFY(QFile::exists(amb.programa(QStringLiteral("orbs/a.orb"))));
    }

    // The real program with "/N" runs and ends by itself; its built-in key refuses an update
    // signed with any other key (here the tests' own), so nothing arrives and it ends with 1.
    void programaSemJanelaTermina() {
        const QString original = QStringLiteral(NATALIS_PROGRAM_DIR "/renovo");
        if (!QFile::exists(original)) QFAIL("renovo has not been built");
        QTemporaryDir copia;
        const QString exe = copia.filePath(QStringLiteral("renovo"));
        QVERIFY(QFile::copy(original, exe));
        QVERIFY(amb.publica(publicada("[natalis]\nonline=0\n[otherfiles]\nfilescount=1\nfilename1=novo.txt\n"),
                            {{"novo.txt", "chegou"}}));
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* v :
             {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
            env.remove(QString::fromLatin1(v));
        env.insert(QStringLiteral("no_proxy"), QStringLiteral("127.0.0.1"));
        p.setProcessEnvironment(env);
        QSignalSpy fim(&p, &QProcess::finished);
        p.start(exe, {QStringLiteral("/N")});
        QVERIFY(p.waitForStarted());
        QVERIFY2(fim.wait(20000), "renovo /N did not end after its run");
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 1);
        QCOMPARE(amb.servidor.Pedidos(QStringLiteral("/upd/update.txt.minisig")), 1);
        QCOMPARE(amb.servidor.Pedidos(QStringLiteral("/upd/novo.txt")), 0);
        QCOMPARE(QDir(copia.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("renovo")});
    }

    void janelaInicial() {
        frmmain w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.windowTitle(), QStringLiteral("Actualização do Natalis"));
        QCOMPARE(controlo<QLabel>(w, "current")->text(), QStringLiteral("Versão 1.0.0 do Natalis instalada"));
        QCOMPARE(controlo<QLabel>(w, "msg")->text(),
                 QStringLiteral("Para proceder à actualização clique em \"Actualizar\""));
        QVERIFY(temCor(controlo<QLabel>(w, "msg"), qRgb(0, 0, 240)));
        QCOMPARE(controlo<QPushButton>(w, "cmdactual")->text(), QStringLiteral("Actualizar"));
        QCOMPARE(controlo<QPushButton>(w, "Command2")->text(), QStringLiteral("Cancelar"));
        QVERIFY(!controlo<QListWidget>(w, "Errlist")->isVisible());
    }

    void runComExito() {
        QVERIFY(amb.publica(
            publicada("[natalis]\nonline=1\nlastdate=1/2/2003\npriority=2\nfilescount=1\nfilename1=Natalis\n"
                      "[otherfiles]\nfilescount=2\nfilename1=a.orb\nfilelocation1=orbs\nfilename2=b.txt\n"),
            {{"a.orb", "5"}, {"b.txt", "b"}, {"Natalis", "programa"}}));
        frmmain w;
        w.actualizador().DefineChave(amb.chave);
        actualiza(w);
        auto* msg = controlo<QLabel>(w, "msg");
        QCOMPARE(msg->text(), QStringLiteral("Actualização efectuada com êxito."));
        QVERIFY(temCor(msg, qRgb(0, 180, 0)));
        QCOMPARE(controlo<QPushButton>(w, "Command2")->text(), QStringLiteral("Fechar"));
        QVERIFY(controlo<QPushButton>(w, "cmdactual")->isEnabled());
        QVERIFY(!controlo<QListWidget>(w, "Errlist")->isVisible());
        QCOMPARE(controlo<QLabel>(w, "lblprog")->text(),
                 QStringLiteral("O Natalis tem uma nova actualização.\nActualizando..."));
        QCOMPARE(GetOption(1000), QStringLiteral("1/2/2003"));
        captura(&w, QStringLiteral("renovo-exito.png"));
    }

    // One file fails: none is installed, and the list grows line by line (its first line is
    // never rebuilt while more arrive).
    void runComFalhas() {
        QVERIFY(amb.publica(publicada("[natalis]\nonline=0\n[otherfiles]\nfilescount=2\nfilename1=b.txt\n"
                                      "filename2=a.orb\nfilelocation2=orbs\n"),
                            {{"a.orb", "5"}, {"b.txt", "b"}}));
        amb.servidor.Define(QStringLiteral("/upd/a.orb"), ServidorTeste::Modo::NaoEncontrado);
        frmmain w;
        w.actualizador().DefineChave(amb.chave);
        auto* erros = controlo<QListWidget>(w, "Errlist");
        // A mark on the first line's item survives only if the item is never rebuilt.
        bool marcado = false;
        connect(&w.actualizador(), &Actualizador::mudou, this, [&] {
            if (!marcado && erros->count() > 0) {
                erros->item(0)->setData(Qt::UserRole, 42);
                marcado = true;
            }
        });
        actualiza(w);
        auto* msg = controlo<QLabel>(w, "msg");
        QCOMPARE(msg->text(),
                 QStringLiteral("A actualização terminou com erros: 2 ficheiros não foram actualizados."));
        QVERIFY(temCor(msg, qRgb(240, 0, 0)));
        QVERIFY(erros->isVisible());
        QCOMPARE(erros->count(), 3);
        QCOMPARE(erros->item(0)->text(), QStringLiteral("Erro na actualização de a.orb"));
        QCOMPARE(erros->item(2)->text(),
                 QStringLiteral("Nenhum ficheiro foi substituído: a instalação anterior ficou como estava."));
        QCOMPARE(erros->item(0)->data(Qt::UserRole).toInt(), 42);
        QVERIFY(!QFile::exists(amb.programa(QStringLiteral("b.txt"))));
        captura(&w, QStringLiteral("renovo-falha.png"));
    }

    void recusada_data() {
        QTest::addColumn<QByteArray>("descricao");
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<bool>("activo");
        QTest::addColumn<QString>("erro");
        QTest::newRow("sem assinatura")
            << publicada("[natalis]\nonline=0\n[otherfiles]\nfilescount=1\nfilename1=b.txt\n")
            << QStringLiteral("A actualização foi recusada") << true << QStringLiteral("update.txt.minisig");
        QTest::newRow("descrição inválida desactiva")
            << publicada("\n[natalis]\n[otherfiles]\nfilescount=1\nfilename1=b.txt\n")
            << QStringLiteral("A Actualização não foi possivel") << false
            << QStringLiteral("informação de actualização não foi encontrada");
    }
    // Refused in the window, saying why, before any file is fetched.
    void recusada() {
        QFETCH(QByteArray, descricao);
        QFETCH(QString, mensagem);
        QFETCH(bool, activo);
        QFETCH(QString, erro);
        amb.publicaSemAssinar(descricao);
        amb.servidor.Serve(QStringLiteral("/upd/b.txt"), "b");
        frmmain w;
        actualiza(w);
        auto* msg = controlo<QLabel>(w, "msg");
        QVERIFY2(msg->text().startsWith(mensagem), qPrintable(msg->text()));
        QVERIFY(temCor(msg, qRgb(240, 0, 0)));
        auto* erros = controlo<QListWidget>(w, "Errlist");
        QVERIFY(erros->isVisible());
        QCOMPARE(erros->count(), 1);
        QVERIFY2(erros->item(0)->text().contains(erro), qPrintable(erros->item(0)->text()));
        QCOMPARE(controlo<QPushButton>(w, "cmdactual")->isEnabled(), activo);
        QCOMPARE(amb.servidor.Pedidos(QStringLiteral("/upd/b.txt")), 0);
        captura(&w, QStringLiteral("renovo-%1.png").arg(QLatin1String(activo ? "recusada" : "invalida")));
    }

    void fechoRecusadoCancelarTermina() {
        frmmain w;
        QSignalSpy termina(&w, &frmmain::terminar);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(!w.close());
        QVERIFY(w.isVisible());
        QCOMPARE(termina.count(), 0);
        QTest::mouseClick(controlo<QPushButton>(w, "Command2"), Qt::LeftButton);
        QCOMPARE(termina.count(), 1);
        QVERIFY(!w.isVisible());
    }

    // "Cancelar" during a stalled transfer ends the run at once and leaves the old file.
    void cancelarDuranteTransferencia() {
        QVERIFY(amb.publica(
            publicada("[natalis]\nonline=0\n[otherfiles]\nfilescount=2\nfilename1=lento.bin\nfilename2=b.txt\n"),
            {{"lento.bin", QByteArray(10000, 'x')}, {"b.txt", "b"}}));
        amb.servidor.Define(QStringLiteral("/upd/lento.bin"), ServidorTeste::Modo::Parado,
                            QByteArray(10000, 'x'));
        QVERIFY(escreve(amb.programa(QStringLiteral("lento.bin")), "anterior"));
        frmmain w;
        w.actualizador().DefineChave(amb.chave);
        w.actualizador().transferencia().DefineTempoLimite(60000);
        QSignalSpy termina(&w, &frmmain::terminar);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* cancelar = controlo<QPushButton>(w, "Command2");
        QTimer::singleShot(300, cancelar, [cancelar] { QTest::mouseClick(cancelar, Qt::LeftButton); });
        QElapsedTimer relogio;
        relogio.start();
        QTest::mouseClick(controlo<QPushButton>(w, "cmdactual"), Qt::LeftButton);
        QVERIFY2(relogio.elapsed() < 20000, "the run must stop when asked, not wait for the time-out");
        QCOMPARE(termina.count(), 1);
        QCOMPARE(le(amb.programa(QStringLiteral("lento.bin"))), QByteArray("anterior"));
        QCOMPARE(amb.servidor.Pedidos(QStringLiteral("/upd/b.txt")), 0);
        QCOMPARE(QDir(amb.programa(QString())).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 (QStringList{QStringLiteral("lento.bin"), QStringLiteral("orbs")}));
    }

    void janelaDeNoticias() {
        QVERIFY(amb.publica(
            publicada("[natalis]\nonline=0\n[webupdate]\nlastdate=2/3/2004\nnews=Mapas novos no site\n")));
        amb.caixa.respostas = {RespostaMsg::Sim};
        frmmain w;
        w.actualizador().DefineChave(amb.chave);
        int lancadas = 0;
        w.LancarWebpage = [&] { ++lancadas; };
        w.move(100, 50);
        actualiza(w);
        frmmsg* n = w.janelaNoticias();
        QVERIFY(n->isVisible());
        QCOMPARE(n->Texto(), QStringLiteral("Mapas novos no site"));
        captura(n, QStringLiteral("renovo-noticias.png"));
        QCOMPARE(n->pos(),
                 QPoint(w.frameGeometry().left(), w.frameGeometry().top() + w.frameGeometry().height()));
        QCOMPARE(lancadas, 1);
        QCOMPARE(GetOption(-3), QStringLiteral("2/3/2004"));
        // A click on the text closes it.
        QTest::mouseClick(n->findChild<QLabel*>(QStringLiteral("msg")), Qt::LeftButton);
        QVERIFY(!n->isVisible());
    }
};

QTEST_MAIN(TestFrmmain)
#include "test_frmmain.moc"
