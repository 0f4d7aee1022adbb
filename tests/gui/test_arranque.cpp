// Start-up and the main window's life: the program folder's files setting the menus, missing or damaged
// databases, orb files, help; a chart typed, cast, viewed, saved and reopened; a cusp edited; chosen names.
#include "ambientegui.h"
#include "ficheiromapa.h"
#include "orbes.h"
#include "paragem.h"

class TestArranque : public QObject {
    Q_OBJECT
private slots:
    void init() { SaveOption(5, "0"); } // a chart is cast on entering the zone only by default

    void pastaDoPrograma_data() {
        // programa: a file of the program folder; entrada: the entry that follows it
        colunas<QString, bool, QString, bool, bool>({"programa", "presente", "entrada", "visivel", "activa"});
        const QString renovo = NomeExecutavel("renovo");
        QTest::newRow("sem renovo") << renovo << false << "mnuupdate" << true << false;
        QTest::newRow("com renovo") << renovo << true << "mnuupdate" << true << true;
        QTest::newRow("sem ajuda: procurar") << "natalis.html" << false << "mnuHelpSearch" << true << false;
        QTest::newRow("sem ajuda: botão") << "natalis.html" << false << "tb_help" << false << false;
        QTest::newRow("com ajuda") << "natalis.html" << true << "tb_help" << true << true;
        QTest::newRow("sem glosador") << NomeExecutavel("glosador") << false << "mnuglosador" << false << false;
        QTest::newRow("sem duetto") << NomeExecutavel("duetto") << false << "mnuduetto" << false << true;
        QTest::newRow("com movela") << NomeExecutavel("movela") << true << "mnumovela" << true << true;
    }
    void pastaDoPrograma() {
        QFETCH(QString, programa); QFETCH(bool, presente); QFETCH(QString, entrada); QFETCH(bool, visivel);
        QFETCH(bool, activa);
        AmbienteGui amb;
        QVERIFY(presente ? (QFile::exists(amb.em(programa)) || amb.cria(programa))
                         : (!QFile::exists(amb.em(programa)) || QFile::remove(amb.em(programa))));
        std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
        QVERIFY(j);
        auto* menu = j->findChild<QMenu*>(entrada); // a companion's entry is a submenu
        QAction* a = menu ? menu->menuAction() : j->accao(entrada);
        QVERIFY(a);
        QCOMPARE(a->isVisible(), visivel);
        if (visivel) QCOMPARE(a->isEnabled(), activa);
        // Only a missing updater is worth a message; the start goes on in every case.
        const bool semRenovo = programa == NomeExecutavel("renovo") && !presente;
        QCOMPARE(amb.caixa.chamadas.size(), semRenovo ? 1 : 0);
        if (semRenovo) // naming the folder looked in
            QVERIFY(amb.caixa.chamadas[0].icone == IconeMsg::Exclamacao && amb.ultima().contains(PastaPrograma()));
        QCOMPARE(GetOption(-1), PastaPrograma());
    }

    // A missing database, or damage inside one, stops the start with the reinstall message
    // instead of a report of blank paragraphs. (The atlas's kinds of damage: test_atlasdados.)
    void baseEmFalta_data() {
        // nome: as the message names it; onde: where 32 KB of noise go, per mil of the size (-1: removed)
        colunas<QString, QString, int>({"base", "nome", "onde"});
        QTest::newRow("textos em falta") << "Intrepreter.mdb" << "Intrepreter.mdb" << -1;
        QTest::newRow("atlas em falta") << "locais.mdb" << "Locais.mdb" << -1;
        QTest::newRow("textos, meio") << "Intrepreter.mdb" << "Intrepreter.mdb" << 500;
        QTest::newRow("textos, cabeçalho") << "Intrepreter.mdb" << "Intrepreter.mdb" << 0;
    }
    void baseEmFalta() {
        QFETCH(QString, base); QFETCH(QString, nome); QFETCH(int, onde);
        AmbienteGui amb;
        QFile f(amb.em(base));
        if (onde < 0) {
            QVERIFY(f.remove());
        } else {
            QVERIFY(f.open(QIODevice::ReadWrite) && f.size() > 64 * 1024);
            QByteArray ruido(32 * 1024, Qt::Uninitialized);
            QRandomGenerator gerador(1582);
            for (char& c : ruido) c = char(gerador.bounded(256));
            QVERIFY(f.seek(f.size() * onde / 1000));
            QCOMPARE(f.write(ruido), ruido.size());
            f.close();
        }
        QVERIFY(!Arranca({}, AmbienteGui::opcoesTeste()));
        QVERIFY(amb.caixa.chamadas.size() == 1 && amb.caixa.chamadas[0].icone == IconeMsg::Critico);
        QVERIFY2(amb.ultima().startsWith("O ficheiro " + nome + " não foi encontrado"), qPrintable(amb.ultima()));
    }

