#pragma once
// The transiting bodies tabulated over a span of time: the precise engine's longitude and speed
// at even steps (shorter for the fast bodies), and between them the cubic that matches both at
// each end. The cubic stays within a fraction of an arc second of the engine, so that a
// year's or a century's search asks the engine once a step instead of at every trial.
#include <array>
#include <cstddef>
#include <vector>

// Transiting bodies: 0 Sol, 1 Lua, 2..9 Mercúrio..Plutão, 10 the true node.
inline constexpr int N_TRANSITANTES = 11;

// Step of the table in days for a body.
double PassoTabela(int corpo);

class TabelaEfemerides {
public:
    // Bodies are those whose bit is set in `corpos` (bit i: body i).
    TabelaEfemerides(double jdInicio, double jdFim, unsigned corpos = (1u << N_TRANSITANTES) - 1);
    // Each body over its own span (inicio[i] to fim[i]). The engine is asked date by date for
    // every body due, which lets it reuse the Earth's place among them.
    TabelaEfemerides(const std::array<double, N_TRANSITANTES>& inicio,
                     const std::array<double, N_TRANSITANTES>& fim, unsigned corpos);

    bool Tem(int corpo) const;
    // Longitude unwrapped (continuous through 0° Carneiro, may leave 0..360), degrees.
    double Continua(int corpo, double jd) const;
    double Longitude(int corpo, double jd) const;  // 0..360
    double Velocidade(int corpo, double jd) const; // degrees a day

    // The samples, for the searches that walk them.
    struct Serie {
        double inicio = 0.0, passo = 1.0;
        std::vector<double> lon, vel; // lon unwrapped
        bool ok = true;               // every sample came from the engine
    };
    const Serie& Amostras(int corpo) const { return m_series[size_t(corpo)]; }

private:
    std::array<Serie, N_TRANSITANTES> m_series;
};

// The cubic on one step: value and derivative at s in [0, 1] of a step of h days.
double Hermite(double y0, double v0, double y1, double v1, double h, double s);
double HermiteDerivada(double y0, double v0, double y1, double v1, double h, double s);
