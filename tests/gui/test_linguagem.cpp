// What the windows say and in which language: the corrected spelling of captions, menus and
// chooser filters, Qt's own dialogs in Portuguese of Portugal, and the messages of the commands
// that leave the program (the web site, the update).
#include "ambientegui.h"
#include "frmcalculos.h"
#include "frmmain.h"
#include "mapagui.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTabWidget>

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
    return t;
}
} // namespace

class TestLinguagem : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void ortografia_data();
    void ortografia();
    void cleanupTestCase() { m_j.reset(); }

private:
    QWidget* janela(const QString& nome);
    std::unique_ptr<AmbienteGui> m_amb;
    std::unique_ptr<frmMain> m_j;
    CamposMapa m_campos;
};

void TestLinguagem::initTestCase() {
    m_amb = std::make_unique<AmbienteGui>();
    m_j.reset(Arranca({}, AmbienteGui::opcoesTeste()));
    QVERIFY(m_j);
    QVERIFY(QTest::qWaitForWindowExposed(m_j.get()));
    escreveNascimento(m_j.get());
    QVERIFY2(m_j->sessao().campos().mapaAberto, "o mapa não foi calculado");
}

// The window as the user opens it: through its menu entry, or, for the hand-entry form, built
// as a click on a position in that mode builds it.
QWidget* TestLinguagem::janela(const QString& nome) {
    if (nome == QLatin1String("frmMain"))
        return m_j.get();
    if (nome == QLatin1String("frmcalculosdirectos")) {
        auto* f = new frmcalculosdirectos(m_campos, 2, m_j.get());
        f->setAttribute(Qt::WA_DeleteOnClose);
        f->show();
        return f;
    }
    m_j->accao(nome == QLatin1String("frmread") ? QStringLiteral("mnuviewinterpretacao")
                                                 : QStringLiteral("mnuViewOptions"))
        ->trigger();
    return m_j->findChild<QWidget*>(nome);
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
        QWidget* w = this->janela(janela);
        QVERIFY(w);
        textos = textosVisiveis(w);
    }
    QVERIFY2(textos.contains(texto), qPrintable(textos.join(QStringLiteral(" | "))));
    const QRegularExpression erros(QStringLiteral("Intrepreta|intrepreta|Predefenid|Automáticamente|Retogrado|cirar"));
    for (const QString& t : std::as_const(textos))
        QVERIFY2(!t.contains(erros), qPrintable(t));
}

QTEST_MAIN(TestLinguagem)
#include "test_linguagem.moc"
