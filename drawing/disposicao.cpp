#include "disposicao.h"

#include "desenhos.h"
#include "fontes.h"
#include "simbolos.h"
#include "superficie.h"

#include <QLineF>
#include <algorithm>
#include <cmath>

namespace {

constexpr double PI = 3.14159265358979;
constexpr double DOIS_PI = 2.0 * PI;
constexpr double TAMANHO_GLIFO = 15.0;
constexpr double TAMANHO_GLIFO_PARTE = 12.0;
constexpr double TAMANHO_RETROGRADO = 9.0;
constexpr double TAMANHO_GRAU = 8.0;
constexpr double TAMANHO_CASA = 10.0;
// Spreading moves a glyph along its track in steps of this many pixels of arc.
constexpr double PASSO_ARCO = 1.5;
// House labels that find no room beside the cusp's outer end slide in along the cusp.
constexpr double PASSO_RECUO = 6.0;

QRectF ComFolga(const QRectF& r) {
    return r.adjusted(-FOLGA_CAIXA, -FOLGA_CAIXA, FOLGA_CAIXA, FOLGA_CAIXA);
}

bool Livre(const QRectF& r, const std::vector<QRectF>& ocupadas) {
    return std::none_of(ocupadas.cbegin(), ocupadas.cend(), [&](const QRectF& o) { return o.intersects(r); });
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

bool CabeEm(const CorpoDisposto& c, const std::vector<QRectF>& ocupadas) {
    return Livre(c.caixaGlifo, ocupadas) && Livre(c.caixaGrau, ocupadas) &&
           (c.caixaRetrogrado.isNull() || Livre(c.caixaRetrogrado, ocupadas));
}

void Ocupa(const CorpoDisposto& c, std::vector<QRectF>& ocupadas) {
    ocupadas.push_back(c.caixaGlifo);
    ocupadas.push_back(c.caixaGrau);
    if (!c.caixaRetrogrado.isNull()) ocupadas.push_back(c.caixaRetrogrado);
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

// Spreads a body along its track: the nearest angle, alternately after and before its own,
// at which none of its boxes touches what is already placed.
void Espalha(const GeometriaRoda& g, Molde& m, std::vector<QRectF>& ocupadas) {
    CorpoDisposto& c = m.corpo;
    const double passo = PASSO_ARCO / std::max(c.raio, 1.0);
    const int maximo = int(PI / passo);
    c.teta = c.tetaExacto;
    Coloca(g, m, PontoRoda(g, c.raio, c.teta));
    for (int k = 1; k <= maximo && !CabeEm(c, ocupadas); ++k)
        for (double sinal : {1.0, -1.0}) {
            c.teta = c.tetaExacto + sinal * k * passo;
            Coloca(g, m, PontoRoda(g, c.raio, c.teta));
            if (CabeEm(c, ocupadas)) break;
        }
    if (!CabeEm(c, ocupadas)) { // a wheel too small for its bodies: keep the exact degree
        c.teta = c.tetaExacto;
        Coloca(g, m, PontoRoda(g, c.raio, c.teta));
    }
    c.exacto = PontoRoda(g, c.raio, c.tetaExacto);
    const QPointF ponto = PontoRoda(g, c.raio, c.teta);
    c.comGuia = QLineF(ponto, c.exacto).length() > DESVIO_COM_GUIA && !c.caixaGlifo.contains(c.exacto);
    if (c.comGuia) c.fimGuia = Fronteira(c.exacto, c.caixaGlifo);
    Ocupa(c, ocupadas);
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

RotuloCasaDisposto DispoeCasa(const GeometriaRoda& g, Superficie& s, Mapa& mapa, int h,
                              std::vector<QRectF>& ocupadas) {
    RotuloCasaDisposto r;
    const double c = mapa.Cuspide(h).ValorRads();
    r.teta = AnguloCuspide(g, c);
    r.nome = Simbolos::HouseName(static_cast<int16_t>(h), false);
    r.grau = QString::number(mapa.Cuspide(h).RetornaGraus());
    s.setFont(FONTE_NUMEROS, TAMANHO_CASA);
    const double largura = s.TextWidth(r.nome);
    const double larguraGrau = s.TextWidth(r.grau);
    const double linha = s.TextHeight(r.nome);
    const double bloco = std::max(largura, larguraGrau);
    const double altura = 2.0 * linha;
    const QRectF tintaNome = s.AreaImpressa(r.nome);
    const QRectF tintaGrau = s.AreaImpressa(r.grau);
    const bool primeiros = c < PI;
    const double d = primeiros ? -largura : 20.0;
    // Beside the cusp's outer end as laid out, unless something is printed there: then the
    // other side of the cusp, above the outer end instead of below it, the same a further 20
    // pixels away, and finally further in along the cusp.
    const double outroLado = primeiros ? 20.0 : -largura;
    const double longe = primeiros ? -20.0 : 20.0;
    std::vector<QPointF> candidatos;
    for (double recuo = 0.0; recuo < g.ZodiacInnerRadius - g.AspectRadius; recuo += PASSO_RECUO) {
        const QPointF fora = PontoRoda(g, g.ZodiacInnerRadius - recuo, r.teta);
        for (double afasta : {0.0, longe})
            for (double dy : {0.0, -altura})
                for (double dx : {d + afasta, outroLado - afasta})
                    candidatos.push_back(fora + QPointF(dx, dy));
    }
    auto caixa = [&](const QPointF& a) {
        return ComFolga(tintaNome.translated(a.x() - largura / 2.0, a.y())
                            .united(tintaGrau.translated(a.x() - larguraGrau / 2.0, a.y() + linha)));
    };
    QPointF ancora;
    double menor = -1.0;
    for (const QPointF& candidato : candidatos) {
        const QPointF a = DentroDaRoda(g, candidato, bloco, altura, r.teta);
        const double sobra = Sobreposicao(caixa(a), ocupadas);
        if (menor < 0.0 || sobra < menor) {
            menor = sobra;
            ancora = a;
        }
        if (sobra == 0.0 && Livre(caixa(a), ocupadas)) break;
    }
    r.canto = QPointF(ancora.x() - largura / 2.0, ancora.y());
    r.cantoGrau = QPointF(ancora.x() - larguraGrau / 2.0, ancora.y() + linha);
    r.caixa = caixa(ancora);
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
        Espalha(g, m, ocupadas);
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
    for (Molde& m : MoldesDosCorpos(g, s, mapa)) {
        Espalha(g, m, ocupadas);
        d.corpos.push_back(m.corpo);
    }
    for (int h = 1; h <= 12; ++h)
        d.casas[size_t(h - 1)] = DispoeCasa(g, s, mapa, h, ocupadas);
    return d;
}
