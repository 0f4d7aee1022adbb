#pragma once
// The whole chart at a glance, ahead of the catalogue of placements: the balance of elements,
// modalities and hemispheres, the chart ruler, stelliums, the major aspect figures and the
// aspects ordered by orb with their phase. Plain arithmetic on the chart model; the report
// writer turns it into text.
#include "mapa.h"
#include <array>
#include <optional>
#include <vector>

class TabelaOrbes;

namespace Sintese {

enum Elemento { Fogo, Terra, Ar, Agua };
enum Modalidade { Cardinal, Fixa, Mutavel };
// Sign index 0..11 (Carneiro = 0).
inline Elemento ElementoDe(int signo) { return Elemento(signo % 4); }
inline Modalidade ModalidadeDe(int signo) { return Modalidade(signo % 3); }

// The points counted in the balance: Sol .. Plutão (chart bodies 0..9), then the Ascendant,
// with their weights: the lights and the Ascendant count most, the personal planets next.
inline constexpr int N_PONTOS_EQUILIBRIO = 11;
inline constexpr int ASCENDENTE = 10;
inline constexpr std::array<int, N_PONTOS_EQUILIBRIO> kPesos = {3, 3, 2, 2, 2, 1, 1, 1, 1, 1, 3};

struct Equilibrio {
    std::array<int, 4> elementos{};   // weighted totals by Elemento
    std::array<int, 3> modalidades{}; // weighted totals by Modalidade
    // The ten planets by house: above the horizon (houses 7-12) or below, east (10-3) or west.
    int acima = 0, abaixo = 0, oriente = 0, ocidente = 0;
    // The highest totals; more than one on a tie.
    std::vector<int> elementosDominantes, modalidadesDominantes;
};
Equilibrio CalculaEquilibrio(Mapa& mapa);

// Chart-body index of the ruler of a sign (0..11): traditional rulers, or Urano, Neptuno and
// Plutão for Aquário, Peixes and Escorpião in the modern scheme.
int Regente(int signo, bool moderno);

// Three or more of the ten planets in one sign (lugar = sign 0..11) or one house (1..12).
struct Estelio {
    bool porSigno = true;
    int lugar = 0;
    std::vector<int> corpos;
};
std::vector<Estelio> Estelios(Mapa& mapa);

enum class TipoFigura { GrandeTrigono = 1, TQuadrada, GrandeCruz, Yod, Papagaio };
// The bodies of a figure: grand trine and grand cross in order round the figure; T-square the
// opposition first, then the apex; yod the sextile first, then the apex; kite the grand trine,
// then the body opposite its first one.
struct Figura {
    TipoFigura tipo;
    std::vector<int> corpos;
};
// Major figures among the ten planets, from the chart's aspects (found with the orbs in use).
// The quincunxes of a yod are not among those aspects: they take the pair's orb, at most
// kOrbeQuincuncio. A T-square inside a grand cross and a grand trine inside a kite are left out.
inline constexpr int kOrbeQuincuncio = 3;
std::vector<Figura> Figuras(Mapa& mapa, const TabelaOrbes& orbes);

enum class Fase { Desconhecida, Aplicativo, Separativo };
struct LinhaAspecto {
    int i = 0, j = 0, tipo = 0; // chart-body indices, aspect code
    double orbe = 0;            // degrees from exact
    Fase fase = Fase::Desconhecida;
};
// The chart's aspects ordered by orb, tightest first; the phase from the bodies' daily
// motions (degrees per day, chart bodies 0..12) when they are known.
std::vector<LinhaAspecto> AspectosPorOrbe(Mapa& mapa, const std::optional<std::array<double, 13>>& movimentos);
// Applying when the distance from exact shrinks with the given motions.
Fase FaseAspecto(double grausI, double grausJ, double movI, double movJ, int tipo);

// A hemisphere is marked when it holds at least this many of the ten planets; an element or a
// modality is weak at this many points or fewer.
inline constexpr int kHemisferioMarcado = 8;
inline constexpr int kPontosFracos = 1;

// Phase of the Moon at birth from the Moon's distance ahead of the Sun, in eight 45° steps:
// 1 Lua Nova (0°..45°), 2 Crescente, 3 Quarto Crescente, 4 Gibosa, 5 Cheia (180°..225°),
// 6 Disseminadora, 7 Quarto Minguante, 8 Balsâmica.
int FaseLunar(double grausSol, double grausLua);

// A planet's aspect to the Ascendant (angulo 1) or the Midheaven (angulo 10): conjunction,
// sextile, square, trine or opposition. The angles are weighed as the lights are: the orb is
// the planet's orb with the Sun (the Sun's own, with the Moon).
struct AspectoAngulo {
    int corpo = 0, angulo = 1, tipo = 0;
    double orbe = 0;
};
std::vector<AspectoAngulo> AspectosAosAngulos(Mapa& mapa, const TabelaOrbes& orbes);

} // namespace Sintese
