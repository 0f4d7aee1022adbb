// Nothing the user typed is lost: quotes in the comments saved alike every way, hand-typed positions kept, report
// edits and uncast data asked about, the proposed name, a damaged file, the save question only after a change.
#include "ambientegui.h"
#include "ficheiromapa.h"
#include "frmread.h"
#include "superficieecra.h"

namespace {
const QString kComentario = "Consulta: disse \"sim\" ao casamento.";
const QString kComentarioGuardado = "Consulta: disse \u201Dsim\u201D ao casamento.";

// Types the Lisbon chart, casts it and saves it with Ctrl+S under logs/Maria.anc.
QString mapaGuardado(AmbienteGui& amb, frmMain* j) {
    escreveNascimento(j);
    amb.respostas << amb.em("logs/Maria.anc");
    QTest::keyClick(j, Qt::Key_S, Qt::ControlModifier);
    return amb.em("logs/Maria.anc");
}

QPlainTextEdit* escreveComentario(frmMain* j) {
    auto* c = filho<QPlainTextEdit>(j, "cometarios");
    QTest::mouseClick(c->viewport(), Qt::LeftButton);
    QTest::keyClicks(c, kComentario);
    return c;
}
} // namespace

class TestTrabalhoPerdido : public QObject {
    Q_OBJECT
private slots:
    void init() { SaveOption(3, "0"), SaveOption(5, "0"); }

