#pragma once
// Printing a report document on pages (printer or PDF) so that a heading never stands alone at
// the foot of a page: it moves to the next page with its first paragraph.
class QPagedPaintDevice;
class QPainter;
class QTextDocument;

// Lays the document out on the device's pages with 2 cm margins and the page number at the
// foot, as QTextDocument::print does, and prints it. The document itself is not changed.
void ImprimeDocumento(const QTextDocument& documento, QPagedPaintDevice& destino);

// The same with a painter already open on the device (pages drawn before it, as in the chart's
// PDF); the document starts on a new page.
void ImprimeDocumento(const QTextDocument& documento, QPainter& p, QPagedPaintDevice& destino);
