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
#include <QTextObjectInterface>
#include <QTextTable>
#include <algorithm>
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

// A table keeps its heading row and this many rows more on the page where it starts.
constexpr int kLinhasDeTabelaJuntas = 3;

// The bottom of what must share the page with a heading or a table that starts at b: the
// first line of a paragraph, or the first rows of a table.
double FimDoQueFicaJunto(QAbstractTextDocumentLayout* layout, const QTextBlock& b) {
    if (QTextTable* t = QTextCursor(b).currentTable()) {
        const int ultima = std::min(t->rows(), kLinhasDeTabelaJuntas + 1) - 1;
        double fim = 0;
        for (int k = 0; k < t->columns(); ++k)
            fim = std::max(fim, layout->blockBoundingRect(t->cellAt(ultima, k).firstCursorPosition().block()).bottom());
        return fim;
    }
    return BaseDaPrimeiraLinha(layout, b);
}

bool ComecoDeTabela(const QTextBlock& b, QTextTable** tabela) {
    *tabela = QTextCursor(b).currentTable();
    return *tabela && (*tabela)->cellAt(0, 0).firstCursorPosition().block() == b;
}

void MantemTitulosComTexto(QTextDocument& doc) {
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    const QSizeF pagina = doc.pageSize();
    const auto novaPagina = [&](auto aplica) {
        aplica();
        // A format change mid-document leaves the layout after it unfinished; laying the whole
        // document out again keeps the positions further on right.
        doc.setPageSize(QSizeF());
        doc.setPageSize(pagina);
    };
    const auto paginaDe = [&](double y) { return int(y / pagina.height()); };
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QTextTable* tabela = nullptr;
        if (ComecoDeTabela(b, &tabela)) {
            // A table after a paragraph: its first rows go with it to the next page. Its heading
            // row may stand on that page already (the layout moves whole rows).
            const double topo = layout->blockBoundingRect(b).top();
            if (paginaDe(topo) != paginaDe(FimDoQueFicaJunto(layout, b) - 1) && topo > 0)
                novaPagina([&] {
                    QTextTableFormat f = tabela->format();
                    f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                    tabela->setFormat(f);
                });
            continue;
        }
        if (!ETitulo(b)) continue;
        // A section heading followed at once by a sub-heading moves with it: the pair and the
        // first text after them stand on one page.
        QTextBlock seguinte = b.next();
        while (seguinte.isValid() && (seguinte.text().trimmed().isEmpty() || ETitulo(seguinte)))
            seguinte = seguinte.next();
        if (!seguinte.isValid()) break;
        if (paginaDe(layout->blockBoundingRect(b).top()) != paginaDe(FimDoQueFicaJunto(layout, seguinte) - 1))
            novaPagina([&] {
                QTextBlockFormat quebra;
                quebra.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                QTextCursor(b).mergeBlockFormat(quebra);
            });
        // What follows was kept with this heading; a table there needs no second look.
        b = seguinte;
    }
}
// The document's pictures as the layout prints them, save those the caller paints in place.
class ImagemNoLugar : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    ImagemNoLugar(QTextObjectInterface* original, const PinturaNoLugar& pintura)
        : m_original(original), m_pintura(pintura) {}
    QSizeF intrinsicSize(QTextDocument* doc, int pos, const QTextFormat& f) override {
        return m_original->intrinsicSize(doc, pos, f);
    }
    void drawObject(QPainter* p, const QRectF& r, QTextDocument* doc, int pos, const QTextFormat& f) override {
        if (!m_pintura(*p, r, f.toImageFormat().name())) m_original->drawObject(p, r, doc, pos, f);
    }

private:
    QTextObjectInterface* m_original;
    const PinturaNoLugar& m_pintura;
};

double Rodape(QPagedPaintDevice& destino) {
    return destino.height() - kMargem * destino.logicalDpiY() / 96.0;
}

void Numera(QPainter& p, QPagedPaintDevice& destino, const QFont& letra, int numero) {
    const double ascendente = QFontMetricsF(letra, &destino).ascent();
    p.setFont(letra);
    p.setPen(Qt::black);
    const QPointF canto(destino.width() - kMargem * destino.logicalDpiX() / 96.0,
                        Rodape(destino) + 5 * destino.logicalDpiY() / 72.0);
    p.drawText(QRectF(0, canto.y(), canto.x(), 2 * ascendente), Qt::AlignRight | Qt::AlignTop, QString::number(numero));
}

// Lays the document out on the device's pages and paints it with the painter, from a new page
// when pages were painted before it.
void Imprime(const QTextDocument& documento, QPainter& p, QPagedPaintDevice& destino, bool novaPagina,
             int primeiroNumero, const PinturaNoLugar& pintura) {
    std::unique_ptr<QTextDocument> doc(documento.clone());
    QAbstractTextDocumentLayout* layout = doc->documentLayout();
    layout->setPaintDevice(&destino);
    std::unique_ptr<ImagemNoLugar> imagens;
    if (QTextObjectInterface* original = layout->handlerForObject(QTextFormat::ImageObject); original && pintura) {
        imagens = std::make_unique<ImagemNoLugar>(original, pintura);
        layout->registerHandler(QTextFormat::ImageObject, imagens.get());
    }
    QTextFrameFormat moldura = doc->rootFrame()->frameFormat();
    moldura.setMargin(kMargem);
    doc->rootFrame()->setFrameFormat(moldura);
    const QSizeF pagina(destino.width(), destino.height());
    doc->setPageSize(pagina);
    MantemTitulosComTexto(*doc);

    const QFont letra(doc->defaultFont(), &destino);
    // The empty lines after the last paragraph may spill onto a page of their own; no blank
    // page is printed for them.
    int paginas = doc->pageCount();
    for (QTextBlock b = doc->lastBlock(); b.isValid(); b = b.previous())
        if (!b.text().trimmed().isEmpty() || QTextCursor(b).currentTable()) {
            const double fim = layout->blockBoundingRect(b).bottom();
            paginas = std::clamp(int((fim - 1) / pagina.height()) + 1, 1, paginas);
            break;
        }
    for (int i = 0; i < paginas; ++i) {
        if (i > 0 || novaPagina) destino.newPage();
        p.save();
        p.translate(0, -i * pagina.height());
        QAbstractTextDocumentLayout::PaintContext contexto;
        contexto.clip = QRectF(QPointF(0, i * pagina.height()), pagina);
        contexto.palette.setColor(QPalette::Text, Qt::black);
        layout->draw(&p, contexto);
        p.restore();
        Numera(p, destino, letra, primeiroNumero + i);
    }
}
} // namespace

void ImprimeDocumento(const QTextDocument& documento, QPagedPaintDevice& destino, const PinturaNoLugar& pintura) {
    QPainter p(&destino);
    if (p.isActive())
        Imprime(documento, p, destino, false, 1, pintura);
}

void ImprimeDocumento(const QTextDocument& documento, QPainter& p, QPagedPaintDevice& destino, int primeiroNumero,
                      const PinturaNoLugar& pintura) {
    Imprime(documento, p, destino, true, primeiroNumero, pintura);
}

double NumeraPagina(QPainter& p, QPagedPaintDevice& destino, int numero, const QFont& letra) {
    Numera(p, destino, QFont(letra, &destino), numero);
    return Rodape(destino);
}

#include "paginacao.moc"
