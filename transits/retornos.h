#pragma once
// Solar and lunar returns: the instant the Sun (or the Moon) comes back to its natal
// longitude, nearest a chosen date, to a fraction of a second; and the return's chart as
// chart fields that the main program opens and saves.
#include "natal.h"

#include <QString>

enum class TipoRetorno { Solar, Lunar };

// The return nearest `perto` (Julian days, universal time): the instant the body's longitude
// equals `longitude` (degrees), found on the engine; NaN where the engine has no positions.
double InstanteRetorno(TipoRetorno tipo, double longitude, double perto);

struct LugarRetorno {
    QString nome;
    double latitude = 0.0;       // north positive
    double longitudeLeste = 0.0; // east positive
    double fuso = 0.0;           // hours east, in force at the return
};

// The return's chart cast by the precise engine for the instant (the clock time to the minute
// in the fields; the positions and cusps of the exact instant) at the place, in the natal
// chart's house system. False with the reason when the chart cannot be cast.
bool MapaRetorno(const Natal& natal, TipoRetorno tipo, double instante, const LugarRetorno& lugar,
                 CamposMapa& campos, Mapa& mapa, QString* erro = nullptr);

// "Revolução solar de Maria, 2027" / "Revolução lunar de Maria, 3/2027".
QString NomeRetorno(const Natal& natal, TipoRetorno tipo, double instante, double fuso);
