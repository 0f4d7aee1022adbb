#pragma once
// Transits over a natal chart: the transiting bodies' aspects to the natal points at a
// moment, with their orbs and whether they apply or separate; and the transits of a period,
// each aspect with the date it enters its orb, every exact pass (three when a retrograde loop
// brings the body back) and the date it leaves, the ingresses into the natal houses and into
// the signs, and the stations.
#include "natal.h"
#include "tabela.h"

#include <QString>
#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

// The orb of each transiting body (degrees), apart from the chart's own orbs.
struct OrbesTransito {
    std::array<double, N_TRANSITANTES> graus{};
    static OrbesTransito Padrao(); // 1° Sol to Marte and the node, 1°30′ Júpiter to Plutão
    bool operator==(const OrbesTransito&) const = default;
};
// Kept in the user's settings (section "Movela").
OrbesTransito LeOrbesTransito();
void GravaOrbesTransito(const OrbesTransito& o);

// A moving point (a transiting or progressed body, a directed point) at a moment.
struct PontoMovel {
    int codigo = 0;
    double longitude = 0.0;  // degrees
    double velocidade = 0.0; // degrees a day
};

struct AspectoMomento {
    int movel = 0;     // the moving point's code
    int fixo = 0;      // the natal point's code
    int tipo = 0;      // aspect code (aspectos.h)
    double orbe = 0.0; // |separation − aspect angle|, degrees
    bool aplicativo = false;
};

// Aspects of moving points to fixed ones within the orb each moving point's code is given,
// nearest first within each moving point.
std::vector<AspectoMomento> AspectosEntre(const std::vector<PontoMovel>& moveis,
                                          const std::vector<PontoNatal>& fixos,
                                          const std::function<double(int)>& orbe);

// The transiting bodies at an instant (Julian day, universal time), from the engine.
std::vector<PontoMovel> TransitantesEm(double jd, unsigned corpos = (1u << N_TRANSITANTES) - 1);

enum class TipoEvento { Aspecto, Casa, Signo, Estacao };

inline constexpr double SEM_DATA = std::numeric_limits<double>::quiet_NaN();

struct EventoTransito {
    TipoEvento tipo = TipoEvento::Aspecto;
    int corpo = 0;   // transiting body 0..10
    int alvo = 0;    // aspect: natal point; house: 1..12; sign: 0..11; station: 0 retrograde, 1 direct
    int aspecto = 0; // aspect code, for aspects
    double entrada = SEM_DATA, saida = SEM_DATA; // aspects: the orb's limits, NaN beyond the search
    std::vector<double> exactos;                 // aspects: each exact pass; the others: the instant
    bool retrogrado = false;                     // an ingress made moving backwards
    double Inicio() const;                       // the entry, or the first exact pass, or the instant
    double Fim() const;                          // the exit, or the last exact pass, or the instant
};

struct PedidoPeriodo {
    double inicio = 0.0, fim = 0.0; // Julian days, universal time
    unsigned corpos = (1u << N_TRANSITANTES) - 1;
    bool aspectos = true, casas = true, signos = true, estacoes = true;
    OrbesTransito orbes = OrbesTransito::Padrao();
};

// The longest span searched, in days (a hundred years).
inline constexpr double PERIODO_MAXIMO = 36525.0 + 1.0;

// Every event of the period, ordered by Inicio(). Aspects whose orb overlaps the period are
// all listed, with their whole span; ingresses and stations fall inside it. `progresso`
// receives 0..100 and may return false to stop (the list is then empty).
std::vector<EventoTransito> TransitosDoPeriodo(const Natal& natal, const PedidoPeriodo& pedido,
                                               const std::function<bool(int)>& progresso = {});

// The stations of one body: the instant its speed changes sign, found on the engine itself.
double RefinaEstacao(int corpo, double a, double b);
