// The main window's commands: open without a chart and after a cast, every file written reporting a failure
// (missing folder, full disk keeping the old file), the printed sheet and PDF, leaving an edited chart, update.
#include "ferramentas.h"
#include "discocheio.h"
#include "ambientegui.h"
#include "frmread.h"
#include "rtf.h"

#include <QPrinterInfo>
#include <optional>

namespace {
// Every command of the menus and the main toolbar. Without a chart only these stay enabled
// (Calcular follows complete birth data; the interpretation prints follow the chart).
const QStringList kSempre = QString("mnuFileNew mnuFileOpen mnuopenother mnuFileMRU1 mnuFileMRU2 mnuFileMRU3 "
                                    "mnuFileMRU4 mnuFileExit mnuopenmovela mnuduettoopen mnuglosador mnuorbes "
                                    "mnuViewOptions mnuupdate mnuHelpContents mnuHelpSearch mnuwebsite mnuemailme "
                                    "mnuHelpAbout tb_new tb_open tb_help mnuimportaaf").split(' ');
const QStringList kDeMapa = QString("mnuFileSave mnuFileSaveAs mnusaveimage mnuexptaspectos mnuexport "
                                    "mnuexportpositions mnumapandresume mnutudo mnuFilePageSetup mnuprintresume "
                                    "mnuprintMap mnuaspec mnuprintintre mnuprintall mnuprofile mnudata mnumap "
                                    "mnuaspectmap mnupartes mnuviewinterpretacao mnuglobal mnuViewRefresh "
                                    "mnuopenwiththis mnuopenwithduetto tb_save tb_print tb_id tb_data tb_map "
                                    "tb_aspects tb_partes tb_read tb_global tb_magnus mnuexportpdf mnucalcular mnuexportaaf").split(' ');

QStringList desligados(frmMain* j) {
    QStringList l;
    for (const QString& c : kSempre + kDeMapa)
        if (!j->accao(c) || !j->accao(c)->isEnabled()) l << c;
    return l;
}

int paginas(const QString& pdf) {
    return QRegularExpression("Pages:\\s+(\\d+)").match(corre("pdfinfo", {pdf})).captured(1).toInt();
}

// Pictures embedded in the pages up to `ultima`: pdfimages -list prints two header lines, then one a picture.
int imagens(const QString& pdf, int ultima) {
    return corre("pdfimages", {"-list", "-l", QString::number(ultima), pdf}).trimmed().split('\n').size() - 2;
}

// Dark pixels of a page rendered at 50 dpi below its header: the drawing is there.
int tintaDoDesenho(const QString& pdf, int pagina) {
    const QString n = QString::number(pagina);
    corre("pdftoppm", {"-f", n, "-l", n, "-r", "50", "-png", "-singlefile", pdf, pdf + "-p"});
    const QImage im(pdf + "-p.png");
    int escuros = 0;
    for (int y = im.height() / 6; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x) escuros += qGray(im.pixel(x, y)) < 128;
    return escuros;
}

void verificaFolha(const QString& pdf, int pagina, const QStringList& esperados) {
    const QString n = QString::number(pagina), texto = corre("pdftotext", {"-f", n, "-l", n, pdf, "-"});
    for (const QString& e : esperados)
        QVERIFY2(texto.contains(e), qPrintable(QString("falta «%1» na página %2:\n%3").arg(e, n, texto)));
}
} // namespace

class TestComandos : public QObject {
    Q_OBJECT
private slots:
    void init() { SaveOption(3, "0"), SaveOption(5, "0"); } // the default choices, whatever a test left

    void comandosDeMapa() {
        AmbienteGui amb;
        // Every entry shown, so that its state can be read: the companions present, four recent charts.
        for (const char* p : {"glosador", "duetto", "movela"}) QVERIFY(amb.cria(NomeExecutavel(p)));
        for (int i = 1; i <= 4; ++i) AddRecentFile(amb.em(QString("recente%1.anc").arg(i)));
        auto j = janela();
        // A command added to the menus or the toolbar without a place in the lists fails here.
        for (QAction* a : j->findChildren<QAction*>()) {
            const QString n = a->objectName();
            if (!a->isSeparator() && !a->menu() && n != "mnuFileMRU0" && (n.startsWith("mnu") || n.startsWith("tb_")))
                QVERIFY2((kSempre + kDeMapa).contains(n), qPrintable(n));
        }
        QCOMPARE(desligados(j.get()), kDeMapa);
        escreveNascimento(j.get());
        QVERIFY(j->sessao().campos().mapaAberto);
        QCOMPARE(desligados(j.get()), QStringList());
        amb.caixa.respostas << RespostaMsg::Nao; // do not save the chart just cast
        QVERIFY(j->Novo());
        QCOMPARE(desligados(j.get()), kDeMapa);
    }

