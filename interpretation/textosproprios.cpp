#include "textosproprios.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QUuid>
#include <QVariant>
#include <utility>

namespace {
// SQLite's own result codes, as Qt reports them.
const QString kCorrompida = QStringLiteral("11");
const QString kNaoEBase = QStringLiteral("26");
const QString kCheia = QStringLiteral("13");

constexpr int kPropriedadeCodigo = QTextFormat::UserProperty + 0x6c6f; // "lo": the report's own

bool Danificada(const QSqlError& e) {
    return e.nativeErrorCode() == kCorrompida || e.nativeErrorCode() == kNaoEBase;
}
} // namespace

QString TextosProprios::CaminhoPredefinido() {
    const QSettings ini(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Natalis"),
                        QStringLiteral("Natalis"));
    return QFileInfo(ini.fileName()).absoluteDir().filePath(QStringLiteral("textos-proprios.db"));
}

TextosProprios::~TextosProprios() {
    Fecha();
}

void TextosProprios::Fecha() {
    if (m_ligacao.isEmpty()) return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_ligacao, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_ligacao);
    m_ligacao.clear();
}

void TextosProprios::DefineCaminho(const QString& caminho) {
    Fecha();
    m_caminho = caminho;
    m_textos.clear();
    m_lido = QDateTime();
    m_tamanho = -1;
}

void TextosProprios::PoeDeParte(const QString& motivo) {
    Fecha();
    const QString aparte =
        m_caminho + QStringLiteral(".danificado-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    const bool movido = QFile::rename(m_caminho, aparte);
    m_aviso = movido ? QStringLiteral("O ficheiro dos seus textos próprios (%1) estava danificado (%2) e foi posto de "
                                      "parte como %3.\nAs interpretações usam os textos do programa.")
                           .arg(m_caminho, motivo, aparte)
                     : QStringLiteral("O ficheiro dos seus textos próprios (%1) está danificado (%2) e não pôde ser "
                                      "posto de parte.\nAs interpretações usam os textos do programa.")
                           .arg(m_caminho, motivo);
    m_textos.clear();
    m_lido = QDateTime();
    m_tamanho = -1;
}

bool TextosProprios::Le() {
    const QString ligacao = QStringLiteral("textosproprios-leitura-") + QUuid::createUuid().toString(QUuid::Id128);
    QHash<QString, TextoProprio> lidos;
    QSqlError falha;
    bool danificada = false, ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ligacao);
        db.setDatabaseName(m_caminho);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=2000"));
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("PRAGMA quick_check")) && q.next() && q.value(0).toString() != QLatin1String("ok")) {
                danificada = true;
            } else if (!danificada) {
                ok = q.exec(QStringLiteral("SELECT codigo, Texto, Original, Alterado FROM textos"));
                if (ok)
                    while (q.next())
                        lidos.insert(q.value(0).toString(), {q.value(0).toString(), q.value(1).toString(),
                                                             q.value(2).toString(), q.value(3).toString()});
                else if (q.lastError().text().contains(QLatin1String("no such table")))
                    ok = true; // a file the editor created but never filled
                else
                    falha = q.lastError();
                danificada = !ok && Danificada(falha);
            }
        } else {
            falha = db.lastError();
            danificada = Danificada(falha);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(ligacao);
    if (danificada) {
        PoeDeParte(falha.nativeErrorCode() == kNaoEBase ? QStringLiteral("não é uma base de dados")
                                                        : QStringLiteral("a verificação da base de dados falhou"));
        return false;
    }
    // Busy (the editor writing at this moment): what was read before stays, and the next
    // lookup tries again.
    if (!ok) return true;
    m_textos = lidos;
    return true;
}

bool TextosProprios::Actualiza() {
    if (m_caminho.isEmpty()) return true;
    const QFileInfo f(m_caminho);
    if (!f.exists()) {
        m_textos.clear();
        m_lido = QDateTime();
        m_tamanho = -1;
        return true;
    }
    if (f.size() == m_tamanho && f.lastModified() == m_lido) return true;
    m_tamanho = f.size();
    m_lido = f.lastModified();
    return Le();
}

