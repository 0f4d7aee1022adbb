// The chart model, orbs and aspects: the collection and chart facts the program relies on, the
// name tables' edges, the orb table and file (line order, malformed files refused, the fall-back,
// the writer's bytes; the file holds 1..46, one per line with CR LF, so every line shows where it
// lands) and aspect detection against the worked examples of the aspect rules.
#include "aspectos.h"
#include "discocheio.h"
#include "mensagens.h"
#include "opcoes.h"
#include "orbes.h"
#include "pontosmapa.h"
#include "simbolos.h"

#include <QTemporaryDir>
#include <QtTest>
#include <stdexcept>

namespace {
int Orbe(int a, int b) { return OrbesActuais().orb(a, b); }
double rad(double graus) { return graus * PI_NATALIS / 180.0; }

// Bodies 0..12 at 1° + 23° k: no two of them are an exact aspect apart (23 m folded is never
// 0, 60, 90, 120 or 180), so under orb 0 only the pair a test places is found.
void espalha(Mapa& m) {
    for (int i = 0; i < 13; ++i) {
        m.Corpo(i).Nome = QString("C%1").arg(i);
        m.Corpo(i).Posicao().setValorRads(rad(1 + 23 * i));
    }
}
} // namespace

class TestAspectos : public QObject {
    Q_OBJECT
    QTemporaryDir pasta;
    MensagensGravadas caixa;
    CaixaTemporaria instalada{&caixa};
    QByteArray ordem;
    const QString caminhoOrdem = pasta.filePath("ordem.orb");

private slots:
    void initTestCase() {
        for (int linha = 1; linha <= 46; ++linha)
            ordem += QByteArray::number(linha) + "\r\n";
        QVERIFY(DiscoCheio::escreve(caminhoOrdem, ordem));
    }
    void init() {
        caixa.chamadas.clear();
        QVERIFY(LoadOrbs(false, caminhoOrdem));
    }

