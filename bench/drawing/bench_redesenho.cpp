// A full redraw (wheel, grid, aspect pass, dominant planets) on a 600 × 600 surface; the goal
// is under 5 ms on the development machine.
#include "desenhos.h"
#include "grelha.h"
#include "orbes.h"
#include "simbolos.h"
#include "superficie.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

// A chart with bodies spread round the zodiac and some aspects among them, and one whose
// bodies crowd into a few degrees, so that the layout has to spread most of them.
constexpr double ESPALHADO[13] = {84.0, 128.0, 70.5, 46.0, 134.0, 238.0, 124.0, 36.0, 340.0, 333.0, 120.0, 200.0, 15.0};
constexpr double ESTELIO[13] = {315.6, 315.9, 316.5, 317.4, 302.2, 318.9, 303.4, 239.0, 222.5, 161.4, 137.6, 150.0, 317.0};

void PreparaMapa(Mapa& m, const double (&graus)[13]) {
    m.Limpa();
    for (int i = 0; i < 13; ++i) {
        planeta& p = m.Corpo(i);
        const Simbolos::InfoCorpo info = Simbolos::BodyInfo(static_cast<int16_t>(i + 1));
        p.Nome = info.nome;
        p.Glifo = info.glifo;
        p.Cor = info.cor;
        p.Casa = static_cast<int16_t>(i % 12 + 1);
        p.Retrogrado = i % 3 == 0;
        p.Posicao().setValorGraus(graus[i]);
    }
    for (int h = 1; h <= 12; ++h)
        m.Cuspide(h).setValorGraus(std::fmod(121.0 + 30.0 * (h - 10) + 720.0, 360.0));
}

void RedesenhoCompleto(benchmark::State& estado, const double (&graus)[13]) {
    OrbesActuais().CarregaPadrao();
    Mapa m;
    PreparaMapa(m, graus);
    QImage roda(600, 600, QImage::Format_RGB32);
    QImage grelha(TamanhoGrelha(), QImage::Format_RGB32);
    roda.fill(Qt::white);
    grelha.fill(Qt::white);
    for (auto _ : estado) {
        Superficie sr(roda);
        Superficie sg(grelha);
        ResultadoDesenho r = RedrawChart(sr, &sg, m, false);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK_CAPTURE(RedesenhoCompleto, espalhado, ESPALHADO)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RedesenhoCompleto, estelio, ESTELIO)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
