// Duetto's redraw: the aspects between two charts (the grid's and the list's contents) and the
// bi-wheel with their chords on a 600 × 600 surface; the goal is under 5 ms together. The whole
// synastry report from duetto.mdb: under 100 ms.
#include "birroda.h"
#include "calculo.h"
#include "fontedados.h"
#include "saidasduetto.h"
#include "simbolos.h"
#include "sinastria.h"
#include "superficie.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {
constexpr double A[12] = {84.0, 128.0, 70.5, 46.0, 134.0, 238.0, 124.0, 36.0, 340.0, 333.0, 120.0, 200.0};
constexpr double B[12] = {315.6, 315.9, 316.5, 317.4, 302.2, 318.9, 303.4, 239.0, 222.5, 161.4, 137.6, 150.0};

void prepara(Mapa& m, Pessoa& p, const double (&graus)[12], double mc) {
    m.Limpa();
    PreparaCorposMapa(m);
    for (int i = 0; i < 12; ++i) {
        m.Corpo(i).Posicao().setValorGraus(graus[i]);
        p.pontos[size_t(i)] = graus[i];
    }
    for (int h = 1; h <= 12; ++h) {
        p.cuspides[size_t(h)] = std::fmod(mc + 30.0 * (h - 10) + 720.0, 360.0);
        m.Cuspide(h).setValorGraus(p.cuspides[size_t(h)]);
    }
    p.pontos[PONTO_ASC] = p.cuspides[1];
    p.pontos[PONTO_MC] = p.cuspides[10];
}

void Redesenho(benchmark::State& estado) {
    Mapa ma, mb;
    Pessoa a, b;
    prepara(ma, a, A, 121.0);
    prepara(mb, b, B, 17.0);
    const OrbesSinastria orbes = OrbesSinastria::Padrao();
    QImage im(600, 600, QImage::Format_RGB32);
    for (auto _ : estado) {
        const std::vector<InterAspecto> v = InterAspectos(a, b, orbes);
        std::vector<Corda> cordas;
        for (const InterAspecto& x : v)
            if (x.a < PONTO_ASC && x.b < PONTO_ASC)
                cordas.push_back({a.pontos[size_t(x.a)] * PI_NATALIS / 180.0, b.pontos[size_t(x.b)] * PI_NATALIS / 180.0, x.tipo});
        im.fill(Qt::white);
        Superficie s(im);
        benchmark::DoNotOptimize(DesenhaBiRoda(s, ma, CorposExteriores(mb), cordas));
    }
}
BENCHMARK(Redesenho)->Unit(benchmark::kMillisecond);

void GrelhaPintada(benchmark::State& estado) {
    MapaDuetto a, b;
    prepara(a.mapa, a.pessoa, A, 121.0);
    prepara(b.mapa, b.pessoa, B, 17.0);
    QImage im(TamanhoGrelhaPar().toSize(), QImage::Format_RGB32);
    for (auto _ : estado) {
        Superficie s(im);
        DesenhaGrelhaPar(s, a.pessoa, b.pessoa, OrbesSinastria::Padrao());
    }
}
BENCHMARK(GrelhaPintada)->Unit(benchmark::kMillisecond);

void Relatorio(benchmark::State& estado) {
    if (!AbreTextosDuetto(QStringLiteral(NATALIS_PROGRAM_DIR "/duetto.mdb"))) {
        estado.SkipWithError("falta duetto.mdb (construa o programa primeiro)");
        return;
    }
    MapaDuetto a, b;
    prepara(a.mapa, a.pessoa, A, 121.0);
    prepara(b.mapa, b.pessoa, B, 17.0);
    a.pessoa.nome = QStringLiteral("Ana"), b.pessoa.nome = QStringLiteral("Rui");
    RelatorioSinastria r(a, b, OrbesSinastria::Padrao(), TextosDuetto(), {});
    for (auto _ : estado) {
        QTextDocument doc;
        r.Escreve(doc);
        benchmark::DoNotOptimize(doc.characterCount());
    }
}
BENCHMARK(Relatorio)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
