// Accuracy report of both engines against Swiss Ephemeris (swetest) at the same evenly stepped
// instants of 1900–2100, in universal time. The classic engine against swetest's Moshier
// mode for the mean equinox of date without nutation (what it computes), in arc minutes, for
// each body and the Ascendant and Midheaven at four latitudes; the precise engine against
// swetest's default output (apparent positions, true equinox of date, with the same ephemeris
// files, or the Moshier theory when the engine found none), in arc seconds, for each body and
// every cusp of every house system at the same four latitudes. Markdown tables.
#include "efemerides.h"
#include "possigno.h"
#include "tempo.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QProcess>
#include <QStringList>
#include <QTextStream>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int N_INSTANTES = 2400;
// 30 d 10 h 29 min: whole minutes (the engine takes no seconds), and a step that walks
// through every hour of the day and every phase of the Moon over two centuries.
constexpr int PASSO_MINUTOS = 43829;
constexpr double GRAUS = 180.0 / PI_NATALIS;
// Lisbon's meridian, 9°8' W; only the latitude changes between the house rows.
constexpr double LONGITUDE_OESTE = 9.0 + 8.0 / 60.0;

struct Latitude {
    const char* nome;
    double graus;
};
constexpr Latitude LATITUDES[] = {
    {"0°", 0.0}, {"38°43′ N", 38.0 + 43.0 / 60.0}, {"60° N", 60.0}, {"33° S", -33.0}};

struct Corpo {
    const char* nome;
    int indice;   // ephemeris body
    char swetest; // swetest body letter
};
constexpr Corpo CORPOS[] = {
    {"Sol", 0, '0'},
    {"Lua", 1, '1'},
    {"Mercúrio", 2, '2'},
    {"Vénus", 3, '3'},
    {"Marte", 4, '4'},
    {"Júpiter", 5, '5'},
    {"Saturno", 6, '6'},
    {"Urano", 7, '7'},
    {"Neptuno", 8, '8'},
    {"Plutão", 9, '9'},
    {"Nodo Lunar Norte (verdadeiro)", 10, 't'},
    {"Lua Negra (apogeu médio)", 11, 'A'},
};

// The optional points of the precise engine (PontoExtra order); the Vertex comes from -house.
constexpr Corpo PONTOS[] = {
    {"Quíron", 0, 'D'},
    {"Ceres", 1, 'F'},
    {"Palas", 2, 'G'},
    {"Juno", 3, 'H'},
    {"Vesta", 4, 'I'},
    {"Lua Negra (apogeu osculador)", 5, 'B'},
    {"Nodo Lunar Norte (médio)", 6, 'm'},
};

struct Erro {
    double maximo = 0, soma = 0;
    int n = 0;
    QString quando;
    void Junta(double e, const QString& instante) {
        if (e > maximo) {
            maximo = e;
            quando = instante;
        }
        soma += e;
        ++n;
    }
};

double DiferencaMinutos(double a, double b) {
    double d = std::fmod(std::fabs(a - b), 360.0);
    d = std::min(d, 360.0 - d);
    return d * 60.0;
}

