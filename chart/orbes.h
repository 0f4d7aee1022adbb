#pragma once
// The orb table (13 × 13 whole degrees indexed by body numbers 1..13, only a < b used) and
// the orb file (.orb): 46 whole numbers, one per line, in Windows-1252 with CR LF.
#include <QString>
#include <array>
#include <cstdint>
#include <utility>

inline constexpr int N_VALORES_ORBES = 46;
// The values of an orb file in file order: 45 pair orbs, then the fictitious-point value.
using ValoresOrbes = std::array<int16_t, N_VALORES_ORBES>;

class TabelaOrbes {
public:
    // orb(a, b) for body numbers 1..13 in either order; a body with itself, or a number
    // outside 1..13, answers 0.
    int16_t orb(int a, int b) const;
    void define(int a, int b, int16_t valor);

    // The built-in orbs. Pairs of Plutão, Nodo and Lua Negra with bodies 11..13 keep what
    // the table held before (0 when nothing was ever loaded).
    void CarregaPadrao();

    // The 46 values of an orb file made from this table, and their application to it:
    // value k < 45 is the pair ParOrbe(k); value 45 (v) sets (1|2, 11..13) to v and
    // (3..9, 11..13) to v − 1.
    ValoresOrbes ValoresFicheiro() const;
    void AplicaValoresFicheiro(const ValoresOrbes& valores);

    bool operator==(const TabelaOrbes& outra) const = default;

private:
    std::array<std::array<int16_t, 14>, 14> m_orbes{};
};

// Pair (a, b) of body numbers behind value k (0..44) of an orb file and of the options
// dialog's orb boxes: a = 1..9 and, within each a, b = 10 down to a + 1.
std::pair<int, int> ParOrbe(int k);

// The orbs in use (program-wide) and whether they are the built-in ones.
TabelaOrbes& OrbesActuais();
bool OrbesPadraoEmUso();

// Program folder + orbs/Default.orb.
QString CaminhoOrbesPadrao();

// Reads an orb file: 46 whole numbers separated by line breaks or commas. Refuses a missing
// or unreadable file, fewer than 46 numbers, or anything that is not a whole number, with a
// Portuguese message that names the file; the output is then untouched.
bool LeFicheiroOrbes(const QString& caminho, ValoresOrbes& valores, QString* erro = nullptr);
// Writes the 46 values, one per line, replacing the file atomically.
bool EscreveFicheiroOrbes(const QString& caminho, const ValoresOrbes& valores, QString* erro = nullptr);

// Load orbs: the built-in ones (option 0 = the default orb file's path), or the orb file at
// the path (option 0 = that path). A missing file is reported (critical icon) and the
// built-in orbs are loaded; a malformed one is reported (exclamation icon) and the orbs in
// use are kept (the built-in ones when none were loaded yet), with option 0 unchanged. An
// empty path without defaults does nothing. Returns whether the requested orbs are in use.
bool LoadOrbs(bool usarPadrao, const QString& caminho);
