#pragma once
// Readers of the birth data as a person types it. Each turns the accepted forms of one
// field into the window's own text form (the form the chart calculation and the chart file
// read), or explains in Portuguese why the text cannot be read. Texts already in the
// window's own form keep their meaning: a stored zone "-4h30'0''" stays −3.5 h.
#include <QString>

struct Normalizado {
    bool ok = false;
    QString texto; // the window's form when ok
    QString erro;  // why the text cannot be read, when not ok
    double valor = 0.0; // the value the text means (degrees or hours; see each reader)
};

// Dates "13/6/1888", "13-06-1888", "13.6.1888", "6/8/47" → "13/6/1888" ("6/8/1947": a
// two-digit year is 19xx, written out so that the century shows). valor: 0.
Normalizado NormalizaData(const QString& texto);

// Clock times "14:30", "14h30", "14h30'", "14h", "14" → "14h30'". valor: hours.
Normalizado NormalizaHora(const QString& texto);

// Zones "1", "+1", "-3", "-3h30'", "1:00", "1h", "1h0'0''", "5.5" → the hours form
// ("-4h30'0''" for −3.5). A typed minus negates the whole value. valor: hours, east positive.
Normalizado NormalizaFuso(const QString& texto);

// Latitudes in degrees ("38º43' N", "38°43'", "22º54'23''S", "38.72", "-22.9", "38º43' Norte",
// "22º54' sul") → "38º43'0''N". valor: degrees, north positive.
Normalizado NormalizaLatitude(const QString& texto);

// Longitudes in degrees ("9º8' W", "9°8' Oeste", "151º12' E", "139º41' leste") or in hours
// of time ("0h36' W", "10h4'48'' L") → hours of time with the seconds kept
// ("0h36'32'' W"). Without a direction the value is west, as the window reads it.
// valor: hours, west positive.
Normalizado NormalizaLongitude(const QString& texto);

// Zodiac positions "15º30'0''Touro", "15º30' Touro", "15º Touro", "15°30'12'' tou", "45.5"
// → "15º30'0''Touro". valor: degrees 0..360.
Normalizado NormalizaPosicao(const QString& texto);

// Longitude hours (west positive) in the window's form with seconds: "0h36'32'' W".
QString FormataLongitudeHoras(double horas);

// What a person reads for a stored zone: sign and magnitude ("−0h33'41''" for the stored
// "-1h26'19''", "+1h0'0''" for "1h0'0''"); a text that cannot be read is shown as it stands.
QString FusoParaLeitor(const QString& guardado);

// A stored longitude (hours of time, west positive) in degrees of arc: "0h33'40.8'' W" →
// "8º25'12'' W"; a text that cannot be read is shown as it stands.
QString LongitudeParaLeitor(const QString& guardada);

// The birth instant and place that a chart's fields hold, read as the window reads them.
struct NascimentoLido {
    double jd = 0.0;             // universal time
    double fuso = 0.0;           // hours east
    double latitude = 0.0;       // degrees, north positive
    double longitudeLeste = 0.0; // degrees, east positive
};
struct CamposMapa;
// False, with the first field's reason, when a field cannot be read.
bool LeNascimento(const CamposMapa& campos, NascimentoLido& lido, QString* erro = nullptr);
