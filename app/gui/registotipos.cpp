#include "registotipos.h"

#include "gravacao.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

namespace {
#ifndef Q_OS_WIN // the freedesktop registration (the registry's needs none of these)
QString pastaDados(const QString& dados) {
    if (!dados.isEmpty())
        return dados;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

// Writes only when the content differs, so an ordinary start touches no file; true when written.
bool escreveSeMudou(const QString& caminho, const QByteArray& conteudo) {
    QFile antigo(caminho);
    if (antigo.open(QIODevice::ReadOnly) && antigo.readAll() == conteudo)
        return false;
    QDir().mkpath(QFileInfo(caminho).absolutePath());
    // A chore the user did not ask for: a failure (a full disk) keeps the old registration and
    // is only logged, never put in a box at every start.
    QString erro;
    if (GravaFicheiro(caminho, conteudo, &erro))
        return true;
    qWarning("%s", qUtf8Printable(erro));
    return false;
}

QByteArray xmlMime(const TipoRegistado& t) {
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                          "  <mime-type type=\"%1\">\n"
                          "    <comment>%2</comment>\n"
                          "    <glob pattern=\"*%3\"/>\n"
                          "  </mime-type>\n"
                          "</mime-info>\n")
        .arg(t.mime, t.descricao, t.extensao)
        .toUtf8();
}

QString citaDesktop(const QString& s) {
    // Desktop-entry Exec quoting: double quotes, with \ " ` $ escaped.
    QString r;
    for (QChar c : s) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            r += QLatin1Char('\\');
        r += c;
    }
    return QLatin1Char('"') + r + QLatin1Char('"');
}
#endif
} // namespace

QString LinhaComando(const QString& executavel) {
#ifdef Q_OS_WIN
    return QLatin1Char('"') + QDir::toNativeSeparators(executavel) + QStringLiteral("\" \"%1\"");
#else
    return citaDesktop(executavel) + QStringLiteral(" %f");
#endif
}

bool FileAss(const TipoRegistado& tipo, const QString& executavel, const QString& icone, const QString& dadosUtilizador) {
    if (!QFileInfo::exists(executavel))
        return false;
#ifdef Q_OS_WIN
    Q_UNUSED(dadosUtilizador);
    QSettings classes(QStringLiteral("HKEY_CURRENT_USER\\Software\\Classes"), QSettings::NativeFormat);
    classes.setValue(tipo.extensao + QStringLiteral("/."), tipo.nomeTipo);
    classes.setValue(tipo.nomeTipo + QStringLiteral("/."), tipo.descricao);
    classes.setValue(tipo.nomeTipo + QStringLiteral("/DefaultIcon/."), icone.trimmed());
    classes.setValue(tipo.nomeTipo + QStringLiteral("/shell/Open/command/."), LinhaComando(executavel));
    return true;
#else
    const QString dados = pastaDados(dadosUtilizador);
    const QString nome = tipo.nomeTipo.toLower().replace(QLatin1Char('.'), QLatin1Char('-'));
    const bool mimeMudou =
        escreveSeMudou(dados + QStringLiteral("/mime/packages/") + nome + QStringLiteral(".xml"), xmlMime(tipo));
    const QByteArray desktop = QStringLiteral("[Desktop Entry]\nType=Application\nName=Natalis\n"
                                              "Comment=%1\nExec=%2\nIcon=%3\nMimeType=%4;\n"
                                              "NoDisplay=true\nTerminal=false\n")
                                   .arg(tipo.descricao, LinhaComando(executavel), icone.trimmed(), tipo.mime)
                                   .toUtf8();
    const bool desktopMudou =
        escreveSeMudou(dados + QStringLiteral("/applications/") + nome + QStringLiteral(".desktop"), desktop);
    // The caches are refreshed only after a change; both tools are optional on a desktop.
    if (mimeMudou && !QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty())
        QProcess::startDetached(QStringLiteral("update-mime-database"), {dados + QStringLiteral("/mime")});
    if (desktopMudou && !QStandardPaths::findExecutable(QStringLiteral("update-desktop-database")).isEmpty())
        QProcess::startDetached(QStringLiteral("update-desktop-database"), {dados + QStringLiteral("/applications")});
    return true;
#endif
}

bool RegistaTiposNatalis(const QString& executavel, const QString& icone, const QString& dadosUtilizador) {
    const bool a = FileAss({QStringLiteral(".anc"), QStringLiteral("Natalis.Chart"), QStringLiteral("Natalis Astral Natal Chart"),
                            QStringLiteral("application/x-natalis-chart")},
                           executavel, icone, dadosUtilizador);
    const bool b = FileAss({QStringLiteral(".orb"), QStringLiteral("Natalis.Orb"), QStringLiteral("Natalis Astral Aspect Orb"),
                            QStringLiteral("application/x-natalis-orb")},
                           executavel, icone, dadosUtilizador);
    return a && b;
}
