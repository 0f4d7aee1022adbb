#pragma once
// Time arguments of a run: day fraction in universal time, centuries T from JD 2415020.0,
// obliquity and the sidereal angle of the place.
#include "efemerides.h"

// Universal time of the instant as a fraction of its civil date; may leave 0..1.
double FraccaoDia(const RegistoTempo& t);

// Julian centuries of 36525 days from JD 2415020.0.
double SeculosDesde1900(double diaJuliano0h, double fraccaoDia);

// Mean obliquity of the ecliptic, radians.
double Obliquidade(double T);

struct TempoSideral {
    double ramc = 0.0;       // radians, 0 ≤ RAMC < 2π
    double localHoras = 0.0; // local sidereal time, hours
};
// longitudeGraus: west positive.
TempoSideral CalculaTempoSideral(double T, double fraccaoDia, double longitudeGraus);

// Whole number of a date or time field: nearest, halves to even, kept inside 16 bits.
int16_t ArredondaCampo(double v);
