// The texts store and their markup. The record source finds the first record in table order
// whose code is exactly the one asked for, and none after a failed search. Texts expand their placeholders, sex segments and position segments;
// the five-degree segments have their names. Expected values are the documented cases of the
// markup, worked by hand.
#include "basetextos.h"
#include "camposmapa.h"
#include "fontedados.h"
#include "mapa.h"
#include "textos.h"
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString C = QStringLiteral("codigo"), X = QStringLiteral("Texto"), T = QStringLiteral("interpretação");
}

class TestTextos : public QObject {
    Q_OBJECT
    QTemporaryDir m_pasta;
    QString m_base;
    int m_bases = 0;

private slots:
    void initTestCase() {
        // Code 20 twice: the first in table order must win.
        m_base = CriaBaseTextos(m_pasta.filePath(QStringLiteral("t.mdb")),
                                {{"10", "dez"}, {"20", "primeiro vinte"}, {"30", ""}, {"20", "segundo vinte"}, {"Lisboa", "capital"}});
        QVERIFY(!m_base.isEmpty());
    }

    void procura_data() {
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QString>("texto"); // null: not found
        QTest::newRow("primeiro na ordem da tabela") << "20" << "primeiro vinte";
        QTest::newRow("campo vazio") << "30" << QStringLiteral("");
        QTest::newRow("zero à esquerda difere") << "010" << QString();
        QTest::newRow("maiúsculas contam") << "lisboa" << QString();
        QTest::newRow("igualdade exacta") << "Lisboa" << "capital";
        QTest::newRow("prefixo não basta") << "1" << QString();
    }
    void procura() {
        QFETCH(QString, valor); QFETCH(QString, texto);
        FonteDados f;
        QVERIFY2(f.Abre(m_base, T), qPrintable(f.Erro()));
        QCOMPARE(f.FindFirst(C, valor), !texto.isNull());
        QCOMPARE(f.NoMatch(), texto.isNull());
        QCOMPARE(f.TemRegisto(), !texto.isNull());
        QCOMPARE(f.Campo(X), texto.isNull() ? QString() : texto);
    }

    void emFalta() {
        FonteDados f;
        const QString inexistente = m_pasta.filePath(QStringLiteral("nao-existe.mdb"));
        QVERIFY(!f.Abre(inexistente, T));
        QVERIFY(!f.Erro().isEmpty());
        QVERIFY2(!QFile::exists(inexistente), "opening must not create the database");
        QVERIFY(!f.Abre(m_base, QStringLiteral("Locais")));
        QVERIFY(!f.FindFirst(C, "10"));
        QVERIFY(f.NoMatch());
        QCOMPARE(f.Campo(X), QString());
        // The program's two sources over the texts database, and its version row.
        QString erro;
        QVERIFY2(AbreBaseInterpretacao(m_base, &erro), qPrintable(erro));
        const VersaoBase v = LeVersao(DataVer());
        QCOMPARE(v.title + v.major + v.minor + v.revision, QStringLiteral("Teste234"));
        QVERIFY(DataDB().FindFirst(C, "10"));
        QVERIFY(!AbreBaseInterpretacao(inexistente, &erro));
        QVERIFY2(erro.contains(QStringLiteral("não existe")), qPrintable(erro));
        QVERIFY(!DataDB().Aberta());
    }

