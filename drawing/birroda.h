#pragma once
// The bi-wheel: a chart's wheel drawn as the single wheel is, a little smaller, and a second
// set of bodies (transits, a partner's chart, a return) on a ring outside its zodiac, each with
// its glyph, degree in the sign and retrograde mark, spread so that nothing prints over
// anything else. A tick on the zodiac's outer edge marks each outer body's exact degree, and
// the chords across the aspect circle are the ones the caller gives (usually the aspects
// between the two sets).
#include "desenhos.h"

#include <map>
#include <vector>

// A body of the outer set.
struct CorpoExterior {
    int corpo = 0;       // body index 0..12 (its glyph, name and colour come from the tables)
    double lambda = 0.0; // radians
    bool retrogrado = false;
    QString nome, glifo; // empty: the tables' ones
    CorRGB cor = 0;
    bool comCor = false; // false: the tables' colour
};

struct GeometriaBiRoda {
    GeometriaRoda interior;    // the chart's wheel
    double RaioExterior = 0.0; // the outer ring's outer circle
    double RaioTrilho = 0.0;   // the track of the outer bodies' glyphs
};

// Width of the outer ring, in logical pixels.
inline constexpr double LARGURA_ANEL_EXTERIOR = 40.0;
// Length of the tick on the zodiac's outer edge at each outer body's degree.
inline constexpr double MARCA_EXTERIOR = 5.0;

GeometriaBiRoda CalculaGeometriaBiRoda(double largura, double altura);

struct DisposicaoBiRoda {
    DisposicaoRoda interior;
    std::vector<CorpoDisposto> exterior; // elemento: index in the outer set
    std::vector<QRectF> todas() const;   // the wheel's boxes, then the outer bodies'
};

// Lays the bi-wheel out on a geometry whose ZeroAriesAngle is set.
DisposicaoBiRoda DispoeBiRoda(const GeometriaBiRoda& g, Superficie& s, Mapa& mapa,
                              const std::vector<CorpoExterior>& exterior);

struct ResultadoBiRoda {
    GeometriaBiRoda geometria;
    ResultadoDesenho interior; // the wheel's own markers, aspects and layout
    DisposicaoBiRoda disposicao;
    std::map<int, Marcador> marcadoresExteriores; // by index in the outer set
};

// Clears the surface and paints the bi-wheel. `cordas` are drawn in the aspect circle in
// place of the chart's own aspects.
ResultadoBiRoda DesenhaBiRoda(Superficie& s, Mapa& mapa, const std::vector<CorpoExterior>& exterior,
                              const std::vector<Corda>& cordas);

// The outer set made of a chart's bodies: the ten planets and the node that are shown.
std::vector<CorpoExterior> CorposExteriores(Mapa& outro);
