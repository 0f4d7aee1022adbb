#pragma once
// Printing: the positions summary as a document, pictures on a page, and the printer itself,
// with a PDF file offered where no printer is installed.
#include <QImage>
#include <QString>

class QPrinter;
class QTextDocument;
class QWidget;
class Mapa;
struct CamposMapa;

// The summary as the printer shows it: Times New Roman, headings bold at 14 points, lines at 12,
// names padded to 30, " na Casa " and " [Retrogrado]", the parts from the chart model.
void DocumentoResumo(const CamposMapa& campos, Mapa& mapa, QTextDocument& doc);

// Everything on paper: the summary, the wheel and the grid, then the report and the personal
// part, in one document.
void DocumentoTudo(const CamposMapa& campos, Mapa& mapa, const QImage& roda, const QImage& grelha,
                   const QTextDocument& relatorio, const QTextDocument& pessoal, QTextDocument& doc);

// The reading window's report and personal part as they are printed: one document, the
// report's tables and images kept (its resources are the caller's to copy).
void InterpretacaoImpressa(const QTextDocument& relatorio, const QTextDocument& pessoal, QTextDocument& destino);

// A printer ready to print: the installed default one, or, with none installed, a PDF file the
// user chose (destinoPdf), printed first to a scratch file. False when the user cancelled.
bool PreparaImpressora(QWidget* pai, QPrinter& impressora, const QString& nomeProposto, QString* destinoPdf);

// After printing to a PDF: puts the scratch file in place through the checked writer, so a full
// disk keeps the file that was there. True, doing nothing, when a printer was used.
bool ConcluiImpressao(QPrinter& impressora, const QString& destinoPdf, QString* erro);
