#pragma once
// Batch mode of natalis-cli: birth data from a CSV file, one line of positions, cusps, parts
// and retrograde flags per chart.
#include "camposmapa.h"
#include "escolhacalculo.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// RFC 4180 records: fields separated by the separator, quoted with double quotes ("" inside
// quotes is one quote), records ended by LF or CR LF outside quotes.
QList<QStringList> LeCsv(const QString& texto, QChar separador);
QString LinhaCsv(const QStringList& campos, QChar separador = u',');

// How the batch output is written: for programs (',' between fields, '.' decimals, no mark),
// or for spreadsheets set to Portuguese (';', decimal comma, the UTF-8 mark they need to read
// accents right).
struct FormatoLote {
    QChar separador = u',';
    QChar decimal = u'.';
    bool marca = false;
};
inline FormatoLote FormatoFolhaCalculo() { return {u';', u',', true}; }

// A date as the window holds it (13/6/1888) in ISO form (1888-06-13); empty when unreadable.
QString DataIso(const QString& data);

// One output line of a cast chart: the birth data as given (sexo M/F, the date also in ISO
// form, latitude and longitude also as signed degrees, north and east positive), then the
// positions, cusps and parts in degrees, the retrograde flags, the engine and house system.
class Mapa;
QStringList ColunasLote(const CamposMapa& c, const Mapa& mapa, const FormatoLote& formato);

// The engine and house system from --motor/--casas or a batch line's columns: codes, names or
// the reference tools' letters; an empty text keeps what `e` holds. False with the reason.
bool LeEscolhaCalculo(const QString& motor, const QString& casas, EscolhaCalculo& e, QString* erro);

// Casts every chart of the input (columns nome, sexo, data, hora, fuso, local, latitude,
// longitude and, optionally, motor and casas, empty ones meaning the run's choice; an optional
// header line starting with "nome"; ',' or ';' between fields) and returns the output CSV,
// which names each line's engine and house system in its last two columns. Lines that cannot be cast are reported on standard error with
// their number and left out; `falhas` counts them.
// `lancados`, when given, receives the fields of every chart cast.
QByteArray CorreLote(const QByteArray& entrada, int& charts, int& falhas, const FormatoLote& formato = {},
                     QList<CamposMapa>* lancados = nullptr);
