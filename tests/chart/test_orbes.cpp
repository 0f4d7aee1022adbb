// The orb table and the orb file: the built-in orbs, the line order of the file, refusal of
// malformed files (the orbs in use stay), the missing-file fall-back and the writer's bytes.
// data/ordem.orb was written by hand (printf) and holds 1..46, one per line with CR LF; the
// malformed files are that file with one fault each.
#include "mensagens.h"
#include "opcoes.h"
#include "orbes.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString ORDEM = QStringLiteral(NATALIS_TEST_DATA "/ordem.orb");
int Orbe(int a, int b) { return OrbesActuais().orb(a, b); }
} // namespace

class TestOrbes : public QObject {
    Q_OBJECT
    QTemporaryDir pasta;
    MensagensGravadas caixa;

private slots:
    void initTestCase() { DefineCaixaMensagens(&caixa); }
    void cleanupTestCase() { DefineCaixaMensagens(nullptr); }
    void init() {
        caixa.chamadas.clear();
        QVERIFY(LoadOrbs(false, ORDEM));
    }

    // Cells of the built-in table as printed in the orb rules (row a, column b); the pairs of
    // Plutão, the Node, Lua Negra and Fortuna among themselves have none.
    void padrao() {
        QVERIFY(LoadOrbs(true, QString()));
        QVERIFY(OrbesPadraoEmUso());
        QCOMPARE(GetOption(0), CaminhoOrbesPadrao());
        const int casos[][3] = {{1, 2, 10}, {2, 1, 10}, {1, 13, 6}, {3, 4, 8}, {4, 8, 6}, {5, 6, 7}, {6, 9, 5},
                                {9, 13, 5}, {10, 11, 0}, {11, 12, 0}, {12, 13, 0}, {5, 5, 0}, {0, 14, 0}};
        for (const auto& [a, b, orbe] : casos)
            QVERIFY2(Orbe(a, b) == orbe, qPrintable(QStringLiteral("%1, %2: %3").arg(a).arg(b).arg(Orbe(a, b))));
        // The values of the orb window, in file order.
        const ValoresOrbes v = OrbesActuais().ValoresFicheiro();
        QCOMPARE((QList<int>{v[0], v[8], v[44], v[45]}), (QList<int>{7, 10, 5, 6}));
        QCOMPARE(ParOrbe(9), std::make_pair(2, 10));
    }

    // Line 1 is orb(1,10), line 9 orb(1,2), line 10 orb(2,10), line 45 orb(9,10); line 46 is
    // v for Sol and Lua with bodies 11..13, and v − 1 for Mercúrio .. Neptuno.
    void ordemDasLinhas() {
        QVERIFY(!OrbesPadraoEmUso());
        QCOMPARE(GetOption(0), ORDEM);
        const int casos[][3] = {{1, 10, 1}, {1, 9, 2}, {1, 2, 9}, {2, 10, 10}, {2, 3, 17}, {3, 10, 18}, {9, 10, 45},
                                {1, 11, 46}, {2, 13, 46}, {3, 12, 45}, {9, 13, 45}, {10, 11, 0}};
        for (const auto& [a, b, orbe] : casos)
            QVERIFY2(Orbe(a, b) == orbe, qPrintable(QStringLiteral("%1, %2: %3").arg(a).arg(b).arg(Orbe(a, b))));
        ValoresOrbes v{};
        QVERIFY(LeFicheiroOrbes(QStringLiteral(NATALIS_TEST_DATA "/virgulas.orb"), v)); // one line, commas
        QCOMPARE((QList<int>{v[0], v[45]}), (QList<int>{101, 146}));
    }

    // A malformed file is refused whole: the orbs in use and option 0 stay as they were.
    void malformado_data() {
        QTest::addColumn<QString>("ficheiro");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("motivo");
        QFile f(ORDEM);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray ordem = f.readAll();
        QTest::newRow("45 numeros") << "curto.orb" << ordem.left(ordem.indexOf("46\r\n")) << "45";
        QTest::newRow("palavra na linha 20") << "texto.orb" << QByteArray(ordem).replace("\n20\r", "\nquatro\r") << "quatro";
        QTest::newRow("decimal na linha 20") << "decimal.orb" << QByteArray(ordem).replace("\n20\r", "\n4.5\r") << "4.5";
    }
    void malformado() {
        QFETCH(QString, ficheiro);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, motivo);
        QFile f(pasta.filePath(ficheiro));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        f.close();
        const TabelaOrbes antes = OrbesActuais();
        QVERIFY(!LoadOrbs(false, f.fileName()));
        QVERIFY(OrbesActuais() == antes);
        QVERIFY(!OrbesPadraoEmUso());
        QCOMPARE(GetOption(0), ORDEM);
        QCOMPARE(caixa.chamadas.size(), 1);
        QCOMPARE(caixa.chamadas[0].icone, IconeMsg::Exclamacao);
        QVERIFY2(caixa.chamadas[0].texto.contains(ficheiro) && caixa.chamadas[0].texto.contains(motivo), qPrintable(caixa.chamadas[0].texto));
    }

    // A missing file falls back to the built-in orbs; an empty path does nothing.
    void ficheiroEmFalta() {
        QVERIFY(!LoadOrbs(false, QString()));
        QCOMPARE(Orbe(1, 10), 1);
        const QString caminho = QStringLiteral(NATALIS_TEST_DATA "/nao-existe.orb");
        QVERIFY(!LoadOrbs(false, caminho));
        QCOMPARE(caixa.chamadas.size(), 1);
        QCOMPARE(caixa.chamadas[0].icone, IconeMsg::Critico);
        QCOMPARE(caixa.chamadas[0].texto,
                 QString::fromUtf8("O ficheiro de Orbes: nao-existe.orb não se encontra na sua posição esperada\n\n") + caminho);
        QVERIFY(OrbesPadraoEmUso());
        QCOMPARE(Orbe(1, 2), 10);
        QCOMPARE(GetOption(0), CaminhoOrbesPadrao());
    }

    // The writer's bytes: one decimal number per line with CR LF; reading them back gives the
    // same 46 values ("Guardar" then "Abrir"). A failed write names the file.
    void escreveELe() {
        ValoresOrbes v{};
        for (int k = 0; k < N_VALORES_ORBES; ++k)
            v[k] = static_cast<int16_t>(k % 7 - 2);
        const QString caminho = pasta.filePath("Orbitas 1.orb");
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
        QString erro;
        QVERIFY(!EscreveFicheiroOrbes("/nao/existe/x.orb", v, &erro));
        QVERIFY(erro.contains("x.orb"));
    }
};

QTEST_GUILESS_MAIN(TestOrbes)
#include "test_orbes.moc"
