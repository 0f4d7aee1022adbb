#pragma once
// The Arabic-parts keypad: what each key inserts, and the formula typed turned into the
// expression the evaluator reads.
#include <QString>

class Mapa;

// The text a key inserts (index as on the keypad; the caption for keys that insert their
// own caption). Empty for the evaluate key (27).
QString TextoTecla(int indice, const QString& legenda);

// Every name gets the bracketed argument the grammar requires, whether a blank, an operator,
// a bracket or the end follows it: "ASC-SOL+LUA" gives "ASC(0)-SOL(0)+LUA(0)". A name already
// followed by its bracket keeps it.
QString PreparaExpressao(const QString& formula);

struct ResultadoTeclado {
    bool ok = false;
    QString posicao; // degree and sign
    QString casa;    // "5ª casa"
    QString erro;    // the evaluator's message when not ok
};
ResultadoTeclado AvaliaFormula(const QString& formula, Mapa& mapa);
