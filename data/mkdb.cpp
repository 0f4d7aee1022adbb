// natalis-mkdb: builds the program's SQLite databases from the text sources under data/.
//   natalis-mkdb textos <Intrepreter.mdb> <versao.tsv> <textos.tsv>...
//   natalis-mkdb locais <locais.mdb> <locais.tsv>
// Sources are UTF-8, one record a line, fields separated by tabs, "#" lines are comments.
// The database is written under a temporary name and renamed into place, so a failed build
// never leaves a half-written file where the program looks for it.
#include "dobra.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTextStream>
#include <cstdio>

namespace {

struct Linha {
    QString ficheiro;
    int numero = 0;
    QStringList campos;
};

// The half-built database of the build under way: a failure takes it away, so only the old
// database (or none) is left.
QString emConstrucao;

[[noreturn]] void Falha(const QString& mensagem) {
    std::fprintf(stderr, "natalis-mkdb: %s\n", qPrintable(mensagem));
    if (!emConstrucao.isEmpty()) QFile::remove(emConstrucao);
    std::exit(1);
}

QList<Linha> LeFonte(const QString& caminho, int nCampos) {
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        Falha(QStringLiteral("não consigo ler %1: %2").arg(caminho, f.errorString()));
    const QByteArray bytes = f.readAll();
    const QString texto = QString::fromUtf8(bytes);
    if (texto.toUtf8() != bytes) Falha(QStringLiteral("%1 não está em UTF-8").arg(caminho));
    QList<Linha> linhas;
    const QStringList todas = texto.split(QLatin1Char('\n'));
    for (int i = 0; i < todas.size(); ++i) {
        QString l = todas[i];
        if (l.endsWith(QLatin1Char('\r'))) l.chop(1);
        if (l.trimmed().isEmpty() || l.startsWith(QLatin1Char('#'))) continue;
        Linha r{caminho, i + 1, l.split(QLatin1Char('\t'))};
        if (r.campos.size() != nCampos)
            Falha(QStringLiteral("%1:%2: esperava %3 campos separados por tabulação, encontrei %4")
                      .arg(caminho)
                      .arg(r.numero)
                      .arg(nCampos)
                      .arg(r.campos.size()));
        linhas.append(r);
    }
    return linhas;
}

void Executa(QSqlQuery& q, const QString& sql) {
    if (!q.exec(sql)) Falha(QStringLiteral("%1: %2").arg(sql, q.lastError().text()));
}

// Opens a fresh database at the temporary path, runs the filler inside one transaction, then
// moves the file into place.
template <typename Preenche> void Constroi(const QString& destino, Preenche preenche) {
    const QString temporario = destino + QStringLiteral(".tmp");
    QFile::remove(temporario);
    emConstrucao = temporario;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("mkdb"));
        db.setDatabaseName(temporario);
        if (!db.open())
            Falha(QStringLiteral("não consigo criar %1: %2").arg(temporario, db.lastError().text()));
        db.transaction();
        QSqlQuery q(db);
        preenche(q);
        if (!db.commit())
            Falha(QStringLiteral("não consigo gravar %1: %2").arg(temporario, db.lastError().text()));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("mkdb"));
    if (QFile::exists(destino) && !QFile::remove(destino))
        Falha(QStringLiteral("não consigo substituir %1").arg(destino));
    if (!QFile::rename(temporario, destino))
        Falha(QStringLiteral("não consigo mover %1 para %2").arg(temporario, destino));
    emConstrucao.clear();
}

void ConstroiTextos(const QString& destino, const QString& versao, const QStringList& fontes) {
    const QList<Linha> ver = LeFonte(versao, 4);
    if (ver.size() != 1) Falha(QStringLiteral("%1: esperava um só registo de versão").arg(versao));

    // A text code is the decimal text of a positive number without leading zeros: that is the
    // exact key the program searches for.
    static const QRegularExpression codigoValido(QStringLiteral("^[1-9][0-9]*$"));
    QList<Linha> textos;
    QHash<QString, QString> origem;
    for (const QString& fonte : fontes) {
        for (const Linha& l : LeFonte(fonte, 2)) {
            const QString codigo = l.campos[0];
            if (!codigoValido.match(codigo).hasMatch())
                Falha(QStringLiteral("%1:%2: código inválido \"%3\"")
                          .arg(l.ficheiro)
                          .arg(l.numero)
                          .arg(codigo));
            const QString aqui = QStringLiteral("%1:%2").arg(l.ficheiro).arg(l.numero);
            if (origem.contains(codigo))
                Falha(QStringLiteral("%1: o código %2 já foi dado em %3").arg(aqui, codigo, origem[codigo]));
            origem.insert(codigo, aqui);
            textos.append(l);
        }
    }

    Constroi(destino, [&](QSqlQuery& q) {
        Executa(q, QStringLiteral("CREATE TABLE \"interpretação\" (codigo TEXT, Texto TEXT)"));
        Executa(q, QStringLiteral("CREATE INDEX \"interpretação_codigo\" ON \"interpretação\" (codigo)"));
        Executa(q,
                QStringLiteral("CREATE TABLE version (title TEXT, major TEXT, minor TEXT, revision TEXT)"));
        q.prepare(QStringLiteral("INSERT INTO version VALUES (?, ?, ?, ?)"));
        for (const QString& c : ver[0].campos)
            q.addBindValue(c.trimmed());
        if (!q.exec()) Falha(q.lastError().text());
        q.prepare(QStringLiteral("INSERT INTO \"interpretação\" (codigo, Texto) VALUES (?, ?)"));
        for (const Linha& l : textos) {
            q.addBindValue(l.campos[0]);
            q.addBindValue(l.campos[1]);
            if (!q.exec()) Falha(q.lastError().text());
        }
    });
    std::printf("%s: %lld textos\n", qPrintable(QFileInfo(destino).fileName()), static_cast<long long>(textos.size()));
}

