#include "fontedados.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QSet>
#include <QSqlError>
#include <QSqlRecord>
#include <QVariant>
#include <atomic>

namespace {
QString NovaLigacao() {
    static std::atomic<int> contador{0};
    return QStringLiteral("natalis-fonte-%1").arg(++contador);
}
} // namespace

FonteDados::FonteDados() : m_ligacao(NovaLigacao()) {}

FonteDados::~FonteDados() {
    Fecha();
}

void FonteDados::Fecha() {
    m_procura.reset();
    m_campoProcura.clear();
    // The program-wide sources outlive the application object: by then Qt's connection
    // registry is gone, and the process is ending anyway.
    if (QCoreApplication::instance() && QSqlDatabase::contains(m_ligacao)) {
        QSqlDatabase::database(m_ligacao, false).close();
        QSqlDatabase::removeDatabase(m_ligacao);
    }
    m_aberta = false;
    m_campos.clear();
    SemRegisto(true);
}

QString FonteDados::Identificador(const QString& nome) const {
    QString n = nome;
    n.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + n + QLatin1Char('"');
}

// SQLite reads a damaged page only when a query reaches it, so a file with garbage in its middle
// opens and then yields empty texts. quick_check walks every page once; its verdict is kept per
// file state so that a file opened again in the same run is not walked twice.
bool FonteDados::Integra(QSqlDatabase& db) {
    static QSet<QString> verificadas;
    const QFileInfo info(db.databaseName());
    const QString chave = info.canonicalFilePath() + QLatin1Char('|') + QString::number(info.size()) +
                          QLatin1Char('|') + QString::number(info.lastModified().toMSecsSinceEpoch());
    if (verificadas.contains(chave)) return true;
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next() ||
        q.value(0).toString() != QLatin1String("ok"))
        return false;
    verificadas.insert(chave);
    return true;
}

bool FonteDados::Abre(const QString& caminho, const QString& tabela, bool soLeitura) {
    Fecha();
    m_caminho = caminho;
    m_tabela = tabela;
    // SQLite would create an empty database for a missing path; a missing file is an error.
    if (!QFileInfo(caminho).isFile()) {
        m_erro = QStringLiteral("O ficheiro %1 não existe.").arg(caminho);
        return false;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_ligacao);
    db.setDatabaseName(caminho);
    if (soLeitura) db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open()) {
        m_erro = db.lastError().text();
        return false;
    }
    if (!Integra(db)) {
        m_erro = QStringLiteral("O ficheiro %1 está danificado.").arg(caminho);
        db.close();
        return false;
    }
    const QSqlRecord r = db.record(tabela);
    if (r.isEmpty()) {
        m_erro = QStringLiteral("A tabela %1 não existe em %2.").arg(tabela, caminho);
        db.close();
        return false;
    }
    for (int i = 0; i < r.count(); ++i)
        m_campos << r.fieldName(i);
    m_aberta = true;
    m_erro.clear();
    MoveFirst();
    return true;
}

void FonteDados::SemRegisto(bool fim) {
    m_rowid = -1;
    m_valores.clear();
    m_alterados.clear();
    m_novo = false;
    m_fim = fim;
}

bool FonteDados::Le(QSqlQuery& q) {
    if (!q.next()) return false;
    m_rowid = q.value(0).toLongLong();
    m_valores.clear();
    for (int i = 0; i < m_campos.size(); ++i)
        m_valores << q.value(i + 1).toString();
    m_alterados.clear();
    m_novo = false;
    m_fim = false;
    return true;
}

bool FonteDados::Mover(const QString& condicao, const QString& ordem, bool fim) {
    if (!m_aberta) return false;
    QSqlQuery q(QSqlDatabase::database(m_ligacao, false));
    q.setForwardOnly(true);
    QString sql = QStringLiteral("SELECT rowid, * FROM %1").arg(Identificador(m_tabela));
    if (!condicao.isEmpty()) sql += QStringLiteral(" WHERE ") + condicao;
    sql += QStringLiteral(" ORDER BY rowid ") + ordem + QStringLiteral(" LIMIT 1");
    if (!q.prepare(sql)) return false;
    if (!condicao.isEmpty()) q.addBindValue(m_rowid);
    if (q.exec() && Le(q)) return true;
    SemRegisto(fim);
    return false;
}

void FonteDados::GuardaPendente() {
    if (m_novo && m_alterados.isEmpty())
        m_novo = false;
    else if (m_novo || !m_alterados.isEmpty())
        Update();
}

