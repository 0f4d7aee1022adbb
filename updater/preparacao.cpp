#include "preparacao.h"

#include "sistemaficheiros.h"
#include "transaccao.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace {
const QString Prefixo = QStringLiteral(".renovo-");

bool falha(QString* motivo, const QString& texto) {
    if (motivo) *motivo = texto;
    return false;
}
} // namespace

QString MotivoEscritaDisco(int erro, const QString& nome) {
    switch (erro) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return QStringLiteral("Sem espaço no disco para guardar %1.").arg(nome);
    case EFBIG:
        return QStringLiteral("%1 excede o tamanho máximo de ficheiro permitido.").arg(nome);
    case EACCES:
    case EPERM:
    case EROFS:
        return QStringLiteral("Sem permissão para escrever %1 na pasta do programa.").arg(nome);
    default:
        return QStringLiteral("Não foi possível escrever %1 (%2).").arg(nome, QString::fromLocal8Bit(strerror(erro)));
    }
}

bool AlvoInseguro(const QString& raiz, const QString& alvo) {
    const QString base = QDir::cleanPath(QDir(raiz).absolutePath());
    const QString limpo = QDir::cleanPath(alvo);
    if (!limpo.startsWith(base + QLatin1Char('/'))) return true;
    const QStringList partes = limpo.mid(base.size() + 1).split(QLatin1Char('/'));
    QString caminho = base;
    for (qsizetype i = 0; i < partes.size(); ++i) {
        caminho += QLatin1Char('/') + partes[i];
        const QFileInfo info(caminho);
        if (LigacaoOuReparacao(caminho)) return true; // a junction or mount point on Windows too
        const bool ultimo = i + 1 == partes.size();
        if (!ultimo && !info.isDir()) return true;
        if (ultimo && info.exists() && !info.isFile()) return true;
    }
    return false;
}

Preparacao::Preparacao(const QString& pastaPrograma) : m_raiz(QDir::cleanPath(QDir(pastaPrograma).absolutePath())) {
    if (RecuperaTransaccao(m_raiz, &m_recuperacaoFalhada) == Recuperacao::Falhou) return;
    m_recuperacaoFalhada.clear();
    // Staging folders a crash left behind, or that held a program still running when it was
    // replaced (Windows); links and junctions of that name are left alone, never followed.
    QDirIterator antigas(m_raiz, {Prefixo + QLatin1Char('*')}, QDir::Dirs | QDir::Hidden | QDir::NoSymLinks);
    while (antigas.hasNext()) {
        const QString p = antigas.next();
        if (!LigacaoOuReparacao(p)) QDir(p).removeRecursively();
    }
}

bool Preparacao::Utilizavel(QString* motivo) const {
    if (m_recuperacaoFalhada.isEmpty()) return true;
    return falha(motivo, m_recuperacaoFalhada);
}

Preparacao::~Preparacao() = default;

bool Preparacao::Abre(const QString& alvo, QFile& ficheiro, QString* motivo) {
    const QString nome = QFileInfo(alvo).fileName();
    if (AlvoInseguro(m_raiz, alvo))
        return falha(motivo, QStringLiteral("%1 não é um ficheiro comum da pasta do programa (ligação simbólica ou "
                                            "pasta inexistente); não será substituído.")
                                 .arg(nome));
    if (!m_pasta) {
        errno = 0;
        m_pasta = std::make_unique<QTemporaryDir>(m_raiz + QLatin1Char('/') + Prefixo + QStringLiteral("XXXXXX"));
        if (!m_pasta->isValid()) {
            const int e = errno;
            m_pasta.reset();
            return falha(motivo, MotivoEscritaDisco(e ? e : EACCES, nome));
        }
    }
    Entrada e;
    e.alvo = alvo;
    e.novo = m_pasta->filePath(QStringLiteral("%1.novo").arg(m_entradas.size()));
    e.antigo = m_pasta->filePath(QStringLiteral("%1.antigo").arg(m_entradas.size()));
    ficheiro.setFileName(e.novo);
    errno = 0;
    // Unbuffered: each write reaches the system at once, so a full disk shows on that write.
    if (!ficheiro.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return falha(motivo, MotivoEscritaDisco(errno ? errno : EACCES, nome));
    m_entradas.append(e);
    return true;
}

bool Preparacao::Acrescenta(const QString& alvo, const QByteArray& conteudo, QString* motivo) {
    QFile f;
    if (!Abre(alvo, f, motivo)) return false;
    errno = 0;
    if (f.write(conteudo) != conteudo.size() || !f.flush()) {
        const int e = errno ? errno : EIO;
        return falha(motivo, MotivoEscritaDisco(e, QFileInfo(alvo).fileName()));
    }
    f.close();
    return true;
}

bool Preparacao::PoeNoLugar(QString* motivo) {
    if (m_entradas.isEmpty()) return true;
    // Checked again: the folder may have changed while the files arrived.
    for (const Entrada& e : std::as_const(m_entradas))
        if (AlvoInseguro(m_raiz, e.alvo))
            return falha(motivo, QStringLiteral("%1 passou a ser uma ligação simbólica; nada foi substituído.")
                                     .arg(QFileInfo(e.alvo).fileName()));
    QList<TrocaFicheiro> trocas;
    for (const Entrada& e : std::as_const(m_entradas)) trocas.append({e.alvo, e.novo, e.antigo});
    const bool certo = ExecutaTransaccao(m_raiz, m_pasta->path(), trocas, motivo);
    // The old copies stay while a journal still names them.
    if (QFileInfo::exists(DiarioTransaccao(m_raiz))) m_pasta->setAutoRemove(false);
    return certo;
}
