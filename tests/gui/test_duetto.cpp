// Duetto's window: the swap transposes the grid, the saved composite opens with the midpoints, a
// pair is remembered, an unreadable chart leaves the open one in place. The synastry report: the
// texts chosen for each ordered pair and the markup of each person, the report read in the reading
// window, and the drawings and the PDF read back.
#include "ferramentas.h"
#include "ambientegui.h"
#include "calculo.h"
#include "ficheiromapa.h"
#include "frmread.h"
#include "janeladuetto.h"
#include "nascimento.h"
#include "normaliza.h"
#include "saidasduetto.h"

namespace {
QString grava(const QTemporaryDir& d, const QString& nome, const QString& data, const QString& hora) {
    CamposMapa c = Nascimento(data, hora, QStringLiteral("0"), QStringLiteral("38º43' N"), QStringLiteral("9º8' W"), nome);
    Mapa m;
    const QString caminho = d.filePath(nome + QStringLiteral(".anc"));
    return Cast(c, m) && SaveToFile(caminho, c) ? caminho : QString();
}
double graus(const QString& t) { return NormalizaPosicao(t).valor; }

// A side with only the points set (degrees) and equal houses from 0º Carneiro.
MapaDuetto lado(const QString& nome, bool masculino, std::initializer_list<std::pair<int, double>> pontos) {
    MapaDuetto m;
    m.pessoa.nome = m.campos.txtNome = nome;
    m.pessoa.masculino = masculino;
    std::fill(m.pessoa.pontos.begin(), m.pessoa.pontos.end(), 200.0); // far from the points set below
    for (auto [i, g] : pontos) m.pessoa.pontos[size_t(i)] = g;
    for (int h = 1; h <= 12; ++h) m.pessoa.cuspides[size_t(h)] = 30.0 * (h - 1);
    return m;
}
} // namespace

