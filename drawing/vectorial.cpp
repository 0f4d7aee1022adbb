#include "vectorial.h"

#include "desenhos.h"
#include "grelha.h"
#include "superficie.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <QSvgRenderer>

QSizeF TamanhoVectorial(DesenhoExportado qual, int lado) {
    return qual == DesenhoExportado::Roda ? QSizeF(lado, lado) : QSizeF(TamanhoGrelha());
}

void DesenhaVectorial(QPainter& p, const QRectF& destino, Mapa& mapa, DesenhoExportado qual, int lado) {
    // Recorded as SVG in memory and played back on the painter: the drawing paints through its
    // own surface, and the page's painter stays the caller's.
    const QSizeF tamanho = TamanhoVectorial(qual, lado);
    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    {
        QSvgGenerator gerador;
        gerador.setOutputDevice(&svg);
        gerador.setSize(tamanho.toSize());
        gerador.setViewBox(QRectF(QPointF(0, 0), tamanho));
        gerador.setResolution(96); // font sizes in points come out as on a screen
        Superficie s(gerador, tamanho.width(), tamanho.height());
        if (qual == DesenhoExportado::Roda)
            RedrawChart(s, nullptr, mapa, false);
        else
            DesenhaQuadroAspectos(s, mapa);
        s.Termina();
    }
    QSizeF ajustado = tamanho;
    ajustado.scale(destino.size(), Qt::KeepAspectRatio);
    const QRectF alvo(destino.center() - QPointF(ajustado.width(), ajustado.height()) / 2.0, ajustado);
    QSvgRenderer leitor(svg.data());
    leitor.render(&p, alvo);
}
