#pragma once
// Positions typed by hand: typed directly, or interpolated between two positions copied from
// a printed ephemeris (given for 0h UT of the birth day and of the next day; for the Black
// Moon, of the last day of the month before the birth and of the birth month, so that the
// birth day d of an n-day month lies d/n of the way).
#include <QString>

inline constexpr int ALVO_LUA_NEGRA = 11;

struct Interpolacao {
    bool ok = false;
    QString erro;        // the message for the user when not ok
    QString campo0;      // the two fields as completed (seconds added)
    QString campo1;
    double graus = 0.0;  // the interpolated longitude, 0..360
    bool retrogrado = false;
    bool foraDosValores = false; // the result does not lie between the two entries
    QString texto;       // its full zodiacal text
};

// Completes a position without seconds: "15º30'Touro" becomes "15º30'0''Touro".
QString CompletaSegundos(const QString& texto);

// alvo: body line 0..11 (11 = Black Moon). data: the birth-date field; horaUT: the universal
// time of the birth in hours (the derived time in entry 0 of lblHoras).
Interpolacao Interpola(const QString& campo0, const QString& campo1, int alvo, const QString& data, double horaUT);

// The Black Moon note of the form: the two dates to copy for this birth date.
QString NotaLuaNegra(const QString& data);

// The birth in universal time: the day whose 0h UT entry is copied first (the next day's
// second) and the hours after its 0h UT, 0..24. From the date, time and zone typed; without
// them, the derived UT of lblHoras with no day (dia invalid). False when neither is there.
bool DiaUniversal(const struct CamposMapa& campos, class QDate& dia, double& horas);

struct PosicaoDirecta {
    bool ok = false;
    QString erro;
    QString texto;
};
PosicaoDirecta LePosicaoDirecta(const QString& texto);
