#pragma once
// The interpretation texts: the program-wide database bindings, fetching a text by its code
// and expanding its markup (placeholders, sex segments, position segments), and the names of
// the 72 five-degree segments of the zodiac.
#include "fontedados.h"
#include <QList>
#include <QPair>
#include <QString>
#include <cstdint>

class Mapa;
struct CamposMapa;
class PosSigno;

// (key, value) pairs replaced in a text, in order.
using ParesTexto = QList<QPair<QString, QString>>;

// The bindings of the main window on Intrepreter.mdb: `interpretação` and `version`.
FonteDados& DataDB();
FonteDados& DataVer();
// Binds both to the database file; false (with a Portuguese reason) when it cannot be read.
bool AbreBaseInterpretacao(const QString& caminho, QString* erro = nullptr);

struct VersaoBase {
    QString title, major, minor, revision;
};
// The first record of `version`.
VersaoBase LeVersao(FonteDados& ver);

// The text between the first opening token and the following closing token, without its last
// character, trimmed; tokens are matched ignoring letter case. Empty without the opening token.
QString WhithinText(const QString& fonte, const QString& abre, const QString& fecha);

// Replaces every key in one left-to-right pass: the first key (in pair order) that starts at a
// position wins, and replaced values are never searched again.
QString SubstituiChaves(const QString& texto, const ParesTexto& pares);

// The two chart-body indices whose longitudes choose a position segment for a text code;
// false when the code names none. Aspect codes name their two partners.
bool CorposPosicao(int32_t codigo, int& a, int& b);

// Which of two positions is ahead on the zodiac's circle, the shorter way round: 1 when a is
// ahead of b (b less than 180° behind), -1 when a is behind, 0 when they coincide, 2 when they
// are exactly opposite (neither is ahead).
// Compared at whole arc seconds, so 0° Carneiro follows 29° Peixes. The position segments of a
// text ("{A", "{D", "{=") follow it: a Moon 6° behind a Sun at 0°22' Carneiro is behind it.
int AdianteNoCirculo(const PosSigno& a, const PosSigno& b);

// Expands a text: placeholders, the sex segment, and the position segment chosen by `frente`
// (AdianteNoCirculo of the code's two bodies; kSemPosicao when the code names none).
inline constexpr int kSemPosicao = 3;
QString ExpandeTexto(const QString& texto, const ParesTexto& pares, bool masculino, int frente);

// Fetches the text of `codigo` (the user's own text first, see textosproprios.h) and expands
// it; empty when neither has that code.
QString GetTexto(FonteDados& db, int32_t codigo, const ParesTexto& pares, bool masculino, Mapa& mapa);

// The three pairs every caller passes: "|1" name, "|2" "o"/"a", "|3" ""/"a".
ParesTexto ParesNativo(const CamposMapa& campos);
bool IsMasculino(const CamposMapa& campos);

// Sign number 1..12 of a position; a value at or past 360° (or below 0) wraps round.
int NumeroSigno1(const PosSigno& posicao);

// Segment name of sign 1..12 and five-degree column 1..6; empty outside.
QString NomeSegmento(int signo, int coluna);
// The segment name of a longitude, and of chart body 0.
QString NomeAnjo(const PosSigno& posicao);
QString NomeAnjo(Mapa& mapa);
