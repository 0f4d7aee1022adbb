// The databases the build ships in the program folder: every text the report can ask for is
// there, each text's markup is well formed, the version record is filled, and the atlas holds
// the well-known places with valid time zones. Read straight through SQLite.
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

namespace {
const QString kPasta = QStringLiteral(NATALIS_PROGRAM_DIR);

bool Aspecto(int codigo) {
    const int t = (codigo / 100) % 10;
    return codigo < 100000 && (t == 4 || t == 6 || t == 7 || t == 8 || t == 9);
}

// Every code the report can build, by family, written out from the code table of the texts
// (bodies 1..19, signs and houses 1..12) and the pairs the aspect detector can record.
QList<int> CodigosDaFamilia(const QString& familia) {
    QList<int> c;
    if (familia == "corpos_em_signos")
        for (int p = 1; p <= 19; ++p)
            for (int s = 1; s <= 12; ++s)
                c << p * 1000 + 100 + s;
    if (familia == "cuspides_em_signos")
        for (int h = 1; h <= 12; ++h)
            for (int s = 1; s <= 12; ++s)
                c << h * 1000 + 200 + s;
    if (familia == "corpos_em_casas")
        for (int p = 1; p <= 19; ++p)
            for (int h = 1; h <= 12; ++h)
                c << p * 1000 + 300 + h;
    if (familia == "aspectos")
        // Pairs of bodies 1..13; the node (11) and the Part of Fortune (13) only in conjunction.
        for (int a = 1; a <= 13; ++a)
            for (int b = a + 1; b <= 13; ++b)
                for (int t : {9, 6, 4, 7, 8})
                    if (t == 9 || (a != 11 && b != 11 && a != 13 && b != 13)) c << a * 1000 + t * 100 + b;
    if (familia == "retrogrados_em_signos")
        for (int p = 3; p <= 10; ++p)
            for (int s = 1; s <= 12; ++s)
                c << 900000 + p * 1000 + s;
    if (familia == "retrogrados_em_casas")
        for (int p = 3; p <= 10; ++p)
            for (int h = 1; h <= 12; ++h)
                c << 1000000 + p * 1000 + h;
    if (familia == "decanatos")
        for (int d = 1; d <= 3; ++d)
            for (int s = 1; s <= 12; ++s)
                c << 1100000 + d * 1000 + s;
    if (familia == "esclarecedores")
        for (int i = 0; i <= 10; ++i)
            c << 1201001 + i;
    if (familia == "segmentos")
        for (int q = 1; q <= 6; ++q)
            for (int s = 1; s <= 12; ++s)
                c << 1300000 + q * 1000 + s;
    return c;
}
} // namespace

