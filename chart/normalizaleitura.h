#pragma once
// The common reading of typed angle texts: an optional sign, up to three numbers (degrees or
// hours, minutes, seconds) with their marks, and a trailing word (a direction or a sign
// name). Shared by the field readers in normaliza*.cpp.
#include <QString>

struct AnguloLido {
    bool ok = false;
    QString erro;
    bool negativo = false;   // a typed leading minus
    bool comSinal = false;   // a typed leading plus or minus
    bool marcaHoras = false; // "h" after the first number
    bool marcaGraus = false; // "º" or "°" after the first number
    bool doisPontos = false; // "14:30"
    bool decimal = false;    // some number has a decimal part
    int numeros = 0;         // how many numbers were read (1..3)
    double graus = 0.0, minutos = 0.0, segundos = 0.0;
    QString resto;           // the trailing word, lower case, trimmed

    double magnitude() const { return graus + minutos / 60.0 + segundos / 3600.0; }
};

AnguloLido LeAngulo(const QString& texto);

// d, m, s of a non-negative value rounded to a whole second (with the carry).
struct GMS {
    int g = 0, m = 0, s = 0;
};
GMS DivideGMS(double valor);
