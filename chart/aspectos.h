#pragma once
// Aspect detection between the 13 main chart bodies (Sol .. Parte Fortuna). Orbs depend on
// the pair of bodies, not on the kind of aspect (see orbes.h).
#include "mapa.h"
#include <array>
#include <vector>

class TabelaOrbes;

// Aspect codes, in the order in which they are tested: the first kind that matches wins.
inline constexpr int ASPECTO_CONJUNCAO = 9;
inline constexpr int ASPECTO_SEXTIL = 6;
inline constexpr int ASPECTO_QUADRATURA = 4;
inline constexpr int ASPECTO_TRIGONO = 7;
inline constexpr int ASPECTO_OPOSICAO = 8;
inline constexpr std::array<int, 5> TIPOS_ASPECTO = {ASPECTO_CONJUNCAO, ASPECTO_SEXTIL, ASPECTO_QUADRATURA,
                                                     ASPECTO_TRIGONO, ASPECTO_OPOSICAO};
// Bodies 0..12 take part in aspects; the Node (10) and the Part of Fortune (12) only in
// conjunctions.
inline constexpr int N_CORPOS_ASPECTOS = 13;

// One aspect found: chart-body indices i < j (0..12) and the aspect code (9, 6, 4, 7, 8).
struct AspectoEncontrado {
    int i;
    int j;
    int tipo;
};

// Exact angle of an aspect kind in degrees; -1 for a code that is not an aspect.
int AnguloAspecto(int tipo);

// Angular distance of two longitudes (radians) in degrees, folded into 0..180 and rounded
// to a whole degree with halves going up (8.5 gives 9, 8.4 gives 8).
int SeparacaoArredondada(double rads1, double rads2);

// The aspect kind of a rounded separation under an orb, or 0 when there is none.
int TipoAspecto(int separacao, int orbe);

// Clears the aspect collections of chart bodies 0..12 and the chart's global collection,
// then records every aspect among bodies 0..12 under the given orbs (the orbs in use when
// none is given). Returns the aspects in detection order (i ascending, then j).
std::vector<AspectoEncontrado> DetectaAspectos(Mapa& mapa);
std::vector<AspectoEncontrado> DetectaAspectos(Mapa& mapa, const TabelaOrbes& orbes);

// The codes stored with an aspect: in the bodies' own collections and in the global one.
int16_t CodigoAspectoCorpo(int i, int tipo, int j);
int16_t CodigoAspectoGlobal(int i, int tipo, int j);
