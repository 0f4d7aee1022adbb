#pragma once
// A shipped texts database made by hand for a test: the table and field names of the real one.
#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QUuid>
#include <QVariant>
#include <utility>

inline bool CriaBaseTextos(const QString& caminho, const QList<std::pair<QString, QString>>& textos) {
    const QString ligacao = QUuid::createUuid().toString();
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ligacao);
        db.setDatabaseName(caminho);
        QSqlQuery q(db);
        ok = db.open() && q.exec(QStringLiteral("CREATE TABLE \"interpretação\" (codigo TEXT, Texto TEXT)")) && db.transaction();
        for (const auto& [codigo, texto] : textos) {
            q.prepare(QStringLiteral("INSERT INTO \"interpretação\" VALUES (?, ?)"));
            q.addBindValue(codigo);
            q.addBindValue(texto);
            ok = ok && q.exec();
        }
        ok = ok && db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(ligacao);
    return ok;
}
