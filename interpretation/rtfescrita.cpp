#include "rtf.h"

#include "cp1252.h"

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QTextFrame>
#include <QTextImageFormat>
#include <QUrl>
#include <QFont>
#include <QList>
#include <QStringList>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextCursor>
#include <QTextTable>

#include <cmath>
#include <cstdint>

namespace {

// The page in twips: A4 (210 mm) with margins of 2.5 cm, and the text width between them.
constexpr int kLarguraA4 = 11906;
constexpr int kMargem = 1418;
constexpr int kLarguraTexto = kLarguraA4 - 2 * kMargem;

// The character properties RTF carries, as table indices and half points.
struct EstiloLetra {
    int fonte = 0;
    int meiosPontos = 24;
    bool negrito = false;
    bool italico = false;
    bool sublinhado = false;
    int cor = 0; // 0 = the reader's automatic colour
};

class Escritor {
public:
    explicit Escritor(const QTextDocument& documento) : doc(documento) {
        // Font 0 is the document's own, so "\deff0" names it.
        indiceFonte(doc.defaultFont().family());
    }

    QByteArray escreve() {
        QByteArray corpo;
        bool paragrafoAberto = false; // a paragraph was written and waits for its "\par"
        for (QTextFrame::iterator it = doc.rootFrame()->begin(); !it.atEnd(); ++it) {
            if (QTextTable* tabela = qobject_cast<QTextTable*>(it.currentFrame())) {
                if (paragrafoAberto) corpo += "\\par\r\n";
                escreveTabela(*tabela, corpo);
                paragrafoAberto = false;
                continue;
            }
            const QTextBlock b = it.currentBlock();
            if (!b.isValid()) continue; // a frame of another kind keeps no text of its own here
            if (paragrafoAberto) corpo += "\\par\r\n";
            corpo += "\\pard";
            escreveParagrafo(b, corpo);
            paragrafoAberto = true;
        }
        return cabecalho() + corpo + "\r\n}\r\n";
    }

private:
    const QTextDocument& doc;
    QStringList fontes;
    QList<QRgb> cores;
    EstiloLetra atual;   // RTF's state at the start of the body: font 0, 12 points, plain
    bool espaco = false; // the last thing written was a control word that text must not touch

    // One paragraph's alignment and text; the "\\pard" (and "\\intbl") come before it.
    void escreveParagrafo(const QTextBlock& b, QByteArray& corpo) {
        corpo += alinhamento(b.blockFormat().alignment());
        espaco = true;
        bool vazio = true;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (!f.isValid()) continue;
            if (f.charFormat().isImageFormat()) {
                for (int k = 0; k < f.length(); ++k)
                    escreveImagem(f.charFormat().toImageFormat(), corpo);
                vazio = false;
                continue;
            }
            mudaPara(estiloDe(f.charFormat()), corpo);
            escreveTexto(f.text(), corpo);
            vazio = false;
        }
        // An empty line keeps its own size, as the paragraph mark does in a word processor.
        if (vazio) mudaPara(estiloDe(b.charFormat()), corpo);
    }

    // A table as word processors keep one: each row defines its cells' right edges across the
    // text width, with thin borders; the header rows repeat on every page.
    void escreveTabela(const QTextTable& tabela, QByteArray& corpo) {
        const int colunas = tabela.columns();
        const int cabecalhos = tabela.format().headerRowCount();
        for (int l = 0; l < tabela.rows(); ++l) {
            corpo += "\\trowd\\trgaph57\\trleft0";
            if (l < cabecalhos) corpo += "\\trhdr";
            for (int k = 0; k < colunas; ++k) {
                const QTextTableCell celula = tabela.cellAt(l, k);
                if (celula.column() != k) continue; // covered by a cell spanning from the left
                corpo += "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10";
                corpo += "\\cellx" + QByteArray::number(kLarguraTexto * (k + celula.columnSpan()) / colunas);
            }
            corpo += "\r\n";
            for (int k = 0; k < colunas; ++k) {
                const QTextTableCell celula = tabela.cellAt(l, k);
                if (celula.column() != k) continue;
                const QTextBlock ultimo = celula.lastCursorPosition().block();
                for (QTextBlock b = celula.firstCursorPosition().block(); b.isValid(); b = b.next()) {
                    corpo += "\\pard\\intbl";
                    escreveParagrafo(b, corpo);
                    if (b == ultimo) break;
                    corpo += "\\par\r\n";
                }
                corpo += "\\cell\r\n";
            }
            corpo += "\\row\r\n";
            espaco = false;
        }
    }

