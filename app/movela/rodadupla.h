#pragma once
// The bi-wheel on screen and in files: the natal chart inside, a second set of bodies outside
// (transits, progressions, directions, a return) with the chords of their aspects.
#include "birroda.h"

#include <QWidget>
#include <vector>

class Mapa;

struct ConteudoRodaDupla {
    std::vector<CorpoExterior> exterior;
    std::vector<Corda> cordas;
};

// Paints the bi-wheel into a square of `lado` logical pixels on any painter.
void PintaRodaDupla(QPainter& p, double lado, Mapa& mapa, const ConteudoRodaDupla& c);
// The bi-wheel as a picture, sharp at the given pixel ratio.
QImage ImagemRodaDupla(Mapa& mapa, const ConteudoRodaDupla& c, int lado, double razao = 1.0);
// Written as PNG (a picture of `lado` pixels) or SVG (vectors) by the extension of the path,
// through the checked writer. False with the reason.
bool ExportaRodaDupla(Mapa& mapa, const ConteudoRodaDupla& c, const QString& caminho, int lado, QString* erro);

class RodaDupla : public QWidget {
    Q_OBJECT
public:
    explicit RodaDupla(QWidget* pai = nullptr);
    void define(Mapa* mapa, ConteudoRodaDupla c);
    const ConteudoRodaDupla& conteudo() const { return m_conteudo; }
    QSize sizeHint() const override { return {460, 460}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int w) const override { return w; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Mapa* m_mapa = nullptr;
    ConteudoRodaDupla m_conteudo;
};
