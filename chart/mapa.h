#pragma once
// The chart model: one chart at a time, program-wide, overwritten by each calculation.
#include "planeta.h"
#include "pontosextra.h"
#include <array>
#include <memory>

inline constexpr int N_CORPOS_MAPA = 19;
// The optional points follow the nineteen bodies: chart body 19 + k is point k (PontoExtra),
// body number 20 + k. They are shown only when the chart computed them.
inline constexpr int PRIMEIRO_PONTO_EXTRA = N_CORPOS_MAPA;
inline constexpr int N_CORPOS_COM_EXTRAS = N_CORPOS_MAPA + N_PONTOS_EXTRA;

class Mapa {
public:
    // Chart bodies 0..18 (index = body number − 1), created on first use.
    planeta& Corpo(int indice);
    // The same, and the optional points 19..26 (hidden until the chart computed them).
    planeta& CorpoComPontos(int indice);
    // Ephemeris bodies 0..11, written by the ephemeris run.
    planeta& CorpoEfemerides(int indice);
    // House cusps 1..12.
    PosSigno& Cuspide(int casa);
    std::array<double, 13> CuspidesRads() const;
    // The global aspect collection.
    iAspectos& Aspectos() { return m_aspectos; }
    // The aspects of the optional points, apart, so that the chart of the nineteen bodies
    // (its report, its synthesis) is the same whether they are on or off.
    iAspectos& AspectosExtra() { return m_aspectosExtra; }

    // Replaces the 19 chart bodies by new, empty objects and clears the global aspects.
    void RecriaCorpos();
    // Forgets everything (new chart).
    void Limpa();

private:
    std::array<std::unique_ptr<planeta>, N_CORPOS_COM_EXTRAS> m_corpos;
    std::array<std::unique_ptr<planeta>, 12> m_efemerides;
    std::array<PosSigno, 13> m_cuspides;
    iAspectos m_aspectos;
    iAspectos m_aspectosExtra;
};

// The program's one chart.
Mapa& MapaActual();
