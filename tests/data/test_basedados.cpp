// The databases: natalis-mkdb, the build's tool, keeps each text exactly and stops the build on
// a faulty source with its file and line, leaving the old database alone; the shipped texts
// hold every text the report can ask for, with well-formed markup, looked up by an index; the
// shipped atlas holds every seat. (Its places and zones are the atlas test's.)
#include "discocheio.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

namespace {
bool Aspecto(int codigo) {
    const int t = (codigo / 100) % 10;
    return codigo < 100000 && (t == 4 || t == 6 || t == 7 || t == 8 || t == 9);
}

// Aspects the sky never shows with the built-in orbs: Mercúrio (3) stays within 28° of the Sun,
// Vénus (4) within 47°, and the two within 76° of each other (sextile 6, square 4, trine 7,
// opposition 8; a sextile of Sol-Vénus needs 60 - 9 = 51°).
bool Impossivel(int codigo) {
    const int a = codigo / 1000, t = (codigo / 100) % 10, b = codigo % 100;
    if (a == 1 && (b == 3 || b == 4)) return t != 9;
    return a == 3 && b == 4 && t != 9 && t != 6;
}

// Runs natalis-mkdb; its exit code, and its standard error in `erro`.
int Mkdb(const QStringList& args, QString* erro) {
    QProcess p;
    p.start(QStringLiteral(NATALIS_MKDB), args);
    if (!p.waitForFinished(30000)) return -1;
    *erro = QString::fromUtf8(p.readAllStandardError());
    return p.exitCode();
}

// The rows of a query on a database file, the columns of each joined by "|".
QStringList Linhas(const QString& base, const QString& sql) {
    QStringList linhas;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("ver"));
        db.setDatabaseName(base);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        QSqlQuery q(db);
        if (!db.open() || !q.exec(sql)) return {QStringLiteral("erro: ") + q.lastError().text()};
        while (q.next()) {
            QStringList c;
            for (int i = 0; i < q.record().count(); ++i) c << q.value(i).toString();
            linhas << c.join(QLatin1Char('|'));
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("ver"));
    return linhas;
}
} // namespace

class TestBaseDados : public QObject {
    Q_OBJECT
    QTemporaryDir m_pasta;
    QHash<QString, QString> m_texto; // code -> text of the shipped base, first record of each code

    QString caminho(const char* nome) const { return m_pasta.filePath(QString::fromLatin1(nome)); }

private slots:
    void initTestCase() {
        QVERIFY(DiscoCheio::escreve(caminho("versao.tsv"), "# title, major, minor, revision\nTeste\t1\t2\t3\n"));
        const QString textos = QStringLiteral(NATALIS_PROGRAM_DIR "/Intrepreter.mdb");
        for (const QString& l : Linhas(textos, QStringLiteral("SELECT codigo, Texto FROM \"interpretação\" ORDER BY rowid")))
            if (!m_texto.contains(l.section(QLatin1Char('|'), 0, 0)))
                m_texto.insert(l.section(QLatin1Char('|'), 0, 0), l.section(QLatin1Char('|'), 1));
        QVERIFY2(m_texto.size() > 1000, qPrintable(textos + ": build natalis_databases"));
    }

    // Every municipality seat of Brazil and Portugal in the shipped atlas, each once.
    void sedes() {
        QCOMPARE(Linhas(QStringLiteral(NATALIS_PROGRAM_DIR "/locais.mdb"),
                        QStringLiteral("SELECT substr(Sede, 1, 2), count(DISTINCT Sede), count(*) FROM \"Locais\" "
                                       "WHERE Sede <> '' GROUP BY substr(Sede, 1, 2) ORDER BY 1")),
                 (QStringList{"BR|5570|5570", "PT|308|308"}));
    }

    // Texts are kept exactly, trailing blank included; CR LF line ends are accepted.
    void mkdbTextos() {
        QVERIFY(DiscoCheio::escreve(caminho("a.tsv"), "# comentário\n1101\tOlá |1, bem-vind|2. \n\n1102\t\r\n"));
        QVERIFY(DiscoCheio::escreve(caminho("b.tsv"), "1902\tConj {A adiante } {D atrás }\n"));
        QString erro;
        QCOMPARE(Mkdb({"textos", caminho("t.mdb"), caminho("versao.tsv"), caminho("a.tsv"), caminho("b.tsv")}, &erro), 0);
        QCOMPARE(Linhas(caminho("t.mdb"), QStringLiteral("SELECT codigo, Texto FROM \"interpretação\" ORDER BY rowid")),
                 QStringList({"1101|Olá |1, bem-vind|2. ", "1102|", "1902|Conj {A adiante } {D atrás }"}));
        QCOMPARE(Linhas(caminho("t.mdb"), QStringLiteral("SELECT title, major, minor, revision FROM version")),
                 QStringList{"Teste|1|2|3"});
    }

