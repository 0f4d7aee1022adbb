#include "paginacao.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <memory>

namespace {
// Margins as QTextDocument::print gives them: 2 cm at the screen's 96 dpi, which the layout
// scales to the device.
constexpr int kMargem = int((2 / 2.54) * 96);

// Section headings (15 points, left) and sub-headings (bold italic) of the report; a table's
// cells and centred title lines are not.
bool ETitulo(const QTextBlock& b) {
    if (b.text().trimmed().isEmpty() || QTextCursor(b).currentTable()) return false;
    if (b.blockFormat().alignment() & Qt::AlignHCenter) return false;
    const QTextCharFormat f = b.begin().fragment().charFormat();
    return (f.fontWeight() >= QFont::Bold && f.fontItalic()) || f.fontPointSize() >= 14;
}

// Top of the block's first line, in document coordinates.
double BaseDaPrimeiraLinha(QAbstractTextDocumentLayout* layout, const QTextBlock& b) {
    const QRectF r = layout->blockBoundingRect(b);
    const QTextLayout* tl = b.layout();
    return r.top() + (tl && tl->lineCount() > 0 ? tl->lineAt(0).rect().bottom() : r.height());
}

void MantemTitulosComTexto(QTextDocument& doc) {
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    const QSizeF pagina = doc.pageSize();
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (!ETitulo(b)) continue;
        QTextBlock seguinte = b.next();
        while (seguinte.isValid() && seguinte.text().trimmed().isEmpty())
            seguinte = seguinte.next();
        if (!seguinte.isValid()) break;
        const int paginaTitulo = int(layout->blockBoundingRect(b).top() / pagina.height());
        if (paginaTitulo == int(BaseDaPrimeiraLinha(layout, seguinte) / pagina.height())) continue;
        QTextBlockFormat quebra;
        quebra.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(b).mergeBlockFormat(quebra);
        // A format change mid-document leaves the layout after it unfinished; laying the whole
        // document out again keeps the positions of the headings further on right.
        doc.setPageSize(QSizeF());
        doc.setPageSize(pagina);
    }
}
// Lays the document out on the device's pages and paints it with the painter, from a new page
// when pages were painted before it.
void Imprime(const QTextDocument& documento, QPainter& p, QPagedPaintDevice& destino, bool novaPagina) {
    std::unique_ptr<QTextDocument> doc(documento.clone());
    QAbstractTextDocumentLayout* layout = doc->documentLayout();
    layout->setPaintDevice(&destino);
    QTextFrameFormat moldura = doc->rootFrame()->frameFormat();
    moldura.setMargin(kMargem);
    doc->rootFrame()->setFrameFormat(moldura);
    const QSizeF pagina(destino.width(), destino.height());
    doc->setPageSize(pagina);
    MantemTitulosComTexto(*doc);

    const double escala = destino.logicalDpiY() / 96.0;
    const QFont letra(doc->defaultFont(), &destino);
    const double ascendente = QFontMetricsF(letra, &destino).ascent();
    for (int i = 0; i < doc->pageCount(); ++i) {
        if (i > 0 || novaPagina) destino.newPage();
        p.save();
        p.translate(0, -i * pagina.height());
        QAbstractTextDocumentLayout::PaintContext contexto;
        contexto.clip = QRectF(QPointF(0, i * pagina.height()), pagina);
        contexto.palette.setColor(QPalette::Text, Qt::black);
        layout->draw(&p, contexto);
        p.restore();
        p.setFont(letra);
        p.setPen(Qt::black);
        const QPointF numero(pagina.width() - kMargem * escala,
                             pagina.height() - kMargem * escala + ascendente + 5 * destino.logicalDpiY() / 72.0);
        p.drawText(QRectF(0, numero.y() - ascendente, numero.x(), 2 * ascendente), Qt::AlignRight | Qt::AlignTop,
                   QString::number(i + 1));
    }
}
} // namespace

void ImprimeDocumento(const QTextDocument& documento, QPagedPaintDevice& destino) {
    QPainter p(&destino);
    if (p.isActive())
        Imprime(documento, p, destino, false);
}

void ImprimeDocumento(const QTextDocument& documento, QPainter& p, QPagedPaintDevice& destino) {
    Imprime(documento, p, destino, true);
}
