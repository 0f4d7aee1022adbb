#pragma once
// Rich text as the report box and the reading window hold it, read and written as RTF.
// Covers what the report and the window use: fonts, sizes, bold, italic, underline,
// colours, alignment, paragraphs, line breaks, tabs, every Unicode character, tables
// ("\trowd ... \cell ... \row", one paragraph or more per cell) and PNG or JPEG pictures
// ("\pict\pngblip", with their size on the page). Written for an A4 page in Portuguese.
#include <QByteArray>
#include <QString>

#include <functional>

#include <QTextTableFormat>

class QTextDocument;

// The one look of the report's tables, also given to the tables an RTF file brings.
QTextTableFormat FormatoTabela();

// The whole document as RTF. The header ends at "\deflang2070", the default-language word
// that older files of this program are merged at.
QByteArray EscreveRtf(const QTextDocument& documento);

// Replaces the document's content by the RTF's. Reads this program's files and ordinary
// RTF written by word processors; groups it does not know are skipped. On failure (data
// that is not RTF) the document is left as it was and erro says why in Portuguese.
// `progresso`, when given, is told the share read (0..1) now and then; false from it stops
// the reading (the document is then left empty: read into one that is not yet shown).
bool LeRtf(const QByteArray& rtf, QTextDocument& documento, QString* erro = nullptr,
           const std::function<bool(double)>& progresso = {});
