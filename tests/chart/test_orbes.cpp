// The orb table and the orb file: the built-in orbs, the line order of the file, refusal of
// malformed files (the orbs in use stay), the missing-file fall-back and the writer's bytes.
// Fixture files in data/ were written by hand (printf): ordem.orb holds 1..46, one per line.
#include "mensagens.h"
#include "opcoes.h"
#include "orbes.h"

#include <QTemporaryDir>
#include <QtTest>

class TestOrbes : public QObject {
    Q_OBJECT

    static QString dados(const char* nome) { return QStringLiteral(NATALIS_TEST_DATA "/") + nome; }

private slots:
    void init() { QVERIFY(LoadOrbs(true, QString())); }

    // Cells of the built-in table as printed in the orb rules (row a, column b).
    void padrao_data() {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("orbe");
        QTest::newRow("Sol Lua") << 1 << 2 << 10;
        QTest::newRow("Lua Sol ordena o par") << 2 << 1 << 10;
        QTest::newRow("Sol Fortuna") << 1 << 13 << 6;
        QTest::newRow("Lua Mercurio") << 2 << 3 << 10;
        QTest::newRow("Mercurio Venus") << 3 << 4 << 8;
        QTest::newRow("Venus Urano") << 4 << 8 << 6;
        QTest::newRow("Marte Jupiter") << 5 << 6 << 7;
        QTest::newRow("Jupiter Neptuno") << 6 << 9 << 5;
        QTest::newRow("Saturno Urano") << 7 << 8 << 6;
        QTest::newRow("Neptuno Plutao") << 9 << 10 << 5;
        QTest::newRow("Neptuno Fortuna") << 9 << 13 << 5;
        QTest::newRow("Plutao Nodo sem orbe") << 10 << 11 << 0;
        QTest::newRow("Nodo Lua Negra sem orbe") << 11 << 12 << 0;
        QTest::newRow("Lua Negra Fortuna sem orbe") << 12 << 13 << 0;
        QTest::newRow("um corpo consigo") << 5 << 5 << 0;
        QTest::newRow("fora da tabela") << 0 << 14 << 0;
    }
    void padrao() {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, orbe);
        QCOMPARE(int(OrbesActuais().orb(a, b)), orbe);
        QVERIFY(OrbesPadraoEmUso());
        QCOMPARE(GetOption(0), CaminhoOrbesPadrao());
    }

    // Line 1 is orb(1,10), line 9 orb(1,2), line 10 orb(2,10), line 45 orb(9,10); line 46 is
    // v for Sol and Lua with bodies 11..13, and v − 1 for Mercúrio .. Neptuno.
    void ordemDasLinhas_data() {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("orbe");
        QTest::newRow("linha 1") << 1 << 10 << 1;
        QTest::newRow("linha 2") << 1 << 9 << 2;
        QTest::newRow("linha 9") << 1 << 2 << 9;
        QTest::newRow("linha 10") << 2 << 10 << 10;
        QTest::newRow("linha 17") << 2 << 3 << 17;
        QTest::newRow("linha 18") << 3 << 10 << 18;
        QTest::newRow("linha 45") << 9 << 10 << 45;
        QTest::newRow("linha 46 Sol Nodo") << 1 << 11 << 46;
        QTest::newRow("linha 46 Lua Fortuna") << 2 << 13 << 46;
        QTest::newRow("linha 46 menos um Mercurio Lua Negra") << 3 << 12 << 45;
        QTest::newRow("linha 46 menos um Neptuno Fortuna") << 9 << 13 << 45;
        QTest::newRow("Plutao Nodo fica") << 10 << 11 << 0;
    }
    void ordemDasLinhas() {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, orbe);
        QVERIFY(LoadOrbs(false, dados("ordem.orb")));
        QCOMPARE(int(OrbesActuais().orb(a, b)), orbe);
        QVERIFY(!OrbesPadraoEmUso());
        QCOMPARE(GetOption(0), dados("ordem.orb"));
    }

    void virgulas() {
        ValoresOrbes v{};
        QVERIFY(LeFicheiroOrbes(dados("virgulas.orb"), v));
        QCOMPARE(int(v[0]), 101);
        QCOMPARE(int(v[45]), 146);
    }

    // A malformed file is refused whole: the orbs in use and option 0 stay as they were.
    void malformado_data() {
        QTest::addColumn<QString>("ficheiro");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("45 numeros") << "curto.orb" << "45";
        QTest::newRow("palavra na linha 20") << "texto.orb" << "quatro";
        QTest::newRow("decimal na linha 20") << "decimal.orb" << "4.5";
    }
    void malformado() {
        QFETCH(QString, ficheiro);
        QFETCH(QString, motivo);
        QVERIFY(LoadOrbs(false, dados("ordem.orb")));
        const TabelaOrbes antes = OrbesActuais();
        MensagensGravadas caixa;
        CaixaTemporaria instalada(&caixa);
        QVERIFY(!LoadOrbs(false, dados(qPrintable(ficheiro))));
        QVERIFY(OrbesActuais() == antes);
        QVERIFY(!OrbesPadraoEmUso());
        QCOMPARE(GetOption(0), dados("ordem.orb"));
        QCOMPARE(caixa.chamadas.size(), 1);
        QCOMPARE(caixa.chamadas[0].icone, IconeMsg::Exclamacao);
        QVERIFY(caixa.chamadas[0].texto.contains(ficheiro));
        QVERIFY2(caixa.chamadas[0].texto.contains(motivo), qPrintable(caixa.chamadas[0].texto));
    }

    void ficheiroEmFalta() {
        QVERIFY(LoadOrbs(false, dados("ordem.orb")));
        MensagensGravadas caixa;
        CaixaTemporaria instalada(&caixa);
        const QString caminho = dados("nao-existe.orb");
        QVERIFY(!LoadOrbs(false, caminho));
        QCOMPARE(caixa.chamadas.size(), 1);
        QCOMPARE(caixa.chamadas[0].icone, IconeMsg::Critico);
        QCOMPARE(caixa.chamadas[0].texto,
                 QString::fromUtf8("O ficheiro de Orbes: nao-existe.orb não se encontra na sua posição esperada\n\n") +
                     caminho);
        QVERIFY(OrbesPadraoEmUso());
        QCOMPARE(int(OrbesActuais().orb(1, 2)), 10);
        QCOMPARE(GetOption(0), CaminhoOrbesPadrao());
    }

    void caminhoVazioNadaFaz() {
        QVERIFY(LoadOrbs(false, dados("ordem.orb")));
        QVERIFY(!LoadOrbs(false, QString()));
        QCOMPARE(int(OrbesActuais().orb(1, 10)), 1);
    }

    // The writer's bytes: one decimal number per line with CR LF; reading them back gives the
    // same 46 values ("Guardar" then "Abrir").
    void escreveELe() {
        QTemporaryDir d;
        ValoresOrbes v{};
        for (int k = 0; k < N_VALORES_ORBES; ++k)
            v[k] = static_cast<int16_t>(k % 7 - 2);
        const QString caminho = d.filePath("Orbitas 1.orb");
        QVERIFY(EscreveFicheiroOrbes(caminho, v));
        QFile f(caminho);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.startsWith("-2\r\n-1\r\n0\r\n1\r\n2\r\n3\r\n4\r\n-2\r\n"));
        QCOMPARE(bytes.count("\r\n"), 46);
        QVERIFY(!bytes.contains("\n\n"));
        ValoresOrbes lidos{};
        QVERIFY(LeFicheiroOrbes(caminho, lidos));
        QVERIFY(lidos == v);
    }

    void valoresDoQuadro() {
        const ValoresOrbes v = OrbesActuais().ValoresFicheiro();
        QCOMPARE(int(v[0]), 7);  // Sol Plutão
        QCOMPARE(int(v[8]), 10); // Sol Lua
        QCOMPARE(int(v[44]), 5); // Neptuno Plutão
        QCOMPARE(int(v[45]), 6); // Sol Fortuna, the fictitious points' box
        QCOMPARE(ParOrbe(0), std::make_pair(1, 10));
        QCOMPARE(ParOrbe(9), std::make_pair(2, 10));
        QCOMPARE(ParOrbe(44), std::make_pair(9, 10));
    }

    void escritaFalhadaInforma() {
        QString erro;
        ValoresOrbes v{};
        QVERIFY(!EscreveFicheiroOrbes("/nao/existe/x.orb", v, &erro));
        QVERIFY(erro.contains("x.orb"));
    }
};

QTEST_GUILESS_MAIN(TestOrbes)
#include "test_orbes.moc"
