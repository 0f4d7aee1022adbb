#include "simbolos.h"

#include "opcoes.h"

#include <cmath>

namespace Simbolos {

namespace {

struct LinhaCorpo {
    const char16_t* nome;
    const char16_t* abreviatura;
    const char16_t* glifo;
    CorRGB cor;
};

// Bodies 1..13.
constexpr LinhaCorpo CORPOS[13] = {
    {u"Sol", u"SOL", u"Q", RGBCor(192, 192, 0)},
    {u"Lua", u"LUA", u"R", RGBCor(128, 128, 128)},
    {u"Mercúrio", u"MER", u"S", RGBCor(0, 0, 255)},
    {u"Vénus", u"VEN", u"T", RGBCor(255, 0, 100)},
    {u"Marte", u"MAR", u"U", RGBCor(255, 0, 0)},
    {u"Júpiter", u"JUP", u"V", RGBCor(192, 192, 0)},
    {u"Saturno", u"SAT", u"W", RGBCor(0, 128, 0)},
    {u"Urano", u"URA", u"X", RGBCor(75, 160, 201)},
    {u"Neptuno", u"NEP", u"Y", RGBCor(0, 0, 255)},
    {u"Plutão", u"PLU", u"Z", RGBCor(0, 0, 0)},
    {u"Nodo Lunar Norte", u"NOD", u"<", RGBCor(0, 0, 0)},
    {u"Lua Negra", u"LNG", u"R", RGBCor(0, 0, 0)},
    {u"Parte Fortuna", u"PFT", u";", RGBCor(180, 10, 200)},
};

// The four elements' colours repeat round the zodiac: fire, earth, air, water.
constexpr CorRGB CORES_SIGNOS[4] = {RGBCor(255, 0, 0), RGBCor(0, 128, 0), RGBCor(255, 255, 0),
                                    RGBCor(0, 0, 255)};

struct LinhaAspecto {
    int codigo;
    const char16_t* nome;
    const char16_t* glifo;
    CorRGB cor;
};

constexpr LinhaAspecto ASPECTOS[5] = {
    {9, u"Conjunção", u"!", RGBCor(192, 192, 0)}, {6, u"Sextil", u"'", RGBCor(0, 250, 0)},
    {4, u"Quadratura", u"#", RGBCor(255, 0, 0)},  {7, u"Trigono", u"$", RGBCor(0, 0, 255)},
    {8, u"Oposição", u"\"", RGBCor(0, 0, 0)},
};

constexpr const char16_t* DECANATOS[36] = {
    u"Ardor",           u"Carisma",       u"Paixão",        u"Senso comum",    u"Fertilidade",
    u"Realismo",        u"Intuição ",     u"Idealismo",     u"Discernimento",  u"Emoção",
    u"Revelação",       u"Sensibilidade", u"Extremismo",    u"Orgulho",        u"Poder",
    u"Habilidade",      u"Diplomacia",    u"Altruísmo",     u"Sociabilidade",  u"Livre Arbítrio",
    u"Justiça",         u"Impulso",       u"Inconformismo", u"Força psíquica", u"Sabedoria",
    u"Aventura",        u"Conhecimento",  u"Organização",   u"Perseverança",   u"Valor",
    u"Originalidade",   u"Inspiração",    u"Utopia",        u"Clarividência",  u"Grandeza de Espírito",
    u"Receptividade",
};

constexpr const char16_t* NOMES_PARTES[7] = {
    u"Parte da Fortuna", u"Parte do Devir",      u"Parte da Inteligência", u"Parte do Amor",
    u"Parte da Audácia", u"Parte da Felicidade", u"Parte do Dever",
};

QString Txt(const char16_t* s) {
    return QString::fromUtf16(s);
}

} // namespace

InfoSigno SignInfo(int16_t indice) {
    if (indice < 0 || indice > 12) return {};
    const int i = indice % 12;
    return {NomeSigno(i), QString(QChar(u'A' + i)), i + 1, CORES_SIGNOS[i % 4]};
}

CorRGB CorPontoExtra(int k) {
    // In PontoExtra order: Quíron, Ceres, Palas, Juno, Vesta, Lua Negra verdadeira, Nodo médio, Vértice.
    static constexpr CorRGB cores[N_PONTOS_EXTRA] = {RGBCor(140, 70, 0),  RGBCor(0, 128, 128), RGBCor(0, 0, 160),
                                                     RGBCor(200, 0, 120), RGBCor(210, 100, 0), RGBCor(0, 0, 0),
                                                     RGBCor(100, 100, 100), RGBCor(120, 0, 160)};
    return k >= 0 && k < N_PONTOS_EXTRA ? cores[k] : 0;
}

InfoCorpo BodyInfo(int16_t numero) {
    if (const int k = numero - (PRIMEIRO_PONTO_EXTRA + 1); k >= 0 && k < N_PONTOS_EXTRA)
        return {NomePontoExtra(k), GlifoPontoExtra(k), CorPontoExtra(k), AbreviaturaPontoExtra(k)};
    if (numero < 1 || numero > 13) return {};
    const LinhaCorpo& c = CORPOS[numero - 1];
    return {Txt(c.nome), Txt(c.glifo), c.cor, Txt(c.abreviatura)};
}

InfoAspecto AspectInfo(int codigo) {
    for (const LinhaAspecto& a : ASPECTOS) {
        if (a.codigo == codigo) return {Txt(a.nome), Txt(a.glifo), a.cor};
    }
    return {};
}

QString HouseName(int16_t numero, bool longo) {
    switch (numero) {
    case 1:
        return longo ? QStringLiteral("I, o Ascendente") : QStringLiteral("Asc");
    case 4:
        return longo ? QStringLiteral("IV, o Baixo Céu") : QStringLiteral("IV");
    case 7:
        return longo ? QStringLiteral("VII, o Descendente") : QStringLiteral("VII");
    case 10:
        return longo ? QStringLiteral("X, o Meio Céu") : QStringLiteral("MC");
    case 2:
        return QStringLiteral("II");
    case 3:
        return QStringLiteral("III");
    case 5:
        return QStringLiteral("V");
    case 6:
        return QStringLiteral("VI");
    case 8:
        return QStringLiteral("VIII");
    case 9:
        return QStringLiteral("IX");
    case 11:
        return QStringLiteral("XI");
    case 12:
        return QStringLiteral("XII");
    default:
        return QString();
    }
}

QString PalavraDecanato(int k) {
    if (k < 1 || k > 36) return QString();
    return Txt(DECANATOS[k - 1]);
}

QString TextoDecanatoSol(double longitudeGraus) {
    if (!std::isfinite(longitudeGraus)) return QString();
    PosSigno p;
    p.setValorGraus(longitudeGraus - 360.0 * std::floor(longitudeGraus / 360.0));
    // Sign and degree as the position's own text shows them, so the label never disagrees
    // with the longitude written beside it.
    int signo = p.NumeroSigno();
    int grau = p.RetornaGraus();
    if (signo >= 12) {
        signo = 0;
        grau = 0;
    }
    const int decanato = grau / 10 + 1;
    const int k = signo * 3 + decanato;
    return QString::number(decanato) + QStringLiteral("º Decanato de ") + NomeSigno(signo) +
           QStringLiteral(": ") + PalavraDecanato(k);
}

QString NomeSignoLeitor(int indice) {
    const int i = indice == 12 ? 0 : indice;
    if (GetOption(32) != QLatin1String("1")) {
        if (i == 3) return QStringLiteral("Caranguejo");
        if (i == 5) return QStringLiteral("Virgem");
        if (i == 6) return QStringLiteral("Balança");
    }
    return NomeSigno(i);
}

QString NomeCorpoMapa(int indice) {
    if (indice >= 0 && indice <= 10) return Txt(CORPOS[indice].nome);
    if (indice == 11) return Txt(CORPOS[11].nome);
    if (indice >= 12 && indice <= 18) return Txt(NOMES_PARTES[indice - 12]);
    return QString();
}

} // namespace Simbolos
