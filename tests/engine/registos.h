#pragma once
// Shared by the engine and chart tests: time and place records from plain numbers, and the
// distance of two longitudes on the circle.
#include "efemerides.h"

#include <cmath>

inline RegistoTempo Tempo(int dia, int mes, int ano, int hora, int minuto = 0, double fuso = 0.0) {
    RegistoTempo t;
    t.dia = int16_t(dia);
    t.mes = int16_t(mes);
    t.ano = int16_t(ano);
    t.hora = int16_t(hora);
    t.minuto = int16_t(minuto);
    t.fuso = fuso;
    return t;
}

// Latitude north positive, longitude east positive (the place record counts west positive).
inline RegistoLugar Lugar(double latitude, double longitudeLeste) {
    RegistoLugar l;
    l.latitudeGraus = latitude;
    l.longitudeGraus = -longitudeLeste;
    return l;
}

inline double DiferencaGraus(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return std::min(d, 360.0 - d);
}
