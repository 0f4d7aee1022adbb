#include "planetas.h"

#include "possigno.h"

#include <cmath>

namespace {

// Guards against dividing by an exact 0 in the quadrant arithmetic.
constexpr double MINIMO = 1e-15;

double Rad(double graus) {
    return graus * PI_NATALIS / 180.0;
}

double Reduz2Pi(double x) {
    const double r = x - DOIS_PI_NATALIS * std::floor(x / DOIS_PI_NATALIS);
    return r >= DOIS_PI_NATALIS ? 0.0 : r; // a tiny negative value would round up to a whole turn
}

double AfastaDeZero(double v) {
    if (std::fabs(v) < MINIMO) {
        v += (v > 0 ? MINIMO : (v < 0 ? -MINIMO : 0.0));
        if (v == 0.0) v = MINIMO;
    }
    return v;
}

enum class Funcao { Seno, Coseno };
struct Termo {
    int linha;
    double coeficiente; // degrees
    Funcao funcao;
    double kj, ks, ku, fase; // argument = kj MJ + ks MS + ku MU + fase (degrees)
};

constexpr Termo PERTURBACOES[] = {
    {4, -0.332, Funcao::Seno, 2, -5, 0, -67.6}, {4, -0.056, Funcao::Seno, 2, -2, 0, 21},
    {4, +0.042, Funcao::Seno, 3, -5, 0, 21},    {4, -0.036, Funcao::Seno, 1, -2, 0, 0},
    {4, +0.022, Funcao::Coseno, 1, -1, 0, 0},   {4, +0.023, Funcao::Seno, 2, -3, 0, 52},
    {4, -0.016, Funcao::Seno, 1, -5, 0, -69},   {5, +0.812, Funcao::Seno, 2, -5, 0, -67.6},
    {5, -0.229, Funcao::Coseno, 2, -4, 0, -2},  {5, +0.119, Funcao::Seno, 1, -2, 0, -3},
    {5, +0.046, Funcao::Seno, 2, -6, 0, -69},   {5, +0.014, Funcao::Seno, 1, -3, 0, 32},
    {6, +0.040, Funcao::Seno, 0, 1, -2, 6},     {6, +0.035, Funcao::Seno, 0, 1, -3, 33},
    {6, -0.015, Funcao::Seno, 1, 0, -1, 20},
};

} // namespace

TabelaElementos PreencheTabelaElementos() {
    // M0 M1 M2 | e0 e1 e2 | a | ω0 ω1 ω2 | Ω0 Ω1 Ω2 | i0 i1 i2
    return {{
        {358.47584, 35999.0498, -0.00015, 0.016751, -0.000041, 0, 1.00000013, 101.22083, 1.71918, 0.00045, 0,
         0, 0, 0, 0, 0},
        {102.27938, 149472.515, 0, 0.205614, 0.00002, 0, 0.387098, 28.75375, 0.37028, 0.00012, 47.14594,
         1.1852, 0.00017, 7.00288, 0.00186, -0.00001},
        {212.60322, 58517.8039, 0.00129, 0.00682, -0.00004, 0, 0.723332, 54.38419, 0.50819, -0.00139,
         75.77965, 0.89985, 0.00041, 3.39363, 0.001, 0},
        {319.5293, 19139.8585, 0.00018, 0.09331, 0.00009, 0, 1.52369, 285.43176, 1.06977, 0.00013, 48.78644,
         0.77099, 0, 1.85033, -0.00068, 0.00001},
        {225.32833, 3034.69202, -0.00072, 0.04833, 0.00016, 0, 5.202561, 273.27754, 0.59943, 0.0007, 99.44338,
         1.01053, 0.00035, 1.30874, -0.005696, 0},
        {175.46622, 1221.55147, -0.0005, 0.05589, -0.00035, 0, 9.55475, 338.30777, 1.08522, 0.00098,
         112.79039, 0.873195, -0.00015, 2.49252, -0.00392, -0.00002},
        {72.64882, 428.37911, 0.00008, 0.046344, -0.00003, 0, 19.21814, 98.07155, 0.98577, -0.00107, 73.4771,
         0.49867, 0.00131, 0.77246, 0.00063, 0.00004},
        {37.73067, 218.46134, -0.00007, 0.008997, 0, 0, 30.10957, 276.04597, 0.32564, 0.00014, 130.68136,
         1.09894, 0.000249, 1.77924, -0.00954, 0},
        {229.94722, 144.91306, 0, 0.24864, 0, 0, 39.51744, 113.52139, 0, 0, 108.95444, 1.39601, 0.00031,
         17.14678, 0, 0},
    }};
}

CursorElementos::CursorElementos(const TabelaElementos& tabela, int linha)
    : m_linha(tabela.at(static_cast<size_t>(linha))) {}

