#include "vectorial.h"

#include "desenhos.h"
#include "grelha.h"
#include "pontosmapa.h"
#include "superficie.h"

#include <QPainter>

QSizeF TamanhoVectorial(DesenhoExportado qual, int lado) {
    return qual == DesenhoExportado::Roda ? QSizeF(lado, lado) : QSizeF(TamanhoGrelha());
}

void DesenhaVectorial(QPainter& p, const QRectF& destino, Mapa& mapa, DesenhoExportado qual, int lado) {
    // A grid with optional points has more cells; it is scaled into the same place.
    const QSizeF tamanho = qual == DesenhoExportado::Roda ? TamanhoVectorial(qual, lado)
                                                          : QSizeF(TamanhoGrelha(int(CorposComPontos(mapa).size())));
    QSizeF ajustado = tamanho;
    ajustado.scale(destino.size(), Qt::KeepAspectRatio);
    const QPointF canto = destino.center() - QPointF(ajustado.width(), ajustado.height()) / 2.0;
    p.save();
    p.translate(canto);
    p.scale(ajustado.width() / tamanho.width(), ajustado.height() / tamanho.height());
    {
        Superficie s(p, tamanho.width(), tamanho.height());
        if (qual == DesenhoExportado::Roda)
            RedrawChart(s, nullptr, mapa, false);
        else
            DesenhaQuadroAspectos(s, mapa);
        s.Termina();
    }
    p.restore();
}
