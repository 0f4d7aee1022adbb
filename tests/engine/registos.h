#pragma once
// Time and place records of the engine tests, from plain numbers.
#include "efemerides.h"

inline RegistoTempo Tempo(int dia, int mes, int ano, int hora, int minuto = 0, double fuso = 0.0) {
    RegistoTempo t;
    t.dia = int16_t(dia);
    t.mes = int16_t(mes);
    t.ano = int16_t(ano);
    t.hora = int16_t(hora);
    t.minuto = int16_t(minuto);
    t.fuso = fuso;
    return t;
}
