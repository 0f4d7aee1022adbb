// The precise engine over the Swiss Ephemeris library: apparent geocentric longitudes for the
// true equinox of date, as the reference tools print them by default, and the house systems of
// the library for both engines.
#include "casas.h"
#include "efemerides.h"
#include "possigno.h"
#include "tempo.h"

#include <swephexp.h>

#include "pastaefemerides.h"

#include <cmath>

namespace {
// Ephemeris bodies 0..11 in the library's numbering; the Black Moon is the mean apogee.
constexpr int32 kCorposSwe[N_CORPOS_EFEMERIDES] = {SE_SUN,    SE_MOON,   SE_MERCURY, SE_VENUS,     SE_MARS,
                                                   SE_JUPITER, SE_SATURN, SE_URANUS,  SE_NEPTUNE,   SE_PLUTO,
                                                   SE_TRUE_NODE, SE_MEAN_APOG};

// The optional points in PontoExtra order; the Vertex comes from the houses.
constexpr int32 kPontosSwe[N_PONTOS_EXTRA] = {SE_CHIRON, SE_CERES,     SE_PALLAS,     SE_JUNO,
                                              SE_VESTA,  SE_OSCU_APOG, SE_MEAN_NODE, -1};

double rad(double graus) { return graus * PI_NATALIS / 180.0; }
double graus(double rads) { return rads * 180.0 / PI_NATALIS; }

double reduz360(double g) {
    g = std::fmod(g, 360.0);
    return g < 0 ? g + 360.0 : g;
}

// The library looks for its files in the folders it was built with (Debian's ephemeris
// package among them) or in SE_EPHE_PATH; without them it uses the Moshier theory.
void preparaBiblioteca() {
    static const bool pronta = [] {
        PreparaPastaEfemerides();
        return true;
    }();
    (void)pronta;
}

double latitudeGraus(const RegistoLugar& l) { return l.latitudeGraus + l.latitudeMinutos / 60.0; }
// The place record counts longitudes west positive, the library east positive.
double longitudeLesteGraus(const RegistoLugar& l) { return -(l.longitudeGraus + l.longitudeMinutos / 60.0); }

// The cusps of the program's own rule from the angles in the result.
void cuspidesProprias(ResultadoEfemerides& r) {
    for (int16_t n : {1, 2, 3, 10, 11, 12}) {
        const double c = HouseCusp(n, r);
        r.cuspides[static_cast<size_t>(n)] = c;
        const double oposta = c + PI_NATALIS;
        r.cuspides[static_cast<size_t>(n > 6 ? n - 6 : n + 6)] = oposta >= DOIS_PI_NATALIS ? oposta - DOIS_PI_NATALIS : oposta;
    }
}

void copiaCuspides(ResultadoEfemerides& r, const double (&c)[13]) {
    for (size_t h = 1; h <= 12; ++h)
        r.cuspides[h] = rad(reduz360(c[h]));
}

// Bodies 0..11 with their speeds; the library's flags the run settled on (files or Moshier).
int32 calculaCorpos(double jdUT, ResultadoEfemerides& r) {
    char erro[AS_MAXCH];
    double x[6];
    int32 pedido = SEFLG_SWIEPH | SEFLG_SPEED;
    for (int i = 0; i < N_CORPOS_EFEMERIDES; ++i) {
        int32 obtido = swe_calc_ut(jdUT, kCorposSwe[i], pedido, x, erro);
        // Without files the whole run goes to the Moshier theory, whose ΔT (tidal term) differs
        // from the files' before 1955; the reference tools switch the same way.
        if (obtido >= 0 && (obtido & SEFLG_MOSEPH) && (pedido & SEFLG_SWIEPH)) {
            pedido = SEFLG_MOSEPH | SEFLG_SPEED;
            obtido = swe_calc_ut(jdUT, kCorposSwe[i], pedido, x, erro);
        }
        if (obtido < 0) {
            // Beyond the files' years and the Moshier theory's: the body stays at 0.
            r.longitudes[static_cast<size_t>(i)] = 0;
            continue;
        }
        if (obtido & SEFLG_MOSEPH)
            r.moshier = true;
        r.longitudes[static_cast<size_t>(i)] = reduz360(x[0]);
        r.velocidades[static_cast<size_t>(i)] = x[3];
    }
    r.comVelocidades = true;
    return pedido;
}

void calculaPontos(double jdUT, int32 pedido, const EscolhaCalculo& escolha, ResultadoEfemerides& r) {
    char erro[AS_MAXCH];
    double x[6];
    for (int k = 0; k < N_PONTOS_EXTRA; ++k) {
        if (!TemPonto(escolha.pontos, k) || kPontosSwe[k] < 0)
            continue;
        // The asteroids have no Moshier theory: beyond their file's years they fail.
        if (swe_calc_ut(jdUT, kPontosSwe[k], pedido, x, erro) < 0 || (PontoDeAsteroide(k) && (pedido & SEFLG_MOSEPH))) {
            r.extrasFora |= 1u << k;
            continue;
        }
        r.extras[static_cast<size_t>(k)] = reduz360(x[0]);
        r.velocidadesExtra[static_cast<size_t>(k)] = x[3];
        r.extrasCalculados |= 1u << k;
    }
}
} // namespace

