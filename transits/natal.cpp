#include "natal.h"

#include "aspectos.h"
#include "efemerides.h"
#include "normaliza.h"
#include "possigno.h"
#include "simbolos.h"
#include "tempo.h"

#include <cmath>

double Reduz360(double g) {
    g = std::fmod(g, 360.0);
    return g < 0 ? g + 360.0 : g;
}

double Reduz180(double g) {
    g = Reduz360(g);
    return g > 180.0 ? g - 360.0 : g;
}

double Natal::Longitude(int codigo) const {
    for (const PontoNatal& p : pontos)
        if (p.codigo == codigo) return p.longitude;
    return 0.0;
}

bool NatalDoMapa(const CamposMapa& campos, Mapa& mapa, Natal& natal, QString* erro) {
    NascimentoLido n;
    if (!LeNascimento(campos, n, erro)) return false;
    natal = Natal{};
    natal.nome = campos.txtNome;
    natal.masculino = campos.sexoMasculino;
    natal.jd = n.jd;
    natal.fuso = n.fuso;
    natal.latitude = n.latitude;
    natal.longitudeLeste = n.longitudeLeste;
    natal.casas = campos.escolha.casas;
    for (int i = 0; i < 12; ++i)
        natal.pontos.push_back({i, Reduz360(mapa.Corpo(i).Posicao().ValorGraus())});
    natal.pontos.push_back({PONTO_ASCENDENTE, Reduz360(mapa.Cuspide(1).ValorGraus())});
    natal.pontos.push_back({PONTO_MEIO_CEU, Reduz360(mapa.Cuspide(10).ValorGraus())});
    for (int h = 1; h <= 12; ++h)
        natal.cuspides[size_t(h)] = Reduz360(mapa.Cuspide(h).ValorGraus());
    return true;
}

QString NomePontoNatal(int codigo) {
    if (codigo == PONTO_ASCENDENTE) return QStringLiteral("Ascendente");
    if (codigo == PONTO_MEIO_CEU) return QStringLiteral("Meio do Céu");
    return Simbolos::BodyInfo(int16_t(codigo + 1)).nome;
}

QString NomeTransitante(int corpo) {
    return Simbolos::BodyInfo(int16_t(corpo + 1)).nome;
}

QString NomeAspecto(int tipo) {
    switch (tipo) {
    case ASPECTO_CONJUNCAO:
        return QStringLiteral("conjunção");
    case ASPECTO_SEXTIL:
        return QStringLiteral("sextil");
    case ASPECTO_QUADRATURA:
        return QStringLiteral("quadratura");
    case ASPECTO_TRIGONO:
        return QStringLiteral("trígono");
    case ASPECTO_OPOSICAO:
        return QStringLiteral("oposição");
    default:
        return QString();
    }
}

int CasaDe(double longitude, const std::array<double, 13>& cuspides) {
    std::array<double, 13> r{};
    for (size_t h = 1; h <= 12; ++h)
        r[h] = cuspides[h] * PI_NATALIS / 180.0;
    return HouseOf(Reduz360(longitude) * PI_NATALIS / 180.0, r);
}
