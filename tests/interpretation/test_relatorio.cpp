// The texts store (first record in table order with exactly the code asked for), the markup's
// documented cases worked by hand, and the report of a hand-made chart: every text there is "T"
// + its code, so each paragraph shows which code the report asked for, worked out by hand.
#include "basetextos.h"
#include "camposmapa.h"
#include "fontedados.h"
#include "mapa.h"
#include "orbes.h"
#include "relatorio.h"
#include "test_rtfcomum.h"
#include "textos.h"
#include <QtTest>

namespace {
const QString C = QStringLiteral("codigo"), X = QStringLiteral("Texto"), T = QStringLiteral("interpretação");

QList<QPair<QString, QString>> TodosOsTextos() {
    QList<int> codigos{1902, 3407};
    for (int p = 1; p <= 19; ++p)
        for (int n = 1; n <= 12; ++n) codigos << p * 1000 + 100 + n << p * 1000 + 300 + n << 900000 + p * 1000 + n << 1000000 + p * 1000 + n;
    for (int h = 1; h <= 12; ++h)
        for (int s = 1; s <= 12; ++s) codigos << h * 1000 + 200 + s;
    for (int s = 1; s <= 12; ++s) {
        for (int d = 1; d <= 3; ++d) codigos << 1100000 + d * 1000 + s;
        for (int q = 1; q <= 6; ++q) codigos << 1300000 + q * 1000 + s;
    }
    for (int i = 0; i <= 10; ++i) codigos << 1201001 + i;
    for (int k = 2000601; k <= 2000920; ++k) codigos << k;
    QList<QPair<QString, QString>> r;
    for (int c : codigos) r << qMakePair(QString::number(c), QStringLiteral("T%1").arg(c));
    return r;
}

// The first `n` non-empty lines after the first line equal to `titulo`.
QStringList Seguintes(const QStringList& linhas, const QString& titulo, int n) {
    const qsizetype i = linhas.indexOf(titulo);
    QStringList r;
    for (qsizetype k = i + 1; i >= 0 && k < linhas.size() && r.size() < n; ++k)
        if (!linhas[k].isEmpty()) r << linhas[k];
    return r;
}
} // namespace

class TestRelatorio : public QObject {
    Q_OBJECT
    QTemporaryDir m_pasta;
    QString m_base; // the store's own cases
    int m_bases = 0;
    FonteDados m_db; // every text of the report
    Mapa m_mapa;
    CamposMapa m_campos;
    const CoresRelatorio m_cores{RGBCor(200, 0, 0), RGBCor(0, 0, 10), RGBCor(0, 120, 0), RGBCor(0, 0, 250)};

    OpcoesSintese m_opcoes;
    void Escreve(QTextDocument& doc) { Relatorio r(m_campos, m_mapa, m_db, m_cores); r.setSintese(m_opcoes); r.AutoInterpretacao(doc); }
    QStringList Linhas() {
        QTextDocument doc;
        Escreve(doc);
        QStringList l;
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) l << b.text();
        return l;
    }

