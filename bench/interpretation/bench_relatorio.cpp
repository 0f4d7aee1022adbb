// Goals: the full report of a chart with 20 aspects under 100 ms, also with the synthesis; one GetTexto under 20 µs.
// Both run against the shipped Intrepreter.mdb of the program folder.
#include "calculo.h"
#include "camposmapa.h"
#include "fontedados.h"
#include "mapa.h"
#include "nascimento.h"
#include "orbes.h"
#include "relatorio.h"
#include "textos.h"
#include <QGuiApplication>
#include <QTextDocument>
#include <benchmark/benchmark.h>

namespace {
FonteDados& Base() {
    static FonteDados f;
    if (!f.Aberta() &&
        !f.Abre(QStringLiteral(NATALIS_PROGRAM_DIR "/Intrepreter.mdb"), QStringLiteral("interpretação")))
        qFatal("%s", qPrintable(f.Erro()));
    return f;
}

void PreparaMapa(Mapa& mapa, CamposMapa& campos) {
    mapa.Limpa();
    for (int i = 0; i < 19; ++i) {
        mapa.Corpo(i).Posicao().setValorGraus(17.0 * i + 3.5);
        mapa.Corpo(i).Casa = static_cast<int16_t>(i % 12 + 1);
    }
    for (int h = 1; h <= 12; ++h)
        mapa.Cuspide(h).setValorGraus(h * 29.0);
    mapa.Corpo(3).Retrogrado = mapa.Corpo(7).Retrogrado = true;
    mapa.Corpo(2).Marcado = true;
    // 20 aspects among bodies 1..10 (codes of pairs a < b).
    int n = 0;
    for (int a = 1; a <= 10 && n < 20; ++a)
        for (int b = a + 1; b <= 10 && n < 20; ++b, ++n)
            mapa.Aspectos().Add(QStringLiteral("Aspecto"), a * 1000 + (n % 2 ? 400 : 700) + b);
    campos.txtNome = QStringLiteral("Maria");
    campos.sexoMasculino = false;
}
} // namespace

static void RelatorioCompleto(benchmark::State& state) {
    Mapa mapa;
    CamposMapa campos;
    PreparaMapa(mapa, campos);
    Relatorio r(campos, mapa, Base(), CoresRelatorio{});
    QTextDocument doc;
    for (auto _ : state) {
        r.AutoInterpretacao(doc);
        benchmark::DoNotOptimize(doc.characterCount());
    }
    state.counters["aspectos"] = mapa.Aspectos().Count();
}
BENCHMARK(RelatorioCompleto)->Unit(benchmark::kMillisecond);

// The same with the synthesis that opens the report, for a chart cast from birth data (so the
// daily motions are computed too) and a wheel picture of the size natalis-cli draws.
static void RelatorioComSintese(benchmark::State& state) {
    OrbesActuais().CarregaPadrao();
    Mapa mapa;
    CamposMapa campos = Nascimento(QStringLiteral("23/8/1988"), QStringLiteral("21:10"), QStringLiteral("1"),
                                   QStringLiteral("38º43' N"), QStringLiteral("9º8' W"));
    if (!Cast(campos, mapa)) qFatal("chart not cast");
    Relatorio r(campos, mapa, Base(), CoresRelatorio{});
    OpcoesSintese sintese;
    sintese.ligada = true;
    sintese.roda = QImage(1200, 1200, QImage::Format_RGB32);
    sintese.roda.fill(Qt::white);
    r.setSintese(sintese);
    QTextDocument doc;
    for (auto _ : state) {
        r.AutoInterpretacao(doc);
        benchmark::DoNotOptimize(doc.characterCount());
    }
    state.counters["aspectos"] = mapa.Aspectos().Count();
}
BENCHMARK(RelatorioComSintese)->Unit(benchmark::kMillisecond);

static void UmGetTexto(benchmark::State& state) {
    Mapa mapa;
    CamposMapa campos;
    PreparaMapa(mapa, campos);
    const ParesTexto pares = ParesNativo(campos);
    int32_t codigo = 1101;
    for (auto _ : state) {
        benchmark::DoNotOptimize(GetTexto(Base(), codigo, pares, false, mapa));
        codigo = codigo == 1112 ? 1101 : codigo + 1;
    }
}
BENCHMARK(UmGetTexto)->Unit(benchmark::kMicrosecond);

static void SoProcura(benchmark::State& state) {
    int32_t codigo = 1101;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Base().FindFirst(QStringLiteral("codigo"), QString::number(codigo)));
        codigo = codigo == 1112 ? 1101 : codigo + 1;
    }
}
BENCHMARK(SoProcura)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
