// The main window's commands as a whole: which are open without a chart and after a cast, every
// file the program writes reporting a failure, the options dialog's colours and orb files, the
// birth fields and leaving an edited chart.
#include "../app/discocheio.h"
#include "ambientegui.h"
#include "frmmain.h"
#include "frmoptions.h"
#include "mapagui.h"
#include "orbes.h"
#include "rtf.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTabWidget>
#include <QTextDocument>
#include <QStatusTipEvent>
#include <QStatusBar>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <optional>
#include <QToolBar>
#include <QToolButton>

namespace {
struct Comando {
    const char* nome;
    bool deMapa; // disabled without a chart, enabled once one is open
};

// Every command of the menus and the main toolbar. Without a chart only New, Open, Open other,
// the recent files, Exit, the companions' "Abrir", the interpretation editor, orbs, options,
// update, help and About stay enabled.
const Comando kComandos[] = {
    {"mnuFileNew", false},          {"mnuFileOpen", false},         {"mnuopenother", false},
    {"mnuFileSave", true},          {"mnuFileSaveAs", true},        {"mnusaveimage", true},
    {"mnuexptaspectos", true},      {"mnuexport", true},            {"mnuexportpositions", true},
    {"mnumapandresume", true},      {"mnutudo", true},              {"mnuFilePageSetup", true},
    {"mnuprintresume", true},       {"mnuprintMap", true},          {"mnuaspec", true},
    // The interpretation and "everything" print entries print here, so they follow the chart.
    {"mnuprintintre", true},        {"mnuprintall", true},          {"mnuFileMRU1", false},
    {"mnuFileMRU2", false},         {"mnuFileMRU3", false},         {"mnuFileMRU4", false},
    {"mnuFileExit", false},         {"mnuprofile", true},           {"mnudata", true},
    {"mnumap", true},               {"mnuaspectmap", true},         {"mnupartes", true},
    {"mnuviewinterpretacao", true}, {"mnuglobal", true},            {"mnuViewRefresh", true},
    {"mnuopenmovela", false},       {"mnuopenwiththis", true},      {"mnuduettoopen", false},
    {"mnuopenwithduetto", true},    {"mnuglosador", false},         {"mnuorbes", false},
    {"mnuViewOptions", false},      {"mnuupdate", false},           {"mnuHelpContents", false},
    {"mnuHelpSearch", false},       {"mnuwebsite", false},          {"mnuemailme", false},
    {"mnuHelpAbout", false},        {"tb_new", false},              {"tb_open", false},
    {"tb_save", true},              {"tb_print", true},             {"tb_id", true},
    {"tb_data", true},              {"tb_map", true},               {"tb_aspects", true},
    {"tb_partes", true},            {"tb_read", true},              {"tb_global", true},
    {"tb_magnus", true},            {"tb_help", false},             {"mnuexportpdf", true},
    // Calcular follows complete birth data: none in an empty window, all in a cast chart.
    {"mnucalcular", true},
};

QStringList estados(frmMain* j) {
    QStringList l;
    for (const Comando& c : kComandos) {
        QAction* a = j->accao(QString::fromLatin1(c.nome));
        l << QString::fromLatin1(c.nome) + (a && a->isEnabled() ? QStringLiteral("=on") : QStringLiteral("=off"));
    }
    return l;
}

QStringList esperado(bool comMapa) {
    QStringList l;
    for (const Comando& c : kComandos)
        l << QString::fromLatin1(c.nome) + (!c.deMapa || comMapa ? QStringLiteral("=on") : QStringLiteral("=off"));
    return l;
}

// Answers the next colour chooser with a colour, as a user picking it would.
void respondeCor(const QColor& cor) {
    QTimer::singleShot(50, [cor] {
        auto* d = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        if (!d) {
            qWarning("sem escolha de cor aberta");
            return;
        }
        d->setCurrentColor(cor);
        d->accept();
    });
}

// The main window, shown, with the test birth data typed (and cast, unless option 5 says not).
std::unique_ptr<frmMain> janelaComMapa() {
    std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
    if (j && QTest::qWaitForWindowActive(j.get()))
        escreveNascimento(j.get());
    return j;
}
} // namespace

