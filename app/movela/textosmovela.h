#pragma once
// Movela's interpretation texts, in movela.mdb beside the program (the same form as the
// report's database, with the same markup): the transits of Júpiter to Plutão to the natal
// Sol to Marte and the angles, and the progressed Moon through the houses.
#include "transitos.h"

#include <QString>
#include <cstdint>

class FonteDados;
struct CamposMapa;

// The text code of a transit's aspect (700000 + body·10000 + natal point·100 + aspect), or of
// the progressed Moon entering a house (800000 + house); 0 where there is no text.
int32_t CodigoTextoMovela(const EventoTransito& e, bool luaProgredida = false);
// The code's text with the native's name and sex; empty when there is none.
QString TextoMovela(FonteDados& base, int32_t codigo, const CamposMapa& campos);
