#include "transaccao.h"

#include "gravacao.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QUrl>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

std::function<void(int)> GanchoTransaccao;

namespace {
const QByteArray Cabecalho = "diario-actualizacao 1";
// The journal is a few lines per file; anything much larger is not one.
constexpr qint64 LimiteDiario = 64 * 1024 * 1024;

struct Passo {
    QString alvo, novo, antigo; // absolute
    bool existia = false;
};

int mudancas = 0;
void mudou() {
    ++mudancas;
    if (GanchoTransaccao) GanchoTransaccao(mudancas);
}

fs::path caminhoFs(const QString& q) {
#ifdef Q_OS_WIN
    return fs::path(q.toStdWString()); // every letter of the name, whatever the ANSI code page
#else
    return fs::path(QFile::encodeName(q).toStdString());
#endif
}

bool existe(const QString& c) {
    std::error_code e;
    return fs::symlink_status(caminhoFs(c), e).type() != fs::file_type::not_found && !e;
}

// Forces a folder's entries (the names just changed in it) to the disk.
void sincronizaPasta(const QString& pasta) {
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(pasta).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(pasta);
#endif
}

void sincronizaPastas(const QList<Passo>& passos, const QString& raiz) {
    QSet<QString> pastas{raiz};
    for (const Passo& p : passos) pastas << QFileInfo(p.alvo).absolutePath() << QFileInfo(p.novo).absolutePath();
    for (const QString& p : std::as_const(pastas)) sincronizaPasta(p);
}

QString razao(const QString& alvo, const std::error_code& erro) {
    return QStringLiteral("Não foi possível pôr «%1» no lugar (%2).")
        .arg(QFileInfo(alvo).fileName(), QString::fromLocal8Bit(erro.message()));
}

// Keeps the old file under its second name: a hard link, so the target never goes missing,
// or a rename where the file system has none. On Windows always a rename: a running program
// (renovo itself, a companion left open) cannot be replaced, but it can be moved aside, and
// its old copy is removed with the staging folder by a later run once it has exited.
bool guardaAntigo(const Passo& p, std::error_code& erro) {
    if (existe(p.antigo)) return true;
    QFile::setPermissions(p.novo, QFile::permissions(p.alvo));
#ifndef Q_OS_WIN
    fs::create_hard_link(caminhoFs(p.alvo), caminhoFs(p.antigo), erro);
    if (erro)
#endif
    {
        erro.clear();
        fs::rename(caminhoFs(p.alvo), caminhoFs(p.antigo), erro);
    }
    if (!erro) mudou();
    return !erro;
}

// Puts one new file in place; already done when the new copy is no longer in the staging folder.
bool completa(const Passo& p, std::error_code& erro) {
    if (!existe(p.novo)) return true;
    // Only a file goes in: Windows, where the old file has been moved aside, would also move a
    // folder (or a link) into its place.
    const fs::file_status tipo = fs::symlink_status(caminhoFs(p.novo), erro);
    if (erro) return false;
    if (!fs::is_regular_file(tipo)) {
        erro = std::make_error_code(fs::is_directory(tipo) ? std::errc::is_a_directory : std::errc::invalid_argument);
        return false;
    }
    if (p.existia && existe(p.alvo) && !guardaAntigo(p, erro)) return false;
    fs::rename(caminhoFs(p.novo), caminhoFs(p.alvo), erro);
    if (!erro) mudou();
    return !erro;
}

// Puts every old file back, the last first. A kept copy goes back over whatever is at the
// target (also when both names are still the same file); a file that did not exist before is
// removed once its new copy has left the staging folder.
bool desfaz(const QList<Passo>& passos) {
    bool certo = true;
    for (qsizetype i = passos.size() - 1; i >= 0; --i) {
        const Passo& p = passos[i];
        std::error_code erro;
        if (p.existia && existe(p.antigo)) {
            fs::rename(caminhoFs(p.antigo), caminhoFs(p.alvo), erro);
            if (!erro) mudou();
        } else if (!p.existia && !existe(p.novo) && existe(p.alvo)) {
            fs::remove(caminhoFs(p.alvo), erro);
            if (!erro) mudou();
        }
        certo = certo && !erro;
    }
    return certo;
}

QByteArray codifica(const QString& raiz, const QString& caminho) {
    return QUrl::toPercentEncoding(QDir(raiz).relativeFilePath(caminho), "/");
}

// A path of the journal, relative to the folder; empty when it would lead out of it.
QString descodifica(const QString& raiz, const QByteArray& texto) {
    const QString relativo = QDir::cleanPath(QUrl::fromPercentEncoding(texto));
    if (relativo.isEmpty() || QDir::isAbsolutePath(relativo) || relativo == QLatin1String("..") ||
        relativo.startsWith(QLatin1String("../")) || relativo == QLatin1String("."))
        return {};
    return raiz + QLatin1Char('/') + relativo;
}

bool leDiario(const QString& raiz, QString* trabalho, QList<Passo>* passos) {
    QFile f(DiarioTransaccao(raiz));
    if (!f.open(QIODevice::ReadOnly) || f.size() > LimiteDiario) return false;
    const QList<QByteArray> linhas = f.readAll().split('\n');
    if (linhas.size() < 3 || linhas[0] != Cabecalho) return false;
    bool fim = false;
    for (qsizetype i = 1; i < linhas.size() && !fim; ++i) {
        const QList<QByteArray> campos = linhas[i].split('\t');
        if (campos[0] == "fim") {
            fim = true;
        } else if (campos[0] == "pasta" && campos.size() == 2) {
            *trabalho = descodifica(raiz, campos[1]);
            if (trabalho->isEmpty()) return false;
        } else if (campos[0] == "troca" && campos.size() == 5 && !trabalho->isEmpty()) {
            Passo p{descodifica(raiz, campos[2]), descodifica(raiz, campos[3]), descodifica(raiz, campos[4]),
                    campos[1] == "1"};
            const QString dentro = *trabalho + QLatin1Char('/');
            if (p.alvo.isEmpty() || !p.novo.startsWith(dentro) || !p.antigo.startsWith(dentro)) return false;
            passos->append(p);
        } else {
            return false;
        }
    }
    return fim;
}

bool removeDiario(const QString& raiz, const QList<Passo>& passos) {
    sincronizaPastas(passos, raiz);
    if (!QFile::remove(DiarioTransaccao(raiz))) return false;
    sincronizaPasta(raiz);
    return true;
}
} // namespace