    // The default orb file written at the first start from the built-in table; "orbs" taken by a
    // plain file, said, and the built-in orbs used; an orb file on the command line read as orbs.
    void orbesNoArranque() {
        {
            AmbienteGui amb;
            std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
            ValoresOrbes v{};
            QVERIFY(j && LeFicheiroOrbes(amb.em("orbs/Default.orb"), v));
            // The built-in Sol–Plutão, Sol–Lua and fictitious points' orbs: orb(1,10), (1,2) and (1,13).
            QCOMPARE((QList<int>{v[0], v[8], v[45]}), (QList<int>{7, 10, 6}));
        }
        {
            AmbienteGui amb;
            QVERIFY(amb.cria("orbs"));
            std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
            QVERIFY2(j && amb.caixa.chamadas.size() == 1 && amb.ultima().contains("Default.orb"), qPrintable(amb.ultima()));
            QCOMPARE(OrbesActuais().orb(1, 2), int16_t(10));
        }
        AmbienteGui amb;
        ValoresOrbes v{};
        v.fill(3);
        const QString orbes = amb.em("as minhas orbes.orb");
        QVERIFY(EscreveFicheiroOrbes(orbes, v));
        std::unique_ptr<frmMain> j(Arranca(orbes.split(' '), AmbienteGui::opcoesTeste()));
        QVERIFY(j && !j->sessao().campos().mapaAberto); // not opened as a chart
        QCOMPARE(OrbesActuais().orb(1, 2), int16_t(3));
        QCOMPARE(GetOption(0), orbes);
        LoadOrbs(true, QString());
    }

    // An update stopped dead after its first step on the orb file: the next start completes it
    // before it reads the orb file, so the new one is in place.
    void actualizacaoInterrompida() {
        AmbienteGui amb;
        ValoresOrbes v{};
        v.fill(3);
        QVERIFY(QDir().mkpath(amb.em("orbs")));
        QVERIFY(amb.cria("orbs/Default.orb", "antigo"));
        QVERIFY(QDir().mkpath(amb.em(".renovo-teste")) && EscreveFicheiroOrbes(amb.em(".renovo-teste/novo.orb"), v));
        const QList<TrocaFicheiro> trocas{{amb.em("orbs/Default.orb"), amb.em(".renovo-teste/novo.orb"),
                                           amb.em(".renovo-teste/antigo.orb")}};
        QCOMPARE(ParaTransaccaoApos(1, PastaPrograma(), amb.em(".renovo-teste"), trocas), 42);
        QVERIFY(QFile::exists(DiarioTransaccao(PastaPrograma())));
        std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
        ValoresOrbes lidos{};
        QVERIFY(j && LeFicheiroOrbes(amb.em("orbs/Default.orb"), lidos));
        QCOMPARE(lidos[0], 3);
        QVERIFY(!QFile::exists(DiarioTransaccao(PastaPrograma())) && !QFileInfo::exists(amb.em(".renovo-teste")));
    }

    // The help viewer lists its sections, as the help file's text has them, and finds words
    // without their accents.
    void ajuda() {
        AmbienteGui amb;
        auto j = janela();
        j->accao("mnuHelpContents")->trigger();
        auto* lista = filho<QListWidget>(j.get(), "conteudosAjuda");
        const auto titulos = [lista] {
            QStringList t;
            for (int i = 0; i < lista->count(); ++i) t << lista->item(i)->text();
            return t;
        };
        QCOMPARE(titulos(), (QStringList{"Introduzir os dados de nascimento", "Os painéis", "A interpretação automática",
                                         "As opções", "Os ficheiros de mapas", "Imprimir",
                                         "A ferramenta de linha de comandos", "Actualização"}));
        j->accao("mnuHelpSearch")->trigger();
        QTest::keyClicks(filho(j.get(), "procuraAjuda"), "efemeride");
        QCOMPARE(titulos(), (QStringList{"Introduzir os dados de nascimento", "Os painéis", "As opções"}));
        QTest::keyClicks(filho(j.get(), "procuraAjuda"), "xyzzy");
        QVERIFY(titulos().isEmpty() && amb.caixa.chamadas.isEmpty());
    }

