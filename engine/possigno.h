#pragma once
// The one value type that carries every angle of the program: ecliptic longitudes, cusps,
// latitude and longitude of the place, clock times, zones and sidereal time.
#include <QString>
#include <cstdint>

// The program uses these two literals everywhere, not the library constants, so that every
// stored text and every computed position agrees with what earlier versions produced.
inline constexpr double PI_NATALIS = 3.14159265358979;
inline constexpr double DOIS_PI_NATALIS = 6.28318530717958;

// The forms RetornaFormatado writes a value in.
inline constexpr int16_t FormatoHoras = 1;    // 14h30'0'' (a longitude with lesteOeste: 8h22' W)
inline constexpr int16_t FormatoCompleto = 2; // 28º54'4''Libra: what a chart file stores
inline constexpr int16_t FormatoGraus = 3;    // 28º Libra: the wheel's and the lists' form

class PosSigno {
public:
    PosSigno() = default;
    explicit PosSigno(double rads) : m_rads(rads) {}

    // Members in the order of the class's interface.
    int16_t NumeroSigno() const;
    void setValorRads(double rads) { m_rads = rads; }
    double ValorRads() const { return m_rads; }
    void SetonbyString(const QString& texto);
    QString RetornaFormatado(int16_t modo, bool lesteOeste = false) const;
    int16_t RetornaGraus() const;
    int16_t Grau() const { return RetornaGraus(); }
    int16_t Minutos() const;
    int16_t Segundos() const;
    static double CoorTrans(double valor, bool paraRadianos);
    static QString WithinText(const QString& texto, const QString& inicio, const QString& fim);
    void ReduceTo(double limite);
    double ValorGraus() const;
    void setValorGraus(double graus);

private:
    double m_rads = 0.0;
};

// A position counts fewer whole degrees than this (the 16-bit degrees of the program's
// fields): within it a value is reduced to the circle (400º Carneiro is 10º Touro); beyond
// it, or not a number, it is damage, and no arithmetic on it would mean anything.
inline constexpr double LIMITE_GRAUS_POSICAO = 32768.0;
bool PosicaoRepresentavel(double rads);

// A zodiac position in the forms the program writes ("20º10'5''Gémeos", "20º Gémeos"):
// degrees, optionally minutes and seconds, then a sign name (its first three letters decide,
// with or without accents, any case). Any other text, a sign name that cannot be read among
// them, gives false and leaves `p` untouched: such a position is damage, not a default sign.
bool LePosicaoZodiacal(const QString& texto, PosSigno& p);

// Val semantics: the leading number of a text (optional sign, digits, one decimal point);
// 0 for an empty or non-numeric text.
double ValTexto(const QString& texto);

// Sign names, index 0 (Carneiro) .. 11 (Peixes); index 12 answers like 0, others give "".
QString NomeSigno(int indice);
