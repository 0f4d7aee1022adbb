// The editor's plain work: the markup check (what GetTexto will and will not show), the meaning
// of each family of codes, the shipped texts checked as the editor checks them, and the search.
#include "basetextos.h"
#include "catalogo.h"
#include "fontedados.h"
#include "marcacao.h"
#include "significado.h"
#include "textosproprios.h"

#include <QtTest>

class TestGlosa : public QObject {
    Q_OBJECT
private slots:
    void marcacao_data() {
        QTest::addColumn<QString>("texto"); QTest::addColumn<bool>("posicao"); // the code names two bodies
        QTest::addColumn<bool>("erro"); QTest::addColumn<int>("onde"); // 0-based column of the first problem; -1 none
        QTest::newRow("sem marcas") << "Olá |1, és muito inteligente|2. " << false << false << -1;
        QTest::newRow("sexo dos dois") << "Comum. {H para ele }{M para ela }" << false << false << -1;
        QTest::newRow("minúsculas") << "Comum. {h x }{m y }" << false << false << -1;
        QTest::newRow("posição") << "Aspecto. {A à frente }{D atrás }{= juntos }" << true << false << -1;
        QTest::newRow("|4 desconhecida") << "Nome |4 aqui" << false << true << 5;
        QTest::newRow("| no fim") << "Nome |" << false << true << 5;
        QTest::newRow("{X desconhecido") << "Texto {X abc }" << false << true << 6;
        QTest::newRow("nunca fechado") << "Texto {H abc " << false << true << 6;
        QTest::newRow("} sozinha") << "Texto } abc" << false << true << 6;
        QTest::newRow("aninhado") << "T {H a {M b } }" << false << true << 7;
        // Warnings: the text parses, but the report drops something.
        QTest::newRow("letra antes de {") << "Texto.{H a }" << false << false << 5;
        QTest::newRow("letra antes de }") << "Texto {Habc}" << false << false << 10;
        QTest::newRow("entre segmentos") << "T {H a } perdido {M b }" << false << false << 8;
        QTest::newRow("depois do fim") << "T {H a } perdido" << false << false << 8;
        QTest::newRow("posição sem corpos") << "Signo. {A x }" << false << false << 7;
        QTest::newRow("segundo {H") << "T {H a }{H b }" << false << false << 8;
    }
    void marcacao() {
        QFETCH(QString, texto); QFETCH(bool, posicao); QFETCH(bool, erro); QFETCH(int, onde);
        const auto p = VerificaMarcacao(texto, posicao);
        QCOMPARE(TemErros(p), erro);
        QCOMPARE(p.isEmpty() ? -1 : p.first().posicao, onde);
        if (!p.isEmpty())
            QVERIFY2(DescreveProblemas(p).contains(QStringLiteral("coluna %1").arg(onde + 1)), qPrintable(DescreveProblemas(p)));
    }

