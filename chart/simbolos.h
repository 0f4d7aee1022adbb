#pragma once
// The fixed tables of names, abbreviations, glyph letters and colours of bodies, signs,
// houses and aspects. Glyph letters are letters of the symbol font Sigil.
#include "mapa.h"
#include "planeta.h"
#include <QString>

namespace Simbolos {

struct InfoSigno {
    QString nome;
    QString glifo;
    int numero = 0; // 1-based
    CorRGB cor = 0;
};
struct InfoCorpo {
    QString nome;
    QString glifo;
    CorRGB cor = 0;
    QString abreviatura;
};
struct InfoAspecto {
    QString nome;
    QString glifo;
    CorRGB cor = 0;
};

InfoSigno SignInfo(int16_t indice);     // 0..12 (12 answers like 0); empty record otherwise
// A sign's name where a person only reads it (tooltips, reports): Caranguejo, Virgem and
// Balança, or the stored names when option 32 asks for the traditional ones.
QString NomeSignoLeitor(int indice);
// 1..13, and 20..27 for the optional points (PontoExtra 0..7); empty record otherwise.
InfoCorpo BodyInfo(int16_t numero);
CorRGB CorPontoExtra(int k);
InfoAspecto AspectInfo(int codigo);     // 9, 6, 4, 7, 8; empty record otherwise
QString HouseName(int16_t numero, bool longo);

QString PalavraDecanato(int k);         // keyword 1..36; "" outside
QString TextoDecanatoSol(double longitudeGraus); // the text of the KeyWord label

// Names of the chart bodies 11..18 given when the bodies are set up.
QString NomeCorpoMapa(int indice);      // 0..18

} // namespace Simbolos
