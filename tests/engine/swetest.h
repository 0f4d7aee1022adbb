#pragma once
// swetest run live: the reference the precise engine and the house systems are checked
// against. One run gives the longitudes of Sun..Pluto, true node and mean apogee (bodies
// 0..11 of the engine) and the cusps of houses 1..12 of one system.
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <array>
#include <optional>

struct SaidaSwetest {
    std::array<double, 12> corpos{};
    std::array<double, 12> velocidades{}; // degrees a day
    std::array<double, 13> cuspides{}; // degrees, [0] unused
    bool recursoPolar = false;         // swetest said the system failed and used Porphyry
};

// dataUT "d.m.y", horaUT "h:m:s" in universal time; longitude east positive. `moshier` asks
// for the built-in theory throughout (ΔT included), as the engine runs when it finds no files.
inline std::optional<SaidaSwetest> CorreSwetest(const QString& dataUT, const QString& horaUT, double latitude,
                                                double longitudeLeste, char letraCasas, bool moshier = false) {
    const QString programa = QStandardPaths::findExecutable(QStringLiteral("swetest"));
    if (programa.isEmpty())
        return std::nullopt;
    QProcess p;
    p.start(programa, {QStringLiteral("-b") + dataUT, QStringLiteral("-ut") + horaUT, QStringLiteral("-p0123456789tA"),
                       QStringLiteral("-house%1,%2,%3").arg(longitudeLeste, 0, 'f', 10).arg(latitude, 0, 'f', 10).arg(QLatin1Char(letraCasas)),
                       QStringLiteral("-fls"), QStringLiteral("-head"), moshier ? QStringLiteral("-emos") : QStringLiteral("-eswe")});
    if (!p.waitForFinished(10000) || p.exitCode() != 0)
        return std::nullopt;
    const QStringList linhas = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    SaidaSwetest s;
    QList<QPair<double, double>> valores; // each line: longitude and speed
    for (const QString& l : linhas) {
        const QStringList partes = l.simplified().split(QLatin1Char(' '));
        bool numero = false, numero2 = false;
        const double v = partes.value(0).toDouble(&numero);
        const double vel = partes.value(1).toDouble(&numero2);
        if (numero && numero2)
            valores.append({v, vel});
        else if (l.contains(QLatin1String("failed")))
            s.recursoPolar = true;
    }
    if (valores.size() < 24)
        return std::nullopt;
    for (int i = 0; i < 12; ++i) {
        s.corpos[static_cast<size_t>(i)] = valores[i].first;
        s.velocidades[static_cast<size_t>(i)] = valores[i].second;
    }
    for (int h = 1; h <= 12; ++h)
        s.cuspides[static_cast<size_t>(h)] = valores[11 + h].first;
    return s;
}
