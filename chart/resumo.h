#pragma once
// The positions summary: what the fields show, as plain text lines (the file is written in
// Windows-1252 with CR LF; the command-line tool prints the same lines in UTF-8).
#include "camposmapa.h"
#include "mapa.h"

#include <QString>
#include <QStringList>

QStringList LinhasResumo(const CamposMapa& campos, Mapa& mapa);

// Writes the summary file, replacing any previous one only when the new one is complete.
// An empty path does nothing. Failures are shown in a message box (CaixaMensagens()).
bool SaveResume(const QString& caminho, const CamposMapa& campos, Mapa& mapa);

// One line per aspect of the chart's global collection, in detection order, then those of
// the optional points.
QStringList LinhasAspectos(Mapa& mapa);