    // What the chart code relies on: bodies and cusps made on first use, numbers outside the
    // chart's tables refused. (The aspect collection's items: the detection tests below and the
    // rebuild's, which ask an int of the int16_t codes stored.)
    void colecaoEMapa() {
        Mapa m;
        QCOMPARE(m.Corpo(18).Posicao().ValorRads() + m.CorpoEfemerides(11).Posicao().ValorRads() + m.Cuspide(12).ValorRads(), 0.0);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, m.Corpo(19));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, m.CorpoEfemerides(12));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, m.Cuspide(13));
    }

    // Numbers outside each table give empty entries; sign 12 is Carneiro again; the decanate
    // changes exactly at 10° and wraps past a whole turn.
    void tabelasDeNomes() {
        using namespace Simbolos;
        QCOMPARE(BodyInfo(0).nome + BodyInfo(14).abreviatura + SignInfo(13).nome + SignInfo(-1).glifo, QString());
        QCOMPARE(HouseName(0, true) + HouseName(13, false) + AspectInfo(5).nome + NomeCorpoMapa(19), QString());
        QCOMPARE(SignInfo(12).nome, QStringLiteral("Carneiro"));
        QCOMPARE(TextoDecanatoSol(30.0), QStringLiteral("1º Decanato de Touro: Senso comum"));
        QCOMPARE(TextoDecanatoSol(359.9), QStringLiteral("3º Decanato de Peixes: Receptividade"));
        QCOMPARE(TextoDecanatoSol(370.0), QStringLiteral("2º Decanato de Carneiro: Carisma"));
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
        QCOMPARE(GetOption(0), caminhoOrdem);
        const int casos[][3] = {{1, 10, 1}, {1, 9, 2}, {1, 2, 9}, {2, 10, 10}, {2, 3, 17}, {3, 10, 18}, {9, 10, 45},
                                {1, 11, 46}, {2, 13, 46}, {3, 12, 45}, {9, 13, 45}, {10, 11, 0}};
        for (const auto& [a, b, orbe] : casos)
            QVERIFY2(Orbe(a, b) == orbe, qPrintable(QStringLiteral("%1, %2: %3").arg(a).arg(b).arg(Orbe(a, b))));
        ValoresOrbes v{};
        QVERIFY(LeFicheiroOrbes(QStringLiteral(NATALIS_TEST_DATA "/virgulas.orb"), v)); // one line, commas
        QCOMPARE((QList<int>{v[0], v[45]}), (QList<int>{101, 146}));
    }

    // A malformed file (the orb file with one fault) is refused whole: the orbs in use and
    // option 0 stay as they were.
    void malformado_data() {
        QTest::addColumn<QString>("ficheiro"); QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("45 numeros") << "curto.orb" << ordem.left(ordem.indexOf("46\r\n")) << "45";
        QTest::newRow("palavra na linha 20") << "texto.orb" << QByteArray(ordem).replace("\n20\r", "\nquatro\r") << "quatro";
        QTest::newRow("decimal na linha 20") << "decimal.orb" << QByteArray(ordem).replace("\n20\r", "\n4.5\r") << "4.5";
    }
    void malformado() {
        QFETCH(QString, ficheiro); QFETCH(QByteArray, bytes); QFETCH(QString, motivo);
        QVERIFY(DiscoCheio::escreve(pasta.filePath(ficheiro), bytes));
        const TabelaOrbes antes = OrbesActuais();
        QVERIFY(!LoadOrbs(false, pasta.filePath(ficheiro)));
        QVERIFY(OrbesActuais() == antes);
        QVERIFY(!OrbesPadraoEmUso());
        QCOMPARE(GetOption(0), caminhoOrdem);
        QCOMPARE(caixa.chamadas.size(), 1);
        QCOMPARE(caixa.chamadas[0].icone, IconeMsg::Exclamacao);
        QVERIFY2(caixa.chamadas[0].texto.contains(ficheiro) && caixa.chamadas[0].texto.contains(motivo), qPrintable(caixa.chamadas[0].texto));
    }

    // A missing file falls back to the built-in orbs; an empty path does nothing.
    void ficheiroEmFalta() {
        QVERIFY(!LoadOrbs(false, QString()));
        QCOMPARE(Orbe(1, 10), 1);
        const QString caminho = pasta.filePath("nao-existe.orb");
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
        const QByteArray bytes = DiscoCheio::conteudo(caminho);
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

    void separacaoETipo() {
        // Whole degrees of separation, rounded half up, the short way round.
        // No whole-degree count of a difference beyond any circle (the last two): not an aspect.
        const double separacoes[][3] = {{359.6, 0.2, 1}, {10, 18.5, 9}, {300, 60, 120}, {370, 3730, 120},
                                        {2.5666e22, 0, 360}, {std::nan(""), 0, 360}};
        for (const auto& [a, b, graus] : separacoes) QCOMPARE(SeparacaoArredondada(rad(a), rad(b)), int(graus));
        // Kind of a separation under an orb, the limits included; a wide orb lets the first kind
        // tested win: 30° under 30° is a conjunction.
        const int tipos[][3] = {{8, 8, 9}, {9, 8, 0}, {52, 8, 6}, {68, 8, 6}, {75, 8, 0}, {95, 6, 4}, {113, 7, 7},
                                {172, 8, 8}, {0, 0, 9}, {30, 30, 9}};
        for (const auto& [separacao, orbe, tipo] : tipos) QCOMPARE(TipoAspecto(separacao, orbe), tipo);
    }

    // Two bodies placed at a given distance among bodies spread out of aspect.
    void deteccao_data() {
        QTest::addColumn<QList<int>>("par"); QTest::addColumn<double>("li"); QTest::addColumn<double>("lj");
        QTest::addColumn<int>("tipo"); // 0 = nothing recorded
        QTest::newRow("Sol Lua conjuncao por 0 Carneiro") << QList<int>{0, 1} << 359.6 << 0.2 << 9;
        QTest::newRow("Sol Mercurio 8.5 com orbe 9 e conjuncao") << QList<int>{0, 2} << 100.0 << 108.5 << 9;
        QTest::newRow("Sol Venus 9.5 arredonda para 10 fora da orbe 9") << QList<int>{0, 3} << 100.0 << 109.5 << 0;
        QTest::newRow("trigono pelo caminho longo") << QList<int>{1, 4} << 300.0 << 60.0 << 7;
        QTest::newRow("Nodo em quadratura com o Sol nao conta") << QList<int>{0, 10} << 11.3 << 101.3 << 0;
        QTest::newRow("Nodo em conjuncao com o Sol conta") << QList<int>{0, 10} << 11.3 << 15.3 << 9;
        QTest::newRow("Fortuna em oposicao nao conta") << QList<int>{1, 12} << 12.3 << 192.3 << 0;
        QTest::newRow("Fortuna em conjuncao conta") << QList<int>{1, 12} << 12.3 << 15.6 << 9;
        // Plutão with Lua Negra has no default orb: only an aspect that rounds to exact.
        QTest::newRow("Plutao Lua Negra a 0.4 graus") << QList<int>{9, 11} << 50.0 << 50.4 << 9;
        QTest::newRow("Plutao Lua Negra a 1 grau") << QList<int>{9, 11} << 50.0 << 51.0 << 0;
        QTest::newRow("Plutao Lua Negra quadratura exacta") << QList<int>{9, 11} << 50.0 << 140.2 << 4;
    }
    void deteccao() {
        QFETCH(QList<int>, par); QFETCH(double, li); QFETCH(double, lj); QFETCH(int, tipo);
        const int i = par[0], j = par[1];
        TabelaOrbes padrao;
        padrao.CarregaPadrao();
        TabelaOrbes orbes; // every pair 0 but the one under test
        orbes.define(i + 1, j + 1, padrao.orb(i + 1, j + 1));
        Mapa m;
        espalha(m);
        m.Corpo(i).Posicao().setValorRads(rad(li));
        m.Corpo(j).Posicao().setValorRads(rad(lj));
        // Aspects left from an earlier pass must not survive.
        m.Corpo(i).Aspectos().Add("velho", 1);
        m.Aspectos().Add("velho", 1);
        const auto achados = DetectaAspectos(m, orbes);
        const int n = tipo ? 1 : 0;
        QCOMPARE((QList<int>{int(achados.size()), m.Aspectos().Count(), m.Corpo(i).Aspectos().Count(), m.Corpo(j).Aspectos().Count()}),
                 (QList<int>{n, n, n, n}));
        if (!tipo)
            return;
        QCOMPARE((QList<int>{achados[0].i, achados[0].j, achados[0].tipo}), (QList<int>{i, j, tipo}));
        const int corpo = (i + 10) * 1000 + tipo * 100 + (j + 10);
        QCOMPARE(m.Aspectos().Item(1)->codigo().toInt(), (i + 1) * 1000 + tipo * 100 + (j + 1));
        QCOMPARE(m.Corpo(i).Aspectos().Item(1)->codigo().toInt(), corpo);
        QCOMPARE(m.Corpo(j).Aspectos().Item(1)->codigo().toInt(), corpo);
        // Names as the information panel and the report show them.
        const QString nome = Simbolos::AspectInfo(tipo).nome;
        QCOMPARE(m.Aspectos().Item(1)->Nome(), QString("C%1 em %2 com C%3").arg(i).arg(nome).arg(j));
        QCOMPARE(m.Corpo(i).Aspectos().Item(1)->Nome(), QString(" Em %1 com C%2").arg(nome).arg(j));
        QCOMPARE(m.Corpo(j).Aspectos().Item(1)->Nome(), QString(" Em %1 com C%2").arg(nome).arg(i));
    }

    // Detection order: i ascending, then j; every pair found once, also on a second pass.
    void ordemDeDeteccao() {
        Mapa m; // every body at 0, as made on first use
        TabelaOrbes orbes;
        for (int a = 1; a <= 13; ++a)
            for (int b = a + 1; b <= 13; ++b)
                orbes.define(a, b, 1);
        const auto achados = DetectaAspectos(m, orbes);
        QCOMPARE(int(achados.size()), 78);
        int k = 0;
        for (int i = 0; i < 13; ++i)
            for (int j = i + 1; j < 13; ++j, ++k)
                QCOMPARE((QList<int>{achados[k].i, achados[k].j, achados[k].tipo}), (QList<int>{i, j, 9}));
        DetectaAspectos(m, orbes);
        QCOMPARE(m.Aspectos().Count(), 78);
        QCOMPARE(m.Corpo(5).Aspectos().Count(), 12);
    }

    // The optional points' aspects under their own orbs (the smaller of two points'), codes as
    // the global ones with body numbers 20..27; the Node keeps to conjunctions.
    void aspectosDosPontos_data() {
        // Chart bodies a and b (an optional point), b's longitude minus a's; code 0: no aspect between them.
        QTest::addColumn<int>("a"); QTest::addColumn<int>("b"); QTest::addColumn<double>("longe"); QTest::addColumn<int>("codigo");
        const int quiron = PRIMEIRO_PONTO_EXTRA, vesta = PRIMEIRO_PONTO_EXTRA + 4;
        QTest::newRow("Sol–Quíron a 3°: conjunção na orbe de 3") << 0 << quiron << 3.0 << 1920;
        QTest::newRow("Sol–Quíron a 3°29′: arredonda a 3") << 0 << quiron << 3.49 << 1920;
        QTest::newRow("Sol–Quíron a 3°30′: arredonda a 4, nada") << 0 << quiron << 3.5 << 0;
        QTest::newRow("Lua–Quíron a 267°: quadratura") << 1 << quiron << 267.0 << 2420;
        QTest::newRow("Nodo–Quíron a 90°: só conjunções") << 10 << quiron << 90.0 << 0;
        QTest::newRow("Sol–Nodo médio a 180°: só conjunções") << 0 << PRIMEIRO_PONTO_EXTRA + 6 << 180.0 << 0;
        QTest::newRow("Quíron (5)–Vesta (2) a 2°: conjunção") << quiron << vesta << 2.0 << 20924;
        QTest::newRow("Quíron (5)–Vesta (2) a 4°: vale a menor") << quiron << vesta << 4.0 << 0;
    }
    void aspectosDosPontos() {
        QFETCH(int, a); QFETCH(int, b); QFETCH(double, longe); QFETCH(int, codigo);
        Mapa m;
        espalha(m);
        OrbesPontos orbes = LeOrbesPontos("5,x,3,,2");
        QCOMPARE(orbes, (OrbesPontos{5, 3, 3, 3, 2, 3, 3, 3}));
        for (int k = 0; k < N_PONTOS_EXTRA; ++k)
            m.CorpoComPontos(PRIMEIRO_PONTO_EXTRA + k).Posicao().setValorRads(rad(200)); // hidden ones take no part
        if (a < PRIMEIRO_PONTO_EXTRA) orbes[0] = 3;
        for (int c : {a, b}) {
            m.CorpoComPontos(c).Mostrado = true;
            m.CorpoComPontos(c).Nome = QString("P%1").arg(c);
        }
        m.CorpoComPontos(b).Posicao().setValorRads(rad(std::fmod(m.CorpoComPontos(a).Posicao().ValorGraus() + longe, 360.0)));
        int achado = 0;
        for (const AspectoEncontrado& x : DetectaAspectosExtra(m, orbes)) {
            QVERIFY(x.i < x.j && x.j >= PRIMEIRO_PONTO_EXTRA);
            if (x.i == a && x.j == b) achado = CodigoAspectoGlobal(x.i, x.tipo, x.j);
        }
        QCOMPARE(achado, codigo);
        QCOMPARE(m.AspectosExtra().ExistsItem(codigo), codigo != 0);
        QCOMPARE(m.Aspectos().Count(), 0); // the nineteen bodies' collection is not touched
    }
};

QTEST_GUILESS_MAIN(TestAspectos)
#include "test_aspectos.moc"
