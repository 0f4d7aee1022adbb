#include "progressoes.h"

#include "pontual.h"

#include <cmath>

double DiaProgredido(const Natal& natal, double jd) {
    return natal.jd + (jd - natal.jd) / ANO_TROPICO;
}

double DataDoProgredido(const Natal& natal, double jdProgredido) {
    return natal.jd + (jdProgredido - natal.jd) * ANO_TROPICO;
}

std::vector<PontoMovel> Progressao::Pontos() const {
    std::vector<PontoMovel> v = corpos;
    double velocidadeSol = 0.0;
    for (const PontoMovel& p : corpos)
        if (p.codigo == 0) velocidadeSol = p.velocidade;
    v.push_back({PONTO_ASCENDENTE, ascendente, velocidadeSol});
    v.push_back({PONTO_MEIO_CEU, meioCeu, velocidadeSol});
    return v;
}

Progressao Progride(const Natal& natal, double jd) {
    Progressao p;
    p.jd = jd;
    p.jdProgredido = DiaProgredido(natal, jd);
    // Degrees per progressed day are degrees per year of life.
    p.corpos = TransitantesEm(p.jdProgredido);
    const PosicaoPontual solNatal = CorpoPontual(natal.jd, 0);
    double solProgredido = 0.0;
    for (const PontoMovel& m : p.corpos)
        if (m.codigo == 0) solProgredido = m.longitude;
    // Both Suns from the engine, so that the arc is nought at birth whichever engine cast the chart.
    p.arcoSolar = Reduz360(solProgredido - solNatal.longitude);
    const double epsNatal = ObliquidadeVerdadeira(natal.jd),
                 epsProgredido = ObliquidadeVerdadeira(p.jdProgredido);
    const double armcNatal = AscensaoRecta(natal.Longitude(PONTO_MEIO_CEU), epsNatal);
    const double arcoAR =
        AscensaoRecta(solProgredido, epsProgredido) - AscensaoRecta(solNatal.longitude, epsNatal);
    const CeuPontual ceu =
        CeuDoARMC(armcNatal + arcoAR, natal.latitude, epsProgredido, SistemaCasas::Placidus);
    p.meioCeu = ceu.mc;
    p.ascendente = ceu.asc;
    return p;
}

std::vector<PontoMovel> Direcciona(const Natal& natal, double jd) {
    const Progressao p = Progride(natal, jd);
    double velocidade = 0.0;
    for (const PontoMovel& m : p.corpos)
        if (m.codigo == 0) velocidade = m.velocidade;
    std::vector<PontoMovel> v;
    for (const PontoNatal& n : natal.pontos)
        v.push_back({n.codigo, Reduz360(n.longitude + p.arcoSolar), velocidade});
    return v;
}

std::vector<EventoTransito> IngressosLuaProgredida(const Natal& natal, double inicio, double fim) {
    PedidoPeriodo pedido;
    pedido.inicio = DiaProgredido(natal, inicio);
    pedido.fim = DiaProgredido(natal, fim);
    pedido.corpos = 1u << 1;
    pedido.aspectos = pedido.estacoes = false;
    std::vector<EventoTransito> v = TransitosDoPeriodo(natal, pedido);
    for (EventoTransito& e : v)
        for (double& t : e.exactos)
            t = DataDoProgredido(natal, t);
    return v;
}
