#pragma once
// Outputs of natalis-cli, keyed by option. Each source file of the tool may register its own
// with a static RegistoSaida, so that new outputs (images, the report) join the tool without
// touching main.cpp:
//
//   static const RegistoSaida imagem({"imagem-mapa", "FICHEIRO", "guarda a roda do mapa (BMP)",
//       [](const QString& caminho, CamposMapa& c, Mapa& m) { ...; return 0; }});
//
// The writers run after the chart is cast or opened, in the order their options appear on
// the command line (not in batch mode).
#include "camposmapa.h"
#include "mapa.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

inline constexpr int SAIDA_OK = 0;
inline constexpr int SAIDA_FALHOU = 1;      // the chart could not be cast, opened or written
inline constexpr int SAIDA_ARGUMENTOS = 2;  // bad command line

struct SaidaCli {
    QString opcao;     // long option without "--"
    QString valor;     // the value's name in the help ("FICHEIRO"); empty for a flag
    QString descricao; // one line of help, in Portuguese
    std::function<int(const QString& valor, CamposMapa& campos, Mapa& mapa)> escreve;
    // Writes text only (no drawing, no text layout): the tool then starts without Qt's GUI side.
    bool soTexto = false;
    // The file extensions the output can write (lower case, without the dot); any when empty.
    // Another is a bad command line, refused before anything is cast.
    QStringList extensoes = {};
    // Takes two values (--transitos INÍCIO FIM), joined by a space.
    bool doisValores = false;
};

// The --saida file of the outputs that write a list (the batch's, the transits'); empty for
// the standard output.
QString& FicheiroSaida();

void RegistaSaida(SaidaCli saida);
const std::vector<SaidaCli>& SaidasRegistadas();
const SaidaCli* ProcuraSaida(const QString& opcao);

struct RegistoSaida {
    explicit RegistoSaida(SaidaCli saida) { RegistaSaida(std::move(saida)); }
};
