#include "pontosmapa.h"

#include "opcoes.h"
#include "simbolos.h"

#include <QStringList>
#include <algorithm>

OrbesPontos LeOrbesPontos(const QString& texto) {
    OrbesPontos o;
    o.fill(ORBE_PONTO_PADRAO);
    const QStringList partes = texto.split(QLatin1Char(','));
    for (int k = 0; k < N_PONTOS_EXTRA && k < partes.size(); ++k) {
        bool ok = false;
        const int v = partes[k].trimmed().toInt(&ok);
        if (ok && v >= 0 && v <= 30)
            o[size_t(k)] = int16_t(v);
    }
    return o;
}

QString TextoOrbesPontos(const OrbesPontos& o) {
    QStringList l;
    for (int16_t v : o)
        l << QString::number(v);
    return l.join(QLatin1Char(','));
}

OrbesPontos& OrbesPontosActuais() {
    static OrbesPontos orbes = [] {
        OrbesPontos o;
        o.fill(ORBE_PONTO_PADRAO);
        return o;
    }();
    return orbes;
}

void CarregaOrbesPontos() { OrbesPontosActuais() = LeOrbesPontos(GetOption(OPCAO_ORBES_PONTOS)); }

void GuardaOrbesPontos(const OrbesPontos& o) {
    OrbesPontosActuais() = o;
    SaveOption(OPCAO_ORBES_PONTOS, TextoOrbesPontos(o));
}

int16_t OrbePonto(int i, int j, const OrbesPontos& o) {
    const auto orbe = [&](int c) { return c >= PRIMEIRO_PONTO_EXTRA ? o[size_t(c - PRIMEIRO_PONTO_EXTRA)] : int16_t(999); };
    return std::min(orbe(i), orbe(j));
}

std::vector<int> CorposComPontos(Mapa& mapa) {
    std::vector<int> l;
    for (int i = 0; i < N_CORPOS_ASPECTOS; ++i)
        l.push_back(i);
    for (int i = PRIMEIRO_PONTO_EXTRA; i < N_CORPOS_COM_EXTRAS; ++i)
        if (mapa.CorpoComPontos(i).Mostrado)
            l.push_back(i);
    return l;
}

std::vector<AspectoEncontrado> DetectaAspectosExtra(Mapa& mapa) { return DetectaAspectosExtra(mapa, OrbesPontosActuais()); }

std::vector<AspectoEncontrado> DetectaAspectosExtra(Mapa& mapa, const OrbesPontos& o) {
    mapa.AspectosExtra().Clear();
    std::vector<AspectoEncontrado> encontrados;
    const std::vector<int> corpos = CorposComPontos(mapa);
    for (size_t a = 0; a < corpos.size(); ++a) {
        for (size_t b = a + 1; b < corpos.size(); ++b) {
            const int i = corpos[a], j = corpos[b];
            if (j < PRIMEIRO_PONTO_EXTRA)
                continue; // a pair of main bodies belongs to the chart's own aspects
            planeta& pi = mapa.CorpoComPontos(i);
            planeta& pj = mapa.CorpoComPontos(j);
            const int tipo = TipoAspecto(SeparacaoArredondada(pi.Posicao().ValorRads(), pj.Posicao().ValorRads()),
                                         OrbePonto(i, j, o));
            // The mean node is the node too: like it, and the Part of Fortune, only in conjunction.
            constexpr int nodoMedio = PRIMEIRO_PONTO_EXTRA + int(PontoExtra::NodoMedio);
            const bool soConjuncao = i == 10 || i == 12 || i == nodoMedio || j == nodoMedio;
            if (tipo == 0 || (soConjuncao && tipo != ASPECTO_CONJUNCAO))
                continue;
            mapa.AspectosExtra().Add(pi.Nome + QStringLiteral(" em ") + Simbolos::AspectInfo(tipo).nome +
                                         QStringLiteral(" com ") + pj.Nome,
                                     QVariant::fromValue(CodigoAspectoGlobal(i, tipo, j)));
            encontrados.push_back({i, j, tipo});
        }
    }
    return encontrados;
}