private slots:
    void initTestCase() {
        QVERIFY(CriaBaseTextos(m_pasta.filePath(QStringLiteral("r.mdb")), TodosOsTextos()));
        QVERIFY2(m_db.Abre(m_pasta.filePath(QStringLiteral("r.mdb")), T), qPrintable(m_db.Erro()));
        // Code 20 twice: the first in table order must win.
        m_base = m_pasta.filePath(QStringLiteral("t.mdb"));
        QVERIFY(CriaBaseTextos(m_base, {{"10", "dez"}, {"20", "primeiro vinte"}, {"30", ""}, {"20", "segundo vinte"},
                                        {"Lisboa", "capital"}}));
    }
    void init() {
        // Longitude (degrees) and house of chart bodies 0..18; equal houses from 0° Carneiro.
        const double graus[19] = {15, 20, 62, 70, 100, 130, 160, 190, 220, 250, 280, 310, 340, 5, 35, 95, 125, 185, 275};
        const int casas[19] = {1, 1, 3, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 4, 5, 7, 10};
        m_mapa.Limpa();
        for (int i = 0; i < 19; ++i) {
            m_mapa.Corpo(i).Posicao().setValorGraus(graus[i]);
            m_mapa.Corpo(i).Casa = static_cast<int16_t>(casas[i]);
        }
        for (int h = 1; h <= 12; ++h) m_mapa.Cuspide(h).setValorGraus((h - 1) * 30.0);
        m_mapa.Corpo(1).Marcado = m_mapa.Corpo(6).Marcado = true;
        m_campos = CamposMapa();
        m_campos.txtNome = QStringLiteral("Rui");
        m_campos.txtData = QStringLiteral("5/4/1980");
        m_campos.txtHora = QStringLiteral("14h30'0''");
        m_campos.txtlocal = QStringLiteral("Lisboa");
        m_campos.KeyWord = QStringLiteral("2º Decanato de Carneiro: Carisma");
        m_campos.lblesclarecedor = QStringLiteral("Lua, Saturno");
        m_campos.anjo = QStringLiteral("O Viajante");
    }
    void procura_data() {
        QTest::addColumn<QString>("valor"); QTest::addColumn<QString>("texto"); // null: not found
        QTest::newRow("primeiro na ordem da tabela") << "20" << "primeiro vinte";
        QTest::newRow("campo vazio") << "30" << QStringLiteral("");
        QTest::newRow("zero à esquerda difere") << "010" << QString();
        QTest::newRow("maiúsculas contam") << "lisboa" << QString();
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
    }
    void markup_data() {
        QTest::addColumn<int>("codigo"); QTest::addColumn<QString>("texto"); // null: no record with that code
        QTest::addColumn<bool>("masculino"); QTest::addColumn<QString>("nome");
        QTest::addColumn<QList<double>>("graus"); // longitudes of chart bodies 0..5
        QTest::addColumn<QString>("esperado");
        const QList<double> zero{0, 0, 0, 0, 0, 0};
        QTest::newRow("sem chavetas não apara") << 1101 << "Olá |1, és muito bonit|2. " << false << "Ana" << zero << "Olá Ana, és muito bonita. ";
        QTest::newRow("chave repetida") << 1101 << "|1 e |1|3" << false << "Ana" << zero << "Ana e Anaa";
        QTest::newRow("segmento feminino") << 1101 << "Texto comum {H para ele } {M para ela }" << false << "Ana" << zero << "Texto comum  para ela";
        QTest::newRow("último carácter cai") << 1101 << "{Habc}" << true << "Rui" << zero << "  ab";
        QTest::newRow("fichas sem maiúsculas") << 1101 << "{h x }" << true << "Rui" << zero << "  x";
        QTest::newRow("segmento sem fecho") << 1101 << "Comum {H sem fecho" << true << "Rui" << zero << "Comum  ";
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
        QTest::newRow("nome com chavetas e segmentos") << 1101 << "Olá |1. {H para ele } {M para ela }" << false << "Ana}{M x" << zero << "Olá Ana}{M x.  para ela";
        // A pronoun after a nasal verb ending takes an n; after any other ending, and a name, do not.
        QTest::newRow("pronome após -m") << 1101 << "As parcerias mudam-|2 e obrigam-|2." << false << "Ana" << zero << "As parcerias mudam-na e obrigam-na.";
        QTest::newRow("pronome após -ão e -õe") << 1101 << "Dão-|2 e põe-|2; vê-|2" << true << "Rui" << zero << "Dão-no e põe-no; vê-o";
        QTest::newRow("nome após -m") << 1101 << "chamam-|1" << true << "o" << zero << "chamam-o";
        QTest::newRow("código inexistente") << 1101 << QString() << true << "Rui" << zero << "";
    }
    void markup() {
        QFETCH(int, codigo); QFETCH(QString, texto); QFETCH(bool, masculino); QFETCH(QString, nome);
        QFETCH(QList<double>, graus); QFETCH(QString, esperado);
        QList<QPair<QString, QString>> registos{{"999", "outro"}};
        if (!texto.isNull()) registos << qMakePair(QString::number(codigo), texto);
        FonteDados db;
        const QString caminho = m_pasta.filePath(QStringLiteral("m%1.mdb").arg(++m_bases));
        QVERIFY(CriaBaseTextos(caminho, registos) && db.Abre(caminho, T));
        Mapa mapa;
        for (int i = 0; i < graus.size(); ++i) mapa.Corpo(i).Posicao().setValorGraus(graus[i]);
        CamposMapa campos;
        campos.txtNome = nome;
        campos.sexoMasculino = masculino;
        QCOMPARE(GetTexto(db, codigo, ParesNativo(campos), IsMasculino(campos), mapa), esperado);
    }
    void segmentos_data() {
        QTest::addColumn<double>("graus"); QTest::addColumn<QString>("nome");
        QTest::newRow("0° Carneiro") << 0.0 << "O Energético";
        QTest::newRow("5° Carneiro") << 5.0 << "O Apaixonado";
        QTest::newRow("19°30' Escorpião") << 229.5 << "O Afoito";
        QTest::newRow("20° Escorpião") << 230.0 << "O Intuitivo";
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
    void cabecalhoEResumo() {
        const QStringList l = Linhas();
        QCOMPARE(l.mid(0, 4), QStringList({"Natalis", "Auto - Interpretação", "",
                                           "Mapa astral de: Rui nascido no dia 5/4/1980 em Lisboa pelas 14h30'0''"}));
        // Sol at 15° Carneiro: decan 2, segment 4.
        QCOMPARE(Seguintes(l, m_campos.KeyWord, 3), QStringList({"T1102001", "Esclarecedores: Lua e Saturno", "T1201002"}));
        QCOMPARE(Seguintes(l, "T1201002", 3), QStringList({"T1201007", "Anjo: O Viajante", "T1304001"}));
        QCOMPARE(Seguintes(l, "Pontos Principais", 4), QStringList({"Sol em Carneiro", "T1101", "Ascendente em Carneiro", "T1201"}));
        QCOMPARE(Seguintes(l, "T1201", 8), QStringList({"Lua em Carneiro", "T2101", "Nodo Lunar Norte em Capricórnio", "T11110",
                                                         "Parte da Fortuna em Peixes", "T13112", "Lua Negra em Aquário", "T12111"}));
        // The Moon's heading comes again among the helping points, its text only once.
        QCOMPARE(l.count("Lua em Carneiro"), 2);
        QCOMPARE(l.count("T2101"), 1);
        QCOMPARE(Seguintes(l, "Pontos Adjuvantes", 3),
                 QStringList({"Lua em Carneiro", "Ver acima: «Lua em Carneiro», em Pontos Principais.", "Mercúrio em Gémeos"}));
    }
    void casas_data() {
        QTest::addColumn<QString>("titulo"); QTest::addColumn<QStringList>("seguintes");
        QTest::newRow("com Sol e Lua") << "Casa I, o Ascendente em Carneiro influenciada por Sol e Lua"
                                       << QStringList{"T1301", "T2301", "Ver acima: «Ascendente em Carneiro», em Pontos Principais.", "Casa II em Touro"};
        QTest::newRow("vazia") << "Casa II em Touro" << QStringList{"T2202", "Casa III em Gémeos influenciada por Mercúrio e Vénus"};
        QTest::newRow("a Fortuna entra") << "Casa XII em Peixes influenciada por Parte da Fortuna"
                                         << QStringList{"T12212", "T13312", "Aspectos Astrais"};
    }
    void casas() {
        QFETCH(QString, titulo); QFETCH(QStringList, seguintes);
        QCOMPARE(Seguintes(Linhas(), titulo, int(seguintes.size())), seguintes);
    }
    void retrogrados_data() {
        QTest::addColumn<QList<int>>("indices"); QTest::addColumn<QStringList>("seguintes"); // after the section heading
        QTest::newRow("nenhum") << QList<int>{} << QStringList{};
        // Lua and Lua Negra do not count: only Mercúrio..Plutão are reported.
        QTest::newRow("só Lua e Lua Negra") << QList<int>{1, 11} << QStringList{};
        QTest::newRow("Mercúrio e Saturno") << QList<int>{6, 2} << QStringList{"Mercúrio na Casa III em Gémeos", "T903003", "T1003003",
                                                                                "Saturno na Casa VI em Virgem", "T907006", "T1007006", "Partes"};
        // The short house name: "IV", not "IV, o Baixo Céu".
        QTest::newRow("Marte em casa angular") << QList<int>{4} << QStringList{"Marte na Casa IV em Caranguejo", "T905004", "T1005004"};
    }
    void retrogrados() {
        QFETCH(QList<int>, indices); QFETCH(QStringList, seguintes);
        for (int i : indices) m_mapa.Corpo(i).Retrogrado = true;
        const QStringList l = Linhas();
        QCOMPARE(l.contains("Pontos Retrógrados"), !seguintes.isEmpty());
        QCOMPARE(Seguintes(l, "Pontos Retrógrados", int(seguintes.size())), seguintes);
    }
    // The option keeps the stored names; the names of Portugal replace whole words only.
    // Sol 15°, Lua 21° (new Moon), Ascendant 0°, Midheaven 270°, default orbs: Mercúrio 62° 2° from the sextile to
    // the Ascendant, the Moon 9° from the trine to the Midheaven (orb Sol-Lua 10°). Fogo 11 points, Terra only
    // Saturno's 1; Cardinal 12. Houses 1-3 and 10 give 10 east, exactly 8 below.
    void sinteseDoMapa_data() {
        QTest::addColumn<bool>("hemisferios"); QTest::addColumn<bool>("placidus"); QTest::addColumn<QStringList>("codigos");
        QTest::newRow("sem ênfase") << false << false << QStringList{"T2000702"};
        QTest::newRow("oriente e abaixo") << true << true << QStringList{"T2000602", "T2000603", "T2000702"};
    }
    void sinteseDoMapa() {
        QFETCH(bool, hemisferios); QFETCH(bool, placidus); QFETCH(QStringList, codigos);
        OrbesActuais().CarregaPadrao();
        m_mapa.Corpo(1).Posicao().setValorGraus(21);
        if (hemisferios)
            for (int i = 0; i < 10; ++i) m_mapa.Corpo(i).Casa = int16_t(i >= 8 ? 10 : i % 3 + 1);
        m_campos.escolha.casas = placidus ? SistemaCasas::Placidus : SistemaCasas::Proprio;
        m_mapa.Aspectos().Add(QStringLiteral("Sol em Conjunção com Lua"), 1902);
        m_opcoes.ligada = true;
        const QStringList l = Linhas();
        m_opcoes.ligada = false;
        QCOMPARE(Seguintes(l, "Como ler este relatório", 1).value(0),
                 (placidus ? QString("As casas deste mapa foram calculadas pelo sistema Placidus. T2000910")
                           : QString("As casas deste mapa foram calculadas pela regra própria do programa, que divide em três "
                                     "casas cada quadrante entre o Ascendente e o Meio do Céu. T2000910")));
        // After the count, 14 cells and the dominant line (no texts here for the dominant ones).
        QCOMPARE(Seguintes(l, "Elementos, modalidades e hemisférios", 18 + int(codigos.size())).mid(16),
                 (codigos + QStringList{"Fase da Lua: Lua Nova", "T2000801"}));
        QCOMPARE(Seguintes(l, "Aspectos ao Ascendente e ao Meio do Céu", 12),
                 QStringList({"Corpo", "Aspecto", "Ângulo", "Orbe", "Mercúrio", "Sextil", "Ascendente", "2º00'", "Lua", "Trígono",
                              "Meio do Céu", "9º00'"}));
        // Houses I and IV: Carneiro ruled by Marte (100°, Caranguejo, house IV), Caranguejo by the Moon.
        const QStringList regentes = Seguintes(l, "Regentes das casas", 25);
        QCOMPARE(regentes.mid(5, 5) + regentes.mid(20, 5), QStringList({"I", "Carneiro", "Marte", "Caranguejo", hemisferios ? "II" : "IV",
                                                                         "IV", "Caranguejo", "Lua", "Carneiro", hemisferios ? "II" : "I"}));
        QCOMPARE(l.mid(l.lastIndexOf("Conclusão") + 2, 1),
                 QStringList(QStringLiteral("Em resumo, no mapa de Rui domina o Fogo e predominam os signos cardinais; o regente do "
                                            "mapa é Marte, na Casa %1, e o aspecto mais forte é o Sol em conjunção com a Lua, a "
                                            "6º00' do exacto. T2000920").arg(hemisferios ? "II" : "IV")));
    }
    void signosTradicionais() {
        m_mapa.Corpo(4).Retrogrado = true;
        m_opcoes.signosTradicionais = true;
        const QStringList l = Linhas();
        m_opcoes.signosTradicionais = false;
        QCOMPARE(Seguintes(l, "Pontos Retrógrados", 1), QStringList{"Marte na Casa IV em Câncer"});
        QCOMPARE(SignosDePortugal("Libra, Virgo e Câncer; Libras, Virgoso"), QString("Balança, Virgem e Caranguejo; Libras, Virgoso"));
        // A second run writes the same document; the writing is not left on the undo stack, and
        // undo stays on for the user's edits.
        m_mapa.Aspectos().Add(QStringLiteral("Sol em Conjunção com Lua"), 1902);
        QTextDocument doc;
        Escreve(doc);
        const QString primeira = doc.toHtml();
        Escreve(doc);
        QCOMPARE(doc.toHtml(), primeira);
        QVERIFY(!doc.isUndoAvailable() && doc.isUndoRedoEnabled());
    }
    void partesEAspectos() {
        m_mapa.Aspectos().Add(QStringLiteral("Sol em Conjunção com Lua"), 1902);
        m_mapa.Aspectos().Add(QStringLiteral("Mercúrio em Quadratura com Saturno"), 3407);
        m_mapa.Aspectos().Add(QStringLiteral("Sem texto"), 4908);
        const QStringList l = Linhas();
        // The five closest first (here three: 5°, 98° − 90° and Vénus 70° against Urano 190°).
        QCOMPARE(Seguintes(l, "Aspectos Astrais", 8),
                 QStringList({"Os aspectos mais fortes",
                              "Os aspectos mais próximos do exacto, e por isso os que mais pesam no mapa, são: o Sol em conjunção com "
                              "a Lua (5º00'), Mercúrio em quadratura com Saturno (8º00') e Vénus em conjunção com Urano (120º00').",
                              "Sol em Conjunção com Lua", "T1902", "Mercúrio em Quadratura com Saturno", "T3407", "Sem texto", "Partes"}));
        // The Part of Fortune's two texts stand under the main points and its house already.
        QCOMPARE(Seguintes(l, "Partes", 3),
                 QStringList({"Parte da Fortuna em Peixes na Casa XII",
                              "Ver acima: «Parte da Fortuna em Peixes», em Pontos Principais; «Casa XII em Peixes influenciada por Parte "
                              "da Fortuna», em As Casas.",
                              "Parte do Devir em Carneiro na Casa I, o Ascendente"}));
        QCOMPARE(l.count("T13112"), 1);
        QCOMPARE(l.count("T13312"), 1);
        // The sign paragraph of a part is joined to the house paragraph: no empty line between.
        QCOMPARE(l.mid(l.indexOf("T14101"), 3), QStringList({"T14101", "T14301", ""}));
        QVERIFY(l.contains("Parte do Dever em Capricórnio na Casa X, o Meio do Céu"));
    }
    void estilos_data() {
        QTest::addColumn<QString>("texto"); QTest::addColumn<QString>("letra"); // as DescreveLetra shows it: the report's font, the colours of m_cores
        QTest::addColumn<QString>("alinhamento"); QTest::addColumn<bool>("linhaEmBranco");
        QTest::newRow("título") << "Natalis" << "Times New Roman 50pt #c80000" << "centro" << false;
        QTest::newRow("subtítulo") << "Auto - Interpretação" << "Times New Roman 20pt #007800" << "centro" << true;
        QTest::newRow("secção") << "Pontos de Resumo" << "Times New Roman 15pt #007800" << "esquerda" << true;
        QTest::newRow("ponto") << "Sol em Carneiro" << "Times New Roman 11pt negrito itálico #0000fa" << "esquerda" << true;
        QTest::newRow("texto") << "T1101" << "Times New Roman 11pt #00000a" << "esquerda" << true;
    }
    void estilos() {
        QFETCH(QString, texto); QFETCH(QString, letra); QFETCH(QString, alinhamento); QFETCH(bool, linhaEmBranco);
        QTextDocument doc;
        Escreve(doc);
        QTextBlock b = doc.begin();
        while (b.isValid() && b.text() != texto) b = b.next();
        QVERIFY(b.isValid());
        QCOMPARE(NomeAlinhamento(b.blockFormat().alignment()), alinhamento);
        QCOMPARE(b.begin().fragment().length(), int(texto.size())); // the style covers the whole text
        QCOMPARE(DescreveLetra(b.begin().fragment().charFormat(), doc.defaultFont()), letra);
        QCOMPARE(b.next().text().isEmpty(), linhaEmBranco);
    }
};

QTEST_MAIN(TestRelatorio)
#include "test_relatorio.moc"
