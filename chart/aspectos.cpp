#include "aspectos.h"

#include "orbes.h"
#include "simbolos.h"

#include <QStringBuilder>
#include <cmath>

namespace {
constexpr int NODO = 10;
constexpr int FORTUNA = 12;
} // namespace

int AnguloAspecto(int tipo) {
    switch (tipo) {
    case ASPECTO_CONJUNCAO:
        return 0;
    case ASPECTO_SEXTIL:
        return 60;
    case ASPECTO_QUADRATURA:
        return 90;
    case ASPECTO_TRIGONO:
        return 120;
    case ASPECTO_OPOSICAO:
        return 180;
    default:
        return -1;
    }
}

int SeparacaoArredondada(double rads1, double rads2) {
    // Positions are whole arc seconds held in radians: taken back to whole seconds, a
    // separation of N°30' is exactly half a degree over and rounds up.
    const double segundos = std::fabs(rads1 - rads2) * (180.0 * 3600.0) / PI_NATALIS;
    if (!(segundos < 2.0 * LIMITE_GRAUS_POSICAO * 3600.0))
        return 360; // between values no circle holds: no aspect
    long long s = std::llround(segundos) % 1296000;
    if (s > 648000)
        s = 1296000 - s;
    return static_cast<int>(s / 3600 + (s % 3600 >= 1800 ? 1 : 0));
}

int TipoAspecto(int separacao, int orbe) {
    if (separacao <= orbe)
        return ASPECTO_CONJUNCAO;
    for (int tipo : TIPOS_ASPECTO) {
        const int angulo = AnguloAspecto(tipo);
        if (angulo > 0 && separacao >= angulo - orbe && separacao <= angulo + orbe)
            return tipo;
    }
    return 0;
}

int16_t CodigoAspectoCorpo(int i, int tipo, int j) {
    return static_cast<int16_t>((i + 10) * 1000 + tipo * 100 + (j + 10));
}

int16_t CodigoAspectoGlobal(int i, int tipo, int j) {
    return static_cast<int16_t>((i + 1) * 1000 + tipo * 100 + (j + 1));
}

std::vector<AspectoEncontrado> DetectaAspectos(Mapa& mapa) { return DetectaAspectos(mapa, OrbesActuais()); }

std::vector<AspectoEncontrado> DetectaAspectos(Mapa& mapa, const TabelaOrbes& orbes) {
    for (int i = 0; i < N_CORPOS_ASPECTOS; ++i)
        mapa.Corpo(i).Aspectos().Clear();
    mapa.Aspectos().Clear();

    static const QString nomesAspectos[10] = {{}, {}, {}, {}, Simbolos::AspectInfo(4).nome, {},
                                              Simbolos::AspectInfo(6).nome, Simbolos::AspectInfo(7).nome,
                                              Simbolos::AspectInfo(8).nome, Simbolos::AspectInfo(9).nome};
    double longitudes[N_CORPOS_ASPECTOS];
    for (int i = 0; i < N_CORPOS_ASPECTOS; ++i)
        longitudes[i] = mapa.Corpo(i).Posicao().ValorRads();

    std::vector<AspectoEncontrado> encontrados;
    encontrados.reserve(32);
    for (int i = 0; i < N_CORPOS_ASPECTOS; ++i) {
        planeta& pi = mapa.Corpo(i);
        for (int j = i + 1; j < N_CORPOS_ASPECTOS; ++j) {
            const int d = SeparacaoArredondada(longitudes[i], longitudes[j]);
            const int tipo = TipoAspecto(d, orbes.orb(i + 1, j + 1));
            if (tipo == 0)
                continue;
            const bool soConjuncao = i == NODO || j == NODO || i == FORTUNA || j == FORTUNA;
            if (soConjuncao && tipo != ASPECTO_CONJUNCAO)
                continue;
            planeta& pj = mapa.Corpo(j);
            const QString& nomeAspecto = nomesAspectos[tipo];
            const int16_t codigoCorpo = CodigoAspectoCorpo(i, tipo, j);
            // One allocation per name (QStringBuilder): a chart records a few dozen of them.
            pj.Aspectos().Add(QStringView(u" Em ") % nomeAspecto % QStringView(u" com ") % pi.Nome,
                              QVariant::fromValue(codigoCorpo));
            pi.Aspectos().Add(QStringView(u" Em ") % nomeAspecto % QStringView(u" com ") % pj.Nome,
                              QVariant::fromValue(codigoCorpo));
            // Each pair is visited once after the collection was cleared, so no code can be
            // there already: a plain Add spares AddifNotYet's search of the whole collection.
            mapa.Aspectos().Add(pi.Nome % QStringView(u" em ") % nomeAspecto % QStringView(u" com ") % pj.Nome,
                                QVariant::fromValue(CodigoAspectoGlobal(i, tipo, j)));
            encontrados.push_back({i, j, tipo});
        }
    }
    return encontrados;
}
