#pragma once
// The user's choices for the wheel, beside the drawing the program has always made: the
// Ascendant on the left horizon instead of the fixed zodiac ring, degree ticks on the
// zodiac ring and a colour scheme. The application sets them from its options; the drawing
// reads them at every redraw.
#include "planeta.h"

enum class EsquemaCores { Predefinido = 0, AltoContraste = 1 };

struct OpcoesRoda {
    bool ascendenteEsquerda = false;
    bool grausNoZodiaco = false;
    EsquemaCores esquema = EsquemaCores::Predefinido;
};

OpcoesRoda& OpcoesRodaActuais();

// Stored as numbered options: 40 the Ascendant on the left, 41 the degree ticks ("1" or
// "0"), 42 the colour scheme (0 the tables' colours, 1 high contrast). Unset options read as
// the program's own wheel.
inline constexpr int OPCAO_ASCENDENTE_ESQUERDA = 40;
inline constexpr int OPCAO_GRAUS_ZODIACO = 41;
inline constexpr int OPCAO_ESQUEMA_CORES = 42;
OpcoesRoda OpcoesRodaGuardadas();
void GuardaOpcoesRoda(const OpcoesRoda& o);

// WCAG 2 relative luminance (0 black .. 1 white) of a colour (red in the low byte).
double LuminanciaRelativa(CorRGB cor);
// A background is dark when white text contrasts with it more than black text does.
bool FundoEscuro(CorRGB fundo);

// The colour a glyph is painted in under a scheme: the table's own colour with the default
// scheme; with the high-contrast scheme a colour at least 3:1 against the background
// (dark colours on a light background, light ones on a dark background).
CorRGB CorCorpo(EsquemaCores e, int corpo, CorRGB propria, bool fundoEscuro); // body index 0..12
CorRGB CorSigno(EsquemaCores e, int signo, CorRGB propria, bool fundoEscuro); // sign 0..11
CorRGB CorAspecto(EsquemaCores e, int tipo, CorRGB propria, bool fundoEscuro); // aspect code
CorRGB CorRotuloCasa(EsquemaCores e, CorRGB propria, bool fundoEscuro);
