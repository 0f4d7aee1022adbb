#pragma once
// Reading the update description: a Windows private-profile text in Windows-1252, read with
// the rules of the profile functions rather than with QSettings' own INI dialect (which
// treats backslashes, quotes and commas specially and expects UTF-8). The text is read once
// from a byte buffer, so looking up many keys stays linear and any bytes can be fed to it.
#include <QByteArray>
#include <QHash>
#include <QString>

class PerfilIni {
public:
    // Sections and keys of the text. Section and key names ignore letter case; the first
    // section and the first key of a name win; lines starting with ";" are comments.
    static PerfilIni Le(const QByteArray& texto);

    // The value of the key in the section, blanks removed at both ends; empty when the
    // section or the key is missing. At most 999 characters are returned.
    QString Valor(const QString& seccao, const QString& chave) const;

private:
    QHash<QString, QHash<QString, QString>> m_seccoes;
};

// One value straight from a text (see PerfilIni).
QString ReadINI(const QByteArray& texto, const QString& seccao, const QString& chave);

// The text's first line without its line end.
QString PrimeiraLinha(const QByteArray& texto);