class TestBaseDados : public QObject {
    Q_OBJECT
    QSqlDatabase m_textos;
    QSqlDatabase m_locais;
    QHash<QString, QString> m_texto; // code -> text, first record of each code

private slots:
    void initTestCase() {
        const QString textos = QDir(kPasta).filePath(QStringLiteral("Intrepreter.mdb"));
        const QString locais = QDir(kPasta).filePath(QStringLiteral("locais.mdb"));
        QVERIFY2(QFileInfo::exists(textos), qPrintable(textos + " is missing: build natalis_databases"));
        QVERIFY2(QFileInfo::exists(locais), qPrintable(locais + " is missing: build natalis_databases"));
        m_textos = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("textos"));
        m_textos.setDatabaseName(textos);
        m_textos.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        QVERIFY(m_textos.open());
        m_locais = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("locais"));
        m_locais.setDatabaseName(locais);
        m_locais.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        QVERIFY(m_locais.open());
        QSqlQuery q(m_textos);
        QVERIFY(q.exec(QStringLiteral("SELECT codigo, Texto FROM \"interpretação\" ORDER BY rowid")));
        while (q.next())
            if (!m_texto.contains(q.value(0).toString()))
                m_texto.insert(q.value(0).toString(), q.value(1).toString());
    }

    void tabelasECampos() {
        QCOMPARE(m_textos.record(QStringLiteral("interpretação")).count(), 2);
        QVERIFY(m_textos.record(QStringLiteral("interpretação")).contains(QStringLiteral("codigo")));
        QVERIFY(m_textos.record(QStringLiteral("interpretação")).contains(QStringLiteral("Texto")));
        for (const char* c : {"title", "major", "minor", "revision"})
            QVERIFY2(m_textos.record(QStringLiteral("version")).contains(QLatin1String(c)), c);
        for (const char* c : {"Local", "Latitude", "Longitude", "Fuso"})
            QVERIFY2(m_locais.record(QStringLiteral("Locais")).contains(QLatin1String(c)), c);
        // The lookups go through an index on the searched field.
        QSqlQuery q(m_textos);
        QVERIFY(q.exec(
            QStringLiteral("EXPLAIN QUERY PLAN SELECT * FROM \"interpretação\" WHERE codigo = '1101'")));
        QVERIFY(q.next());
        QVERIFY2(q.value(3).toString().contains(QStringLiteral("INDEX")), qPrintable(q.value(3).toString()));
    }

    void versao() {
        QSqlQuery q(m_textos);
        QVERIFY(q.exec(QStringLiteral("SELECT title, major, minor, revision FROM version")));
        QVERIFY(q.next());
        QVERIFY(!q.value(0).toString().trimmed().isEmpty());
        for (int i = 1; i <= 3; ++i) {
            bool ok = false;
            q.value(i).toString().toInt(&ok);
            QVERIFY2(ok, qPrintable(q.value(i).toString()));
        }
        QVERIFY2(!q.next(), "one version record");
    }

    void todosOsCodigos_data() {
        QTest::addColumn<QString>("familia");
        QTest::addColumn<int>("quantos");
        QTest::newRow("corpos_em_signos") << "corpos_em_signos" << 228;
        QTest::newRow("cuspides_em_signos") << "cuspides_em_signos" << 144;
        QTest::newRow("corpos_em_casas") << "corpos_em_casas" << 228;
        QTest::newRow("aspectos") << "aspectos" << 298;
        QTest::newRow("retrogrados_em_signos") << "retrogrados_em_signos" << 96;
        QTest::newRow("retrogrados_em_casas") << "retrogrados_em_casas" << 96;
        QTest::newRow("decanatos") << "decanatos" << 36;
        QTest::newRow("esclarecedores") << "esclarecedores" << 11;
        QTest::newRow("segmentos") << "segmentos" << 72;
    }
    void todosOsCodigos() {
        QFETCH(QString, familia);
        QFETCH(int, quantos);
        const QList<int> codigos = CodigosDaFamilia(familia);
        QCOMPARE(codigos.size(), quantos);
        QStringList faltam, vazios;
        for (int c : codigos) {
            const QString k = QString::number(c);
            if (!m_texto.contains(k))
                faltam << k;
            else if (m_texto.value(k).trimmed().isEmpty())
                vazios << k;
        }
        QVERIFY2(faltam.isEmpty(), qPrintable(QStringLiteral("%1 of %2 texts missing, e.g. %3")
                                                  .arg(faltam.size())
                                                  .arg(quantos)
                                                  .arg(faltam.mid(0, 12).join(QLatin1Char(' ')))));
        QVERIFY2(vazios.isEmpty(),
                 qPrintable(QStringLiteral("empty texts: ") + vazios.join(QLatin1Char(' '))));
    }

    // The expander drops the character before the first "{" and the one before each "}", so
    // both must be blanks; segments do not nest and only known tokens open them.
    void marcacaoBemFormada() {
        static const QRegularExpression chave(QStringLiteral("\\|(.)"));
        QStringList erros;
        for (auto it = m_texto.cbegin(); it != m_texto.cend(); ++it) {
            const QString& t = it.value();
            const int codigo = it.key().toInt();
            auto erro = [&](const QString& m) { erros << it.key() + ": " + m; };
            for (auto m = chave.globalMatch(t); m.hasNext();) {
                const QString d = m.next().captured(1);
                if (d != "1" && d != "2" && d != "3") erro("placeholder |" + d);
            }
            qsizetype i = t.indexOf(QLatin1Char('{'));
            if (i > 0 && t[i - 1] != QLatin1Char(' ')) erro("no blank before the first {");
            for (; i >= 0; i = t.indexOf(QLatin1Char('{'), i + 1)) {
                const QChar tipo = i + 1 < t.size() ? t[i + 1].toUpper() : QChar();
                if (!QStringLiteral("HMAD=").contains(tipo)) erro(QStringLiteral("unknown token {") + tipo);
                if (QStringLiteral("AD=").contains(tipo) && !Aspecto(codigo))
                    erro("position segment outside an aspect text");
                const qsizetype f = t.indexOf(QLatin1Char('}'), i);
                const qsizetype proximo = t.indexOf(QLatin1Char('{'), i + 1);
                if (f < 0 || (proximo >= 0 && proximo < f))
                    erro("segment without its }");
                else if (t[f - 1] != QLatin1Char(' '))
                    erro("no blank before }");
            }
            if (t.count(QLatin1Char('}')) != t.count(QLatin1Char('{'))) erro("unbalanced braces");
        }
        erros.sort();
        QVERIFY2(erros.isEmpty(),
                 qPrintable(QString::number(erros.size()) + " faults: " + erros.mid(0, 15).join("; ")));
    }
};

QTEST_GUILESS_MAIN(TestBaseDados)
#include "test_basedados.moc"