class TestComandos : public QObject {
    Q_OBJECT
private slots:
    // Every test starts from the default choices, whatever an earlier (or aborted) one left.
    void init() {
        SaveOption(3, QStringLiteral("0"));
        SaveOption(5, QStringLiteral("0"));
    }
    void comandosClassificados();
    void comandosDeMapa();
    void falhaDeEscritaExplicada_data();
    void falhaDeEscritaExplicada();
    void pdfImpressoEmDiscoCheio();
    void relatorioDoMapaNoEcra();
    void estadoResisteAosMenus();
    void coresNasOpcoes();
    void sinteseNasOpcoes();
    void orbesGuardadasEAbertas();
    void vistaAoAbrir_data();
    void vistaAoAbrir();
    void temposRecalculados();
    void deixarComAlteracoes_data();
    void deixarComAlteracoes();
    void actualizacaoRecusada();
    void fusoMudadoRecalcula();
    void campoDeixado_data();
    void campoDeixado();
};

void TestComandos::comandosClassificados() {
    // A command added to the menus or the toolbar without a place in the table above fails here.
    AmbienteGui amb;
    std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
    QVERIFY(j);
    QStringList conhecidos;
    for (const Comando& c : kComandos)
        conhecidos << QString::fromLatin1(c.nome);
    for (QAction* a : j->findChildren<QAction*>()) {
        const QString n = a->objectName();
        if (a->isSeparator() || a->menu() || n.isEmpty() || n == QLatin1String("mnuFileMRU0"))
            continue;
        if (n.startsWith(QLatin1String("mnu")) || n.startsWith(QLatin1String("tb_")))
            QVERIFY2(conhecidos.contains(n), qPrintable(n));
    }
}

