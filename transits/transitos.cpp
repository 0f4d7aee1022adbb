#include "transitos.h"

#include "aspectos.h"
#include "pontual.h"

#include <QSettings>
#include <algorithm>

namespace {

constexpr int ANGULOS[8] = {0, 60, 90, 120, 180, 240, 270, 300};
constexpr int TIPOS[8] = {ASPECTO_CONJUNCAO, ASPECTO_SEXTIL,  ASPECTO_QUADRATURA, ASPECTO_TRIGONO,
                          ASPECTO_OPOSICAO,  ASPECTO_TRIGONO, ASPECTO_QUADRATURA, ASPECTO_SEXTIL};

QSettings& Loja() {
    static QSettings s(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Natalis"),
                       QStringLiteral("Movela"));
    return s;
}

const char* CHAVES[N_TRANSITANTES] = {"Sol",     "Lua",   "Mercurio", "Venus",  "Marte", "Jupiter",
                                      "Saturno", "Urano", "Neptuno",  "Plutao", "Nodo"};

// Days searched beyond the period, so that an aspect in orb at its start or end gets its
// whole span: longer for the slow bodies, whose retrograde loops keep them in orb for years.
double Margem(int corpo) {
    switch (corpo) {
    case 0:
        return 10.0;
    case 1:
        return 2.0;
    case 2:
    case 3:
        return 120.0;
    case 4:
        return 250.0;
    case 10:
        return 120.0;
    default:
        return 900.0;
    }
}

// One level the body's unwrapped longitude may cross: an aspect's exact degree or one of its
// orb's limits, a cusp or a sign's first degree.
struct Nivel {
    double valor = 0.0; // 0..360
    int alvo = 0;       // index of what it belongs to
    int lado = 0;       // aspects: −1 lower limit, 0 exact, +1 upper limit
};

struct Travessia {
    double t = 0.0;
    int nivel = 0; // index into the levels
    bool subindo = true;
};

// Every crossing of the levels by the body's cubic pieces over the table, in time order.
std::vector<Travessia> Travessias(const TabelaEfemerides::Serie& s, const std::vector<Nivel>& niveis) {
    std::vector<Travessia> r;
    if (niveis.empty()) return r;
    std::vector<int> ordem(niveis.size());
    for (size_t i = 0; i < ordem.size(); ++i)
        ordem[i] = int(i);
    std::sort(ordem.begin(), ordem.end(),
              [&](int a, int b) { return niveis[size_t(a)].valor < niveis[size_t(b)].valor; });
    std::vector<double> valores;
    for (int i : ordem)
        valores.push_back(niveis[size_t(i)].valor);

    const size_t n = s.lon.size();
    for (size_t k = 0; k + 1 < n; ++k) {
        const double y0 = s.lon[k], y1 = s.lon[k + 1], v0 = s.vel[k], v1 = s.vel[k + 1], h = s.passo;
        auto f = [&](double u) { return Hermite(y0, v0, y1, v1, h, u); };
        // Monotonic pieces: split where the cubic's derivative (a quadratic in u) vanishes.
        const double a = 3 * (2 * y0 + h * v0 - 2 * y1 + h * v1),
                     b = 2 * (-3 * y0 - 2 * h * v0 + 3 * y1 - h * v1), c = h * v0;
        double cortes[4] = {0.0, 1.0, 1.0, 1.0};
        int nc = 1;
        if (std::fabs(a) > 1e-15) {
            const double d = b * b - 4 * a * c;
            if (d > 0) {
                const double q = std::sqrt(d);
                double r1 = (-b - q) / (2 * a), r2 = (-b + q) / (2 * a);
                if (r1 > r2) std::swap(r1, r2);
                for (double u : {r1, r2})
                    if (u > 0.0 && u < 1.0) cortes[nc++] = u;
            }
        } else if (std::fabs(b) > 1e-15) {
            const double u = -c / b;
            if (u > 0.0 && u < 1.0) cortes[nc++] = u;
        }
        cortes[nc++] = 1.0;
        for (int p = 0; p + 1 < nc; ++p) {
            const double ua = cortes[p], ub = cortes[p + 1];
            const double ya = f(ua), yb = f(ub);
            const double lo = std::min(ya, yb), hi = std::max(ya, yb);
            for (double m = std::floor(lo / 360.0); m * 360.0 <= hi; m += 1.0) {
                const double base = m * 360.0;
                auto it = std::lower_bound(valores.begin(), valores.end(), lo - base);
                for (; it != valores.end() && *it + base <= hi; ++it) {
                    const double alvo = *it + base;
                    if ((ya < alvo) == (yb < alvo)) continue;
                    double x0 = ua, x1 = ub;
                    const bool sobe = yb > ya;
                    for (int i = 0; i < 36; ++i) {
                        const double meio = 0.5 * (x0 + x1);
                        ((f(meio) < alvo) == sobe ? x0 : x1) = meio;
                    }
                    const int nivel = ordem[size_t(it - valores.begin())];
                    r.push_back({s.inicio + (k + 0.5 * (x0 + x1)) * h, nivel, sobe});
                }
            }
        }
    }
    std::sort(r.begin(), r.end(), [](const Travessia& x, const Travessia& y) { return x.t < y.t; });
    return r;
}

void Aspectos(int corpo, const TabelaEfemerides& tab, const Natal& natal, const PedidoPeriodo& pedido,
              std::vector<EventoTransito>& saida) {
    const TabelaEfemerides::Serie& s = tab.Amostras(corpo);
    const double orbe = pedido.orbes.graus[size_t(corpo)];
    std::vector<Nivel> niveis;
    struct Alvo {
        int ponto, tipo;
        double lambda;
    };
    std::vector<Alvo> alvos;
    for (const PontoNatal& p : natal.pontos)
        for (int k = 0; k < 8; ++k) {
            const int a = int(alvos.size());
            const double l = Reduz360(p.longitude + ANGULOS[k]);
            alvos.push_back({p.codigo, TIPOS[k], l});
            niveis.push_back({Reduz360(l - orbe), a, -1});
            niveis.push_back({l, a, 0});
            niveis.push_back({Reduz360(l + orbe), a, +1});
        }
    // Where each target stands at the table's start, and its episodes in orb. Two episodes
    // with exact passes, the body leaving the orb one way and coming back the other (it turned
    // in between), are one transit: their passes join one entry, from the first entry to the
    // last exit.
    std::vector<std::vector<EventoTransito>> episodios(alvos.size());
    std::vector<bool> dentro(alvos.size());
    const double t0 = s.inicio, t1 = s.inicio + (double(s.lon.size()) - 1) * s.passo;
    auto novo = [&](size_t a, double entrada) {
        EventoTransito e;
        e.tipo = TipoEvento::Aspecto;
        e.corpo = corpo;
        e.alvo = alvos[a].ponto;
        e.aspecto = alvos[a].tipo;
        e.entrada = entrada;
        episodios[a].push_back(std::move(e));
    };
    const double l0 = s.lon.front();
    for (size_t a = 0; a < alvos.size(); ++a) {
        dentro[a] = std::fabs(Reduz180(l0 - alvos[a].lambda)) <= orbe;
        if (dentro[a]) novo(a, SEM_DATA);
    }
    for (const Travessia& t : Travessias(s, niveis)) {
        const Nivel& n = niveis[size_t(t.nivel)];
        const size_t a = size_t(n.alvo);
        if (n.lado == 0) {
            if (dentro[a]) episodios[a].back().exactos.push_back(t.t);
            continue;
        }
        // Crossing a limit of the orb moves in or out of it, whichever way the body goes.
        if (dentro[a])
            episodios[a].back().saida = t.t;
        else
            novo(a, t.t);
        dentro[a] = !dentro[a];
    }
    for (std::vector<EventoTransito>& lista : episodios) {
        std::vector<EventoTransito> juntos;
        for (EventoTransito& e : lista) {
            if (!juntos.empty()) {
                EventoTransito& antes = juntos.back();
                if (!antes.exactos.empty() && !e.exactos.empty() && !std::isnan(antes.saida) &&
                    !std::isnan(e.entrada) &&
                    (tab.Velocidade(corpo, antes.saida) < 0) != (tab.Velocidade(corpo, e.entrada) < 0)) {
                    antes.exactos.insert(antes.exactos.end(), e.exactos.begin(), e.exactos.end());
                    antes.saida = e.saida;
                    continue;
                }
            }
            juntos.push_back(std::move(e));
        }
        for (EventoTransito& e : juntos) {
            const double de = std::isnan(e.entrada) ? t0 : e.entrada,
                         ate = std::isnan(e.saida) ? t1 : e.saida;
            if (ate >= pedido.inicio && de <= pedido.fim) saida.push_back(std::move(e));
        }
    }
}

void Ingressos(int corpo, const TabelaEfemerides& tab, const Natal& natal, const PedidoPeriodo& pedido,
               std::vector<EventoTransito>& saida) {
    std::vector<Nivel> niveis;
    if (pedido.casas)
        for (int h = 1; h <= 12; ++h)
            niveis.push_back({Reduz360(natal.cuspides[size_t(h)]), h, 0});
    if (pedido.signos)
        for (int k = 0; k < 12; ++k)
            niveis.push_back({30.0 * k, 100 + k, 0});
    for (const Travessia& t : Travessias(tab.Amostras(corpo), niveis)) {
        if (t.t < pedido.inicio || t.t > pedido.fim) continue;
        const Nivel& n = niveis[size_t(t.nivel)];
        EventoTransito e;
        e.corpo = corpo;
        e.exactos = {t.t};
        e.retrogrado = !t.subindo;
        if (n.alvo >= 100) {
            e.tipo = TipoEvento::Signo;
            e.alvo = t.subindo ? n.alvo - 100 : (n.alvo - 100 + 11) % 12;
        } else {
            e.tipo = TipoEvento::Casa;
            e.alvo = t.subindo ? n.alvo : (n.alvo + 10) % 12 + 1;
        }
        saida.push_back(std::move(e));
    }
}

void Estacoes(int corpo, const TabelaEfemerides& tab, const PedidoPeriodo& pedido,
              std::vector<EventoTransito>& saida) {
    const TabelaEfemerides::Serie& s = tab.Amostras(corpo);
    for (size_t k = 0; k + 1 < s.vel.size(); ++k) {
        const double a = s.inicio + double(k) * s.passo;
        if ((s.vel[k] < 0) == (s.vel[k + 1] < 0) || a + s.passo < pedido.inicio || a > pedido.fim) continue;
        const double t = RefinaEstacao(corpo, a, a + s.passo);
        if (t < pedido.inicio || t > pedido.fim) continue;
        EventoTransito e;
        e.tipo = TipoEvento::Estacao;
        e.corpo = corpo;
        e.alvo = s.vel[k] < 0 ? 1 : 0; // from backwards to forwards: the direct station
        e.exactos = {t};
        saida.push_back(std::move(e));
    }
}

} // namespace

