#include "rtf.h"

#include <functional>

#include "cp1252.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextTable>
#include <QImage>
#include <QUrl>

#include <algorithm>
#include <cctype>

namespace {

enum class Destino { Texto, Ignora, TabelaFontes, TabelaCores, Imagem };

// Destinations whose text is not part of the document, written by word processors
// without the "\*" that marks the newer ones.
bool DestinoIgnorado(const QByteArray& palavra) {
    // clang-format off
    static const QByteArray nomes[] = {
        "stylesheet", "info", "object", "header", "headerl", "headerr", "headerf", "footer",
        "footerl", "footerr", "footerf", "footnote", "annotation", "listtable", "listoverridetable",
        "revtbl", "rsidtbl", "generator", "xmlnstbl", "fldinst", "bkmkstart", "bkmkend", "nonshppict",
        "themedata", "colorschememapping", "latentstyles", "datastore", "template", "ftnsep", "ftnsepc",
        "aftnsep", "aftnsepc", "xe", "tc", "txe", "rxe", "private", "pntxta", "pntxtb", "falt", "panose",
        "filetbl", "mmathPr", "userprops", "docvar", "atnid", "atnauthor", "atntime", "atnref"};
    // clang-format on
    return std::find(std::begin(nomes), std::end(nomes), palavra) != std::end(nomes);
}

QChar DeCp1252Byte(char c) {
    return uchar(c) < 0x80 ? QChar::fromLatin1(c) : DeCp1252(QByteArray(1, c)).at(0);
}

// Character and paragraph properties in force inside one group.
struct Estado {
    Destino destino = Destino::Texto;
    int fonte = -1; // -1: the document's default font ("\deff")
    int meiosPontos = 24;
    bool negrito = false;
    bool italico = false;
    bool sublinhado = false;
    bool oculto = false; // "\v": hidden text, which word processors do not show
    int cor = 0;         // entry of the colour table
    int saltoUnicode = 1;
    Qt::Alignment alinhamento = Qt::AlignLeft;
    bool naTabela = false; // "\intbl": the paragraph belongs to a table cell

    bool mesmaLetra(const Estado& o) const {
        return fonte == o.fonte && meiosPontos == o.meiosPontos && negrito == o.negrito &&
               italico == o.italico && sublinhado == o.sublinhado && cor == o.cor;
    }
    void limpaLetra() {
        fonte = -1;
        meiosPontos = 24;
        negrito = italico = sublinhado = oculto = false;
        cor = 0;
    }
};

struct Troco {
    QString texto;
    QTextCharFormat formato; // an image format: a picture, its text one U+FFFC
};

struct Paragrafo {
    QTextBlockFormat formato;
    QTextCharFormat formatoMarca;
    QList<Troco> trocos;
};

// A picture being read: its kind, pixels, size on the page and hex data.
struct Imagem {
    bool png = false, jpeg = false;
    int goalLargura = 0, goalAltura = 0; // twips
    int escalaX = 100, escalaY = 100;
    QByteArray hex;
};

using Celula = QList<Paragrafo>;
using Linha = QList<Celula>;

class Leitor {
public:
    explicit Leitor(const QByteArray& rtf) : dados(rtf) {}

    // Reads the whole RTF into the document. Paragraphs go into the document as they close, so
    // memory follows the document, not the file, and the time is linear in the file's size.
    std::function<bool(double)> progresso; // told the share read; false cancels

