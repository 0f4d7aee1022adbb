#include "tabela.h"

#include "pontual.h"

#include <algorithm>
#include <cmath>

double PassoTabela(int corpo) {
    // Steps at which the cubic stays within a few hundredths of an arc second of the engine
    // (the Moon's and the true node's monthly terms within a few tenths).
    switch (corpo) {
    case 1:
    case 10:
        return 1.0;
    case 2:
        return 2.0;
    case 0:
    case 3:
    case 4:
        return 4.0;
    default:
        return 8.0;
    }
}

TabelaEfemerides::TabelaEfemerides(double jdInicio, double jdFim, unsigned corpos) {
    std::array<double, N_TRANSITANTES> i, f;
    i.fill(jdInicio);
    f.fill(jdFim);
    *this = TabelaEfemerides(i, f, corpos);
}

TabelaEfemerides::TabelaEfemerides(const std::array<double, N_TRANSITANTES>& inicio,
                                   const std::array<double, N_TRANSITANTES>& fim, unsigned corpos) {
    // Every step is a whole number of days and every series starts on a multiple of its step,
    // so the series meet on whole days.
    double primeiro = 1e300, ultimo = -1e300;
    std::array<int, N_TRANSITANTES> n{};
    for (int c = 0; c < N_TRANSITANTES; ++c) {
        if (!(corpos & (1u << c))) continue;
        Serie& s = m_series[size_t(c)];
        s.passo = PassoTabela(c);
        s.inicio = std::floor(inicio[size_t(c)] / s.passo) * s.passo;
        n[size_t(c)] = int(std::ceil((fim[size_t(c)] - s.inicio) / s.passo)) + 2;
        s.lon.reserve(size_t(n[size_t(c)]));
        s.vel.reserve(size_t(n[size_t(c)]));
        primeiro = std::min(primeiro, s.inicio);
        ultimo = std::max(ultimo, s.inicio + (n[size_t(c)] - 1) * s.passo);
    }
    for (double jd = primeiro; jd <= ultimo + 0.5; jd += 1.0) {
        for (int c = 0; c < N_TRANSITANTES; ++c) {
            Serie& s = m_series[size_t(c)];
            if (!(corpos & (1u << c)) || int(s.lon.size()) >= n[size_t(c)] || jd < s.inicio - 0.5) continue;
            const double k = (jd - s.inicio) / s.passo;
            if (std::fabs(k - std::round(k)) > 1e-9) continue;
            const PosicaoPontual p = CorpoPontual(jd, c);
            s.ok = s.ok && p.ok;
            double l = p.longitude;
            if (!s.lon.empty()) l += 360.0 * std::round((s.lon.back() - l) / 360.0);
            s.lon.push_back(l);
            s.vel.push_back(p.velocidade);
        }
    }
}

bool TabelaEfemerides::Tem(int corpo) const {
    return corpo >= 0 && corpo < N_TRANSITANTES && !m_series[size_t(corpo)].lon.empty();
}

double Hermite(double y0, double v0, double y1, double v1, double h, double s) {
    const double s2 = s * s, s3 = s2 * s;
    return (2 * s3 - 3 * s2 + 1) * y0 + (s3 - 2 * s2 + s) * h * v0 + (-2 * s3 + 3 * s2) * y1 +
           (s3 - s2) * h * v1;
}

double HermiteDerivada(double y0, double v0, double y1, double v1, double h, double s) {
    const double s2 = s * s;
    return ((6 * s2 - 6 * s) * y0 + (-6 * s2 + 6 * s) * y1) / h + (3 * s2 - 4 * s + 1) * v0 +
           (3 * s2 - 2 * s) * v1;
}

namespace {
template <typename F> double NoPasso(const TabelaEfemerides::Serie& s, double jd, F f) {
    const int n = int(s.lon.size());
    const double x = (jd - s.inicio) / s.passo;
    const int k = std::clamp(int(std::floor(x)), 0, n - 2);
    return f(s.lon[size_t(k)], s.vel[size_t(k)], s.lon[size_t(k + 1)], s.vel[size_t(k + 1)], s.passo, x - k);
}
} // namespace

double TabelaEfemerides::Continua(int corpo, double jd) const {
    return NoPasso(m_series[size_t(corpo)], jd, Hermite);
}

double TabelaEfemerides::Longitude(int corpo, double jd) const {
    const double l = std::fmod(Continua(corpo, jd), 360.0);
    return l < 0 ? l + 360.0 : l;
}

double TabelaEfemerides::Velocidade(int corpo, double jd) const {
    return NoPasso(m_series[size_t(corpo)], jd, HermiteDerivada);
}