    void significado_data() {
        QTest::addColumn<int>("codigo"); QTest::addColumn<QString>("esperado"); QTest::addColumn<int>("familia");
        // Codes built by hand from the code table: P·1000 + 100 + S and the like.
        QTest::newRow("corpo em signo") << 1101 << "Sol em Carneiro" << int(Familia::CorposSignos);
        QTest::newRow("parte em signo") << 19112 << "Parte do Dever em Peixes" << int(Familia::CorposSignos);
        QTest::newRow("ascendente") << 1204 << "Ascendente em Câncer" << int(Familia::Cuspides);
        QTest::newRow("cúspide") << 10212 << "Casa X em Peixes" << int(Familia::Cuspides);
        QTest::newRow("corpo em casa") << 5310 << "Marte na Casa X" << int(Familia::CorposCasas);
        QTest::newRow("aspecto") << 2405 << "Lua em Quadratura com Marte" << int(Familia::Aspectos);
        QTest::newRow("retrógrado em signo") << 903001 << "Mercúrio retrógrado em Carneiro" << int(Familia::RetrogradosSignos);
        QTest::newRow("retrógrado em casa") << 1010012 << "Plutão retrógrado na Casa XII" << int(Familia::RetrogradosCasas);
        QTest::newRow("decanato") << 1102005 << "Sol no segundo decanato de Leão" << int(Familia::Decanatos);
        QTest::newRow("esclarecedor") << 1201002 << "Lua como planeta dominante" << int(Familia::Esclarecedores);
        QTest::newRow("anjo") << 1306012 << "Anjo «O Receptivo»: Sol entre 25° e 29° de Peixes" << int(Familia::Anjos);
        QTest::newRow("regente") << 2010510 << "Regente do mapa (Marte) na Casa X" << int(Familia::Sintese);
        QTest::newRow("elemento") << 2000104 << "Predomínio do elemento Água" << int(Familia::Sintese);
        QTest::newRow("estélio") << 2000507 << "Estélio na Casa VII" << int(Familia::Sintese);
        QTest::newRow("sem sentido") << 1501 << "" << int(Familia::Outros);
        QTest::newRow("signo 13") << 1113 << "" << int(Familia::CorposSignos);
    }
    void significado() {
        QFETCH(int, codigo); QFETCH(QString, esperado); QFETCH(int, familia);
        QCOMPARE(Significado(codigo), esperado);
        QCOMPARE(int(FamiliaDe(codigo)), familia);
    }

    // What the editor demands of a text, the shipped ones meet: none fails to parse, and every
    // code the program ships names what it stands for.
    void textosEnviados() {
        FonteDados db;
        QVERIFY2(db.Abre(NATALIS_PROGRAM_DIR "/Intrepreter.mdb", QStringLiteral("interpretação")), "construa o programa primeiro");
        int n = 0;
        for (db.MoveFirst(); !db.EOF_(); db.MoveNext(), ++n) {
            const int codigo = db.Campo("codigo").toInt();
            const auto p = VerificaMarcacao(db.Campo("Texto"), TemSegmentosPosicao(codigo));
            QVERIFY2(!TemErros(p), qPrintable(QStringLiteral("%1: %2").arg(codigo).arg(DescreveProblemas(p))));
            QVERIFY2(!Significado(codigo).isEmpty(), qPrintable(QString::number(codigo)));
        }
        QVERIFY(n > 1000);
    }

    // The search folds accents and case in the meaning and the text; every word must be found.
    void procura() {
        QTemporaryDir d;
        QVERIFY(CriaBaseTextos(d.filePath("t.mdb"), {{"2104", "A Lua em Câncer dá sensibilidade."},
                                                     {"1101", "Impulso e INICIATIVA."},
                                                     {"2405", "Tensão emocional."}}));
        FonteDados db;
        QVERIFY(db.Abre(d.filePath("t.mdb"), "interpretação"));
        TextosProprios meus;
        meus.DefineCaminho(d.filePath("meus.db"));
        QVERIFY(meus.Grava({"2405", "Um texto meu sobre a tensao.", "Tensão emocional.", {}}, nullptr));
        Catalogo c;
        c.Carrega(db, meus);
        QCOMPARE(c.Entradas().size(), 3);
        auto codigos = [&](int familia, bool editados, const QString& p) {
            QList<int> r;
            for (int i : c.Filtra(familia, editados, p)) r << c.Entradas()[i].codigo;
            return r;
        };
        QCOMPARE(codigos(-1, false, "cancer LUA"), QList<int>{2104});
        QCOMPARE(codigos(-1, false, "iniciativa"), QList<int>{1101});
        QCOMPARE(codigos(-1, false, "marte tensão"), QList<int>{2405}); // meaning and the user's text
        QCOMPARE(codigos(int(Familia::Aspectos), false, ""), QList<int>{2405});
        QCOMPARE(codigos(-1, true, ""), QList<int>{2405});
        QCOMPARE(codigos(-1, false, "cancer iniciativa"), QList<int>{});
        QCOMPARE(c.Entradas()[c.Indice(2405)].Actual(), "Um texto meu sobre a tensao.");
    }
};

QTEST_GUILESS_MAIN(TestGlosa)
#include "test_glosa.moc"
