#pragma once
// The folded form of a place name that the atlas searches: letters without accents, in lower
// case, words separated by one space ("São João d'Arga" → "sao joao darga"). The database
// builder and the search use this one function, so a typed text and a stored name always fold
// alike.
#include <QString>

QString DobraTexto(const QString& texto);
