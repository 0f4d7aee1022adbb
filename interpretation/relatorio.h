#pragma once
// The automatic interpretation report: a title block and seven sections of styled headings and
// paragraphs whose prose comes from the interpretation texts. It reads the field model and the
// chart model only and writes into a QTextDocument (the reading window's report box).
#include "planeta.h"
#include <QColor>
#include <QHash>
#include <QImage>
#include <QString>
#include <functional>
#include <vector>

class FonteDados;
class Mapa;
class QTextDocument;
struct CamposMapa;

// True while the report writer is changing a document on this thread: the reading window's
// selection handlers ignore the changes the writer makes.
bool EmEscrita();

// Marks the writer at work for the guard's lifetime (nested guards keep the mark until the
// outermost ends), so an early return or an exception never leaves it set.
class GuardaEscrita {
public:
    GuardaEscrita();
    ~GuardaEscrita();
    GuardaEscrita(const GuardaEscrita&) = delete;
    GuardaEscrita& operator=(const GuardaEscrita&) = delete;
};

enum AlinhamentoRelatorio { AlinhaEsquerda = 0, AlinhaDireita = 1, AlinhaCentro = 2 };

// The four report colours, options 15 to 18.
struct CoresRelatorio {
    CorRGB CorTitulo = 0;
    CorRGB CorTexto = 0;
    CorRGB CorSub1 = 0;
    CorRGB CorSub2 = 0;
    // Options 15 to 18; an option never written gives the program's own colour for it.
    static CoresRelatorio DasOpcoes();
    // Writes the program's own colours into the options not written yet (first start).
    static void GuardaPredefinidas();
};

// The synthesis written before the sections: option 30 turns it off with "0" (on when never
// set), option 31 chooses the modern rulers with "1" (traditional otherwise).
struct OpcoesSintese {
    bool ligada = false;
    bool regenteModerno = false;
    bool signosTradicionais = false; // "Câncer", "Virgo", "Libra" as stored, not the names of Portugal
    QImage roda; // the chart wheel, drawn by the caller; none when null
    static OpcoesSintese DasOpcoes();
};

// The resource name of the synthesis's wheel picture; a PDF draws the wheel in its place.
inline const QString kNomeRodaRelatorio = QStringLiteral("natalis://roda");

// The synthesis's wheel picture travels with the document's resources: a copy of the report
// made through fragments (joined with the personal part, for printing) takes it along with this.
void CopiaRodaRelatorio(const QTextDocument& de, QTextDocument& para);

// A report colour (red in the low byte) as a Qt colour.
QColor CorRelatorioQt(CorRGB c);

// Appends one paragraph; the style covers exactly the text, not the line ends after it.
void EscreveParagrafo(QTextDocument& doc, const QString& texto, CorRGB cor, bool negrito, bool italico,
                      bool sublinhado, int tamanho, bool linhaEmBranco, int alinhamento);

// Names as a reader meets them in the report: "a, b e c"; a body's or an aspect's name as
// written in prose ("Parte da Fortuna", "Trígono", "Meio do Céu"); "o Sol", "a Lua" with
// their article; "no Porto", "em Lisboa".
QString ListaNomes(const QStringList& nomes);
QString NomeLeitor(const QString& nome);
QString ComArtigo(const QString& nome);
QString EmLocal(const QString& local);
// "Caranguejo", "Virgem" and "Balança" for the stored "Câncer", "Virgo" and "Libra".
QString SignosDePortugal(const QString& texto);

class Relatorio {
public:
    Relatorio(const CamposMapa& campos, Mapa& mapa, FonteDados& textos, const CoresRelatorio& cores);

    // Called with the fraction done (0..1) after each step, for the reading window's bar.
    void setProgresso(std::function<void(double)> progresso) { m_progresso = std::move(progresso); }
    // Off unless set: the synthesis and its wheel picture.
    void setSintese(const OpcoesSintese& sintese) { m_sintese = sintese; }

    // Empties the document and writes the whole report.
    void AutoInterpretacao(QTextDocument& doc);

    // The section writers: one sub-heading and its paragraphs each.
    void EscrevePlaneta(QTextDocument& doc, int indice);
    void EscreveCasa(QTextDocument& doc, int casa);
    void EscreveParte(QTextDocument& doc, int indice);
    void EscreveRetrogrado(QTextDocument& doc, int indice);
    // Quíron's section, when the chart holds it: its sign, its house and its conjunction,
    // square or opposition with the Sun, the Moon and the Ascendant.
    void EscreveQuiron(QTextDocument& doc);
    void EscreveCabecalho(QTextDocument& doc);
    void EscreveResumo(QTextDocument& doc);
    void EscreveAspecto(QTextDocument& doc, const QString& nome, int16_t codigo);

    // Chart bodies 0..10 marked as clarifiers, ascending.
    std::vector<int> ListaEsclarecedores() const;
    // The text of a code with the native's three pairs.
    QString GetTexto(int32_t codigo) const;

private:
    void Progresso(double feito, double total) const;
    void Titulo(QTextDocument& doc, const QString& t) const;
    void SubTitulo(QTextDocument& doc, const QString& t);
    void Seccao(QTextDocument& doc, const QString& t);
    // The texts of the codes as paragraphs, each written once per report (see relatorio.cpp);
    // joined: no empty line between them.
    void Textos(QTextDocument& doc, const std::vector<int32_t>& codigos, bool juntos = false);
    void Paragrafo(QTextDocument& doc, const QString& t, bool linhaEmBranco = true) const;
    int SignoDe(int indice) const;
    // The synthesis and its parts (relatoriosintese.cpp).
    void EscreveSintese(QTextDocument& doc);
    void SintesePosicoes(QTextDocument& doc);
    void SinteseEquilibrio(QTextDocument& doc);
    void SinteseRegente(QTextDocument& doc);
    void SinteseFiguras(QTextDocument& doc);
    void SinteseAspectos(QTextDocument& doc);
    void SinteseFaseLunar(QTextDocument& doc);
    void SinteseAngulos(QTextDocument& doc);
    void SinteseRegentesCasas(QTextDocument& doc);
    void SinteseLeitura(QTextDocument& doc);
    // The five closest aspects, at the head of the aspects section; the closing paragraph.
    void AspectosMaisFortes(QTextDocument& doc);
    void EscreveFecho(QTextDocument& doc);
    void Tabela(QTextDocument& doc, const QStringList& cabecalho, const QList<QStringList>& linhas) const;
    QString NomeCorpo(int indice) const;
    QString Leitor(const QString& texto) const; // the sign names the options ask for

    const CamposMapa& m_campos;
    Mapa& m_mapa;
    FonteDados& m_textos;
    CoresRelatorio m_cores;
    std::function<void(double)> m_progresso;
    OpcoesSintese m_sintese;
    // Paragraphs written so far → where ("«sub-heading», em section").
    QHash<QString, QString> m_escritos;
    QString m_seccao, m_subtitulo;
};