    void mapaNovoGuardadoEReaberto() {
        AmbienteGui amb;
        auto j = janela(true);
        const CamposMapa& c = j->sessao().campos();
        QVERIFY2(c.mapaAberto, "o mapa não foi calculado ao entrar no fuso");
        QVERIFY(filho<QLineEdit>(j.get(), "txtlongitude")->text().contains('h')); // rewritten in hours
        auto* painel = filho<QStackedWidget>(j.get(), "painel");
        const char* vistas[] = {"mnuprofile", "mnudata", "mnumap", "mnuaspectmap", "mnupartes"};
        for (int v = 0; v < 5; ++v) {
            j->accao(vistas[v])->trigger();
            QCOMPARE(painel->currentIndex(), v);
            QCOMPARE(filho(j.get(), "tlbInfo")->isVisibleTo(j.get()), v == 2);
        }
        j->accao("tb_global")->trigger(); // the global sheet lists the Arabic parts
        auto* lista = filho<QListWidget>(j.get(), "Lista");
        QVERIFY(lista->item(2)->text().startsWith("Fortuna") && lista->item(2)->text().endsWith(c.partes[0]));
        lista->window()->hide();
        // Never saved, Save acts as Save As; the name typed without an extension gets it.
        const QString ficheiro = amb.em("logs/Maria Silva.anc");
        amb.respostas << amb.em("logs/Maria Silva");
        j->accao("mnuFileSave")->trigger();
        QCOMPARE(c.caminhoFicheiro, ficheiro);
        QVERIFY(QFile::exists(ficheiro));
        const CamposMapa guardado = c;
        amb.respostas << ficheiro; // only opening puts a chart on the recent list
        j->accao("mnuFileOpen")->trigger();
        j->accao("mnuFileNew")->trigger();
        QVERIFY(!c.mapaAberto && filho<QLineEdit>(j.get(), "txtNome")->text().isEmpty());
        QCOMPARE(painel->currentIndex(), 0);
        // Reopened through the recent-files menu: every field comes back.
        j->RefreshRecentMenu();
        QAction* recente = j->accao("mnuFileMRU1");
        QVERIFY(recente && recente->isVisible());
        QCOMPARE(recente->data().toString(), ficheiro);
        recente->trigger();
        QCOMPARE(BytesMapa(c), BytesMapa(guardado));
        QCOMPARE(filho<QLineEdit>(j.get(), "txtNome")->text(), guardado.txtNome);
        // Named on the command line, unquoted, the path reaches the program in pieces; joined by
        // blanks it is whole again.
        std::unique_ptr<frmMain> outra(Arranca(ficheiro.split(' '), AmbienteGui::opcoesTeste()));
        QVERIFY(outra && outra->isVisible());
        QCOMPARE(outra->sessao().campos().caminhoFicheiro, ficheiro);
        QCOMPARE(filho<QLineEdit>(outra.get(), "txtNome")->text(), "Maria Silva");
        QCOMPARE(RecentFiles().value(0), ficheiro);
        for (const auto& ch : std::as_const(amb.caixa.chamadas)) QVERIFY2(ch.icone != IconeMsg::Critico, qPrintable(ch.texto));
    }

    // The Ascendant moved by hand to 15º Carneiro: the Moon at 10º falls back into house 12,
    // and the Arabic parts follow.
    void cuspideEditadaRefazTudo() {
        AmbienteGui amb;
        auto j = janela();
        CamposMapa& c = j->sessao().campos();
        c.mapaAberto = true;
        c.txttemposideral = "0h0'0''";
        for (int i = 0; i < 12; ++i) c.PosPlaneta[size_t(i)] = "10º0'0''Carneiro";
        c.PosPlaneta[0] = "5º0'0''Leão";
        const char* cuspides[6] = {"Capricórnio", "Aquário", "Peixes", "Carneiro", "Touro", "Gémeos"};
        for (int k = 0; k < 6; ++k) c.PosCasas[size_t(k)] = QString("0º0'0''") + cuspides[k];
        j->sessao().Refaz();
        j->MostraCampos();
        QCOMPARE(j->sessao().mapa().Corpo(1).Casa, int16_t(1));
        const QString fortunaAntes = c.partes[0];
        escreve(j.get(), "PosCasas3", "15º Carneiro");
        filho(j.get(), "txtNome")->setFocus();
        QCOMPARE(filho<QLineEdit>(j.get(), "PosCasas3")->text(), "15º0'0''Carneiro");
        QCOMPARE(j->sessao().mapa().Corpo(1).Casa, int16_t(12));
        QVERIFY(c.partes[0] != fortunaAntes);
        QCOMPARE(c.lPosCasas[3], "15º0'0''Libra");
    }

    void extensaoAcrescentada_data() {
        colunas<QString, QString, QString>({"escolhido", "extensao", "esperado"});
        QTest::newRow("outra extensão fica") << "/p/resumo.txt" << ".anc" << "/p/resumo.txt";
        QTest::newRow("pontos finais do nome") << "/p/Ana.." << ".txt" << "/p/Ana.txt";
        QTest::newRow("pasta com ponto") << "/p/v1.2/Ana" << ".txt" << "/p/v1.2/Ana.txt";
        QTest::newRow("nome com versão") << "/p/Ana 2.0" << ".anc" << "/p/Ana 2.0.anc";
        QTest::newRow("extensão de quatro letras") << "/p/ceu.jpeg" << ".bmp" << "/p/ceu.jpeg";
    }
    void extensaoAcrescentada() {
        QFETCH(QString, escolhido); QFETCH(QString, extensao); QFETCH(QString, esperado);
        QCOMPARE(ComExtensao(escolhido, extensao), esperado);
    }
};

QTEST_MAIN(TestArranque)
#include "test_arranque.moc"
