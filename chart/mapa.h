#pragma once
// The chart model: one chart at a time, program-wide, overwritten by each calculation.
#include "planeta.h"
#include <array>
#include <memory>

inline constexpr int N_CORPOS_MAPA = 19;

class Mapa {
public:
    // Chart bodies 0..18 (index = body number − 1), created on first use.
    planeta& Corpo(int indice);
    // Ephemeris bodies 0..11, written by the ephemeris run.
    planeta& CorpoEfemerides(int indice);
    // House cusps 1..12.
    PosSigno& Cuspide(int casa);
    std::array<double, 13> CuspidesRads() const;
    // The global aspect collection.
    iAspectos& Aspectos() { return m_aspectos; }

    // Replaces the 19 chart bodies by new, empty objects and clears the global aspects.
    void RecriaCorpos();
    // Forgets everything (new chart).
    void Limpa();

private:
    std::array<std::unique_ptr<planeta>, N_CORPOS_MAPA> m_corpos;
    std::array<std::unique_ptr<planeta>, 12> m_efemerides;
    std::array<PosSigno, 13> m_cuspides;
    iAspectos m_aspectos;
};

// The program's one chart.
Mapa& MapaActual();
