#pragma once
// A plane point held in polar form about an origin; the wheel places everything by radius and
// angle and reads the cartesian components back.
#include <cstdint>

class Ponto {
public:
    void SetPoint(double x, double y);
    double y() const;
    double x() const;
    double Teta() const { return m_teta; }
    void setTeta(double teta) { m_teta = teta; }
    void setRaio(double raio) { m_raio = raio; }
    // Positive degrees turn from the x axis towards the y axis (clockwise on a y-down surface).
    void Rotate(int16_t graus);
    // Mode 1: radians to degrees; any other mode: degrees to radians.
    static double CoorTrans(double valor, int16_t modo);

private:
    double m_raio = 0.0;
    double m_teta = 0.0; // never normalised: consumers only take its sine and cosine
};