    bool le(QTextDocument& doc, QString* erro) {
        int inicio = 0;
        if (dados.startsWith("\xEF\xBB\xBF")) inicio = 3; // the byte-order mark some editors put first
        while (inicio < dados.size() && QChar::isSpace(uchar(dados.at(inicio))))
            ++inicio;
        if (!dados.mid(inicio, 5).startsWith("{\\rtf")) {
            if (erro) *erro = QStringLiteral("O ficheiro não está no formato RTF.");
            return false;
        }
        pos = inicio;
        ultimaBarra = dados.lastIndexOf('\\');
        // Loading replaces the document: no undo history is kept for a million insertions.
        const bool desfazer = doc.isUndoRedoEnabled();
        doc.setUndoRedoEnabled(false);
        doc.clear();
        documento = &doc;
        QTextCursor c(&doc);
        cursor = &c;
        c.beginEditBlock(); // one layout pass at the end, not one per paragraph
        percorre();
        if (cancelado) {
            c.endEditBlock();
            cursor = nullptr;
            doc.clear();
            doc.setUndoRedoEnabled(desfazer);
            if (erro) *erro = QStringLiteral("A importação foi cancelada.");
            return false;
        }
        // Without a closing "\par" the last paragraph keeps the alignment its text was read in.
        const Qt::Alignment alinhamento = atual.formato.alignment();
        fechaParagrafo(estadoFinal);
        if (!atual.trocos.isEmpty()) atual.formato.setAlignment(alinhamento);
        if (!celula.isEmpty() || !linha.isEmpty()) acabaLinha(); // a row left without its "\row"
        if (!linhas.isEmpty()) escreveTabela();
        escreve(atual);
        c.endEditBlock();
        cursor = nullptr;
        doc.setUndoRedoEnabled(desfazer);
        return true;
    }

private:
    const QByteArray dados;
    qsizetype pos = 0;
    QList<Estado> pilha;
    Estado estadoFinal; // the state when the outermost group closed, for the last paragraph
    int fontePadrao = 0;
    QHash<int, QString> fontes;
    QList<QColor> cores; // invalid colour: the automatic one
    int tabelas = 0;     // bumped when a font or colour table is read, so cached formats are redone
    int fonteEmLeitura = 0;
    QString nomeFonte;
    int vermelho = -1, verde = -1, azul = -1;
    int saltoPendente = 0;
    qsizetype ultimaBarra = -1;
    QTextCursor* cursor = nullptr;
    QTextDocument* documento = nullptr;
    bool primeiro = true;
    Imagem imagem;
    int imagens = 0;
    // The table being read: its rows, the row and the cell being read; rows are written to the
    // document once a paragraph outside the table (or the end) follows them.
    QList<Linha> linhas;
    Linha linha;
    Celula celula;

    Paragrafo atual;
    Estado letraDoTroco;
    // The last format made, reused while the letter and the tables stay the same.
    Estado letraDoFormato;
    int tabelasDoFormato = -1;
    QTextCharFormat ultimoFormato;
    int tabelasDoTroco = -1;
    bool trocoAberto = false;

    // The state of the innermost open group; once the outermost group has closed (a table row
    // left without its "\row" is ended after it), the state it closed with.
    Estado& estado() { return pilha.isEmpty() ? estadoFinal : pilha.last(); }

    bool cancelado = false;

    void percorre() {
        qsizetype proximoAviso = 0;
        while (pos < dados.size()) {
            if (progresso && pos >= proximoAviso) {
                proximoAviso = pos + 256 * 1024;
                if (!progresso(double(pos) / double(dados.size()))) {
                    cancelado = true;
                    return;
                }
            }
            const char c = dados.at(pos++);
            if (c == '{') {
                saltoPendente = 0;
                pilha.append(pilha.isEmpty() ? Estado{} : pilha.last());
            } else if (c == '}') {
                saltoPendente = 0;
                if (pilha.isEmpty()) return;
                fechaGrupo();
                if (pilha.isEmpty()) {
                    // Older merged files may carry a second document's body after the first one's
                    // closing brace; it is read on rather than lost. Plain trailing bytes are not.
                    if (ultimaBarra < pos) return;
                    pilha.append(estadoFinal);
                }
            } else if (pilha.isEmpty()) {
                continue;
            } else if (c == '\\') {
                controlo();
            } else if (c == '\r' || c == '\n') {
                continue;
            } else {
                caractere(DeCp1252Byte(c));
            }
        }
        // A file cut short: keep what was read, as word processors do.
        if (!pilha.isEmpty()) estadoFinal = pilha.first();
    }

