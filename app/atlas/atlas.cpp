#include "atlas.h"

#include "dobra.h"
#include "opcoes.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSet>
#include <QSettings>
#include <QUuid>

namespace {
// How many of a prefix's first matches (most populous first) are looked through for the first
// country's places.
constexpr int kLidosPais = 20000;
// How many times as populous a place must be as the next to be taken for the one meant.
constexpr qint64 kDominante = 50;
const QString kColunas = QStringLiteral("\"Local\", \"Latitude\", \"Longitude\", \"Fuso\", Regiao, Pais, Populacao");

LocalAtlas LeLocal(const QSqlQuery& q) {
    LocalAtlas l;
    l.nome = q.value(0).toString();
    l.latitude = q.value(1).toString();
    l.longitude = q.value(2).toString();
    l.fuso = q.value(3).toString();
    l.regiao = q.value(4).toString();
    l.pais = q.value(5).toString();
    l.populacao = q.value(6).toLongLong();
    return l;
}

// The text typed, split into the name's folded words and the region or country after a comma.
struct Pedido {
    QString nome;
    QString onde;
};
Pedido Interpreta(const QString& texto) {
    const qsizetype virgula = texto.indexOf(QLatin1Char(','));
    return {DobraTexto(texto.left(virgula)), virgula < 0 ? QString() : DobraTexto(texto.mid(virgula + 1))};
}
// A folded phrase at the start of a word of a folded text.
bool ComecaPalavra(const QString& texto, const QString& frase) {
    return frase.isEmpty() || (QLatin1Char(' ') + texto).contains(QLatin1Char(' ') + frase);
}
bool ServeOnde(const LocalAtlas& l, const QString& onde) {
    return ComecaPalavra(DobraTexto(l.regiao + QLatin1Char(' ') + l.pais), onde);
}

// SQLite reads a damaged page only when a query reaches it, so damage would read as "not in
// the atlas". quick_check walks every page once; the verdict is kept per file state, so a file
// opened again in the same run is not walked twice.
bool Integra(const QSqlDatabase& db, const QString& tabela) {
    static QSet<QString> verificadas;
    const QFileInfo info(db.databaseName());
    const QString chave = info.canonicalFilePath() + QLatin1Char('|') + QString::number(info.size()) +
                          QLatin1Char('|') + QString::number(info.lastModified().toMSecsSinceEpoch());
    if (verificadas.contains(chave)) return true;
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next() || q.value(0).toString() != QLatin1String("ok") ||
        db.record(tabela).isEmpty())
        return false;
    verificadas.insert(chave);
    return true;
}

// A name beside the damaged file that no other file has: "locais-proprios.danificado-2026-12-07.db".
QString NomeAParte(const QString& caminho) {
    const QFileInfo info(caminho);
    const QString base = info.absoluteDir().filePath(info.completeBaseName() + QStringLiteral(".danificado-") +
                                                     QDate::currentDate().toString(Qt::ISODate));
    QString nome = base + QStringLiteral(".db");
    for (int n = 2; QFileInfo::exists(nome) || QFileInfo(nome).isSymLink(); ++n)
        nome = base + QStringLiteral("-%1.db").arg(n);
    return nome;
}
} // namespace

namespace {
const QString kNenhumPais = QStringLiteral("Nenhum");
} // namespace

QString PaisDoUtilizador() {
    const QString v = GetOption(OPCAO_PAIS_ATLAS);
    if (v == QLatin1String("False"))
        return QStringLiteral("Portugal");
    return v == kNenhumPais ? QString() : v;
}

void GuardaPaisDoUtilizador(const QString& pais) { SaveOption(OPCAO_PAIS_ATLAS, pais.isEmpty() ? kNenhumPais : pais); }

QString MensagemAtlasDanificado() {
    return QStringLiteral("O ficheiro Locais.mdb não foi encontrado ou está corrompido.\n"
                          "Reinstale esta aplicação ou coloque o ficheiro no local original");
}

