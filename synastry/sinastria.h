#pragma once
// Two charts compared: the aspects between the points of one and of the other under the
// synastry orbs, where each one's points fall in the other's houses, and the two charts made
// of both, the composite (the midpoints of each pair of points) and the Davison (the sky at
// the midpoint in time and in place of the two births).
#include "camposmapa.h"
#include "escolhacalculo.h"
#include "mapa.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// Points of a person: 0..11 the chart's bodies (Sol .. Nodo Lunar Norte, Lua Negra), then the
// angles.
inline constexpr int PONTO_ASC = 12;
inline constexpr int PONTO_MC = 13;
inline constexpr int N_PONTOS = 14;

struct Pessoa {
    QString nome;
    bool masculino = true;
    double jd = 0.0;             // birth, Julian day in universal time
    double latitude = 0.0;       // degrees, north positive
    double longitudeLeste = 0.0; // degrees, east positive
    std::array<double, N_PONTOS> pontos{}; // degrees 0..360
    std::array<bool, 12> retrogrado{};
    std::array<double, 13> cuspides{};     // degrees, [0] unused
    EscolhaCalculo escolha;
};

// Reads a chart already rebuilt from its fields; false (with the reason) when its birth date,
// time, zone or place cannot be read.
bool PessoaDoMapa(const CamposMapa& campos, Mapa& mapa, Pessoa& pessoa, QString* erro = nullptr);
// Opens a chart file (without touching the recent files) and reads it as above.
bool AbrePessoa(const QString& caminho, Pessoa& pessoa, QString* erro = nullptr);

// "Sol" .. "Lua Negra", "Ascendente", "Meio do Céu".
QString NomePonto(int ponto);
// "conjunção", "sextil", "quadratura", "trígono", "oposição".
QString NomeAspectoSinastria(int tipo);
// "I" .. "XII".
QString NumeroRomano(int casa);

// The synastry orbs, one per point, in degrees: an aspect between two points holds within
// the larger of their two orbs. Built in: 6° Sol and Lua, 5° Mercúrio, Vénus and Marte, 4°
// the rest.
struct OrbesSinastria {
    std::array<double, N_PONTOS> orbe{};
    static OrbesSinastria Padrao();
    double Par(int a, int b) const;
    // "6,6,5,…": the settings' form; a list that cannot be read whole leaves the orbs alone.
    QString Texto() const;
    bool LeTexto(const QString& texto);
    bool operator==(const OrbesSinastria&) const = default;
};
// The orbs kept in the settings ("duetto/orbes"), the built-in ones when none are.
OrbesSinastria OrbesGuardados();
void GuardaOrbes(const OrbesSinastria& orbes);

struct InterAspecto {
    int a = 0, b = 0;   // point of the first chart, point of the second
    int tipo = 0;       // aspect code (aspectos.h)
    double orbe = 0.0;  // distance from the exact aspect, degrees
};
// Every aspect between a point of `a` and a point of `b`, the closest first (ties in the
// order of the points).
std::vector<InterAspecto> InterAspectos(const Pessoa& a, const Pessoa& b, const OrbesSinastria& orbes);
// The aspect between two longitudes under an orb, or tipo 0.
InterAspecto AspectoEntre(double lonA, double lonB, double orbe);

// The house (1..12) of each point of `de` in the houses of `em` (angles included).
std::array<int, N_PONTOS> Sobreposicoes(const Pessoa& de, const Pessoa& em);

// The midpoint of two longitudes on the shorter arc between them, degrees 0..360; for two
// opposite points, the one 90° ahead of the first.
double PontoMedio(double a, double b);
// Angle folded into 0..360 and into −180..180.
double Reduz360Graus(double g);
double Reduz180Graus(double g);

// The Davison's instant and place: the mean of the two Julian days and of the latitudes, and
// the midpoint of the two longitudes on the shorter arc (across the date line when that is
// the shorter way), east positive in −180..180.
struct InstanteLugar {
    double jd = 0.0, latitude = 0.0, longitudeLeste = 0.0;
};
InstanteLugar MeioDavison(const Pessoa& a, const Pessoa& b);

// The composite's houses: the midpoint of the Midheavens at the midpoint of the latitudes,
// under the obliquity of the Davison instant, divided by the first chart's house system.
// The composite chart as chart fields (positions as typed, so that opening it shows them),
// rebuilt into `mapa`. Its date, time and place are the Davison's, in universal time.
void MapaComposto(const Pessoa& a, const Pessoa& b, CamposMapa& campos, Mapa& mapa);
// The Davison chart cast by the precise engine for the midpoint instant (its positions those
// of the exact instant, the clock time in the fields to the minute, in universal time) in the
// first chart's house system. False with the reason when it cannot be cast.
bool MapaDavison(const Pessoa& a, const Pessoa& b, CamposMapa& campos, Mapa& mapa, QString* erro = nullptr);
// "A & B (composto)", "A & B (Davison)".
QString NomeComposto(const Pessoa& a, const Pessoa& b);
QString NomeDavison(const Pessoa& a, const Pessoa& b);

// Lines for the command line and the window: "Sol (A) quadratura Lua (B), orbe 1º05'".
QString LinhaInterAspecto(const InterAspecto& x, const Pessoa& a, const Pessoa& b);
QString TextoOrbe(double graus);
QStringList LinhasSobreposicoes(const Pessoa& de, const Pessoa& em);
// CSV: tipo;ponto;de;relacao;alvo;em;orbe — the aspects, then the overlays both ways.
QByteArray CsvSinastria(const Pessoa& a, const Pessoa& b, const OrbesSinastria& orbes);
