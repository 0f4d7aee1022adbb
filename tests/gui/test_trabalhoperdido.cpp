// Nothing the user typed is lost, driven through the window as a user would: quotes in the
// comments reach the file in the same form by every way of saving, positions typed by hand
// stay, report edits and birth data not yet cast are asked about, the proposed file name
// survives the chooser, a damaged file leaves the chart shown, orb edits either apply or are
// refused with a reason, and the save question comes only when something changed.
#include "ambientegui.h"
#include "dialogosgui.h"
#include "ficheiromapa.h"
#include "frmmain.h"
#include "frmoptions.h"
#include "frmread.h"
#include "orbes.h"
#include "superficieecra.h"

#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTextEdit>

namespace {
const QString kComentario = QStringLiteral("Consulta: disse \"sim\" ao casamento.");
const QString kComentarioGuardado = QStringLiteral("Consulta: disse \u201Dsim\u201D ao casamento.");

// Types the Lisbon chart, casts it and saves it with Ctrl+S under logs/<nome>.anc.
QString mapaGuardado(AmbienteGui& amb, frmMain* j, const QString& nome = QStringLiteral("Maria")) {
    escreveNascimento(j);
    const QString ficheiro = amb.pasta.filePath(QStringLiteral("logs/") + nome + QStringLiteral(".anc"));
    amb.respostas << ficheiro;
    QTest::keyClick(j, Qt::Key_S, Qt::ControlModifier);
    return ficheiro;
}

void escreveComentario(frmMain* j, const QString& texto) {
    auto* c = filho<QPlainTextEdit>(j, "cometarios");
    QTest::mouseClick(c->viewport(), Qt::LeftButton);
    QVERIFY(c->hasFocus());
    QTest::keyClicks(c, texto);
}
} // namespace

class TestTrabalhoPerdido : public QObject {
    Q_OBJECT
private slots:
    void init() {
        SaveOption(3, QStringLiteral("0"));
        SaveOption(5, QStringLiteral("0"));
    }
    void aspasGuardadasIgual_data();
    void aspasGuardadasIgual();
    void posicoesAMaoFicam();
    void edicoesDaLeitura_data();
    void edicoesDaLeitura();
    void dadosPorCalcular_data();
    void dadosPorCalcular();
    void nomeComAspasProposto();
    void ficheiroDanificado_data();
    void ficheiroDanificado();
    void orbesEditadas();
    void perguntaSoComAlteracoes_data();
    void perguntaSoComAlteracoes();
};

void TestTrabalhoPerdido::aspasGuardadasIgual_data() {
    QTest::addColumn<QString>("como");
    QTest::newRow("gravação automática ao clicar na hora") << "automatica";
    QTest::newRow("Ctrl+S nos comentários") << "ctrl+s";
    QTest::newRow("Guardar como (Ctrl+Shift+S)") << "guardar como";
    QTest::newRow("pergunta ao fechar") << "fechar";
}

