#pragma once
// The wheel or the aspect grid drawn as vectors on any painter (a printer's page, a PDF),
// scaled into a rectangle: lines stay lines and glyphs stay outlines at any resolution.
#include "imagens.h"

#include <QRectF>

class QPainter;

// Draws the chart's wheel (laid out on a lado × lado surface) or grid into `destino`,
// keeping its proportions and centring it there.
void DesenhaVectorial(QPainter& p, const QRectF& destino, Mapa& mapa, DesenhoExportado qual, int lado = 600);
// The logical size the drawing is laid out on.
QSizeF TamanhoVectorial(DesenhoExportado qual, int lado = 600);
