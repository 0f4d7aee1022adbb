// The updater window and the "/N" mode, on the offscreen platform against a loopback HTTP
// server, driven by clicks on the window's own buttons.
#include "ferramentas.h"
#include "ambienterun.h"
#include "frmrenovo.h"
#include "frmmsg.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {
// Standard error sent to a file for a while (the C runtime's descriptors on Windows).
#ifdef Q_OS_WIN
int Duplica(int f) { return _dup(f); }
void Redirige(int de, int para) { _dup2(de, para); }
void Fecha(int f) { _close(f); }
#else
int Duplica(int f) { return dup(f); }
void Redirige(int de, int para) { dup2(de, para); }
void Fecha(int f) { close(f); }
#endif
} // namespace

namespace {
template <class T = QLabel> T* controlo(QWidget& w, const char* nome) {
    T* c = w.findChild<T*>(QString::fromLatin1(nome));
    if (!c) qFatal("control %s missing", nome);
    return c;
}
QListWidget* erros(QWidget& w) { return controlo<QListWidget>(w, "Errlist"); }
QPushButton* botao(QWidget& w, const char* nome) { return controlo<QPushButton>(w, nome); }
} // namespace

class TestFrmmain : public QObject {
    Q_OBJECT
    AmbienteRun amb;

    // Shows the window and clicks "Actualizar"; the run ends before the click returns.
    static void actualiza(frmmain& w) {
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseClick(botao(w, "cmdactual"), Qt::LeftButton);
    }

private slots:
    void initTestCase() { EXIGE_FERRAMENTA("minisign", "minisign"); QVERIFY(amb.Inicia()); }
    void cleanupTestCase() { amb.Termina(); }
    void init() { QVERIFY(amb.Prepara()); }

    // Only "/N", alone and in capitals, runs without a window; that run never shows it, and
    // ends with 0 when the update was made, 1 when not (here: the built-in key refuses it).
    void semJanela() {
        QVERIFY(frmmain::SemJanela({"/N"}));
        for (const QStringList& outros : {QStringList{"/n"}, QStringList{}, QStringList{"/N", "x"}, QStringList{"-N"}})
            QVERIFY2(!frmmain::SemJanela(outros), qPrintable(outros.join(' ')));
        QVERIFY(amb.publica(publicada("[natalis]\nonline=0\n[otherfiles]\nfilescount=1\nfilename1=a.orb\n"
                                      "filelocation1=orbs\n"),
                            {{"a.orb", "5"}}));
        frmmain w;
        w.actualizador().DefineChave(amb.chave);
        QCOMPARE(w.ExecutaSemJanela(), 0);
        QVERIFY(!w.testAttribute(Qt::WA_WState_ExplicitShowHide)); // never shown, nor hidden again
        QVERIFY(QFile::exists(amb.programa(QStringLiteral("orbs/a.orb"))));
        // A refusal says why on standard error: the status line and the error list.
        w.actualizador().DefineChave(ChaveDoNatalis());
        QTemporaryFile saida;
        QVERIFY(saida.open());
        const int antigo = Duplica(2);
        Redirige(saida.handle(), 2);
        const int r = w.ExecutaSemJanela();
        Redirige(antigo, 2);
        Fecha(antigo);
        QCOMPARE(r, 1);
        const QString escrito = QString::fromLocal8Bit(le(saida.fileName()));
        QVERIFY2(escrito.startsWith(QStringLiteral("renovo: A actualização foi recusada")), qPrintable(escrito));
        QCOMPARE(w.actualizador().Errlist.size(), 1);
        QVERIFY2(escrito.endsWith(w.actualizador().Errlist[0] + QLatin1Char('\n')), qPrintable(escrito));
    }

