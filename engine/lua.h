#pragma once
// The lunar theory: the Moon's longitude, the true ascending node and the mean Black Moon,
// all referred to the mean equinox of date, in degrees in [0, 360).

struct ArgumentosLua {
    double Lm, Psun, N, Pm, Dm; // arc seconds
};
ArgumentosLua CalculaArgumentosLua(double T);

double LongitudeLua(double T);
double NodoVerdadeiro(double T);
// The mean apogee of the lunar orbit: the mean perigee plus half a turn.
double LuaNegraMedia(double T);
