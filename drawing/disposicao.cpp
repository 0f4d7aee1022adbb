#include "disposicao.h"

#include "desenhos.h"
#include "fontes.h"
#include "possigno.h"
#include "simbolos.h"
#include "superficie.h"

#include <QLineF>
#include <algorithm>
#include <cmath>

namespace {

constexpr double PI = PI_NATALIS;
constexpr double DOIS_PI = 2.0 * PI;
constexpr double TAMANHO_GLIFO = 15.0;
constexpr double TAMANHO_GLIFO_PARTE = 12.0;
constexpr double TAMANHO_RETROGRADO = 9.0;
constexpr double TAMANHO_GRAU = 8.0;
constexpr double TAMANHO_CASA = 10.0;
// Spreading moves a glyph along its track in steps of this many pixels of arc.
constexpr double PASSO_ARCO = 1.5;
// ... and off its track in steps of this many pixels.
constexpr double PASSO_RAIO = 5.0;
// How far along its track a glyph is looked for with a leader clear of the others, before one
// whose leader may cross is taken.
constexpr double ARCO_COM_GUIA_LIVRE = 70.0;
// House labels that find no room beside the cusp's outer end slide in along the cusp.
constexpr double PASSO_RECUO = 6.0;

QRectF ComFolga(const QRectF& r) {
    return r.adjusted(-FOLGA_CAIXA, -FOLGA_CAIXA, FOLGA_CAIXA, FOLGA_CAIXA);
}

bool Livre(const QRectF& r, const std::vector<QRectF>& ocupadas) {
    return std::none_of(ocupadas.cbegin(), ocupadas.cend(), [&](const QRectF& o) { return o.intersects(r); });
}

// A segment that enters a box: an end inside, or a crossing of one of its sides.
bool Cruza(const QLineF& l, const QRectF& r) {
    if (r.contains(l.p1()) || r.contains(l.p2())) return true;
    const QLineF lados[] = {{r.topLeft(), r.topRight()}, {r.topRight(), r.bottomRight()},
                            {r.bottomRight(), r.bottomLeft()}, {r.bottomLeft(), r.topLeft()}};
    return std::any_of(std::begin(lados), std::end(lados),
                       [&](const QLineF& lado) { return l.intersects(lado, nullptr) == QLineF::BoundedIntersection; });
}

bool CruzaAlguma(const QRectF& r, const std::vector<QLineF>& guias) {
    return std::any_of(guias.cbegin(), guias.cend(), [&](const QLineF& g) { return Cruza(g, r); });
}

double Sobreposicao(const QRectF& r, const std::vector<QRectF>& ocupadas) {
    double area = 0.0;
    for (const QRectF& o : ocupadas) {
        const QRectF i = o.intersected(r);
        if (!i.isEmpty()) area += i.width() * i.height();
    }
    return area;
}

// A body's boxes relative to its point, worked out once; spreading only moves them.
// The degree goes under the glyph, or over it where under it would reach into the aspect
// circle, among the chords.
struct Molde {
    CorpoDisposto corpo;
    QPointF canto;
    QRectF glifo;
    struct Grau {
        QPointF canto, cantoRetrogrado;
        QRectF caixa, retrogrado;
    } baixo, cima;
    bool grauParaFora = false; // on an outer ring: the degree on the glyph's far side from the centre
};

Molde::Grau PoeRetrogrado(Superficie& s, Molde::Grau g, bool retrogrado) {
    if (!retrogrado) return g;
    // The retrograde mark beside the degree, not over it.
    s.setFont(FONTE_SIGIL, TAMANHO_RETROGRADO);
    const QRectF r = s.AreaImpressa(QStringLiteral("m"));
    g.cantoRetrogrado = QPointF(g.caixa.right() + FOLGA_CAIXA - r.left(), g.caixa.center().y() - r.center().y());
    g.retrogrado = ComFolga(r.translated(g.cantoRetrogrado));
    return g;
}

Molde FazMolde(Superficie& s, CorpoDisposto c, bool retrogrado) {
    Molde m;
    const double meio = c.tamanhoGlifo == TAMANHO_GLIFO_PARTE ? 6.0 : 7.5;
    m.canto = QPointF(-meio, -meio);
    s.setFont(FONTE_SIGIL, c.tamanhoGlifo);
    m.glifo = ComFolga(s.AreaImpressa(c.glifo).translated(m.canto));
    const double h = s.TextHeight(QStringLiteral("D"));
    // The degree under the glyph, its top two thirds of a glyph line below the point, lower
    // where the glyph's ink reaches further down.
    s.setFont(FONTE_NUMEROS, TAMANHO_GRAU);
    const QRectF tinta = s.AreaImpressa(GrauNoSigno(c.lambda));
    m.baixo.canto = QPointF(m.canto.x(), 2.0 * h / 3.0);
    m.baixo.caixa = ComFolga(tinta.translated(m.baixo.canto));
    if (m.baixo.caixa.top() < m.glifo.bottom()) {
        const double desce = m.glifo.bottom() - m.baixo.caixa.top();
        m.baixo.canto.ry() += desce;
        m.baixo.caixa.translate(0.0, desce);
    }
    m.cima.canto = QPointF(m.canto.x(), m.glifo.top() - (m.baixo.caixa.bottom() - m.baixo.canto.y()));
    m.cima.caixa = ComFolga(tinta.translated(m.cima.canto));
    m.baixo = PoeRetrogrado(s, m.baixo, retrogrado);
    m.cima = PoeRetrogrado(s, m.cima, retrogrado);
    m.corpo = std::move(c);
    return m;
}

bool DentroDoCirculo(const GeometriaRoda& g, const QRectF& r) {
    for (const QPointF& p : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
        if (std::hypot(p.x() - g.centro.x(), p.y() - g.centro.y()) < g.AspectRadius) return true;
    return false;
}

void Coloca(const GeometriaRoda& g, Molde& m, const QPointF& p) {
    CorpoDisposto& c = m.corpo;
    auto distancia = [&](const QRectF& r) {
        return std::hypot(r.center().x() + p.x() - g.centro.x(), r.center().y() + p.y() - g.centro.y());
    };
    const bool emCima = m.grauParaFora ? distancia(m.cima.caixa) > distancia(m.baixo.caixa) + 1e-9
                                       : DentroDoCirculo(g, m.baixo.caixa.translated(p));
    const Molde::Grau& grau = emCima ? m.cima : m.baixo;
    c.canto = p + m.canto;
    c.cantoGrau = p + grau.canto;
    c.cantoRetrogrado = p + grau.cantoRetrogrado;
    c.caixaGlifo = m.glifo.translated(p);
    c.caixaGrau = grau.caixa.translated(p);
    c.caixaRetrogrado = grau.retrogrado.isNull() ? QRectF() : grau.retrogrado.translated(p);
}

// What a body already placed leaves for the next: its boxes and its leader line.
struct Ocupado {
    std::vector<QRectF>& caixas;
    std::vector<QLineF>* guias = nullptr; // none: leaders are not laid out (the bi-wheel's ring)
    std::vector<std::pair<int, QPointF>> exactos{}; // every body's exact degree on its track
    std::vector<CorpoDisposto> colocados{};          // the bodies placed so far, with leaders
};

double Afastamento(const QRectF& a, const QRectF& b) {
    return std::hypot(std::max({0.0, a.left() - b.right(), b.left() - a.right()}),
                      std::max({0.0, a.top() - b.bottom(), b.top() - a.bottom()}));
}

// A degree or retrograde mark nearer its own glyph than any other glyph, both ways round.
bool LegivelComOsOutros(const CorpoDisposto& c, const std::vector<CorpoDisposto>& outros) {
    for (const CorpoDisposto& o : outros)
        for (const auto& [dono, texto] : {std::pair{&c, c.caixaGrau}, {&c, c.caixaRetrogrado}, {&o, o.caixaGrau},
                                          {&o, o.caixaRetrogrado}}) {
            const QRectF& alheio = dono == &c ? o.caixaGlifo : c.caixaGlifo;
            if (!texto.isNull() && Afastamento(texto, alheio) <= Afastamento(texto, dono->caixaGlifo)) return false;
        }
    return true;
}

std::vector<QRectF> CaixasDe(const CorpoDisposto& c) {
    std::vector<QRectF> v{c.caixaGlifo, c.caixaGrau};
    if (!c.caixaRetrogrado.isNull()) v.push_back(c.caixaRetrogrado);
    return v;
}

// Where the line from the exact degree towards the glyph's centre meets the glyph's box.
QPointF Fronteira(const QPointF& exacto, const QRectF& caixa) {
    QPointF fora = exacto, dentro = caixa.center();
    for (int k = 0; k < 24; ++k) {
        const QPointF meio = (fora + dentro) / 2.0;
        (caixa.contains(meio) ? dentro : fora) = meio;
    }
    return fora;
}

// The leader a body standing at c.teta would need; a null line when it needs none.
QLineF GuiaDe(const GeometriaRoda& g, const CorpoDisposto& c) {
    const QPointF exacto = PontoRoda(g, c.raio, c.tetaExacto);
    if (QLineF(c.ponto, exacto).length() <= DESVIO_COM_GUIA || c.caixaGlifo.contains(exacto))
        return {};
    return {exacto, Fronteira(exacto, c.caixaGlifo)};
}

// A body's boxes keep SEPARACAO_CORPOS from every other body's, so its degree and retrograde mark
// read as its own and not a neighbour's; with leaders, none crosses a box and no box a leader.
bool CabeEm(const GeometriaRoda& g, const CorpoDisposto& c, const Ocupado& o, bool comGuias) {
    const double sep = o.guias ? SEPARACAO_CORPOS : 0.0;
    for (const QRectF& r : CaixasDe(c)) {
        const QRectF largo = r.adjusted(-sep, -sep, sep, sep);
        if (!Livre(largo, o.caixas) || (comGuias && o.guias && CruzaAlguma(r, *o.guias))) return false;
    }
    if (!o.guias) return true;
    if (!LegivelComOsOutros(c, o.colocados)) return false;
    if (!comGuias) return true;
    // Another body's exact degree stays uncovered, so that its leader can start there.
    for (const auto& [elemento, p] : o.exactos)
        if (elemento != c.elemento)
            for (const QRectF& r : CaixasDe(c))
                if (r.adjusted(-1.5, -1.5, 1.5, 1.5).contains(p)) return false;
    const QLineF guia = GuiaDe(g, c);
    return guia.isNull() || std::none_of(o.caixas.cbegin(), o.caixas.cend(), [&](const QRectF& r) { return Cruza(guia, r); });
}

void Ocupa(const CorpoDisposto& c, std::vector<QRectF>& ocupadas) {
    ocupadas.push_back(c.caixaGlifo);
    ocupadas.push_back(c.caixaGrau);
    if (!c.caixaRetrogrado.isNull()) ocupadas.push_back(c.caixaRetrogrado);
}

// Spreads a body along its track: the nearest angle, alternately after and before its own,
// at which none of its boxes comes near what is already placed, nor its leader line through
// it; failing that on a crowded wheel, the nearest where only the boxes are clear.
bool Espalha(const GeometriaRoda& g, Molde& m, Ocupado& o, bool procuraGuias = true) {
    CorpoDisposto& c = m.corpo;
    const double passo = PASSO_ARCO / std::max(c.raio, 1.0);
    const int maximo = int(PI / passo);
    auto poe = [&](double teta, double raio) {
        c.teta = teta;
        c.ponto = PontoRoda(g, raio, teta);
        Coloca(g, m, c.ponto);
    };
    // With leaders laid out, a glyph may also stand a step off its track, in or out, so that
    // in a crowd its leader finds a clear way within a short arc.
    std::vector<double> raios{c.raio};
    if (o.guias)
        for (double dr : {PASSO_RAIO, -PASSO_RAIO, 2.0 * PASSO_RAIO, -2.0 * PASSO_RAIO})
            if (c.raio + dr > g.AspectRadius + 8.0 && c.raio + dr < g.ZodiacInnerRadius - 8.0) raios.push_back(c.raio + dr);
    auto tenta = [&](bool comGuias, int ate) {
        for (int k = 0; k <= ate; ++k)
            for (double sinal : {1.0, -1.0}) {
                for (double raio : comGuias ? raios : std::vector<double>{c.raio}) {
                    poe(c.tetaExacto + sinal * k * passo, raio);
                    if (CabeEm(g, c, o, comGuias)) return true;
                }
                if (k == 0) break;
            }
        return false;
    };
    const int curto = std::min(maximo, int(ARCO_COM_GUIA_LIVRE / PASSO_ARCO));
    const bool livre = procuraGuias && tenta(true, curto);
    if (!livre && !tenta(false, maximo)) // a wheel too small for its bodies: keep the exact degree
        poe(c.tetaExacto, c.raio);
    c.exacto = PontoRoda(g, c.raio, c.tetaExacto);
    const QLineF guia = GuiaDe(g, c);
    c.comGuia = !guia.isNull();
    if (c.comGuia) c.fimGuia = guia.p2();
    Ocupa(c, o.caixas);
    if (o.guias && c.comGuia) o.guias->push_back(guia);
    o.colocados.push_back(c);
    return livre;
}

std::vector<Molde> MoldesDosCorpos(const GeometriaRoda& g, Superficie& s, Mapa& mapa) {
    std::vector<Molde> moldes;
    auto junta = [&](int elemento, int i, double lambda, double raio, const QString& glifo, double tamanho,
                     bool retro) {
        CorpoDisposto c;
        c.elemento = elemento;
        c.corpo = i;
        c.lambda = lambda;
        c.raio = raio;
        c.tetaExacto = AnguloEcra(g, lambda);
        c.glifo = glifo;
        c.tamanhoGlifo = tamanho;
        moldes.push_back(FazMolde(s, std::move(c), retro));
    };
    for (int i = 0; i <= 12; ++i) {
        planeta& corpo = mapa.Corpo(i);
        const double lambda = corpo.Posicao().ValorRads();
        if (!corpo.Mostrado || !std::isfinite(lambda)) continue; // a body that cannot be placed is skipped
        if (i == 12) {
            junta(i, i, lambda, RAIO_PARTE_FORTUNA, QStringLiteral("d"), TAMANHO_GLIFO_PARTE, false);
            continue;
        }
        const QString glifo = corpo.Glifo.isEmpty() ? Simbolos::BodyInfo(int16_t(i + 1)).glifo : corpo.Glifo;
        junta(i, i, lambda, RaioCorpo(g, i), glifo, TAMANHO_GLIFO, corpo.Retrogrado);
        if (i == 10)
            junta(MARCADOR_NODO_SUL, i, lambda + PI, RaioCorpo(g, i), QStringLiteral(">"), TAMANHO_GLIFO,
                  corpo.Retrogrado);
    }
    // The optional points the chart holds, on tracks between the bodies' own.
    for (int i = PRIMEIRO_PONTO_EXTRA; i < N_CORPOS_COM_EXTRAS; ++i) {
        planeta& corpo = mapa.CorpoComPontos(i);
        const double lambda = corpo.Posicao().ValorRads();
        if (!corpo.Mostrado || !std::isfinite(lambda)) continue;
        junta(i, i, lambda, RaioPonto(g, i - PRIMEIRO_PONTO_EXTRA), corpo.Glifo, TAMANHO_GLIFO, corpo.Retrogrado);
    }
    return moldes;
}

// Where one form of a house label goes: its anchor (top-centre of the block) and how much it
// covers there (0 where it is free of every box and out of the aspect circle).
struct LugarRotulo {
    QPointF ancora;
    double sobra = 0.0;
};

// A house label is its name over its degree; where a crowded ring leaves no room for that
// block out of the aspect circle (a small wheel on a high-density screen), the name and the
// degree go side by side on one line, which fits the narrower band.
struct FormaRotulo {
    double largura = 0.0, altura = 0.0; // the block
    QPointF nome, grau;                 // print positions relative to the anchor
    QRectF tinta;                       // both texts' ink relative to the anchor
};

// How far from its cusp's outer end a house label may stand and still be read as that cusp's.
constexpr double ALCANCE_ROTULO = 72.0;

LugarRotulo ProcuraLugar(const GeometriaRoda& g, const FormaRotulo& f, double teta, bool primeiros,
                         const std::vector<QRectF>& ocupadas, const std::vector<QLineF>& guias) {
    const double d = primeiros ? -f.largura : 20.0;
    // Beside the cusp's outer end as laid out, unless something is printed there: then the
    // other side of the cusp, above the outer end instead of below it, the same a further 20
    // pixels away, and finally further in along the cusp.
    const double outroLado = primeiros ? 20.0 : -f.largura;
    const double longe = primeiros ? -20.0 : 20.0;
    std::vector<QPointF> candidatos;
    // Where the cusp is crowded all along, further aside from it too.
    for (const auto& afastamentos : {std::array{0.0, longe}, std::array{2.0 * longe, 3.0 * longe}})
        for (double recuo = 0.0; recuo < g.ZodiacInnerRadius - g.AspectRadius; recuo += PASSO_RECUO) {
            const QPointF fora = PontoRoda(g, g.ZodiacInnerRadius - recuo, teta);
            for (double afasta : afastamentos)
                for (double dy : {0.0, -f.altura})
                    for (double dx : {d + afasta, outroLado - afasta})
                        candidatos.push_back(fora + QPointF(dx, dy));
        }
    const size_t perto = candidatos.size() / 2;
    // A band too crowded for those: every place near the cusp's outer end, on a grid.
    const QPointF fim = PontoRoda(g, g.ZodiacInnerRadius, teta);
    for (double raio = 4.0; raio <= 64.0; raio += 4.0)
        for (double angulo = 0.0; angulo < 360.0; angulo += 4.0 * 90.0 / raio)
            candidatos.push_back(fim + raio * QPointF(std::cos(angulo * PI / 180.0), std::sin(angulo * PI / 180.0)));
    // The first place free of every box, out of the aspect circle (where the aspects' lines
    // are) and off the leader lines, within the outer half of the cusp; else the first free of
    // boxes and out of the circle within reach of the cusp; else the first such anywhere; else
    // the place that covers least.
    std::vector<LugarRotulo> lugares;
    std::vector<bool> cruzaGuia;
    for (const QPointF& candidato : candidatos) {
        const QPointF a = DentroDaRoda(g, candidato, f.largura, f.altura, teta);
        const QRectF c = ComFolga(f.tinta.translated(a));
        const bool noCirculo = DentroDoCirculo(g, c);
        lugares.push_back({a, Livre(c, ocupadas) && !noCirculo ? 0.0
                                                               : Sobreposicao(c, ocupadas) + (noCirculo ? 0.5 : 0.0) + 1e-3});
        cruzaGuia.push_back(CruzaAlguma(c, guias));
    }
    for (size_t i = 0; i < perto / 2; ++i)
        if (lugares[i].sobra == 0.0 && !cruzaGuia[i]) return lugares[i];
    const auto aoAlcance = [&](const LugarRotulo& l) {
        return QLineF(ComFolga(f.tinta.translated(l.ancora)).center(), fim).length() < ALCANCE_ROTULO;
    };
    for (const LugarRotulo& l : lugares)
        if (l.sobra == 0.0 && aoAlcance(l)) return l;
    for (const LugarRotulo& l : lugares)
        if (l.sobra == 0.0) return l;
    return *std::min_element(lugares.begin(), lugares.end(),
                             [](const LugarRotulo& x, const LugarRotulo& y) { return x.sobra < y.sobra; });
}

RotuloCasaDisposto DispoeCasa(const GeometriaRoda& g, Superficie& s, Mapa& mapa, int h,
                              std::vector<QRectF>& ocupadas, const std::vector<QLineF>& guias) {
    RotuloCasaDisposto r;
    const double c = mapa.Cuspide(h).ValorRads();
    r.teta = AnguloCuspide(g, c);
    r.nome = Simbolos::HouseName(static_cast<int16_t>(h), false);
    r.grau = QString::number(mapa.Cuspide(h).RetornaGraus());
    s.setFont(FONTE_NUMEROS, TAMANHO_CASA);
    const double largura = s.TextWidth(r.nome);
    const double larguraGrau = s.TextWidth(r.grau);
    const double linha = s.TextHeight(r.nome);
    const QRectF tintaNome = s.AreaImpressa(r.nome);
    const QRectF tintaGrau = s.AreaImpressa(r.grau);
    FormaRotulo duas;
    duas.largura = std::max(largura, larguraGrau);
    duas.altura = 2.0 * linha;
    duas.nome = QPointF(-largura / 2.0, 0.0);
    duas.grau = QPointF(-larguraGrau / 2.0, linha);
    FormaRotulo uma;
    uma.largura = largura + s.TextWidth(QStringLiteral(" ")) + larguraGrau;
    uma.altura = linha;
    uma.nome = QPointF(-uma.largura / 2.0, 0.0);
    uma.grau = QPointF(uma.largura / 2.0 - larguraGrau, 0.0);
    for (FormaRotulo* f : {&duas, &uma})
        f->tinta = tintaNome.translated(f->nome).united(tintaGrau.translated(f->grau));
    const bool primeiros = c < PI;
    const FormaRotulo* forma = &duas;
    LugarRotulo lugar = ProcuraLugar(g, duas, r.teta, primeiros, ocupadas, guias);
    if (lugar.sobra > 0.0) {
        const LugarRotulo numaLinha = ProcuraLugar(g, uma, r.teta, primeiros, ocupadas, guias);
        if (numaLinha.sobra < lugar.sobra) {
            lugar = numaLinha;
            forma = &uma;
        }
    }
    r.canto = lugar.ancora + forma->nome;
    r.cantoGrau = lugar.ancora + forma->grau;
    r.caixa = ComFolga(forma->tinta.translated(lugar.ancora));
    ocupadas.push_back(r.caixa);
    return r;
}

} // namespace

QString GrauNoSigno(double lambda) {
    PosSigno p(lambda);
    p.ReduceTo(360.0);
    return QString::number(p.RetornaGraus());
}

std::vector<QRectF> DisposicaoRoda::todas() const {
    std::vector<QRectF> v(signos.cbegin(), signos.cend());
    for (const CorpoDisposto& c : corpos) Ocupa(c, v);
    for (const RotuloCasaDisposto& r : casas) v.push_back(r.caixa);
    return v;
}

std::vector<CorpoDisposto> DispoeAnel(const GeometriaRoda& g, Superficie& s, const std::vector<CorpoAnel>& corpos,
                                      double raio, double raioExacto, std::vector<QRectF>& ocupadas) {
    std::vector<CorpoDisposto> v;
    for (const CorpoAnel& a : corpos) {
        if (!std::isfinite(a.lambda)) continue;
        CorpoDisposto c;
        c.elemento = a.elemento;
        c.corpo = a.corpo;
        c.lambda = a.lambda;
        c.raio = raio;
        c.tetaExacto = AnguloEcra(g, a.lambda);
        c.glifo = a.glifo;
        c.tamanhoGlifo = TAMANHO_GLIFO;
        Molde m = FazMolde(s, std::move(c), a.retrogrado);
        m.grauParaFora = true;
        Ocupado o{ocupadas};
        Espalha(g, m, o);
        // Along one track a leader from the track would run through the neighbours' glyphs:
        // it starts at the exact degree on the inner edge instead.
        CorpoDisposto& d = m.corpo;
        d.exacto = PontoRoda(g, raioExacto, d.tetaExacto);
        d.comGuia = QLineF(PontoRoda(g, d.raio, d.teta), PontoRoda(g, d.raio, d.tetaExacto)).length() > DESVIO_COM_GUIA &&
                    !d.caixaGlifo.contains(d.exacto);
        if (d.comGuia) d.fimGuia = Fronteira(d.exacto, d.caixaGlifo);
        v.push_back(m.corpo);
    }
    return v;
}

double AnguloCuspide(const GeometriaRoda& g, double cuspide) {
    double teta = g.ZeroAriesAngle - cuspide;
    if (teta < 0.0)
        teta += DOIS_PI;
    else if (teta > DOIS_PI)
        teta -= DOIS_PI;
    return teta;
}

std::array<SignoDisposto, 12> DispoeSignos(const GeometriaRoda& g, int signoMC) {
    std::array<SignoDisposto, 12> v;
    const double raio = (g.OuterRadius + g.ZodiacInnerRadius) / 2.0;
    for (int k = 0; k < 12; ++k) {
        const int signo = SignoDoSector(signoMC, k) % 12;
        // The middle of the sign's 30°: with the fixed ring, sector k spans (240 − 30k)° to
        // (270 − 30k)°; turned to the Ascendant, the ring follows 0° of the first sign.
        const double teta = g.ZeroAriesAngle - Ponto::CoorTrans(30.0 * signo + 15.0, 2);
        const QPointF p = PontoRoda(g, raio, teta);
        v[size_t(k)] = {QPointF(p.x() - 6.0, p.y() - 4.0), signo, teta};
    }
    return v;
}

DisposicaoRoda DispoeRoda(const GeometriaRoda& g, Superficie& s, Mapa& mapa, int signoMC) {
    DisposicaoRoda d;
    std::vector<QRectF> ocupadas;
    const std::array<SignoDisposto, 12> signos = DispoeSignos(g, signoMC);
    s.setFont(FONTE_SIGIL, TAMANHO_GLIFO);
    for (int k = 0; k < 12; ++k) {
        const QString glifo = Simbolos::SignInfo(static_cast<int16_t>(signos[size_t(k)].signo)).glifo;
        d.signos[size_t(k)] = ComFolga(s.AreaImpressa(glifo).translated(signos[size_t(k)].canto));
        ocupadas.push_back(d.signos[size_t(k)]);
    }
    // Bodies are placed one by one, each clear of those before it. Where one finds no place
    // whose leader is clear, it is placed first and the wheel laid out again, a few times at most;
    // the layout with fewest such bodies is kept.
    std::vector<Molde> moldes = MoldesDosCorpos(g, s, mapa);
    std::vector<size_t> ordem(moldes.size());
    for (size_t i = 0; i < ordem.size(); ++i) ordem[i] = i;
    const std::vector<QRectF> soSignos = ocupadas;
    std::vector<QRectF> melhorCaixas;
    std::vector<QLineF> guias, melhorGuias;
    std::vector<Molde> melhor;
    size_t menosPresos = moldes.size() + 1;
    for (size_t tentativa = 0; tentativa <= std::min<size_t>(moldes.size(), 8); ++tentativa) {
        std::vector<Molde> postos = moldes;
        std::vector<QRectF> caixas = soSignos;
        guias.clear();
        Ocupado o{caixas, &guias};
        for (const Molde& m : moldes) o.exactos.emplace_back(m.corpo.elemento, PontoRoda(g, m.corpo.raio, m.corpo.tetaExacto));
        std::vector<size_t> presos;
        for (size_t i : ordem)
            if (!Espalha(g, postos[i], o)) presos.push_back(i);
        if (presos.size() < menosPresos) {
            menosPresos = presos.size();
            melhor = std::move(postos);
            melhorCaixas = std::move(caixas);
            melhorGuias = guias;
        }
        if (presos.empty()) break;
        if (tentativa == std::min<size_t>(moldes.size(), 8)) {
            // A crowd too dense for clear leaders: each body at the nearest place its boxes fit.
            postos = moldes;
            caixas = soSignos;
            guias.clear();
            Ocupado solto{caixas, &guias};
            for (Molde& m : postos) Espalha(g, m, solto, false);
            melhor = std::move(postos);
            melhorCaixas = std::move(caixas);
            melhorGuias = guias;
            break;
        }
        ordem.erase(std::find(ordem.begin(), ordem.end(), presos.front()));
        ordem.insert(ordem.begin(), presos.front());
    }
    ocupadas = std::move(melhorCaixas);
    guias = std::move(melhorGuias);
    for (const Molde& m : melhor) d.corpos.push_back(m.corpo);
    for (int h = 1; h <= 12; ++h)
        d.casas[size_t(h - 1)] = DispoeCasa(g, s, mapa, h, ocupadas, guias);
    return d;
}
