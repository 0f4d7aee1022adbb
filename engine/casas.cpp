#include "casas.h"

#include "efemerides.h"
#include "possigno.h"

#include <cmath>

namespace {

constexpr double MINIMO = 1e-15;

double ReduzCuspide(double x) {
    x = (x / DOIS_PI_NATALIS - std::floor(x / DOIS_PI_NATALIS)) * DOIS_PI_NATALIS;
    if (x < 0) x += DOIS_PI_NATALIS;
    return x >= DOIS_PI_NATALIS ? 0.0 : x;
}

double Oposto(double x) {
    x += PI_NATALIS;
    return x >= DOIS_PI_NATALIS ? x - DOIS_PI_NATALIS : x;
}

// A distance on the circle, the shorter way round.
double ArcoMenor(double a, double b) {
    double d = std::fabs(a - b);
    if (d > PI_NATALIS) d = DOIS_PI_NATALIS - d;
    return d;
}

// The arc from a forward to b, 0..2π.
double ArcoAdiante(double a, double b) {
    double d = std::fmod(b - a, DOIS_PI_NATALIS);
    if (d < 0) d += DOIS_PI_NATALIS;
    return d;
}

// The vertex rule holds in the middle latitudes. In the tropics and towards the polar circles
// the arc to the vertex point can put a cusp beyond the quadrant's far angle, or squeeze the
// houses beside the angle into a degree or two; there the quadrant itself is divided in three.
double ArcoQuadrante(double arcoVertice, double quadrante) {
    if (arcoVertice >= 1.5 * quadrante || arcoVertice < 0.3 * quadrante)
        return quadrante;
    return arcoVertice;
}

} // namespace

Angulos CalculaAngulos(double R, double eps, double phi) {
    if (phi == 0.0) phi = MINIMO;
    Angulos a;

    a.mc = std::atan(std::sin(R) / (std::cos(R) * std::cos(eps)));
    if (a.mc < 0) a.mc += PI_NATALIS;
    if (std::sin(R) < 0) a.mc += PI_NATALIS;

    a.asc = std::atan(std::cos(R) / -(std::sin(R) * std::cos(eps) + std::tan(phi) * std::sin(eps)));
    if (a.asc < 0) a.asc += PI_NATALIS;
    if (std::cos(R) < 0) a.asc += PI_NATALIS;

    // The vertex point is taken with the latitude's size: south of the equator the formula
    // would put it in the eastern half of the chart, and the cusps measured to it would run
    // past the Ascendant or crowd into one degree.
    const double N = std::cos(R + PI_NATALIS);
    double D = -std::sin(R + PI_NATALIS) * std::cos(eps) - std::sin(eps) / std::tan(std::fabs(phi));
    if (std::fabs(D) < MINIMO) {
        D += (D > 0 ? MINIMO : (D < 0 ? -MINIMO : 0.0));
        if (D == 0.0) D = MINIMO;
    }
    a.vertice = std::atan(N / D);
    if (a.vertice < 0) a.vertice += PI_NATALIS;
    if (N < 0) a.vertice += PI_NATALIS;

    a.mc = ReduzCuspide(a.mc);
    a.asc = ReduzCuspide(a.asc);
    a.vertice = ReduzCuspide(a.vertice);
    return a;
}

double HouseCusp(int16_t n, const ResultadoEfemerides& r) {
    double x = 0.0;
    switch (n) {
    case 1:
        x = r.asc;
        break;
    case 10:
        x = r.mc;
        break;
    case 4:
        x = Oposto(r.mc);
        break;
    case 7:
        x = Oposto(r.asc);
        break;
    case 2:
    case 3: {
        // The arcs of the intermediate houses are measured to the vertex point.
        const double A = ArcoQuadrante(ArcoMenor(r.vertice, HouseCusp(4, r)), ArcoAdiante(r.asc, HouseCusp(4, r)));
        x = r.asc + (n == 2 ? A / 3.0 : 2.0 * A / 3.0);
        break;
    }
    case 11:
    case 12: {
        const double B = ArcoQuadrante(ArcoMenor(r.mc, r.vertice), ArcoAdiante(r.mc, r.asc));
        x = r.mc + (n == 11 ? B / 3.0 : 2.0 * B / 3.0);
        break;
    }
    default:
        return 0.0;
    }
    return ReduzCuspide(x);
}

int16_t HouseOf(double x, const std::array<double, 13>& cusps) {
    // Compared in whole arc seconds, the resolution positions and cusps are shown and read
    // at: a body written with its cusp's very text is on that cusp, so in its house.
    const auto segundos = [](double rads) {
        long long s = std::llround(rads * (180.0 * 3600.0) / PI_NATALIS) % 1296000;
        return s < 0 ? s + 1296000 : s;
    };
    const long long p = segundos(x);
    // House h runs forward from its cusp (included) to the next (excluded), through 0º
    // Carneiro when it contains it; house 12 runs to the cusp of house 1.
    for (int h = 1; h <= 12; ++h) {
        const long long c1 = segundos(cusps[static_cast<size_t>(h)]);
        const long long c2 = segundos(cusps[static_cast<size_t>(h == 12 ? 1 : h + 1)]);
        const bool dentro = (c1 < c2) ? (p >= c1 && p < c2) : (c1 > c2 && (p >= c1 || p < c2));
        if (dentro) return static_cast<int16_t>(h);
    }
    return 12;
}