    // A picture of the document as PNG data at its own pixels, shown at the size the document
    // gives it (96 pixels to the inch, 15 twips to the pixel).
    void escreveImagem(const QTextImageFormat& formato, QByteArray& corpo) {
        const QVariant recurso = doc.resource(QTextDocument::ImageResource, QUrl(formato.name()));
        QImage imagem = recurso.typeId() == QMetaType::QPixmap ? recurso.value<QPixmap>().toImage() : recurso.value<QImage>();
        if (imagem.isNull()) return;
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!imagem.save(&buffer, "PNG")) return;
        const QSizeF natural = imagem.deviceIndependentSize();
        const double largura = formato.width() > 0 ? formato.width() : natural.width();
        const double altura = formato.height() > 0 ? formato.height()
                              : natural.width() > 0 ? largura * natural.height() / natural.width()
                                                    : natural.height();
        corpo += "{\\pict\\picw" + QByteArray::number(imagem.width()) + "\\pich" + QByteArray::number(imagem.height()) +
                 "\\picwgoal" + QByteArray::number(std::lround(largura * 15)) + "\\pichgoal" +
                 QByteArray::number(std::lround(altura * 15)) + "\\pngblip\r\n";
        const QByteArray hex = png.toHex();
        for (qsizetype i = 0; i < hex.size(); i += 128)
            corpo += hex.mid(i, 128) + "\r\n";
        corpo += '}';
        espaco = false;
    }

    static QByteArray alinhamento(Qt::Alignment a) {
        switch (a & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute) {
        case Qt::AlignRight:
            return "\\qr";
        case Qt::AlignHCenter:
            return "\\qc";
        case Qt::AlignJustify:
            return "\\qj";
        default:
            return "\\ql";
        }
    }

    int indiceFonte(const QString& familia) {
        int i = fontes.indexOf(familia);
        if (i < 0) {
            i = fontes.size();
            fontes.append(familia);
        }
        return i;
    }

    int indiceCor(const QTextCharFormat& f) {
        if (!f.hasProperty(QTextFormat::ForegroundBrush) || f.foreground().style() == Qt::NoBrush) return 0;
        const QRgb rgb = f.foreground().color().rgb() & 0xFFFFFF;
        int i = cores.indexOf(rgb);
        if (i < 0) {
            i = cores.size();
            cores.append(rgb);
        }
        return i + 1;
    }

    EstiloLetra estiloDe(const QTextCharFormat& f) {
        const QFont letra = f.font().resolve(doc.defaultFont());
        EstiloLetra e;
        e.fonte = indiceFonte(letra.family());
        double pontos = letra.pointSizeF();
        if (pontos <= 0 && letra.pixelSize() > 0) pontos = letra.pixelSize() * 72.0 / 96.0;
        if (pontos > 0) e.meiosPontos = std::max(1, int(std::lround(pontos * 2)));
        e.negrito = letra.bold();
        e.italico = letra.italic();
        e.sublinhado = letra.underline();
        e.cor = indiceCor(f);
        return e;
    }

    void palavra(QByteArray& corpo, const char* nome, int valor) {
        corpo += '\\';
        corpo += nome;
        corpo += QByteArray::number(valor);
        espaco = true;
    }

    void liga(QByteArray& corpo, bool& atualValor, bool novo, const char* sim, const char* nao) {
        if (atualValor == novo) return;
        corpo += novo ? sim : nao;
        atualValor = novo;
        espaco = true;
    }

    void mudaPara(const EstiloLetra& e, QByteArray& corpo) {
        if (e.fonte != atual.fonte) palavra(corpo, "f", e.fonte);
        if (e.meiosPontos != atual.meiosPontos) palavra(corpo, "fs", e.meiosPontos);
        if (e.cor != atual.cor) palavra(corpo, "cf", e.cor);
        liga(corpo, atual.negrito, e.negrito, "\\b", "\\b0");
        liga(corpo, atual.italico, e.italico, "\\i", "\\i0");
        liga(corpo, atual.sublinhado, e.sublinhado, "\\ul", "\\ulnone");
        atual = e;
    }

    void literal(QByteArray& corpo, char c) {
        if (espaco) {
            corpo += ' ';
            espaco = false;
        }
        corpo += c;
    }

    void escreveTexto(const QString& texto, QByteArray& corpo) {
        QByteArray b;
        for (const QChar c : texto) {
            const char16_t u = c.unicode();
            if (u == '\\' || u == '{' || u == '}') {
                corpo += '\\';
                corpo += char(u);
                espaco = false;
            } else if (u == '\t') {
                corpo += "\\tab";
                espaco = true;
            } else if (u == QChar::LineSeparator || u == '\n' || u == '\r') {
                corpo += "\\line";
                espaco = true;
            } else if (u < 0x20 || u == QChar::ObjectReplacementCharacter) {
                // Control characters and embedded objects have no text to keep.
            } else if (u < 0x80) {
                literal(corpo, char(u));
            } else if (ParaCp1252(QString(c), b)) {
                corpo += "\\'";
                corpo += QByteArray::number(uchar(b.at(0)), 16).rightJustified(2, '0');
                espaco = false;
            } else {
                // Signed 16-bit, as RTF writes it; "?" is what a reader without Unicode shows.
                corpo += "\\u";
                corpo += QByteArray::number(int(int16_t(u)));
                corpo += '?';
                espaco = false;
            }
        }
    }

    QByteArray cabecalho() {
        QByteArray h = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang2070{\\fonttbl";
        for (int i = 0; i < fontes.size(); ++i) {
            h += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 ";
            espaco = false;
            QString nome = fontes.at(i);
            nome.remove(';'); // ";" ends a table entry and cannot be escaped
            escreveTexto(nome, h);
            h += ";}";
        }
        h += "}\r\n{\\colortbl ;";
        for (const QRgb c : cores)
            h += "\\red" + QByteArray::number(qRed(c)) + "\\green" + QByteArray::number(qGreen(c)) +
                 "\\blue" + QByteArray::number(qBlue(c)) + ';';
        // An A4 page with margins of 2.5 cm, so word processors lay the report out as printed.
        h += "}\r\n{\\*\\generator Natalis;}\\paperw" + QByteArray::number(kLarguraA4) + "\\paperh16838\\margl" +
             QByteArray::number(kMargem) + "\\margr" + QByteArray::number(kMargem) + "\\margt" + QByteArray::number(kMargem) +
             "\\margb" + QByteArray::number(kMargem) + "\\viewkind4\\uc1\r\n";
        return h;
    }
};

} // namespace

QByteArray EscreveRtf(const QTextDocument& documento) {
    return Escritor(documento).escreve();
}
