#pragma once
// Secondary progressions (a day after birth for each year of life) and solar-arc directions.
//
// The progressed Midheaven moves by the solar arc in right ascension: the progressed RAMC is
// the natal RAMC (the right ascension of the natal Midheaven) plus the progressed Sun's right
// ascension less the natal Sun's; the progressed Ascendant is the one of that RAMC at the birth
// latitude. Directions add the solar arc in longitude (progressed Sun less natal Sun) to
// every natal point.
#include "natal.h"
#include "transitos.h"

#include <vector>

// Days of the tropical year: one progressed day for each.
inline constexpr double ANO_TROPICO = 365.24219;
// Orb of the progressed and directed aspects, degrees.
inline constexpr double ORBE_PROGRESSAO = 1.0;

// The instant whose sky is progressed to a date, and back.
double DiaProgredido(const Natal& natal, double jd);
double DataDoProgredido(const Natal& natal, double jdProgredido);

struct Progressao {
    double jd = 0.0; // the date progressed to
    double jdProgredido = 0.0;
    std::vector<PontoMovel> corpos;         // progressed Sol .. Plutão and the node (speeds per year)
    double meioCeu = 0.0, ascendente = 0.0; // progressed angles
    double arcoSolar = 0.0;                 // progressed Sun less natal Sun, degrees
    std::vector<PontoMovel> Pontos() const; // the bodies with the angles (codes 12, 13)
};
Progressao Progride(const Natal& natal, double jd);

// The natal points moved on by the solar arc to a date (speeds in degrees a year).
std::vector<PontoMovel> Direcciona(const Natal& natal, double jd);

// The progressed Moon's ingresses into the signs and the natal houses between two dates
// (Julian days): TipoEvento::Signo or Casa events of body 1 at the real date.
std::vector<EventoTransito> IngressosLuaProgredida(const Natal& natal, double inicio, double fim);
