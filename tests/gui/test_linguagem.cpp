// What the windows say and in which language: the corrected spelling of captions, menus and
// chooser filters, Qt's own dialogs in Portuguese of Portugal, and the messages of the commands
// that leave the program (the web site, the update).
#include "ambientegui.h"
#include "frmoptions.h"
#include "janelasgui.h"
#include "traducaoqt.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>

namespace {
// Every text a user can read in a window: captions, titles, labels, menu entries, tabs.
QStringList textosVisiveis(QWidget* janela) {
    QStringList t{janela->windowTitle()};
    for (auto* b : janela->findChildren<QAbstractButton*>())
        t << b->text();
    for (auto* g : janela->findChildren<QGroupBox*>())
        t << g->title();
    for (auto* l : janela->findChildren<QLabel*>())
        t << l->text();
    for (auto* m : janela->findChildren<QMenu*>()) {
        t << m->title();
        for (auto* a : m->actions())
            t << a->text();
    }
    for (auto* tabs : janela->findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i)
            t << tabs->tabText(i);
    for (auto* w : janela->findChildren<QWidget*>())
        if (!w->toolTip().isEmpty())
            t << w->toolTip();
    return t;
}

// Brazilian forms that Qt's pt-BR catalogue would show.
const QRegularExpression kBrasileiro(QStringLiteral("[Aa]rquivo|\\btela\\b|[Ss]elecion|[Ss]alvar|[Uu]suário|correto\\b"));

// A browser that only notes the addresses it is asked to open.
class Navegador : public QObject {
    Q_OBJECT
public slots:
    void abre(const QUrl& u) { abertos << u; }

public:
    QList<QUrl> abertos;
};
} // namespace

class TestLinguagem : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void ortografia_data();
    void ortografia();
    void versaoNoSplash();
    void sitioSemNavegador_data();
    void sitioSemNavegador();
    void actualizacaoAvisaAntesDeFechar();
    // Last: these leave the real file chooser in place of the test's answers.
    void dialogosQt_data();
    void dialogosQt();
    void ficheiroNaoEncontrado();
    void cleanupTestCase() { m_j.reset(); }

private:
    std::unique_ptr<AmbienteGui> m_amb;
    std::unique_ptr<frmMain> m_j;
    CamposMapa m_campos;
};

void TestLinguagem::initTestCase() {
    QVERIFY(InstalaTraducaoQt(*qApp)); // as the program does at start
    m_amb = std::make_unique<AmbienteGui>();
    m_j.reset(Arranca({}, AmbienteGui::opcoesTeste()));
    QVERIFY(m_j);
    QVERIFY(QTest::qWaitForWindowExposed(m_j.get()));
    escreveNascimento(m_j.get());
    QVERIFY2(m_j->sessao().campos().mapaAberto, "o mapa não foi calculado");
}

void TestLinguagem::ortografia_data() {
    QTest::addColumn<QString>("janela");
    QTest::addColumn<QString>("texto");
    QTest::newRow("modo de cálculo") << "frmMain" << "Automaticamente";
    QTest::newRow("exportar") << "frmMain" << "Interpretação Automática...";
    QTest::newRow("imprimir") << "frmMain" << "Interpretação";
    QTest::newRow("opções: geral") << "frmOptions" << "Ao criar novo, calcular posições ...";
    QTest::newRow("opções: modo") << "frmOptions" << "Automaticamente";
    QTest::newRow("opções: cores") << "frmOptions" << "Esquema de cores do texto de Interpretação";
    QTest::newRow("opções: orbes") << "frmOptions" << "Usar Predefinido";
    QTest::newRow("leitura: menu") << "frmread" << "&Interpretação";
    QTest::newRow("leitura: imprimir") << "frmread" << "Imprimir Interpretação";
    QTest::newRow("leitura: pessoal") << "frmread" << "Interpretação pessoal";
    QTest::newRow("posição directa") << "frmcalculosdirectos" << "Retrogrado";
    QTest::newRow("sítio") << "frmMain" << "Sítio na Internet";
    // The chooser's filter, as the report export proposes it.
    QTest::newRow("filtro do relatório") << "" << "Interpretação (*.rtf)";
}

void TestLinguagem::ortografia() {
    QFETCH(QString, janela);
    QFETCH(QString, texto);
    QStringList textos;
    if (janela.isEmpty()) {
        m_amb->pedidos.clear();
        m_j->accao(QStringLiteral("mnuexport"))->trigger();
        QCOMPARE(m_amb->pedidos.size(), 1);
        textos << m_amb->pedidos[0].filtro;
    } else {
        QWidget* w = abreJanela(m_j.get(), janela, m_campos);
        QVERIFY(w);
        textos = textosVisiveis(w);
    }
    QVERIFY2(textos.contains(texto), qPrintable(textos.join(QStringLiteral(" | "))));
    const QRegularExpression erros(QStringLiteral("Intrepreta|intrepreta|Predefenid|Automáticamente|Retogrado|cirar"));
    for (const QString& t : std::as_const(textos))
        QVERIFY2(!t.contains(erros), qPrintable(t));
}

// Qt's own dialogs, opened by the program's commands: what they show is Portuguese of Portugal.
void TestLinguagem::dialogosQt_data() {
    QTest::addColumn<QString>("comando");
    QTest::addColumn<QString>("texto");
    QTest::newRow("abrir: pasta nova") << "mnuFileOpen" << "Criar pasta nova";
    QTest::newRow("abrir: vista") << "mnuFileOpen" << "Vista detalhada";
    QTest::newRow("abrir: recuar") << "mnuFileOpen" << "Voltar";
    QTest::newRow("guardar como: pasta acima") << "mnuFileSaveAs" << "Pasta acima";
    QTest::newRow("cor: ecrã") << "cores0" << "&Seleccionar cor no ecrã";
    QTest::newRow("cor: personalizadas") << "cores0" << "&Adicionar às cores personalizadas";
    QTest::newRow("cor: tonalidade") << "cores0" << "T&onalidade:";
}