    void markup_data() {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QString>("texto"); // null: no record with that code
        QTest::addColumn<bool>("masculino");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QList<double>>("graus"); // longitudes of chart bodies 0..5
        QTest::addColumn<QString>("esperado");
        const QList<double> zero{0, 0, 0, 0, 0, 0};
        QTest::newRow("sem chavetas não apara") << 1101 << "Olá |1, és muito bonit|2. " << false << "Ana" << zero << "Olá Ana, és muito bonita. ";
        QTest::newRow("chave repetida") << 1101 << "|1 e |1|3" << false << "Ana" << zero << "Ana e Anaa";
        QTest::newRow("segmento feminino") << 1101 << "Texto comum {H para ele } {M para ela }" << false << "Ana" << zero << "Texto comum  para ela";
        QTest::newRow("segmento masculino") << 1101 << "Texto comum {H para ele } {M para ela }" << true << "Rui" << zero << "Texto comum  para ele";
        QTest::newRow("último carácter cai") << 1101 << "{Habc}" << true << "Rui" << zero << "  ab";
        QTest::newRow("fichas sem maiúsculas") << 1101 << "{h x }" << true << "Rui" << zero << "  x";
        QTest::newRow("segmento sem fecho") << 1101 << "Comum {H sem fecho" << true << "Rui" << zero << "Comum  ";
        QTest::newRow("segmento vazio") << 1101 << "Comum {H} {M ela }" << true << "Rui" << zero << "Comum  ";
        QTest::newRow("código 5, iguais") << 5 << "{= iguais }" << true << "Rui" << zero << " iguais ";
        QTest::newRow("código 5, a maior") << 5 << "X {A maior } {D menor } {= igual }" << true << "Rui" << QList<double>{40, 0, 0, 0, 0, 10} << "X maior ";
        QTest::newRow("opostos: nenhum adiante") << 5 << "X {A a } {D d } {= igual }" << true << "Rui" << QList<double>{10, 0, 0, 0, 0, 190} << "X  ";
        QTest::newRow("decano fora do quadro") << 1101001 << "Decano {A depois } {D antes } {= igual }" << true << "Rui" << zero << "Decano  ";
        // Sol (1) in conjunction with Lua (2): the partners are chart bodies 0 and 1, not the
        // bodies 1 and 2 that the code's digits would index.
        const QString conj = QStringLiteral("Conj {A Sol adiante } {D Sol atrás } {= juntos }");
        QTest::newRow("aspecto, parceiro maior") << 1902 << conj << true << "Rui" << QList<double>{100, 50, 200, 0, 0, 0} << "Conj Sol adiante ";
        QTest::newRow("aspecto, parceiro menor") << 1902 << conj << true << "Rui" << QList<double>{50, 100, 20, 0, 0, 0} << "Conj Sol atrás ";
        // Across 0° Carneiro the order is taken on the circle. 21/3/2023 06:00 UT at Lisboa
        // (swetest): Sol 0°22' Carneiro, Lua 23°54' Peixes, 6.5° behind it, New Moon still to come.
        const QString lua = QStringLiteral("Conj {A Lua atrás } {D Lua adiante } {= juntos }");
        QTest::newRow("Lua atrás do Sol em 0° Carneiro") << 1902 << lua << true << "Rui" << QList<double>{22.0 / 60, 353.0 + 54.0 / 60, 20, 0, 0, 0}
                                                         << "Conj Lua atrás ";
        QTest::newRow("Lua adiante do Sol em 0° Carneiro") << 1902 << lua << true << "Rui" << QList<double>{358.0, 3.0, 20, 0, 0, 0} << "Conj Lua adiante ";
        // Mercúrio and Vénus at the end of Peixes with the Sun in Carneiro rise before it.
        QTest::newRow("Mercúrio estrela da manhã") << 1903 << "Conj {A manhã } {D tarde }" << true << "Rui" << QList<double>{1.0, 0, 355.0, 0, 0, 0} << "Conj manhã ";
        QTest::newRow("Vénus estrela da tarde") << 1904 << "Conj {A manhã } {D tarde }" << true << "Rui" << QList<double>{359.5, 0, 0, 4.0, 0, 0} << "Conj tarde ";
        QTest::newRow("aspecto com sexo") << 1902 << "Conj {M ela } {= juntos }" << false << "Ana" << QList<double>{70, 70, 20, 0, 0, 0} << "Conj juntos ela";
        // A native called "|1" or "|2", or with braces in the name: the name is put in once,
        // never searched again, and starts or ends no segment.
        QTest::newRow("nome com a própria chave") << 1101 << "Olá |1, bem-vind|2" << true << "|1" << zero << "Olá |1, bem-vindo";
        QTest::newRow("nome com outra chave") << 1101 << "Olá |1, bem-vind|2" << true << "|2" << zero << "Olá |2, bem-vindo";
        QTest::newRow("nome com chavetas") << 1101 << "Olá |1, bem-vind|2. " << true << "Rui {H}" << zero << "Olá Rui {H}, bem-vindo. ";
        QTest::newRow("nome com chavetas e segmentos") << 1101 << "Olá |1. {H para ele } {M para ela }" << false << "Ana}{M x" << zero << "Olá Ana}{M x.  para ela";
        QTest::newRow("código inexistente") << 1101 << QString() << true << "Rui" << zero << "";
        QTest::newRow("texto vazio") << 1101 << "" << true << "Rui" << zero << "";
    }
    void markup() {
        QFETCH(int, codigo); QFETCH(QString, texto); QFETCH(bool, masculino); QFETCH(QString, nome);
        QFETCH(QList<double>, graus); QFETCH(QString, esperado);
        QList<QPair<QString, QString>> registos{{"999", "outro"}};
        if (!texto.isNull()) registos << qMakePair(QString::number(codigo), texto);
        FonteDados db;
        QVERIFY(db.Abre(CriaBaseTextos(m_pasta.filePath(QStringLiteral("m%1.mdb").arg(++m_bases)), registos), T));
        Mapa mapa;
        for (int i = 0; i < graus.size(); ++i) mapa.Corpo(i).Posicao().setValorGraus(graus[i]);
        CamposMapa campos;
        campos.txtNome = nome;
        campos.sexoMasculino = masculino;
        QCOMPARE(GetTexto(db, codigo, ParesNativo(campos), IsMasculino(campos), mapa), esperado);
    }