    void fechaGrupo() {
        const Estado saido = pilha.takeLast();
        if (saido.destino == Destino::TabelaFontes && !nomeFonte.trimmed().isEmpty())
            acabaFonte(); // the last entry's ";" is sometimes left out
        if (saido.destino == Destino::Imagem && (pilha.isEmpty() || pilha.last().destino != Destino::Imagem))
            acabaImagem(pilha.isEmpty() ? saido : pilha.last());
        if (pilha.isEmpty()) estadoFinal = saido;
    }

    void controlo() {
        if (pos >= dados.size()) return;
        const char c = dados.at(pos);
        if (!isalpha(uchar(c))) {
            ++pos;
            simbolo(c);
            return;
        }
        const qsizetype inicio = pos;
        while (pos < dados.size() && isalpha(uchar(dados.at(pos))))
            ++pos;
        const QByteArray nome = dados.mid(inicio, pos - inicio);
        bool temValor = false;
        int valor = 0;
        const qsizetype inicioValor = pos;
        if (pos < dados.size() && dados.at(pos) == '-') ++pos;
        while (pos < dados.size() && isdigit(uchar(dados.at(pos))))
            ++pos;
        if (pos > inicioValor && !(pos == inicioValor + 1 && dados.at(inicioValor) == '-')) {
            temValor = true;
            // RTF numbers are 16-bit or 32-bit; anything longer is clamped, not wrapped.
            valor = int(
                std::clamp(dados.mid(inicioValor, std::min<qsizetype>(pos - inicioValor, 12)).toLongLong(),
                           -2147483647LL, 2147483647LL));
        } else {
            pos = inicioValor;
        }
        if (pos < dados.size() && dados.at(pos) == ' ') ++pos;
        palavra(nome, temValor, valor);
    }

    void simbolo(char c) {
        if (c == '\'') {
            const QByteArray hex = dados.mid(pos, 2);
            bool ok = false;
            const int b = hex.toInt(&ok, 16);
            if (!ok || hex.size() < 2) return;
            pos += 2;
            caractere(DeCp1252Byte(char(b)));
            return;
        }
        if (c == '*') {
            estado().destino = Destino::Ignora;
            return;
        }
        if (saltaDoUnicode()) return;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            caractere(QChar::fromLatin1(c), false);
            break;
        case '~':
            caractere(QChar(QChar::Nbsp), false);
            break;
        case '_':
            caractere(QChar(0x2011), false);
            break;
        case '\r':
        case '\n':
            paragrafo();
            break; // "\" before a line end is "\par"
        case '\t':
            caractere(QChar('\t'), false);
            break;
        default:
            break; // "\-" optional hyphen, "\:" index subentry, "\|" formula
        }
    }

    // True when the token is the ANSI stand-in that follows a "\u" character.
    bool saltaDoUnicode() {
        if (saltoPendente <= 0) return false;
        --saltoPendente;
        return true;
    }

    void palavra(const QByteArray& nome, bool temValor, int valor) {
        if (nome == "bin") {
            // Binary data may hold braces and backslashes; it is never text for us, but it may
            // be a picture's data.
            const qsizetype n = std::min<qsizetype>(dados.size() - pos, std::max(0, valor));
            if (estado().destino == Destino::Imagem) imagem.hex += dados.mid(pos, n).toHex();
            pos += n;
            return;
        }
        Estado& e = estado();
        // Word keeps its pictures in "{\*\shppict{\pict ...}}" and a stand-in for older readers
        // in "{\nonshppict ...}", which stays skipped.
        if (nome == "shppict" && pilha.size() > 1 && pilha.at(pilha.size() - 2).destino == Destino::Texto) {
            e.destino = Destino::Texto;
            return;
        }
        if (e.destino == Destino::Ignora) return;
        if (nome == "nonshppict") {
            e.destino = Destino::Ignora;
            return;
        }
        if (nome == "pict") {
            if (e.destino != Destino::Texto) {
                e.destino = Destino::Ignora;
                return;
            }
            e.destino = Destino::Imagem;
            imagem = Imagem{};
            return;
        }
        if (e.destino == Destino::Imagem) {
            propriedadeImagem(nome, valor);
            return;
        }
        if (saltaDoUnicode()) return;
        if (nome == "u") {
            // A value past 16 bits names no character: it shows as the replacement mark
            // rather than as whatever its low bits happen to be.
            const bool valido = valor >= -32768 && valor <= 65535;
            caractere(valido ? QChar(char16_t(valor < 0 ? valor + 65536 : valor))
                             : QChar(QChar::ReplacementCharacter),
                      false);
            saltoPendente = e.saltoUnicode;
            return;
        }
        if (nome == "uc") {
            e.saltoUnicode = std::max(0, valor);
            return;
        }
        if (nome == "fonttbl") {
            e.destino = Destino::TabelaFontes;
            fontes.clear();
            nomeFonte.clear();
            ++tabelas;
            return;
        }
        if (nome == "colortbl") {
            e.destino = Destino::TabelaCores;
            cores.clear();
            vermelho = verde = azul = -1;
            ++tabelas;
            return;
        }
        if (DestinoIgnorado(nome)) {
            e.destino = Destino::Ignora;
            return;
        }
        if (nome == "deff") {
            fontePadrao = valor;
            return;
        }
        if (e.destino == Destino::TabelaFontes || e.destino == Destino::TabelaCores) {
            palavraDeTabela(e, nome, valor);
            return;
        }
        palavraDeTexto(e, nome, temValor, valor);
    }

