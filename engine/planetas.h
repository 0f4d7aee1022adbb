#pragma once
// Keplerian orbits from mean elements of the date, with the few periodic terms of Júpiter,
// Saturno and Urano and the empirical corrections of the three outer planets.
#include <array>

inline constexpr int N_LINHAS_ELEMENTOS = 9; // 0 Earth, 1..8 Mercúrio..Plutão
inline constexpr int N_COLUNAS_ELEMENTOS = 16;
using TabelaElementos = std::array<std::array<double, N_COLUNAS_ELEMENTOS>, N_LINHAS_ELEMENTOS>;

TabelaElementos PreencheTabelaElementos();

// Reads one row in the fixed order M, e, a, ω, Ω, i. A column or row outside the table is a
// programming error and throws std::out_of_range.
class CursorElementos {
public:
    CursorElementos(const TabelaElementos& tabela, int linha);
    double Polinomio(double T); // next three columns: c0 + c1 T + c2 T²
    double SemiEixo();          // column 6; the next polynomial starts at column 7

private:
    const std::array<double, N_COLUNAS_ELEMENTOS>& m_linha;
    int m_cursor = -1;
};

// Ten fixed steps of E = M + e sin E from E = M, no convergence test: every run does the
// same work.
double ResolveKepler(double M, double e);
// True anomaly in [0, 2π); at M = 180° it is E itself (tan(E/2) would be infinite).
double AnomaliaVerdadeira(double M, double E, double e);

// atan(y / x) placed in its quadrant, [0, 2π).
double AnguloNoQuadrante(double y, double x);

struct ResultadoPlanetas {
    std::array<double, N_LINHAS_ELEMENTOS> heliocentrica{}; // radians
    std::array<double, N_LINHAS_ELEMENTOS> geocentrica{};   // degrees, rows 1..8
    double sol = 0.0;                                       // degrees
};

ResultadoPlanetas CalculaPlanetas(const TabelaElementos& tabela, double T);

// The corrections subtracted from the geocentric longitude (degrees), by row; 0 for rows
// without one.
double CorreccaoEmpirica(int linha, double T);
