#pragma once
// A throw-away database shaped like Intrepreter.mdb, written straight through SQLite (not by
// the program's own tools), so a test controls exactly which texts exist and in what order.
#include <QList>
#include <QPair>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QtTest>

inline QString CriaBaseTextos(const QString& caminho, const QList<QPair<QString, QString>>& textos) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("teste-base"));
        db.setDatabaseName(caminho);
        if (!db.open()) return QString();
        QSqlQuery q(db);
        q.exec(QStringLiteral("CREATE TABLE \"interpretação\" (codigo TEXT, Texto TEXT)"));
        q.exec(QStringLiteral("CREATE INDEX i ON \"interpretação\" (codigo)"));
        q.exec(QStringLiteral("CREATE TABLE version (title TEXT, major TEXT, minor TEXT, revision TEXT)"));
        q.exec(QStringLiteral("INSERT INTO version VALUES ('Teste', '2', '3', '4')"));
        db.transaction();
        q.prepare(QStringLiteral("INSERT INTO \"interpretação\" VALUES (?, ?)"));
        for (const auto& [codigo, texto] : textos) {
            q.addBindValue(codigo);
            q.addBindValue(texto);
            q.exec();
        }
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("teste-base"));
    return caminho;
}
