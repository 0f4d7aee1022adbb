// Reading RTF must stay linear in the file's size whatever its shape: a run of closing braces
// after the document (each once searched the rest of the file) and a million short paragraphs.
// Google Benchmark fits the complexity; "O(N)" with a flat per-item time is the goal.
#include "rtf.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <benchmark/benchmark.h>

#include <sys/resource.h>

static QByteArray Chavetas(qsizetype n) {
    return "{\\rtf1 a" + QByteArray(n, '}') + "\\";
}

static QByteArray Paragrafos(qsizetype n) {
    QByteArray r = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 ";
    r.reserve(r.size() + n * 6 + 1);
    for (qsizetype i = 0; i < n; ++i)
        r += "ab\\par ";
    return r + '}';
}

static void Le(benchmark::State& state, QByteArray (*gera)(qsizetype)) {
    const QByteArray rtf = gera(state.range(0));
    for (auto _ : state) {
        QTextDocument doc;
        benchmark::DoNotOptimize(LeRtf(rtf, doc));
    }
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(state.iterations() * rtf.size());
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    state.counters["pico_MB"] = double(uso.ru_maxrss) / 1024.0;
}

static void LeChavetas(benchmark::State& state) { Le(state, Chavetas); }
static void LeParagrafos(benchmark::State& state) { Le(state, Paragrafos); }
BENCHMARK(LeChavetas)->RangeMultiplier(4)->Range(1 << 16, 1 << 22)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(LeParagrafos)->RangeMultiplier(4)->Range(1 << 12, 1 << 20)->Unit(benchmark::kMillisecond)->Complexity();

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // QTextDocument lays text out with the platform's fonts
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
