#pragma once
// Where each thing printed on the wheel goes, as plain geometry apart from painting: the
// bodies' glyphs, degree numbers and retrograde marks, spread along their tracks where they
// would print over one another (each keeps a short leader line to its exact degree), and the
// house labels placed clear of them. Every box is the ink of what is printed there, with a
// little room around it; no two boxes overlap, and no leader line crosses another body's box.
#include "mapa.h"

#include <QPointF>
#include <QRectF>
#include <QString>
#include <array>
#include <vector>

class Superficie;
struct GeometriaRoda;

// Room kept around each box, so that the inks of neighbours never touch.
inline constexpr double FOLGA_CAIXA = 0.75;
// Room kept between the boxes of two bodies, more than within one body's, so that a degree or
// retrograde mark is read with its own glyph.
inline constexpr double SEPARACAO_CORPOS = 1.5;
// A glyph moved further than this from its exact degree gets a leader line.
inline constexpr double DESVIO_COM_GUIA = 2.0;

struct CorpoDisposto {
    int elemento = 0;        // body index 0..12, or 30 for the South Node
    int corpo = 0;           // body index whose data it shows (10 for the South Node)
    double lambda = 0.0;     // longitude shown (radians)
    double raio = 0.0;       // track radius
    double tetaExacto = 0.0; // screen angle of its longitude
    double teta = 0.0;       // screen angle where its glyph stands
    QPointF ponto;           // where its glyph stands: on its track, or a step in or out in a crowd
    QString glifo;
    double tamanhoGlifo = 0.0;
    QPointF canto;           // top-left of the glyph's print position
    QPointF cantoGrau;       // print position of the degree number
    QPointF cantoRetrogrado; // print position of the retrograde mark
    QRectF caixaGlifo, caixaGrau, caixaRetrogrado; // the last is empty when not retrograde
    QPointF exacto;          // the exact degree on the track
    bool comGuia = false;
    QPointF fimGuia;         // where the leader line meets the glyph's box
};

struct RotuloCasaDisposto {
    double teta = 0.0;    // screen angle of the cusp
    QString nome, grau;
    QPointF canto;        // print position of the name; the degree prints on the next line
    QPointF cantoGrau;
    QRectF caixa;         // both lines' ink
};

struct DisposicaoRoda {
    std::array<QRectF, 12> signos; // sign glyphs, sector 0 first
    std::vector<CorpoDisposto> corpos;
    std::array<RotuloCasaDisposto, 12> casas; // house 1 first
    // Every box, for the painter's checks and the tests: signs, bodies, then house labels.
    std::vector<QRectF> todas() const;
};

// The sign glyph of sector k: print position and sign (0..11).
struct SignoDisposto {
    QPointF canto;
    int signo = 0;
    double teta = 0.0;
};
std::array<SignoDisposto, 12> DispoeSignos(const GeometriaRoda& g, int signoMC);

// Lays out the whole wheel for the chart on a surface (its fonts give the sizes).
DisposicaoRoda DispoeRoda(const GeometriaRoda& g, Superficie& s, Mapa& mapa, int signoMC);

// A body of a second set on a ring of its own (the outer ring of a bi-wheel).
struct CorpoAnel {
    int elemento = 0; // what the caller calls it (body index, or its own marker)
    int corpo = 0;    // body index whose colour and name it takes
    double lambda = 0.0;
    bool retrogrado = false;
    QString glifo;
};
// Lays a second set of bodies out along a ring of radius `raio`, each degree number on the
// glyph's side away from the centre, spread clear of `ocupadas` and of one another as the
// wheel's own bodies are; their boxes are added to `ocupadas`. A spread glyph's leader starts
// at its exact degree at `raioExacto`. Bodies without a finite longitude are left out.
std::vector<CorpoDisposto> DispoeAnel(const GeometriaRoda& g, Superficie& s, const std::vector<CorpoAnel>& corpos,
                                      double raio, double raioExacto, std::vector<QRectF>& ocupadas);

// The whole degree within the sign of a longitude (radians), as printed under a glyph.
QString GrauNoSigno(double lambda);

// The screen angle of a house cusp, brought into 0..2π.
double AnguloCuspide(const GeometriaRoda& g, double cuspide);
