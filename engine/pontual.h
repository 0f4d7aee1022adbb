#pragma once
// The precise engine one body or one sky at a time, at an instant given as a Julian day in
// universal time: what the moving charts (transits, progressions, returns) need many times
// over, without the time and place records of a chart's run.
#include "escolhacalculo.h"

#include <array>

struct PosicaoPontual {
    double longitude = 0.0;  // degrees 0..360, apparent, true equinox of date
    double velocidade = 0.0; // degrees a day
    bool ok = false;         // false beyond the files' years and the Moshier theory's
};

// Ephemeris body 0..11 as CorreEfemerides numbers them (10 the true node, 11 the Black Moon).
// Where the ephemeris files do not reach, the Moshier theory serves, as in a chart's run.
PosicaoPontual CorpoPontual(double jdUT, int corpo);
// Whether some run so far had to use the Moshier theory.
bool UsouMoshier();

// True obliquity of the ecliptic (with nutation), degrees.
double ObliquidadeVerdadeira(double jdUT);

struct CeuPontual {
    double armc = 0.0, asc = 0.0, mc = 0.0; // degrees
    std::array<double, 13> cuspides{};      // degrees, [0] unused
    bool recursoPolar = false;
};
// The houses at an instant and place (latitude north positive, longitude east positive).
// The program's own rule has no cusps here: its cusps are those of Porphyry.
CeuPontual CeuEm(double jdUT, double latitude, double longitudeLeste, SistemaCasas casas);
// The same from a sidereal angle (RAMC, degrees) and an obliquity.
CeuPontual CeuDoARMC(double armc, double latitude, double obliquidade, SistemaCasas casas);

// Right ascension (degrees 0..360) of a point of the ecliptic at a longitude, for an obliquity.
double AscensaoRecta(double longitude, double obliquidade);
// The ecliptic longitude on the meridian of a RAMC: the Midheaven (degrees 0..360).
double MeioCeuDoARMC(double armc, double obliquidade);

// The calendar date and universal hour of a Julian day (Gregorian from 15/10/1582, Julian
// before), the inverse of DiaJuliano0h.
struct DataCivil {
    int dia = 0, mes = 0, ano = 0;
    double horas = 0.0;
};
DataCivil DataDoDiaJuliano(double jd);
