#pragma once
// Charts made by hand for the drawing tests: bodies named and coloured as the tables say,
// placed at given longitudes, with equal 30° houses from a given Midheaven.
#include "mapa.h"
#include "orbes.h"
#include "simbolos.h"

#include <QImage>
#include <QtGlobal>
#include <cmath>
#include <initializer_list>

namespace teste {

inline double Rad(double graus) {
    return graus * 3.14159265358979 / 180.0;
}

// Bodies 0..12 at 7° steps from 3° (no two within an aspect of one another when the orbs
// are all zero), houses from the Midheaven at `mc` degrees.
inline void MapaBase(Mapa& m, double mc = 0.0) {
    m.Limpa();
    for (int i = 0; i < 13; ++i) {
        planeta& p = m.Corpo(i);
        const Simbolos::InfoCorpo info = Simbolos::BodyInfo(static_cast<int16_t>(i + 1));
        p.Nome = info.nome;
        p.Glifo = info.glifo;
        p.Cor = info.cor;
        p.Numero = static_cast<int16_t>(i + 1);
        p.Posicao().setValorRads(Rad(3.0 + 7.0 * i));
    }
    for (int h = 1; h <= 12; ++h) {
        double c = mc + 30.0 * (h - 10);
        c -= 360.0 * std::floor(c / 360.0);
        m.Cuspide(h).setValorRads(Rad(c));
    }
}

inline void Posiciona(Mapa& m, int i, double graus) {
    m.Corpo(i).Posicao().setValorRads(Rad(graus));
}

inline void EscondeTodos(Mapa& m) {
    for (int i = 0; i < 13; ++i)
        m.Corpo(i).Mostrado = false;
}

// Orbs all zero: only aspects that round to exact are found.
inline void OrbesZero() {
    OrbesActuais() = TabelaOrbes{};
}

// The darkest and the lightest channel sum in a (2r+1)² neighbourhood of a logical point.
template <typename Escolhe>
int Vizinho(const QImage& im, double x, double y, int r, int inicial, Escolhe escolhe) {
    const double k = im.devicePixelRatio();
    int melhor = inicial;
    for (int dx = -r; dx <= r; ++dx)
        for (int dy = -r; dy <= r; ++dy) {
            const QPoint p(qRound(x * k) + dx, qRound(y * k) + dy);
            if (im.valid(p)) {
                const QColor c = im.pixelColor(p);
                melhor = escolhe(melhor, c.red() + c.green() + c.blue());
            }
        }
    return melhor;
}
inline int MinimoVizinho(const QImage& im, double x, double y, int r = 1) {
    return Vizinho(im, x, y, r, 3 * 255, [](int a, int b) { return std::min(a, b); });
}
inline int MaximoVizinho(const QImage& im, double x, double y, int r = 1) {
    return Vizinho(im, x, y, r, 0, [](int a, int b) { return std::max(a, b); });
}

// Pixels in a logical rectangle painted in a colour over a background: anti-aliased edges
// mix the two, so a pixel counts when it lies on the way from the background to the colour
// (30% to 130% of the way, within `tolerancia` of that line).
inline int ContaCor(const QImage& im, const QRectF& r, const QColor& cor, int tolerancia = 45,
                    const QColor& fundo = Qt::white) {
    const double k = im.devicePixelRatio();
    const double tr = cor.red() - fundo.red(), tg = cor.green() - fundo.green(),
                 tb = cor.blue() - fundo.blue();
    const double n2 = tr * tr + tg * tg + tb * tb;
    int n = 0;
    for (int x = int(r.left() * k); x < int(r.right() * k); ++x)
        for (int y = int(r.top() * k); y < int(r.bottom() * k); ++y) {
            if (!im.valid(x, y) || n2 == 0.0) continue;
            const QColor c = im.pixelColor(x, y);
            const double pr = c.red() - fundo.red(), pg = c.green() - fundo.green(),
                         pb = c.blue() - fundo.blue();
            const double a = (pr * tr + pg * tg + pb * tb) / n2;
            const double er = pr - a * tr, eg = pg - a * tg, eb = pb - a * tb;
            if (a >= 0.3 && a <= 1.3 && std::sqrt(er * er + eg * eg + eb * eb) <= tolerancia) ++n;
        }
    return n;
}

inline QImage ImagemBranca(int w, int h, double dpr = 1.0) {
    QImage im(QSize(w, h) * dpr, QImage::Format_RGB32);
    im.setDevicePixelRatio(dpr);
    im.fill(Qt::white);
    return im;
}

} // namespace teste
