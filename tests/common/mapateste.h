#pragma once
// Charts made by hand for the drawing tests (bodies named and coloured as the tables say, equal
// houses from a given Midheaven), and probes of the pixels drawn.
#include "desenhos.h"
#include "mapa.h"
#include "orbes.h"
#include "simbolos.h"
#include "superficie.h"

#include <QImage>

// Equal up to the round-off of the drawing's own arithmetic.
#define QPERTO(a, b) QVERIFY2(std::fabs(double(a) - double(b)) < 1e-9, qPrintable(QString::number(double(a), 'g', 15)))

namespace teste {

inline double Rad(double graus) { return graus * 3.14159265358979 / 180.0; }
inline void Posiciona(Mapa& m, int i, double graus) { m.Corpo(i).Posicao().setValorRads(Rad(graus)); }

// Bodies 0..12 at 7° steps from 3° (no two in aspect under zero orbs), houses from the MC at `mc`.
inline void MapaBase(Mapa& m, double mc = 0.0) {
    m.Limpa();
    for (int i = 0; i < 13; ++i) {
        planeta& p = m.Corpo(i);
        const Simbolos::InfoCorpo info = Simbolos::BodyInfo(static_cast<int16_t>(i + 1));
        p.Nome = info.nome;
        p.Glifo = info.glifo;
        p.Cor = info.cor;
        p.Numero = static_cast<int16_t>(i + 1);
        Posiciona(m, i, 3.0 + 7.0 * i);
    }
    for (int h = 1; h <= 12; ++h) m.Cuspide(h).setValorRads(Rad(std::fmod(mc + 30.0 * (h - 10) + 720.0, 360.0)));
}

inline void EscondeTodos(Mapa& m) { for (int i = 0; i < 13; ++i) m.Corpo(i).Mostrado = false; }
// Orbs all zero: only aspects that round to exact are found.
inline void OrbesZero() { OrbesActuais() = TabelaOrbes{}; }

inline ResultadoDesenho Desenha(QImage& im, Mapa& m, bool fundo = false, const QString& caminho = QString()) {
    Superficie s(im);
    ResultadoDesenho r = RedrawChart(s, nullptr, m, fundo, caminho);
    s.Termina();
    return r;
}

// The lowest (or highest) channel sum in a (2r+1)² neighbourhood of a logical point.
inline int Vizinho(const QImage& im, double x, double y, int r, bool maximo) {
    const double k = im.devicePixelRatio();
    int melhor = maximo ? 0 : 3 * 255;
    for (int dx = -r; dx <= r; ++dx)
        for (int dy = -r; dy <= r; ++dy) {
            const QPoint p(qRound(x * k) + dx, qRound(y * k) + dy);
            const int s = im.valid(p) ? im.pixelColor(p).red() + im.pixelColor(p).green() + im.pixelColor(p).blue() : melhor;
            melhor = maximo ? std::max(melhor, s) : std::min(melhor, s);
        }
    return melhor;
}
inline int MinimoVizinho(const QImage& im, double x, double y, int r = 1) { return Vizinho(im, x, y, r, false); }
inline int MaximoVizinho(const QImage& im, double x, double y, int r = 1) { return Vizinho(im, x, y, r, true); }
constexpr int ESCURO = 3 * 90; // an anti-aliased 1-pixel line: darkest neighbour below this

// Pixels in a logical rectangle painted in a colour over a background: anti-aliased edges
// mix the two, so a pixel counts when it lies on the way from the background to the colour
// (30% to 130% of the way, within `tolerancia` of that line).
inline int ContaCor(const QImage& im, const QRectF& r, const QColor& cor, int tolerancia = 45,
                    const QColor& fundo = Qt::white) {
    const double k = im.devicePixelRatio();
    const double tr = cor.red() - fundo.red(), tg = cor.green() - fundo.green(), tb = cor.blue() - fundo.blue();
    const double n2 = tr * tr + tg * tg + tb * tb;
    int n = 0;
    for (int x = int(r.left() * k); x < int(r.right() * k); ++x)
        for (int y = int(r.top() * k); y < int(r.bottom() * k); ++y) {
            if (!im.valid(x, y) || n2 == 0.0) continue;
            const QColor c = im.pixelColor(x, y);
            const double pr = c.red() - fundo.red(), pg = c.green() - fundo.green(), pb = c.blue() - fundo.blue();
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
