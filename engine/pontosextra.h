#pragma once
// The optional points the precise engine adds to a chart: Quíron and the four main asteroids
// (from the asteroid file of the Swiss Ephemeris, 1800–2400), the osculating Black Moon, the
// mean node and the Vertex. Each is off unless asked for; a chart without them is exactly the
// chart of the nineteen bodies.
#include <QString>
#include <cstdint>
#include <optional>

enum class PontoExtra : int { Quiron = 0, Ceres, Palas, Juno, Vesta, LuaNegraVerdadeira, NodoMedio, Vertice };
inline constexpr int N_PONTOS_EXTRA = 8;

// A set of points, one bit per PontoExtra (bit k = point k).
using ConjuntoPontos = uint32_t;
inline constexpr ConjuntoPontos TODOS_PONTOS_EXTRA = (1u << N_PONTOS_EXTRA) - 1;
constexpr bool TemPonto(ConjuntoPontos c, int k) { return (c >> k) & 1u; }

// "quiron", "ceres", "palas", "juno", "vesta", "lua-negra-verdadeira", "nodo-medio", "vertice".
QString CodigoPontoExtra(int k);
// "Quíron", …, "Lua Negra verdadeira", "Nodo Lunar médio", "Vértice".
QString NomePontoExtra(int k);
// The keypad's and the batch's abbreviations: QUI CER PAL JUN VES LNV NDM VTX.
QString AbreviaturaPontoExtra(int k);
// The glyph letter in Sigil.
QString GlifoPontoExtra(int k);
// Whether the point comes from the asteroid file (and so has its years).
bool PontoDeAsteroide(int k);

// The codes of a set joined by commas, in point order; empty for none.
QString CodigosPontos(ConjuntoPontos c);
// Reads a comma-separated list of codes (case and accents ignored, blanks allowed); an
// unknown code gives nothing. An empty text is the empty set.
std::optional<ConjuntoPontos> LePontos(const QString& lista);
