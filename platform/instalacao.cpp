#include "instalacao.h"

#include "opcoes.h"
#include "sistemaficheiros.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
// The per-user data folder of Natalis, the same for every program of the family whatever
// name the running program gave itself.
QString pastaDadosUtilizador() {
    const QString org = QCoreApplication::organizationName();
    const QString nome = QCoreApplication::applicationName();
    QCoreApplication::setOrganizationName(QStringLiteral("Natalis"));
    QCoreApplication::setApplicationName(QStringLiteral("Natalis"));
    const QString pasta = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QCoreApplication::setOrganizationName(org);
    QCoreApplication::setApplicationName(nome);
    return pasta;
}

QString pastaDocumentos() {
    // The XDG variable wins, as xdg-user-dir reads it; then the user's dirs file, then ~/Documents.
    const QString xdg = qEnvironmentVariable("XDG_DOCUMENTS_DIR");
    if (!xdg.isEmpty())
        return xdg;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString criada(const QString& pasta) {
    QDir().mkpath(pasta);
    return QDir::toNativeSeparators(QDir::cleanPath(pasta));
}
} // namespace

bool InstaladoPeloSistema() {
    return QFileInfo::exists(PastaPrograma() + QLatin1Char('/') + QLatin1String(kMarcaInstalacaoSistema));
}

bool PastaProgramaGravavel() {
    return !InstaladoPeloSistema() && PastaAceitaFicheiros(PastaPrograma());
}

QString PastaMapas() {
    if (PastaProgramaGravavel())
        return criada(CaminhoPrograma(QStringLiteral("logs")));
    return criada(pastaDocumentos() + QStringLiteral("/Natalis/Mapas"));
}

QString PastaOrbesUtilizador() {
    if (PastaProgramaGravavel())
        return criada(CaminhoPrograma(QStringLiteral("orbs")));
    return criada(pastaDadosUtilizador() + QStringLiteral("/orbs"));
}

QString PastaFundosUtilizador() {
    if (PastaProgramaGravavel())
        return criada(CaminhoPrograma(QStringLiteral("backgrounds")));
    return criada(pastaDadosUtilizador() + QStringLiteral("/backgrounds"));
}

QStringList PastasDoTipo(const QString& subpasta) {
    QStringList pastas{CaminhoPrograma(subpasta)};
    if (!PastaProgramaGravavel())
        pastas << QDir::toNativeSeparators(pastaDadosUtilizador() + QLatin1Char('/') + subpasta);
    return pastas;
}

QString TextoActualizacaoPeloSistema() {
#ifdef Q_OS_WIN
    return QStringLiteral("Esta instalação é actualizada pelo instalador do Natalis: obtenha a nova versão e "
                          "instale-a por cima desta.");
#else
    return QStringLiteral("Esta instalação é actualizada pelo gestor de pacotes do sistema.");
#endif
}
