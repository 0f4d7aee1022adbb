// The record source keeps the cursor semantics the program relies on: table order, exact
// equality, no current record after a failed search, appended records at the end.
#include "basetextos.h"
#include "fontedados.h"
#include "textos.h"
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestFonteDados : public QObject {
    Q_OBJECT
    QTemporaryDir m_pasta;
    QString m_base;

private slots:
    void initTestCase() {
        QVERIFY(m_pasta.isValid());
        // Code 20 twice: the first in table order must win.
        m_base = CriaBaseTextos(m_pasta.filePath(QStringLiteral("t.mdb")), {{"10", "dez"},
                                                                            {"20", "primeiro vinte"},
                                                                            {"30", ""},
                                                                            {"20", "segundo vinte"},
                                                                            {"Lisboa", "capital"}});
        QVERIFY(!m_base.isEmpty());
    }

    void procura_data() {
        QTest::addColumn<QString>("valor");
        QTest::addColumn<bool>("achado");
        QTest::addColumn<QString>("texto");
        QTest::newRow("primeiro_na_ordem") << "20" << true << "primeiro vinte";
        QTest::newRow("campo_vazio") << "30" << true << "";
        QTest::newRow("zero_a_esquerda_difere") << "010" << false << "";
        QTest::newRow("maiusculas_contam") << "lisboa" << false << "";
        QTest::newRow("igualdade_exacta") << "Lisboa" << true << "capital";
        QTest::newRow("prefixo_nao_basta") << "1" << false << "";
    }
    void procura() {
        QFETCH(QString, valor);
        QFETCH(bool, achado);
        QFETCH(QString, texto);
        FonteDados f;
        QVERIFY2(f.Abre(m_base, QStringLiteral("interpretação")), qPrintable(f.Erro()));
        QCOMPARE(f.FindFirst(QStringLiteral("codigo"), valor), achado);
        QCOMPARE(f.NoMatch(), !achado);
        QCOMPARE(f.TemRegisto(), achado);
        QCOMPARE(f.Campo(QStringLiteral("Texto")), texto);
    }

    void percorreNaOrdemDaTabela() {
        FonteDados f;
        QVERIFY(f.Abre(m_base, QStringLiteral("interpretação")));
        QCOMPARE(f.RecordCount(), 5);
        QStringList vistos;
        for (f.MoveFirst(); !f.EOF_(); f.MoveNext())
            vistos << f.Campo(QStringLiteral("Texto"));
        QCOMPARE(vistos, QStringList({"dez", "primeiro vinte", "", "segundo vinte", "capital"}));
        QVERIFY(!f.TemRegisto());
        f.MoveLast();
        f.MovePrevious();
        QCOMPARE(f.Campo(QStringLiteral("Texto")), QStringLiteral("segundo vinte"));
        f.MoveFirst();
        f.MovePrevious();
        QVERIFY(f.BOF());
        QVERIFY(!f.TemRegisto());
        // A search after running off the end still starts from the first record.
        QVERIFY(f.FindFirst(QStringLiteral("codigo"), QStringLiteral("10")));
        QCOMPARE(f.Campo(QStringLiteral("Texto")), QStringLiteral("dez"));
    }

    void acrescentaNoFim() {
        const QString copia = m_pasta.filePath(QStringLiteral("copia.mdb"));
        QVERIFY(QFile::copy(m_base, copia));
        FonteDados f;
        QVERIFY(f.Abre(copia, QStringLiteral("interpretação"), false));
        f.AddNew();
        f.SetCampo(QStringLiteral("codigo"), QStringLiteral("10"));
        f.SetCampo(QStringLiteral("Texto"), QStringLiteral("novo dez"));
        QVERIFY2(f.Update(), qPrintable(f.Erro()));
        QCOMPARE(f.Campo(QStringLiteral("Texto")), QStringLiteral("novo dez"));
        QCOMPARE(f.RecordCount(), 6);
        f.MoveLast();
        QCOMPARE(f.Campo(QStringLiteral("Texto")), QStringLiteral("novo dez"));
        // The older record keeps its place in front.
        QVERIFY(f.FindFirst(QStringLiteral("codigo"), QStringLiteral("10")));
        QCOMPARE(f.Campo(QStringLiteral("Texto")), QStringLiteral("dez"));
        f.SetCampo(QStringLiteral("Texto"), QStringLiteral("dez mudado"));
        QVERIFY(f.Update());
        FonteDados outra;
        QVERIFY(outra.Abre(copia, QStringLiteral("interpretação")));
        QCOMPARE(outra.Campo(QStringLiteral("Texto")), QStringLiteral("dez mudado"));
    }

    void basesDoPrograma() {
        QString erro;
        QVERIFY2(AbreBaseInterpretacao(m_base, &erro), qPrintable(erro));
        const VersaoBase v = LeVersao(DataVer());
        QCOMPARE(v.title + v.major + v.minor + v.revision, QStringLiteral("Teste234"));
        QVERIFY(DataDB().FindFirst(QStringLiteral("codigo"), QStringLiteral("10")));
        QVERIFY(!AbreBaseInterpretacao(m_pasta.filePath(QStringLiteral("falta.mdb")), &erro));
        QVERIFY2(erro.contains(QStringLiteral("não existe")), qPrintable(erro));
        QVERIFY(!DataDB().Aberta());
    }

    void sairDoRegistoGuarda() {
        const QString copia = m_pasta.filePath(QStringLiteral("saida.mdb"));
        QVERIFY(QFile::copy(m_base, copia));
        FonteDados f;
        QVERIFY(f.Abre(copia, QStringLiteral("interpretação"), false));
        // A new record left empty is dropped.
        f.AddNew();
        f.MoveFirst();
        QCOMPARE(f.RecordCount(), 5);
        // A new record with a field set is stored when the cursor moves on.
        f.AddNew();
        f.SetCampo(QStringLiteral("codigo"), QStringLiteral("40"));
        f.MoveFirst();
        QCOMPARE(f.RecordCount(), 6);
        QCOMPARE(f.Campo(QStringLiteral("Texto")), QStringLiteral("dez"));
        // So is an edit of the current record.
        f.SetCampo(QStringLiteral("Texto"), QStringLiteral("dez editado"));
        f.MoveNext();
        QVERIFY(f.FindFirst(QStringLiteral("codigo"), QStringLiteral("10")));
        QCOMPARE(f.Campo(QStringLiteral("Texto")), QStringLiteral("dez editado"));
        QVERIFY(f.FindFirst(QStringLiteral("codigo"), QStringLiteral("40")));
        f.MovePrevious();
        QCOMPARE(f.Campo(QStringLiteral("codigo")), QStringLiteral("Lisboa"));
    }

    void ficheiroOuTabelaEmFalta() {
        FonteDados f;
        const QString inexistente = m_pasta.filePath(QStringLiteral("nao-existe.mdb"));
        QVERIFY(!f.Abre(inexistente, QStringLiteral("interpretação")));
        QVERIFY(!f.Erro().isEmpty());
        QVERIFY2(!QFile::exists(inexistente), "opening must not create the database");
        QVERIFY(!f.Abre(m_base, QStringLiteral("Locais")));
        QVERIFY(!f.FindFirst(QStringLiteral("codigo"), QStringLiteral("10")));
        QVERIFY(f.NoMatch());
        QCOMPARE(f.Campo(QStringLiteral("Texto")), QString());
    }
};

QTEST_GUILESS_MAIN(TestFonteDados)
#include "test_fontedados.moc"