    void propriedadeImagem(const QByteArray& nome, int valor) {
        if (nome == "pngblip")
            imagem.png = true;
        else if (nome == "jpegblip")
            imagem.jpeg = true;
        else if (nome == "picwgoal")
            imagem.goalLargura = valor;
        else if (nome == "pichgoal")
            imagem.goalAltura = valor;
        else if (nome == "picscalex" && valor > 0)
            imagem.escalaX = valor;
        else if (nome == "picscaley" && valor > 0)
            imagem.escalaY = valor;
    }

    // A word inside the font table ("\f3") or the colour table ("\red255").
    void palavraDeTabela(const Estado& e, const QByteArray& nome, int valor) {
        if (e.destino == Destino::TabelaFontes) {
            if (nome == "f") {
                if (!nomeFonte.trimmed().isEmpty()) acabaFonte();
                fonteEmLeitura = valor;
                nomeFonte.clear();
            }
            return;
        }
        const int v = std::clamp(valor, 0, 255);
        if (nome == "red")
            vermelho = v;
        else if (nome == "green")
            verde = v;
        else if (nome == "blue")
            azul = v;
    }

    void palavraDeTexto(Estado& e, const QByteArray& nome, bool temValor, int valor) {
        // Words that stand for one character; table cells become tabs.
        static const QHash<QByteArray, char16_t> caracteres{{"line", QChar::LineSeparator},
                                                            {"tab", '\t'},
                                                            {"nestcell", '\t'},
                                                            {"emdash", 0x2014},
                                                            {"endash", 0x2013},
                                                            {"bullet", 0x2022},
                                                            {"lquote", 0x2018},
                                                            {"rquote", 0x2019},
                                                            {"ldblquote", 0x201C},
                                                            {"rdblquote", 0x201D},
                                                            {"emspace", 0x2003},
                                                            {"enspace", 0x2002},
                                                            {"qmspace", 0x2005}};
        static const QHash<QByteArray, Qt::Alignment> alinhamentos{
            {"pard", Qt::AlignLeft},  {"ql", Qt::AlignLeft},    {"qr", Qt::AlignRight},
            {"qc", Qt::AlignHCenter}, {"qj", Qt::AlignJustify}, {"qd", Qt::AlignJustify}};
        const bool liga = !temValor || valor != 0;
        if (nome == "pard") e.naTabela = false;
        if (const auto c = caracteres.constFind(nome); c != caracteres.cend()) {
            caractere(QChar(*c), false);
        } else if (const auto a = alinhamentos.constFind(nome); a != alinhamentos.cend()) {
            e.alinhamento = *a;
        } else if (nome == "cell") {
            acabaCelula();
        } else if (nome == "row") {
            acabaLinha();
        } else if (nome == "intbl") {
            e.naTabela = true;
        } else if (nome == "par" || nome == "nestrow") {
            paragrafo();
        } else if (nome == "page" || nome == "sect") {
            if (!atual.trocos.isEmpty()) paragrafo();
        } else if (nome == "plain") {
            e.limpaLetra();
        } else if (nome == "b") {
            e.negrito = liga;
        } else if (nome == "i") {
            e.italico = liga;
        } else if (nome == "v") {
            e.oculto = liga;
        } else if (nome == "ulnone") {
            e.sublinhado = false;
        } else if (nome.startsWith("ul") && nome != "ulc") {
            e.sublinhado = liga; // \ul, \uld, \uldb, \ulw, \ulwave ...; \ulc is only its colour
        } else if (nome == "f") {
            e.fonte = valor;
        } else if (nome == "fs") {
            if (valor > 0) e.meiosPontos = valor;
        } else if (nome == "cf") {
            e.cor = valor;
        }
    }

