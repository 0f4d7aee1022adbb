#include "pontual.h"

#include <swephexp.h>

#include <atomic>
#include <cmath>

namespace {
constexpr int32 kCorpos[12] = {SE_SUN,    SE_MOON,   SE_MERCURY, SE_VENUS, SE_MARS,      SE_JUPITER,
                               SE_SATURN, SE_URANUS, SE_NEPTUNE, SE_PLUTO, SE_TRUE_NODE, SE_MEAN_APOG};
// The full double, not the positions' PI_NATALIS: this engine must equal the Swiss Ephemeris.
constexpr double PI = 3.14159265358979323846;

std::atomic<bool> g_moshier{false};

double reduz360(double g) {
    g = std::fmod(g, 360.0);
    return g < 0 ? g + 360.0 : g;
}

void prepara() {
    static const bool pronta = [] {
        swe_set_ephe_path(nullptr);
        return true;
    }();
    (void)pronta;
}

int32 bandeiras() {
    return g_moshier ? SEFLG_MOSEPH : SEFLG_SWIEPH;
}

char LetraOuPlacidus(SistemaCasas s) {
    const char l = LetraCasas(s);
    return l ? l : 'O'; // the own rule: Porphyry's cusps, the same angles
}

CeuPontual Copia(const double (&c)[13], const double (&ascmc)[10], int r) {
    CeuPontual ceu;
    for (size_t h = 1; h <= 12; ++h)
        ceu.cuspides[h] = reduz360(c[h]);
    ceu.armc = reduz360(ascmc[SE_ARMC]);
    ceu.asc = reduz360(ascmc[SE_ASC]);
    ceu.mc = reduz360(ascmc[SE_MC]);
    ceu.recursoPolar = r < 0;
    return ceu;
}
} // namespace

PosicaoPontual CorpoPontual(double jdUT, int corpo) {
    prepara();
    PosicaoPontual p;
    if (corpo < 0 || corpo > 11) return p;
    double x[6];
    char erro[AS_MAXCH];
    int32 obtido = swe_calc_ut(jdUT, kCorpos[corpo], SEFLG_SWIEPH | SEFLG_SPEED, x, erro);
    if (obtido >= 0 && (obtido & SEFLG_MOSEPH)) {
        // No files for this instant: the Moshier theory, asked for as such so that its own
        // ΔT serves, as the reference tools do.
        g_moshier = true;
        obtido = swe_calc_ut(jdUT, kCorpos[corpo], SEFLG_MOSEPH | SEFLG_SPEED, x, erro);
    }
    if (obtido < 0) return p;
    p.longitude = reduz360(x[0]);
    p.velocidade = x[3];
    p.ok = true;
    return p;
}

bool UsouMoshier() {
    return g_moshier;
}

double ObliquidadeVerdadeira(double jdUT) {
    prepara();
    double x[6];
    char erro[AS_MAXCH];
    if (swe_calc_ut(jdUT, SE_ECL_NUT, bandeiras(), x, erro) < 0) return 23.4392911;
    return x[0];
}

CeuPontual CeuEm(double jdUT, double latitude, double longitudeLeste, SistemaCasas casas) {
    prepara();
    double c[13] = {}, ascmc[10] = {};
    const int r =
        swe_houses_ex(jdUT, bandeiras(), latitude, longitudeLeste, LetraOuPlacidus(casas), c, ascmc);
    return Copia(c, ascmc, r);
}

CeuPontual CeuDoARMC(double armc, double latitude, double obliquidade, SistemaCasas casas) {
    prepara();
    double c[13] = {}, ascmc[10] = {};
    const int r = swe_houses_armc(reduz360(armc), latitude, obliquidade, LetraOuPlacidus(casas), c, ascmc);
    return Copia(c, ascmc, r);
}

double AscensaoRecta(double longitude, double obliquidade) {
    const double l = longitude * PI / 180.0, e = obliquidade * PI / 180.0;
    return reduz360(std::atan2(std::sin(l) * std::cos(e), std::cos(l)) * 180.0 / PI);
}

double MeioCeuDoARMC(double armc, double obliquidade) {
    const double a = armc * PI / 180.0, e = obliquidade * PI / 180.0;
    return reduz360(std::atan2(std::sin(a), std::cos(a) * std::cos(e)) * 180.0 / PI);
}

DataCivil DataDoDiaJuliano(double jd) {
    // Meeus, Astronomical Algorithms, chapter 7.
    const double j = jd + 0.5;
    const double z = std::floor(j);
    const double f = j - z;
    double a = z;
    if (z >= 2299161.0) {
        const double alfa = std::floor((z - 1867216.25) / 36524.25);
        a = z + 1 + alfa - std::floor(alfa / 4.0);
    }
    const double b = a + 1524.0;
    const double c = std::floor((b - 122.1) / 365.25);
    const double d = std::floor(365.25 * c);
    const double e = std::floor((b - d) / 30.6001);
    DataCivil r;
    r.dia = int(b - d - std::floor(30.6001 * e));
    r.mes = int(e < 14 ? e - 1 : e - 13);
    r.ano = int(r.mes > 2 ? c - 4716 : c - 4715);
    r.horas = f * 24.0;
    return r;
}
