#pragma once
// Reading the update description: a Windows private-profile text in Windows-1252, read with
// the rules of the profile functions rather than with QSettings' own INI dialect (which
// treats backslashes, quotes and commas specially and expects UTF-8).
#include <QString>

// The value of the key in the section, blanks removed at both ends; empty when the file, the
// section or the key is missing. Section and key names ignore letter case; the first section
// and the first key of a name win; lines starting with ";" are comments. At most 999
// characters are returned.
QString ReadINI(const QString& ficheiro, const QString& seccao, const QString& chave);

// The file's first line without its line end (empty when the file cannot be read).
QString PrimeiraLinha(const QString& ficheiro);
