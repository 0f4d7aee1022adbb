#include "gravacao.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

#include <cerrno>

namespace {

QString Nome(const QString& caminho) {
    return QFileInfo(caminho).fileName();
}

// errno is read straight after the failing call, before anything else can change it.
QString MotivoEscrita(const QString& caminho, int errnoEscrita, const QSaveFile& f) {
    const QString nome = Nome(caminho);
    if (errnoEscrita == ENOSPC)
        return QStringLiteral("Sem espaço no disco para gravar «%1». O ficheiro anterior ficou intacto.").arg(nome);
#ifdef EDQUOT
    if (errnoEscrita == EDQUOT)
        return QStringLiteral("Quota de disco esgotada ao gravar «%1». O ficheiro anterior ficou intacto.").arg(nome);
#endif
    if (errnoEscrita == EFBIG)
        return QStringLiteral("«%1» excede o tamanho máximo de ficheiro permitido. O ficheiro anterior ficou intacto.")
            .arg(nome);
    if (errnoEscrita == EACCES || errnoEscrita == EPERM || errnoEscrita == EROFS ||
        f.error() == QFileDevice::PermissionsError)
        return QStringLiteral("Sem permissão para escrever «%1» em %2.")
            .arg(nome, QDir::toNativeSeparators(QFileInfo(caminho).absolutePath()));
    const QStorageInfo disco(QFileInfo(caminho).absolutePath());
    if (disco.isValid() && disco.bytesAvailable() == 0)
        return QStringLiteral("Sem espaço no disco para gravar «%1». O ficheiro anterior ficou intacto.").arg(nome);
    return QStringLiteral("Erro ao gravar «%1»: %2. O ficheiro anterior ficou intacto.").arg(nome, f.errorString());
}

} // namespace

bool GravaFicheiro(const QString& caminho, const std::function<bool(QIODevice&)>& escreve, QString* erro) {
    QSaveFile f(caminho);
    errno = 0;
    if (!f.open(QIODevice::WriteOnly)) {
        const int e = errno;
        if (erro)
            *erro = MotivoEscrita(caminho, e, f);
        return false;
    }
    errno = 0;
    const bool escrito = escreve(f);
    int e = errno;
    // QSaveFile buffers: a write that reported success may only fail here, at the flush.
    const bool despejado = escrito && f.flush();
    if (escrito && !despejado)
        e = errno;
    if (!escrito || !despejado || f.error() != QFileDevice::NoError) {
        f.cancelWriting();
        if (erro)
            *erro = MotivoEscrita(caminho, e, f);
        return false;
    }
    errno = 0;
    if (!f.commit()) {
        if (erro)
            *erro = MotivoEscrita(caminho, errno, f);
        return false;
    }
    return true;
}

bool GravaFicheiro(const QString& caminho, const QByteArray& bytes, QString* erro) {
    return GravaFicheiro(
        caminho, [&bytes](QIODevice& d) { return d.write(bytes) == bytes.size(); }, erro);
}
