#include "superficie.h"

#include "fontes.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <cmath>

QColor CorQt(CorRGB cor) {
    return QColor(cor & 0xFF, (cor >> 8) & 0xFF, (cor >> 16) & 0xFF);
}

CorRGB CorDeQt(const QColor& cor) {
    return RGBCor(cor.red(), cor.green(), cor.blue());
}

Superficie::Superficie(QImage& imagem) : m_imagem(&imagem) {
    const QSizeF logico = imagem.deviceIndependentSize();
    m_largura = logico.width();
    m_altura = logico.height();
    Prepara(imagem);
}

Superficie::Superficie(QPaintDevice& dispositivo, double largura, double altura)
    : m_largura(largura), m_altura(altura) {
    Prepara(dispositivo);
}

Superficie::~Superficie() {
    Termina();
}

Superficie::Superficie(QPainter& pintor, double largura, double altura)
    : m_pintor(&pintor), m_externo(true), m_largura(largura), m_altura(altura) {
    m_dispositivo = pintor.device();
    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing, true);
    pintor.setRenderHint(QPainter::TextAntialiasing, true);
    setFont(QStringLiteral("Times New Roman"), 10);
}

void Superficie::Prepara(QPaintDevice& dispositivo) {
    m_dispositivo = &dispositivo;
    m_pintor->begin(&dispositivo);
    m_pintor->setRenderHint(QPainter::Antialiasing, true);
    m_pintor->setRenderHint(QPainter::TextAntialiasing, true);
    // One-pixel lines at whole coordinates fall on pixel centres and stay crisp.
    const double razao = dispositivo.devicePixelRatioF();
    if (std::fmod(std::round(razao), 2.0) == 1.0 && std::fabs(razao - std::round(razao)) < 1e-9)
        m_desvio = 0.5 / razao;
    m_pintor->translate(m_desvio, m_desvio);
    setFont(QStringLiteral("Times New Roman"), 10);
}

void Superficie::Termina() {
    if (m_externo) {
        if (m_pintor) m_pintor->restore();
        m_pintor = nullptr; // the caller's painter goes on without this surface
        return;
    }
    if (m_pintor->isActive()) m_pintor->end();
}

void Superficie::setFont(const QString& nome, double pontos) {
    m_nomeFonte = nome;
    m_pontos = pontos;
    // Sizes are points on a 96-dpi screen, whatever the device's own resolution.
    const int dpi = m_dispositivo ? m_dispositivo->logicalDpiY() : 96;
    m_fonte = FonteDesenho(nome, dpi > 0 ? pontos * 96.0 / dpi : pontos);
}

void Superficie::Cls() {
    m_pintor->fillRect(QRectF(-m_desvio, -m_desvio, m_largura, m_altura), CorQt(BackColor));
    if (!m_figura.isNull()) DesenhaImagem(QPointF(0, 0), m_figura);
    CurrentX = 0.0;
    CurrentY = 0.0;
}

CorRGB Superficie::Point(double x, double y) const {
    if (m_imagem) {
        const double r = m_imagem->devicePixelRatio();
        const QPoint p(static_cast<int>(x * r), static_cast<int>(y * r));
        if (m_imagem->valid(p)) return CorDeQt(m_imagem->pixelColor(p));
        return BackColor;
    }
    const QPoint p(static_cast<int>(x), static_cast<int>(y));
    if (!m_figura.isNull() && m_figura.valid(p)) return CorDeQt(m_figura.pixelColor(p));
    return BackColor;
}

void Superficie::DesenhaImagem(const QPointF& canto, const QImage& imagem) {
    m_pintor->drawImage(canto - QPointF(m_desvio, m_desvio), imagem);
}

void Superficie::Line(double x1, double y1, double x2, double y2, CorRGB cor) {
    m_pintor->setPen(QPen(CorQt(cor), 1.0));
    m_pintor->drawLine(QPointF(x1, y1), QPointF(x2, y2));
    CurrentX = x2;
    CurrentY = y2;
}

void Superficie::Circle(double cx, double cy, double raio, CorRGB cor) {
    m_pintor->setPen(QPen(CorQt(cor), 1.0));
    m_pintor->setBrush(Qt::NoBrush);
    m_pintor->drawEllipse(QPointF(cx, cy), raio, raio);
    CurrentX = cx;
    CurrentY = cy;
}

void Superficie::Print(const QString& texto) {
    const QFontMetricsF fm(m_fonte, m_dispositivo);
    const QPointF base(CurrentX, CurrentY + fm.ascent());
    // In a vector file the symbols go as outlines: a viewer without Sigil would show letters.
    // An SVG file takes every text so: a renderer without the face the layout measured would
    // draw the numbers in another of other widths, crowding or parting them. Built large and
    // scaled to the size the metrics give (points on a 96-dpi screen), so the outline matches
    // whatever the device's resolution.
    const bool svg = m_pintor->paintEngine() && m_pintor->paintEngine()->type() == QPaintEngine::SVG;
    if (svg || (!m_imagem && m_nomeFonte == FONTE_SIGIL)) {
        constexpr int PIXEIS_CONTORNO = 1000;
        QFont grande(m_fonte);
        grande.setPixelSize(PIXEIS_CONTORNO);
        QPainterPath contorno;
        contorno.addText(QPointF(0, 0), grande, texto);
        const double k = m_pontos * 96.0 / 72.0 / PIXEIS_CONTORNO;
        QTransform t;
        t.translate(base.x(), base.y());
        t.scale(k, k);
        m_pintor->fillPath(t.map(contorno), CorQt(ForeColor));
    } else {
        m_pintor->setFont(m_fonte);
        m_pintor->setPen(CorQt(ForeColor));
        m_pintor->drawText(base, texto);
    }
    CurrentX = 0.0;
    CurrentY += fm.lineSpacing();
}

double Superficie::TextWidth(const QString& texto) const {
    return QFontMetricsF(m_fonte, m_dispositivo).horizontalAdvance(texto);
}

double Superficie::TextHeight(const QString&) const {
    return QFontMetricsF(m_fonte, m_dispositivo).lineSpacing();
}

QRectF Superficie::AreaImpressa(const QString& texto) const {
    const QFontMetricsF fm(m_fonte, m_dispositivo);
    return fm.boundingRect(texto).translated(0.0, fm.ascent());
}