OrbesTransito OrbesTransito::Padrao() {
    OrbesTransito o;
    for (int c = 0; c < N_TRANSITANTES; ++c)
        o.graus[size_t(c)] = (c >= 5 && c <= 9) ? 1.5 : 1.0;
    return o;
}

OrbesTransito LeOrbesTransito() {
    OrbesTransito o = OrbesTransito::Padrao();
    QSettings& s = Loja();
    for (int c = 0; c < N_TRANSITANTES; ++c) {
        bool ok = false;
        const double v = s.value(QStringLiteral("OrbesTransito/") + QLatin1String(CHAVES[c])).toDouble(&ok);
        if (ok && v > 0.0 && v <= 15.0) o.graus[size_t(c)] = v;
    }
    return o;
}

void GravaOrbesTransito(const OrbesTransito& o) {
    QSettings& s = Loja();
    for (int c = 0; c < N_TRANSITANTES; ++c)
        s.setValue(QStringLiteral("OrbesTransito/") + QLatin1String(CHAVES[c]), o.graus[size_t(c)]);
    s.sync();
}

std::vector<AspectoMomento> AspectosEntre(const std::vector<PontoMovel>& moveis,
                                          const std::vector<PontoNatal>& fixos,
                                          const std::function<double(int)>& orbe) {
    std::vector<AspectoMomento> r;
    for (const PontoMovel& m : moveis) {
        const size_t primeiro = r.size();
        const double o = orbe(m.codigo);
        for (const PontoNatal& f : fixos)
            for (int k = 0; k < 8; ++k) {
                const double h = Reduz180(m.longitude - f.longitude - ANGULOS[k]);
                if (std::fabs(h) > o) continue;
                // Applying while the distance to exact shrinks.
                r.push_back({m.codigo, f.codigo, TIPOS[k], std::fabs(h), h * m.velocidade < 0});
            }
        std::sort(r.begin() + std::ptrdiff_t(primeiro), r.end(),
                  [](const AspectoMomento& a, const AspectoMomento& b) { return a.orbe < b.orbe; });
    }
    return r;
}

