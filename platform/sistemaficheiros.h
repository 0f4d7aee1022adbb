#pragma once
// What the file systems of Linux and Windows do differently, answered in one place for the
// writers, the installed-folder rule and renovo.
#include <QString>

// True when `caminho` itself is a symbolic link or, on Windows, any reparse point (a junction,
// a volume mount point, a symbolic link): a name that leads somewhere else.
bool LigacaoOuReparacao(const QString& caminho);

// Whether files can be created in `pasta`. On Linux its permission bits say so; on Windows the
// read-only attribute says nothing about the folder's access list (Program Files for a user who
// is not an administrator), so a file is created there and removed.
bool PastaAceitaFicheiros(const QString& pasta);

#ifdef Q_OS_WIN
// Puts `novo` in the place of `alvo` in one step on the same volume: ReplaceFileW when `alvo`
// exists (its attributes and access list carry over), else MoveFileExW, both writing through
// to the disk. 0, or GetLastError() with `alvo` left as it was.
int SubstituiFicheiro(const QString& novo, const QString& alvo);
#endif

// The errno value (ENOSPC, EACCES, EROFS, ENOENT, EBUSY, EIO...) of a system error code
// (GetLastError() on Windows), so the messages are written once: the same number on Linux.
int ErrnoDoSistema(int erroSistema);