bool TextosProprios::Procura(int32_t codigo, QString& texto) {
    if (m_caminho.isEmpty()) return false;
    Actualiza();
    const auto i = m_textos.constFind(QString::number(codigo));
    if (i == m_textos.cend()) return false;
    texto = i->texto;
    return true;
}

bool TextosProprios::Tem(const QString& codigo) {
    Actualiza();
    return m_textos.contains(codigo);
}

TextoProprio TextosProprios::Entrada(const QString& codigo) {
    Actualiza();
    return m_textos.value(codigo);
}

QHash<QString, TextoProprio> TextosProprios::Todos() {
    Actualiza();
    return m_textos;
}

bool TextosProprios::Altera(const std::function<bool(QSqlQuery&)>& muda, QString* erro) {
    auto falha = [&](const QSqlError& e) {
        if (erro)
            *erro = e.nativeErrorCode() == kCheia
                        ? QStringLiteral("Sem espaço no disco para gravar os seus textos em «%1».").arg(m_caminho)
                        : QStringLiteral("Não foi possível gravar os seus textos em «%1»: %2")
                              .arg(m_caminho, e.databaseText().isEmpty() ? e.text() : e.databaseText());
        return false;
    };
    if (m_caminho.isEmpty()) return falha(QSqlError(QString(), QStringLiteral("sem ficheiro")));
    // A damaged file is put aside (and reported) before a fresh one takes its place.
    Actualiza();
    if (m_ligacao.isEmpty()) {
        QDir().mkpath(QFileInfo(m_caminho).absolutePath());
        m_ligacao = QStringLiteral("textosproprios-escrita-") + QUuid::createUuid().toString(QUuid::Id128);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_ligacao);
        db.setDatabaseName(m_caminho);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open()) {
            const QSqlError e = db.lastError();
            Fecha();
            return falha(e);
        }
    }
    QSqlDatabase db = QSqlDatabase::database(m_ligacao, false);
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) return falha(q.lastError());
    const bool ok = q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS textos (codigo TEXT PRIMARY KEY, "
                                          "Texto TEXT NOT NULL, Original TEXT, Alterado TEXT)")) &&
                    muda(q) && q.exec(QStringLiteral("COMMIT"));
    if (!ok) {
        const QSqlError e = q.lastError();
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return falha(e);
    }
    // Read back what the file now holds, so the cache never claims what was not stored.
    m_tamanho = -1;
    return Actualiza();
}

bool TextosProprios::GravaVarios(const QList<TextoProprio>& entradas, QString* erro) {
    const QString agora = QDateTime::currentDateTime().toString(Qt::ISODate);
    return Altera(
        [&](QSqlQuery& q) {
            q.prepare(QStringLiteral("INSERT OR REPLACE INTO textos (codigo, Texto, Original, Alterado) VALUES (?, ?, ?, ?)"));
            for (const TextoProprio& e : entradas) {
                q.addBindValue(e.codigo);
                q.addBindValue(e.texto);
                q.addBindValue(e.original);
                q.addBindValue(e.alterado.isEmpty() ? agora : e.alterado);
                if (!q.exec()) return false;
            }
            return true;
        },
        erro);
}

bool TextosProprios::Grava(const TextoProprio& entrada, QString* erro) {
    return GravaVarios({entrada}, erro);
}

bool TextosProprios::Repoe(const QString& codigo, QString* erro) {
    return Altera(
        [&](QSqlQuery& q) {
            q.prepare(QStringLiteral("DELETE FROM textos WHERE codigo = ?"));
            q.addBindValue(codigo);
            return q.exec();
        },
        erro);
}

QString TextosProprios::TomaAviso() {
    Actualiza();
    return std::exchange(m_aviso, QString());
}

TextosProprios& TextosUtilizador() {
    static TextosProprios t;
    return t;
}

void MarcaCodigoParagrafo(const QTextBlock& bloco, int32_t codigo) {
    QTextCursor c(bloco);
    QTextBlockFormat f = c.blockFormat();
    f.setProperty(kPropriedadeCodigo, codigo);
    c.setBlockFormat(f);
}

int32_t CodigoParagrafo(const QTextBlock& bloco) {
    const QVariant v = bloco.blockFormat().property(kPropriedadeCodigo);
    return v.isValid() ? v.toInt() : -1;
}