    // One file fails: none is installed, the list grows line by line (its first line is never
    // rebuilt while more arrive), and the run ends as any does, "Cancelar" become "Fechar".
    void runComFalhas() {
        QVERIFY(amb.publica(publicada("[natalis]\nonline=0\n[otherfiles]\nfilescount=2\nfilename1=b.txt\n"
                                      "filename2=a.orb\nfilelocation2=orbs\n"),
                            {{"a.orb", "5"}, {"b.txt", "b"}}));
        amb.servidor.Define(QStringLiteral("/upd/a.orb"), ServidorTeste::Modo::NaoEncontrado);
        frmmain w;
        w.actualizador().DefineChave(amb.chave);
        QListWidget* lista = erros(w);
        // A mark on the first line's item survives only if the item is never rebuilt.
        connect(&w.actualizador(), &Actualizador::mudou, this, [&] {
            if (lista->count() > 0 && !lista->item(0)->data(Qt::UserRole).isValid())
                lista->item(0)->setData(Qt::UserRole, 42);
        });
        actualiza(w);
        QCOMPARE(controlo(w, "msg")->text(),
                 QStringLiteral("A actualização terminou com erros: 2 ficheiros não foram actualizados."));
        QVERIFY(lista->isVisible());
        QCOMPARE(lista->count(), 3);
        QCOMPARE(lista->item(0)->text(), QStringLiteral("Erro na actualização de a.orb"));
        QCOMPARE(lista->item(2)->text(),
                 QStringLiteral("Nenhum ficheiro foi substituído: a instalação anterior ficou como estava."));
        QCOMPARE(lista->item(0)->data(Qt::UserRole).toInt(), 42);
        QVERIFY(!QFile::exists(amb.programa(QStringLiteral("b.txt"))));
        QCOMPARE(controlo(w, "lblprog")->text(), QStringLiteral("Actualizando outros ficheiros..."));
        QCOMPARE(botao(w, "Command2")->text(), QStringLiteral("Fechar"));
    }

    // An invalid description is refused in the window, saying why, before any file is fetched,
    // and "Actualizar" stays disabled.
    void descricaoInvalida() {
        amb.publicaSemAssinar(publicada("\n[natalis]\n[otherfiles]\nfilescount=1\nfilename1=b.txt\n"));
        amb.servidor.Serve(QStringLiteral("/upd/b.txt"), "b");
        frmmain w;
        actualiza(w);
        QVERIFY2(controlo(w, "msg")->text().startsWith("A Actualização não foi possivel"),
                 qPrintable(controlo(w, "msg")->text()));
        QVERIFY(erros(w)->isVisible());
        QCOMPARE(erros(w)->count(), 1);
        QVERIFY2(erros(w)->item(0)->text().contains("informação de actualização não foi encontrada"),
                 qPrintable(erros(w)->item(0)->text()));
        QVERIFY(!botao(w, "cmdactual")->isEnabled());
        QCOMPARE(amb.servidor.Pedidos(QStringLiteral("/upd/b.txt")), 0);
    }

    // The window as it opens: the installed version (or that it is unknown); its close box does
    // nothing, "Cancelar" ends the program.
    void janelaInicialFechoCancelar() {
        frmmain w;
        QSignalSpy termina(&w, &frmmain::terminar);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(controlo(w, "current")->text(), QStringLiteral("Versão 1.0.0 do Natalis instalada"));
        QVERIFY(!erros(w)->isVisible());
        QVERIFY(!w.close());
        QCOMPARE(termina.count(), 0);
        QTest::mouseClick(botao(w, "Command2"), Qt::LeftButton);
        QCOMPARE(termina.count(), 1);
        QVERIFY(!w.isVisible());
        SaveOption(-2, QString());
        frmmain semVersao;
        QCOMPARE(controlo(semVersao, "current")->text(), QStringLiteral("Versão do Natalis instalada desconhecida"));
    }