double CursorElementos::Polinomio(double T) {
    const double c0 = m_linha.at(static_cast<size_t>(m_cursor + 1));
    const double c1 = m_linha.at(static_cast<size_t>(m_cursor + 2));
    const double c2 = m_linha.at(static_cast<size_t>(m_cursor + 3));
    m_cursor += 3;
    return c0 + c1 * T + c2 * T * T;
}

double CursorElementos::SemiEixo() {
    m_cursor = 6;
    return m_linha.at(6);
}

double ResolveKepler(double M, double e) {
    double E = M;
    for (int i = 0; i < 10; ++i)
        E = M + e * std::sin(E);
    return E;
}

double AnomaliaVerdadeira(double M, double E, double e) {
    const double mGraus = M * 180.0 / PI_NATALIS;
    if (mGraus > 179.9999 && mGraus < 180.0001) return E;
    double nu = 2.0 * std::atan(std::sqrt((1.0 + e) / (1.0 - e)) * std::tan(E / 2.0));
    if (nu < 0) nu += DOIS_PI_NATALIS;
    return nu;
}

double AnguloNoQuadrante(double y, double x) {
    double L = std::atan(y / x);
    if (L < 0) L += PI_NATALIS;
    if (y < 0) L += PI_NATALIS;
    return L;
}

double CorreccaoEmpirica(int linha, double T) {
    const double dp = 2.0 * PI_NATALIS;
    switch (linha) {
    case 6:
        return 0.85 - 0.05 * T - 0.2 * std::cos(dp * T / 0.84 + 0.6) + 0.05 * std::cos(dp * T / 0.0101 + 2.7);
    case 7:
        return 0.07 * std::sin(dp * T / 1.76) - 0.55;
    case 8:
        if (T > 0.61) return -(0.4 * (T - 1.61) + 0.4) - 0.04 * std::sin(dp * (T - 0.61) / 2.48);
        return 0.0;
    default:
        return 0.0;
    }
}

ResultadoPlanetas CalculaPlanetas(const TabelaElementos& tabela, double T) {
    ResultadoPlanetas r;
    auto anomaliaMedia = [&](int linha) {
        const auto& c = tabela.at(static_cast<size_t>(linha));
        return Rad(c[0] + c[1] * T + c[2] * T * T);
    };
    const double MJ = anomaliaMedia(4), MS = anomaliaMedia(5), MU = anomaliaMedia(6);

    double xT = 0, yT = 0;
    for (int b = 0; b < N_LINHAS_ELEMENTOS; ++b) {
        CursorElementos cursor(tabela, b);
        const double M = Reduz2Pi(Rad(cursor.Polinomio(T)));
        const double e = cursor.Polinomio(T);
        const double E = ResolveKepler(M, e);
        const double nu = AnomaliaVerdadeira(M, E, e);
        const double a = cursor.SemiEixo();
        const double raio = a * (1.0 - e * std::cos(E));
        const double w = Reduz2Pi(Rad(cursor.Polinomio(T)));
        const double nodo = Reduz2Pi(Rad(cursor.Polinomio(T)));
        const double inc = Reduz2Pi(Rad(cursor.Polinomio(T)));
        const double u = w + nu;

        double x = raio * (std::cos(nodo) * std::cos(u) - std::sin(nodo) * std::sin(u) * std::cos(inc));
        double y = raio * (std::sin(nodo) * std::cos(u) + std::cos(nodo) * std::sin(u) * std::cos(inc));
        if (y == 0.0) y = MINIMO;
        double L = AnguloNoQuadrante(y, x);

        bool perturbado = false;
        for (const Termo& t : PERTURBACOES) {
            if (t.linha != b) continue;
            const double arg = t.kj * MJ + t.ks * MS + t.ku * MU + Rad(t.fase);
            const double f = t.funcao == Funcao::Seno ? std::sin(arg) : std::cos(arg);
            L = Reduz2Pi(L + Rad(t.coeficiente) * f);
            perturbado = true;
        }
        if (perturbado) {
            const double rho = std::sqrt(x * x + y * y);
            x = rho * std::cos(L);
            y = rho * std::sin(L);
        }
        r.heliocentrica[static_cast<size_t>(b)] = L;

        if (b == 0) {
            xT = x;
            yT = y;
            double sol = L + PI_NATALIS;
            if (sol > DOIS_PI_NATALIS) sol -= DOIS_PI_NATALIS;
            r.sol = sol * 180.0 / PI_NATALIS;
            continue;
        }
        const double gx = AfastaDeZero(x - xT);
        const double gy = AfastaDeZero(y - yT);
        double lambda = AnguloNoQuadrante(gy, gx) * 180.0 / PI_NATALIS;
        lambda -= CorreccaoEmpirica(b, T);
        lambda -= 360.0 * std::floor(lambda / 360.0);
        if (lambda >= 360.0) lambda = 0.0;
        r.geocentrica[static_cast<size_t>(b)] = lambda;
    }
    return r;
}
