#include "gravacao.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <QRandomGenerator>

#include <cerrno>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#endif

#include "sistemaficheiros.h"

namespace {

// QSaveFile keeps no errno, and by the time a failed write is noticed other calls may have
// changed it: the first failing write records its own.
class FicheiroTemporario : public QSaveFile {
public:
    using QSaveFile::QSaveFile;
    int errnoFalha = 0;

protected:
    qint64 writeData(const char* dados, qint64 n) override {
        errno = 0;
        const qint64 r = QSaveFile::writeData(dados, n);
        if (r != n && errnoFalha == 0)
            errnoFalha = errno ? errno : EIO;
        return r;
    }
};

QString Intacto(const QString& caminho) {
    return QFileInfo::exists(caminho) ? QStringLiteral(" O ficheiro anterior ficou intacto.") : QString();
}

QString MotivoEscrita(const QString& caminho, int e, const QFileDevice& f) {
    const QString nome = QFileInfo(caminho).fileName();
    const QString pasta = QDir::toNativeSeparators(QFileInfo(caminho).absolutePath());
    const QString intacto = Intacto(caminho);
    if (e == ENOSPC)
        return QStringLiteral("Sem espaço no disco para gravar «%1».").arg(nome) + intacto;
#ifdef EDQUOT
    if (e == EDQUOT)
        return QStringLiteral("Quota de disco esgotada ao gravar «%1».").arg(nome) + intacto;
#endif
    if (e == EFBIG)
        return QStringLiteral("«%1» excede o tamanho máximo de ficheiro permitido.").arg(nome) + intacto;
    if (e == EACCES || e == EPERM || f.error() == QFileDevice::PermissionsError)
        return QStringLiteral("Sem permissão para escrever «%1» em %2.").arg(nome, pasta) + intacto;
    if (e == EROFS)
        return QStringLiteral("O disco de %1 só permite leitura: «%2» não foi gravado.").arg(pasta, nome) + intacto;
    if (e == EBUSY || e == ETXTBSY)
        return QStringLiteral("«%1» está aberto noutro programa, que não deixa substituí-lo; feche-o e grave de "
                              "novo.").arg(nome) + intacto;
    if (e == ENOENT || e == ENOTDIR)
        return QStringLiteral("A pasta %1 não existe: «%2» não foi gravado.").arg(pasta, nome);
    const QStorageInfo disco(QFileInfo(caminho).absolutePath());
    if (disco.isValid() && disco.bytesAvailable() == 0)
        return QStringLiteral("Sem espaço no disco para gravar «%1».").arg(nome) + intacto;
    if (e == EIO)
        return QStringLiteral("Erro do disco ao gravar «%1».").arg(nome) + intacto;
    if (f.error() == QFileDevice::NoError)
        return QStringLiteral("Não foi possível gravar «%1».").arg(nome) + intacto;
    return QStringLiteral("Erro ao gravar «%1»: %2.").arg(nome, f.errorString()) + intacto;
}

} // namespace

#ifdef Q_OS_WIN
namespace {
// Windows: the content goes to a temporary file beside the target, unbuffered so that each
// write reports its own failure, is forced to the disk with FlushFileBuffers and takes the
// target's place with ReplaceFileW (QSaveFile would rename with neither). A plain QFile: a
// closed QTemporaryFile keeps its handle open, and no open file can be moved over another.
class TemporarioWindows : public QFile {
public:
    int erroFalha = 0;
    bool abre(const QString& alvo) {
        const QFileInfo info(alvo);
        for (int tentativa = 0; tentativa < 16; ++tentativa) {
            setFileName(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QLatin1Char('.') +
                        QString::number(QRandomGenerator::global()->generate(), 36));
            SetLastError(ERROR_SUCCESS);
            if (open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
                return true;
            if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS)
                return false;
        }
        return false;
    }

protected:
    qint64 writeData(const char* dados, qint64 n) override {
        SetLastError(ERROR_SUCCESS);
        const qint64 r = QFile::writeData(dados, n);
        if (r != n && erroFalha == 0)
            erroFalha = GetLastError() ? int(GetLastError()) : int(ERROR_WRITE_FAULT);
        return r;
    }
};
} // namespace

bool GravaFicheiro(const QString& caminho, const std::function<bool(QIODevice&)>& escreve, QString* erro) {
    TemporarioWindows f;
    bool aberto = false;
    const auto falha = [&](int erroWindows) {
        f.close();
        if (aberto)
            f.remove();
        if (erro)
            *erro = MotivoEscrita(caminho, ErrnoDoSistema(erroWindows ? erroWindows : int(ERROR_WRITE_FAULT)), f);
        return false;
    };
    if (!(aberto = f.abre(caminho)))
        return falha(int(GetLastError()));
    const bool escrito = escreve(f);
    if (!escrito || f.erroFalha)
        return falha(f.erroFalha);
    const int fd = f.handle();
    const HANDLE h = fd >= 0 ? reinterpret_cast<HANDLE>(_get_osfhandle(fd)) : INVALID_HANDLE_VALUE;
    if (h == INVALID_HANDLE_VALUE || !FlushFileBuffers(h))
        return falha(int(GetLastError()));
    f.close();
    if (const int e = SubstituiFicheiro(f.fileName(), caminho))
        return falha(e);
    return true;
}
#else
bool GravaFicheiro(const QString& caminho, const std::function<bool(QIODevice&)>& escreve, QString* erro) {
    FicheiroTemporario f(caminho);
    const auto falha = [&](int e) {
        f.cancelWriting();
        if (erro)
            *erro = MotivoEscrita(caminho, e, f);
        return false;
    };
    errno = 0;
    if (!f.open(QIODevice::WriteOnly))
        return falha(errno);
    const bool escrito = escreve(f);
    if (!escrito || f.errnoFalha)
        return falha(f.errnoFalha);
    // QSaveFile buffers, and Qt 6.4's commit() does not report a failed final flush: the
    // buffer is emptied here, and the data forced to the disk, before the rename.
    errno = 0;
    if (!f.flush() || f.error() != QFileDevice::NoError)
        return falha(f.errnoFalha ? f.errnoFalha : errno);
#ifdef Q_OS_UNIX
    // Some file systems (network, quotas) report a full disk only when the data is synced.
    if (::fsync(f.handle()) != 0 && errno != EINVAL && errno != EROFS)
        return falha(errno);
#endif
    errno = 0;
    if (!f.commit()) {
        if (erro)
            *erro = MotivoEscrita(caminho, errno, f);
        return false;
    }
    return true;
}

#endif

bool GravaFicheiro(const QString& caminho, const QByteArray& bytes, QString* erro) {
    return GravaFicheiro(
        caminho, [&bytes](QIODevice& d) { return d.write(bytes) == bytes.size(); }, erro);
}