    void whithinText_data() {
        QTest::addColumn<QString>("fonte");
        QTest::addColumn<QString>("esperado"); // between "{H" and "}"
        QTest::newRow("entre as fichas") << "a{H bom dia }b" << "bom dia";
        QTest::newRow("primeira abertura") << "{H um }{H dois }" << "um";
        QTest::newRow("sem abertura") << "texto" << "";
        QTest::newRow("sem fecho") << "{H texto" << "";
        QTest::newRow("fecho anterior ignorado") << "} {H ab }" << "ab";
        QTest::newRow("maiúsculas ignoradas") << "X{hOLA }" << "OLA";
    }
    void whithinText() {
        QFETCH(QString, fonte); QFETCH(QString, esperado);
        QCOMPARE(WhithinText(fonte, QStringLiteral("{H"), QStringLiteral("}")), esperado);
    }

    void segmentos_data() {
        QTest::addColumn<double>("graus");
        QTest::addColumn<QString>("nome");
        QTest::newRow("0° Carneiro") << 0.0 << "O Energético";
        QTest::newRow("4°59' Carneiro") << 4.0 + 59.0 / 60 << "O Energético";
        QTest::newRow("5° Carneiro") << 5.0 << "O Apaixonado";
        QTest::newRow("15° Touro") << 45.0 << "O Metódico";
        QTest::newRow("10° Virgo") << 160.0 << "O Perito";
        QTest::newRow("19°30' Escorpião") << 229.5 << "O Afoito";
        QTest::newRow("20° Escorpião") << 230.0 << "O Intuitivo";
        QTest::newRow("0° Capricórnio") << 270.0 << "O Estóico";
        QTest::newRow("29°59' Peixes") << 359.0 + 59.0 / 60 << "O Receptivo";
    }
    void segmentos() {
        QFETCH(double, graus); QFETCH(QString, nome);
        Mapa mapa;
        mapa.Corpo(0).Posicao().setValorGraus(graus);
        QCOMPARE(NomeAnjo(mapa), nome);
        QCOMPARE(NomeSegmento(0, 1), QString()); // outside the table
        QCOMPARE(NomeSegmento(12, 7), QString());
        QCOMPARE(NomeSegmento(13, 1), QString());
    }
};

QTEST_GUILESS_MAIN(TestTextos)
#include "test_textos.moc"
