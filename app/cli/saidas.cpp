#include "saidas.h"

#include "ficheiromapa.h"
#include "instalacao.h"
#include "resumo.h"

#include <QDir>
#include <cstdio>

namespace {
std::vector<SaidaCli>& registo() {
    static std::vector<SaidaCli> saidas;
    return saidas;
}

// In an installed copy a bare file name goes where the window keeps charts, the documents
// folder's Natalis/Mapas; a path with a folder, or any name in a portable copy, is kept.
QString destinoMapa(const QString& caminho) {
    if (PastaProgramaGravavel() || caminho.contains(QLatin1Char('/')) || caminho.contains(QLatin1Char('\\')))
        return caminho;
    return QDir(PastaMapas()).filePath(caminho);
}

const RegistoSaida guardar({QStringLiteral("guardar"), QStringLiteral("FICHEIRO.anc"),
                            QStringLiteral("guarda o mapa (.anc); instalado, um nome sem pasta vai para Documentos/Natalis/Mapas"),
                            [](const QString& caminho, CamposMapa& c, Mapa&) {
                                const QString destino = destinoMapa(caminho);
                                if (!SaveToFile(destino, c))
                                    return SAIDA_FALHOU;
                                if (destino != caminho)
                                    std::fprintf(stderr, "natalis-cli: mapa guardado em %s\n",
                                                 QDir::toNativeSeparators(destino).toUtf8().constData());
                                return SAIDA_OK;
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
