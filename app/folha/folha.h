#pragma once
// The printed sheet: a header with the native's name, the birth date, time and place and
// the calculation engine, and under it the wheel or the aspect grid drawn as vectors (sharp
// at the printer's resolution). The chart's PDF joins the wheel, the grid and the
// interpretation report in one file.
#include "camposmapa.h"
#include "mapa.h"

#include <QString>
#include <QStringList>
#include <functional>

class QPainter;
class QPagedPaintDevice;
class QRectF;
class QImage;
class QPageLayout;
class QTextDocument;

// The wheel as the report's synthesis shows it: the size it is shown at on the page, with twice
// the pixels so that lines stay whole on the screen and sharp on paper.
QImage RodaDoRelatorio(Mapa& mapa);

// Paints the report's wheel picture (by its name) in its place on a PDF's page as vectors, for
// the report's printer (ImprimeDocumento, GravaRelatorio).
std::function<bool(QPainter&, const QRectF&, const QString&)> RodaVectorialDoRelatorio(Mapa& mapa);

// The header's lines: the name, then the birth line, then the engine.
QStringList CabecalhoFolha(const CamposMapa& campos);

enum class ConteudoFolha { Roda, Grelha };

// Paints one sheet (header and drawing) into the page rectangle of an active painter.
void PintaFolha(QPainter& p, const QRectF& pagina, const CamposMapa& campos, Mapa& mapa, ConteudoFolha conteudo);

// Prints one sheet on a printer (or any paged device); false when nothing could be painted.
bool ImprimeFolha(QPagedPaintDevice& dispositivo, const CamposMapa& campos, Mapa& mapa, ConteudoFolha conteudo);

// The page of the chart's PDF (A4, margins of 18 mm at the sides and 15 mm above and below);
// a print to a PDF file takes it too, so both lay the report out alike.
QPageLayout PaginaPdf();

// Writes the chart's PDF: the wheel on the first page, the grid on the second, each under the
// header, then the report (when given) on the pages after them. Written through a temporary
// file; on failure returns false with a Portuguese message in `erro` and leaves any existing
// file as it was.
bool EscrevePdfMapa(const QString& caminho, const CamposMapa& campos, Mapa& mapa, const QTextDocument* relatorio,
                    QString* erro);
