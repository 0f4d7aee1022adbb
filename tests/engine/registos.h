#pragma once
// Shared by the engine and chart tests: time and place records from plain numbers, and the
// distance of two longitudes on the circle.
#include "efemerides.h"

#include <cmath>

inline RegistoTempo Tempo(int dia, int mes, int ano, int hora, int minuto = 0, double fuso = 0.0) {
    return {int16_t(dia), int16_t(mes), int16_t(ano), int16_t(hora), int16_t(minuto), fuso};
}

// Latitude north positive, longitude east positive (the place record counts west positive).
inline RegistoLugar Lugar(double latitude, double longitudeLeste) { return {latitude, 0, -longitudeLeste, 0}; }

inline double DiferencaGraus(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return std::min(d, 360.0 - d);
}
