#pragma once
// swetest run live: the reference the engines and the house systems are checked against. One
// run gives the longitudes and speeds of Sun..Pluto, true node and mean apogee (bodies 0..11 of
// the engine), the cusps of houses 1..12 of one system, the ARMC and the vertex.
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <array>
#include <optional>

struct SaidaSwetest {
    std::array<double, 12> corpos{};
    std::array<double, 12> velocidades{}; // degrees a day
    std::array<double, 13> cuspides{};    // degrees, [0] unused
    double armc = 0, vertice = 0;         // degrees
    bool recursoPolar = false;            // swetest said the system failed and used Porphyry
};

// Runs swetest; the (value, speed) pairs of its output lines, in order; `falhou` is set when
// it said a house system failed (and used Porphyry). Empty when swetest is missing or fails.
inline QList<QPair<double, double>> ValoresSwetest(const QStringList& argumentos, bool* falhou = nullptr) {
    QProcess p;
    p.start(QStringLiteral("swetest"), argumentos);
    QList<QPair<double, double>> valores;
    if (!p.waitForFinished(10000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return valores;
    for (const QString& l : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        const QStringList partes = l.simplified().split(QLatin1Char(' '));
        bool a = false, b = false;
        const double v = partes.value(0).toDouble(&a), vel = partes.value(1).toDouble(&b);
        if (a && b && partes.size() == 2)
            valores.append({v, vel});
        else if (falhou && l.contains(QLatin1String("failed")))
            *falhou = true;
    }
    return valores;
}

// dataUT "d.m.y", horaUT "h:m:s" in universal time; longitude east positive. `moshier` asks
// for the built-in theory throughout (ΔT included), as the engine runs when it finds no files;
// `semNutacao` gives mean positions, as the classic engine computes them.
inline std::optional<SaidaSwetest> CorreSwetest(const QString& dataUT, const QString& horaUT, double latitude,
                                                double longitudeLeste, char letraCasas, bool moshier = false,
                                                bool semNutacao = false) {
    QStringList argumentos{"-b" + dataUT, "-ut" + horaUT, "-p0123456789tA", "-fls", "-head", moshier ? "-emos" : "-eswe",
                           QStringLiteral("-house%1,%2,%3").arg(longitudeLeste, 0, 'f', 10).arg(latitude, 0, 'f', 10).arg(QLatin1Char(letraCasas))};
    if (semNutacao)
        argumentos << QStringLiteral("-nonut");
    SaidaSwetest s;
    const QList<QPair<double, double>> valores = ValoresSwetest(argumentos, &s.recursoPolar);
    if (valores.size() < 28) // after the cusps: Ascendant, MC, ARMC, vertex
        return std::nullopt;
    for (size_t i = 0; i < 12; ++i) {
        s.corpos[i] = valores[qsizetype(i)].first;
        s.velocidades[i] = valores[qsizetype(i)].second;
        s.cuspides[i + 1] = valores[qsizetype(12 + i)].first;
    }
    s.armc = valores[26].first;
    s.vertice = valores[27].first;
    return s;
}

// swetest's optional points at the same instant: Quíron, Ceres, Palas, Juno, Vesta, the
// osculating apogee and the mean node (-pDFGHIBm), longitude and speed each; empty when swetest
// gave fewer (an asteroid beyond its file's years).
inline QList<QPair<double, double>> CorreSwetestPontos(const QString& dataUT, const QString& horaUT) {
    const auto valores = ValoresSwetest({"-b" + dataUT, "-ut" + horaUT, "-pDFGHIBm", "-fls", "-head", "-eswe"});
    return valores.size() == 7 ? valores : QList<QPair<double, double>>{};
}


struct CorpoSwetest {
    double longitude = -1000.0, velocidade = 0.0; // -1000: swetest gave nothing
};
// swetest's apparent longitude and speed of one body (0..9, 10 the true node) at a Julian day
// in universal time.
inline CorpoSwetest SwetestNoDia(double jd, int corpo) {
    const QString planeta = corpo == 10 ? QStringLiteral("t") : QString::number(corpo);
    const auto v = ValoresSwetest({QStringLiteral("-j%1").arg(jd, 0, 'f', 8), QStringLiteral("-ut"),
                                   QStringLiteral("-p") + planeta, QStringLiteral("-fls"), QStringLiteral("-head")});
    return v.isEmpty() ? CorpoSwetest{} : CorpoSwetest{v[0].first, v[0].second};
}
