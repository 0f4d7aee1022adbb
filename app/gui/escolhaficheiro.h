#pragma once
// The one file chooser of the program, by kind: 0 chart, 1 interpretation report, 2 orb file,
// 3 background picture, 4 positions summary, 5 bitmap image, 6 PDF document, 7 PNG or SVG drawing. A name typed or accepted without
// an extension gets the kind's extension; cancelling is the only empty answer.
#include <QString>
#include <functional>

class QWidget;

enum TipoFicheiro { FicheiroMapa = 0, FicheiroRelatorio = 1, FicheiroOrbes = 2, FicheiroFundo = 3,
                    FicheiroResumo = 4, FicheiroImagem = 5, FicheiroPdf = 6, FicheiroDesenho = 7 };

struct PedidoFicheiro {
    bool guardar = false;
    int tipo = FicheiroMapa;
    QString pasta;     // initial folder
    QString proposto;  // proposed file name
    QString filtro;    // Qt filter text
    QString extensao;  // ".anc", ... ("" for any)
};

// The native's name as a proposed file name the chooser reads as one name.
QString NomeProposto(const QString& nome);

// The request for a kind, following the program's folders and proposals.
PedidoFicheiro PreparaPedido(bool guardar, int tipo, const QString& nomeNativo);

// Adds the kind's extension when the chosen name has none.
QString ComExtensao(const QString& caminho, const QString& extensao);

QString ShowFileDialog(QWidget* pai, bool guardar, int tipo, const QString& nomeNativo = QString());

// Tests answer the chooser instead of a person: the function receives the request and returns
// the path a user would have chosen (empty = cancelled).
void DefineRespostaFicheiro(std::function<QString(const PedidoFicheiro&)> resposta);
