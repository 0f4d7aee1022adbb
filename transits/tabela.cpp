#include "tabela.h"

#include "pontual.h"

#include <algorithm>
#include <cmath>

double PassoTabela(int corpo) {
    switch (corpo) {
    case 1:
        return 0.5; // the Moon: 0.5 days keeps the cubic within 0.05″
    case 2:
    case 10:
        return 1.0; // Mercury, and the node's fortnightly wobble
    case 0:
    case 3:
    case 4:
        return 2.0;
    default:
        return 4.0;
    }
}

TabelaEfemerides::TabelaEfemerides(double jdInicio, double jdFim, unsigned corpos) {
    for (int c = 0; c < N_TRANSITANTES; ++c) {
        if (!(corpos & (1u << c))) continue;
        Serie& s = m_series[size_t(c)];
        s.passo = PassoTabela(c);
        s.inicio = std::floor(jdInicio / s.passo) * s.passo;
        const int n = int(std::ceil((jdFim - s.inicio) / s.passo)) + 2;
        s.lon.resize(size_t(n));
        s.vel.resize(size_t(n));
        double anterior = 0.0;
        for (int k = 0; k < n; ++k) {
            const PosicaoPontual p = CorpoPontual(s.inicio + k * s.passo, c);
            s.ok = s.ok && p.ok;
            double l = p.longitude;
            if (k > 0) l += 360.0 * std::round((anterior - l) / 360.0);
            s.lon[size_t(k)] = anterior = l;
            s.vel[size_t(k)] = p.velocidade;
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