struct Atlas::Dados {
    QString ligacao = QStringLiteral("atlas-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    QString ligacaoUtilizador = ligacao + QStringLiteral("-utilizador");
    bool aberto = false;
    QString aviso;
    // The user's places are few: kept in memory with their folded keys.
    QList<LocalAtlas> proprios;
    QStringList chaves;

    QString caminhoUtilizador;
    QString paisPrimeiro;

    QSqlDatabase base() const { return QSqlDatabase::database(ligacao, false); }
    QSqlDatabase baseUtilizador() const { return QSqlDatabase::database(ligacaoUtilizador, false); }
    bool abreUtilizador() {
        if (baseUtilizador().isOpen())
            return true;
        QDir().mkpath(QFileInfo(caminhoUtilizador).absolutePath());
        QSqlDatabase u = QSqlDatabase::contains(ligacaoUtilizador)
                             ? QSqlDatabase::database(ligacaoUtilizador, false)
                             : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ligacaoUtilizador);
        u.setDatabaseName(caminhoUtilizador);
        if (!u.open())
            return false;
        QSqlQuery q(u);
        return q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS \"Locais\" (\"Local\" TEXT, \"Latitude\" TEXT, "
                                     "\"Longitude\" TEXT, \"Fuso\" TEXT, Regiao TEXT, Pais TEXT, "
                                     "Populacao INTEGER, Original TEXT)"));
    }
};

Atlas::Atlas() : m_d(new Dados) {}

Atlas::~Atlas() {
    const QString a = m_d->ligacao;
    const QString b = m_d->ligacaoUtilizador;
    delete m_d;
    for (const QString& l : {a, b})
        if (QSqlDatabase::contains(l))
            QSqlDatabase::removeDatabase(l);
}

QString Atlas::CaminhoUtilizador() {
    // Beside the settings store's own file (on Windows, the roaming application data folder).
    const QSettings ini(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Natalis"), QStringLiteral("Natalis"));
    return QFileInfo(ini.fileName()).absoluteDir().filePath(QStringLiteral("locais-proprios.db"));
}

bool Atlas::Aberto() const { return m_d->aberto; }

bool Atlas::Abre(const QString& base, const QString& baseUtilizador, QString* erro) {
    auto falha = [&](const QString& e) {
        if (erro)
            *erro = e;
        return false;
    };
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_d->ligacao);
    db.setDatabaseName(base);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!QFileInfo(base).isFile() || !db.open() || !Integra(db, QStringLiteral("Locais"))) {
        db.close();
        return falha(MensagemAtlasDanificado());
    }

    m_d->caminhoUtilizador = baseUtilizador;
    m_d->aviso.clear();
    // Nothing is created until the user stores a place. A damaged file of the user's own places
    // never takes the shipped atlas with it: it is put aside, kept for whoever can mend it.
    const QFileInfo proprio(baseUtilizador);
    if ((proprio.exists() || proprio.isSymLink()) && !leProprios()) {
        if (QSqlDatabase::contains(m_d->ligacaoUtilizador)) QSqlDatabase::database(m_d->ligacaoUtilizador, false).close();
        m_d->proprios.clear();
        m_d->chaves.clear();
        const QString aParte = NomeAParte(baseUtilizador);
        const bool posto = QDir().rename(baseUtilizador, aParte);
        m_d->aviso = posto ? QStringLiteral("O ficheiro dos seus locais próprios estava danificado e foi posto de parte "
                                          "como %1. O atlas do programa continua disponível; os locais que acrescentar "
                                          "a partir de agora ficam num ficheiro novo.")
                               .arg(QDir::toNativeSeparators(aParte))
                         : QStringLiteral("O ficheiro dos seus locais próprios (%1) está danificado e não pôde ser posto "
                                          "de parte. O atlas do programa continua disponível.")
                               .arg(QDir::toNativeSeparators(baseUtilizador));
    }
    m_d->aberto = true;
    return true;
}

bool Atlas::leProprios() {
    m_d->proprios.clear();
    m_d->chaves.clear();
    if (!QFileInfo(m_d->caminhoUtilizador).isFile() || !m_d->abreUtilizador() ||
        !Integra(m_d->baseUtilizador(), QStringLiteral("Locais")))
        return false;
    QSqlQuery q(m_d->baseUtilizador());
    if (!q.exec(QStringLiteral("SELECT ") + kColunas + QStringLiteral(", Original FROM \"Locais\" ORDER BY rowid")))
        return false;
    while (q.next()) {
        LocalAtlas l = LeLocal(q);
        l.proprio = true;
        l.original = q.value(7).toString();
        m_d->proprios << l;
        m_d->chaves << DobraTexto(l.nome);
    }
    return true;
}

