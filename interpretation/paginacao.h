#pragma once
// Printing a report document on pages (printer or PDF) so that a heading never stands alone at
// the foot of a page: it moves to the next page with its first paragraph.
#include <functional>

class QFont;
class QPagedPaintDevice;
class QPainter;
class QRectF;
class QString;
class QTextDocument;

// Paints a picture of the document, by its resource name, in the place the layout gives it
// instead of its pixels (the chart's wheel as vectors); false leaves the picture to be printed.
using PinturaNoLugar = std::function<bool(QPainter&, const QRectF& lugar, const QString& nome)>;

// Lays the document out on the device's pages with 2 cm margins and the page number at the
// foot, as QTextDocument::print does, and prints it. The document itself is not changed.
void ImprimeDocumento(const QTextDocument& documento, QPagedPaintDevice& destino, const PinturaNoLugar& pintura = {});

// The same with a painter already open on the device, after pages drawn before it (as in the
// chart's PDF): the document starts on a new page, its pages numbered from `primeiroNumero`.
void ImprimeDocumento(const QTextDocument& documento, QPainter& p, QPagedPaintDevice& destino, int primeiroNumero,
                      const PinturaNoLugar& pintura = {});

// Prints a page's number at its foot in the given font, where the report's pages have theirs;
// returns the top of the foot (in the device's coordinates), which a page's drawing stays above.
double NumeraPagina(QPainter& p, QPagedPaintDevice& destino, int numero, const QFont& letra);
