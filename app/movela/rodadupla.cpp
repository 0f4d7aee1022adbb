#include "rodadupla.h"

#include "gravacao.h"
#include "mapa.h"
#include "superficie.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>

void PintaRodaDupla(QPainter& p, double lado, Mapa& mapa, const ConteudoRodaDupla& c) {
    Superficie s(p, lado, lado);
    DesenhaBiRoda(s, mapa, c.exterior, c.cordas);
}

QImage ImagemRodaDupla(Mapa& mapa, const ConteudoRodaDupla& c, int lado, double razao) {
    QImage im(int(lado * razao), int(lado * razao), QImage::Format_ARGB32_Premultiplied);
    im.setDevicePixelRatio(razao);
    im.fill(Qt::white);
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing);
    PintaRodaDupla(p, lado, mapa, c);
    p.end();
    return im;
}

bool ExportaRodaDupla(Mapa& mapa, const ConteudoRodaDupla& c, const QString& caminho, int lado, QString* erro) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (caminho.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator g;
        g.setOutputDevice(&buffer);
        g.setSize(QSize(lado, lado));
        g.setViewBox(QRect(0, 0, lado, lado));
        g.setTitle(QStringLiteral("Movela"));
        QPainter p(&g);
        p.fillRect(QRectF(0, 0, lado, lado), Qt::white);
        PintaRodaDupla(p, lado, mapa, c);
        p.end();
    } else if (!ImagemRodaDupla(mapa, c, lado).save(&buffer, "PNG")) {
        if (erro) *erro = QStringLiteral("a imagem não pôde ser feita");
        return false;
    }
    buffer.close();
    return GravaFicheiro(caminho, bytes, erro);
}

RodaDupla::RodaDupla(QWidget* pai) : QWidget(pai) {
    QSizePolicy sp(QSizePolicy::Expanding, QSizePolicy::Expanding);
    sp.setHeightForWidth(true);
    setSizePolicy(sp);
    setMinimumSize(300, 300);
}

void RodaDupla::define(Mapa* mapa, ConteudoRodaDupla c) {
    m_mapa = mapa;
    m_conteudo = std::move(c);
    update();
}

void RodaDupla::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (!m_mapa) return;
    const double lado = std::min(width(), height());
    p.translate((width() - lado) / 2.0, (height() - lado) / 2.0);
    p.setRenderHint(QPainter::Antialiasing);
    PintaRodaDupla(p, lado, *m_mapa, m_conteudo);
}
