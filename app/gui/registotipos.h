#pragma once
// Registers the chart (.anc) and orb (.orb) file types for the current user at every start:
// a freedesktop MIME type and desktop entry on Linux, the per-user classes key on Windows.
// Per user, so that the program never needs administrator rights to start.
#include <QString>

struct TipoRegistado {
    QString extensao;   // ".anc"
    QString nomeTipo;   // "Natalis.Chart"
    QString descricao;  // "Natalis Astral Natal Chart"
    QString mime;       // "application/x-natalis-chart"
};

// Returns false and changes nothing when the executable does not exist. dadosUtilizador is
// the user's data folder (XDG_DATA_HOME or ~/.local/share on Linux).
bool FileAss(const TipoRegistado& tipo, const QString& executavel, const QString& icone,
             const QString& dadosUtilizador = QString());

// Both types of the program, as start-up registers them.
bool RegistaTiposNatalis(const QString& executavel, const QString& icone, const QString& dadosUtilizador = QString());

// The command line of the desktop entry, quoted so that paths with blanks work.
QString LinhaComando(const QString& executavel);
