#pragma once
// The dominant planets: a score per planet (Sun to Pluto) from its sign and its house; the
// winners get their clarifier flag and are named in one line.
#include "mapa.h"

#include <QString>

// Score of planet p (1..10) in sign number 1..12 and house 1..12; a house outside 1..12
// contributes nothing.
int PontuacaoPlaneta(int p, int signo, int casa);

// Clears the clarifier flags of every chart body, sets them for the winners and returns
// their names joined by " e ", in planet order.
QString DominantPlanets(Mapa& mapa);
