#include "vistaglobal.h"

#include "superficie.h"

QStringList Writelista(const CamposMapa& campos) {
    QStringList linhas{QStringLiteral("Partes"), QString()};
    for (int k = 0; k < 7; ++k) {
        const QString nome = RotuloParteCampo(k);
        linhas << nome + QString(std::max<qsizetype>(0, 30 - nome.size()), u' ') + campos.partes[k];
    }
    return linhas;
}

void PintaFolhaComposta(Superficie& map, const QImage& grelha, const QImage& roda) {
    map.setPicture(QImage());
    map.BackColor = RGBCor(255, 255, 255);
    map.Cls();
    const QSizeF tamanhoRoda = roda.deviceIndependentSize();
    const double y = (map.ScaleHeight() - tamanhoRoda.height()) / 2.0;
    map.DesenhaImagem(QPointF(MARGEM_FOLHA, y), grelha);
    const double xRoda = MARGEM_FOLHA + grelha.deviceIndependentSize().width() + ESPACO_FOLHA;
    map.DesenhaImagem(QPointF(xRoda, y), roda);
}

VistaGlobal ShowWith(int modo, Superficie& map, Mapa& mapa, const CamposMapa& campos, const QImage& grelha,
                     const QImage& roda, Superficie* grelhaPrincipal) {
    VistaGlobal v;
    v.dataDica = campos.textoEstado;
    if (modo == 1) {
        v.listaVisivel = true;
        v.dataTexto = campos.textoEstado;
        PintaFolhaComposta(map, grelha, roda);
        v.lista = Writelista(campos);
    } else if (modo == 2) {
        v.listaVisivel = false;
        v.dataTexto = campos.anjo;
        v.roda = RedrawChart(map, grelhaPrincipal, mapa, false);
    }
    return v;
}
