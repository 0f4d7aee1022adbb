#pragma once
// The optional points in a chart: their orbs (one per point, 3° unless the user changed it,
// kept as option 51 apart from the orb file, which keeps its format for the nineteen bodies)
// and their aspects with the main bodies and with one another.
#include "aspectos.h"
#include "mapa.h"
#include "pontosextra.h"

#include <QString>
#include <array>
#include <vector>

inline constexpr int OPCAO_ORBES_PONTOS = 51;
inline constexpr int16_t ORBE_PONTO_PADRAO = 3;
using OrbesPontos = std::array<int16_t, N_PONTOS_EXTRA>;

// "3,3,2,…" in point order; a missing or unreadable value is the default orb.
OrbesPontos LeOrbesPontos(const QString& texto);
QString TextoOrbesPontos(const OrbesPontos& o);
// The orbs in use, program-wide (read from option 51 at start, changed by the options dialog).
OrbesPontos& OrbesPontosActuais();
void CarregaOrbesPontos();
void GuardaOrbesPontos(const OrbesPontos& o);

// The orb of a pair of chart bodies where one or both are optional points (indices 19..26):
// the point's own orb, or the smaller of the two points' orbs.
int16_t OrbePonto(int i, int j, const OrbesPontos& o);

// Records in the chart's collection of the points' aspects every aspect of a shown point with
// bodies 0..12 and with the other shown points (the Node, the mean node and the Part of Fortune
// only in conjunction, as with the other bodies); i < j, chart-body indices, codes as the global ones.
std::vector<AspectoEncontrado> DetectaAspectosExtra(Mapa& mapa);
std::vector<AspectoEncontrado> DetectaAspectosExtra(Mapa& mapa, const OrbesPontos& o);

// The chart bodies shown in the wheel's grid and lists: 0..12, then the points the chart holds.
std::vector<int> CorposComPontos(Mapa& mapa);