void TestLinguagem::dialogosQt() {
    QFETCH(QString, comando);
    QFETCH(QString, texto);
    DefineRespostaFicheiro({}); // the real file chooser
    QStringList textos;
    QTimer::singleShot(100, [&textos] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            textos = textosVisiveis(d);
            d->reject();
        }
    });
    if (comando.startsWith(QLatin1String("mnu"))) {
        m_j->accao(comando)->trigger();
    } else {
        m_j->accao(QStringLiteral("mnuViewOptions"))->trigger();
        auto* opcoes = m_j->findChild<frmOptions*>();
        QVERIFY(opcoes);
        filho<QPushButton>(opcoes, qPrintable(comando))->click();
        opcoes->close();
    }
    QVERIFY2(!textos.isEmpty(), "nenhum diálogo aberto");
    QVERIFY2(textos.contains(texto), qPrintable(textos.join(QStringLiteral(" | "))));
    for (const QString& t : std::as_const(textos))
        QVERIFY2(!t.contains(kBrasileiro), qPrintable(t));
}

// A name that is not there, typed in the open chooser: the message is Portugal's.
void TestLinguagem::ficheiroNaoEncontrado() {
    DefineRespostaFicheiro({});
    QString mensagem;
    QTimer::singleShot(100, [&mensagem] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d)
            return;
        auto* nome = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QTimer::singleShot(100, [&mensagem] {
            if (auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                mensagem = m->text();
                m->accept();
            }
        });
        QTest::keyClicks(nome, QStringLiteral("inexistente.anc"));
        QTest::keyClick(nome, Qt::Key_Return);
        d->reject();
    });
    m_j->accao(QStringLiteral("mnuFileOpen"))->trigger();
    QVERIFY2(mensagem.endsWith(QStringLiteral("inexistente.anc\nFicheiro não encontrado.\n"
                                              "Verifique se o nome do ficheiro está correcto.")),
             qPrintable(mensagem));
}

// The project's version, 1.0.0, under the title of the splash.
void TestLinguagem::versaoNoSplash() { QCOMPARE(TextoVersaoSplash(), QStringLiteral("Versão 1.0.0")); }

void TestLinguagem::sitioSemNavegador_data() {
    QTest::addColumn<QString>("comando");
    QTest::addColumn<QString>("endereco");
    QTest::addColumn<QString>("mensagem");
    QTest::newRow("sítio") << "mnuwebsite" << "https://natalis.pt/?p=Natalis"
                           << "Não foi encontrado um navegador de Internet para abrir o sítio do Natalis.\n"
                              "Visite https://natalis.pt no navegador que usa.";
    QTest::newRow("e-mail") << "mnuemailme" << "mailto:autor@natalis.pt?subject=Natalis"
                            << "Não foi encontrado um programa de correio electrónico.\n"
                               "Escreva ao autor para autor@natalis.pt.";
}

// Qt's offscreen platform has no program for addresses, like a desktop without a browser.
void TestLinguagem::sitioSemNavegador() {
    QFETCH(QString, comando);
    QFETCH(QString, endereco);
    QFETCH(QString, mensagem);
    m_amb->caixa.chamadas.clear();
    m_j->accao(comando)->trigger();
    QCOMPARE(m_amb->caixa.chamadas.size(), 1);
    QCOMPARE(m_amb->caixa.chamadas[0].icone, IconeMsg::Exclamacao);
    QCOMPARE(m_amb->caixa.chamadas[0].texto, mensagem);

    // With a program for the address it opens, and nothing is said.
    Navegador navegador;
    const QString esquema = QUrl(endereco).scheme();
    QDesktopServices::setUrlHandler(esquema, &navegador, "abre");
    m_amb->caixa.chamadas.clear();
    m_j->accao(comando)->trigger();
    QDesktopServices::unsetUrlHandler(esquema);
    QCOMPARE(navegador.abertos, QList<QUrl>{QUrl(endereco)});
    QVERIFY(m_amb->caixa.chamadas.isEmpty());
}

// Yes to the update: renovo starts, and the user is told that Natalis is ending before it ends.
void TestLinguagem::actualizacaoAvisaAntesDeFechar() {
#ifdef Q_OS_WIN
    QSKIP("the stand-in updater is a shell script");
#endif
    const QString marca = m_amb->pasta.filePath(QStringLiteral("renovo-correu"));
    QFile renovo(m_amb->pasta.filePath(NomeExecutavel(QStringLiteral("renovo"))));
    QVERIFY(renovo.open(QIODevice::WriteOnly | QIODevice::Truncate));
    renovo.write(QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(marca).toUtf8());
    renovo.close();
    renovo.setPermissions(renovo.permissions() | QFileDevice::ExeOwner);
    m_amb->caixa.chamadas.clear();
    m_amb->caixa.respostas << RespostaMsg::Sim << RespostaMsg::Nao;
    m_j->accao(QStringLiteral("mnuupdate"))->trigger();
    QTRY_VERIFY(QFile::exists(marca));
    QVERIFY(!m_amb->caixa.chamadas.isEmpty());
    QCOMPARE(m_amb->caixa.chamadas.last().icone, IconeMsg::Informacao);
    QCOMPARE(m_amb->caixa.chamadas.last().texto,
             QStringLiteral("O Natalis vai fechar agora, para que o renovo possa actualizar os seus ficheiros.\n"
                            "Volte a abri-lo quando a actualização terminar."));
}

QTEST_MAIN(TestLinguagem)
#include "test_linguagem.moc"
