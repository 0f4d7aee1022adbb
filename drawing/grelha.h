#pragma once
// The aspect grid: a staircase triangle with one cell per pair of bodies 0..12, each aspect
// shown by its glyph in its colour. One unit, the cell's side h, places the rules, the
// headers, the cells and the hover alike (the height of "D" in the grid's font).
#include "aspectos.h"
#include "mapa.h"

#include <QSize>
#include <QString>
#include <vector>

class Superficie;

inline constexpr double TAMANHO_FONTE_GRELHA = 18.0; // points of Sigil in the grid

// The cell side in whole pixels and the size the grid picture needs.
int UnidadeGrelha();
QSize TamanhoGrelha(int corpos = 13);
// The grid's bodies when the chart has no optional point: 0..12.
std::vector<int> CorposGrelhaPadrao();

// Clears the grid surface (showing the picture at `caminhoFundo` when it is given), draws its
// rules and the body glyph headers; returns the cell side it used.
double DrawAspectGrid(Superficie& s, const QString& caminhoFundo = QString());
// The same over a list of chart bodies (CorposComPontos: 0..12 and the points shown).
double DrawAspectGrid(Superficie& s, const std::vector<int>& corpos, const QString& caminhoFundo = QString());
// Writes one aspect's glyph in its cell.
void EscreveCelula(Superficie& s, double h, const AspectoEncontrado& a);
void EscreveCelula(Superficie& s, double h, const AspectoEncontrado& a, const std::vector<int>& corpos);
// Where an aspect between bodies i < j is printed.
QPointF PosicaoCelula(double h, int i, int j);

// The text of the aspect in the cell of row body `linha` and column body `coluna` (body
// numbers 1..13), empty when there is none.
QString FindAspect(Mapa& mapa, int linha, int coluna);

// The hover rule over the grid at pixel (x, y).
struct DicaGrelha {
    int linha = 0;                // r = ⌊y / h⌋
    int coluna = 0;               // c = 14 − ⌊x / h⌋
    bool perguntaAspecto = false; // whether FindAspect was asked
    QString dica;
};
DicaGrelha HoverGrelha(Mapa& mapa, double h, double x, double y);
