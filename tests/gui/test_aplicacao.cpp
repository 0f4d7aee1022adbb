// The plain code behind the main window: the file chooser's names, file-type registration,
// the information text, the autosave guard, printing without a printer, an orb file given on
// the command line and a cusp edited by hand.
#include "ambientegui.h"
#include "escolhaficheiro.h"
#include "ficheiromapa.h"
#include "frmmain.h"
#include "orbes.h"
#include "registotipos.h"
#include "sessaomapa.h"

#include <QAction>
#include <QPrinterInfo>
#include <QLineEdit>
#include <QTest>

class TestAplicacao : public QObject {
    Q_OBJECT
private slots:
    void extensaoAcrescentada_data();
    void extensaoAcrescentada();
    void pedidosPorTipo();
    void registoTipos();
    void textoInformacao();
    void gravacaoAutomaticaSoNumCaminhoValido();
    void impressaoSemImpressora();
    void orbesNaLinhaDeComando();
    void cuspideEditadaRefazTudo();
};

void TestAplicacao::extensaoAcrescentada_data() {
    QTest::addColumn<QString>("escolhido");
    QTest::addColumn<QString>("extensao");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("nome proposto aceite") << "/p/Maria Silva" << ".rtf" << "/p/Maria Silva.rtf";
    QTest::newRow("já com extensão") << "/p/mapa.anc" << ".anc" << "/p/mapa.anc";
    QTest::newRow("outra extensão fica") << "/p/resumo.txt" << ".anc" << "/p/resumo.txt";
    QTest::newRow("pontos finais do nome") << "/p/Ana.." << ".txt" << "/p/Ana.txt";
    QTest::newRow("pasta com ponto") << "/p/v1.2/Ana" << ".txt" << "/p/v1.2/Ana.txt";
    QTest::newRow("nome com abreviatura") << "/p/Dr. Ana" << ".anc" << "/p/Dr. Ana.anc";
    QTest::newRow("nome com ponto") << "/p/Ana.Maria" << ".txt" << "/p/Ana.Maria.txt";
    QTest::newRow("nome com versão") << "/p/Ana 2.0" << ".anc" << "/p/Ana 2.0.anc";
    QTest::newRow("extensão com algarismo") << "/p/som.mp3" << ".bmp" << "/p/som.mp3";
    QTest::newRow("extensão de quatro letras") << "/p/ceu.jpeg" << ".bmp" << "/p/ceu.jpeg";
    QTest::newRow("cancelado") << "" << ".anc" << "";
}

void TestAplicacao::extensaoAcrescentada() {
    QFETCH(QString, escolhido);
    QFETCH(QString, extensao);
    QFETCH(QString, esperado);
    QCOMPARE(ComExtensao(escolhido, extensao), esperado);
}

void TestAplicacao::pedidosPorTipo() {
    DefinePastaPrograma(QStringLiteral("/opt/natalis"));
    const PedidoFicheiro mapa = PreparaPedido(true, FicheiroMapa, QString());
    QCOMPARE(QDir::fromNativeSeparators(mapa.pasta), QStringLiteral("/opt/natalis/logs"));
    QCOMPARE(mapa.extensao, QStringLiteral(".anc"));
    const PedidoFicheiro orbes = PreparaPedido(true, FicheiroOrbes, QString());
    QCOMPARE(orbes.proposto, QStringLiteral("Orbitas 1"));
    QCOMPARE(QDir::fromNativeSeparators(orbes.pasta), QStringLiteral("/opt/natalis/orbs"));
    QCOMPARE(PreparaPedido(true, FicheiroRelatorio, QStringLiteral("Ana")).proposto, QStringLiteral("Ana"));
    QCOMPARE(QDir::fromNativeSeparators(PreparaPedido(false, FicheiroFundo, QString()).pasta),
             QStringLiteral("/opt/natalis/backgrounds"));
}