void FonteDados::MoveFirst() {
    GuardaPendente();
    Mover(QString(), QStringLiteral("ASC"), true);
}

void FonteDados::MoveLast() {
    GuardaPendente();
    Mover(QString(), QStringLiteral("DESC"), true);
}

void FonteDados::MoveNext() {
    GuardaPendente();
    if (m_rowid < 0) {
        SemRegisto(true);
        return;
    }
    Mover(QStringLiteral("rowid > ?"), QStringLiteral("ASC"), true);
}

bool FonteDados::FindFirst(const QString& campo, const QString& valor) {
    GuardaPendente();
    m_semCorrespondencia = true;
    if (!m_aberta || !m_campos.contains(campo)) {
        SemRegisto(true);
        return false;
    }
    // The statement is kept prepared: fetching a text is the report's inner loop.
    if (!m_procura || m_campoProcura != campo) {
        m_procura = std::make_unique<QSqlQuery>(QSqlDatabase::database(m_ligacao, false));
        m_procura->setForwardOnly(true);
        const QString sql = QStringLiteral("SELECT rowid, * FROM %1 WHERE %2 = ? ORDER BY rowid LIMIT 1")
                                .arg(Identificador(m_tabela), Identificador(campo));
        if (!m_procura->prepare(sql)) {
            m_procura.reset();
            SemRegisto(true);
            return false;
        }
        m_campoProcura = campo;
    }
    m_procura->bindValue(0, valor);
    const bool achou = m_procura->exec() && Le(*m_procura);
    m_procura->finish();
    if (!achou) SemRegisto(true);
    m_semCorrespondencia = !achou;
    return achou;
}

QString FonteDados::Campo(const QString& nome) const {
    if (m_alterados.contains(nome)) return m_alterados.value(nome);
    const qsizetype i = m_campos.indexOf(nome);
    if (i < 0 || i >= m_valores.size()) return QString();
    return m_valores[i];
}

void FonteDados::AddNew() {
    m_rowid = -1;
    m_valores.clear();
    m_alterados.clear();
    m_novo = true;
    m_fim = false;
}

void FonteDados::SetCampo(const QString& nome, const QString& valor) {
    if (m_campos.contains(nome) && (m_novo || m_rowid >= 0)) m_alterados.insert(nome, valor);
}

void FonteDados::CancelUpdate() {
    if (m_novo) {
        SemRegisto(true);
        MoveLast();
    } else {
        m_alterados.clear();
    }
}

bool FonteDados::Update() {
    if (!m_aberta || (!m_novo && m_rowid < 0)) return false;
    if (m_alterados.isEmpty() && !m_novo) return true;
    QSqlQuery q(QSqlDatabase::database(m_ligacao, false));
    QStringList nomes;
    for (auto it = m_alterados.cbegin(); it != m_alterados.cend(); ++it)
        nomes << it.key();
    QString sql;
    if (m_novo) {
        QStringList ids, marcas;
        for (const QString& n : nomes) {
            ids << Identificador(n);
            marcas << QStringLiteral("?");
        }
        sql = nomes.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(Identificador(m_tabela))
                              : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                    .arg(Identificador(m_tabela), ids.join(QLatin1Char(',')),
                                         marcas.join(QLatin1Char(',')));
    } else {
        QStringList pares;
        for (const QString& n : nomes)
            pares << Identificador(n) + QStringLiteral(" = ?");
        sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                  .arg(Identificador(m_tabela), pares.join(QLatin1Char(',')));
    }
    if (!q.prepare(sql)) {
        m_erro = q.lastError().text();
        return false;
    }
    for (const QString& n : nomes)
        q.addBindValue(m_alterados.value(n));
    if (!m_novo) q.addBindValue(m_rowid);
    if (!q.exec()) {
        m_erro = q.lastError().text();
        return false;
    }
    const qint64 rowid = m_novo ? q.lastInsertId().toLongLong() : m_rowid;
    // Re-read the stored record so the cursor shows exactly what the table holds.
    QSqlQuery r(QSqlDatabase::database(m_ligacao, false));
    r.prepare(QStringLiteral("SELECT rowid, * FROM %1 WHERE rowid = ?").arg(Identificador(m_tabela)));
    r.addBindValue(rowid);
    if (!r.exec() || !Le(r)) SemRegisto(true);
    return true;
}
