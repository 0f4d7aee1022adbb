#pragma once
// What Duetto draws and writes: the bi-wheel of a pair, the grid of their aspects painted as the
// window shows it, each as a PNG or SVG file, and the pair's PDF: the two bi-wheels, the
// composite and the Davison wheels, the grid with the house overlays, and the report.
#include "relatoriosinastria.h"

#include <QSizeF>

class Superficie;
class QTextDocument;

// The bi-wheel: `dentro`'s wheel, `fora`'s bodies on the outer ring (none while it is not open)
// and the chords of the aspects between their bodies.
void DesenhaBiRodaPar(Superficie& s, MapaDuetto& dentro, MapaDuetto& fora, const OrbesSinastria& orbes);

// The grid: a row per point of `a`, a column per point of `b`, each aspect's glyph in its
// colour with its orb below; the logical size it is drawn at.
QSizeF TamanhoGrelhaPar();
void DesenhaGrelhaPar(Superficie& s, const Pessoa& a, const Pessoa& b, const OrbesSinastria& orbes);

enum class DesenhoDuetto { BiRoda, Grelha };
// Writes the bi-wheel (lado × lado) or the grid to a ".png" (at `escala` pixels per logical
// pixel) or ".svg" file, by its extension. False with a Portuguese reason, any old file kept.
bool ExportaDesenhoDuetto(MapaDuetto& a, MapaDuetto& b, const OrbesSinastria& orbes, DesenhoDuetto qual,
                          const QString& caminho, QString* erro, int lado = 800, double escala = 2.0);

// The pair's PDF, written through a temporary file (any old file kept on failure).
bool EscrevePdfDuetto(const QString& caminho, MapaDuetto& a, MapaDuetto& b, const OrbesSinastria& orbes,
                      const QTextDocument* relatorio, QString* erro);
