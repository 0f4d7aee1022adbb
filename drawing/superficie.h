#pragma once
// A drawing surface in the manner of a picture box: a current print position where text is
// anchored by its top-left corner (each print moves to the start of the next line), a fore
// colour, a font given by name and size in points, a background colour and picture, and the
// colour of a pixel. Coordinates are logical pixels; on a high-density image the painter
// draws at the image's device pixel ratio, so the geometry stays the same and the result is
// sharp.
#include "planeta.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <memory>

class QPaintDevice;

class Superficie {
public:
    // Paints on an image (its device pixel ratio gives the logical size).
    explicit Superficie(QImage& imagem);
    // Paints on any device of the given logical size (an SVG file); its pixels cannot be read
    // back, so Point answers from the background colour and picture.
    Superficie(QPaintDevice& dispositivo, double largura, double altura);
    // Paints through a painter already open on a page (a printer, a PDF), whose transform maps
    // the surface's logical size where the caller wants it; its state is restored at the end.
    Superficie(QPainter& pintor, double largura, double altura);
    ~Superficie();
    Superficie(const Superficie&) = delete;
    Superficie& operator=(const Superficie&) = delete;

    double ScaleWidth() const { return m_largura; }
    double ScaleHeight() const { return m_altura; }

    double CurrentX = 0.0;
    double CurrentY = 0.0;
    CorRGB ForeColor = 0;
    CorRGB BackColor = RGBCor(255, 255, 255);

    void setFont(const QString& nome, double pontos);

    // The background picture shown under every drawing; a null image removes it.
    void setPicture(const QImage& imagem) { m_figura = imagem; }

    // Fills with the background colour, shows the picture and returns the position to (0, 0).
    void Cls();
    // The colour shown at a logical point (red in the low byte).
    CorRGB Point(double x, double y) const;
    // A line in the given colour; the current position moves to its end.
    void Line(double x1, double y1, double x2, double y2, CorRGB cor);
    void Circle(double cx, double cy, double raio, CorRGB cor);
    // Prints at the current position in the fore colour and moves to the next line.
    void Print(const QString& texto);
    double TextWidth(const QString& texto) const;
    double TextHeight(const QString& texto) const;
    // Where the ink of a text printed at the current position falls, relative to that
    // position (the layout keeps these boxes apart).
    QRectF AreaImpressa(const QString& texto) const;

    // Copies an image with its top-left corner at a logical point.
    void DesenhaImagem(const QPointF& canto, const QImage& imagem);

    QPainter& Pintor() { return *m_pintor; }
    // Ends painting (an SVG file is written when its painter ends).
    void Termina();

private:
    void Prepara(QPaintDevice& dispositivo);

    QImage* m_imagem = nullptr;
    QPaintDevice* m_dispositivo = nullptr;
    QPainter m_proprio;
    QPainter* m_pintor = &m_proprio;
    bool m_externo = false;
    double m_largura = 0.0;
    double m_altura = 0.0;
    QString m_nomeFonte;
    double m_pontos = 0.0;
    QFont m_fonte;
    QImage m_figura;
    double m_desvio = 0.0; // half a device pixel, so that lines fall on pixel centres
};

QColor CorQt(CorRGB cor);
CorRGB CorDeQt(const QColor& cor);
