#include "movimentos.h"

#include "calculo.h"
#include "efemerides.h"
#include "normaliza.h"

#include <cmath>

namespace {
double Graus(const QString& texto) {
    PosSigno p;
    p.SetonbyString(texto);
    return p.ValorGraus();
}

// Signed difference b − a on the circle, in (−180°, 180°].
double Diferenca(double a, double b) {
    double d = std::fmod(b - a, 360.0);
    if (d > 180) d -= 360;
    if (d <= -180) d += 360;
    return d;
}

std::array<double, N_CORPOS_MOVIMENTO> Longitudes(const ResultadoEfemerides& r) {
    std::array<double, N_CORPOS_MOVIMENTO> l{};
    for (int i = 0; i < N_CORPOS_EFEMERIDES; ++i)
        l[i] = r.longitudes[i];
    constexpr double kGrau = PI_NATALIS / 180.0;
    l[12] = CalculaPartes(r.asc, l[0] * kGrau, l[1] * kGrau, 0, 0, 0, 0, 0)[0] / kGrau;
    return l;
}
} // namespace

std::optional<std::array<double, N_CORPOS_MOVIMENTO>> MovimentosDiarios(const CamposMapa& campos) {
    CamposMapa c = campos;
    if (c.txtData.trimmed().isEmpty() || !NormalizaDadosNascimento(c, nullptr)) return std::nullopt;
    RegistoTempo tempo = LerDataHora(c.txtData, c.txtHora);
    RegistoLugar lugar;
    lugar.latitudeGraus = Graus(c.txtLatitude);
    lugar.longitudeGraus = 15.0 * Graus(c.txtlongitude);
    // The zone is subtracted from the clock time: one hour less of zone is one hour later.
    RegistoTempo antes = tempo, depois = tempo;
    antes.fuso = Graus(c.FusoHorario) + 1.0;
    depois.fuso = Graus(c.FusoHorario) - 1.0;
    const auto a = Longitudes(CorreEfemerides(antes, lugar));
    const auto d = Longitudes(CorreEfemerides(depois, lugar));
    std::array<double, N_CORPOS_MOVIMENTO> v{};
    for (int i = 0; i < N_CORPOS_MOVIMENTO; ++i)
        v[i] = Diferenca(a[i], d[i]) * 12.0; // two hours apart
    return v;
}
