// --sinastria OUTRO.anc: the aspects between the chart opened or cast and another chart, the
// closest first, and where each one's points fall in the other's houses; as CSV in the
// --saida file.
#include "gravacao.h"
#include "saidas.h"
#include "sinastria.h"

#include <cstdio>

namespace {
void escreve(FILE* f, const QString& t) {
    const QByteArray b = t.toUtf8();
    std::fwrite(b.constData(), 1, size_t(b.size()), f);
}

int sinastria(const QString& caminho, CamposMapa& campos, Mapa& mapa) {
    Pessoa a, b;
    QString erro;
    if (!PessoaDoMapa(campos, mapa, a, &erro) || !AbrePessoa(caminho, b, &erro)) {
        escreve(stderr, QStringLiteral("natalis-cli: ") + erro + QLatin1Char('\n'));
        return SAIDA_FALHOU;
    }
    const OrbesSinastria orbes = OrbesGuardados();
    if (!FicheiroSaida().isEmpty()) {
        if (!GravaFicheiro(FicheiroSaida(), CsvSinastria(a, b, orbes), &erro)) {
            escreve(stderr, QStringLiteral("natalis-cli: não foi possível escrever %1: %2\n").arg(FicheiroSaida(), erro));
            return SAIDA_FALHOU;
        }
        return SAIDA_OK;
    }
    QStringList l{QString(), QStringLiteral("Sinastria")};
    for (const InterAspecto& x : InterAspectos(a, b, orbes))
        l << LinhaInterAspecto(x, a, b);
    l << QString() << QStringLiteral("Casas") << LinhasSobreposicoes(a, b) << LinhasSobreposicoes(b, a);
    escreve(stdout, l.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    return SAIDA_OK;
}

const RegistoSaida registo({QStringLiteral("sinastria"), QStringLiteral("OUTRO.anc"),
                            QStringLiteral("lista os aspectos entre este mapa e o outro e as casas de um onde caem os "
                                           "pontos do outro (CSV com --saida)"),
                            sinastria, true, {QStringLiteral("anc")}});
} // namespace