// The atlas source has ten columns (see data/atlas/gerar_locais.js), sorted most populous
// first: that order is the table order, so the search returns the most populous places first
// without sorting.
void ConstroiLocais(const QString& destino, const QString& fonte) {
    const QList<Linha> locais = LeFonte(fonte, 10);
    Constroi(destino, [&](QSqlQuery& q) {
        Executa(q, QStringLiteral("CREATE TABLE \"Locais\" (Id INTEGER PRIMARY KEY, \"Local\" TEXT, \"Latitude\" TEXT, "
                                  "\"Longitude\" TEXT, \"Fuso\" TEXT, Nome TEXT, Regiao TEXT, Pais TEXT, "
                                  "Populacao INTEGER, Sede TEXT, Chave TEXT, Outros TEXT)"));
        // Contentless full-text index of the folded names: any word matches by its start.
        Executa(q, QStringLiteral("CREATE VIRTUAL TABLE LocaisBusca USING fts5(Chave, Outros, content='', "
                                  "tokenize='unicode61 remove_diacritics 2', prefix='1 2 3')"));
        q.prepare(QStringLiteral("INSERT INTO \"Locais\" VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        QSqlQuery busca(QSqlDatabase::database(QStringLiteral("mkdb")));
        busca.prepare(QStringLiteral("INSERT INTO LocaisBusca (rowid, Chave, Outros) VALUES (?, ?, ?)"));
        QHash<QString, QString> nomes;
        qint64 id = 0;
        for (const Linha& l : locais) {
            const QString aqui = QStringLiteral("%1:%2").arg(l.ficheiro).arg(l.numero);
            const QString local = l.campos[0].trimmed();
            if (local.isEmpty() || l.campos[4].trimmed().isEmpty()) Falha(aqui + QStringLiteral(": local sem nome"));
            if (nomes.contains(local))
                Falha(QStringLiteral("%1: o local \"%2\" já foi dado em %3").arg(aqui, local, nomes[local]));
            nomes.insert(local, aqui);
            const QString chave = DobraTexto(l.campos[4]);
            QStringList outros;
            for (const QString& o : l.campos[9].split(QLatin1Char('|'), Qt::SkipEmptyParts))
                outros << DobraTexto(o);
            q.addBindValue(++id);
            for (int i = 0; i < 7; ++i)
                q.addBindValue(l.campos[i].trimmed());
            q.addBindValue(l.campos[7].trimmed().toLongLong());
            q.addBindValue(l.campos[8].trimmed());
            q.addBindValue(chave);
            q.addBindValue(outros.join(QLatin1Char(' ')));
            if (!q.exec()) Falha(q.lastError().text());
            busca.addBindValue(id);
            busca.addBindValue(chave);
            busca.addBindValue(outros.join(QLatin1Char(' ')));
            if (!busca.exec()) Falha(busca.lastError().text());
        }
        Executa(q, QStringLiteral("CREATE INDEX \"Locais_Local\" ON \"Locais\" (\"Local\")"));
        Executa(q, QStringLiteral("CREATE INDEX Locais_Chave ON \"Locais\" (Chave)"));
        Executa(q, QStringLiteral("CREATE INDEX Locais_Sede ON \"Locais\" (Sede)"));
        Executa(q, QStringLiteral("INSERT INTO LocaisBusca (LocaisBusca) VALUES ('optimize')"));
    });
    std::printf("locais.mdb: %lld locais\n", static_cast<long long>(locais.size()));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() >= 4 && a[1] == QLatin1String("textos"))
        ConstroiTextos(a[2], a[3], a.mid(4));
    else if (a.size() == 4 && a[1] == QLatin1String("locais"))
        ConstroiLocais(a[2], a[3]);
    else
        Falha(QStringLiteral("uso: natalis-mkdb textos <destino.mdb> <versao.tsv> <textos.tsv>... | "
                             "natalis-mkdb locais <destino.mdb> <atlas.tsv>"));
    return 0;
}
