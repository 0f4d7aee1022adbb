#include "sistemaficheiros.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {
#ifdef Q_OS_WIN
// Absolute: ReplaceFileW refuses relative names (ERROR_DIRECTORY under Wine).
std::wstring largo(const QString& caminho) {
    return QDir::toNativeSeparators(QFileInfo(caminho).absoluteFilePath()).toStdWString();
}
#endif
} // namespace

bool LigacaoOuReparacao(const QString& caminho) {
#ifdef Q_OS_WIN
    const DWORD a = GetFileAttributesW(largo(caminho).c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_REPARSE_POINT);
#else
    return QFileInfo(caminho).isSymLink();
#endif
}

bool PastaAceitaFicheiros(const QString& pasta) {
    const QFileInfo info(pasta);
    if (!info.isDir())
        return false;
#ifdef Q_OS_WIN
    QTemporaryFile prova(pasta + QStringLiteral("/.natalis-escrita-XXXXXX"));
    return prova.open();
#else
    return info.isWritable();
#endif
}

#ifdef Q_OS_WIN
int SubstituiFicheiro(const QString& novo, const QString& alvo) {
    const std::wstring n = largo(novo), a = largo(alvo);
    if (GetFileAttributesW(a.c_str()) != INVALID_FILE_ATTRIBUTES) {
        if (ReplaceFileW(a.c_str(), n.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS,
                         nullptr, nullptr))
            return 0;
        const DWORD e = GetLastError();
        // A target that refuses to be replaced so (no right to its attributes, another file
        // system) is still moved over in one step; any other failure leaves both as they were.
        if (e != ERROR_UNABLE_TO_REMOVE_REPLACED && e != ERROR_UNABLE_TO_MOVE_REPLACEMENT &&
            e != ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 && e != ERROR_ACCESS_DENIED && e != ERROR_INVALID_PARAMETER &&
            e != ERROR_NOT_SUPPORTED)
            return int(e);
    }
    if (MoveFileExW(n.c_str(), a.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return 0;
    return int(GetLastError());
}
#endif

int ErrnoDoSistema(int e) {
#ifdef Q_OS_WIN
    switch (DWORD(e)) {
    case ERROR_SUCCESS:
        return 0;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_ACCESS_DENIED:
    case ERROR_PRIVILEGE_NOT_HELD:
        return EACCES;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_FILE_NOT_FOUND:
    case ERROR_INVALID_NAME:
        return ENOENT;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
        return EBUSY;
    default:
        return EIO;
    }
#else
    return e;
#endif
}
