#include "opcoesroda.h"

#include "opcoes.h"

#include <array>
#include <cmath>

namespace {

// High-contrast colours, each of them 3:1 or better against white (first) and against black
// (second). The Moon and the Black Moon share a glyph, so they differ in hue as well.
struct Par {
    CorRGB claro; // on a light background
    CorRGB escuro; // on a dark background
};

constexpr std::array<Par, 13> CORPOS = {{
    {RGBCor(176, 90, 0), RGBCor(255, 200, 64)},    // Sol
    {RGBCor(0, 90, 170), RGBCor(140, 200, 255)},   // Lua
    {RGBCor(0, 0, 200), RGBCor(150, 150, 255)},    // Mercúrio
    {RGBCor(190, 0, 90), RGBCor(255, 140, 190)},   // Vénus
    {RGBCor(200, 0, 0), RGBCor(255, 110, 110)},    // Marte
    {RGBCor(130, 90, 0), RGBCor(240, 210, 90)},    // Júpiter
    {RGBCor(0, 110, 0), RGBCor(110, 230, 110)},    // Saturno
    {RGBCor(0, 110, 130), RGBCor(100, 220, 240)},  // Urano
    {RGBCor(60, 0, 170), RGBCor(190, 160, 255)},   // Neptuno
    {RGBCor(0, 0, 0), RGBCor(255, 255, 255)},      // Plutão
    {RGBCor(70, 70, 70), RGBCor(220, 220, 220)},   // Nodo
    {RGBCor(0, 0, 0), RGBCor(255, 255, 255)},      // Lua Negra
    {RGBCor(140, 0, 160), RGBCor(230, 150, 255)},  // Parte Fortuna
}};
// Fire, earth, air, water.
constexpr std::array<Par, 4> ELEMENTOS = {{
    {RGBCor(200, 0, 0), RGBCor(255, 120, 120)},
    {RGBCor(0, 110, 0), RGBCor(110, 230, 110)},
    {RGBCor(130, 90, 0), RGBCor(250, 220, 80)},
    {RGBCor(0, 0, 200), RGBCor(140, 170, 255)},
}};

double Linear(int canal) {
    const double c = canal / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

CorRGB Escolhe(const Par& p, bool fundoEscuro) { return fundoEscuro ? p.escuro : p.claro; }

} // namespace

OpcoesRoda& OpcoesRodaActuais() {
    static OpcoesRoda opcoes;
    return opcoes;
}

OpcoesRoda OpcoesRodaGuardadas() {
    OpcoesRoda o;
    o.ascendenteEsquerda = GetOptionNumero(OPCAO_ASCENDENTE_ESQUERDA) != 0;
    o.grausNoZodiaco = GetOptionNumero(OPCAO_GRAUS_ZODIACO) != 0;
    o.esquema = GetOptionNumero(OPCAO_ESQUEMA_CORES) == 1 ? EsquemaCores::AltoContraste : EsquemaCores::Predefinido;
    return o;
}

void GuardaOpcoesRoda(const OpcoesRoda& o) {
    SaveOption(OPCAO_ASCENDENTE_ESQUERDA, o.ascendenteEsquerda ? QStringLiteral("1") : QStringLiteral("0"));
    SaveOption(OPCAO_GRAUS_ZODIACO, o.grausNoZodiaco ? QStringLiteral("1") : QStringLiteral("0"));
    SaveOption(OPCAO_ESQUEMA_CORES, QString::number(int(o.esquema)));
}

double LuminanciaRelativa(CorRGB cor) {
    return 0.2126 * Linear(int(cor & 0xFF)) + 0.7152 * Linear(int((cor >> 8) & 0xFF)) +
           0.0722 * Linear(int((cor >> 16) & 0xFF));
}

bool FundoEscuro(CorRGB fundo) {
    const double l = LuminanciaRelativa(fundo);
    return (1.05 / (l + 0.05)) > ((l + 0.05) / 0.05);
}

CorRGB CorCorpo(EsquemaCores e, int corpo, CorRGB propria, bool fundoEscuro) {
    if (e != EsquemaCores::AltoContraste || corpo < 0 || corpo >= int(CORPOS.size())) return propria;
    return Escolhe(CORPOS[size_t(corpo)], fundoEscuro);
}

CorRGB CorSigno(EsquemaCores e, int signo, CorRGB propria, bool fundoEscuro) {
    if (e != EsquemaCores::AltoContraste) return propria;
    return Escolhe(ELEMENTOS[size_t(((signo % 12) + 12) % 12 % 4)], fundoEscuro);
}

CorRGB CorAspecto(EsquemaCores e, int tipo, CorRGB propria, bool fundoEscuro) {
    if (e != EsquemaCores::AltoContraste) return propria;
    switch (tipo) {
    case 9: return Escolhe(ELEMENTOS[2], fundoEscuro);  // conjunction
    case 6: return Escolhe(ELEMENTOS[1], fundoEscuro);  // sextile
    case 4: return Escolhe(ELEMENTOS[0], fundoEscuro);  // square
    case 7: return Escolhe(ELEMENTOS[3], fundoEscuro);  // trine
    default: return fundoEscuro ? RGBCor(255, 255, 255) : RGBCor(0, 0, 0);
    }
}

CorRGB CorRotuloCasa(EsquemaCores e, CorRGB propria, bool fundoEscuro) {
    if (e != EsquemaCores::AltoContraste) return propria;
    return fundoEscuro ? RGBCor(210, 210, 210) : RGBCor(80, 80, 80);
}
