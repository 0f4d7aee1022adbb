#include "tempo.h"

#include "possigno.h"

#include <algorithm>
#include <cmath>

int16_t ArredondaCampo(double v) {
    if (!std::isfinite(v)) return 0;
    // The default rounding mode sends halves to the even neighbour.
    return static_cast<int16_t>(std::clamp(std::nearbyint(v), -32768.0, 32767.0));
}

namespace {

// The leading number of the text after the n-th separator (n = 0: the text itself).
double CampoDepois(const QString& texto, QChar separador, int n) {
    qsizetype inicio = 0;
    for (int i = 0; i < n; ++i) {
        const qsizetype p = texto.indexOf(separador, inicio);
        if (p < 0) return 0.0;
        inicio = p + 1;
    }
    return ValTexto(texto.mid(inicio));
}

} // namespace

RegistoTempo LerDataHora(const QString& data, const QString& hora) {
    RegistoTempo t;
    const QChar sep = data.contains(u'-') ? QChar(u'-') : QChar(u'/');
    t.dia = ArredondaCampo(CampoDepois(data, sep, 0));
    t.mes = ArredondaCampo(CampoDepois(data, sep, 1));
    t.ano = ArredondaCampo(CampoDepois(data, sep, 2));
    if (t.ano < 100) t.ano = static_cast<int16_t>(t.ano + 1900);

    if (hora.contains(u':')) {
        t.hora = ArredondaCampo(CampoDepois(hora, u':', 0));
        t.minuto = ArredondaCampo(CampoDepois(hora, u':', 1));
    } else {
        t.hora = ArredondaCampo(ValTexto(hora));
        const qsizetype h = hora.indexOf(u'h', 0, Qt::CaseInsensitive);
        t.minuto = h < 0 ? 0 : ArredondaCampo(ValTexto(hora.mid(h + 1)));
    }
    return t;
}

double DiaJuliano0h(int dia, int mes, int ano) {
    // Months outside 1..12 carry into the year, days outside the month into the next or
    // previous one, so any numbers typed give a definite instant.
    long long y = ano;
    long long m = mes - 1;
    y += (m >= 0) ? m / 12 : -((11 - m) / 12);
    m = ((m % 12) + 12) % 12 + 1;

    const bool gregoriano = (y > 1582) || (y == 1582 && (m > 10 || (m == 10 && dia >= 15)));
    if (m <= 2) {
        y -= 1;
        m += 12;
    }
    double b = 0.0;
    if (gregoriano) {
        const double a = std::floor(static_cast<double>(y) / 100.0);
        b = 2.0 - a + std::floor(a / 4.0);
    }
    return std::floor(365.25 * static_cast<double>(y + 4716)) +
           std::floor(30.6001 * static_cast<double>(m + 1)) + dia + b - 1524.5;
}

RegistoTempo DiaAnterior(const RegistoTempo& t) {
    RegistoTempo r = t;
    // Julian day to calendar date, Gregorian from JD 2299160.5 (Meeus, Astronomical Algorithms, ch. 7).
    const double z = std::floor(DiaJuliano0h(t.dia, t.mes, t.ano) - 1.0 + 0.5);
    double a = z;
    if (z >= 2299161.0) {
        const double alfa = std::floor((z - 1867216.25) / 36524.25);
        a = z + 1.0 + alfa - std::floor(alfa / 4.0);
    }
    const double b = a + 1524.0;
    const double c = std::floor((b - 122.1) / 365.25);
    const double d = std::floor(365.25 * c);
    const double e = std::floor((b - d) / 30.6001);
    const double mes = e < 14.0 ? e - 1.0 : e - 13.0;
    const double ano = mes > 2.0 ? c - 4716.0 : c - 4715.0;
    if (!(z >= 0.0 && ano >= -32768.0 && ano <= 32767.0)) {
        // Outside the dates the fields can hold: the day number one less, as typed.
        r.dia = static_cast<int16_t>(t.dia > -32768 ? t.dia - 1 : t.dia);
        return r;
    }
    r.dia = static_cast<int16_t>(b - d - std::floor(30.6001 * e));
    r.mes = static_cast<int16_t>(mes);
    r.ano = static_cast<int16_t>(ano);
    return r;
}

double FraccaoDia(const RegistoTempo& t) {
    return (t.hora - t.fuso) / 24.0 + t.minuto / 1440.0;
}

double SeculosDesde1900(double diaJuliano0h, double fraccaoDia) {
    return (diaJuliano0h - 2415020.0 + fraccaoDia) / 36525.0;
}

double Obliquidade(double T) {
    return PosSigno::CoorTrans(23.452294 - 0.0130125 * T, true);
}

TempoSideral CalculaTempoSideral(double T, double fraccaoDia, double longitudeGraus) {
    // T already holds the day fraction, so its linear term carries the sidereal excess of
    // the clock hours.
    const double gmst = 6.6460656 + 2400.0513 * T + 0.0000258 * T * T + 24.0 * fraccaoDia;
    double ramc = 15.0 * gmst - longitudeGraus;
    ramc -= 360.0 * std::floor(ramc / 360.0);
    if (ramc >= 360.0) ramc = 0.0;
    TempoSideral r;
    r.localHoras = ramc / 15.0;
    r.ramc = PosSigno::CoorTrans(ramc, true);
    return r;
}