class TestDuetto : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        DefinePastaPrograma(NATALIS_PROGRAM_DIR);
        QVERIFY2(AbreTextosDuetto(CaminhoPrograma("duetto.mdb")), "falta duetto.mdb (construa o programa primeiro)");
    }

    // Each person's placeholders, and the segment of the two sexes in the text's order.
    void textoPar_data() {
        QTest::addColumn<bool>("ana"); QTest::addColumn<bool>("rui"); QTest::addColumn<QString>("esperado");
        QTest::newRow("ela e ele") << false << true << "Ana e Rui, cansada e cansado, uma e um: mh";
        QTest::newRow("ele e ela") << true << false << "Ana e Rui, cansado e cansada, um e uma: hm";
        QTest::newRow("ambas") << false << false << "Ana e Rui, cansada e cansada, uma e uma: mm";
    }
    void textoPar() {
        QFETCH(bool, ana); QFETCH(bool, rui); QFETCH(QString, esperado);
        Pessoa a, b;
        a.nome = "Ana", a.masculino = ana, b.nome = "Rui", b.masculino = rui;
        QCOMPARE(ExpandeTextoPar("|1 e |4, cansad|2 e cansad|5, um|3 e um|6: {HH hh }{HM hm }{MH mh }{MM mm }", a, b),
                 esperado);
    }

    // The ordered pair's text, or its mirror's with the persons swapped; the sex segment follows
    // the text's own first person (duetto.mdb, data/sinastria/a_aspectos_sol.tsv, code 1902).
    void escolhaDosTextos_data() {
        QTest::addColumn<int>("pontoAna"); QTest::addColumn<int>("pontoRui"); QTest::addColumn<QString>("esperado");
        QTest::newRow("Sol dela, Lua dele") << 0 << 1 << "O Sol de Ana une-se à Lua de Rui";
        QTest::newRow("Lua dela, Sol dele") << 1 << 0 << "O Sol de Rui une-se à Lua de Ana";
        QTest::newRow("segmento: ela primeiro") << 0 << 1 << "Ela inspira e decide";
        QTest::newRow("segmento: ele primeiro") << 1 << 0 << "ele dá o rumo";
        QTest::newRow("terminação da segunda") << 1 << 0 << "Ana acolhe e sente-se compreendida no mais íntimo";
        QTest::newRow("Ascendente") << 12 << 0 << "O Sol de Rui une-se ao Ascendente de Ana";
    }
    void escolhaDosTextos() {
        QFETCH(int, pontoAna); QFETCH(int, pontoRui); QFETCH(QString, esperado);
        const MapaDuetto a = lado("Ana", false, {{pontoAna, 10.0}}), b = lado("Rui", true, {{pontoRui, 12.0}});
        RelatorioSinastria r(a, b, OrbesSinastria::Padrao(), TextosDuetto(), {});
        const std::vector<InterAspecto> v = InterAspectos(a.pessoa, b.pessoa, OrbesSinastria::Padrao());
        const auto x = std::find_if(v.begin(), v.end(), [&](const InterAspecto& i) { return i.a == pontoAna && i.b == pontoRui; });
        QVERIFY(x != v.end());
        QVERIFY2(r.TextoAspecto(*x).contains(esperado), qPrintable(r.TextoAspecto(*x)));
    }

    // The report: the personal points' aspects only, ten bodies in the other's houses each way.
    void relatorio() {
        // Ana's Sol on Rui's Lua (conjunction) and on his Urano (a slow body: no text); her Sol
        // at 190º lies in his seventh house, his Lua at 12º in her first.
        const MapaDuetto a = lado("Ana", false, {{0, 190.0}}), b = lado("Rui", true, {{1, 192.0}, {7, 191.0}});
        RelatorioSinastria r(a, b, OrbesSinastria::Padrao(), TextosDuetto(), {});
        QTextDocument doc;
        r.Escreve(doc);
        const QString t = doc.toPlainText();
        QVERIFY(t.contains("Sol de Ana em conjunção com a Lua de Rui (orbe 2º00')"));
        QVERIFY(!t.contains("com o Urano de Rui"));
        QVERIFY(t.contains("Sol de Ana na Casa VII, o Descendente, de Rui\n\nO Sol de Ana na sétima casa de Rui"));
        QVERIFY(t.contains("Lua de Rui na Casa VII, o Descendente, de Ana\n\nA Lua de Rui na sétima casa de Ana"));
        QCOMPARE(t.count(" na Casa "), 2 * N_CORPOS_SOBREPOSTOS);
    }

    void janela() {
        MensagensGravadas caixa;
        DefineCaixaMensagens(&caixa);
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Natalis", "Duetto").remove("paresRecentes");
        QTemporaryDir d;
        const QString ana = grava(d, "Ana", "14/3/1985", "10:30"), rui = grava(d, "Rui", "2/9/1982", "22:15");
        QVERIFY(!ana.isEmpty() && !rui.isEmpty());
        {
            JanelaDuetto j;
            QVERIFY(j.AbreMapa(0, ana));
            QVERIFY(j.AbreMapa(1, rui));
            auto* grelha = j.findChild<QTableWidget*>("grelha");
            auto* lista = j.findChild<QListWidget*>("lista");
            QVERIFY(lista->item(0)->text().contains("(Ana)"));
            auto celulas = [grelha](bool transposta) {
                QStringList t;
                for (int i = 0; i < N_PONTOS; ++i)
                    for (int k = 0; k < N_PONTOS; ++k)
                        if (auto* c = transposta ? grelha->item(k, i) : grelha->item(i, k)) t << c->text(); else t << QString();
                return t;
            };
            const QStringList antes = celulas(false);
            j.Troca();
            QVERIFY(lista->item(0)->text().contains("(Rui)"));
            QCOMPARE(celulas(true), antes);
            j.Troca();

            // A chart that cannot be read leaves the pair as it was.
            const QString primeiro = lista->item(0)->text();
            QVERIFY(!j.AbreMapa(1, d.filePath("nenhum.anc")));
            QCOMPARE(lista->item(0)->text(), primeiro);
            QVERIFY(!caixa.chamadas.isEmpty());

            const QString composto = d.filePath("composto.anc");
            QVERIFY(j.GuardaComposto(composto));
            CamposMapa ca, cr, cc;
            Mapa ma, mr, mc;
            QVERIFY(OpenFile(ana, ca, ma, {}, false) && OpenFile(rui, cr, mr, {}, false) && OpenFile(composto, cc, mc, {}, false));
            QCOMPARE(cc.txtNome, QStringLiteral("Ana & Rui (composto)"));
            // The Sun at the two Suns' midpoint on the shorter arc, by hand (every point: test_sinastria).
            double a = graus(ca.PosPlaneta[0]), b = graus(cr.PosPlaneta[0]);
            if (std::fabs(a - b) > 180) (a < b ? a : b) += 360;
            QVERIFY(std::fabs(std::remainder(graus(cc.PosPlaneta[0]) - (a + b) / 2, 360.0)) <= 1.0 / 3600);
            QVERIFY(j.GuardaDavison(d.filePath("davison.anc")));
            QVERIFY(OpenFile(d.filePath("davison.anc"), cc, mc, {}, false));
            QCOMPARE(cc.txtData, QStringLiteral("8/12/1983")); // halfway from 2/9/1982 to 14/3/1985

            // The report in the reading window, written again by "Refazer" for the pair open then.
            QVERIFY(j.LeRelatorio());
            QTextEdit* texto = j.Leitura()->txtRTF();
            QVERIFY(texto->toPlainText().contains("Sinastria de Ana e Rui"));
            j.Troca();
            j.Leitura()->accao("mnuactualizar")->trigger();
            QVERIFY(texto->toPlainText().contains("Sinastria de Rui e Ana"));
            j.Troca();

            // The drawings and the PDF, read back by Qt's SVG and PNG readers and by poppler; each
            // aspect's glyph an outline at least.
            QVERIFY(j.ExportaDesenho(true, d.filePath("grelha.svg")));
            QFile svg(d.filePath("grelha.svg"));
#ifndef Q_OS_WIN // the Windows toolchain has Qt's SVG writer, not its image reader
            QVERIFY(QImageReader(d.filePath("grelha.svg")).canRead());
#endif
            QVERIFY(svg.open(QIODevice::ReadOnly));
            QVERIFY(svg.readAll().count("<path") >= lista->count());
            QVERIFY(j.ExportaDesenho(false, d.filePath("birroda.png")));
            QCOMPARE(QImage(d.filePath("birroda.png")).size(), QSize(1600, 1600));
            QVERIFY(!j.ExportaDesenho(false, d.filePath("birroda.gif")));
            EXIGE_FERRAMENTA("pdftotext", "poppler-utils");
            QVERIFY(j.GuardaPdf(d.filePath("par.pdf")));
            const QString pdf = corre("pdftotext", {d.filePath("par.pdf"), "-"});
            for (const char* t : {"Bi-roda: Ana dentro, Rui fora", "Bi-roda: Rui dentro, Ana fora", "Ana & Rui (composto)",
                                  "Ana & Rui (Davison)", "Sol (Ana) na casa", "Aspectos entre os Mapas", "Rui nas Casas de Ana"})
                QVERIFY2(pdf.simplified().contains(QString::fromUtf8(t)), t);
            const QStringList paginas = pdf.split('\f'); // numbered through
            for (int k = 0; k + 1 < paginas.size(); ++k)
                QCOMPARE(paginas[k].trimmed().section('\n', -1).trimmed(), QString::number(k + 1));
        }
        JanelaDuetto outra;
        const QList<QAction*> accoes = outra.findChildren<QAction*>();
        QVERIFY(std::any_of(accoes.begin(), accoes.end(), [](QAction* a) { return a->text().contains("Ana e Rui"); }));
        DefineCaixaMensagens(nullptr);
    }
};

QTEST_MAIN(TestDuetto)
#include "test_duetto.moc"
