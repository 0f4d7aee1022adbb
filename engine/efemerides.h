#pragma once
// The single entry into the astronomical engine: one run computes, for one instant and place,
// the time arguments, the chart angles and the geocentric longitudes of the bodies.
#include "escolhacalculo.h"

#include <QString>
#include <array>
#include <cstdint>

struct RegistoTempo {
    int16_t dia = 0;
    int16_t mes = 0;
    int16_t ano = 0;
    int16_t hora = 0;
    int16_t minuto = 0;
    double fuso = 0.0; // hours to subtract from the clock time (east positive)
};

struct RegistoLugar {
    double latitudeGraus = 0.0; // north positive
    int16_t latitudeMinutos = 0;
    double longitudeGraus = 0.0; // west positive
    int16_t longitudeMinutos = 0;
};

// Number of ephemeris bodies: 0 Sol, 1 Lua, 2..9 Mercúrio..Plutão, 10 true node, 11 Black Moon.
inline constexpr int N_CORPOS_EFEMERIDES = 12;

struct ResultadoEfemerides {
    double fraccaoDia = 0.0;
    double T = 0.0;                                       // Julian centuries from JD 2415020.0
    double obliquidade = 0.0;                             // radians
    double ramc = 0.0;                                    // radians
    double tempoSideralLocal = 0.0;                       // hours
    double asc = 0.0, mc = 0.0, vertice = 0.0;            // radians in [0, 2π)
    std::array<double, N_CORPOS_EFEMERIDES> longitudes{}; // degrees in [0, 360)

    // Filled by the run with a choice of engine and house system: the cusps of houses 1..12
    // (radians in [0, 2π), [0] unused); the speeds in degrees a day when the engine gives them;
    // whether the house system had no cusps at this latitude (Porphyry's stand in), and
    // whether the precise engine found no ephemeris files (the built-in Moshier theory served).
    std::array<double, 13> cuspides{};
    std::array<double, N_CORPOS_EFEMERIDES> velocidades{};
    bool comVelocidades = false;
    bool recursoPolar = false;
    bool moshier = false;

    // The optional points of the choice (precise engine only): longitudes and speeds in
    // degrees, in PontoExtra order; which were computed, and which were asked but left out
    // (an asteroid beyond its file's years).
    std::array<double, N_PONTOS_EXTRA> extras{};
    std::array<double, N_PONTOS_EXTRA> velocidadesExtra{};
    ConjuntoPontos extrasCalculados = 0;
    ConjuntoPontos extrasFora = 0;
};

// Readers of the main window's date and clock-time texts; the zone is left 0.
RegistoTempo LerDataHora(const QString& data, const QString& hora);

// Julian day at 0h UT of a calendar date (Gregorian from 15/10/1582, Julian before).
double DiaJuliano0h(int dia, int mes, int ano);

// The same clock time on the previous calendar day: the day whose Julian day is one less, so
// the day before 15/10/1582 is 4/10/1582 (the reform removed the ten days between).
RegistoTempo DiaAnterior(const RegistoTempo& t);

ResultadoEfemerides CorreEfemerides(const RegistoTempo& tempo, const RegistoLugar& lugar);
// The run of the chosen engine, with the cusps of the chosen house system.
ResultadoEfemerides CorreEfemerides(const RegistoTempo& tempo, const RegistoLugar& lugar, const EscolhaCalculo& escolha);

// The angles and cusps of a sidereal angle (RAMC, radians) at a latitude (degrees) under an
// obliquity (radians), by a house system: a sky with no instant, as the composite chart has.
ResultadoEfemerides CuspidesDoRamc(double ramc, double obliquidade, double latitudeGraus, SistemaCasas casas);

// House cusp n (1..12) from the angles of a run; 5, 6, 8 and 9 give 0 (they are always the
// opposites of 11, 12, 2 and 3). Radians in [0, 2π).
double HouseCusp(int16_t n, const ResultadoEfemerides& r);

// House (1..12) of a longitude (radians) against cusps[1..12] (radians); cusps[0] unused.
// House h runs forward from cusp h (included) to cusp h+1 (excluded), through 0º Carneiro
// when it contains it; house 12 runs to cusp 1.
int16_t HouseOf(double x, const std::array<double, 13>& cusps);
