#pragma once
// Numbered options and recent files in the per-user settings store shared by Natalis and
// renovo (organisation and application "Natalis", sections "Options" and "RecentFiles"),
// the program folder, and the file-name helpers used throughout.
#include <QString>
#include <QStringList>

// The program folder: the executable's folder, unless a test or tool sets another.
QString PastaPrograma();
void DefinePastaPrograma(const QString& pasta);
// A path below the program folder, given with "/" separators ("orbs/Default.orb").
QString CaminhoPrograma(const QString& relativo);

// What the user is to be told once about the settings file: values beyond a sane size that
// were dropped from it. Empty when nothing.
QString TomaAvisoOpcoes();

// A missing or empty option reads as "False".
QString GetOption(int n);
void SaveOption(int n, const QString& valor);
// The text-to-number rule callers use for numeric options ("False" reads as 0).
double GetOptionNumero(int n);

void AddRecentFile(const QString& caminho);
bool IsRecentFile(const QString& caminho);   // exact, letter case counts
QStringList RecentFiles();                   // RecentFile1..4, non-empty ones, newest first

// True when the folder listing holds the file's name, ignoring letter case.
bool FileExists(const QString& caminho);
// The characters after the last separator ("\" or "/"); without the extension drops the
// last four characters.
QString FileNameOf(const QString& caminho, bool comExtensao);
