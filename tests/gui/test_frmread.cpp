// The reading window: the report written with its progress bar, formatting on a selection, saving with and
// without the personal part (read back by unrtf) and importing it again.
#include "ambientegui.h"
#include "caixaqt.h"
#include "frmread.h"
#include "relatorio.h"

namespace {
void selecciona(QTextEdit* e, int inicio, int fim) {
    e->moveCursor(QTextCursor::End); // as a click would, the caret moves first: the box reports the new selection
    QTextCursor c(e->document());
    c.setPosition(inicio);
    c.setPosition(fim, QTextCursor::KeepAnchor);
    e->setTextCursor(c);
    e->setFocus();
}

QTextCharFormat formato(QTextEdit* e, int posicao) {
    QTextCursor c(e->document());
    c.setPosition(posicao);
    return c.charFormat();
}
} // namespace

class TestFrmRead : public QObject {
    Q_OBJECT
    std::unique_ptr<AmbienteGui> m_amb;
    std::unique_ptr<frmMain> m_j;
    frmread* m_l = nullptr;
    bool ligado(const char* accao) { return m_l->accao(accao)->isChecked(); }

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable("unrtf").isEmpty()) QSKIP("unrtf não está instalado (scripts/setup.sh)");
        m_amb = std::make_unique<AmbienteGui>();
        m_j = janela(true);
        QVERIFY2(m_j && m_j->sessao().campos().mapaAberto, "o mapa não foi calculado");
    }

    void relatorioEscritoEComandos() {
        m_j->accao("tb_read")->trigger();
        m_l = m_j->findChild<frmread*>();
        QVERIFY(m_l && m_l->isVisible());
        auto* barra = filho<QProgressBar>(m_l, "ProgressBar1");
        QCOMPARE(barra->value(), 100);
        // The boxes are back in front once the report is written.
        QVERIFY(filho(m_l, "holder")->isVisible() && !filho(m_l, "frame1")->isVisible());
        QTextEdit* r = m_l->txtRTF();
        const QString texto = r->toPlainText();
        // The synthesis opens the report, with the main window's wheel as its picture.
        QVERIFY(texto.startsWith("Natalis") && texto.contains("Mapa astral de: Maria Silva") && texto.contains("Síntese do Mapa"));
        QVERIFY(!r->document()->resource(QTextDocument::ImageResource, QUrl("natalis://roda")).value<QImage>().isNull());
        QVERIFY(!m_l->txtRTF2()->isVisible() && m_l->txtRTF2()->toPlainText().startsWith("Interpretação Pessoal"));
        // Refazer writes the same report again, from an empty box, and the bar reaches 100 %.
        QList<int> progresso;
        connect(barra, &QProgressBar::valueChanged, this, [&progresso](int v) { progresso << v; });
        m_l->accao("mnuactualizar")->trigger();
        QCOMPARE(r->toPlainText(), texto);
        QVERIFY(!progresso.isEmpty() && progresso.last() == 100 && std::is_sorted(progresso.begin() + 1, progresso.end()));
        // "Natalis" is the title at 50 points; bold, italic and one point more (73, shown although
        // not in the list) on its first four letters only.
        selecciona(r, 0, 4);
        for (const char* a : {"tb_bold", "tb_italico"}) m_l->accao(a)->trigger();
        auto* tamanho = filho<QComboBox>(m_l, "Tamanho");
        tamanho->setCurrentIndex(tamanho->findText("72"));
        m_l->accao("tb_up")->trigger();
        QVERIFY(formato(r, 2).fontWeight() >= QFont::Bold && formato(r, 2).fontItalic());
        QCOMPARE(formato(r, 2).fontPointSize(), 73.0);
        QCOMPARE(tamanho->currentText(), "73");
        QVERIFY(formato(r, 6).fontWeight() < QFont::Bold && !formato(r, 6).fontItalic());
        // A plain paragraph releases the buttons.
        const int simples = int(texto.indexOf("Mapa astral")) + 1;
        selecciona(r, simples, simples);
        QVERIFY(!ligado("tb_bold") && ligado("tb_center"));
        // The personal pane: menu and tool-bar key follow each other; the report keeps the larger part.
        m_l->accao("tb_resumo")->trigger();
        QVERIFY(m_l->txtRTF2()->isVisible() && ligado("mnupersonal") && r->height() > 2 * m_l->txtRTF2()->height());
        m_l->accao("mnupersonal")->trigger();
        QVERIFY(!m_l->txtRTF2()->isVisible() && !ligado("tb_resumo"));
        // The report writer selects each bold paragraph it appends; the buttons stay as the caret left them.
        selecciona(r, simples, simples);
        EscreveParagrafo(*r->document(), "Negrito do relatório", 0, true, true, false, 11, true, AlinhaEsquerda);
        QVERIFY(r->toPlainText().contains("Negrito do relatório") && !ligado("tb_bold") && !ligado("tb_italico"));
        m_l->accao("mnuactualizar")->trigger();
        // Selecionar Tudo and Apagar empty the box; Refazer then asks before letting the edits go.
        r->setFocus();
        m_l->accao("mnuselectall")->trigger();
        m_l->accao("mnuapagar")->trigger();
        QVERIFY(r->toPlainText().isEmpty());
        m_amb->caixa.respostas << RespostaMsg::Nao; // let the edits go
        m_l->accao("mnuactualizar")->trigger();
        QVERIFY(r->toPlainText().startsWith("Natalis"));
    }

    void guardaEImporta() {
        QVERIFY(m_l);
        QTextEdit *r = m_l->txtRTF(), *p = m_l->txtRTF2();
        m_amb->respostas << m_amb->em("so relatorio.rtf");
        m_amb->caixa.respostas << RespostaMsg::Nao; // do not open it in another program
        m_l->accao("tb_save")->trigger();
        QVERIFY(m_amb->ultima().contains("Deseja abrir este ficheiro"));
        QCOMPARE(m_amb->pedidos.last().pasta, m_amb->em("logs")); // beside the charts, not in the program's folder
        const QString lidoSo = corre("unrtf", {"--text", m_amb->em("so relatorio.rtf")}, true);
        QVERIFY2(lidoSo.contains("Auto - Interpretação"), qPrintable(lidoSo.left(400)));
        QVERIFY(!lidoSo.contains("Interpretação Pessoal"));
        // With a personal text: the file holds the report, then the personal part.
        m_l->definePersonal(true);
        p->moveCursor(QTextCursor::End);
        p->insertPlainText("O meu comentário sobre a Lua.");
        const QString relatorio = r->toPlainText(), ambos = m_amb->em("com pessoal.rtf");
        m_amb->respostas << ambos;
        m_amb->caixa.respostas << RespostaMsg::Nao;
        m_l->accao("mnuExport")->trigger();
        const QString lidos = corre("unrtf", {"--text", ambos}, true);
        const qsizetype relat = lidos.indexOf("Auto - Interpretação"), cab = lidos.indexOf("Interpretação Pessoal");
        QVERIFY2(relat >= 0 && cab > relat, qPrintable(lidos.right(400)));
        QVERIFY(lidos.indexOf("O meu comentário sobre a Lua.") > cab);
        QCOMPARE(r->toPlainText(), relatorio); // the report box shows the report only
        // Imported into empty boxes: the personal part returns to its pane.
        m_l->definePersonal(false);
        p->clear();
        r->clear();
        m_amb->respostas << ambos;
        m_l->accao("mnuimport")->trigger();
        QVERIFY(r->toPlainText().contains("Auto - Interpretação") && !r->toPlainText().toLower().contains("interpretação pessoal"));
        QVERIFY(p->isVisible() && p->toPlainText().startsWith("Interpretação Pessoal") && p->toPlainText().contains("O meu comentário sobre a Lua."));
        const QString antes = r->toPlainText(); // a cancelled chooser changes nothing
        m_l->accao("mnuimport")->trigger();
        QCOMPARE(r->toPlainText(), antes);
    }

    // A file beyond the import limit is refused at once; a long import cancelled from its
    // progress dialog leaves the edits in the window; let run, it replaces them.
    void importaGrandeOuCancelado() {
        QVERIFY(m_l);
        QTextEdit* r = m_l->txtRTF();
        r->moveCursor(QTextCursor::End);
        r->insertPlainText("A minha edição por guardar.");
        const QString antes = r->toPlainText();
        const QString grande = m_amb->em("grande.rtf"), longo = m_amb->em("longo.rtf");
        QVERIFY(m_amb->cria("grande.rtf", "{\\rtf1 " + QByteArray(9 * 1024 * 1024, 'a') + "}"));
        QVERIFY(m_amb->cria("longo.rtf", "{\\rtf1\\ansi " + QByteArray("linha curta\\par\n").repeated(200000) + "}"));
        m_amb->respostas << grande;
        m_l->accao("mnuimport")->trigger();
        QVERIFY2(m_amb->ultima().contains("a janela de leitura importa ficheiros até 8 MB"), qPrintable(m_amb->ultima()));
        QCOMPARE(r->toPlainText(), antes);
        const qsizetype avisos = m_amb->caixa.chamadas.size();
        QTimer::singleShot(0, m_l, [this] {
            if (auto* d = m_l->findChild<QProgressDialog*>()) d->cancel();
        });
        m_amb->respostas << longo;
        m_l->accao("mnuimport")->trigger();
        QCOMPARE(r->toPlainText(), antes);
        QCOMPARE(m_amb->caixa.chamadas.size(), avisos); // a cancel is not an error to report
        m_amb->respostas << longo;
        m_l->accao("mnuimport")->trigger();
        QVERIFY(!r->toPlainText().contains("A minha edição") && r->toPlainText().count("linha curta") == 200000);
    }

    // The reading window's questions open over it, not over the main window (which they would raise over it),
    // even when the system holds the main window active.
    void perguntasSobreALeitura_data() {
        QTest::addColumn<QString>("comando");
        QTest::newRow("guardar: abrir no programa próprio?") << "mnuExport";
        QTest::newRow("fechar com edições") << "mnuclose";
    }
    void perguntasSobreALeitura() {
        QFETCH(QString, comando);
        QVERIFY(m_l && m_l->isVisible());
        m_l->txtRTF()->moveCursor(QTextCursor::End);
        m_l->txtRTF()->insertPlainText("Mais uma nota.");
        CaixaQt real(m_j.get()); // as the program makes it: boxes with no other owner go over the main window
        DefineCaixaMensagens(&real);
        QApplication::setActiveWindow(m_j.get());
        QWidget* sobre = nullptr;
        QString texto;
        QTimer::singleShot(50, m_l, [&] {
            auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!caixa) return;
            sobre = caixa->parentWidget();
            texto = caixa->text();
            QTest::keyClick(caixa, Qt::Key_Escape);
        });
        if (comando == "mnuExport") m_amb->respostas << m_amb->em("pergunta.rtf");
        m_l->accao(qPrintable(comando))->trigger();
        DefineCaixaMensagens(&m_amb->caixa);
        QVERIFY2(sobre == m_l, qPrintable(texto));
        QVERIFY(m_l->isVisible()); // Escape keeps the window and its edits
    }
};

QTEST_MAIN(TestFrmRead)
#include "test_frmread.moc"
