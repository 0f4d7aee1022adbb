#include "mapa.h"

#include <stdexcept>

namespace {

template <size_t N> planeta& CriaSeFaltar(std::array<std::unique_ptr<planeta>, N>& corpos, int indice) {
    if (indice < 0 || indice >= static_cast<int>(N))
        throw std::out_of_range("índice de corpo fora da tabela");
    auto& p = corpos[static_cast<size_t>(indice)];
    if (!p) p = std::make_unique<planeta>();
    return *p;
}

} // namespace

planeta& Mapa::Corpo(int indice) {
    if (indice >= PRIMEIRO_PONTO_EXTRA)
        throw std::out_of_range("índice de corpo fora da tabela");
    return CriaSeFaltar(m_corpos, indice);
}

planeta& Mapa::CorpoComPontos(int indice) {
    const bool novo = indice >= PRIMEIRO_PONTO_EXTRA && indice < N_CORPOS_COM_EXTRAS && !m_corpos[size_t(indice)];
    planeta& p = CriaSeFaltar(m_corpos, indice);
    if (novo)
        p.Mostrado = false; // an optional point is shown only once the chart computed it
    return p;
}

planeta& Mapa::CorpoEfemerides(int indice) {
    return CriaSeFaltar(m_efemerides, indice);
}

PosSigno& Mapa::Cuspide(int casa) {
    if (casa < 1 || casa > 12) throw std::out_of_range("casa fora de 1..12");
    return m_cuspides[static_cast<size_t>(casa)];
}

std::array<double, 13> Mapa::CuspidesRads() const {
    std::array<double, 13> r{};
    for (size_t casa = 1; casa <= 12; ++casa)
        r[casa] = m_cuspides[casa].ValorRads();
    return r;
}

void Mapa::RecriaCorpos() {
    for (auto& p : m_corpos)
        p.reset();
    m_aspectos.Clear();
    m_aspectosExtra.Clear();
}

void Mapa::Limpa() {
    RecriaCorpos();
    for (auto& p : m_efemerides)
        p.reset();
    m_cuspides = {};
}

Mapa& MapaActual() {
    static Mapa mapa;
    return mapa;
}
