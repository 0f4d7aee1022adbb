// The user's own texts over the shipped ones: what GetTexto returns with and without them, the
// reset to the shipped text, a new shipped database, a damaged or full-disk file, and sharing
// between two machines with a conflict.
#include "discocheio.h"
#include "basetextos.h"
#include "fontedados.h"
#include "mapa.h"
#include "partilha.h"
#include "textos.h"
#include "textosproprios.h"

#include <QtTest>

namespace {
const ParesTexto kAna = {{"|1", "Ana"}, {"|2", "a"}, {"|3", "a"}};
}

class TestTextosProprios : public QObject {
    Q_OBJECT
    QTemporaryDir m_d;
    FonteDados m_db;
    Mapa m_mapa;
    QString texto(int codigo) { return GetTexto(m_db, codigo, kAna, false, m_mapa); }

private slots:
    void init() {
        m_db.Fecha();
        QFile::remove(m_d.filePath("Intrepreter.mdb"));
        QVERIFY(CriaBaseTextos(m_d.filePath("Intrepreter.mdb"),
                               {{"1101", "Enviado, |1. {H dele }{M dela }"}, {"1102", "Touro enviado."}, {"1107", "Outro enviado."}}));
        QVERIFY(m_db.Abre(m_d.filePath("Intrepreter.mdb"), "interpretação"));
        TextosUtilizador().DefineCaminho(QString()); // closed first: Windows removes no open file
        for (const QString& f : QDir(m_d.path()).entryList({"meus.db*"})) QVERIFY(QFile::remove(m_d.filePath(f)));
        TextosUtilizador().DefineCaminho(m_d.filePath("meus.db"));
    }
    void cleanupTestCase() { TextosUtilizador().DefineCaminho(QString()); }

    // The user's text comes first, with the same markup; codes the user has not touched, and
    // a code the shipped base lacks, are looked up as before.
    void sobreposicaoERepor() {
        const QByteArray enviado = DiscoCheio::conteudo(m_d.filePath("Intrepreter.mdb"));
        QCOMPARE(texto(1101), "Enviado, Ana.  dela");
        QString erro;
        QVERIFY2(TextosUtilizador().Grava({"1101", "Meu, |1 cansad|2. {H ele }{M ela }", "", {}}, &erro), qPrintable(erro));
        QVERIFY(TextosUtilizador().Grava({"9999", "Só meu.", "", {}}, &erro));
        QCOMPARE(texto(1101), "Meu, Ana cansada.  ela");
        QCOMPARE(texto(1102), "Touro enviado.");
        QCOMPARE(texto(9999), "Só meu.");
        // A second reader (the report in Natalis while Glosador saves) sees the change too.
        TextosProprios outro;
        outro.DefineCaminho(m_d.filePath("meus.db"));
        QVERIFY(outro.Repoe("1101", &erro));
        QCOMPARE(texto(1101), "Enviado, Ana.  dela");
        QCOMPARE(DiscoCheio::conteudo(m_d.filePath("Intrepreter.mdb")), enviado); // never written
    }

    // A new shipped database (an update) replaces the old file; the user's texts are elsewhere
    // and still stand over it, while untouched codes take the new shipped texts.
    void baseNovaMantemTextos() {
        QVERIFY(TextosUtilizador().Grava({"1101", "Meu texto.", "Enviado, |1. {H dele }{M dela }", {}}, nullptr));
        m_db.Fecha();
        QVERIFY(QFile::remove(m_d.filePath("Intrepreter.mdb")));
        QVERIFY(CriaBaseTextos(m_d.filePath("Intrepreter.mdb"), {{"1101", "Versão 2."}, {"1102", "Touro, versão 2."}}));
        QVERIFY(m_db.Abre(m_d.filePath("Intrepreter.mdb"), "interpretação"));
        QCOMPARE(texto(1101), "Meu texto.");
        QCOMPARE(texto(1102), "Touro, versão 2.");
        QCOMPARE(TextosUtilizador().Entrada("1101").original, "Enviado, |1. {H dele }{M dela }");
    }

