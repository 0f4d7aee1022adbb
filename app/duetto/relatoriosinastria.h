#pragma once
// The synastry report: Duetto's own texts (duetto.mdb beside the program, the same tables as the
// chart report's) for the aspects between the personal points of two charts and for the bodies
// of each one in the other's houses, written as styled paragraphs into a QTextDocument.
//
// Text codes: P1·1000 + T·100 + P2 for aspect T (9, 6, 4, 7, 8) between point P1 of one person
// and point P2 of the other, and P·1000 + 300 + H for body P of one in house H of the other;
// point numbers are the synastry points + 1 (1 Sol … 10 Plutão, 13 Ascendente). The database
// holds the aspects with P1 ≤ P2: an ordered pair without a text of its own takes its mirror's,
// with the two persons swapped.
//
// Markup: "|1" "|2" "|3" the first person's name, "o"/"a" and ""/"a" (the body's owner in an
// overlay); "|4" "|5" "|6" the same for the second. "{HH", "{HM", "{MH", "{MM" … "}" open
// segments chosen by the two sexes in that order (H male, M female), shown after the common part.
#include "camposmapa.h"
#include "mapa.h"
#include "relatorio.h"
#include "sinastria.h"

#include <QString>
#include <functional>

class FonteDados;
class QTextDocument;

// One side of a pair: the chart file, its fields and model, and its points.
struct MapaDuetto {
    QString caminho;
    CamposMapa campos;
    Mapa mapa;
    Pessoa pessoa;
    bool aberto = false;
};

// Duetto's texts, bound to duetto.mdb; false (with a Portuguese reason) when it cannot be read.
FonteDados& TextosDuetto();
bool AbreTextosDuetto(const QString& caminho, QString* erro = nullptr);

// Text code of point `a` of one person in aspect `tipo` to point `b` of the other.
int CodigoAspectoPar(int a, int tipo, int b);
// The points whose aspects the report reads: Sol to Saturno and the Ascendant.
bool PontoDoRelatorio(int ponto);
// Bodies whose overlays the report reads: Sol to Plutão.
inline constexpr int N_CORPOS_SOBREPOSTOS = 10;

// Expands a text for two persons (placeholders, then the segment of their two sexes).
QString ExpandeTextoPar(const QString& texto, const Pessoa& primeira, const Pessoa& segunda);

class RelatorioSinastria {
public:
    RelatorioSinastria(const MapaDuetto& a, const MapaDuetto& b, const OrbesSinastria& orbes, FonteDados& textos,
                       const CoresRelatorio& cores);
    void setProgresso(std::function<void(double)> progresso) { m_progresso = std::move(progresso); }

    // Empties the document and writes the whole report.
    void Escreve(QTextDocument& doc);

    // The text of an aspect between a point of the first chart and one of the second; of body
    // `corpo` of one chart (the first when `doPrimeiro`) in house `casa` of the other.
    QString TextoAspecto(const InterAspecto& x) const;
    QString TextoCasa(int corpo, int casa, bool doPrimeiro) const;
    // "Sol de Ana em conjunção com a Lua de Rui (orbe 1º05')".
    QString TituloAspecto(const InterAspecto& x) const;

private:
    QString Texto(int codigo, const Pessoa& primeira, const Pessoa& segunda) const;
    void Seccao(QTextDocument& doc, const QString& t) const;
    void SubTitulo(QTextDocument& doc, const QString& t) const;
    void Paragrafo(QTextDocument& doc, const QString& t) const;
    void Sobreposicoes(QTextDocument& doc, bool doPrimeiro);

    const MapaDuetto& m_a;
    const MapaDuetto& m_b;
    OrbesSinastria m_orbes;
    FonteDados& m_textos;
    CoresRelatorio m_cores;
    std::function<void(double)> m_progresso;
    double m_feito = 0.0, m_total = 1.0;
};
