// The report for a hand-made chart. Every text in the test database is "T" + its code, so each
// paragraph shows which code the report asked for; the expected codes are worked out by hand
// from the chart below.
#include "basetextos.h"
#include "camposmapa.h"
#include "fontedados.h"
#include "mapa.h"
#include "relatorio.h"
#include "test_rtfcomum.h"
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

namespace {
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
    FonteDados m_db;
    Mapa m_mapa;
    CamposMapa m_campos;
    const CoresRelatorio m_cores{RGBCor(200, 0, 0), RGBCor(0, 0, 10), RGBCor(0, 120, 0), RGBCor(0, 0, 250)};

    void Escreve(QTextDocument& doc, QList<double>* progresso = nullptr) {
        Relatorio r(m_campos, m_mapa, m_db, m_cores);
        if (progresso) r.setProgresso([progresso](double v) { progresso->append(v); });
        r.AutoInterpretacao(doc);
    }
    QStringList Linhas() {
        QTextDocument doc;
        Escreve(doc);
        QStringList l;
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) l << b.text();
        return l;
    }

private slots:
    void initTestCase() {
        const QString base = CriaBaseTextos(m_pasta.filePath(QStringLiteral("r.mdb")), TodosOsTextos());
        QVERIFY2(m_db.Abre(base, QStringLiteral("interpretação")), qPrintable(m_db.Erro()));
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

    void cabecalhoEResumo() {
        const QStringList l = Linhas();
        QCOMPARE(l.mid(0, 4), QStringList({"Natalis", "Auto - Interpretação", "",
                                           "Mapa astral de: Rui nascido no dia 5/4/1980 em Lisboa pelas 14h30'0''"}));
        // Sol at 15° Carneiro: decan 2, segment 4.
        QCOMPARE(Seguintes(l, m_campos.KeyWord, 3), QStringList({"T1102001", "Esclarecedor: Lua, Saturno", "T1201002"}));
        QCOMPARE(Seguintes(l, "T1201002", 3), QStringList({"T1201007", "Anjo: O Viajante", "T1304001"}));
        QCOMPARE(Seguintes(l, "Pontos Principais", 4), QStringList({"Sol em Carneiro", "T1101", "Ascendente em Carneiro", "T1201"}));
        QCOMPARE(Seguintes(l, "T1201", 8), QStringList({"Lua em Carneiro", "T2101", "Nodo Lunar Norte em Capricórnio", "T11110",
                                                         "Parte Fortuna em Peixes", "T13112", "Lua Negra em Aquário", "T12111"}));
        // The Moon's heading comes again among the helping points, its text only once.
        QCOMPARE(l.count("Lua em Carneiro"), 2);
        QCOMPARE(l.count("T2101"), 1);
        QCOMPARE(Seguintes(l, "Pontos Adjuvantes", 3),
                 QStringList({"Lua em Carneiro", "Ver acima: «Lua em Carneiro», em Pontos Principais.", "Mercúrio em Gémeos"}));
    }

    void casas_data() {
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QStringList>("seguintes");
        QTest::newRow("com Sol e Lua") << "Casa I, o Ascendente em Carneiro influenciada por Sol ,Lua "
                                       << QStringList{"T1301", "T2301", "Ver acima: «Ascendente em Carneiro», em Pontos Principais.", "Casa II em Touro"};
        QTest::newRow("vazia") << "Casa II em Touro" << QStringList{"T2202", "Casa III em Gémeos influenciada por Mercúrio ,Vénus "};
        QTest::newRow("um corpo") << "Casa X, o Meio Céu em Capricórnio influenciada por Nodo Lunar Norte "
                                  << QStringList{"T10210", "T11310", "Casa XI em Aquário influenciada por Lua Negra "};
        QTest::newRow("a Fortuna entra") << "Casa XII em Peixes influenciada por Parte da Fortuna "
                                         << QStringList{"T12212", "T13312", "Aspectos Astrais"};
    }
    void casas() {
        QFETCH(QString, titulo); QFETCH(QStringList, seguintes);
        QCOMPARE(Seguintes(Linhas(), titulo, int(seguintes.size())), seguintes);
    }

    void retrogrados_data() {
        QTest::addColumn<QList<int>>("indices");
        QTest::addColumn<QStringList>("seguintes"); // after the section heading
        QTest::newRow("nenhum") << QList<int>{} << QStringList{};
        // Lua and Lua Negra do not count: only Mercúrio..Plutão are reported.
        QTest::newRow("só Lua e Lua Negra") << QList<int>{1, 11} << QStringList{};
        QTest::newRow("Mercúrio e Saturno")
            << QList<int>{6, 2}
            << QStringList{"Mercúrio na casa III em Gémeos", "T903003", "T1003003", "Saturno na casa VI em Virgo", "T907006", "T1007006", "Partes"};
        QTest::newRow("Plutão") << QList<int>{9} << QStringList{"Plutão na casa IX em Sagitário", "T910009"};
        // The short house name: "IV", not "IV, o Baixo Céu".
        QTest::newRow("Marte em casa angular") << QList<int>{4} << QStringList{"Marte na casa IV em Câncer", "T905004", "T1005004"};
    }
    void retrogrados() {
        QFETCH(QList<int>, indices); QFETCH(QStringList, seguintes);
        for (int i : indices) m_mapa.Corpo(i).Retrogrado = true;
        const QStringList l = Linhas();
        QCOMPARE(l.contains("Pontos Retrógrados"), !seguintes.isEmpty());
        QCOMPARE(Seguintes(l, "Pontos Retrógrados", int(seguintes.size())), seguintes);
    }

    void partesEAspectos() {
        m_mapa.Aspectos().Add(QStringLiteral("Sol em Conjunção com Lua"), 1902);
        m_mapa.Aspectos().Add(QStringLiteral("Mercúrio em Quadratura com Saturno"), 3407);
        m_mapa.Aspectos().Add(QStringLiteral("Sem texto"), 4908);
        const QStringList l = Linhas();
        QCOMPARE(Seguintes(l, "Aspectos Astrais", 6),
                 QStringList({"Sol em Conjunção com Lua", "T1902", "Mercúrio em Quadratura com Saturno", "T3407", "Sem texto", "Partes"}));
        // The Part of Fortune's two texts stand under the main points and its house already.
        QCOMPARE(Seguintes(l, "Partes", 3),
                 QStringList({"Parte da Fortuna em Peixes na Casa XII",
                              "Ver acima: «Parte Fortuna em Peixes», em Pontos Principais; «Casa XII em Peixes influenciada por Parte "
                              "da Fortuna», em As Casas.",
                              "Parte do Devir em Carneiro na Casa I, o Ascendente"}));
        QCOMPARE(l.count("T13112"), 1);
        QCOMPARE(l.count("T13312"), 1);
        // The sign paragraph of a part is joined to the house paragraph: no empty line between.
        QCOMPARE(l.mid(l.indexOf("T14101"), 3), QStringList({"T14101", "T14301", ""}));
        QVERIFY(l.contains("Parte do Dever em Capricórnio na Casa X, o Meio Céu"));
    }

    void estilos_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("letra"); // as DescreveLetra shows it: the report's font, the colours of m_cores
        QTest::addColumn<QString>("alinhamento");
        QTest::addColumn<bool>("linhaEmBranco");
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

    void segundaExecucaoIgual() {
        m_mapa.Aspectos().Add(QStringLiteral("Sol em Conjunção com Lua"), 1902);
        m_mapa.Corpo(4).Retrogrado = true;
        QTextDocument doc;
        Escreve(doc);
        const QString primeira = doc.toHtml();
        Escreve(doc);
        QCOMPARE(doc.toHtml(), primeira);
        // The writing is not left on the undo stack, and undo stays on for the user's edits.
        QVERIFY(!doc.isUndoAvailable());
        QVERIFY(doc.isUndoRedoEnabled());
    }

    void progresso_data() {
        QTest::addColumn<int>("aspectos");
        QTest::addColumn<QList<int>>("retrogrados");
        QTest::newRow("sem aspectos") << 0 << QList<int>{};
        QTest::newRow("três aspectos, dois retrógrados") << 3 << QList<int>{2, 9};
        QTest::newRow("vinte aspectos") << 20 << QList<int>{};
    }
    void progresso() {
        QFETCH(int, aspectos); QFETCH(QList<int>, retrogrados);
        for (int k = 0; k < aspectos; ++k) m_mapa.Aspectos().Add(QStringLiteral("Aspecto %1").arg(k), 1902);
        for (int i : retrogrados) m_mapa.Corpo(i).Retrogrado = true;
        QTextDocument doc;
        QList<double> valores;
        Escreve(doc, &valores);
        // One report of 0 for the start, then 9 bodies, 12 houses, the aspects, the retrograde
        // bodies and the 7 computed points.
        QCOMPARE(valores.size(), 1 + 9 + 12 + aspectos + int(retrogrados.size()) + 7);
        QCOMPARE(valores.first(), 0.0);
        QCOMPARE(valores.last(), 1.0);
        QCOMPARE(valores[1], 1.0 / (aspectos + 37));
        QVERIFY(std::is_sorted(valores.cbegin(), valores.cend()));
    }
};

QTEST_MAIN(TestRelatorio)
#include "test_relatorio.moc"
