#pragma once
// The wheel and the aspect grid as image files: Windows bitmaps for the main window's
// commands, and PNG, BMP or SVG (vector, for print) by the file's extension for natalis-cli.
#include "mapa.h"

#include <QImage>
#include <QString>

inline const QString FILTRO_BITMAPS = QStringLiteral("Bitmaps(*.bmp)|*.bmp|");

// The file name the chooser proposes: the native's name + ".bmp" (wheel) or
// "_aspectos.bmp" (grid); empty when there is no name.
QString NomePropostoImagem(const QString& nomeNativo, bool aspectos);

// Writes the picture's current image as a bitmap through a temporary file. A file that
// cannot be written is reported in a message box (CaixaMensagens()) and leaves any existing file as it was; an
// empty path (the chooser cancelled) writes nothing and shows nothing.
bool SalvarImagem(const QImage& mapa, const QString& caminho);
bool SalvarImagemAspectos(const QImage& aspectospic, const QString& caminho);

// Draws the grid with its cells (the aspect pass runs) on its own.
void DesenhaQuadroAspectos(class Superficie& s, Mapa& mapa);

enum class DesenhoExportado { Roda, Grelha };
// Renders the wheel (on a lado × lado surface) or the grid of the chart into a ".png",
// ".bmp" or ".svg" file; raster images are drawn at `escala` device pixels per logical pixel.
// On failure returns false with a Portuguese message in `erro`.
bool ExportaDesenho(Mapa& mapa, DesenhoExportado qual, const QString& caminho, int lado, double escala,
                    QString* erro);
