#pragma once
// The automatic interpretation report: a title block and seven sections of styled headings and
// paragraphs whose prose comes from the interpretation texts. It reads the field model and the
// chart model only and writes into a QTextDocument (the reading window's report box).
#include "planeta.h"
#include <QString>
#include <functional>
#include <vector>

class FonteDados;
class Mapa;
class QTextDocument;
struct CamposMapa;

// True while EscreveParagrafo is changing a document: the reading window's selection handlers
// ignore the changes the writer makes.
extern bool EmEscrita;

enum AlinhamentoRelatorio { AlinhaEsquerda = 0, AlinhaDireita = 1, AlinhaCentro = 2 };

// The four report colours, options 15 to 18.
struct CoresRelatorio {
    CorRGB CorTitulo = 0;
    CorRGB CorTexto = 0;
    CorRGB CorSub1 = 0;
    CorRGB CorSub2 = 0;
    static CoresRelatorio DasOpcoes();
};

// Appends one paragraph; the style covers exactly the text, not the line ends after it.
void EscreveParagrafo(QTextDocument& doc, const QString& texto, CorRGB cor, bool negrito, bool italico,
                      bool sublinhado, int tamanho, bool linhaEmBranco, int alinhamento);

class Relatorio {
public:
    Relatorio(const CamposMapa& campos, Mapa& mapa, FonteDados& textos, const CoresRelatorio& cores);

    // Called with the fraction done (0..1) after each step, for the reading window's bar.
    void setProgresso(std::function<void(double)> progresso) { m_progresso = std::move(progresso); }

    // Empties the document and writes the whole report.
    void AutoInterpretacao(QTextDocument& doc);

    // The section writers: one sub-heading and its paragraphs each.
    void EscrevePlaneta(QTextDocument& doc, int indice);
    void EscreveCasa(QTextDocument& doc, int casa);
    void EscreveParte(QTextDocument& doc, int indice);
    void EscreveRetrogrado(QTextDocument& doc, int indice);
    void EscreveAspecto(QTextDocument& doc, const QString& nome, int16_t codigo);

    // Chart bodies 0..10 marked as clarifiers, ascending.
    std::vector<int> ListaEsclarecedores() const;
    // The text of a code with the native's three pairs.
    QString GetTexto(int32_t codigo) const;

private:
    void Progresso(double feito, double total) const;
    void Titulo(QTextDocument& doc, const QString& t) const;
    void SubTitulo(QTextDocument& doc, const QString& t) const;
    void Seccao(QTextDocument& doc, const QString& t) const;
    void Paragrafo(QTextDocument& doc, const QString& t, bool linhaEmBranco = true) const;
    int SignoDe(int indice) const;
    QString NomeCorpo(int indice) const;

    const CamposMapa& m_campos;
    Mapa& m_mapa;
    FonteDados& m_textos;
    CoresRelatorio m_cores;
    std::function<void(double)> m_progresso;
};
