#include "superficieecra.h"

#include <QMouseEvent>
#include <QPainter>

SuperficieEcra::SuperficieEcra(QWidget* pai) : QWidget(pai) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SuperficieEcra::defineTamanhoFixo(const QSize& s) {
    m_fixo = s;
    if (s.isValid())
        setFixedSize(s);
    updateGeometry();
}

QSize SuperficieEcra::sizeHint() const { return m_fixo.isValid() ? m_fixo : QSize(600, 600); }

QImage SuperficieEcra::novaImagem() const {
    const qreal dpr = devicePixelRatioF();
    QSize logico = m_fixo.isValid() ? m_fixo : size();
    if (m_quadrada) {
        const int lado = std::min(logico.width(), logico.height());
        logico = QSize(lado, lado);
    }
    if (logico.isEmpty())
        logico = sizeHint();
    QImage imagem((QSizeF(logico) * dpr).toSize(), QImage::Format_RGB32);
    imagem.setDevicePixelRatio(dpr);
    imagem.fill(Qt::white);
    return imagem;
}

QImage SuperficieEcra::novaImagem(const QSize& logico, double escala) {
    const qreal dpr = devicePixelRatioF() * escala;
    QImage imagem((QSizeF(logico) * dpr).toSize(), QImage::Format_RGB32);
    imagem.setDevicePixelRatio(dpr);
    imagem.fill(Qt::white);
    return imagem;
}

void SuperficieEcra::defineImagem(const QImage& imagem) {
    m_imagem = imagem;
    m_escala = imagem.devicePixelRatio() / devicePixelRatioF();
    update();
}

void SuperficieEcra::limpa() {
    if (!m_imagem.isNull())
        m_imagem.fill(Qt::white);
    update();
}

void SuperficieEcra::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    if (m_imagem.isNull()) {
        p.fillRect(rect(), Qt::white);
        return;
    }
    const QSizeF logico = QSizeF(m_imagem.size()) / m_imagem.devicePixelRatio() * m_escala;
    // Centred; the square wheel sits in the middle of a wider view.
    const QPointF canto((width() - logico.width()) / 2.0, (height() - logico.height()) / 2.0);
    p.drawImage(QRectF(canto, logico), m_imagem);
}

void SuperficieEcra::resizeEvent(QResizeEvent*) { emit redimensionada(); }

static QPoint paraImagem(const QWidget* w, const QImage& img, double escala, QPointF p) {
    if (img.isNull())
        return p.toPoint();
    const QSizeF mostrado = QSizeF(img.size()) / img.devicePixelRatio() * escala;
    const QPointF canto((w->width() - mostrado.width()) / 2.0, (w->height() - mostrado.height()) / 2.0);
    return ((p - canto) / escala).toPoint();
}

void SuperficieEcra::mouseMoveEvent(QMouseEvent* e) {
    emit ratoMovido(paraImagem(this, m_imagem, m_escala, e->position()));
}

void SuperficieEcra::mousePressEvent(QMouseEvent* e) {
    emit clicado(paraImagem(this, m_imagem, m_escala, e->position()));
}
