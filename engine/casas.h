#pragma once
// The chart angles from the sidereal angle, the obliquity and the latitude.

struct Angulos {
    double asc = 0.0, mc = 0.0, vertice = 0.0; // radians in [0, 2π)
};

// ramc, obliquidade, latitude: radians. A latitude of exactly 0 is taken as 1e-15 rad so
// that its tangent never vanishes.
Angulos CalculaAngulos(double ramc, double obliquidade, double latitude);
