#pragma once
// The chart wheel: a fixed zodiac ring whose sectors always sit at the same screen angles
// (the Midheaven's sign just counter-clockwise of the top), with house cusps, bodies and
// aspect chords placed against it by longitude. Longitude grows counter-clockwise on screen.
//
// Drawing never moves a widget: where the main window's marker labels go, their tool tips,
// the side-label texts and the Eclipse flag come back in a ResultadoDesenho.
#include "aspectos.h"
#include "disposicao.h"
#include "mapa.h"
#include "ponto.h"

#include <QPointF>
#include <QRectF>
#include <QString>
#include <array>
#include <map>
#include <vector>

class Superficie;

// The wheel's geometry, recomputed at the start of every redraw (logical pixels, radians).
struct GeometriaRoda {
    Ponto centro;
    double OuterRadius = 0.0;
    double ZodiacInnerRadius = 0.0;
    double AspectRadius = 0.0;
    double ZeroAriesAngle = 0.0;
    CorRGB contraste = 0;
    bool fundoEscuro = false; // the background at (0, 0) is dark: light glyphs in high contrast
};

// Centre and radii for a surface of the given logical size (ZeroAriesAngle is set later).
GeometriaRoda CalculaGeometria(double scaleWidth, double scaleHeight);
// Screen angle of 0° of the first sign when the Midheaven lies in sign `signoMC` (0..11).
double ZeroAriesAngle(int signoMC);
// The same with the wheel turned so that the Ascendant (radians) lies on the left horizon.
double ZeroAriesAngleAscendente(double ascendente);
// The sign shown in sector k (0..11) when the Midheaven lies in sign `signoMC`.
int SignoDoSector(int signoMC, int k);
// |pixel − white|: black on white, white on black.
CorRGB CorContraste(CorRGB pixel);
// Track radius of body i (0..11).
double RaioCorpo(const GeometriaRoda& g, int i);
// Track radius of optional point k (0..7): half-way between the tracks of bodies k and k + 1.
double RaioPonto(const GeometriaRoda& g, int k);
// Screen angle of a longitude (radians), brought into 0..2π as the wheel does.
double AnguloEcra(const GeometriaRoda& g, double lambda);
// Surface point at a radius and screen angle.
QPointF PontoRoda(const GeometriaRoda& g, double raio, double teta);

inline constexpr int MARCADOR_NODO_SUL = 30;
inline constexpr double RAIO_PARTE_FORTUNA = 165.0;
inline constexpr CorRGB COR_CUSPIDE_ANGULAR = 14395780; // light blue
inline constexpr CorRGB COR_NOME_CASA = 8421504;        // grey
inline constexpr int CODIGO_ECLIPSE = 2921;

// Where a marker label goes and what its tool tip says.
struct Marcador {
    QRectF rect;
    QString dica;
};

// One glyph printed on the wheel, for tests and for callers that place their own markers.
struct GlifoColocado {
    int elemento;  // body index 0..12, 30 for the South Node, 19..26 for the optional points
    QPointF canto; // top-left corner of the glyph
    double raio;   // distance of the glyph's point from the centre
    double teta;   // screen angle
};

struct ResultadoDesenho {
    GeometriaRoda geometria;
    std::array<Marcador, 12> lblmark;        // one per sign sector, always moved
    std::map<int, Marcador> lblplanetMark;   // only the markers of drawn bodies
    std::vector<GlifoColocado> glifos;       // drawn bodies in drawing order
    std::vector<AspectoEncontrado> aspectos; // found by the aspect pass
    std::array<QRectF, 12> rotulosCasas;     // house name and degree blocks, house 1 first
    DisposicaoRoda disposicao;               // every box printed on the wheel
    double unidadeGrelha = 0.0;              // cell side of the grid, when one was drawn
    bool Eclipse = false;
    QString KeyWord;
    QString lblesclarecedor;
};

// Repaints the wheel on `roda` from the chart model and, when `grelha` is given, the aspect
// grid on it; runs the aspect pass and the dominant planets. A window lets its pending
// events run before calling it. With `fundo` set, `roda`'s
// picture is first replaced by the background picture at `caminhoFundo` (an empty path
// leaves it without picture).
ResultadoDesenho RedrawChart(Superficie& roda, Superficie* grelha, Mapa& mapa, bool fundo = false,
                             const QString& caminhoFundo = QString(),
                             const QString& caminhoFundoGrelha = QString());

// An aspect chord across the aspect circle between two longitudes (radians).
struct Corda {
    double lambda1 = 0.0, lambda2 = 0.0;
    int tipo = 0;
};

// Contrast, dark background and the angle of 0° of the first sign for the chart, read from
// the surface as it stands (its background already shown).
void PreparaGeometria(Superficie& roda, GeometriaRoda& g, Mapa& mapa);
// The wheel on the geometry in `r`: rings, signs, houses, chords, bodies and the aspect grid
// when given. The chords are the chart's own aspects, or `cordas` when given.
void DrawWheel(Superficie& roda, Superficie* grelha, Mapa& mapa, const QString& caminhoFundoGrelha,
               const std::vector<Corda>* cordas, ResultadoDesenho& r);
void DrawChords(Superficie& s, const GeometriaRoda& g, const std::vector<Corda>& cordas);
// The colour of an aspect's chord under the wheel's colour scheme.
CorRGB CorCorda(int tipo, CorRGB contraste, bool fundoEscuro);

// The steps of the redraw, in their order; the placing comes from the wheel's layout
// (disposicao.h) and the colours from the wheel's options (opcoesroda.h).
void DrawRing(const Ponto& centro, double raio, Superficie& s, CorRGB cor);
// The twelve boundaries, at 0° of each sign; with the fixed ring at screen angles 0°, 30°, …
void DrawSignBoundaries(Superficie& s, const GeometriaRoda& g, CorRGB cor);
// A tick at every degree on the inner edge of the zodiac ring, longer every 5° and 10°.
void DrawDegreeTicks(Superficie& s, const GeometriaRoda& g, CorRGB cor);
void DrawSignGlyphs(Superficie& s, const GeometriaRoda& g, int signoMC, ResultadoDesenho& r);
void DrawHouses(const GeometriaRoda& g, Superficie& s, const DisposicaoRoda& d, CorRGB cor);
void PlaceBodies(const GeometriaRoda& g, Superficie& s, Mapa& mapa, const DisposicaoRoda& d, ResultadoDesenho& r);
void PrintGlyph(Superficie& s, const QString& texto, const QString& fonte, double tamanho, CorRGB cor);

// Length of the tick at a degree of the zodiac (0 where a sign boundary stands).
double ComprimentoMarcaGrau(int grau);

// Top-centre of a house label block (name over degree) of the given size: the anchor itself
// when the block stays inside the zodiac ring, else moved towards the centre along the cusp.
QPointF DentroDaRoda(const GeometriaRoda& g, const QPointF& ancora, double largura, double altura,
                     double teta);

// Tool tip of a body marker: name, " a ", whole degree within the sign, " de ", sign name.
QString DicaCorpo(const QString& nome, double lambda);
