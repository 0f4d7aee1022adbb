#pragma once
// Where the programs keep what the user makes. A program folder the user can write (a build
// folder, a portable copy) keeps everything below it: charts in logs/, orb files in orbs/,
// backgrounds in backgrounds/. An installed program folder (a Debian package, Program Files)
// holds only what is shipped and is never written: the user's charts go to the documents
// folder (Natalis/Mapas), orb files and backgrounds to the per-user data folder.
// Every program of the family (Natalis, Movela, Duetto, Glosador) asks here.
#include <QString>
#include <QStringList>

// The file a package or an installer puts in the program folder: the folder is the system's,
// updates and file-type registration are the package manager's. Present, the folder counts as
// not writable even for a user (root, an administrator) the system would let write it.
inline constexpr const char* kMarcaInstalacaoSistema = "instalado-pelo-sistema";

// True when the program folder is the system's (the file above is in it).
bool InstaladoPeloSistema();

// Whether the program writes into its own folder: not installed by the system and writable.
bool PastaProgramaGravavel();

// The folders below are created when asked for (a chooser opening, a file being saved).
// Charts: program folder logs/, or the documents folder's Natalis/Mapas.
QString PastaMapas();
// The user's orb files: program folder orbs/, or the per-user data folder's orbs/.
QString PastaOrbesUtilizador();
// The user's background pictures: program folder backgrounds/, or the data folder's backgrounds/.
QString PastaFundosUtilizador();

// Where shipped files of a kind are and where the user's go ("orbs", "backgrounds"), without
// repeats: one folder in a writable program folder, two in an installed one. Not created.
QStringList PastasDoTipo(const QString& subpasta);

// The message of a program that would write into an installed folder (the updater).
QString TextoActualizacaoPeloSistema();
