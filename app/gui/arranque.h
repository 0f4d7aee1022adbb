#pragma once
// Start-up: the splash, the checks of the program folder, the databases, the stored options,
// the orbs, the menus for what is installed, the file types and the chart named on the
// command line.
#include <QString>
#include <QStringList>

class FonteDados;
class frmMain;

// The atlas binding on locais.mdb.
FonteDados& DataLocais();

struct OpcoesArranque {
    bool pausa = true;        // the 2-second pause with the splash
    bool splash = true;
    bool registaTipos = true;
    QString dadosUtilizador;  // where file types are registered (tests); empty = the user's own
};

// The program's version text, "1.0.0" (option -2 and the splash).
QString VersaoPrograma();

// The version label of the splash, "Versão 1.0.0".
QString TextoVersaoSplash();

// Runs the start-up. Returns the main window, shown, or nullptr when the program must end
// (a database is missing: the message was shown).
frmMain* Arranca(const QStringList& argumentos, const OpcoesArranque& opcoes = {});

// The name of a program of the folder on this platform ("renovo" → "renovo.exe" on Windows).
QString NomeExecutavel(const QString& base);