QString DiarioTransaccao(const QString& raiz) {
    return raiz + QStringLiteral("/.renovo-diario");
}

bool ExecutaTransaccao(const QString& raizDada, const QString& trabalho, const QList<TrocaFicheiro>& trocas,
                       QString* motivo) {
    const QString raiz = QDir::cleanPath(QDir(raizDada).absolutePath());
    mudancas = 0;
    QList<Passo> passos;
    QByteArray diario = Cabecalho + "\npasta\t" + codifica(raiz, trabalho) + '\n';
    for (const TrocaFicheiro& t : trocas) {
        Passo p{QDir::cleanPath(t.alvo), QDir::cleanPath(t.novo), QDir::cleanPath(t.antigo), existe(t.alvo)};
        diario += "troca\t" + QByteArray(p.existia ? "1" : "0") + '\t' + codifica(raiz, p.alvo) + '\t' +
                  codifica(raiz, p.novo) + '\t' + codifica(raiz, p.antigo) + '\n';
        passos.append(p);
    }
    diario += "fim\n";
    QString erroDiario;
    if (!GravaFicheiro(DiarioTransaccao(raiz), diario, &erroDiario)) {
        if (motivo) *motivo = erroDiario;
        return false;
    }
    sincronizaPasta(raiz);
    for (const Passo& p : std::as_const(passos)) {
        std::error_code erro;
        if (!completa(p, erro)) {
            if (motivo) *motivo = razao(p.alvo, erro);
            // When the old files cannot all go back, the journal stays for the next start.
            if (desfaz(passos)) removeDiario(raiz, passos);
            return false;
        }
    }
    // Every file is in place: a journal that cannot be removed is completed, harmlessly, later.
    removeDiario(raiz, passos);
    return true;
}

Recuperacao RecuperaTransaccao(const QString& raizDada, QString* motivo) {
    const QString raiz = QDir::cleanPath(QDir(raizDada).absolutePath());
    if (!existe(DiarioTransaccao(raiz))) return Recuperacao::Nenhuma;
    mudancas = 0;
    QString trabalho;
    QList<Passo> passos;
    if (!leDiario(raiz, &trabalho, &passos)) {
        if (motivo)
            *motivo = QStringLiteral("O diário da última actualização (%1) está ilegível; a pasta do programa "
                                     "pode ter ficheiros de duas versões. Reinstale o Natalis.")
                          .arg(QDir::toNativeSeparators(DiarioTransaccao(raiz)));
        return Recuperacao::Falhou;
    }
    bool completada = true;
    std::error_code erro;
    QString falhado;
    for (const Passo& p : std::as_const(passos)) {
        if (!completa(p, erro)) {
            completada = false;
            falhado = p.alvo;
            break;
        }
    }
    if (!completada && !desfaz(passos)) {
        if (motivo)
            *motivo = QStringLiteral("A última actualização ficou a meio e não foi possível completá-la nem "
                                     "desfazê-la: %1")
                          .arg(razao(falhado, erro));
        return Recuperacao::Falhou;
    }
    if (!removeDiario(raiz, passos)) {
        if (motivo) *motivo = razao(DiarioTransaccao(raiz), std::error_code(errno, std::generic_category()));
        return Recuperacao::Falhou;
    }
    QDir(trabalho).removeRecursively();
    return completada ? Recuperacao::Completada : Recuperacao::Desfeita;
}