void TestAplicacao::registoTipos() {
    QTemporaryDir dados;
    QTemporaryDir programa(QDir::tempPath() + QStringLiteral("/com espaços XXXXXX"));
    const QString exe = programa.filePath(QStringLiteral("natalis"));
    QVERIFY(!RegistaTiposNatalis(exe, QStringLiteral("natalis.svg"), dados.path())); // no executable: nothing
    QVERIFY(!QDir(dados.filePath(QStringLiteral("applications"))).exists());
    QFile f(exe);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QVERIFY(RegistaTiposNatalis(exe, QStringLiteral("natalis.svg"), dados.path()));
    QFile mime(dados.filePath(QStringLiteral("mime/packages/natalis-chart.xml")));
    QVERIFY(mime.open(QIODevice::ReadOnly));
    const QString xml = QString::fromUtf8(mime.readAll());
    QVERIFY(xml.contains(QStringLiteral("<glob pattern=\"*.anc\"/>")));
    QVERIFY(xml.contains(QStringLiteral("Natalis Astral Natal Chart")));
    QFile entrada(dados.filePath(QStringLiteral("applications/natalis-orb.desktop")));
    QVERIFY(entrada.open(QIODevice::ReadOnly));
    const QString desktop = QString::fromUtf8(entrada.readAll());
    // The path with blanks is quoted, so the file reaches the program whole.
    QVERIFY2(desktop.contains(QStringLiteral("Exec=\"") + exe + QStringLiteral("\" %f")), qPrintable(desktop));
    QVERIFY(desktop.contains(QStringLiteral("MimeType=application/x-natalis-orb;")));
}

void TestAplicacao::textoInformacao() {
    Mapa m;
    m.RecriaCorpos();
    planeta& sol = m.Corpo(0);
    sol.Nome = QStringLiteral("Sol");
    sol.Posicao().setValorGraus(45.5);
    sol.Casa = 10;
    QCOMPARE(TextoShowInfo(m, 1), QStringLiteral("Sol \n15º30'0''Touro \nNa casa 10\n\nAspectos:\n"
                                                 "[este ponto não apresenta aspectos]\n"));
    sol.Retrogrado = true;
    sol.Aspectos().Add(QStringLiteral(" Em Trigono com Lua"), 1000);
    QCOMPARE(TextoShowInfo(m, 1), QStringLiteral("Sol \n15º30'0''Touro \n (Retrógrado)\nNa casa 10\n\nAspectos:\n"
                                                 " Em Trigono com Lua\n"));
    QVERIFY(TextoShowInfo(m, 14).isEmpty());
}

void TestAplicacao::gravacaoAutomaticaSoNumCaminhoValido() {
    AmbienteGui amb;
    // A damaged chart: it stops after three records.
    const QString danificado = amb.pasta.filePath(QStringLiteral("danificado.anc"));
    QFile f(danificado);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("\"Ana\"\r\n\"1/2/1990\"\r\n#FALSE#\r\n");
    f.close();
    const QByteArray antes = [&] {
        QFile g(danificado);
        g.open(QIODevice::ReadOnly);
        return g.readAll();
    }();
    SessaoMapa s;
    QVERIFY(!s.Abre(danificado));
    // Nothing of the damaged file is taken on: no chart, no path to save over.
    QVERIFY(!s.campos().mapaAberto);
    QVERIFY(s.campos().caminhoFicheiro.isEmpty());
    s.campos().mapaAberto = true;
    s.campos().cometarios = QStringLiteral("escrito depois");
    s.marcaAlterado();
    QVERIFY(!s.GuardaAutomatico());
    QFile g(danificado);
    QVERIFY(g.open(QIODevice::ReadOnly));
    QCOMPARE(g.readAll(), antes); // left exactly as it was
    // Save goes to Save As instead.
    const QString novo = amb.pasta.filePath(QStringLiteral("novo.anc"));
    s.defineEscolha([novo] { return novo; });
    QVERIFY(s.Guarda());
    QVERIFY(QFile::exists(novo));
    QCOMPARE(s.campos().caminhoFicheiro, novo);
    s.campos().cometarios = QStringLiteral("outra vez");
    s.marcaAlterado();
    QVERIFY(s.GuardaAutomatico()); // a path written whole may be saved over
}