    void falhaDeEscritaExplicada_data() {
        // nome: the name chosen; escrito: the file that would have been written, over an existing
        // file on a full disk (cheio), whose old bytes must stay, or in a missing folder
        colunas<QString, QString, QString, bool>({"accao", "nome", "escrito", "cheio"});
        const char* const casos[][4] = {
            {"mapa", "mnuFileSaveAs", "Ana", "Ana.anc"},
            {"resumo", "mnuexportpositions", "Ana", "Ana.txt"},
            {"imagem do mapa", "mnusaveimage", "Ana", "Ana.bmp"},
            {"interpretação", "mnuexport", "Ana", "Ana.rtf"},
            {"mapas e resumo", "mnumapandresume", "Ana.txt", "Ana.bmp"},
            {"resumo impresso sem impressora", "mnuprintresume", "Ana", "Ana.pdf"},
        };
        for (const auto& c : casos)
            for (bool cheio : {false, true})
                QTest::addRow("%s, %s", c[0], cheio ? "disco cheio" : "pasta inexistente")
                    << QString(c[1]) << QString(c[2]) << QString(c[3]) << cheio;
    }
    void falhaDeEscritaExplicada() {
        QFETCH(QString, accao); QFETCH(QString, nome); QFETCH(QString, escrito); QFETCH(bool, cheio);
        const bool impresso = escrito.endsWith(".pdf");
        if (impresso && !QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("há uma impressora instalada: a impressão não vai para PDF");
        AmbienteGui amb;
        std::optional<DiscoCheio> disco;
        if (cheio && !DiscoCheio::Possivel) QSKIP("um disco cheio só se imita no Linux (tmpfs ou limite de tamanho)");
        if (cheio) disco.emplace(amb.em("disco"));
        auto j = janela(true);
        QVERIFY(j && j->sessao().campos().mapaAberto);
        const QString pasta = cheio ? disco->pasta() : amb.em("não existe"), alvo = pasta + "/" + escrito;
        const QByteArray antigo = "anterior\r\n" + QByteArray(600, 'x');
        amb.caixa.chamadas.clear();
        if (impresso) amb.caixa.respostas << RespostaMsg::Sim; // no printer: save as PDF
        amb.respostas << pasta + "/" + nome;
        if (cheio) {
            QVERIFY(DiscoCheio::escreve(alvo, antigo));
            QVERIFY2(disco->enche(), "o tmpfs não ficou cheio");
            if (!disco->montado()) DiscoCheio::limitaTamanho();
        }
        j->accao(accao)->trigger();
        if (cheio) {
            DiscoCheio::levantaLimite();
            disco->esvazia();
            QCOMPARE(DiscoCheio::conteudo(alvo), antigo);
        } else {
            QVERIFY(!QFile::exists(alvo));
        }
        const auto explicado = [&](const MensagensGravadas::Chamada& c) {
            if (c.icone != IconeMsg::Exclamacao) return false;
            if (!cheio)
                return (c.texto.contains(pasta) || c.texto.contains(QDir::toNativeSeparators(pasta))) && c.texto.contains(QRegularExpression("Não foi possível|não foi gravad"));
            return c.texto.contains(disco->motivo(escrito)) && (impresso || c.texto.contains("O ficheiro anterior ficou intacto."));
        };
        QVERIFY2(std::any_of(amb.caixa.chamadas.begin(), amb.caixa.chamadas.end(), explicado), qPrintable(amb.ultima()));
        QVERIFY(j->sessao().alterado()); // a chart not written is still to be saved
    }

    // The printed sheet and the chart's PDF: the header with the birth data, the wheel and grid as
    // vectors (no picture embedded, yet the page shows the drawing), the report after them.
    void folhaImpressa_data() {
        // folhas: pages drawn as vectors, before the report
        colunas<QString, int>({"comando", "folhas"});
        QTest::newRow("roda impressa") << "mnuprintMap" << 1;
        QTest::newRow("quadro de aspectos impresso") << "mnuaspec" << 1;
        QTest::newRow("PDF do mapa") << "mnuexportpdf" << 2;
    }
    void folhaImpressa() {
        QFETCH(QString, comando); QFETCH(int, folhas);
        EXIGE_FERRAMENTA("pdftoppm", "poppler-utils");
        if (comando != "mnuexportpdf" && !QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("há uma impressora instalada nesta máquina");
        AmbienteGui amb;
        auto j = janela(true);
        QVERIFY(j && j->sessao().campos().mapaAberto);
        if (folhas == 1) amb.caixa.respostas << RespostaMsg::Sim; // no printer: print to a PDF file
        amb.respostas << amb.em("Maria Silva"); // the extension is added
        j->accao(comando)->trigger();
        const QString pdf = amb.em("Maria Silva.pdf");
        QVERIFY(folhas == 1 ? paginas(pdf) == 1 : paginas(pdf) >= 3);
        // The wheel's labels are text on the page, not pixels.
        verificaFolha(pdf, 1, {"Maria Silva", "25/4/1974", "Lisboa", "motor clássico"});
        if (comando != "mnuaspec") verificaFolha(pdf, 1, {"Asc", "MC"});
        for (int p = 1; p <= folhas; ++p) QVERIFY(tintaDoDesenho(pdf, p) > 200);
        QCOMPARE(imagens(pdf, paginas(pdf)), 0); // the report's wheel too is vectors, its labels text
        if (folhas == 2) verificaFolha(pdf, 3, {"Auto - Interpretação", "MC"});
        const QStringList texto = corre("pdftotext", {pdf, "-"}).split('\f'); // numbered through: a page's last line
        for (int k = 0; folhas == 2 && k < paginas(pdf); ++k)
            QCOMPARE(texto[k].trimmed().section('\n', -1).trimmed(), QString::number(k + 1));
    }

    // The reading printed from its own window (no printer: to a PDF) is laid out as in the chart's PDF: as many
    // pages as the report there, its tables kept (a row's cells on one line). That PDF's header, for a place far
    // east and south, keeps every value whole inside the page's margins (18 mm each side).
    void leituraImpressaComoNoPdf() {
        if (!QPrinterInfo::availablePrinters().isEmpty()) QSKIP("há uma impressora instalada nesta máquina");
        EXIGE_FERRAMENTA("pdftotext", "poppler-utils");
        AmbienteGui amb;
        auto j = janela(true);
        escreve(j.get(), "txtlocal", "Díli (Timor-Leste), na costa norte da ilha de Timor");
        escreve(j.get(), "txtLatitude", "8º33'31'' S");
        escreve(j.get(), "txtlongitude", "125º34'42'' E");
        filho(j.get(), "txtNome")->setFocus();
        clicaBarra(j.get(), "tb_read");
        auto* l = j->findChild<frmread*>();
        QVERIFY(l && QTest::qWaitForWindowActive(l));
        amb.caixa.respostas << RespostaMsg::Sim;
        amb.respostas << amb.em("leitura.pdf") << amb.em("mapa.pdf");
        clicaBarra(l, "tb_print");
        // The chooser starts beside the charts, on PDF files, with the chart's name.
        QVERIFY(!amb.pedidos.isEmpty());
        QCOMPARE(amb.pedidos.last().pasta, amb.em("logs"));
        QCOMPARE(amb.pedidos.last().filtro, "Documentos PDF (*.pdf)");
        QCOMPARE(amb.pedidos.last().proposto, j->sessao().campos().txtNome);
        j->accao("mnuexportpdf")->trigger();
        QCOMPARE(paginas(amb.em("leitura.pdf")), paginas(amb.em("mapa.pdf")) - 2);
        const QString impresso = corre("pdftotext", {"-layout", amb.em("leitura.pdf"), "-"});
        QVERIFY2(QRegularExpression("Fogo +Terra +Ar +Água").match(impresso).hasMatch(), qPrintable(impresso.left(3000)));
        const QString caixas = corre("pdftotext", {"-f", "1", "-l", "1", "-bbox", amb.em("mapa.pdf"), "-"});
        const double largura = QRegularExpression("<page width=\"([\\d.]+)\"").match(caixas).captured(1).toDouble();
        auto it = QRegularExpression("xMax=\"([\\d.]+)\"").globalMatch(caixas);
        while (it.hasNext()) QVERIFY(it.next().captured(1).toDouble() <= largura - 18 / 25.4 * 72 + 1);
        QString texto = corre("pdftotext", {"-f", "1", "-l", "1", amb.em("mapa.pdf"), "-"});
        texto.replace(QChar(0xA0), ' ').replace('\n', ' ');
        const QString longitude = "longitude 125º34'42''"; // in degrees, as typed (the field shows it in hours)
        for (const QString& v : {QString("latitude 8º33'31''S"), longitude, QString("ilha de Timor")})
            QVERIFY2(texto.contains(v), qPrintable(v + " | " + texto));
    }

    // Entering the zone casts with the zone it holds; a zone typed over it casts again when the
    // field is left: the chart of UTC+0 is at 0:25 UT, not 23:25 the day before. Pointing at a
    // menu leaves the chart's status line. The report exported after opening another chart is
    // that chart's, never the one read for the chart shown before.
    void mapaNoEcra() {
        AmbienteGui amb;
        auto j = janela(true);
        const CamposMapa& c = j->sessao().campos();
        QVERIFY(c.mapaAberto);
        const QString luaFuso1 = c.PosPlaneta[1];
        escreve(j.get(), "FusoHorario", "0");
        QVERIFY(c.lblHoras[0].startsWith("23")); // still the zone of the entry
        filho(j.get(), "txtNome")->setFocus();
        QVERIFY2(c.lblHoras[0].startsWith("0"), qPrintable(c.lblHoras[0]));
        QVERIFY(c.PosPlaneta[1] != luaFuso1); // the Moon moves about half a degree an hour
        QCOMPARE(filho<QPushButton>(j.get(), "PosPlaneta1")->text(), c.PosPlaneta[1]);
        const QString antes = j->statusBar()->currentMessage();
        QVERIFY(antes.contains("Cálculo:"));
        QStatusTipEvent dica{QString()};
        QApplication::sendEvent(j->menuBar(), &dica);
        QCOMPARE(j->statusBar()->currentMessage(), antes);
        amb.respostas << amb.em("primeiro.rtf");
        j->accao("mnuexport")->trigger();
        QVERIFY(QFile(amb.em("primeiro.rtf")).size() > 0);
        amb.caixa.respostas << RespostaMsg::Nao << RespostaMsg::Nao; // leave the cast chart unsaved
        QVERIFY(j->AbreMapa(NATALIS_SOURCE_DIR "/tests/chart/data/maria.anc"));
        amb.respostas << amb.em("segundo.rtf");
        j->accao("mnuexport")->trigger();
        QTextDocument doc;
        QVERIFY(LeRtf(leBytes(amb.em("segundo.rtf")), doc));
        QVERIFY2(doc.toPlainText().contains("Maria da Conceição"), "relatório de outro mapa");
        QVERIFY(!doc.toPlainText().contains("Maria Silva"));
    }

    void deixarComAlteracoes_data() {
        QTest::addColumn<QString>("como");
        QTest::newRow("sair") << "mnuFileExit";
        QTest::newRow("fechar a janela") << "fechar";
        QTest::newRow("abrir outro mapa") << "mnuFileOpen";
        QTest::newRow("mapa recente") << "mnuFileMRU1";
        QTest::newRow("actualização online") << "mnuupdate";
    }
    void deixarComAlteracoes() {
        QFETCH(QString, como);
        AmbienteGui amb;
        AddRecentFile(amb.em("logs/outro.anc"));
        auto j = janela(true);
        QVERIFY(j && j->sessao().alterado());
        amb.caixa.chamadas.clear();
        amb.respostas << amb.em("logs/outro.anc");
        if (como == "mnuupdate") amb.caixa.respostas << RespostaMsg::Sim; // yes, close for the update
        amb.caixa.respostas << RespostaMsg::Cancelar;
        if (como == "fechar") j->close();
        else j->accao(como)->trigger();
        QCOMPARE(amb.ultima(), "Deseja guardar as alterações ao mapa?");
        QCOMPARE(amb.caixa.chamadas.last().botoes, BotoesMsg::SimNaoCancelar);
        // Cancelled: the chart and the window are as they were.
        QVERIFY(j->isVisible() && j->sessao().campos().mapaAberto && j->sessao().alterado());
        QCOMPARE(j->sessao().campos().txtNome, "Maria Silva");
    }

    void actualizacao() {
        AmbienteGui amb;
        auto j = janela(true);
        amb.caixa.chamadas.clear();
        amb.caixa.respostas << RespostaMsg::Nao;
        j->accao("mnuupdate")->trigger();
        QVERIFY(amb.caixa.chamadas.size() == 1 && amb.caixa.chamadas[0].icone == IconeMsg::Pergunta);
        QVERIFY(j->sessao().campos().mapaAberto);
        // Yes, but the updater in the folder cannot run (an empty file): said so, and the
        // program with its chart stays.
        amb.caixa.respostas << RespostaMsg::Sim << RespostaMsg::Nao;
        j->accao("mnuupdate")->trigger();
        QVERIFY2(amb.ultima().startsWith("Não foi possível iniciar"), qPrintable(amb.ultima()));
        QVERIFY(j->sessao().campos().mapaAberto && j->isVisible());
#ifndef Q_OS_WIN
        // Yes with a runnable updater: it starts, and the user is told Natalis is ending first.
        const QString marca = amb.em("renovo-correu");
        QVERIFY(amb.cria(NomeExecutavel("renovo"), "#!/bin/sh\ntouch '" + marca.toUtf8() + "'\n"));
        QFile renovo(amb.em(NomeExecutavel("renovo")));
        renovo.setPermissions(renovo.permissions() | QFileDevice::ExeOwner);
        amb.caixa.respostas << RespostaMsg::Sim << RespostaMsg::Nao;
        j->accao("mnuupdate")->trigger();
        QTRY_VERIFY(QFile::exists(marca) && amb.caixa.chamadas.last().icone == IconeMsg::Informacao);
        QVERIFY(amb.ultima().startsWith("O Natalis vai fechar agora"));
#endif
    }
};

QTEST_MAIN(TestComandos)
#include "test_comandos.moc"
