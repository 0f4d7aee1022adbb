// The aspect grid: cells, rules and hover in one unit, the cell of each aspect, FindAspect.
#include "grelha.h"
#include "mapateste.h"

#include <QTest>

using namespace teste;

class TestGrelha : public QObject {
    Q_OBJECT
    Mapa m;
    QImage grelha;
    static constexpr double h = 18.0; // the cell: one Sigil line at 18 pt and 96 dpi (24 px × 0.75 em)

    // Bodies apart at 7° steps under zero orbs, then i at 300° and j `separacao` further on, which
    // makes no other aspect; the grid is drawn into `grelha`.
    ResultadoDesenho UmAspecto(int i, int j, double separacao) {
        grelha = ImagemBranca(TamanhoGrelha().width(), TamanhoGrelha().height());
        OrbesZero();
        MapaBase(m);
        Posiciona(m, i, 300.0);
        Posiciona(m, j, std::fmod(300.0 + separacao, 360.0));
        QImage roda = ImagemBranca(400, 400);
        Superficie sr(roda), sg(grelha);
        return RedrawChart(sr, &sg, m);
    }

private slots:
    void celula_data() {
        QTest::addColumn<int>("i");
        QTest::addColumn<int>("j");
        QTest::addColumn<double>("separacao");
        QTest::addColumn<QColor>("cor");
        QTest::newRow("Sol trígono Lua") << 0 << 1 << 120.0 << QColor(0, 0, 255);
        QTest::newRow("Marte quadratura Plutão") << 4 << 9 << 90.0 << QColor(255, 0, 0);
        QTest::newRow("Vénus sextil Saturno") << 3 << 6 << 60.0 << QColor(0, 250, 0);
        QTest::newRow("Lua Negra conjunção Parte Fortuna") << 11 << 12 << 0.0 << QColor(192, 192, 0);
        QTest::newRow("Sol conjunção Parte Fortuna") << 0 << 12 << 0.0 << QColor(192, 192, 0);
    }
    void celula() {
        QFETCH(int, i); QFETCH(int, j); QFETCH(double, separacao); QFETCH(QColor, cor);
        const ResultadoDesenho r = UmAspecto(i, j, separacao);
        QCOMPARE(int(r.aspectos.size()), 1);
        QCOMPARE(TamanhoGrelha(), QSize(13 * 18 + 1, 13 * 18 + 1));
        QCOMPARE(r.unidadeGrelha, h);
        // The rule: x = (13 − j)·h, y = (i + 1)·h − 2, one cell high; the glyph's ink lies there
        // and nowhere else inside the staircase.
        const QRectF celula((13 - j) * h, (i + 1) * h - 2, h, h), interior(h + 1, h + 1, 12 * h, 12 * h);
        QCOMPARE(PosicaoCelula(h, i, j), celula.topLeft());
        const int dentro = ContaCor(grelha, celula.intersected(interior), cor);
        QVERIFY2(dentro > 5, "sem glifo na célula");
        QCOMPARE(ContaCor(grelha, interior, cor), dentro);
    }
    void regrasNaMesmaUnidade() {
        UmAspecto(0, 1, 120.0);
        for (int k = 1; k <= 13; ++k) {
            // Vertical rules at x = k·h run down to the bottom of their column, horizontal rules
            // at y = k·h out to the end of their row.
            QVERIFY(MinimoVizinho(grelha, k * h, h / 2) < ESCURO);
            QVERIFY(MinimoVizinho(grelha, k * h, (14 - k) * h - 2) < ESCURO);
            QVERIFY(MinimoVizinho(grelha, h / 2, k * h) < ESCURO);
            QVERIFY(MinimoVizinho(grelha, (14 - k) * h - 2, k * h) < ESCURO);
        }
        QCOMPARE(MinimoVizinho(grelha, 6.5 * h, 12.5 * h, 3), 3 * 255); // below the staircase: blank
    }
    void hover_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<int>("linha");
        QTest::addColumn<int>("coluna");
        QTest::addColumn<bool>("pergunta");
        QTest::addColumn<QString>("dica");
        // Cell centres: column position k gives c = 14 − k, row position r gives r.
        QTest::newRow("célula do aspecto Sol–Lua") << 12.5 * h << 1.5 * h << 1 << 2 << true << "Sol em Trigono com Lua";
        QTest::newRow("célula vazia: nome do corpo da linha") << 5.5 * h << 1.5 * h << 1 << 9 << true << "Sol";
        QTest::newRow("linha de cabeçalho") << 5.5 * h << 0.5 * h << 0 << 9 << false << "Neptuno";
        QTest::newRow("coluna de cabeçalho") << 0.5 * h << 3.5 * h << 3 << 14 << false << "Mercúrio";
        QTest::newRow("diagonal") << 11.5 * h << 3.5 * h << 3 << 3 << false << "Mercúrio";
        QTest::newRow("canto do cabeçalho") << 0.5 * h << 0.5 * h << 0 << 14 << false << QString();
    }
    void hover() {
        QFETCH(double, x); QFETCH(double, y); QFETCH(int, linha); QFETCH(int, coluna); QFETCH(bool, pergunta);
        QFETCH(QString, dica);
        UmAspecto(0, 1, 120.0);
        const DicaGrelha d = HoverGrelha(m, h, x, y);
        QCOMPARE(d.linha, linha);
        QCOMPARE(d.coluna, coluna);
        QCOMPARE(d.perguntaAspecto, pergunta);
        QCOMPARE(d.dica, dica);
    }
    void findAspect() {
        UmAspecto(4, 9, 90.0);
        QCOMPARE(FindAspect(m, 5, 10), QStringLiteral("Marte em Quadratura com Plutão"));
        QCOMPARE(FindAspect(m, 10, 5), QString()); // the pair is stored once, first body first
        QCOMPARE(FindAspect(m, 1, 2), QString());
    }
};

QTEST_MAIN(TestGrelha)
#include "test_grelha.moc"
