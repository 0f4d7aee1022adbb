#pragma once
// The offset from UTC in force at a birthplace for a local date and clock time, from the
// place's IANA time zone, daylight saving included. Before the zone adopted standard time the
// tz database only knows the local mean time of the zone's reference city, so the birthplace's
// own local mean time is used instead.
#include <QDate>
#include <QString>
#include <QTime>

struct FusoLocal {
    enum class Situacao {
        Normal,         // one offset applies
        Inexistente,    // the clock skipped this local time (spring forward)
        Repetida,       // the clock showed this local time twice (fall back)
        HoraMediaLocal, // before standard time: the birthplace's local mean time
        ZonaDesconhecida
    };
    Situacao situacao = Situacao::ZonaDesconhecida;
    double horas = 0.0;    // east positive, the value the zone field holds
    double horasAlternativa = 0.0; // for Repetida: the second reading; for Inexistente: the offset after the change
    QString abreviatura;   // "WET", "CEST", ... ("LMT" for local mean time)
};

// longitudeGraus: east positive, as geographers write it.
FusoLocal FusoParaLocal(const QString& zonaIana, const QDate& data, const QTime& hora, double longitudeGraus);

// "UTC+1h", "UTC−3h30", "UTC−0h34m29s": the offset in plain words for the window.
QString DescreveFuso(double horas);

// The status-bar sentence that says which zone and offset were used, and why.
QString ExplicaFuso(const QString& zonaIana, const FusoLocal& f);
