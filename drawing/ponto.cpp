#include "ponto.h"

#include <cmath>

namespace {
// The full double, not the positions' PI_NATALIS: this only places pixels, and the wheel's
// layout was measured with it.
double Pi() {
    return 4.0 * std::atan(1.0);
}
} // namespace

void Ponto::SetPoint(double x, double y) {
    m_raio = std::sqrt(x * x + y * y);
    if (x == 0.0)
        m_teta = y >= 0.0 ? Pi() / 2.0 : -Pi() / 2.0;
    else
        m_teta = std::atan2(y, x);
}

double Ponto::y() const {
    return m_raio * std::sin(m_teta);
}
double Ponto::x() const {
    return m_raio * std::cos(m_teta);
}

void Ponto::Rotate(int16_t graus) {
    m_teta += CoorTrans(graus, 2);
}

double Ponto::CoorTrans(double valor, int16_t modo) {
    if (modo == 1) return valor * 180.0 / Pi();
    return valor * Pi() / 180.0;
}
