#include "lua.h"

#include "possigno.h"

#include <cmath>

namespace {

double SenoGraus(double graus) {
    return std::sin(graus * PI_NATALIS / 180.0);
}

double Reduz360(double graus) {
    const double r = graus - 360.0 * std::floor(graus / 360.0);
    return r >= 360.0 ? 0.0 : r; // a tiny negative value would round up to a whole turn
}

// The arguments of the series in degrees, not reduced.
struct Angulos {
    double l, lsol, F, D;
};

Angulos AngulosDe(const ArgumentosLua& a) {
    return {(a.Lm - a.Pm) / 3600.0, (a.Lm - a.Dm - a.Psun) / 3600.0, (a.Lm - a.N) / 3600.0, a.Dm / 3600.0};
}

} // namespace

ArgumentosLua CalculaArgumentosLua(double T) {
    const double T2 = T * T;
    return {
        973563.0 + 1732564379.0 * T - 4.0 * T2,  1012395.0 + 6189.0 * T,
        933060.0 - 6962911.0 * T + 7.5 * T2,     1203586.0 + 14648523.0 * T - 37.0 * T2,
        1262655.0 + 1602961611.0 * T - 5.0 * T2,
    };
}

double LongitudeLua(double T) {
    const ArgumentosLua a = CalculaArgumentosLua(T);
    const Angulos g = AngulosDe(a);
    const double l = g.l, ls = g.lsol, F = g.F, D = g.D, D2 = 2.0 * g.D;
    double dL = 0.0;
    dL += 22639.6 * SenoGraus(l);
    dL += -4586.4 * SenoGraus(l - D2);
    dL += 2369.9 * SenoGraus(D2);
    dL += 769.0 * SenoGraus(2.0 * l);
    dL += -669.0 * SenoGraus(ls);
    dL += -411.6 * SenoGraus(2.0 * F);
    dL += -212.0 * SenoGraus(2.0 * l - D2);
    dL += -206.0 * SenoGraus(l + ls - D2);
    dL += 192.0 * SenoGraus(l + D2);
    dL += -165.0 * SenoGraus(ls - D2);
    dL += 148.0 * SenoGraus(l - ls);
    dL += -125.0 * SenoGraus(D);
    dL += -110.0 * SenoGraus(l + ls);
    dL += -55.0 * SenoGraus(2.0 * F - D2);
    dL += -45.0 * SenoGraus(l + 2.0 * F);
    dL += 40.0 * SenoGraus(l - 2.0 * F);
    return Reduz360((a.Lm + dL) / 3600.0);
}

double NodoVerdadeiro(double T) {
    const ArgumentosLua a = CalculaArgumentosLua(T);
    const Angulos g = AngulosDe(a);
    const double D2 = 2.0 * g.D;
    double dN = 0.0;
    dN += 5392.0 * SenoGraus(2.0 * g.F - D2);
    dN += -541.0 * SenoGraus(g.lsol);
    dN += -442.0 * SenoGraus(D2);
    dN += 423.0 * SenoGraus(2.0 * g.F);
    dN += -291.0 * SenoGraus(2.0 * g.l - 2.0 * g.F);
    return Reduz360((a.N + dN) / 3600.0);
}

double LuaNegraMedia(double T) {
    return Reduz360(CalculaArgumentosLua(T).Pm / 3600.0 + 180.0);
}