ResultadoEfemerides CorreEfemerides(const RegistoTempo& tempo, const RegistoLugar& lugar,
                                    const EscolhaCalculo& escolha) {
    preparaBiblioteca();
    const char letra = LetraCasas(escolha.casas);
    const double latitude = latitudeGraus(lugar);
    double c[13] = {}, ascmc[10] = {};

    if (escolha.motor == Motor::Classico) {
        ResultadoEfemerides r = CorreEfemerides(tempo, lugar);
        if (!letra) {
            cuspidesProprias(r);
        } else {
            // The library's division of the classic engine's own sky (its RAMC and obliquity).
            r.recursoPolar =
                swe_houses_armc(graus(r.ramc), latitude, graus(r.obliquidade), letra, c, ascmc) < 0;
            copiaCuspides(r, c);
        }
        return r;
    }

    ResultadoEfemerides r;
    r.fraccaoDia = FraccaoDia(tempo);
    const double jd0 = DiaJuliano0h(tempo.dia, tempo.mes, tempo.ano);
    r.T = SeculosDesde1900(jd0, r.fraccaoDia);
    const double jdUT = jd0 + r.fraccaoDia;

    const int32 pedido = calculaCorpos(jdUT, r);
    calculaPontos(jdUT, pedido, escolha, r);
    char erro[AS_MAXCH];
    double x[6];
    // True obliquity (with nutation), as the library's houses use it.
    if (swe_calc_ut(jdUT, SE_ECL_NUT, pedido & ~SEFLG_SPEED, x, erro) >= 0)
        r.obliquidade = rad(x[0]);
    r.recursoPolar = swe_houses_ex(jdUT, pedido & ~SEFLG_SPEED, latitude, longitudeLesteGraus(lugar), letra ? letra : 'P', c, ascmc) < 0;
    r.ramc = rad(ascmc[SE_ARMC]);
    r.tempoSideralLocal = ascmc[SE_ARMC] / 15.0;
    r.asc = rad(reduz360(ascmc[SE_ASC]));
    r.mc = rad(reduz360(ascmc[SE_MC]));
    // The Vertex does not depend on the house system.
    if (constexpr int vx = static_cast<int>(PontoExtra::Vertice); TemPonto(escolha.pontos, vx)) {
        r.extras[vx] = reduz360(ascmc[SE_VERTEX]);
        r.extrasCalculados |= 1u << vx;
    }
    if (letra) {
        copiaCuspides(r, c);
    } else {
        // The own rule measures to its vertex point, from the library's angles.
        r.recursoPolar = false;
        r.vertice = CalculaAngulos(r.ramc, r.obliquidade, rad(latitude)).vertice;
        cuspidesProprias(r);
    }
    return r;
}

ResultadoEfemerides CuspidesDoRamc(double ramc, double obliquidade, double latitudeGraus, SistemaCasas casas) {
    ResultadoEfemerides r;
    r.ramc = ramc;
    r.obliquidade = obliquidade;
    r.tempoSideralLocal = graus(ramc) / 15.0;
    const Angulos a = CalculaAngulos(ramc, obliquidade, rad(latitudeGraus));
    r.asc = a.asc;
    r.mc = a.mc;
    r.vertice = a.vertice;
    const char letra = LetraCasas(casas);
    if (!letra) {
        cuspidesProprias(r);
        return r;
    }
    double c[13] = {}, ascmc[10] = {};
    r.recursoPolar = swe_houses_armc(graus(ramc), latitudeGraus, graus(obliquidade), letra, c, ascmc) < 0;
    copiaCuspides(r, c);
    return r;
}
