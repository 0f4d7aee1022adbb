#include "camposmapa.h"

#include "simbolos.h"

void CamposMapa::Limpa() {
    for (QString* t : {&txtNome, &txtData, &txtHora, &FusoHorario, &fusoAtlas, &txttemposideral, &txtlocal, &txtLatitude,
                       &txtlongitude, &cometarios, &txtemail, &KeyWord, &anjo, &lblesclarecedor, &caminhoFicheiro,
                       &textoEstado, &avisoCalculo})
        t->clear();
    PosPlaneta = {};
    lblretrogrado = {};
    PosExtra = {};
    retroExtra = {};
    PosCasas = {};
    lPosCasas = {};
    lblHoras = {};
    partes = {};
    partesCasa = {};
    Eclipse = false;
    escolha = {};
    recursoPolar = false;
    mapaAberto = false;
    caminhoValido = false;
}

QString RotuloCorpoCampo(int i) {
    static const char* const kNomes[12] = {"Sol",    "Lua",     "Mercurio", "Vénus",   "Marte",
                                           "Jupiter", "Saturno", "Urano",    "Neptuno", "Plutão",
                                           "Nodo Norte da Lua",  "Lua Negra"};
    return i >= 0 && i < 12 ? QString::fromUtf8(kNomes[i]) : QString();
}

QString RotuloCasaCampo(int k) {
    static constexpr int kCasas[12] = {10, 11, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    return k >= 0 && k < 12 ? Simbolos::HouseName(static_cast<int16_t>(kCasas[k]), true) : QString();
}

QString RotuloParteCampo(int k) {
    static const char* const kNomes[7] = {"Fortuna", "Devir", "Inteligência", "Amor", "Audácia", "Felicidade", "Dever"};
    return k >= 0 && k < 7 ? QString::fromUtf8(kNomes[k]) : QString();
}
