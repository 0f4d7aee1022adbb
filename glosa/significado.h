#pragma once
// What a text code stands for, in words ("Sol em Carneiro", "Lua em Quadratura com Marte",
// "Regente do mapa na Casa X"), and the family it belongs to, for the editor's browser.
#include <QString>
#include <QStringList>
#include <cstdint>

enum class Familia {
    CorposSignos,
    Cuspides,
    CorposCasas,
    Aspectos,
    RetrogradosSignos,
    RetrogradosCasas,
    Decanatos,
    Esclarecedores,
    Anjos,
    Sintese,
    Outros,
};
inline constexpr int N_FAMILIAS = int(Familia::Outros) + 1;

QString NomeFamilia(Familia f);
Familia FamiliaDe(int32_t codigo);
// Empty for a code the report never asks for.
QString Significado(int32_t codigo);
// True when the code names two chart bodies, so its position segments can be shown.
bool TemSegmentosPosicao(int32_t codigo);

// A text folded for searching: lower case, no accents ("Câncer" → "cancer").
QString DobraProcura(const QString& texto);
