#pragma once
// The painting behind the global-aspects window: a composite sheet (the aspect grid and the
// wheel side by side, with the list of Arabic parts beside them) or a large wheel. The window
// itself only shows what comes back.
#include "camposmapa.h"
#include "desenhos.h"

#include <QImage>
#include <QStringList>
#include <optional>

class Superficie;

inline constexpr double MARGEM_FOLHA = 20.0; // left edge of the grid on the sheet
inline constexpr double ESPACO_FOLHA = 33.0; // between the grid and the wheel

struct VistaGlobal {
    bool listaVisivel = false;
    QString dataTexto;
    QString dataDica;
    QStringList lista;
    std::optional<ResultadoDesenho> roda; // mode 2: where the markers go now
};

// "Partes", an empty line, then each part's name padded to 30 characters and its value.
QStringList Writelista(const CamposMapa& campos);

// Mode 1: white sheet with copies of the grid and the wheel, both at the vertical offset
// (sheet height − wheel height) / 2.
void PintaFolhaComposta(Superficie& map, const QImage& grelha, const QImage& roda);

// Mode 1 = composite sheet, 2 = large wheel drawn on `map` without background picture (and
// the main grid, when given, drawn again with it).
VistaGlobal ShowWith(int modo, Superficie& map, Mapa& mapa, const CamposMapa& campos, const QImage& grelha,
                     const QImage& roda, Superficie* grelhaPrincipal = nullptr);