    void acabaFonte() {
        QString n = nomeFonte.trimmed();
        fontes.insert(fonteEmLeitura, n);
        nomeFonte.clear();
    }

    void caractere(QChar c, bool podeSaltar = true) {
        if (podeSaltar && saltaDoUnicode()) return;
        Estado& e = estado();
        switch (e.destino) {
        case Destino::Ignora:
            return;
        case Destino::TabelaFontes:
            if (c == ';')
                acabaFonte();
            else
                nomeFonte += c;
            return;
        case Destino::TabelaCores:
            if (c == ';') {
                cores.append(vermelho < 0 && verde < 0 && azul < 0
                                 ? QColor()
                                 : QColor(std::max(0, vermelho), std::max(0, verde), std::max(0, azul)));
                vermelho = verde = azul = -1;
            }
            return;
        case Destino::Imagem:
            if (isxdigit(uchar(c.toLatin1())) && c.unicode() < 0x80) imagem.hex += char(c.unicode());
            return;
        case Destino::Texto:
            break;
        }
        if ((c.unicode() < 0x20 && c != '\t') || e.oculto) return;
        Paragrafo& p = atual;
        if (p.formato.alignment() != e.alinhamento) p.formato.setAlignment(e.alinhamento);
        if (!trocoAberto || !e.mesmaLetra(letraDoTroco) || tabelasDoTroco != tabelas) {
            p.trocos.append(Troco{QString(), formatoDe(e)});
            letraDoTroco = e;
            tabelasDoTroco = tabelas;
            trocoAberto = true;
        }
        p.trocos.last().texto += c;
    }

    QTextCharFormat formatoDe(const Estado& e) {
        if (tabelasDoFormato == tabelas && e.mesmaLetra(letraDoFormato)) return ultimoFormato;
        QTextCharFormat f;
        const QString familia = fontes.value(e.fonte < 0 ? fontePadrao : e.fonte, fontes.value(fontePadrao));
        if (!familia.isEmpty()) f.setFontFamilies({familia});
        f.setFontPointSize(e.meiosPontos / 2.0);
        f.setFontWeight(e.negrito ? QFont::Bold : QFont::Normal);
        f.setFontItalic(e.italico);
        f.setFontUnderline(e.sublinhado);
        // "\cfN" is entry N of the table; the usual empty first entry is the automatic colour.
        if (e.cor >= 0 && e.cor < cores.size() && cores.at(e.cor).isValid()) f.setForeground(cores.at(e.cor));
        letraDoFormato = e;
        tabelasDoFormato = tabelas;
        ultimoFormato = f;
        return f;
    }

    void fechaParagrafo(const Estado& e) {
        Paragrafo& p = atual;
        if (p.formato.alignment() != e.alinhamento) p.formato.setAlignment(e.alinhamento);
        p.formatoMarca = formatoDe(e);
    }

    void paragrafo() {
        fechaParagrafo(estado());
        if (estado().naTabela) {
            celula.append(atual); // one more paragraph of the cell
        } else {
            if (!celula.isEmpty() || !linha.isEmpty()) acabaLinha();
            if (!linhas.isEmpty()) escreveTabela();
            escreve(atual);
        }
        atual = Paragrafo{};
        trocoAberto = false;
    }