    // A faulty source stops the build naming its file and line (or the text at fault), and
    // the database already there stays as it was.
    void mkdbFonteComDefeito_data() {
        QTest::addColumn<QString>("tabela"); QTest::addColumn<QByteArray>("conteudo");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("código repetido noutro ficheiro") << "textos" << QByteArray("1101\tdois\n") << "a.tsv:1";
        QTest::newRow("zero à esquerda") << "textos" << QByteArray("01101\tum\n") << "01101";
        QTest::newRow("código não numérico") << "textos" << QByteArray("11a1\tum\n") << "11a1";
        QTest::newRow("sem tabulação") << "textos" << QByteArray("1102 um\n") << "mau.tsv:1";
        QTest::newRow("tabulação no texto") << "textos" << QByteArray("1102\tum\tdois\n") << "mau.tsv:1";
        QTest::newRow("não UTF-8") << "textos" << QByteArray("1102\tcora\xe7\xe3o\n") << "UTF-8";
        const QByteArray lisboa = "Lisboa (Lisboa, Portugal)\t38\xc2\xba" "43'0''N\t9\xc2\xba" "8'0''W\tEurope/Lisbon\t"
                                  "Lisboa\tLisboa\tPortugal\t517802\tPT.14.1106\tLisbon\n";
        QTest::newRow("local repetido") << "locais" << "# Local\tLatitude\tLongitude\tFuso\tNome\tRegiao\tPais\t"
                                                      "Populacao\tSede\tOutros\n" + lisboa + lisboa << "mau.tsv:3:\n:2";
    }
    void mkdbFonteComDefeito() {
        QFETCH(QString, tabela); QFETCH(QByteArray, conteudo); QFETCH(QString, mensagem);
        QVERIFY(DiscoCheio::escreve(caminho("a.tsv"), "1101\tum\n") && DiscoCheio::escreve(caminho("mau.tsv"), conteudo));
        QVERIFY(DiscoCheio::escreve(caminho("velha.mdb"), "a base anterior"));
        const QStringList fontes = tabela == "textos" ? QStringList{caminho("versao.tsv"), caminho("a.tsv"), caminho("mau.tsv")}
                                                      : QStringList{caminho("mau.tsv")};
        QString erro;
        QCOMPARE(Mkdb(QStringList{tabela, caminho("velha.mdb")} + fontes, &erro), 1);
        for (const QString& m : mensagem.split('\n'))
            QVERIFY2(erro.contains(m), qPrintable(erro));
        QCOMPARE(DiscoCheio::conteudo(caminho("velha.mdb")), QByteArray("a base anterior"));
        QVERIFY(!QFile::exists(caminho("velha.mdb.tmp"))); // nor a half-built one left beside it
    }

    // Every code the report can build, by family, from the code table of the texts (bodies
    // 1..19, signs and houses 1..12): base + 1000 × a + b for a and b in their ranges.
    void todosOsCodigos_data() {
        QTest::addColumn<QList<int>>("codigos");
        const auto familia = [](const char* nome, int base, int a0, int a1, int b0, int b1) {
            QList<int> c;
            for (int a = a0; a <= a1; ++a)
                for (int b = b0; b <= b1; ++b)
                    c << base + 1000 * a + b;
            QTest::newRow(nome) << c;
        };
        familia("corpos em signos", 100, 1, 19, 1, 12);
        familia("cúspides em signos", 200, 1, 12, 1, 12);
        familia("corpos em casas", 300, 1, 19, 1, 12);
        familia("retrógrados em signos", 900000, 3, 10, 1, 12);
        familia("retrógrados em casas", 1000000, 3, 10, 1, 12);
        familia("decanatos", 1100000, 1, 3, 1, 12);
        familia("esclarecedores", 1200000, 1, 1, 1, 11);
        familia("segmentos", 1300000, 1, 6, 1, 12);
        // Pairs of bodies 1..13 the aspect detector can record; the node (11) and the Part of
        // Fortune (13) only in conjunction (9).
        QList<int> aspectos;
        for (int a = 1; a <= 13; ++a)
            for (int b = a + 1; b <= 13; ++b)
                for (int t : {9, 6, 4, 7, 8})
                    if ((t == 9 || (a != 11 && b != 11 && a != 13 && b != 13)) && !Impossivel(a * 1000 + t * 100 + b))
                        aspectos << a * 1000 + t * 100 + b;
        QTest::newRow("aspectos") << aspectos;
    }
    void todosOsCodigos() {
        QFETCH(QList<int>, codigos);
        QStringList faltam;
        for (int c : codigos)
            if (m_texto.value(QString::number(c)).trimmed().isEmpty()) faltam << QString::number(c);
        QVERIFY2(faltam.isEmpty(), qPrintable(QStringLiteral("%1 of %2 texts missing or empty, e.g. %3")
                                                  .arg(faltam.size()).arg(codigos.size()).arg(faltam.mid(0, 12).join(' '))));
    }

