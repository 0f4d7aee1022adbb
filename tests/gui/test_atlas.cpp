// The atlas window over the shipped atlas: search as you type without accents, picking with the
// arrows and Enter, "Usar Este" filling the place fields and the zone of the birth date, a zone
// typed by hand kept, and the user's own places and edits kept across windows.
#include "ambientegui.h"
#include "frmlocais.h"
#include "frmmain.h"
#include "mapagui.h"
#include "normaliza.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

namespace {
// One second of time: the zone field holds whole seconds.
constexpr double TOLERANCIA_HORAS = 1.0 / 3600.0;

// Local mean time from a longitude written "8º36'40''W", by hand: west is behind UTC.
double horaMediaLocal(int g, int m, int s) { return -(g + m / 60.0 + s / 3600.0) / 15.0; }

locais* abreAtlas(frmMain* j) {
    filho<QPushButton>(j, "cmdatlas")->click();
    auto* a = j->findChild<locais*>(QStringLiteral("locais"));
    if (a)
        (void)QTest::qWaitForWindowExposed(a);
    return a;
}

// Key presses for any text, accented letters included (QTest::keyClicks takes ASCII only).
void teclas(QWidget* w, const QString& texto) {
    for (const QChar c : texto)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Types in the search field as a user would, from an empty field.
void procura(locais* a, const QString& texto) {
    auto* p = filho<QLineEdit>(a, "txtProcura");
    p->setFocus();
    p->selectAll();
    QTest::keyClick(p, Qt::Key_Delete);
    teclas(p, texto);
}

void sai(QWidget* campo) {
    // The offscreen platform gives no window the focus once the atlas hides: the field is left
    // by an explicit focus-out, as the window would get it.
    QFocusEvent saida(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(campo, &saida);
}

double fuso(frmMain* j) { return NormalizaFuso(filho<QLineEdit>(j, "FusoHorario")->text()).valor; }

struct Janela {
    AmbienteGui amb;
    std::unique_ptr<frmMain> j;
    bool abre() {
        j.reset(Arranca({}, AmbienteGui::opcoesTeste()));
        return j && QTest::qWaitForWindowActive(j.get());
    }
    // The birth date and time typed, then the atlas opened.
    locais* atlasParaNascimento(const QString& data, const QString& hora) {
        if (!abre())
            return nullptr;
        escreve(j.get(), "txtData", data);
        escreve(j.get(), "txtHora", hora);
        filho<QLineEdit>(j.get(), "txtNome")->setFocus();
        return abreAtlas(j.get());
    }
};
} // namespace

class TestAtlas : public QObject {
    Q_OBJECT
private slots:
    // Every run starts from the shipped atlas: the user's own places of an earlier run would
    // hide an edit that is no longer stored.
    void initTestCase() { QFile::remove(Atlas::CaminhoUtilizador()); }
    void procuraAoEscrever_data();
    void procuraAoEscrever();
    void setasEEnter();
    void usarEsteComFuso_data();
    void usarEsteComFuso();
    void horaMudadaAssinalada_data();
    void horaMudadaAssinalada();
    void fusoEscritoMantido();
    void edicaoGuardada();
};

void TestAtlas::procuraAoEscrever_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("onde");
    QTest::newRow("sem acentos") << "sao paulo" << "São Paulo" << "São Paulo, Brasil";
    QTest::newRow("outra palavra") << "paulo" << "São Paulo" << "São Paulo, Brasil";
    QTest::newRow("começo com acento") << "São P" << "São Paulo" << "São Paulo, Brasil";
    QTest::newRow("região depois da vírgula") << "calheta, madeira" << "Calheta" << "Madeira, Portugal";
}

void TestAtlas::procuraAoEscrever() {
    QFETCH(QString, texto);
    QFETCH(QString, nome);
    QFETCH(QString, onde);
    Janela w;
    QVERIFY(w.abre());
    locais* a = abreAtlas(w.j.get());
    QVERIFY(a);
    // The search field has the focus as soon as the window shows.
    QCOMPARE(a->focusWidget(), filho<QLineEdit>(a, "txtProcura"));
    procura(a, texto);
    auto* lista = filho<QTreeWidget>(a, "ComboLocais");
    QVERIFY(lista->topLevelItemCount() > 0);
    QCOMPARE(lista->topLevelItem(0)->text(0), nome);
    QCOMPARE(lista->topLevelItem(0)->text(1), onde);
    if (texto == QLatin1String("sao paulo"))
        captura(a, QStringLiteral("atlas-sao-paulo"));
}

void TestAtlas::setasEEnter() {
    Janela w;
    QVERIFY(w.abre());
    locais* a = abreAtlas(w.j.get());
    QVERIFY(a);
    auto* p = filho<QLineEdit>(a, "txtProcura");
    auto* lista = filho<QTreeWidget>(a, "ComboLocais");
    // "Recife" and Enter: the place is shown, though its full name has region and country.
    procura(a, QStringLiteral("Recife"));
    QTest::keyClick(p, Qt::Key_Return);
    QCOMPARE(filho<QLineEdit>(a, "localNome")->text(), QStringLiteral("Recife (Pernambuco, Brasil)"));
    QCOMPARE(filho<QLabel>(a, "fuso")->text(), QStringLiteral("America/Recife"));
    // Down arrow and Enter: the second row; Enter again on "Usar Este" uses it.
    procura(a, QStringLiteral("lisb"));
    QVERIFY(lista->topLevelItemCount() >= 2);
    const QString segundo = lista->topLevelItem(1)->toolTip(0);
    QTest::keyClick(p, Qt::Key_Down);
    QTest::keyClick(p, Qt::Key_Return);
    QCOMPARE(filho<QLineEdit>(a, "localNome")->text(), segundo);
    QCOMPARE(QApplication::focusWidget(), filho<QPushButton>(a, "cmd"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(!a->isVisible());
    QCOMPARE(filho<QLineEdit>(w.j.get(), "txtlocal")->text(), segundo);
    // Reopened, typing goes to the search, not to a button: nothing is applied at the blank.
    // (Offscreen, a window shown again is not activated: its focus widget is where the keys go.)
    abreAtlas(w.j.get());
    QCOMPARE(a->focusWidget(), p);
    teclas(a->focusWidget(), QStringLiteral("São Paulo"));
    QVERIFY(a->isVisible());
    QCOMPARE(filho<QLineEdit>(w.j.get(), "txtlocal")->text(), segundo);
    // "Procurar" does what Enter does.
    procura(a, QStringLiteral("faro, portugal"));
    filho<QPushButton>(a, "cmdProcurar")->click();
    QCOMPARE(filho<QLineEdit>(a, "localNome")->text(), QStringLiteral("Faro (Faro, Portugal)"));
    // A text matching nothing is said so.
    procura(a, QStringLiteral("xqzwv"));
    w.amb.caixa.chamadas.clear();
    QTest::keyClick(p, Qt::Key_Return);
    QCOMPARE(w.amb.caixa.chamadas.size(), 1);
    QVERIFY(w.amb.caixa.chamadas[0].texto.contains(QStringLiteral("xqzwv")));
    // "Usar Este" straight after typing uses the highlighted first row, not the place shown before.
    procura(a, QStringLiteral("coimbra, portugal"));
    QVERIFY(lista->currentItem());
    filho<QPushButton>(a, "cmd")->click();
    QVERIFY(!a->isVisible());
    QCOMPARE(filho<QLineEdit>(w.j.get(), "txtlocal")->text(), lista->topLevelItem(0)->toolTip(0));
    QVERIFY(lista->topLevelItem(0)->toolTip(0).startsWith(QStringLiteral("Coimbra")));
    // Places only looked at are not copied into the user's own.
    for (const char* visto : {"Recife (Pernambuco, Brasil)", "Coimbra (Coimbra, Portugal)"})
        QVERIFY(!a->atlas().FindLocal(QString::fromUtf8(visto))->proprio);
}

void TestAtlas::usarEsteComFuso_data() {
    QTest::addColumn<QString>("local");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("hora");
    QTest::addColumn<double>("fuso");
    QTest::addColumn<QString>("estado");
    const QString lisboa = QStringLiteral("Lisboa (Lisboa, Portugal)");
    // Reference: Portugal's legal time (WET/WEST; CET from 27/9/1992 to 31/3/1996).
    QTest::newRow("Lisboa Janeiro 2000") << lisboa << "15/1/2000" << "12:00" << 0.0 << "WET";
    QTest::newRow("Lisboa Julho 2000") << lisboa << "15/7/2000" << "12:00" << 1.0 << "WEST";
    QTest::newRow("Lisboa Janeiro 1994") << lisboa << "15/1/1994" << "12:00" << 1.0 << "CET";
    // Valença, on the Spanish border: Portugal's +1 in the summer of 1990, not Spain's +2.
    QTest::newRow("Valença Julho 1990") << "Valença (Viana do Castelo, Portugal)" << "15/7/1990" << "12:00" << 1.0
                                        << "Lisbon";
    // Before 1912 each place kept its own local mean time, from its atlas longitude.
    QTest::newRow("Porto 1900") << "Porto (Porto, Portugal)" << "1/6/1900" << "12:00" << horaMediaLocal(8, 36, 40)
                                << "hora média local";
    QTest::newRow("Rio de Janeiro 1980") << "Rio de Janeiro (Rio de Janeiro, Brasil)" << "10/6/1980" << "9:00" << -3.0
                                         << "Sao_Paulo";
}

void TestAtlas::usarEsteComFuso() {
    QFETCH(QString, local);
    QFETCH(QString, data);
    QFETCH(QString, hora);
    QFETCH(double, fuso);
    QFETCH(QString, estado);
    Janela w;
    locais* a = w.atlasParaNascimento(data, hora);
    QVERIFY(a);
    QVERIFY2(a->FindLocal(local), qPrintable(local));
    const QString latitude = filho<QLineEdit>(a, "latitude")->text();
    filho<QPushButton>(a, "cmd")->click();
    QVERIFY(!a->isVisible());
    QCOMPARE(filho<QLineEdit>(w.j.get(), "txtlocal")->text(), local);
    QCOMPARE(filho<QLineEdit>(w.j.get(), "txtLatitude")->text(), NormalizaLatitude(latitude).texto);
    const Normalizado lido = NormalizaFuso(filho<QLineEdit>(w.j.get(), "FusoHorario")->text());
    QVERIFY2(lido.ok, qPrintable(lido.erro));
    QVERIFY2(std::abs(lido.valor - fuso) <= TOLERANCIA_HORAS,
             qPrintable(QStringLiteral("%1 em vez de %2").arg(lido.valor, 0, 'f', 6).arg(fuso, 0, 'f', 6)));
    QVERIFY2(w.j->statusBar()->currentMessage().contains(estado), qPrintable(w.j->statusBar()->currentMessage()));
}

void TestAtlas::horaMudadaAssinalada_data() {
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("hora");
    QTest::addColumn<QString>("aviso");
    // 26/3/2000: 1:00 became 2:00; 29/10/2000: 2:00 became 1:00 (Portugal). Both offsets are named.
    QTest::newRow("hora saltada") << "26/3/2000" << "1:30" << "não existiu";
    QTest::newRow("hora repetida") << "29/10/2000" << "1:30" << "duas vezes";
}

void TestAtlas::horaMudadaAssinalada() {
    QFETCH(QString, data);
    QFETCH(QString, hora);
    QFETCH(QString, aviso);
    Janela w;
    locais* a = w.atlasParaNascimento(data, hora);
    QVERIFY(a && a->FindLocal(QStringLiteral("Lisboa (Lisboa, Portugal)")));
    w.amb.caixa.chamadas.clear();
    filho<QPushButton>(a, "cmd")->click();
    QCOMPARE(w.amb.caixa.chamadas.size(), 1);
    QCOMPARE(w.amb.caixa.chamadas[0].icone, IconeMsg::Exclamacao);
    const QString texto = w.amb.caixa.chamadas[0].texto;
    QVERIFY2(texto.contains(aviso), qPrintable(texto));
    QVERIFY2(texto.contains(QStringLiteral("UTC+0h")) && texto.contains(QStringLiteral("UTC+1h")), qPrintable(texto));
}

void TestAtlas::fusoEscritoMantido() {
    Janela w;
    SaveOption(5, QStringLiteral("1")); // positions typed: entering the zone does not cast
    locais* a = w.atlasParaNascimento(QStringLiteral("15/7/1990"), QStringLiteral("12:00"));
    frmMain* j = w.j.get();
    QVERIFY(a && a->FindLocal(QStringLiteral("Valença (Viana do Castelo, Portugal)")));
    filho<QPushButton>(a, "cmd")->click();
    QCOMPARE(fuso(j), 1.0);
    // A date typed after the place was taken: the zone follows it (winter: WET).
    auto* data = filho<QLineEdit>(j, "txtData");
    data->setText(QStringLiteral("15/12/1990"));
    sai(data);
    QCOMPARE(fuso(j), 0.0);
    // The zone typed by hand stays through leaving the date, time and longitude fields.
    escreve(j, "FusoHorario", QStringLiteral("1"));
    sai(filho<QLineEdit>(j, "FusoHorario"));
    for (const char* campo : {"txtData", "txtHora", "txtlongitude"}) {
        escreve(j, campo, filho<QLineEdit>(j, campo)->text());
        sai(filho<QLineEdit>(j, campo));
        QVERIFY2(fuso(j) == 1.0, campo);
    }
    escreve(j, "txtData", QStringLiteral("15/1/1991"));
    sai(data);
    QCOMPARE(fuso(j), 1.0);
    // "Usar Este" again writes the zone of the date.
    abreAtlas(j);
    QVERIFY(a->FindLocal(QStringLiteral("Valença (Viana do Castelo, Portugal)")));
    filho<QPushButton>(a, "cmd")->click();
    QCOMPARE(fuso(j), 0.0);
}

void TestAtlas::edicaoGuardada() {
    const QString nomeNovo = QStringLiteral("Aldeia do Teste %1").arg(QDateTime::currentMSecsSinceEpoch());
    {
        Janela w;
        QVERIFY(w.abre());
        locais* a = abreAtlas(w.j.get());
        QVERIFY(a);
        // Editing a field of a shipped place and moving on keeps the edit.
        procura(a, QStringLiteral("faro, portugal"));
        QTest::keyClick(filho<QLineEdit>(a, "txtProcura"), Qt::Key_Return);
        QCOMPARE(filho<QLineEdit>(a, "localNome")->text(), QStringLiteral("Faro (Faro, Portugal)"));
        auto* lat = filho<QLineEdit>(a, "latitude");
        lat->setFocus();
        lat->selectAll();
        teclas(lat, QStringLiteral("37º1'0''N"));
        filho<QPushButton>(a, "navegacao1")->click();
        // Adicionar, type, move on: stored and found by searching.
        filho<QPushButton>(a, "Command2")->click();
        QVERIFY(filho<QLineEdit>(a, "localNome")->text().isEmpty());
        teclas(filho<QLineEdit>(a, "localNome"), nomeNovo);
        teclas(filho<QLineEdit>(a, "latitude"), QStringLiteral("40º1' N"));
        teclas(filho<QLineEdit>(a, "longitude"), QStringLiteral("7º59' W"));
        // A new place without coordinates is refused with a message, and nothing is lost.
        filho<QLineEdit>(a, "latitude")->clear();
        w.amb.caixa.chamadas.clear();
        filho<QPushButton>(a, "Command1")->click();
        QCOMPARE(w.amb.caixa.chamadas.size(), 1);
        QVERIFY(a->isVisible());
        teclas(filho<QLineEdit>(a, "latitude"), QStringLiteral("40º1' N"));
        // Escape closes as "Fechar" does, keeping the place typed.
        QTest::keyClick(a, Qt::Key_Escape);
        QVERIFY(!a->isVisible());
    }
    // Another window, another atlas: both are still there, the edit in place of the shipped one.
    Janela w;
    QVERIFY(w.abre());
    locais* a = abreAtlas(w.j.get());
    procura(a, QStringLiteral("faro, portugal"));
    QTest::keyClick(filho<QLineEdit>(a, "txtProcura"), Qt::Key_Return);
    QCOMPARE(filho<QLineEdit>(a, "latitude")->text(), QStringLiteral("37º1'0''N"));
    QCOMPARE(filho<QLabel>(a, "fuso")->text(), QStringLiteral("Europe/Lisbon"));
    procura(a, nomeNovo.left(12).toLower());
    auto* lista = filho<QTreeWidget>(a, "ComboLocais");
    QVERIFY(!lista->findItems(nomeNovo, Qt::MatchExactly).isEmpty());
    QVERIFY(a->FindLocal(nomeNovo));
    QCOMPARE(filho<QLineEdit>(a, "latitude")->text(), QStringLiteral("40º1'0''N"));
}

QTEST_MAIN(TestAtlas)
#include "test_atlas.moc"
