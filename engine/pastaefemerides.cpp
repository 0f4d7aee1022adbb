#include "pastaefemerides.h"

#include <QtGlobal> // Q_OS_WIN

#include <swephexp.h>

#ifdef Q_OS_WIN
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <windows.h>

namespace {
// The ANSI code page form of the path, or its short (8.3) name when a letter has no place
// there (a user folder named in Greek on a Portuguese system).
QByteArray caminhoAnsi(const QString& caminho) {
    const std::wstring w = QDir::toNativeSeparators(caminho).toStdWString();
    BOOL perdeu = FALSE;
    const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, w.c_str(), -1, nullptr, 0, nullptr, &perdeu);
    if (n > 0 && !perdeu) {
        QByteArray r(n, '\0');
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, w.c_str(), -1, r.data(), n, nullptr, &perdeu);
        r.chop(1);
        return r;
    }
    std::wstring curto(MAX_PATH, L'\0');
    curto.resize(GetShortPathNameW(w.c_str(), curto.data(), MAX_PATH));
    return QString::fromStdWString(curto).toLocal8Bit();
}
} // namespace
#endif

void PreparaPastaEfemerides() {
#ifdef Q_OS_WIN
    if (qEnvironmentVariableIsEmpty("SE_EPHE_PATH")) {
        const QString pasta = QCoreApplication::applicationDirPath() + QStringLiteral("/ephe");
        if (QFileInfo(pasta).isDir()) {
            QByteArray c = caminhoAnsi(pasta);
            swe_set_ephe_path(c.data());
            return;
        }
    }
#endif
    swe_set_ephe_path(nullptr);
}
