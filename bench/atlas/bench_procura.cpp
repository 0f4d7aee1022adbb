// Search as you type over the shipped atlas: the time of one keystroke's search (the rows the
// atlas window lists), for each prefix a user goes through typing a few names. Goal: < 30 ms.
// Run after building the program folder: build/bench-bin/bench_procura
#include "atlas.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
Atlas& AtlasPartilhado() {
    static QTemporaryDir pasta;
    static Atlas atlas;
    if (!atlas.Aberto())
        atlas.Abre(QDir(QStringLiteral(NATALIS_PROGRAM_DIR)).filePath(QStringLiteral("locais.mdb")),
                   pasta.filePath(QStringLiteral("proprios.db")));
    return atlas;
}

void PorTecla(benchmark::State& estado, const char* nome) {
    Atlas& atlas = AtlasPartilhado();
    if (!atlas.Aberto()) {
        estado.SkipWithError("locais.mdb em falta: construa natalis_databases");
        return;
    }
    const QString texto = QString::fromUtf8(nome);
    qsizetype linhas = 0;
    for (auto _ : estado) {
        // Every prefix typed, one search each: the time per keystroke is the mean.
        for (qsizetype n = 1; n <= texto.size(); ++n)
            linhas += atlas.Procura(texto.left(n), 100).size();
    }
    estado.counters["ms_por_tecla"] = benchmark::Counter(
        double(estado.iterations() * texto.size()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert,
        benchmark::Counter::OneK::kIs1000);
    benchmark::DoNotOptimize(linhas);
}
} // namespace

BENCHMARK_CAPTURE(PorTecla, sao_paulo, "sao paulo")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(PorTecla, lisboa, "Lisboa")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(PorTecla, calheta_madeira, "calheta, madeira")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(PorTecla, vila_nova_de_gaia, "vila nova de gaia")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(PorTecla, uma_letra, "s")->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
