#pragma once
// How fast each chart body moves at the birth instant, for telling applying aspects from
// separating ones.
#include "camposmapa.h"
#include <array>
#include <optional>

inline constexpr int N_CORPOS_MOVIMENTO = 13; // Sol .. Parte Fortuna

// Daily motions in degrees per day (negative while retrograde) of chart bodies 0..12 at the
// birth instant of the fields: the difference of two ephemeris runs an hour either side, the
// Part of Fortune from the Ascendant, Sun and Moon of the same runs. Empty when the birth data
// cannot be read (a chart typed by hand without them).
std::optional<std::array<double, N_CORPOS_MOVIMENTO>> MovimentosDiarios(const CamposMapa& campos);