QString Atlas::Aviso() const { return m_d->aviso; }

void Atlas::DefinePaisPrimeiro(const QString& pais) { m_d->paisPrimeiro = pais; }

QList<LocalAtlas> Atlas::Procura(const QString& texto, int limite) const {
    QList<LocalAtlas> r;
    const Pedido p = Interpreta(texto);
    if (!m_d->aberto || p.nome.isEmpty())
        return r;
    QStringList substituidos, vistos;
    for (const LocalAtlas& l : m_d->proprios)
        if (!l.original.isEmpty())
            substituidos << l.original;
    // Places named exactly as typed come first ("Calheta" before "Arco da Calheta"), then those
    // whose name or a word of it starts so; the user's own before the shipped ones.
    for (const bool exacto : {true, false}) {
        for (int i = 0; i < m_d->proprios.size() && r.size() < limite; ++i) {
            const LocalAtlas& l = m_d->proprios[i];
            const bool serve = exacto ? m_d->chaves[i] == p.nome : ComecaPalavra(m_d->chaves[i], p.nome);
            if (serve && ServeOnde(l, p.onde) && !vistos.contains(l.nome)) {
                r << l;
                vistos << l.nome;
            }
        }
        // The folded words are letters and digits only, so they are safe inside the phrase; the
        // last one is a prefix. Table order is most populous first. With a region or country
        // to match, more rows are read and filtered here. The first country's places are read
        // first, by a query of their own, so a small town of it is not lost behind the limit.
        const qsizetype inicioPais = r.size();
        for (const bool doPais : {true, false}) {
            if (doPais && m_d->paisPrimeiro.isEmpty())
                continue;
            const QString filtroPais = doPais ? QStringLiteral(" AND Pais = ?") : QString();
            const int lidos = p.onde.isEmpty() ? limite + int(substituidos.size() + vistos.size()) : 4000;
            QSqlQuery q(m_d->base());
            q.setForwardOnly(true);
            if (exacto) {
                q.prepare(QStringLiteral("SELECT ") + kColunas + QStringLiteral(" FROM \"Locais\" WHERE Chave = ?") +
                          filtroPais + QStringLiteral(" ORDER BY Id LIMIT ?"));
                q.addBindValue(p.nome);
            } else {
                // The country's places among the first matches only: a prefix of one letter
                // matches most of the atlas, and reading all of it would cost every keystroke.
                q.prepare(QStringLiteral("SELECT ") + kColunas +
                          QStringLiteral(" FROM \"Locais\" WHERE Id IN (SELECT rowid FROM LocaisBusca WHERE "
                                         "LocaisBusca MATCH ? ORDER BY rowid LIMIT ?)") +
                          filtroPais + QStringLiteral(" ORDER BY Id LIMIT ?"));
                q.addBindValue(QLatin1Char('"') + p.nome + QStringLiteral("\" *"));
                q.addBindValue(doPais ? kLidosPais : lidos);
            }
            if (doPais)
                q.addBindValue(m_d->paisPrimeiro);
            q.addBindValue(lidos);
            if (!q.exec())
                continue;
            const qsizetype antes = r.size();
            while (r.size() < limite && q.next()) {
                LocalAtlas l = LeLocal(q);
                if (!substituidos.contains(l.nome) && !vistos.contains(l.nome) && ServeOnde(l, p.onde)) {
                    r << l;
                    vistos << l.nome;
                }
            }
            // A foreign place far more populous than the country's of the same name is the one
            // meant ("São Paulo" is Brazil's city, not a Lisbon street): it goes before them.
            if (exacto && !doPais && !m_d->paisPrimeiro.isEmpty() && r.size() > antes && antes > inicioPais &&
                r[antes].populacao >= kDominante * std::max<qint64>(1, r[inicioPais].populacao))
                r.move(antes, inicioPais);
        }
    }
    return r;
}

std::optional<LocalAtlas> Atlas::FindLocal(const QString& local) const {
    for (const LocalAtlas& l : m_d->proprios)
        if (l.nome == local)
            return l;
    if (!m_d->aberto)
        return std::nullopt;
    for (const LocalAtlas& l : m_d->proprios)
        if (l.original == local)
            return std::nullopt; // edited away under another name
    QSqlQuery q(m_d->base());
    q.prepare(QStringLiteral("SELECT ") + kColunas + QStringLiteral(" FROM \"Locais\" WHERE \"Local\" = ? ORDER BY Id LIMIT 1"));
    q.addBindValue(local);
    if (q.exec() && q.next())
        return LeLocal(q);
    return std::nullopt;
}

