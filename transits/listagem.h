#pragma once
// The transits of a period as text: one line each for the command line and the window, and
// as CSV for a spreadsheet. Instants are given in a zone the caller chooses.
#include "transitos.h"

#include <QByteArray>
#include <QString>
#include <functional>

// An instant (Julian day, universal time) as the list prints it.
using FormataInstante = std::function<QString(double jd)>;
// "dd/mm/aaaa hh:mm" in a fixed zone (hours east), the minute rounded.
FormataInstante InstanteNoFuso(double fusoHoras);
// "aaaa-mm-dd hh:mm" in a fixed zone, for files.
FormataInstante InstanteIsoNoFuso(double fusoHoras);

// "Saturno", "conjunção", "Sol"; "Marte", "entra na casa", "VII"; "Mercúrio", "estação", "retrógrada".
struct TextoEvento {
    QString corpo, relacao, alvo;
};
TextoEvento DescreveEvento(const EventoTransito& e);

// "Saturno conjunção Sol — entra 02/04/2027 10:15, exacto 03/05/2027 14:22 …, sai …".
QString LinhaEvento(const EventoTransito& e, const FormataInstante& f);

// Header and one line per event: tipo, transitante, relação, alvo, entrada, exactos, saída.
QByteArray CsvPeriodo(const std::vector<EventoTransito>& v, const FormataInstante& f);