void TestAplicacao::impressaoSemImpressora() {
    if (!QPrinterInfo::availablePrinters().isEmpty())
        QSKIP("há uma impressora instalada nesta máquina");
    AmbienteGui amb;
    std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
    QVERIFY(j);
    j->sessao().campos().txtNome = QStringLiteral("Ana");
    j->sessao().campos().mapaAberto = true;
    const QString pdf = amb.pasta.filePath(QStringLiteral("resumo"));
    amb.caixa.respostas << RespostaMsg::Sim;
    amb.respostas << pdf;
    j->accao(QStringLiteral("mnuprintresume"))->setEnabled(true);
    j->accao(QStringLiteral("mnuprintresume"))->trigger();
    QFile f(pdf + QStringLiteral(".pdf"));
    QVERIFY2(f.open(QIODevice::ReadOnly), "o PDF não foi escrito");
    QVERIFY(f.read(5) == "%PDF-");
}

void TestAplicacao::orbesNaLinhaDeComando() {
    AmbienteGui amb;
    ValoresOrbes v{};
    v.fill(3);
    const QString orbes = amb.pasta.filePath(QStringLiteral("as minhas orbes.orb"));
    QVERIFY(EscreveFicheiroOrbes(orbes, v));
    std::unique_ptr<frmMain> j(Arranca(orbes.split(QLatin1Char(' ')), AmbienteGui::opcoesTeste()));
    QVERIFY(j);
    QCOMPARE(OrbesActuais().orb(1, 2), int16_t(3));
    QCOMPARE(GetOption(0), orbes);
    QVERIFY(!j->sessao().campos().mapaAberto); // read as orbs, not as a chart
    LoadOrbs(true, QString());
}

void TestAplicacao::cuspideEditadaRefazTudo() {
    AmbienteGui amb;
    std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
    QVERIFY(j);
    QVERIFY(QTest::qWaitForWindowActive(j.get()));
    CamposMapa& c = j->sessao().campos();
    // A chart typed by hand: every body at 10º Carneiro except the Sun.
    c.mapaAberto = true;
    c.txttemposideral = QStringLiteral("0h0'0''");
    for (int i = 0; i < 12; ++i)
        c.PosPlaneta[size_t(i)] = QStringLiteral("10º0'0''Carneiro");
    c.PosPlaneta[0] = QStringLiteral("5º0'0''Leão");
    const char* cuspides[6] = {"0º0'0''Capricórnio", "0º0'0''Aquário", "0º0'0''Peixes",
                               "0º0'0''Carneiro",    "0º0'0''Touro",   "0º0'0''Gémeos"};
    for (int k = 0; k < 6; ++k)
        c.PosCasas[size_t(k)] = QString::fromUtf8(cuspides[k]);
    j->sessao().Refaz();
    j->MostraCampos();
    QCOMPARE(j->sessao().mapa().Corpo(1).Casa, int16_t(1));
    // The Ascendant moved by hand to 15º Carneiro: the Moon at 10º falls back into house 12,
    // and the parts follow.
    const QString fortunaAntes = c.partes[0];
    auto* asc = j->findChild<QLineEdit*>(QStringLiteral("PosCasas3"));
    asc->setFocus();
    asc->selectAll();
    QTest::keyClicks(asc, QStringLiteral("15º Carneiro"));
    j->findChild<QLineEdit*>(QStringLiteral("txtNome"))->setFocus();
    QCOMPARE(asc->text(), QStringLiteral("15º0'0''Carneiro"));
    QCOMPARE(j->sessao().mapa().Corpo(1).Casa, int16_t(12));
    QVERIFY(c.partes[0] != fortunaAntes);
    QCOMPARE(c.lPosCasas[3], QStringLiteral("15º0'0''Libra"));
}

QTEST_MAIN(TestAplicacao)
#include "test_aplicacao.moc"
