#include "saidas.h"

#include "ficheiromapa.h"
#include "resumo.h"

namespace {
std::vector<SaidaCli>& registo() {
    static std::vector<SaidaCli> saidas;
    return saidas;
}

const RegistoSaida guardar({QStringLiteral("guardar"), QStringLiteral("FICHEIRO.anc"),
                            QStringLiteral("guarda o mapa num ficheiro de mapa (.anc)"),
                            [](const QString& caminho, CamposMapa& c, Mapa&) {
                                return SaveToFile(caminho, c) ? SAIDA_OK : SAIDA_FALHOU;
                            },
                            true});

const RegistoSaida resumo({QStringLiteral("resumo"), QStringLiteral("FICHEIRO.txt"),
                           QStringLiteral("guarda o resumo de posições (Windows-1252), como a janela o exporta"),
                           [](const QString& caminho, CamposMapa& c, Mapa& m) {
                               return SaveResume(caminho, c, m) ? SAIDA_OK : SAIDA_FALHOU;
                           },
                           true});
} // namespace

void RegistaSaida(SaidaCli saida) { registo().push_back(std::move(saida)); }

const std::vector<SaidaCli>& SaidasRegistadas() { return registo(); }

const SaidaCli* ProcuraSaida(const QString& opcao) {
    for (const SaidaCli& s : registo())
        if (s.opcao == opcao)
            return &s;
    return nullptr;
}

QString& FicheiroSaida() {
    static QString caminho;
    return caminho;
}