    void aspasGuardadasIgual_data() {
        QTest::addColumn<QString>("como");
        QTest::newRow("gravação automática ao clicar na hora") << "automatica";
        QTest::newRow("Ctrl+S nos comentários") << "ctrl+s";
        QTest::newRow("Guardar como (Ctrl+Shift+S)") << "guardar como";
        QTest::newRow("pergunta ao fechar") << "fechar";
    }
    void aspasGuardadasIgual() {
        QFETCH(QString, como);
        AmbienteGui amb;
        auto j = janela();
        QString destino = mapaGuardado(amb, j.get());
        amb.caixa.chamadas.clear();
        auto* caixa = escreveComentario(j.get());
        if (como == "automatica") {
            clica(j.get(), "txtHora");
        } else if (como == "ctrl+s") {
            QTest::keyClick(caixa, Qt::Key_S, Qt::ControlModifier);
        } else if (como == "guardar como") {
            amb.respostas << (destino = amb.em("logs/Outra.anc"));
            QTest::keyClick(caixa, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        } else {
            amb.caixa.respostas << RespostaMsg::Sim;
            j->close();
            QVERIFY(amb.perguntou("Deseja guardar as alterações ao mapa?"));
        }
        // ” is 0x94 in Windows-1252; the record keeps its two delimiting quotes only.
        const QByteArray bytes = leBytes(destino);
        QVERIFY2(bytes.contains("\r\n\"Consulta: disse \x94sim\x94 ao casamento.\"\r\n\"\"\r\n"), bytes.right(80).constData());
        // Said in the status bar: a box opened while the focus moves lets the fields be read
        // again behind it, quotes and all.
        QVERIFY(!amb.perguntou("Um ficheiro de mapa não pode guardar aspas"));
        if (como != "fechar") // the box shows what the file holds
            QVERIFY(j->statusBar()->currentMessage().contains("aspas tipográficas") && caixa->toPlainText() == kComentarioGuardado);
    }

    void posicoesAMaoFicam() {
        AmbienteGui amb;
        auto j = janela();
        clica(j.get(), "optwrite0"); // Escrever directamente
        escreveNascimento(j.get());
        const CamposMapa& c = j->sessao().campos();
        QVERIFY(!c.mapaAberto); // nothing cast over the choice
        QTest::keyClick(j.get(), Qt::Key_2, Qt::ControlModifier);
        quandoAberto<QDialog>([](QDialog* d) {
            QTest::keyClicks(filho<QLineEdit>(d, "txtvalor"), "10º30' Touro");
            clica(d, "cmdOK");
        });
        clica(j.get(), "PosPlaneta0");
        j->activateWindow(); // the offscreen platform does not give it back when the form closes
        QVERIFY(QTest::qWaitForWindowActive(j.get()));
        const QString aMao = "10º30'0''Touro";
        QCOMPARE(filho<QPushButton>(j.get(), "PosPlaneta0")->text(), aMao);
        // Into the zone and out with another zone: no cast, no change of mode, nothing asked.
        QTest::keyClick(j.get(), Qt::Key_1, Qt::ControlModifier);
        QCOMPARE(j->vistaActual(), 0);
        amb.caixa.chamadas.clear();
        clica(j.get(), "FusoHorario");
        escreve(j.get(), "FusoHorario", "2");
        clica(j.get(), "txtNome");
        QVERIFY(amb.caixa.chamadas.isEmpty());
        QVERIFY(filho<QRadioButton>(j.get(), "optwrite0")->isChecked());
        QCOMPARE(c.PosPlaneta[0], aMao);
        // Calcular (F5) asks first; "Não" keeps the hand-typed position, "Sim" casts.
        amb.caixa.respostas << RespostaMsg::Nao;
        QTest::keyClick(j.get(), Qt::Key_F5);
        QVERIFY(amb.perguntou("As posições foram escritas à mão."));
        QCOMPARE(c.PosPlaneta[0], aMao);
        amb.caixa.respostas << RespostaMsg::Sim;
        QTest::keyClick(j.get(), Qt::Key_F5);
        QVERIFY(c.PosPlaneta[0] != aMao && c.PosPlaneta[0].endsWith("Touro")); // the Sun on 25 April 1974
        QVERIFY(filho<QRadioButton>(j.get(), "optwrite2")->isChecked()); // back to "Automaticamente"
    }

    void edicoesDaLeitura_data() {
        // pessoal: the edit is in the personal pane
        colunas<QString, bool, RespostaMsg>({"como", "pessoal", "resposta"});
        QTest::newRow("fechar a leitura, cancelado") << "fechar" << false << RespostaMsg::Cancelar;
        QTest::newRow("Ler outra vez, cancelado") << "ler" << false << RespostaMsg::Cancelar;
        QTest::newRow("novo mapa, cancelado") << "novo" << false << RespostaMsg::Cancelar;
        QTest::newRow("pessoal ao fechar, cancelado") << "fechar" << true << RespostaMsg::Cancelar;
        QTest::newRow("fechar a leitura, guardado") << "fechar" << false << RespostaMsg::Sim;
        QTest::newRow("Ler outra vez, descartado") << "ler" << false << RespostaMsg::Nao;
    }
    void edicoesDaLeitura() {
        QFETCH(QString, como); QFETCH(bool, pessoal); QFETCH(RespostaMsg, resposta);
        AmbienteGui amb;
        auto j = janela(true);
        clicaBarra(j.get(), "tb_read");
        auto* l = j->findChild<frmread*>();
        QVERIFY(l && l->isVisible() && QTest::qWaitForWindowActive(l));
        if (pessoal) clicaBarra(l, "tb_resumo");
        QTextEdit* caixa = pessoal ? l->txtRTF2() : l->txtRTF();
        QTest::mouseClick(caixa->viewport(), Qt::LeftButton);
        QTest::keyClick(caixa, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(caixa, " Nota minha.");
        amb.caixa.chamadas.clear();
        if (como == "novo") amb.caixa.respostas << RespostaMsg::Nao; // the chart itself: not saved
        amb.caixa.respostas << resposta;
        if (resposta == RespostaMsg::Sim) {
            amb.respostas << amb.em("leitura.rtf");
            amb.caixa.respostas << RespostaMsg::Nao; // not opened in another program
        }
        if (como == "fechar") clicaBarra(l, "tb_fechar");
        else clicaBarra(j.get(), como == "ler" ? "tb_read" : "tb_new");
        QVERIFY(amb.perguntou(pessoal ? "A interpretação pessoal tem alterações por guardar."
                                      : "A interpretação tem alterações por guardar."));
        const bool fica = caixa->toPlainText().contains("Nota minha.");
        if (resposta == RespostaMsg::Cancelar) QVERIFY(fica && l->isVisible() && j->sessao().campos().mapaAberto);
        else if (resposta == RespostaMsg::Sim) QVERIFY(leBytes(amb.em("leitura.rtf")).contains("Nota minha.") && !l->isVisible());
        else QVERIFY(!fica); // rewritten, as the user chose
    }

    void dadosPorCalcular_data() {
        colunas<QString, bool>({"como", "descarta"});
        QTest::newRow("mapa recente, não descartar") << "recente" << false;
        QTest::newRow("Abrir (Ctrl+O), não descartar") << "abrir" << false;
        QTest::newRow("Novo (Ctrl+N), não descartar") << "novo" << false;
        QTest::newRow("mapa recente, descartar") << "recente" << true;
    }
    void dadosPorCalcular() {
        QFETCH(QString, como); QFETCH(bool, descarta);
        AmbienteGui amb;
        CamposMapa outro;
        outro.txtNome = "Outro";
        outro.txtData = "1/1/2000";
        const QString ficheiro = amb.em("outro.anc");
        QVERIFY(SaveToFile(ficheiro, outro));
        AddRecentFile(ficheiro);
        auto j = janela();
        escreve(j.get(), "txtNome", "Ana Sousa");
        escreve(j.get(), "txtData", "2/3/1985");
        clica(j.get(), "txtHora");
        QVERIFY(!j->sessao().campos().mapaAberto);
        amb.caixa.respostas << (descarta ? RespostaMsg::Sim : RespostaMsg::Nao);
        amb.respostas << ficheiro;
        if (como == "recente") j->accao("mnuFileMRU1")->trigger();
        else QTest::keyClick(j.get(), como == "abrir" ? Qt::Key_O : Qt::Key_N, Qt::ControlModifier);
        QVERIFY(amb.perguntou("Os dados que escreveu ainda não foram calculados nem guardados."));
        QCOMPARE(filho<QLineEdit>(j.get(), "txtNome")->text(), descarta ? "Outro" : "Ana Sousa");
    }

    void nomeComAspasProposto() {
        AmbienteGui amb;
        auto j = janela(true);
        escreve(j.get(), "txtNome", "João \"Tó\" d'ávila");
        clica(j.get(), "txtHora");
        DefineRespostaFicheiro({}); // the real chooser, answered with Enter as proposed
        QString proposto;
        quandoAberto<QFileDialog>([&proposto](QFileDialog* d) {
            auto* nome = filho<QLineEdit>(d, "fileNameEdit");
            proposto = nome->text();
            QTest::keyClick(nome, Qt::Key_Return);
        });
        QTest::keyClick(j.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(proposto, "João \u201DTó\u201D d'ávila");
        QVERIFY(QFile::exists(amb.em("logs/" + proposto + ".anc")) && !QFile::exists(amb.em("logs/Tó.anc")));
    }

    // A damaged file opened over the chart shown leaves it, its file and its views as they were.
    void ficheiroDanificado() {
        AmbienteGui amb;
        auto j = janela();
        const QString bom = mapaGuardado(amb, j.get());
        // The same chart with record 12 (the Moon's retrograde flag) not a flag.
        QList<QByteArray> registos = leBytes(bom).split('\n');
        registos[11] = registos[11].left(registos[11].indexOf(',') + 1) + "talvez\r";
        QVERIFY(amb.cria("logs/danificado.anc", registos.join('\n')));
        QTest::keyClick(j.get(), Qt::Key_3, Qt::ControlModifier);
        const auto estado = [&j] {
            return QVariantList{filho<QLabel>(j.get(), "info")->text(), filho<SuperficieEcra>(j.get(), "Mapa")->imagem(),
                                filho<QLineEdit>(j.get(), "txtNome")->text(),
                                filho<QPushButton>(j.get(), "PosPlaneta0")->text()};
        };
        const QVariantList antes = estado();
        amb.caixa.chamadas.clear();
        amb.respostas << amb.em("logs/danificado.anc");
        QTest::keyClick(j.get(), Qt::Key_O, Qt::ControlModifier);
        QVERIFY(amb.perguntou(QString::fromUtf8("O ficheiro de mapa «danificado.anc» está danificado")));
        QVERIFY2(amb.ultima().contains(QString::fromUtf8("O registo 12 devia ser #TRUE# ou #FALSE# e tem «talvez»")), qPrintable(amb.ultima()));
        QCOMPARE(estado(), antes);
        QVERIFY(j->accao("mnumap")->isEnabled());
        QCOMPARE(j->sessao().campos().caminhoFicheiro, bom);
        // Nothing to ask on leaving: the chart shown is the one saved.
        amb.caixa.chamadas.clear();
        QTest::keyClick(j.get(), Qt::Key_N, Qt::ControlModifier);
        QVERIFY(amb.caixa.chamadas.isEmpty());
    }

    void perguntaSoComAlteracoes_data() {
        colunas<QString, bool>({"como", "pergunta"});
        QTest::newRow("clicar no fuso de um mapa aberto") << "fuso" << false;
        QTest::newRow("Ctrl+S com aspas nos comentários") << "aspas" << false;
        QTest::newRow("nome mudado depois de guardar") << "nome" << true;
    }
    void perguntaSoComAlteracoes() {
        QFETCH(QString, como); QFETCH(bool, pergunta);
        AmbienteGui amb;
        auto j = janela();
        const QString ficheiro = mapaGuardado(amb, j.get());
        if (como == "fuso") {
            amb.respostas << ficheiro;
            QTest::keyClick(j.get(), Qt::Key_O, Qt::ControlModifier);
            clica(j.get(), "FusoHorario");
            clica(j.get(), "txtNome");
        } else if (como == "aspas") {
            QTest::keyClick(escreveComentario(j.get()), Qt::Key_S, Qt::ControlModifier);
        } else if (como == "nome") {
            escreve(j.get(), "txtNome", "Maria Sousa");
        }
        amb.caixa.chamadas.clear();
        amb.caixa.respostas << RespostaMsg::Cancelar;
        QTest::keyClick(j.get(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(amb.perguntou("Deseja guardar as alterações ao mapa?"), pergunta);
    }
};

QTEST_MAIN(TestTrabalhoPerdido)
#include "test_trabalhoperdido.moc"