    // "Cancelar" during a stalled transfer ends the run at once and leaves the old file.
    void cancelarDuranteTransferencia() {
        QVERIFY(amb.publica(publicada("[natalis]\nonline=0\n[otherfiles]\nfilescount=2\nfilename1=lento.bin\n"
                                      "filename2=b.txt\n"),
                            {{"lento.bin", QByteArray(10000, 'x')}, {"b.txt", "b"}}));
        amb.servidor.Define(QStringLiteral("/upd/lento.bin"), ServidorTeste::Modo::Parado, QByteArray(10000, 'x'));
        QVERIFY(escreve(amb.programa(QStringLiteral("lento.bin")), "anterior"));
        frmmain w;
        w.actualizador().DefineChave(amb.chave);
        w.actualizador().transferencia().DefineTempoLimite(60000);
        QSignalSpy termina(&w, &frmmain::terminar);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QPushButton* cancelar = botao(w, "Command2");
        QTimer::singleShot(300, cancelar, [cancelar] { QTest::mouseClick(cancelar, Qt::LeftButton); });
        QElapsedTimer relogio;
        relogio.start();
        QTest::mouseClick(botao(w, "cmdactual"), Qt::LeftButton);
        QVERIFY2(relogio.elapsed() < 20000, "the run must stop when asked, not wait for the time-out");
        QCOMPARE(termina.count(), 1);
        QCOMPARE(le(amb.programa(QStringLiteral("lento.bin"))), QByteArray("anterior"));
        QCOMPARE(amb.servidor.Pedidos(QStringLiteral("/upd/b.txt")), 0);
        QCOMPARE(QDir(amb.programa(QString())).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 (QStringList{"lento.bin", "orbs"}));
    }

    // The news shows below the window and closes on a click; the question is asked until the
    // site is visited, which records the news' date. Placed near the bottom of the screen, the
    // window and its news still fit wholly on it.
    void janelaDeNoticias() {
        QVERIFY(amb.publica(publicada("[natalis]\nonline=0\n[webupdate]\nlastdate=2/3/2004\nnews=Mapas novos no site\n")));
        amb.caixa.respostas = {RespostaMsg::Nao, RespostaMsg::Sim};
        frmmain w;
        w.actualizador().DefineChave(amb.chave);
        int lancadas = 0;
        w.LancarWebpage = [&] { ++lancadas; };
        w.move(100, 50);
        actualiza(w);
        frmmsg* n = w.janelaNoticias();
        QVERIFY(n->isVisible());
        QCOMPARE(n->Texto(), QStringLiteral("Mapas novos no site"));
        QCOMPARE(n->pos(), QPoint(w.frameGeometry().left(), w.frameGeometry().bottom() + 1));
        QCOMPARE(amb.caixa.chamadas.size(), 1);
        QCOMPARE(amb.caixa.chamadas[0].texto,
                 QStringLiteral("Existem alterações no Site do Natalis.\nDeseja visitá-lo agora?"));
        QCOMPARE(amb.caixa.chamadas[0].icone, IconeMsg::Informacao);
        QCOMPARE(lancadas, 0);
        QCOMPARE(GetOption(-3), QStringLiteral("False"));
        const QRect livre = w.screen()->availableGeometry();
        w.move(livre.right() - 200, livre.bottom() - 40);
        QApplication::processEvents();
        const QRect janela = w.frameGeometry(), noticias = n->frameGeometry();
        QVERIFY2(livre.contains(janela) && livre.contains(noticias),
                 qPrintable(QString("%1,%2 %3x%4").arg(janela.x()).arg(janela.y()).arg(janela.width()).arg(janela.height())));
        QVERIFY(!janela.intersects(noticias));
        QTest::mouseClick(controlo(*n, "msg"), Qt::LeftButton);
        QVERIFY(!n->isVisible());

        QTest::mouseClick(botao(w, "cmdactual"), Qt::LeftButton);
        QCOMPARE(lancadas, 1);
        QCOMPARE(GetOption(-3), QStringLiteral("2/3/2004"));
        QTest::mouseClick(botao(w, "cmdactual"), Qt::LeftButton);
        QCOMPARE(amb.caixa.chamadas.size(), 2);
    }
};

QTEST_MAIN(TestFrmmain)
#include "test_frmmain.moc"