void TestComandos::comandosDeMapa() {
    AmbienteGui amb;
    // Every entry shown, so that its enabled state can be read: the companion programs present
    // and four recent charts.
    for (const char* p : {"glosador", "duetto", "movela"}) {
        QFile f(amb.pasta.filePath(NomeExecutavel(QString::fromLatin1(p))));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    for (int i = 1; i <= 4; ++i)
        AddRecentFile(amb.pasta.filePath(QStringLiteral("recente%1.anc").arg(i)));
    std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
    QVERIFY(j);
    QVERIFY(QTest::qWaitForWindowActive(j.get()));
    QCOMPARE(estados(j.get()), esperado(false));
    escreveNascimento(j.get());
    QVERIFY(j->sessao().campos().mapaAberto);
    QCOMPARE(estados(j.get()), esperado(true));
    amb.caixa.respostas << RespostaMsg::Nao; // do not save the chart just cast
    QVERIFY(j->Novo());
    QCOMPARE(estados(j.get()), esperado(false));
}

void TestComandos::falhaDeEscritaExplicada_data() {
    QTest::addColumn<QString>("accao");
    QTest::addColumn<QString>("nome");    // the name chosen
    QTest::addColumn<QString>("escrito"); // the file that would have been written
    // cheio: over an existing file on a full disk, whose old bytes must stay; otherwise in a
    // folder that does not exist.
    QTest::addColumn<bool>("cheio");
    const char* const casos[][4] = {
        {"mapa", "mnuFileSaveAs", "Ana", "Ana.anc"},
        {"guardar nunca guardado", "tb_save", "Ana", "Ana.anc"},
        {"resumo", "mnuexportpositions", "Ana", "Ana.txt"},
        {"imagem do mapa", "mnusaveimage", "Ana", "Ana.bmp"},
        {"imagem dos aspectos", "mnuexptaspectos", "Ana", "Ana.bmp"},
        {"interpretação", "mnuexport", "Ana", "Ana.rtf"},
        {"mapas e resumo", "mnumapandresume", "Ana.txt", "Ana.bmp"},
    };
    for (const auto& c : casos)
        for (bool cheio : {false, true})
            QTest::addRow("%s, %s", c[0], cheio ? "disco cheio" : "pasta inexistente")
                << QString::fromUtf8(c[1]) << QString::fromUtf8(c[2]) << QString::fromUtf8(c[3]) << cheio;
}

void TestComandos::falhaDeEscritaExplicada() {
    QFETCH(QString, accao);
    QFETCH(QString, nome);
    QFETCH(QString, escrito);
    QFETCH(bool, cheio);
    AmbienteGui amb;
    std::optional<DiscoCheio> disco;
    if (cheio)
        disco.emplace(amb.pasta.filePath(QStringLiteral("disco")));
    const std::unique_ptr<frmMain> j = janelaComMapa();
    QVERIFY(j && j->sessao().campos().mapaAberto);
    const QString pasta = cheio ? disco->pasta() : amb.pasta.filePath(QStringLiteral("não existe"));
    const QString alvo = pasta + QLatin1Char('/') + escrito;
    const QByteArray antigo = "anterior\r\n" + QByteArray(600, 'x');
    if (cheio)
        QVERIFY(DiscoCheio::escreve(alvo, antigo));
    amb.caixa.chamadas.clear();
    amb.respostas << pasta + QLatin1Char('/') + nome;
    if (cheio) {
        QVERIFY2(disco->enche(), "o tmpfs não ficou cheio");
        if (!disco->montado())
            DiscoCheio::limitaTamanho();
    }
    j->accao(accao)->trigger();
    if (cheio) {
        DiscoCheio::levantaLimite();
        disco->esvazia();
        QCOMPARE(DiscoCheio::conteudo(alvo), antigo);
    } else {
        QVERIFY(!QFile::exists(alvo));
    }
    bool explicado = false;
    for (const auto& c : std::as_const(amb.caixa.chamadas))
        explicado = explicado ||
                    (c.icone == IconeMsg::Exclamacao &&
                     (cheio ? c.texto.contains(disco->motivo(escrito)) &&
                                  c.texto.contains(QStringLiteral("O ficheiro anterior ficou intacto."))
                            : c.texto.contains(QStringLiteral("Não foi possível")) && c.texto.contains(pasta)));
    QVERIFY2(explicado, amb.caixa.chamadas.isEmpty() ? "nenhuma mensagem" : qPrintable(amb.caixa.chamadas.last().texto));
    if (!cheio && (accao == QLatin1String("mnuFileSaveAs") || accao == QLatin1String("tb_save")))
        QVERIFY(j->sessao().alterado()); // still to be saved: leaving asks again
}

void TestComandos::relatorioDoMapaNoEcra() {
    // The report exported after opening another chart is that chart's, never the one read, and
    // edited, for the chart shown before.
    AmbienteGui amb;
    const std::unique_ptr<frmMain> j = janelaComMapa();
    QVERIFY(j && j->sessao().campos().mapaAberto);
    const QString primeiro = amb.pasta.filePath(QStringLiteral("primeiro.rtf"));
    amb.respostas << primeiro;
    j->accao(QStringLiteral("mnuexport"))->trigger();
    QVERIFY(QFile(primeiro).size() > 0);
    amb.caixa.respostas << RespostaMsg::Nao << RespostaMsg::Nao; // leave the cast chart unsaved
    QVERIFY(j->AbreMapa(QStringLiteral(NATALIS_SOURCE_DIR "/tests/chart/data/maria.anc")));
    const QString segundo = amb.pasta.filePath(QStringLiteral("segundo.rtf"));
    amb.respostas << segundo;
    j->accao(QStringLiteral("mnuexport"))->trigger();
    QTextDocument doc;
    QFile f(segundo);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(LeRtf(f.readAll(), doc));
    QVERIFY2(doc.toPlainText().contains(QStringLiteral("Maria da Conceição")), "relatório de outro mapa");
    QVERIFY(!doc.toPlainText().contains(QStringLiteral("Maria Silva")));
}

void TestComandos::estadoResisteAosMenus() {
    // Pointing at a menu or a button sends an empty status tip; the chart's line stays.
    AmbienteGui amb;
    const std::unique_ptr<frmMain> j = janelaComMapa();
    QVERIFY(j && j->sessao().campos().mapaAberto);
    const QString antes = j->statusBar()->currentMessage();
    QVERIFY(antes.contains(QStringLiteral("Cálculo:")));
    QStatusTipEvent dica{QString()};
    QApplication::sendEvent(j->menuBar(), &dica);
    QCOMPARE(j->statusBar()->currentMessage(), antes);
}

void TestComandos::pdfImpressoEmDiscoCheio() {
    // Without a printer the summary goes to a PDF: on a full disk the PDF that was there stays.
    if (!QPrinterInfo::availablePrinters().isEmpty())
        QSKIP("há uma impressora instalada: a impressão não vai para PDF");
    AmbienteGui amb;
    DiscoCheio disco(amb.pasta.filePath(QStringLiteral("disco")));
    const std::unique_ptr<frmMain> j = janelaComMapa();
    QVERIFY(j && j->sessao().campos().mapaAberto);
    const QString alvo = disco.pasta() + QStringLiteral("/Ana.pdf");
    const QByteArray antigo = "%PDF-anterior\n" + QByteArray(600, 'x');
    QVERIFY(DiscoCheio::escreve(alvo, antigo));
    amb.caixa.chamadas.clear();
    amb.caixa.respostas << RespostaMsg::Sim; // no printer: save as PDF
    amb.respostas << alvo;
    QVERIFY2(disco.enche(), "o tmpfs não ficou cheio");
    if (!disco.montado())
        DiscoCheio::limitaTamanho();
    j->accao(QStringLiteral("mnuprintresume"))->trigger();
    DiscoCheio::levantaLimite();
    disco.esvazia();
    QCOMPARE(DiscoCheio::conteudo(alvo), antigo);
    QVERIFY(!amb.caixa.chamadas.isEmpty());
    QVERIFY2(amb.caixa.chamadas.last().texto.contains(disco.motivo(QStringLiteral("Ana.pdf"))),
             qPrintable(amb.caixa.chamadas.last().texto));
}

void TestComandos::coresNasOpcoes() {
    AmbienteGui amb;
    // Box i's colour and the option it is stored in: box 0 body text (16), 1 titles (15),
    // 2 and 3 the subtitles (17, 18). The numbers are red + 256·green + 65536·blue, by hand.
    const QColor cores[4] = {QColor(0x12, 0x34, 0x56), QColor(0xff, 0x00, 0x00), QColor(0x00, 0x80, 0x00),
                             QColor(0x01, 0x02, 0x03)};
    const int opcoes[4] = {16, 15, 17, 18};
    const QString numeros[4] = {QStringLiteral("5649426"), QStringLiteral("255"), QStringLiteral("32768"),
                                QStringLiteral("197121")};
    {
        std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
        QVERIFY(j);
        j->accao(QStringLiteral("mnuViewOptions"))->trigger();
        auto* d = j->findChild<frmOptions*>();
        QVERIFY(d);
        for (int i = 0; i < 4; ++i) {
            respondeCor(cores[i]);
            filho<QPushButton>(d, qPrintable(QStringLiteral("cores%1").arg(i)))->click();
        }
        // A cancelled chooser leaves the box as it was.
        QTimer::singleShot(50, [] {
            if (auto* m = qobject_cast<QColorDialog*>(QApplication::activeModalWidget()))
                m->reject();
        });
        filho<QPushButton>(d, "cores0")->click();
        filho<QPushButton>(d, "cmdOK")->click();
        for (int i = 0; i < 4; ++i)
            QCOMPARE(GetOption(opcoes[i]), numeros[i]);
    }
    // The next start shows them in the same boxes.
    std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
    QVERIFY(j);
    j->accao(QStringLiteral("mnuViewOptions"))->trigger();
    auto* d = j->findChild<frmOptions*>();
    for (int i = 0; i < 4; ++i)
        QCOMPARE(filho<QPushButton>(d, qPrintable(QStringLiteral("cores%1").arg(i)))->toolTip(), cores[i].name());
    // Cancelar stores nothing.
    respondeCor(QColor(0x44, 0x44, 0x44));
    filho<QPushButton>(d, "cores1")->click();
    filho<QPushButton>(d, "cmdCancel")->click();
    QCOMPARE(GetOption(15), numeros[1]);
}

void TestComandos::sinteseNasOpcoes() {
    AmbienteGui amb;
    // The settings store outlives a run; start from options never written.
    SaveOption(30, QString());
    SaveOption(31, QString());
    std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
    QVERIFY(j);
    j->accao(QStringLiteral("mnuViewOptions"))->trigger();
    auto* d = j->findChild<frmOptions*>();
    QVERIFY(d);
    // Never set: the synthesis is on, with the traditional rulers.
    auto* sintese = filho<QCheckBox>(d, "chkSintese");
    QVERIFY(sintese->isChecked());
    QVERIFY(filho<QRadioButton>(d, "optRegenteTradicional")->isChecked());
    d->findChild<QTabWidget*>()->setCurrentIndex(1);
    captura(d, QStringLiteral("opcoes_sintese"));
    filho<QRadioButton>(d, "optRegenteModerno")->click();
    sintese->click();
    QVERIFY(!filho<QRadioButton>(d, "optRegenteModerno")->isEnabled());
    filho<QPushButton>(d, "cmdOK")->click();
    QCOMPARE(GetOption(30), QStringLiteral("0"));
    QCOMPARE(GetOption(31), QStringLiteral("1"));
}

void TestComandos::orbesGuardadasEAbertas() {
    AmbienteGui amb;
    std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
    QVERIFY(j);
    j->accao(QStringLiteral("mnuorbes"))->trigger();
    auto* d = j->findChild<frmOptions*>();
    QVERIFY(d && d->isVisible());
    auto* guardar = filho<QPushButton>(d, "cmdGuardarOrbes");
    QVERIFY(!guardar->isEnabled()); // the built-in orbs are in use
    filho<QRadioButton>(d, "optacpect1")->click();
    QVERIFY(guardar->isEnabled());

    // 46 values unlike the built-in table: box k holds 1 + (k·7 mod 23), the extra box 9.
    std::array<int, 46> valores{};
    for (int k = 0; k < 45; ++k) {
        valores[size_t(k)] = 1 + (k * 7) % 23;
        filho<QSpinBox>(d, qPrintable(QStringLiteral("aspectvalue%1").arg(k)))->setValue(valores[size_t(k)]);
    }
    valores[45] = 9;
    filho<QSpinBox>(d, "ficticios")->setValue(9);
    captura(d, QStringLiteral("opcoes_orbes"));
    const QString ficheiro = amb.pasta.filePath(QStringLiteral("orbs/minhas"));
    amb.respostas << ficheiro;
    guardar->click();
    QFile f(ficheiro + QStringLiteral(".orb"));
    QVERIFY2(f.open(QIODevice::ReadOnly), "o ficheiro de orbes não foi escrito");
    const QList<QByteArray> linhas = f.readAll().split('\n');
    QCOMPARE(linhas.size(), 47); // 46 lines, each ended
    for (int k = 0; k < 46; ++k)
        QCOMPARE(linhas[k].trimmed().toInt(), valores[size_t(k)]);
    QCOMPARE(OrbesActuais().orb(1, 2), int16_t(10)); // saving does not change the orbs in use

    for (int k = 0; k < 45; ++k)
        filho<QSpinBox>(d, qPrintable(QStringLiteral("aspectvalue%1").arg(k)))->setValue(0);
    amb.respostas << ficheiro + QStringLiteral(".orb");
    filho<QPushButton>(d, "cmdAbrirOrbes")->click();
    for (int k = 0; k < 45; ++k)
        QCOMPARE(filho<QSpinBox>(d, qPrintable(QStringLiteral("aspectvalue%1").arg(k)))->value(), valores[size_t(k)]);
    QCOMPARE(filho<QSpinBox>(d, "ficticios")->value(), 9);
    // Box order: (1,10), (1,9) … (1,2), then (2,10) …, the last (9,10); the extra box is (1,13).
    const TabelaOrbes& t = OrbesActuais();
    QCOMPARE(int(t.orb(1, 10)), valores[0]);
    QCOMPARE(int(t.orb(1, 2)), valores[8]);
    QCOMPARE(int(t.orb(2, 10)), valores[9]);
    QCOMPARE(int(t.orb(9, 10)), valores[44]);
    QCOMPARE(int(t.orb(1, 13)), 9);
    QCOMPARE(GetOption(0), ficheiro + QStringLiteral(".orb"));

    // Unusual orbs come back unchanged through the grid: a wide one, none at all, a negative one.
    ValoresOrbes raros{};
    raros.fill(5);
    raros[0] = 45;
    raros[1] = 0;
    raros[2] = -1;
    raros[45] = 0;
    const QString origem = amb.pasta.filePath(QStringLiteral("orbs/raras.orb"));
    QVERIFY(EscreveFicheiroOrbes(origem, raros));
    amb.respostas << origem;
    filho<QPushButton>(d, "cmdAbrirOrbes")->click();
    const QString copia = amb.pasta.filePath(QStringLiteral("orbs/copia.orb"));
    amb.respostas << copia;
    guardar->click();
    ValoresOrbes lidos{};
    QVERIFY(LeFicheiroOrbes(copia, lidos));
    QCOMPARE(lidos, raros);

    // A folder that does not exist: said plainly, nothing written.
    amb.caixa.chamadas.clear();
    amb.respostas << amb.pasta.filePath(QStringLiteral("não existe/orbes"));
    guardar->click();
    QCOMPARE(amb.caixa.chamadas.size(), 1);
    QVERIFY(amb.caixa.chamadas[0].texto.contains(QStringLiteral("Não foi possível guardar o ficheiro de Orbes")));
    LoadOrbs(true, QString());
}

void TestComandos::vistaAoAbrir_data() {
    QTest::addColumn<int>("vistaAntes");
    QTest::addColumn<QString>("voltar"); // option 3, "Voltar ao Painel de Dados ao Abrir um mapa."
    QTest::addColumn<int>("vistaDepois");
    QTest::newRow("na roda, sem voltar") << 2 << "0" << 2;
    QTest::newRow("na roda, a voltar") << 2 << "1" << 0;
    QTest::newRow("nas efemérides") << 1 << "0" << 0;
}

void TestComandos::vistaAoAbrir() {
    QFETCH(int, vistaAntes);
    QFETCH(QString, voltar);
    QFETCH(int, vistaDepois);
    AmbienteGui amb;
    SaveOption(3, voltar);
    const std::unique_ptr<frmMain> j = janelaComMapa();
    QVERIFY(j);
    const QString ficheiro = amb.pasta.filePath(QStringLiteral("logs/Maria.anc"));
    amb.respostas << ficheiro;
    QVERIFY(j->FileSaveAs());
    j->MostraVista(vistaAntes);
    QVERIFY(j->AbreMapa(ficheiro));
    QCOMPARE(j->vistaActual(), vistaDepois);
    // The information bar belongs to the wheel and goes with it.
    QCOMPARE(filho<QWidget>(j.get(), "tlbInfo")->isVisibleTo(j.get()), vistaDepois == 2);
    SaveOption(3, QStringLiteral("0"));
}

void TestComandos::temposRecalculados() {
    AmbienteGui amb;
    SaveOption(5, QStringLiteral("1")); // copied positions: entering the zone does not cast
    const std::unique_ptr<frmMain> j = janelaComMapa();
    QVERIFY(j);
    escreve(j.get(), "txttemposideral", QStringLiteral("14h12'0''"));
    auto* ut = filho<QLabel>(j.get(), "lblHoras0");
    // 0:25 clock time at UTC+1 is 23:25 UT the day before; 2:25 is 1:25 UT (by hand).
    filho<QToolButton>(j.get(), "Image1")->click();
    QVERIFY2(ut->text().startsWith(QStringLiteral("23")) && ut->text().contains(QStringLiteral("25'")),
             qPrintable(ut->text()));
    escreve(j.get(), "txtHora", QStringLiteral("2:25"));
    filho<QToolButton>(j.get(), "Image2")->click();
    QVERIFY2(ut->text().startsWith(QStringLiteral("1")) && ut->text().contains(QStringLiteral("25'")),
             qPrintable(ut->text()));
    SaveOption(5, QStringLiteral("0"));
}

void TestComandos::deixarComAlteracoes_data() {
    QTest::addColumn<QString>("como");
    QTest::newRow("sair") << "mnuFileExit";
    QTest::newRow("fechar a janela") << "fechar";
    QTest::newRow("abrir outro mapa") << "mnuFileOpen";
    QTest::newRow("mapa recente") << "mnuFileMRU1";
    QTest::newRow("novo pela barra") << "tb_new";
    QTest::newRow("actualização online") << "mnuupdate";
}

void TestComandos::deixarComAlteracoes() {
    QFETCH(QString, como);
    AmbienteGui amb;
    const QString outro = amb.pasta.filePath(QStringLiteral("logs/outro.anc"));
    AddRecentFile(outro);
    const std::unique_ptr<frmMain> j = janelaComMapa();
    QVERIFY(j);
    QVERIFY(j->sessao().alterado());
    amb.caixa.chamadas.clear();
    amb.respostas << outro;
    if (como == QLatin1String("mnuupdate"))
        amb.caixa.respostas << RespostaMsg::Sim; // yes, close for the update
    amb.caixa.respostas << RespostaMsg::Cancelar;
    if (como == QLatin1String("fechar"))
        j->close();
    else
        j->accao(como)->trigger();
    QVERIFY(!amb.caixa.chamadas.isEmpty());
    QCOMPARE(amb.caixa.chamadas.last().texto, QStringLiteral("Deseja guardar as alterações ao mapa?"));
    QCOMPARE(amb.caixa.chamadas.last().botoes, BotoesMsg::SimNaoCancelar);
    // Cancelled: the chart and the window are as they were.
    QVERIFY(j->isVisible());
    QCOMPARE(j->sessao().campos().txtNome, QStringLiteral("Maria Silva"));
    QVERIFY(j->sessao().campos().mapaAberto);
    QVERIFY(j->sessao().alterado());
}

void TestComandos::actualizacaoRecusada() {
    AmbienteGui amb;
    const std::unique_ptr<frmMain> j = janelaComMapa();
    QVERIFY(j);
    amb.caixa.chamadas.clear();
    amb.caixa.respostas << RespostaMsg::Nao;
    j->accao(QStringLiteral("mnuupdate"))->trigger();
    QCOMPARE(amb.caixa.chamadas.size(), 1);
    QCOMPARE(amb.caixa.chamadas[0].icone, IconeMsg::Pergunta);
    QCOMPARE(amb.caixa.chamadas[0].texto,
             QStringLiteral("Para efectuar a Actualização online este programa terá de ser fechado.\n"
                            "Deseja fechar este programa e proceder à Actualização online ?"));
    QCOMPARE(amb.caixa.chamadas[0].botoes, BotoesMsg::SimNaoCancelar);
    QVERIFY(j->sessao().campos().mapaAberto);

    // Yes, without changes to save, but the updater in the folder cannot run (an empty file):
    // said so, and the program with its chart stays.
    amb.caixa.respostas << RespostaMsg::Sim << RespostaMsg::Nao;
    amb.caixa.chamadas.clear();
    j->accao(QStringLiteral("mnuupdate"))->trigger();
    QVERIFY(!amb.caixa.chamadas.isEmpty());
    QVERIFY2(amb.caixa.chamadas.last().texto.startsWith(QStringLiteral("Não foi possível iniciar")),
             qPrintable(amb.caixa.chamadas.last().texto));
    QVERIFY(j->sessao().campos().mapaAberto);
    QVERIFY(j->isVisible());
}

void TestComandos::fusoMudadoRecalcula() {
    AmbienteGui amb;
    const std::unique_ptr<frmMain> j = janelaComMapa(); // zone 1
    QVERIFY(j);
    const CamposMapa& c = j->sessao().campos();
    QVERIFY(c.mapaAberto);
    const QString luaFuso1 = c.PosPlaneta[1];
    // Entering the zone casts with the zone it holds; the zone typed over it casts again when
    // the field is left, so the chart is that of UTC+0: 0:25 UT, not 23:25 the day before.
    escreve(j.get(), "FusoHorario", QStringLiteral("0"));
    QVERIFY(c.lblHoras[0].startsWith(QStringLiteral("23"))); // still the zone of the entry
    filho<QLineEdit>(j.get(), "txtNome")->setFocus();
    QVERIFY2(c.lblHoras[0].startsWith(QStringLiteral("0")), qPrintable(c.lblHoras[0]));
    // The Moon moves about half a degree an hour: an hour later in UT, another position.
    QVERIFY(c.PosPlaneta[1] != luaFuso1);
    QCOMPARE(filho<QPushButton>(j.get(), "PosPlaneta1")->text(), c.PosPlaneta[1]);
}

void TestComandos::campoDeixado_data() {
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("escrito");
    QTest::addColumn<QString>("depois"); // the field's text once left; empty: as typed, with a warning
    QTest::newRow("data com hífens") << "txtData" << "13-06-1888" << "13/6/1888";
    QTest::newRow("ano de dois algarismos") << "txtData" << "6/8/47" << "6/8/1947";
    QTest::newRow("data ilegível") << "txtData" << "ontem" << "";
    QTest::newRow("hora com dois pontos") << "txtHora" << "14:30" << "14h30'";
    QTest::newRow("hora ilegível") << "txtHora" << "tarde" << "";
    QTest::newRow("fuso de meia hora") << "FusoHorario" << "-3h30'" << "-4h30'0''";
    QTest::newRow("latitude por extenso") << "txtLatitude" << "38º43' Norte" << "38º43'0''N";
    // 9º8' of arc is 9.1333/15 h = 36.533 min of time: 0h36'32'' (by hand).
    QTest::newRow("longitude em graus") << "txtlongitude" << "9°8' Oeste" << "0h36'32'' W";
    QTest::newRow("longitude ilegível") << "txtlongitude" << "perto" << "";
}

void TestComandos::campoDeixado() {
    QFETCH(QString, campo);
    QFETCH(QString, escrito);
    QFETCH(QString, depois);
    AmbienteGui amb;
    SaveOption(5, QStringLiteral("1")); // no cast on the way
    std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
    QVERIFY(j);
    QVERIFY(QTest::qWaitForWindowActive(j.get()));
    escreve(j.get(), qPrintable(campo), escrito);
    filho<QLineEdit>(j.get(), "txtNome")->setFocus();
    auto* e = filho<QLineEdit>(j.get(), qPrintable(campo));
    QLabel* aviso = nullptr;
    for (auto* l : e->parentWidget()->findChildren<QLabel*>())
        if (l->styleSheet().contains(QStringLiteral("b00020")))
            aviso = l;
    QVERIFY(aviso);
    if (depois.isEmpty()) {
        QCOMPARE(e->text(), escrito); // nothing the user typed is lost
        QVERIFY(aviso->isVisibleTo(j.get()));
        QVERIFY(!aviso->text().isEmpty());
    } else {
        QCOMPARE(e->text(), depois);
        QVERIFY(!aviso->isVisibleTo(j.get()));
    }
    if (campo == QLatin1String("FusoHorario")) // said plainly: −3.5 h, whatever the field's form
        QCOMPARE(filho<QLabel>(j.get(), "fusoDescrito")->text(), QStringLiteral("UTC−3h30"));
    QVERIFY(amb.caixa.chamadas.isEmpty()); // pointed out beside the field, not in a box
    SaveOption(5, QStringLiteral("0"));
}

QTEST_MAIN(TestComandos)
#include "test_comandos.moc"
