// natalis-mkdb, the build's database tool: good sources become the tables the program reads;
// a faulty source stops the build with its file and line, and leaves the old database alone.
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString kFerramenta = QStringLiteral(NATALIS_MKDB);

void Escreve(const QString& caminho, const QByteArray& conteudo) {
    QFile f(caminho);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(conteudo);
}

int Corre(const QStringList& args, QString* erro) {
    QProcess p;
    p.start(kFerramenta, args);
    if (!p.waitForFinished(30000))
        return -1;
    *erro = QString::fromUtf8(p.readAllStandardError());
    return p.exitCode();
}
} // namespace

class TestMkdb : public QObject {
    Q_OBJECT
    QTemporaryDir m_pasta;
    QString m_versao;

private slots:
    void initTestCase() {
        QVERIFY2(QFile::exists(kFerramenta), qPrintable(kFerramenta + " is missing"));
        m_versao = m_pasta.filePath(QStringLiteral("versao.tsv"));
        Escreve(m_versao, "# title, major, minor, revision\nTeste\t1\t2\t3\n");
    }

    void textos() {
        const QString fonte = m_pasta.filePath(QStringLiteral("a.tsv"));
        Escreve(fonte, "# comentário\n1101\tOlá |1, bem-vind|2. \n\n1102\t\r\n");
        const QString segunda = m_pasta.filePath(QStringLiteral("b.tsv"));
        Escreve(segunda, "1902\tConj {A adiante } {D atrás }\n");
        const QString base = m_pasta.filePath(QStringLiteral("t.mdb"));
        QString erro;
        QCOMPARE(Corre({"textos", base, m_versao, fonte, segunda}, &erro), 0);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("t"));
            db.setDatabaseName(base);
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("SELECT codigo, Texto FROM \"interpretação\" ORDER BY rowid")));
            QStringList linhas;
            while (q.next())
                linhas << q.value(0).toString() + "=" + q.value(1).toString();
            // Texts are kept exactly, trailing blank included; CR LF line ends are accepted.
            QCOMPARE(linhas, QStringList({"1101=Olá |1, bem-vind|2. ", "1102=", "1902=Conj {A adiante } {D atrás }"}));
            QVERIFY(q.exec(QStringLiteral("SELECT title, major, minor, revision FROM version")));
            QVERIFY(q.next());
            QCOMPARE(q.value(0).toString() + q.value(1).toString() + q.value(2).toString() + q.value(3).toString(),
                     QStringLiteral("Teste123"));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("t"));
    }

    void fonteComDefeito_data() {
        QTest::addColumn<QByteArray>("conteudo");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("codigo_repetido") << QByteArray("1101\tum\n1101\tdois\n") << "a.tsv:1";
        QTest::newRow("zero_a_esquerda") << QByteArray("01101\tum\n") << "01101";
        QTest::newRow("codigo_nao_numerico") << QByteArray("11a1\tum\n") << "11a1";
        QTest::newRow("sem_tabulacao") << QByteArray("1101 um\n") << "mau.tsv:1";
        QTest::newRow("tabulacao_no_texto") << QByteArray("1101\tum\tdois\n") << "mau.tsv:1";
        QTest::newRow("nao_utf8") << QByteArray("1101\tcora\xe7\xe3o\n") << "UTF-8";
    }
    void fonteComDefeito() {
        QFETCH(QByteArray, conteudo);
        QFETCH(QString, mensagem);
        const QString boa = m_pasta.filePath(QStringLiteral("a.tsv"));
        Escreve(boa, "1101\tum\n");
        const QString ma = m_pasta.filePath(QStringLiteral("mau.tsv"));
        Escreve(ma, conteudo);
        const QString base = m_pasta.filePath(QStringLiteral("velha.mdb"));
        Escreve(base, "a base anterior");
        QString erro;
        const QStringList args = conteudo.startsWith("1101\tum\n1101")
                                     ? QStringList{"textos", base, m_versao, boa, ma}
                                     : QStringList{"textos", base, m_versao, ma};
        QCOMPARE(Corre(args, &erro), 1);
        QVERIFY2(erro.contains(mensagem), qPrintable(erro));
        QFile f(base);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("a base anterior"));
        QVERIFY(!QFile::exists(base + ".tmp"));
    }

    // Table order is the source's order (most populous first); the folded key and the word
    // index are built from the name and its other names; a repeated place stops the build.
    void locais() {
        const QString fonte = m_pasta.filePath(QStringLiteral("locais.tsv"));
        const QByteArray cabeca = "# Local\tLatitude\tLongitude\tFuso\tNome\tRegiao\tPais\tPopulacao\tSede\tOutros\n";
        const QByteArray lisboa = "Lisboa (Lisboa, Portugal)\t38\xc2\xba" "43'0''N\t9\xc2\xba" "8'0''W\tEurope/Lisbon\t"
                                  "Lisboa\tLisboa\tPortugal\t517802\tPT.14.1106\tLisbon\n";
        Escreve(fonte, cabeca + lisboa +
                           "S\xc3\xa3o Jo\xc3\xa3o d'Arga (Viana do Castelo, Portugal)\t41\xc2\xba" "50'0''N\t"
                           "8\xc2\xba" "43'0''W\tEurope/Lisbon\tS\xc3\xa3o Jo\xc3\xa3o d'Arga\tViana do Castelo\t"
                           "Portugal\t300\t\t\n");
        const QString base = m_pasta.filePath(QStringLiteral("locais.mdb"));
        QString erro;
        QCOMPARE(Corre({"locais", base, fonte}, &erro), 0);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("l"));
            db.setDatabaseName(base);
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("SELECT \"Local\", \"Latitude\", \"Longitude\", \"Fuso\", Populacao, Sede, "
                                          "Chave, Outros FROM \"Locais\" ORDER BY rowid")));
            QVERIFY(q.next());
            QCOMPARE(q.value(0).toString(), QStringLiteral("Lisboa (Lisboa, Portugal)"));
            QCOMPARE(q.value(1).toString(), QStringLiteral("38º43'0''N"));
            QCOMPARE(q.value(2).toString(), QStringLiteral("9º8'0''W"));
            QCOMPARE(q.value(3).toString(), QStringLiteral("Europe/Lisbon"));
            QCOMPARE(q.value(4).toLongLong(), 517802);
            QCOMPARE(q.value(5).toString(), QStringLiteral("PT.14.1106"));
            QCOMPARE(q.value(6).toString(), QStringLiteral("lisboa"));
            QCOMPARE(q.value(7).toString(), QStringLiteral("lisbon"));
            QVERIFY(q.next());
            QCOMPARE(q.value(6).toString(), QStringLiteral("sao joao darga"));
            QVERIFY(!q.next());
            // Any word, by its start, through the word index: row 2 for "joao".
            QVERIFY(q.exec(QStringLiteral("SELECT rowid FROM LocaisBusca WHERE LocaisBusca MATCH '\"joa\" *'")));
            QVERIFY(q.next());
            QCOMPARE(q.value(0).toInt(), 2);
        }
        QSqlDatabase::removeDatabase(QStringLiteral("l"));
        Escreve(fonte, cabeca + lisboa + lisboa);
        QCOMPARE(Corre({"locais", base, fonte}, &erro), 1);
        QVERIFY2(erro.contains(QStringLiteral(":3:")) && erro.contains(QStringLiteral(":2")), qPrintable(erro));
    }
};

QTEST_GUILESS_MAIN(TestMkdb)
#include "test_mkdb.moc"
