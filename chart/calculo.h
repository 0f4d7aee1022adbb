#pragma once
// The chart calculation: Cast computes the sky for the birth data in the fields and writes
// every result into them as text; Rebuild re-reads those texts into the chart model, so the
// model always agrees with what the fields show (at whole arc seconds).
#include "camposmapa.h"
#include "mapa.h"

#include <QString>
#include <array>
#include <functional>

// Called by Rebuild once the chart is complete: the place that redraws the wheel and the
// aspect grid and refreshes the side labels.
using Redesenho = std::function<void()>;

// Normalises the birth-data fields (date, clock time, zone, latitude, longitude) into the
// window's forms. Fields that cannot be read are left as typed and reported together in
// `erro`; returns false then.
bool NormalizaDadosNascimento(CamposMapa& campos, QString* erro);

// Cast: refuses (with a message box) birth data that cannot be read; otherwise runs the
// ephemeris for the birth and for the previous day, writes positions, sidereal time, cusps
// and retrograde markers into the fields, and runs Rebuild. Marks a chart as open.
bool Cast(CamposMapa& campos, Mapa& mapa, const Redesenho& redesenha = {});

// Rebuild: re-creates and names the chart bodies, derives the times, reads cusps and
// positions back from the fields, computes the Arabic parts and the houses, detects the
// aspects and finally calls `redesenha`.
void Rebuild(CamposMapa& campos, Mapa& mapa, const Redesenho& redesenha = {});

// Derived times: universal, local mean and local sidereal time into lblHoras, only when the
// sidereal-time field reads other than 0. Returns whether lblHoras was written.
bool DerivedTimes(CamposMapa& campos);

// Universal and local mean time (hours, 0..24) from the clock time, zone and longitude
// fields, with the warnings of Derived times; false when a field cannot be read.
bool TemposUniversalELocal(CamposMapa& campos, double& universal, double& mediaLocal);

// Replaces the 19 chart bodies and names them; ephemeris bodies 0..10 get the same names.
void PreparaCorposMapa(Mapa& mapa);

// The seven Arabic parts (radians in [0, 2π)): Fortuna, Devir, Inteligência, Amor,
// Audácia, Felicidade, Dever.
std::array<double, 7> CalculaPartes(double asc, double sol, double lua, double mercurio, double venus, double marte,
                                    double jupiter, double saturno);

// Retrograde when the motion from the previous day, taken on the circle (−180°, 180°], is
// backwards. Degrees.
bool MovimentoRetrogrado(double grausHoje, double grausOntem);

// x reduced into [0, 2π).
double ReduzCirculo(double rads);