std::vector<PontoMovel> TransitantesEm(double jd, unsigned corpos) {
    std::vector<PontoMovel> v;
    for (int c = 0; c < N_TRANSITANTES; ++c) {
        if (!(corpos & (1u << c))) continue;
        const PosicaoPontual p = CorpoPontual(jd, c);
        if (p.ok) v.push_back({c, p.longitude, p.velocidade});
    }
    return v;
}

double EventoTransito::Inicio() const {
    if (!std::isnan(entrada)) return entrada;
    return exactos.empty() ? saida : exactos.front();
}

double EventoTransito::Fim() const {
    if (!std::isnan(saida)) return saida;
    return exactos.empty() ? entrada : exactos.back();
}

double RefinaEstacao(int corpo, double a, double b) {
    double va = CorpoPontual(a, corpo).velocidade, vb = CorpoPontual(b, corpo).velocidade;
    // Regula falsi with the Illinois rule on the engine's speed; a minute is far below what
    // a station's slow turn lets anyone see.
    for (int i = 0; i < 30 && b - a > 1.0 / 1440.0 / 10.0; ++i) {
        const double t = (va == vb) ? 0.5 * (a + b) : std::clamp(b - vb * (b - a) / (vb - va), a, b);
        const double vt = CorpoPontual(t, corpo).velocidade;
        if ((vt < 0) == (va < 0)) {
            a = t;
            va = vt;
            vb *= 0.5;
        } else {
            b = t;
            vb = vt;
            va *= 0.5;
        }
    }
    return 0.5 * (a + b);
}