void TestTrabalhoPerdido::aspasGuardadasIgual() {
    QFETCH(QString, como);
    AmbienteGui amb;
    auto j = janela();
    QVERIFY(j);
    QString destino = mapaGuardado(amb, j.get());
    QVERIFY(QFile::exists(destino));
    amb.caixa.chamadas.clear();
    escreveComentario(j.get(), kComentario);
    auto* caixa = filho<QPlainTextEdit>(j.get(), "cometarios");
    if (como == QLatin1String("automatica")) {
        clica(j.get(), "txtHora");
    } else if (como == QLatin1String("ctrl+s")) {
        QTest::keyClick(caixa, Qt::Key_S, Qt::ControlModifier);
    } else if (como == QLatin1String("guardar como")) {
        destino = amb.pasta.filePath(QStringLiteral("logs/Outra.anc"));
        amb.respostas << destino;
        QTest::keyClick(caixa, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    } else {
        amb.caixa.respostas << RespostaMsg::Sim;
        j->close();
        QVERIFY(perguntou(amb, QStringLiteral("Deseja guardar as alterações ao mapa?")));
    }
    // ” is 0x94 in Windows-1252; the record keeps its two delimiting quotes only.
    const QByteArray bytes = leBytes(destino);
    QVERIFY2(bytes.contains("\r\n\"Consulta: disse \x94sim\x94 ao casamento.\"\r\n\"\"\r\n"), bytes.right(80).constData());
    CamposMapa lido;
    QCOMPARE(LeBytesMapa(bytes, lido), 0);
    QCOMPARE(lido.cometarios, kComentarioGuardado);
    QVERIFY(lido.txtemail.isEmpty());
    // Said in the status bar: a box opened while the focus moves lets the fields be read again
    // behind it, quotes and all.
    QVERIFY(!perguntou(amb, QStringLiteral("Um ficheiro de mapa não pode guardar aspas")));
    if (como != QLatin1String("fechar")) { // the box shows what the file holds
        QVERIFY(j->statusBar()->currentMessage().contains(QStringLiteral("aspas tipográficas")));
        QCOMPARE(caixa->toPlainText(), kComentarioGuardado);
    }
}

void TestTrabalhoPerdido::posicoesAMaoFicam() {
    AmbienteGui amb;
    auto j = janela();
    QVERIFY(j);
    clica(j.get(), "optwrite0"); // Escrever directamente
    escreveNascimento(j.get());
    const CamposMapa& c = j->sessao().campos();
    QVERIFY(!c.mapaAberto); // nothing cast over the choice
    QTest::keyClick(j.get(), Qt::Key_2, Qt::ControlModifier);
    quandoAberto<QDialog>([](QDialog* d) {
        QTest::keyClicks(filho<QLineEdit>(d, "txtvalor"), QStringLiteral("10º30' Touro"));
        clica(d, "cmdOK");
    });
    clica(j.get(), "PosPlaneta0");
    j->activateWindow(); // the offscreen platform does not give it back when the form closes
    QVERIFY(QTest::qWaitForWindowActive(j.get()));
    const QString aMao = QStringLiteral("10º30'0''Touro");
    QCOMPARE(filho<QPushButton>(j.get(), "PosPlaneta0")->text(), aMao);

    // Into the zone and out with another zone: no cast, no change of mode, nothing asked.
    QTest::keyClick(j.get(), Qt::Key_1, Qt::ControlModifier);
    amb.caixa.chamadas.clear();
    clica(j.get(), "FusoHorario");
    escreve(j.get(), "FusoHorario", QStringLiteral("2"));
    clica(j.get(), "txtNome");
    QVERIFY(amb.caixa.chamadas.isEmpty());
    QVERIFY(filho<QRadioButton>(j.get(), "optwrite0")->isChecked());
    QCOMPARE(c.PosPlaneta[0], aMao);

    // Calcular (F5) asks first; "Não" keeps the hand-typed position, "Sim" casts.
    amb.caixa.respostas << RespostaMsg::Nao;
    QTest::keyClick(j.get(), Qt::Key_F5);
    QVERIFY(perguntou(amb, QStringLiteral("As posições foram escritas à mão.")));
    QCOMPARE(c.PosPlaneta[0], aMao);
    amb.caixa.respostas << RespostaMsg::Sim;
    QTest::keyClick(j.get(), Qt::Key_F5);
    QVERIFY(c.PosPlaneta[0] != aMao);
    QVERIFY(c.PosPlaneta[0].endsWith(QStringLiteral("Touro"))); // the Sun on 25 April 1974
    QVERIFY(filho<QRadioButton>(j.get(), "optwrite2")->isChecked());
}

void TestTrabalhoPerdido::edicoesDaLeitura_data() {
    QTest::addColumn<QString>("como");
    QTest::addColumn<bool>("pessoal"); // the edit is in the personal pane
    QTest::addColumn<int>("resposta");
    QTest::newRow("fechar a leitura, cancelado") << "fechar" << false << int(RespostaMsg::Cancelar);
    QTest::newRow("Ler outra vez, cancelado") << "ler" << false << int(RespostaMsg::Cancelar);
    QTest::newRow("novo mapa, cancelado") << "novo" << false << int(RespostaMsg::Cancelar);
    QTest::newRow("pessoal ao fechar, cancelado") << "fechar" << true << int(RespostaMsg::Cancelar);
    QTest::newRow("fechar a leitura, guardado") << "fechar" << false << int(RespostaMsg::Sim);
    QTest::newRow("Ler outra vez, descartado") << "ler" << false << int(RespostaMsg::Nao);
}

void TestTrabalhoPerdido::edicoesDaLeitura() {
    QFETCH(QString, como);
    QFETCH(bool, pessoal);
    QFETCH(int, resposta);
    AmbienteGui amb;
    auto j = janela();
    QVERIFY(j);
    escreveNascimento(j.get());
    clicaBarra(j.get(), "tb_read");
    auto* l = j->findChild<frmread*>();
    QVERIFY(l && l->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(l));
    if (pessoal)
        clicaBarra(l, "tb_resumo");
    QTextEdit* caixa = pessoal ? l->txtRTF2() : l->txtRTF();
    QTest::mouseClick(caixa->viewport(), Qt::LeftButton);
    QTest::keyClick(caixa, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(caixa, QStringLiteral(" Nota minha."));
    amb.caixa.chamadas.clear();

    const QString rtf = amb.pasta.filePath(QStringLiteral("leitura.rtf"));
    if (como == QLatin1String("novo"))
        amb.caixa.respostas << RespostaMsg::Nao; // the chart itself: not saved
    amb.caixa.respostas << RespostaMsg(resposta);
    if (resposta == int(RespostaMsg::Sim)) {
        amb.respostas << rtf;
        amb.caixa.respostas << RespostaMsg::Nao; // not opened in another program
    }
    if (como == QLatin1String("fechar"))
        clicaBarra(l, "tb_fechar");
    else if (como == QLatin1String("ler"))
        clicaBarra(j.get(), "tb_read");
    else
        clicaBarra(j.get(), "tb_new");

    QVERIFY(perguntou(amb, pessoal ? QStringLiteral("A interpretação pessoal tem alterações por guardar.")
                                   : QStringLiteral("A interpretação tem alterações por guardar.")));
    const bool fica = caixa->toPlainText().contains(QStringLiteral("Nota minha."));
    switch (RespostaMsg(resposta)) {
    case RespostaMsg::Cancelar:
        QVERIFY(fica);
        QVERIFY(l->isVisible());
        QVERIFY(j->sessao().campos().mapaAberto);
        break;
    case RespostaMsg::Sim:
        QVERIFY(leBytes(rtf).contains("Nota minha."));
        QVERIFY(!l->isVisible());
        break;
    default:
        QVERIFY(!fica); // rewritten, as the user chose
        break;
    }
}

void TestTrabalhoPerdido::dadosPorCalcular_data() {
    QTest::addColumn<QString>("como");
    QTest::addColumn<int>("resposta");
    QTest::newRow("mapa recente, não descartar") << "recente" << int(RespostaMsg::Nao);
    QTest::newRow("Abrir (Ctrl+O), não descartar") << "abrir" << int(RespostaMsg::Nao);
    QTest::newRow("Novo (Ctrl+N), não descartar") << "novo" << int(RespostaMsg::Nao);
    QTest::newRow("mapa recente, descartar") << "recente" << int(RespostaMsg::Sim);
}

void TestTrabalhoPerdido::dadosPorCalcular() {
    QFETCH(QString, como);
    QFETCH(int, resposta);
    AmbienteGui amb;
    CamposMapa outro;
    outro.txtNome = QStringLiteral("Outro");
    outro.txtData = QStringLiteral("1/1/2000");
    const QString ficheiro = amb.pasta.filePath(QStringLiteral("logs/outro.anc"));
    QDir().mkpath(amb.pasta.filePath(QStringLiteral("logs")));
    QVERIFY(SaveToFile(ficheiro, outro));
    AddRecentFile(ficheiro);
    auto j = janela();
    QVERIFY(j);
    escreve(j.get(), "txtNome", QStringLiteral("Ana Sousa"));
    escreve(j.get(), "txtData", QStringLiteral("2/3/1985"));
    clica(j.get(), "txtHora");
    QVERIFY(!j->sessao().campos().mapaAberto);

    amb.caixa.respostas << RespostaMsg(resposta);
    amb.respostas << ficheiro;
    if (como == QLatin1String("recente"))
        j->accao(QStringLiteral("mnuFileMRU1"))->trigger();
    else
        QTest::keyClick(j.get(), como == QLatin1String("abrir") ? Qt::Key_O : Qt::Key_N, Qt::ControlModifier);
    QVERIFY(perguntou(amb, QStringLiteral("Os dados que escreveu ainda não foram calculados nem guardados.")));
    QCOMPARE(filho<QLineEdit>(j.get(), "txtNome")->text(),
             resposta == int(RespostaMsg::Nao) ? QStringLiteral("Ana Sousa") : QStringLiteral("Outro"));
}

void TestTrabalhoPerdido::nomeComAspasProposto() {
    AmbienteGui amb;
    auto j = janela();
    QVERIFY(j);
    escreveNascimento(j.get());
    auto* nome = filho<QLineEdit>(j.get(), "txtNome");
    clica(j.get(), "txtNome");
    nome->selectAll();
    digita(nome, QStringLiteral("João \"Tó\" d'ávila"));
    clica(j.get(), "txtHora");
    DefineRespostaFicheiro({}); // the real chooser, answered with Enter as proposed
    QString proposto;
    quandoAberto<QFileDialog>([&proposto](QFileDialog* d) {
        auto* nome = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(nome);
        proposto = nome->text();
        QTest::keyClick(nome, Qt::Key_Return);
    });
    QTest::keyClick(j.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    const QString esperado = QStringLiteral("João \u201DTó\u201D d'ávila");
    QCOMPARE(proposto, esperado);
    QVERIFY(QFile::exists(amb.pasta.filePath(QStringLiteral("logs/") + esperado + QStringLiteral(".anc"))));
    QVERIFY(!QFile::exists(amb.pasta.filePath(QStringLiteral("logs/Tó.anc"))));
}

void TestTrabalhoPerdido::ficheiroDanificado_data() {
    QTest::addColumn<bool>("comMapa");
    QTest::newRow("com um mapa aberto") << true;
    QTest::newRow("sem mapa") << false;
}

void TestTrabalhoPerdido::ficheiroDanificado() {
    QFETCH(bool, comMapa);
    AmbienteGui amb;
    auto j = janela();
    QVERIFY(j);
    const QString bom = mapaGuardado(amb, j.get());
    // The same chart with record 12 (the Moon's retrograde flag) not a flag.
    QByteArray bytes = leBytes(bom);
    QList<QByteArray> registos = bytes.split('\n');
    registos[11] = registos[11].left(registos[11].indexOf(',') + 1) + "talvez\r";
    const QString danificado = amb.pasta.filePath(QStringLiteral("logs/danificado.anc"));
    QFile f(danificado);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(registos.join('\n'));
    f.close();
    if (!comMapa)
        QTest::keyClick(j.get(), Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(j.get(), Qt::Key_3, Qt::ControlModifier);
    const QString info = filho<QLabel>(j.get(), "info")->text();
    const QImage roda = filho<SuperficieEcra>(j.get(), "Mapa")->imagem();
    const QString nome = filho<QLineEdit>(j.get(), "txtNome")->text();
    const QString sol = filho<QPushButton>(j.get(), "PosPlaneta0")->text();

    amb.caixa.chamadas.clear();
    amb.respostas << danificado;
    QTest::keyClick(j.get(), Qt::Key_O, Qt::ControlModifier);
    QVERIFY(perguntou(amb, QStringLiteral("Erro numero 13")));
    QCOMPARE(filho<QLineEdit>(j.get(), "txtNome")->text(), nome);
    QCOMPARE(filho<QPushButton>(j.get(), "PosPlaneta0")->text(), sol);
    QCOMPARE(filho<QLabel>(j.get(), "info")->text(), info);
    QCOMPARE(filho<SuperficieEcra>(j.get(), "Mapa")->imagem(), roda);
    QCOMPARE(j->accao(QStringLiteral("mnumap"))->isEnabled(), comMapa);
    QCOMPARE(j->sessao().campos().caminhoFicheiro, comMapa ? bom : QString());
    // Nothing to ask on leaving: the chart shown is the one saved (or none).
    amb.caixa.chamadas.clear();
    QTest::keyClick(j.get(), Qt::Key_N, Qt::ControlModifier);
    QVERIFY(amb.caixa.chamadas.isEmpty());
}

void TestTrabalhoPerdido::orbesEditadas() {
    AmbienteGui amb;
    auto j = janela();
    QVERIFY(j);
    LoadOrbs(true, QString());
    int k = 0;
    while (ParOrbe(k) != std::pair(5, 7)) // Marte–Saturno
        ++k;
    const int16_t padrao = OrbesActuais().orb(5, 7);
    j->accao(QStringLiteral("mnuorbes"))->trigger();
    auto* o = j->findChild<frmOptions*>();
    QVERIFY(o && o->isVisible());
    auto* caixa = filho<QSpinBox>(o, QStringLiteral("aspectvalue%1").arg(k).toLatin1().constData());
    // The built-in table: typing does nothing, and the dialog says why.
    QVERIFY(filho<QRadioButton>(o, "optacpect0")->isChecked());
    QTest::mouseClick(caixa, Qt::LeftButton);
    QTest::keyClick(caixa, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(caixa, QStringLiteral("1"));
    QCOMPARE(caixa->value(), int(padrao));
    QVERIFY(filho<QLabel>(o, "avisoOrbes")->isVisible());

    // The user's table: the edit applies on OK and is kept in the orb file the user names.
    clica(o, "optacpect1");
    QVERIFY(!filho<QLabel>(o, "avisoOrbes")->isVisible());
    QTest::mouseClick(caixa, Qt::LeftButton);
    QTest::keyClick(caixa, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(caixa, QStringLiteral("1"));
    const QString orb = amb.pasta.filePath(QStringLiteral("orbs/minhas.orb"));
    QDir().mkpath(amb.pasta.filePath(QStringLiteral("orbs")));
    amb.respostas << orb;
    clica(o, "cmdOK");
    QVERIFY(!o->isVisible());
    QCOMPARE(OrbesActuais().orb(5, 7), int16_t(1));
    QCOMPARE(leBytes(orb).split('\n').value(k).trimmed(), QByteArray("1"));
    QCOMPARE(GetOption(0), orb);
    j->accao(QStringLiteral("mnuorbes"))->trigger();
    QCOMPARE(caixa->value(), 1);
    clica(o, "cmdCancel");
    LoadOrbs(true, QString());
}

void TestTrabalhoPerdido::perguntaSoComAlteracoes_data() {
    QTest::addColumn<QString>("como");
    QTest::addColumn<bool>("pergunta");
    QTest::newRow("clicar no fuso de um mapa aberto") << "fuso" << false;
    QTest::newRow("logo depois de Ctrl+S") << "guardado" << false;
    QTest::newRow("Ctrl+S com aspas nos comentários") << "aspas" << false;
    QTest::newRow("nome mudado depois de guardar") << "nome" << true;
}

void TestTrabalhoPerdido::perguntaSoComAlteracoes() {
    QFETCH(QString, como);
    QFETCH(bool, pergunta);
    AmbienteGui amb;
    auto j = janela();
    QVERIFY(j);
    const QString ficheiro = mapaGuardado(amb, j.get());
    if (como == QLatin1String("fuso")) {
        amb.respostas << ficheiro;
        QTest::keyClick(j.get(), Qt::Key_O, Qt::ControlModifier);
        clica(j.get(), "FusoHorario");
        clica(j.get(), "txtNome");
    } else if (como == QLatin1String("aspas")) {
        escreveComentario(j.get(), kComentario);
        QTest::keyClick(filho<QPlainTextEdit>(j.get(), "cometarios"), Qt::Key_S, Qt::ControlModifier);
    } else if (como == QLatin1String("nome")) {
        escreve(j.get(), "txtNome", QStringLiteral("Maria Sousa"));
    }
    amb.caixa.chamadas.clear();
    amb.caixa.respostas << RespostaMsg::Cancelar;
    QTest::keyClick(j.get(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(perguntou(amb, QStringLiteral("Deseja guardar as alterações ao mapa?")), pergunta);
}

QTEST_MAIN(TestTrabalhoPerdido)
#include "test_trabalhoperdido.moc"
