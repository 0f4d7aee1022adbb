#pragma once
// Batch mode of natalis-cli: birth data from a CSV file, one line of positions, cusps, parts
// and retrograde flags per chart.
#include "escolhacalculo.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// RFC 4180 records: fields separated by the separator, quoted with double quotes ("" inside
// quotes is one quote), records ended by LF or CR LF outside quotes.
QList<QStringList> LeCsv(const QString& texto, QChar separador);
QString LinhaCsv(const QStringList& campos);

// The engine and house system from --motor/--casas or a batch line's columns: codes, names or
// the reference tools' letters; an empty text keeps what `e` holds. False with the reason.
bool LeEscolhaCalculo(const QString& motor, const QString& casas, EscolhaCalculo& e, QString* erro);

// Casts every chart of the input (columns nome, sexo, data, hora, fuso, local, latitude,
// longitude and, optionally, motor and casas, empty ones meaning the run's choice; an optional
// header line starting with "nome"; ',' or ';' between fields) and returns the output CSV,
// which names each line's engine and house system in its last two columns. Lines that cannot be cast are reported on standard error with
// their number and left out; `falhas` counts them.
QByteArray CorreLote(const QByteArray& entrada, int& charts, int& falhas);
