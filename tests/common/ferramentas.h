#pragma once
// The Linux tools the suite takes as independent references (swetest, iconv, minisign,
// poppler's pdftotext and pdftoppm). scripts/setup.sh installs them, so on Linux a missing one
// fails the test; the Windows build's suite runs under Wine, where they do not exist, and skips.
#include <QStandardPaths>
#include <QtTest>

#ifdef Q_OS_WIN
#define NATALIS_SEM_FERRAMENTA(nome, pacote) QSKIP(nome " é uma ferramenta do Linux (pacote Debian " pacote ")")
#else
#define NATALIS_SEM_FERRAMENTA(nome, pacote) QFAIL(nome " não está instalado (pacote Debian " pacote ", scripts/setup.sh)")
#endif
#define EXIGE_FERRAMENTA(nome, pacote) \
    do { if (QStandardPaths::findExecutable(QStringLiteral(nome)).isEmpty()) NATALIS_SEM_FERRAMENTA(nome, pacote); } while (false)
