#include "traducaoqt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool InstalaTraducaoQt(QCoreApplication& aplicacao) {
    // Translators installed later are asked first: Qt's catalogue goes in first, ours over it.
    auto* brasileiro = new QTranslator(&aplicacao);
    const bool temBrasileiro =
        brasileiro->load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (temBrasileiro)
        QCoreApplication::installTranslator(brasileiro);
    else
        delete brasileiro;
    auto* europeu = new QTranslator(&aplicacao);
    const bool temEuropeu = europeu->load(QStringLiteral(":/traducoes/qtbase_pt_PT.qm"));
    if (temEuropeu)
        QCoreApplication::installTranslator(europeu);
    else
        delete europeu;
    return temBrasileiro || temEuropeu;
}