    void acabaCelula() {
        fechaParagrafo(estado());
        celula.append(atual);
        linha.append(celula);
        celula.clear();
        atual = Paragrafo{};
        trocoAberto = false;
    }

    void acabaLinha() {
        if (!celula.isEmpty() || !atual.trocos.isEmpty()) acabaCelula();
        if (!linha.isEmpty()) linhas.append(linha);
        linha.clear();
    }

    // The rows read become one table of as many columns as its widest row.
    void escreveTabela() {
        int colunas = 0;
        for (const Linha& l : linhas)
            colunas = std::max(colunas, int(l.size()));
        if (colunas == 0) {
            linhas.clear();
            return;
        }
        QTextTableFormat f = FormatoTabela();
        primeiro = false; // the document's first block, if nothing was written yet, stays before the table
        QTextTable* t = cursor->insertTable(int(linhas.size()), colunas, f);
        for (int l = 0; l < linhas.size(); ++l)
            for (int k = 0; k < linhas[l].size(); ++k) {
                QTextCursor c = t->cellAt(l, k).firstCursorPosition();
                bool primeiroDaCelula = true;
                for (const Paragrafo& p : linhas[l][k]) {
                    if (primeiroDaCelula) {
                        c.setBlockFormat(p.formato);
                        c.setBlockCharFormat(p.formatoMarca);
                        primeiroDaCelula = false;
                    } else {
                        c.insertBlock(p.formato, p.formatoMarca);
                    }
                    insereTrocos(c, p);
                }
            }
        cursor->movePosition(QTextCursor::End);
        linhas.clear();
        primeiro = true; // the block after the table takes the next paragraph
    }

    // The picture read becomes a resource of the document, shown at its size on the page
    // (15 twips to the pixel at 96 to the inch) in the paragraph being read.
    void acabaImagem(const Estado& e) {
        if (!imagem.png && !imagem.jpeg) return; // metafiles and bitmaps of old readers: skipped
        QImage lida;
        if (!lida.loadFromData(QByteArray::fromHex(imagem.hex), imagem.png ? "PNG" : "JPG")) return;
        const QUrl nome(QStringLiteral("natalis://rtf/imagem%1").arg(++imagens));
        documento->addResource(QTextDocument::ImageResource, nome, lida);
        QTextImageFormat f;
        f.setName(nome.toString());
        const double largura = imagem.goalLargura > 0 ? imagem.goalLargura / 15.0 : lida.width();
        const double altura = imagem.goalAltura > 0 ? imagem.goalAltura / 15.0 : lida.height();
        f.setWidth(largura * imagem.escalaX / 100.0);
        f.setHeight(altura * imagem.escalaY / 100.0);
        if (atual.formato.alignment() != e.alinhamento) atual.formato.setAlignment(e.alinhamento);
        atual.trocos.append(Troco{QString(QChar::ObjectReplacementCharacter), f});
        trocoAberto = false;
        imagem = Imagem{};
    }

    static void insereTrocos(QTextCursor& c, const Paragrafo& p) {
        for (const Troco& t : p.trocos) {
            if (t.formato.isImageFormat())
                c.insertImage(t.formato.toImageFormat());
            else
                c.insertText(t.texto, t.formato);
        }
    }

    void escreve(const Paragrafo& p) {
        if (primeiro) {
            cursor->setBlockFormat(p.formato);
            cursor->setBlockCharFormat(p.formatoMarca);
            primeiro = false;
        } else {
            cursor->insertBlock(p.formato, p.formatoMarca);
        }
        insereTrocos(*cursor, p);
    }
};

} // namespace

QTextTableFormat FormatoTabela() {
    QTextTableFormat f;
    f.setCellPadding(3);
    f.setCellSpacing(0);
    f.setBorder(1);
    f.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    f.setBorderCollapse(true);
    f.setBorderBrush(QColor(160, 160, 160));
    return f;
}

bool LeRtf(const QByteArray& rtf, QTextDocument& documento, QString* erro, const std::function<bool(double)>& progresso) {
    Leitor leitor(rtf);
    leitor.progresso = progresso;
    return leitor.le(documento, erro);
}