    // A file that is no database is put aside and reported once; the shipped texts serve and
    // the next save starts a fresh file.
    void ficheiroDanificado() {
        QFile f(m_d.filePath("meus.db"));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(QByteArray(4096, 'x')) == 4096);
        f.close();
        QCOMPARE(texto(1102), "Touro enviado.");
        QVERIFY(!QFile::exists(m_d.filePath("meus.db")));
        QCOMPARE(QDir(m_d.path()).entryList({"meus.db.danificado-*"}).size(), 1);
        const QString aviso = TextosUtilizador().TomaAviso();
        QVERIFY2(aviso.contains("danificado") && aviso.contains("posto de parte"), qPrintable(aviso));
        QVERIFY(TextosUtilizador().TomaAviso().isEmpty());
        QVERIFY(TextosUtilizador().Grava({"1102", "Novo.", "", {}}, nullptr));
        QCOMPARE(texto(1102), "Novo.");
    }

    // A save that finds no room fails with the reason and leaves the file as it was.
    void discoCheio() {
        DiscoCheio disco(m_d.filePath("cheio"));
        if (!disco.montado()) QSKIP("sem permissão para montar um tmpfs");
        TextosProprios meus;
        meus.DefineCaminho(disco.pasta() + "/meus.db");
        QVERIFY(meus.Grava({"1101", "Antes.", "", {}}, nullptr));
        QVERIFY(disco.enche());
        QString erro;
        QVERIFY(!meus.GravaVarios({{"1101", QString(200000, 'a'), "", {}}, {"1102", "b", "", {}}}, &erro));
        QVERIFY2(erro.contains("Sem espaço") || erro.contains("Não foi possível"), qPrintable(erro));
        disco.esvazia();
        TextosProprios depois;
        depois.DefineCaminho(disco.pasta() + "/meus.db");
        QCOMPARE(depois.Todos().size(), 1);
        QCOMPARE(depois.Entrada("1101").texto, "Antes.");
    }

    void importacao_data() {
        QTest::addColumn<int>("resposta"); // EscolhaConflito for each question
        QTest::addColumn<QString>("t1101"); QTest::addColumn<QString>("t1102"); QTest::addColumn<int>("perguntas");
        QTest::newRow("manter o meu") << int(EscolhaConflito::Manter) << "B 1101." << "B 1102." << 2;
        QTest::newRow("usar o importado") << int(EscolhaConflito::Importar) << "A 1101." << "A 1102." << 2;
        QTest::newRow("importar todos") << int(EscolhaConflito::ImportarTodos) << "A 1101." << "A 1102." << 1;
        QTest::newRow("cancelar") << int(EscolhaConflito::Cancelar) << "B 1101." << "B 1102." << 1;
    }
    // Machine A exports; machine B, which changed the same two codes differently and one the
    // same way, imports: a question per conflict (or one for all), new codes taken, equal ones
    // counted, a code's own shipped text not copied as an own text, a line with broken markup
    // refused; a file that is no export is refused whole.
    void importacao() {
        QFETCH(int, resposta); QFETCH(QString, t1101); QFETCH(QString, t1102); QFETCH(int, perguntas);
        TextosProprios a;
        a.DefineCaminho(m_d.filePath("meus.db-a"));
        QVERIFY(a.GravaVarios({{"1101", "A 1101.", "", {}}, {"1102", "A 1102.", "", {}}, {"1103", "Igual.", "", {}},
                               {"1104", "Linha\tcom\ttabs\ne quebra \\ fim", "", {}}, {"1105", "Touro enviado.", "", {}},
                               {"1107", "Outro enviado.", "", {}}},
                              nullptr));
        const QString ficheiro = m_d.filePath("meus.db-partilha.glosa");
        QString erro;
        QVERIFY2(ExportaTextos(ficheiro, a, &erro), qPrintable(erro));
        QFile f(ficheiro);
        QVERIFY(f.open(QIODevice::Append));
        f.write("1106\tPartido {H sem fecho\t\n");
        f.close();
        QVERIFY(TextosUtilizador().GravaVarios({{"1101", "B 1101.", "", {}}, {"1102", "B 1102.", "", {}}, {"1103", "Igual.", "", {}}},
                                               nullptr));
        // "1105" holds what the shipped base has for 1102, not for 1105: it is a new text.
        int n = 0;
        ResultadoImportacao r;
        QVERIFY2(ImportaTextos(ficheiro, TextosUtilizador(), m_db,
                               [&](const ConflitoImportacao& c) {
                                   ++n;
                                   return c.meu.startsWith("B ") && c.importado.startsWith("A ") ? EscolhaConflito(resposta)
                                                                                                : EscolhaConflito::Cancelar;
                               },
                               r, &erro),
                 qPrintable(erro));
        QCOMPARE(n, perguntas);
        const auto meus = TextosUtilizador().Todos();
        QCOMPARE(meus["1101"].texto, t1101);
        QCOMPARE(meus["1102"].texto, t1102);
        if (r.cancelado) {
            QCOMPARE(meus.size(), 3);
            return;
        }
        QCOMPARE(meus["1104"].texto, "Linha\tcom\ttabs\ne quebra \\ fim");
        QCOMPARE(r.iguais, 2);
        QCOMPARE(r.novos, 2);
        QVERIFY(!meus.contains("1106") && !meus.contains("1107"));
        QCOMPARE(r.recusados.size(), 1);
        QVERIFY2(r.recusados[0].contains("1106"), qPrintable(r.recusados[0]));
        QVERIFY(!ImportaTextos(m_d.filePath("Intrepreter.mdb"), TextosUtilizador(), m_db, {}, r, nullptr));
    }
};

QTEST_GUILESS_MAIN(TestTextosProprios)
#include "test_textosproprios.moc"
