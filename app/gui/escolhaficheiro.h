#pragma once
// The one file chooser of the program, by kind: 0 chart, 1 interpretation report, 2 orb file,
// 3 background picture, 4 positions summary, 5 bitmap image, 6 PDF document, 7 PNG or SVG drawing,
// 8 AAF charts. A name typed or accepted without
// an extension gets the kind's extension; cancelling is the only empty answer.
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

enum TipoFicheiro { FicheiroMapa = 0, FicheiroRelatorio = 1, FicheiroOrbes = 2, FicheiroFundo = 3,
                    FicheiroResumo = 4, FicheiroImagem = 5, FicheiroPdf = 6, FicheiroDesenho = 7, FicheiroAaf = 8 };

struct PedidoFicheiro {
    bool guardar = false;
    int tipo = FicheiroMapa;
    QString pasta;     // initial folder
    QStringList pastas; // the shipped folder of the kind and the user's, offered side by side
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
