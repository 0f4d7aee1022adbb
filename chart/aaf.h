#pragma once
// AAF, the chart-exchange text of astrologers' programs and web services: per chart an
// "#A93:" line of civil data (name, first name, type, d.m.yyyy, h:mm[:ss], place, country)
// and usually a "#B93:" line (Julian day, latitude 49n05, longitude 8e11, zone 1he00, daylight
// flag 0/1/L/D), with optional chunks ("#ZNAM:", "#COM:") and "#:" comments; "*" is unknown.
// Read from UTF-8 or Latin-1 with LF or CR LF; written as UTF-8 with CR LF.
#include "camposmapa.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

struct RegistoAaf {
    int linha = 0; // line of the "#A93:" in the file, from 1
    QString apelido, nome; // name (surname) and first name; "*" read as empty
    QChar tipo = u'*';     // m, f, or another type (event, ...)
    QString data, hora;    // as written; "*" or empty when unknown
    QString local, pais;
    bool temB = false;
    std::optional<double> diaJuliano; // UT
    double latitude = 0, longitude = 0; // degrees, north and east positive
    std::optional<double> fuso;         // hours east of UT, without the daylight hour(s)
    QChar verao = u'0';                 // 0, 1, D (double summer time), L (local mean time), *
    QString zona, comentario;           // "#ZNAM:", "#COM:"
};

// The window's longitude text (hours of time or degrees, west positive) in degrees, east
// positive, as AAF and spreadsheets count.
double LongitudeLesteGraus(const QString& longitude);

// Every record of the file (records without "#A93:" lines are not records). Lines that
// cannot be read go to `avisos` with their number.
QList<RegistoAaf> LeAaf(const QByteArray& bytes, QStringList* avisos = nullptr);

// Fills the birth data of a chart from a record: the date and clock time in force at the
// birth place (from the Julian day when it and the civil data disagree), the zone with the
// daylight hour, the coordinates. A record without "#B93:" takes its coordinates and zone
// from `doAtlas` (place, country → fields; false with the reason). False with the reason in
// Portuguese when the record cannot be a chart.
using LugarDoAtlas = std::function<bool(const QString& local, const QString& pais, CamposMapa& c, QString* porque)>;
bool CamposDeAaf(const RegistoAaf& r, CamposMapa& c, const LugarDoAtlas& doAtlas, QString* porque);

// The record of a chart's birth data; the zone field gives the zone (daylight flag 0), or
// "L" when it is the local mean time of the longitude.
RegistoAaf AafDeCampos(const CamposMapa& c);
QByteArray EscreveAaf(const QList<RegistoAaf>& registos);

// A name for a chart file of the native: characters that file systems refuse become "_",
// never empty, at most 80 characters, without a trailing dot or space.
QString NomeFicheiroSeguro(const QString& nome);

// Import into a folder: one chart file per record, cast with the current engine, named after
// the native, never over an existing file ("Nome (2).anc" instead).
struct ResumoImportacao {
    QStringList importados;            // file names written
    QList<QPair<QString, QString>> ignorados; // record (line and name), reason
    QList<QPair<QString, QString>> renomeados; // name wanted, name written
    QString erro; // the folder or the file could not be used at all
};
ResumoImportacao ImportaAaf(const QByteArray& bytes, const QString& pasta, const LugarDoAtlas& doAtlas);
// The summary as lines for the user.
QStringList LinhasResumoImportacao(const ResumoImportacao& r);