    // What a reader in Portugal stops at, none of it in the shipped texts: pronouns after a
    // nasal verb ending without their n, Brazilian words, post-1990 spelling, slips once found,
    // a blank before a comma, and texts of aspects that never occur.
    void textosRevistos() {
        static const QRegularExpression slips(QString::fromUtf8(
            "(m|ão|õe)-(\\|2|[oa]s?)\\b|sem sempre|desiludente|praticidade|reencontrar.*reencontrar|Didático|Trigono| ,|casa "
            "MC|em Porto\\b|Meio Céu|Parte Fortuna"));
        QStringList erros;
        for (auto it = m_texto.cbegin(); it != m_texto.cend(); ++it) {
            if (const auto m = slips.match(it.value()); m.hasMatch()) erros << it.key() + ": " + m.captured();
            if (Aspecto(it.key().toInt()) && Impossivel(it.key().toInt())) erros << "aspecto impossível: " + it.key();
        }
        // The Part of Intelligence in Capricórnio concludes slowly, then meets the first house.
        if (m_texto.value("15110").contains("lentas") && m_texto.value("15301").contains("depressa"))
            erros << "15110 e 15301 contradizem-se";
        QVERIFY2(erros.isEmpty(), qPrintable(erros.join("; ")));
    }

    // The expander drops the character before the first "{" and the one before each "}", so
    // both must be blanks; segments do not nest, are closed, and only known tokens open them
    // (position ones in aspect texts only); nothing follows the last segment (the expander keeps
    // only the common text before the first one and the segments); the placeholders are |1, |2
    // and |3. The lookups go through an index on the code.
    void marcacaoBemFormada() {
        static const QRegularExpression defeito(
            QStringLiteral("\\|[^123]|^[^{]*[^ {]\\{|[^ ]\\}|\\{[^HMAD=]|\\{[^}]*(\\{|$)|\\}[^{}]*[^{}\\s][^{}]*$"),
                                                QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression posicao(QStringLiteral("\\{[AD=]"), QRegularExpression::CaseInsensitiveOption);
        QStringList erros;
        for (auto it = m_texto.cbegin(); it != m_texto.cend(); ++it) {
            const QString& t = it.value();
            if (const auto m = defeito.match(t); m.hasMatch()) erros << it.key() + ": «" + m.captured().left(40) + "»";
            if (t.count(QLatin1Char('}')) != t.count(QLatin1Char('{'))) erros << it.key() + ": unbalanced braces";
            if (!Aspecto(it.key().toInt()) && t.contains(posicao)) erros << it.key() + ": position segment outside an aspect text";
        }
        erros.sort();
        QVERIFY2(erros.isEmpty(), qPrintable(QString::number(erros.size()) + " faults: " + erros.mid(0, 15).join("; ")));
        const QStringList plano = Linhas(QStringLiteral(NATALIS_PROGRAM_DIR "/Intrepreter.mdb"),
                                         QStringLiteral("EXPLAIN QUERY PLAN SELECT * FROM \"interpretação\" WHERE codigo = '1101'"));
        QVERIFY2(plano.join(' ').contains(QStringLiteral("INDEX")), qPrintable(plano.join(' ')));
    }
};

QTEST_GUILESS_MAIN(TestBaseDados)
#include "test_basedados.moc"