QStringList Atlas::Paises() const {
    QStringList r;
    QSqlQuery q(m_d->base());
    if (m_d->aberto && q.exec(QStringLiteral("SELECT DISTINCT Pais FROM \"Locais\" WHERE Pais <> '' ORDER BY Pais")))
        while (q.next())
            r << q.value(0).toString();
    // "Áustria" among the A's, as a reader looks for it.
    std::stable_sort(r.begin(), r.end(), [](const QString& a, const QString& b) { return DobraTexto(a) < DobraTexto(b); });
    return r;
}

bool Atlas::Guarda(const LocalAtlas& local, QString* erro) {
    auto falha = [&](const QString& e) {
        if (erro)
            *erro = e;
        return false;
    };
    if (!m_d->aberto)
        return falha(QStringLiteral("O atlas não está aberto."));
    if (!m_d->abreUtilizador())
        return falha(QStringLiteral("Não foi possível criar %1.").arg(m_d->caminhoUtilizador));
    LocalAtlas l = local;
    l.proprio = true;
    // An edit of an own place replaces it; an edit of a shipped place is stored beside it.
    int existente = -1;
    for (int i = 0; i < m_d->proprios.size(); ++i)
        if (m_d->proprios[i].nome == (l.original.isEmpty() ? l.nome : l.original) ||
            (!l.original.isEmpty() && m_d->proprios[i].original == l.original))
            existente = i;
    if (existente >= 0 && l.original == m_d->proprios[existente].nome)
        l.original = m_d->proprios[existente].original;
    QSqlQuery q(m_d->baseUtilizador());
    if (existente >= 0) {
        q.prepare(QStringLiteral("UPDATE \"Locais\" SET \"Local\"=?, \"Latitude\"=?, \"Longitude\"=?, \"Fuso\"=?, "
                                 "Regiao=?, Pais=?, Populacao=?, Original=? WHERE \"Local\"=?"));
    } else {
        q.prepare(QStringLiteral("INSERT INTO \"Locais\" (\"Local\", \"Latitude\", \"Longitude\", \"Fuso\", Regiao, "
                                 "Pais, Populacao, Original) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    }
    for (const QVariant& v : {QVariant(l.nome), QVariant(l.latitude), QVariant(l.longitude), QVariant(l.fuso),
                              QVariant(l.regiao), QVariant(l.pais), QVariant(l.populacao), QVariant(l.original)})
        q.addBindValue(v);
    if (existente >= 0)
        q.addBindValue(m_d->proprios[existente].nome);
    if (!q.exec())
        return falha(q.lastError().text());
    if (existente >= 0) {
        m_d->proprios[existente] = l;
        m_d->chaves[existente] = DobraTexto(l.nome);
    } else {
        m_d->proprios << l;
        m_d->chaves << DobraTexto(l.nome);
    }
    return true;
}

EscolhaAtlas EscolheLocal(const Atlas& atlas, const QString& texto) {
    EscolhaAtlas e;
    if (auto exacto = atlas.FindLocal(texto.trimmed())) {
        e.local = exacto;
        return e;
    }
    const QList<LocalAtlas> achados = atlas.Procura(texto, 20);
    // A place whose own name is the text typed wins over those whose name only starts with it.
    const QString nome = Interpreta(texto).nome;
    QList<LocalAtlas> iguais;
    for (const LocalAtlas& l : achados) {
        const QString proprio = l.nome.left(l.nome.indexOf(QStringLiteral(" (")));
        if (DobraTexto(proprio) == nome)
            iguais << l;
    }
    const QList<LocalAtlas>& escolha = iguais.isEmpty() ? achados : iguais;
    // One far more populous than the next is the one meant: "Luanda" is Angola's capital, not
    // a Kenyan village of the same name.
    const bool dominante = escolha.size() > 1 && escolha[0].populacao >= kDominante * std::max<qint64>(1, escolha[1].populacao);
    if (escolha.size() == 1 || dominante)
        e.local = escolha.first();
    else
        e.candidatos = escolha;
    return e;
}
