#pragma once
// The fonts the drawing prints in: the symbol font Sigil, embedded in the program, and the
// serif face of the numbers.
#include <QFont>
#include <QString>

inline const QString FONTE_SIGIL = QStringLiteral("Sigil");
inline const QString FONTE_NUMEROS = QStringLiteral("Times New Roman");

// Registers the embedded Sigil with the application's font database (once; needs a
// QGuiApplication). False when the font could not be loaded.
bool CarregaSigil();

// A font by the name the drawing uses and a size in points; "Times New Roman" falls back to
// metric-compatible or similar serif faces where it is not installed.
QFont FonteDesenho(const QString& nome, double pontos);
