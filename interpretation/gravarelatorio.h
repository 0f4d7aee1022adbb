#pragma once
// Writes a report document to a file whose extension chooses the format: ".rtf" (our RTF
// writer) or ".pdf" (Qt's PDF writer, A4 pages).
#include "paginacao.h"

#include <QString>

class QTextDocument;

// False, with the reason in Portuguese, when the extension is unknown or the file cannot be
// written; an existing file is then left as it was. A PDF's pictures may be painted in place.
bool GravaRelatorio(const QTextDocument& documento, const QString& caminho, QString* erro = nullptr,
                    const PinturaNoLugar& pintura = {});
