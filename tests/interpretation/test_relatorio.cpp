// The report for a hand-made chart. Every text in the test database is "T" + its code, so each
// paragraph shows which code the report asked for; the expected codes are worked out by hand
// from the chart below.
#include "basetextos.h"
#include "camposmapa.h"
#include "fontedados.h"
#include "mapa.h"
#include "relatorio.h"
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

namespace {
// Longitude (degrees) and house of chart bodies 0..18.
const double kGraus[19] = {15,  20,  62,  70, 100, 130, 160, 190, 220, 250,
                           280, 310, 340, 5,  35,  95,  125, 185, 275};
const int kCasa[19] = {1, 1, 3, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 4, 5, 7, 10};

QList<QPair<QString, QString>> TodosOsTextos() {
    QList<int> codigos;
    for (int p = 1; p <= 19; ++p)
        for (int n = 1; n <= 12; ++n)
            codigos << p * 1000 + 100 + n << p * 1000 + 300 + n << 900000 + p * 1000 + n
                    << 1000000 + p * 1000 + n;
    for (int h = 1; h <= 12; ++h)
        for (int s = 1; s <= 12; ++s)
            codigos << h * 1000 + 200 + s;
    for (int s = 1; s <= 12; ++s) {
        for (int d = 1; d <= 3; ++d)
            codigos << 1100000 + d * 1000 + s;
        for (int q = 1; q <= 6; ++q)
            codigos << 1300000 + q * 1000 + s;
    }
    for (int i = 0; i <= 10; ++i)
        codigos << 1201001 + i;
    codigos << 1902 << 3407;
    QList<QPair<QString, QString>> r;
    for (int c : codigos)
        r << qMakePair(QString::number(c), QStringLiteral("T%1").arg(c));
    return r;
}

QStringList Linhas(const QTextDocument& doc) {
    QStringList l;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        l << b.text();
    return l;
}

// The non-empty lines that follow the first line equal to `titulo`.
QStringList Seguintes(const QStringList& linhas, const QString& titulo, int n) {
    const qsizetype i = linhas.indexOf(titulo);
    QStringList r;
    for (qsizetype k = i + 1; i >= 0 && k < linhas.size() && r.size() < n; ++k)
        if (!linhas[k].isEmpty()) r << linhas[k];
    return r;
}

QTextBlock Bloco(const QTextDocument& doc, const QString& texto) {
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        if (b.text() == texto) return b;
    return QTextBlock();
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
    QStringList EscreveLinhas() {
        QTextDocument doc;
        Escreve(doc);
        return Linhas(doc);
    }

private slots:
    void initTestCase() {
        QVERIFY(m_pasta.isValid());
        const QString base = CriaBaseTextos(m_pasta.filePath(QStringLiteral("r.mdb")), TodosOsTextos());
        QVERIFY2(m_db.Abre(base, QStringLiteral("interpretação")), qPrintable(m_db.Erro()));
    }

    void init() {
        m_mapa.Limpa();
        for (int i = 0; i < 19; ++i) {
            m_mapa.Corpo(i).Posicao().setValorGraus(kGraus[i]);
            m_mapa.Corpo(i).Casa = static_cast<int16_t>(kCasa[i]);
        }
        for (int h = 1; h <= 12; ++h)
            m_mapa.Cuspide(h).setValorGraus((h - 1) * 30.0);
        m_mapa.Corpo(1).Marcado = true;
        m_mapa.Corpo(6).Marcado = true;
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
        const QStringList l = EscreveLinhas();
        QCOMPARE(l.value(0), QStringLiteral("Natalis"));
        QCOMPARE(l.value(1), QStringLiteral("Auto - Interpretação"));
        QCOMPARE(l.value(3),
                 QStringLiteral("Mapa astral de: Rui nascido no dia 5/4/1980 em Lisboa pelas 14h30'0''"));
        // Sol at 15° Carneiro: decan 2, segment 4.
        QCOMPARE(Seguintes(l, m_campos.KeyWord, 3),
                 QStringList({"T1102001", "Esclarecedor: Lua, Saturno", "T1201002"}));
        QCOMPARE(Seguintes(l, QStringLiteral("T1201002"), 3),
                 QStringList({"T1201007", "Anjo: O Viajante", "T1304001"}));
        QCOMPARE(Seguintes(l, QStringLiteral("Pontos Principais"), 4),
                 QStringList({"Sol em Carneiro", "T1101", "Ascendente em Carneiro", "T1201"}));
        QCOMPARE(Seguintes(l, QStringLiteral("T1201"), 8),
                 QStringList({"Lua em Carneiro", "T2101", "Nodo Lunar Norte em Capricórnio", "T11110",
                              "Parte Fortuna em Peixes", "T13112", "Lua Negra em Aquário", "T12111"}));
        // The Moon's heading comes again among the helping points, its text only once.
        QCOMPARE(l.count(QStringLiteral("Lua em Carneiro")), 2);
        QCOMPARE(l.count(QStringLiteral("T2101")), 1);
        QCOMPARE(Seguintes(l, QStringLiteral("Pontos Adjuvantes"), 3),
                 QStringList({"Lua em Carneiro", "Ver acima: «Lua em Carneiro», em Pontos Principais.",
                              "Mercúrio em Gémeos"}));
    }

    void casas_data() {
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QStringList>("seguintes");
        QTest::newRow("com_sol_e_lua")
            << "Casa I, o Ascendente em Carneiro influenciada por Sol ,Lua "
            << QStringList{"T1301", "T2301", "Ver acima: «Ascendente em Carneiro», em Pontos Principais.",
                           "Casa II em Touro"};
        QTest::newRow("vazia") << "Casa II em Touro"
                               << QStringList{"T2202",
                                              "Casa III em Gémeos influenciada por Mercúrio ,Vénus "};
        QTest::newRow("um_corpo") << "Casa X, o Meio Céu em Capricórnio influenciada por Nodo Lunar Norte "
                                  << QStringList{"T10210", "T11310",
                                                 "Casa XI em Aquário influenciada por Lua Negra "};
        QTest::newRow("fortuna_entra") << "Casa XII em Peixes influenciada por Parte da Fortuna "
                                       << QStringList{"T12212", "T13312", "Aspectos Astrais"};
    }
    void casas() {
        QFETCH(QString, titulo);
        QFETCH(QStringList, seguintes);
        QCOMPARE(Seguintes(EscreveLinhas(), titulo, int(seguintes.size())), seguintes);
    }

    void retrogrados_data() {
        QTest::addColumn<QList<int>>("indices");
        QTest::addColumn<QStringList>("seguintes"); // after the section heading
        QTest::newRow("nenhum") << QList<int>{} << QStringList{};
        // Lua and Lua Negra do not count: only Mercúrio..Plutão are reported.
        QTest::newRow("so_lua_e_lua_negra") << QList<int>{1, 11} << QStringList{};
        QTest::newRow("mercurio_e_saturno") << QList<int>{6, 2}
                                            << QStringList{"Mercúrio na casa III em Gémeos",
                                                           "T903003",
                                                           "T1003003",
                                                           "Saturno na casa VI em Virgo",
                                                           "T907006",
                                                           "T1007006",
                                                           "Partes"};
        QTest::newRow("plutao") << QList<int>{9} << QStringList{"Plutão na casa IX em Sagitário", "T910009"};
        // The short house name: "IV", not "IV, o Baixo Céu".
        QTest::newRow("marte_casa_angular")
            << QList<int>{4} << QStringList{"Marte na casa IV em Câncer", "T905004", "T1005004"};
    }
    void retrogrados() {
        QFETCH(QList<int>, indices);
        QFETCH(QStringList, seguintes);
        for (int i : indices)
            m_mapa.Corpo(i).Retrogrado = true;
        const QStringList l = EscreveLinhas();
        QCOMPARE(l.contains(QStringLiteral("Pontos Retrógrados")), !seguintes.isEmpty());
        if (!seguintes.isEmpty())
            QCOMPARE(Seguintes(l, QStringLiteral("Pontos Retrógrados"), int(seguintes.size())), seguintes);
    }

    void partesEAspectos() {
        m_mapa.Aspectos().Add(QStringLiteral("Sol em Conjunção com Lua"), 1902);
        m_mapa.Aspectos().Add(QStringLiteral("Mercúrio em Quadratura com Saturno"), 3407);
        m_mapa.Aspectos().Add(QStringLiteral("Sem texto"), 4908);
        const QStringList l = EscreveLinhas();
        QCOMPARE(Seguintes(l, QStringLiteral("Aspectos Astrais"), 6),
                 QStringList({"Sol em Conjunção com Lua", "T1902", "Mercúrio em Quadratura com Saturno",
                              "T3407", "Sem texto", "Partes"}));
        // The Part of Fortune's two texts stand under the main points and its house already.
        QCOMPARE(Seguintes(l, QStringLiteral("Partes"), 3),
                 QStringList({"Parte da Fortuna em Peixes na Casa XII",
                              "Ver acima: «Parte Fortuna em Peixes», em Pontos Principais; «Casa XII em "
                              "Peixes influenciada por Parte da Fortuna», em As Casas.",
                              "Parte do Devir em Carneiro na Casa I, o Ascendente"}));
        QCOMPARE(l.count(QStringLiteral("T13112")), 1);
        QCOMPARE(l.count(QStringLiteral("T13312")), 1);
        // The sign paragraph of a part is joined to the house paragraph: no empty line between.
        const qsizetype i = l.indexOf(QStringLiteral("T14101"));
        QCOMPARE(l.value(i + 1), QStringLiteral("T14301"));
        QCOMPARE(l.value(i + 2), QString());
        QVERIFY(l.contains(QStringLiteral("Parte do Dever em Capricórnio na Casa X, o Meio Céu")));
    }

    void estilos() {
        QTextDocument doc;
        Escreve(doc);
        struct Caso {
            const char* texto;
            CorRGB cor;
            bool negrito, italico;
            int tamanho;
            Qt::Alignment alinhamento;
            bool linhaEmBranco;
        };
        const Caso casos[] = {
            {"Natalis", m_cores.CorTitulo, false, false, 50, Qt::AlignHCenter, false},
            {"Auto - Interpretação", m_cores.CorSub1, false, false, 20, Qt::AlignHCenter, true},
            {"Pontos de Resumo", m_cores.CorSub1, false, false, 15, Qt::AlignLeft, true},
            {"Sol em Carneiro", m_cores.CorSub2, true, true, 11, Qt::AlignLeft, true},
            {"T1101", m_cores.CorTexto, false, false, 11, Qt::AlignLeft, true},
        };
        for (const Caso& c : casos) {
            const QTextBlock b = Bloco(doc, QString::fromUtf8(c.texto));
            QVERIFY2(b.isValid(), c.texto);
            QCOMPARE(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask, c.alinhamento);
            // One fragment: the style covers the whole text.
            int fragmentos = 0;
            for (auto it = b.begin(); !it.atEnd(); ++it, ++fragmentos) {
                const QTextCharFormat f = it.fragment().charFormat();
                QCOMPARE(f.fontPointSize(), double(c.tamanho));
                QCOMPARE(f.fontWeight() == QFont::Bold, c.negrito);
                QCOMPARE(f.fontItalic(), c.italico);
                QCOMPARE(f.fontUnderline(), false);
                QCOMPARE(f.foreground().color(),
                         QColor(c.cor & 0xFF, (c.cor >> 8) & 0xFF, (c.cor >> 16) & 0xFF));
            }
            QCOMPARE(fragmentos, 1);
            QCOMPARE(b.next().text().isEmpty(), c.linhaEmBranco);
        }
    }

    void segundaExecucaoIgual() {
        m_mapa.Aspectos().Add(QStringLiteral("Sol em Conjunção com Lua"), 1902);
        m_mapa.Corpo(4).Retrogrado = true;
        QTextDocument doc;
        Escreve(doc);
        const QString primeira = doc.toHtml();
        const int blocos = doc.blockCount();
        Escreve(doc);
        QCOMPARE(doc.blockCount(), blocos);
        QCOMPARE(doc.toHtml(), primeira);
        // The writing is not left on the undo stack, and undo stays on for the user's edits.
        QVERIFY(!doc.isUndoAvailable());
        QVERIFY(doc.isUndoRedoEnabled());
    }

    void progresso_data() {
        QTest::addColumn<int>("aspectos");
        QTest::addColumn<QList<int>>("retrogrados");
        QTest::newRow("sem_aspectos") << 0 << QList<int>{};
        QTest::newRow("tres_aspectos_dois_retrogrados") << 3 << QList<int>{2, 9};
        QTest::newRow("vinte_aspectos") << 20 << QList<int>{};
    }
    void progresso() {
        QFETCH(int, aspectos);
        QFETCH(QList<int>, retrogrados);
        for (int k = 0; k < aspectos; ++k)
            m_mapa.Aspectos().Add(QStringLiteral("Aspecto %1").arg(k), 1902);
        for (int i : retrogrados)
            m_mapa.Corpo(i).Retrogrado = true;
        QTextDocument doc;
        QList<double> valores;
        Escreve(doc, &valores);
        // One report of 0 for the start, then 9 bodies, 12 houses, the aspects, the
        // retrograde bodies and the 7 computed points.
        QCOMPARE(valores.size(), 1 + 9 + 12 + aspectos + int(retrogrados.size()) + 7);
        QCOMPARE(valores.first(), 0.0);
        QCOMPARE(valores.last(), 1.0);
        QCOMPARE(valores[1], 1.0 / (aspectos + 37));
        for (double v : valores)
            QVERIFY(v >= 0.0 && v <= 1.0);
    }
};

QTEST_MAIN(TestRelatorio)
#include "test_relatorio.moc"
