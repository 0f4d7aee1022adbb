// One ephemeris run (goal: under 10 µs), and the house cusps a chart asks for afterwards.
#include "efemerides.h"

#include <benchmark/benchmark.h>

namespace {

RegistoTempo Instante(int k) {
    RegistoTempo t;
    t.dia = int16_t(1 + k % 28);
    t.mes = int16_t(1 + k % 12);
    t.ano = int16_t(1900 + k % 200);
    t.hora = int16_t(k % 24);
    t.minuto = int16_t(k % 60);
    t.fuso = 1.0;
    return t;
}

void BM_CorreEfemerides(benchmark::State& state) {
    RegistoLugar lugar;
    lugar.latitudeGraus = 38.0 + 43.0 / 60.0;
    lugar.longitudeGraus = 9.0 + 8.0 / 60.0;
    int k = 0;
    for (auto _ : state) {
        ResultadoEfemerides r = CorreEfemerides(Instante(k++), lugar);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_CorreEfemerides);

void BM_Cuspides(benchmark::State& state) {
    RegistoLugar lugar;
    lugar.latitudeGraus = 38.0 + 43.0 / 60.0;
    const ResultadoEfemerides r = CorreEfemerides(Instante(7), lugar);
    for (auto _ : state) {
        double soma = 0;
        for (int16_t n = 1; n <= 12; ++n)
            soma += HouseCusp(n, r);
        benchmark::DoNotOptimize(soma);
    }
}
BENCHMARK(BM_Cuspides);

} // namespace

BENCHMARK_MAIN();
