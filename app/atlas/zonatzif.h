#pragma once
// One IANA time zone read from its compiled tz database file (TZif, RFC 8536): the offset from
// UTC and the abbreviation in force at an instant. The program reads the files itself so that
// every system gives the same history: Windows' own zone tables know only recent rules (Lisbon
// in 1970, Recife in 2000 came out an hour off), so the Windows program carries the tz
// database in its folder (zoneinfo/) and Linux uses the system's (Debian's tzdata).
#include <QByteArray>
#include <QList>
#include <QString>

class ZonaTzif {
public:
    // The zone's file in PastaZonas(); an invalid zone when the name is not a plain zone name
    // ("Europe/Lisbon", "America/Argentina/Buenos_Aires") or the file is missing or damaged.
    static ZonaTzif Carrega(const QString& nomeIana);
    // From the bytes of a TZif file (version 1, 2, 3 or 4).
    static ZonaTzif DeDados(const QByteArray& dados);

    bool valida() const { return !m_tipos.isEmpty(); }
    // Seconds east of Greenwich in force at the instant (seconds since 1970-01-01 UTC).
    int offsetEm(qint64 utc) const { return tipoEm(utc).offset; }
    QString abreviatura(qint64 utc) const { return tipoEm(utc).abreviatura; }

    struct Tipo {
        int offset = 0;
        bool verao = false;
        QString abreviatura;
    };
    // The rule of the file's footer ("WET0WEST,M3.5.0/1,M10.5.0"), in force after the last
    // transition. Public for the tests.
    struct Regra {
        bool valida = false;
        Tipo normal, verao;
        bool temVerao = false;
        struct Dia {
            char forma = 'M'; // 'J': day 1..365 without 29 February; 'N': day 0..365; 'M': month.week.weekday
            int n = 0, mes = 0, semana = 0, diaSemana = 0;
            int segundos = 7200; // local time of the change
        } inicio, fim;
    };
    static Regra LeRegra(const QByteArray& texto);

private:
    Tipo tipoEm(qint64 utc) const;
    QList<qint64> m_transicoes;
    QList<int> m_indices;
    QList<Tipo> m_tipos;
    Regra m_regra;
};

// Where the zone files are: zoneinfo/ in the program folder on Windows, the system's
// /usr/share/zoneinfo elsewhere.
QString PastaZonas();
