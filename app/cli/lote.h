#pragma once
// Batch mode of natalis-cli: birth data from a CSV file, one line of positions, cusps, parts
// and retrograde flags per chart.
#include "camposmapa.h"
#include "escolhacalculo.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// RFC 4180 records read one at a time from a device: fields separated by ',' or ';' (the one
// the first line has more of), quoted with double quotes ("" inside quotes is one quote),
// records ended by LF, CR or CR LF outside quotes. The input is UTF-8 (with or without its mark)
// when all of it is valid UTF-8, else Windows-1252 — decided by a first pass over the device,
// which must be seekable (a file or a buffer).
class LeitorCsv {
public:
    explicit LeitorCsv(QIODevice& entrada);
    bool proximo(QStringList& registo); // false at the end of the input

private:
    bool byte(char& c);
    bool espreita(char esperado); // consumes the next byte when it is `esperado`
    QString texto(const QByteArray& bytes) const;
    QIODevice& m_entrada;
    QByteArray m_bloco;
    qsizetype m_pos = 0;
    char m_separador = ',';
    bool m_utf8 = false, m_marca = false;
};
QString LinhaCsv(const QStringList& campos, QChar separador = u',');

// How the batch output is written: for programs (',' between fields, '.' decimals, no mark),
// or for spreadsheets set to Portuguese (';', decimal comma, the UTF-8 mark they need to read
// accents right).
struct FormatoLote {
    QChar separador = u',';
    QChar decimal = u'.';
    bool marca = false;
    // The optional points of the run: a position and a retrograde column each, after the others.
    ConjuntoPontos pontos = 0;
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
// The same, streamed: records read as they come and every output line (the header first)
// handed to `escreve`, so memory stays flat whatever the line count. False as soon as
// `escreve` fails (the output could not be written).
// The lines are cast on `nucleos` threads, their output kept in the input's order.
bool CorreLote(QIODevice& entrada, const std::function<bool(const QByteArray&)>& escreve, int& charts, int& falhas,
               const FormatoLote& formato = {}, QList<CamposMapa>* lancados = nullptr, int nucleos = 1);
// Every core where the ephemeris library is safe on several threads at once; else one.
int NucleosDoLote();
