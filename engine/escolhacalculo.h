#pragma once
// Which engine computes a chart and which house system divides it. The classic engine with the
// program's own house rule is the default and casts exactly as the program always has.
#include "pontosextra.h"

#include <QString>
#include <optional>

enum class Motor : int { Classico = 0, Preciso = 1 };

enum class SistemaCasas : int {
    Proprio = 0,
    Placidus,
    Koch,
    Regiomontanus,
    Campanus,
    Porfirio,
    Iguais,
    SignosInteiros,
    Alcabitius,
    Topocentrico,
    Morinus,
};
inline constexpr int N_SISTEMAS_CASAS = 11;

struct EscolhaCalculo {
    Motor motor = Motor::Classico;
    SistemaCasas casas = SistemaCasas::Proprio;
    // The optional points asked for; only the precise engine computes them.
    ConjuntoPontos pontos = 0;
    bool padrao() const { return motor == Motor::Classico && casas == SistemaCasas::Proprio; }
    bool operator==(const EscolhaCalculo&) const = default;
};

// Codes as the command line and the chart file write them ("classico", "placidus"...).
QString CodigoMotor(Motor m);
QString CodigoCasas(SistemaCasas s);
// Names as the user reads them ("clássico", "Porfírio"...).
QString NomeMotor(Motor m);
QString NomeCasas(SistemaCasas s);
// The one-letter code of the reference tools (swetest -house), 0 for the program's own rule.
char LetraCasas(SistemaCasas s);

// Readers of a code, ignoring case and accents; the house reader also takes the one-letter
// codes ("P", "K", "E" and "A" for equal houses, "W" for whole signs...).
std::optional<Motor> LeMotor(const QString& texto);
std::optional<SistemaCasas> LeCasas(const QString& texto);

// "motor preciso (Swiss Ephemeris), casas Placidus" (and ", pontos Quíron, Ceres" when asked).
QString DescricaoEscolha(const EscolhaCalculo& e);

// The choice the next cast uses: options 20 and 21 in the program, --motor and --casas in the
// command-line tool. Each thread has its own (the batch casts on several).
EscolhaCalculo& EscolhaCalculoActual();
