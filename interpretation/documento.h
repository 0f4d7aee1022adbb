#pragma once
// The reading window's two documents, the report and the personal interpretation, saved
// as one RTF file (the report, then the personal part from its heading) and split again
// when such a file is imported.
#include <QString>
#include <QtGlobal>

#include <functional>

class QTextDocument;

// Heading the personal pane always starts with; importing splits a file at it.
inline const QString kCabecalhoPessoal = QStringLiteral("Interpretação Pessoal");

// False when the personal document holds nothing but its heading (and blank space).
bool TemTextoPessoal(const QTextDocument& pessoal);

// destino becomes the report followed by the personal document, each with its formatting;
// the report alone when the personal document has no text of its own.
void JuntaInterpretacao(const QTextDocument& relatorio, const QTextDocument& pessoal, QTextDocument& destino);

// When the report holds "Interpretação Pessoal" (any case), moves the text from its first
// occurrence to the end into the personal document, which it replaces. False, with both
// documents untouched, when the heading is not there.
bool SeparaInterpretacao(QTextDocument& relatorio, QTextDocument& pessoal);

// Writes the joined documents to caminho as RTF, through a temporary file. On failure the
// file is left as it was and erro holds the reason in Portuguese.
bool GuardaInterpretacao(const QString& caminho, const QTextDocument& relatorio, const QTextDocument& pessoal,
                         QString* erro = nullptr);

// The largest RTF file the reading window imports: a report with its wheel is well under a
// megabyte, and a document of hundreds of thousands of paragraphs cannot be edited anyway.
inline constexpr qint64 MaximoImportacao = 8 * 1024 * 1024;

// Loads an RTF file into the report and gives its personal part back to the personal
// document. On failure neither document changes, except after a cancel through `progresso`
// (see LeRtf), which leaves the report empty: a window reads into documents not yet shown.
bool ImportaInterpretacao(const QString& caminho, QTextDocument& relatorio, QTextDocument& pessoal,
                          QString* erro = nullptr, const std::function<bool(double)>& progresso = {});
