#pragma once
// The automatic interpretation of a chart as natalis-cli writes it, with the side labels the
// report quotes filled as the main window's redraw fills them.
#include "camposmapa.h"
#include "mapa.h"

class QTextDocument;

// False (with the message shown) when the interpretation database cannot be opened.
bool CompoeRelatorio(CamposMapa& campos, Mapa& mapa, QTextDocument& doc);