// Runs swetest over the instants and returns its output lines, or an empty list. swetest
// stops after 36525 lines, so the instants go in blocks. `modo` selects the ephemeris and the
// equinox: the classic engine's reference by default.
QStringList Swetest(const QStringList& extra,
                    const QStringList& modo = {QStringLiteral("-emos"), QStringLiteral("-nonut")}) {
    constexpr int BLOCO = 1000;
    QStringList linhas;
    for (int k0 = 0; k0 < N_INSTANTES; k0 += BLOCO) {
        const double jd = 2415020.5 + double(k0) * PASSO_MINUTOS / 1440.0;
        QStringList args{QStringLiteral("-bj%1").arg(jd, 0, 'f', 12),
                         QStringLiteral("-ut"),
                         QStringLiteral("-n%1").arg(std::min(BLOCO, N_INSTANTES - k0)),
                         QStringLiteral("-s%1m").arg(PASSO_MINUTOS),
                         QStringLiteral("-fJPl"),
                         QStringLiteral("-head")};
        args += modo;
        args += extra;
        QProcess p;
        p.start(QStringLiteral("swetest"), args);
        if (!p.waitForFinished(600000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
            std::fprintf(stderr, "swetest não correu: %s\n", qPrintable(p.errorString()));
            return {};
        }
        linhas += QString::fromLocal8Bit(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    }
    return linhas;
}

struct Linha {
    double jd = 0;
    QString nome;
    double longitude = 0;
};

Linha LeLinha(const QString& s) {
    const QStringList campos = s.simplified().split(u' ');
    Linha l;
    if (campos.size() < 3) return l;
    l.jd = campos.first().toDouble();
    l.longitude = campos.last().toDouble();
    l.nome = campos.mid(1, campos.size() - 2).join(u' ');
    return l;
}

double DiferencaSegundos(double a, double b) { return DiferencaMinutos(a, b) * 60.0; }

// The largest difference allowed for the precise engine, arc seconds.
constexpr double LIMITE_PRECISO = 0.01;

QString LinhaSegundos(const QString& nome, const Erro& e) {
    return QStringLiteral("| %1 | %2 | %3 | %4 | %5 |\n")
        .arg(nome, QString::number(e.maximo, 'f', 4), QString::number(e.soma / e.n, 'f', 4), e.quando,
             e.maximo <= LIMITE_PRECISO ? QStringLiteral("sim") : QStringLiteral("**não**"));
}

// The precise engine's table; returns 1 when a body or a cusp is beyond the limit.
int PrecisoContraSwetest(QTextStream& out, const std::vector<RegistoTempo>& tempos, const std::vector<QString>& nomes) {
    const EscolhaCalculo preciso{Motor::Preciso, SistemaCasas::Placidus, TODOS_PONTOS_EXTRA};
    const bool moshier = CorreEfemerides(tempos.front(), RegistoLugar{}, preciso).moshier;
    const QStringList modo{moshier ? QStringLiteral("-emos") : QStringLiteral("-eswe")};
    QString letras;
    for (const Corpo& c : CORPOS)
        letras += QChar::fromLatin1(c.swetest);
    const QStringList linhas = Swetest({QStringLiteral("-p") + letras}, modo);
    const int nc = int(std::size(CORPOS));
    if (linhas.size() != N_INSTANTES * nc) {
        std::fprintf(stderr, "swetest deu %lld linhas em vez de %d\n", static_cast<long long>(linhas.size()), N_INSTANTES * nc);
        return 1;
    }
    out << "\nMotor preciso contra swetest (" << (moshier ? "teoria de Moshier, sem ficheiros" : "ficheiros da Swiss Ephemeris")
        << ", posições aparentes, equinócio verdadeiro da data), os mesmos " << N_INSTANTES
        << " instantes, em segundos de arco (limite " << LIMITE_PRECISO << "″).\n\n";
    out << "| Corpo ou cúspide | Erro máximo (″) | Erro médio (″) | Instante do máximo | Dentro do limite |\n";
    out << "|---|---:|---:|---|---|\n";
    bool tudoDentro = true;
    std::vector<Erro> erros(std::size(CORPOS));
    for (int k = 0; k < N_INSTANTES; ++k) {
        const ResultadoEfemerides r = CorreEfemerides(tempos[size_t(k)], RegistoLugar{}, preciso);
        for (int c = 0; c < nc; ++c)
            erros[size_t(c)].Junta(DiferencaSegundos(r.longitudes[size_t(CORPOS[c].indice)], LeLinha(linhas[k * nc + c]).longitude),
                                   nomes[size_t(k)]);
    }
    for (int c = 0; c < nc; ++c) {
        out << LinhaSegundos(QString::fromUtf8(CORPOS[c].nome), erros[size_t(c)]);
        tudoDentro = tudoDentro && erros[size_t(c)].maximo <= LIMITE_PRECISO;
    }

    // The optional points, from the same instants (all within the asteroid file's years).
    QString letrasPontos;
    for (const Corpo& c : PONTOS)
        letrasPontos += QChar::fromLatin1(c.swetest);
    const QStringList linhasPontos = Swetest({QStringLiteral("-p") + letrasPontos}, modo);
    const int np = int(std::size(PONTOS));
    if (linhasPontos.size() != N_INSTANTES * np) {
        std::fprintf(stderr, "swetest deu %lld linhas de pontos em vez de %d\n", static_cast<long long>(linhasPontos.size()), N_INSTANTES * np);
        return 1;
    }
    std::vector<Erro> errosPontos(std::size(PONTOS));
    for (int k = 0; k < N_INSTANTES; ++k) {
        const ResultadoEfemerides r = CorreEfemerides(tempos[size_t(k)], RegistoLugar{}, preciso);
        for (int c = 0; c < np; ++c)
            errosPontos[size_t(c)].Junta(DiferencaSegundos(r.extras[size_t(PONTOS[c].indice)], LeLinha(linhasPontos[k * np + c]).longitude),
                                         nomes[size_t(k)]);
    }
    for (int c = 0; c < np; ++c) {
        out << LinhaSegundos(QString::fromUtf8(PONTOS[c].nome), errosPontos[size_t(c)]);
        tudoDentro = tudoDentro && errosPontos[size_t(c)].maximo <= LIMITE_PRECISO;
    }

    // Every cusp of every house system, each latitude: one row with the largest over the twelve.
    for (int s = 1; s < N_SISTEMAS_CASAS; ++s) {
        const SistemaCasas sistema = SistemaCasas(s);
        for (const Latitude& lat : LATITUDES) {
            const QStringList casas =
                Swetest({QStringLiteral("-p"), QStringLiteral("-house%1,%2,%3")
                                                   .arg(-LONGITUDE_OESTE, 0, 'f', 6)
                                                   .arg(lat.graus, 0, 'f', 6)
                                                   .arg(QLatin1Char(LetraCasas(sistema)))},
                        modo);
            std::vector<std::array<double, 13>> ref(static_cast<size_t>(N_INSTANTES));
            std::vector<double> vertice(static_cast<size_t>(N_INSTANTES));
            int k = -1;
            for (const QString& linha : casas) {
                const Linha l = LeLinha(linha);
                if (l.nome == QLatin1String("Vertex") && k >= 0 && k < N_INSTANTES)
                    vertice[size_t(k)] = l.longitude;
                if (!l.nome.startsWith(QLatin1String("house ")))
                    continue;
                const int h = l.nome.mid(6).toInt();
                if (h == 1)
                    ++k;
                if (k >= 0 && k < N_INSTANTES && h >= 1 && h <= 12)
                    ref[size_t(k)][size_t(h)] = l.longitude;
            }
            if (k != N_INSTANTES - 1) {
                std::fprintf(stderr, "swetest não deu as casas de todos os instantes\n");
                return 1;
            }
            RegistoLugar lugar;
            lugar.latitudeGraus = lat.graus;
            lugar.longitudeGraus = LONGITUDE_OESTE;
            Erro e, ev;
            for (int i = 0; i < N_INSTANTES; ++i) {
                const ResultadoEfemerides r =
                    CorreEfemerides(tempos[size_t(i)], lugar, {Motor::Preciso, sistema, 1u << int(PontoExtra::Vertice)});
                for (size_t h = 1; h <= 12; ++h)
                    e.Junta(DiferencaSegundos(r.cuspides[h] * GRAUS, ref[size_t(i)][h]), nomes[size_t(i)]);
                ev.Junta(DiferencaSegundos(r.extras[size_t(PontoExtra::Vertice)], vertice[size_t(i)]), nomes[size_t(i)]);
            }
            // The Vertex does not depend on the house system: one row per latitude.
            if (sistema == SistemaCasas::Placidus) {
                out << LinhaSegundos(QStringLiteral("Vértice, latitude ") + QString::fromUtf8(lat.nome), ev);
                tudoDentro = tudoDentro && ev.maximo <= LIMITE_PRECISO;
            }
            out << LinhaSegundos(QStringLiteral("Cúspides ") + NomeCasas(sistema) + QStringLiteral(", latitude ") +
                                     QString::fromUtf8(lat.nome),
                                 e);
            tudoDentro = tudoDentro && e.maximo <= LIMITE_PRECISO;
        }
    }
    return tudoDentro ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);

    // The instants, in the civil calendar (Qt's own, independent of the engine).
    const QDateTime inicio(QDate(1900, 1, 1), QTime(0, 0), Qt::UTC);
    std::vector<RegistoTempo> tempos;
    std::vector<QString> nomes;
    for (int k = 0; k < N_INSTANTES; ++k) {
        const QDateTime dt = inicio.addSecs(qint64(k) * PASSO_MINUTOS * 60);
        RegistoTempo t;
        t.dia = int16_t(dt.date().day());
        t.mes = int16_t(dt.date().month());
        t.ano = int16_t(dt.date().year());
        t.hora = int16_t(dt.time().hour());
        t.minuto = int16_t(dt.time().minute());
        tempos.push_back(t);
        nomes.push_back(dt.toString(QStringLiteral("yyyy-MM-dd hh:mm")));
    }

    QString letras;
    for (const Corpo& c : CORPOS)
        letras += QChar::fromLatin1(c.swetest);
    const QStringList linhas = Swetest({QStringLiteral("-p") + letras});
    const int nc = int(std::size(CORPOS));
    if (linhas.size() != N_INSTANTES * nc) {
        std::fprintf(stderr, "swetest deu %lld linhas em vez de %d\n", static_cast<long long>(linhas.size()),
                     N_INSTANTES * nc);
        return 1;
    }

    std::vector<Erro> erros(std::size(CORPOS));
    double desvioJD = 0;
    for (int k = 0; k < N_INSTANTES; ++k) {
        const RegistoTempo& t = tempos[size_t(k)];
        const ResultadoEfemerides r = CorreEfemerides(t, RegistoLugar{});
        for (int c = 0; c < nc; ++c) {
            const Linha l = LeLinha(linhas[k * nc + c]);
            if (c == 0)
                desvioJD =
                    std::max(desvioJD, std::fabs(l.jd - (DiaJuliano0h(t.dia, t.mes, t.ano) + r.fraccaoDia)));
            erros[size_t(c)].Junta(DiferencaMinutos(r.longitudes[size_t(CORPOS[c].indice)], l.longitude),
                                   nomes[size_t(k)]);
        }
    }
    if (desvioJD > 1e-4) {
        std::fprintf(stderr, "os instantes não coincidem com os do swetest (%.6f dias)\n", desvioJD);
        return 1;
    }

    out << "Motor clássico contra swetest (Moshier, equinócio médio da data, sem nutação), " << N_INSTANTES
        << " instantes de " << nomes.front() << " a " << nomes.back() << " TU, em minutos de arco.\n\n";
    out << "| Corpo | Erro máximo (′) | Erro médio (′) | Instante do máximo |\n";
    out << "|---|---:|---:|---|\n";
    for (int c = 0; c < nc; ++c) {
        const Erro& e = erros[size_t(c)];
        out << "| " << CORPOS[c].nome << " | " << QString::number(e.maximo, 'f', 2) << " | "
            << QString::number(e.soma / e.n, 'f', 2) << " | " << e.quando << " |\n";
    }

    for (const Latitude& lat : LATITUDES) {
        const QStringList casas = Swetest(
            {QStringLiteral("-p"),
             QStringLiteral("-house%1,%2,P").arg(-LONGITUDE_OESTE, 0, 'f', 6).arg(lat.graus, 0, 'f', 6)});
        std::vector<double> asc, mc;
        for (const QString& s : casas) {
            const Linha l = LeLinha(s);
            if (l.nome == QLatin1String("Ascendant"))
                asc.push_back(l.longitude);
            else if (l.nome == QLatin1String("MC"))
                mc.push_back(l.longitude);
        }
        if (asc.size() != size_t(N_INSTANTES) || mc.size() != size_t(N_INSTANTES)) {
            std::fprintf(stderr, "swetest não deu as casas de todos os instantes\n");
            return 1;
        }
        Erro ea, em;
        RegistoLugar lugar;
        lugar.latitudeGraus = lat.graus;
        lugar.longitudeGraus = LONGITUDE_OESTE;
        for (int k = 0; k < N_INSTANTES; ++k) {
            const ResultadoEfemerides r = CorreEfemerides(tempos[size_t(k)], lugar);
            ea.Junta(DiferencaMinutos(r.asc * GRAUS, asc[size_t(k)]), nomes[size_t(k)]);
            em.Junta(DiferencaMinutos(r.mc * GRAUS, mc[size_t(k)]), nomes[size_t(k)]);
        }
        out << "| Ascendente, latitude " << lat.nome << " | " << QString::number(ea.maximo, 'f', 2) << " | "
            << QString::number(ea.soma / ea.n, 'f', 2) << " | " << ea.quando << " |\n";
        out << "| Meio do Céu, latitude " << lat.nome << " | " << QString::number(em.maximo, 'f', 2) << " | "
            << QString::number(em.soma / em.n, 'f', 2) << " | " << em.quando << " |\n";
    }
    return PrecisoContraSwetest(out, tempos, nomes);
}