std::vector<EventoTransito> TransitosDoPeriodo(const Natal& natal, const PedidoPeriodo& pedido,
                                               const std::function<bool(int)>& progresso) {
    std::vector<EventoTransito> r;
    const double fim = std::min(pedido.fim, pedido.inicio + PERIODO_MAXIMO);
    PedidoPeriodo p = pedido;
    p.fim = fim;
    int feitos = 0, total = 0;
    for (int c = 0; c < N_TRANSITANTES; ++c)
        total += (pedido.corpos >> c) & 1;
    std::array<double, N_TRANSITANTES> de, ate;
    for (int c = 0; c < N_TRANSITANTES; ++c) {
        de[size_t(c)] = p.inicio - Margem(c);
        ate[size_t(c)] = fim + Margem(c);
    }
    const TabelaEfemerides tab(de, ate, pedido.corpos);
    for (int c = 0; c < N_TRANSITANTES; ++c) {
        if (!(pedido.corpos & (1u << c))) continue;
        if (p.aspectos) Aspectos(c, tab, natal, p, r);
        if (p.casas || p.signos) Ingressos(c, tab, natal, p, r);
        if (p.estacoes && c >= 2 && c <= 9) Estacoes(c, tab, p, r);
        if (progresso && !progresso(100 * ++feitos / std::max(total, 1))) return {};
    }
    std::stable_sort(r.begin(), r.end(), [](const EventoTransito& a, const EventoTransito& b) {
        const double x = std::isnan(a.Inicio()) ? -1e300 : a.Inicio(),
                     y = std::isnan(b.Inicio()) ? -1e300 : b.Inicio();
        return x < y;
    });
    return r;
}
