#pragma once
// The natal chart as the moving charts read it: the birth instant and place, and the points
// that transits, progressions and directions aspect (the twelve bodies, the Ascendant and the
// Midheaven) at the longitudes the chart holds, whichever engine cast it.
#include "camposmapa.h"
#include "escolhacalculo.h"
#include "mapa.h"

#include <QString>
#include <array>
#include <vector>

// Natal points: 0..11 the chart's bodies (Sol .. Nodo Lunar Norte, Lua Negra), then the angles.
inline constexpr int PONTO_ASCENDENTE = 12;
inline constexpr int PONTO_MEIO_CEU = 13;
inline constexpr int N_PONTOS_NATAIS = 14;

struct PontoNatal {
    int codigo = 0;
    double longitude = 0.0; // degrees 0..360
};

struct Natal {
    QString nome;
    bool masculino = true;
    double jd = 0.0;                   // birth, Julian day in universal time
    double latitude = 0.0;             // north positive
    double longitudeLeste = 0.0;       // east positive
    double fuso = 0.0;                 // the birth's zone, hours east
    std::vector<PontoNatal> pontos;    // every natal point, codes 0..13
    std::array<double, 13> cuspides{}; // degrees, [0] unused
    SistemaCasas casas = SistemaCasas::Proprio;
    double Longitude(int codigo) const;
};

// Reads an open chart; false (with the reason) when its birth date or time cannot be read.
bool NatalDoMapa(const CamposMapa& campos, Mapa& mapa, Natal& natal, QString* erro = nullptr);

// Names as the lists print them: "Sol" .. "Lua Negra", "Ascendente", "Meio do Céu".
QString NomePontoNatal(int codigo);
// Transiting bodies 0..10: "Sol" .. "Plutão", "Nodo Lunar Norte".
QString NomeTransitante(int corpo);
// "conjunção", "sextil", "quadratura", "trígono", "oposição" for the aspect codes.
QString NomeAspecto(int tipo);

// The house (1..12) of a longitude against cusps in degrees.
int CasaDe(double longitude, const std::array<double, 13>& cuspides);
// Angle folded into −180..180.
double Reduz180(double graus);
double Reduz360(double graus);
