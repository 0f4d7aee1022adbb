#pragma once
// Printing a report document on pages (printer or PDF) so that a heading never stands alone at
// the foot of a page: it moves to the next page with its first paragraph.
class QPagedPaintDevice;
class QTextDocument;

// Lays the document out on the device's pages with 2 cm margins and the page number at the
// foot, as QTextDocument::print does, and prints it. The document itself is not changed.
void ImprimeDocumento(const QTextDocument& documento, QPagedPaintDevice& destino);
