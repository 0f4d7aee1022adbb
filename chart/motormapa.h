#pragma once
// The engine and house system of a chart: the current choice kept as options 20 and 21, the
// notes a cast leaves for the status line, and the chart-file records after the 29th that
// keep a choice other than the default.
#include "camposmapa.h"
#include "efemerides.h"

#include <QStringList>

// Options 20 (engine) and 21 (house system) hold the codes ("preciso", "placidus"); a missing
// or unknown code is the default.
inline constexpr int OPCAO_MOTOR = 20;
inline constexpr int OPCAO_CASAS = 21;
// Option 50: the optional points asked for, as codes joined by commas ("quiron,ceres").
inline constexpr int OPCAO_PONTOS = 50;
EscolhaCalculo EscolhaDasOpcoes();
void GuardaEscolhaNasOpcoes(const EscolhaCalculo& e);

// What a run tells the user beyond the choice: which ephemeris served the precise engine, and
// Porphyry standing in where the house system has no cusps. Empty for the classic engine
// with cusps as asked.
QString AvisoCalculo(const ResultadoEfemerides& r, const EscolhaCalculo& e);

// "Cálculo: motor preciso (Swiss Ephemeris), casas Placidus." and the cast's note, for the
// status line, the positions summary and the report header.
QString TextoCalculo(const CamposMapa& campos);

// The records after the 29th (engine, house system, atlas zone; then, with optional points,
// their codes and one record per point), written only for a chart not cast with the defaults,
// so default charts keep the 29-record file byte for byte.
QStringList RegistosExtraMapa(const CamposMapa& campos);

// The house system whose cusps the chart holds: the chosen one, or Porfírio's where the chosen
// one has none (beyond the polar circles). Files and the batch record this one, so a chart
// opened again names the houses it shows.
SistemaCasas CasasUsadas(const CamposMapa& campos);
// Reads them back from their fields (engine, house system, zone, points and their position
// and flag fields); missing or unknown ones leave the default.
void LeRegistosExtraMapa(const QStringList& valores, CamposMapa& campos);
