// The period list of transits (11 transiting bodies × 14 natal points × 5 aspects, the
// ingresses into houses and signs, the stations): goals on the development machine, 12 months
// under 50 ms and 100 years under 2 s; the moment's bi-wheel redrawn under 5 ms.
#include "birroda.h"
#include "orbes.h"
#include "simbolos.h"
#include "superficie.h"
#include "tempo.h"
#include "transitos.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

Natal UmNatal() {
    Natal n;
    n.jd = DiaJuliano0h(25, 4, 1974) + 0.5 / 24.0;
    n.latitude = 38.72;
    n.longitudeLeste = -9.13;
    const double l[14] = {34.6,  283.1, 17.2,  355.9, 72.4,  339.8, 101.2,
                          206.5, 248.9, 184.7, 257.3, 120.0, 289.5, 211.0};
    for (int i = 0; i < 14; ++i)
        n.pontos.push_back({i, l[i]});
    for (int h = 1; h <= 12; ++h)
        n.cuspides[size_t(h)] = std::fmod(289.5 + 30.0 * (h - 1), 360.0);
    return n;
}

void Periodo(benchmark::State& estado, double anos) {
    const Natal n = UmNatal();
    PedidoPeriodo p;
    p.inicio = DiaJuliano0h(1, 1, 2027);
    p.fim = p.inicio + anos * 365.25;
    size_t eventos = 0;
    for (auto _ : estado) {
        const std::vector<EventoTransito> v = TransitosDoPeriodo(n, p);
        eventos = v.size();
        benchmark::DoNotOptimize(v.data());
    }
    estado.counters["eventos"] = double(eventos);
}

void Momento(benchmark::State& estado) {
    OrbesActuais().CarregaPadrao();
    Mapa m;
    const Natal n = UmNatal();
    for (int i = 0; i < 13; ++i) {
        planeta& p = m.Corpo(i);
        const Simbolos::InfoCorpo info = Simbolos::BodyInfo(static_cast<int16_t>(i + 1));
        p.Nome = info.nome;
        p.Glifo = info.glifo;
        p.Cor = info.cor;
        p.Posicao().setValorGraus(n.pontos[size_t(std::min(i, 11))].longitude + (i == 12 ? 7.0 : 0.0));
    }
    for (int h = 1; h <= 12; ++h)
        m.Cuspide(h).setValorGraus(n.cuspides[size_t(h)]);
    QImage im(700, 700, QImage::Format_RGB32);
    const double jd = DiaJuliano0h(1, 6, 2027);
    for (auto _ : estado) {
        // What the window does on a new moment: the transiting bodies, their aspects, the redraw.
        const std::vector<PontoMovel> t = TransitantesEm(jd);
        const OrbesTransito o = OrbesTransito::Padrao();
        const std::vector<AspectoMomento> a =
            AspectosEntre(t, n.pontos, [&](int c) { return o.graus[size_t(c)]; });
        std::vector<CorpoExterior> fora;
        for (const PontoMovel& p : t) {
            CorpoExterior c;
            c.corpo = p.codigo;
            c.lambda = p.longitude * PI_NATALIS / 180.0;
            c.retrogrado = p.velocidade < 0;
            fora.push_back(c);
        }
        std::vector<Corda> cordas;
        for (const AspectoMomento& x : a)
            cordas.push_back({n.Longitude(x.fixo) * PI_NATALIS / 180.0, fora[0].lambda, x.tipo});
        Superficie s(im);
        ResultadoBiRoda r = DesenhaBiRoda(s, m, fora, cordas);
        benchmark::DoNotOptimize(r);
    }
}

} // namespace

BENCHMARK_CAPTURE(Periodo, doze_meses, 1.0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Periodo, cem_anos, 100.0)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(Momento)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
