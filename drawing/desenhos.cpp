#include "desenhos.h"

#include "dominantes.h"
#include "fontes.h"
#include "grelha.h"
#include "simbolos.h"
#include "superficie.h"

#include <QVariant>
#include <algorithm>
#include <cmath>

namespace {

constexpr double DOIS_PI = 2.0 * 3.14159265358979;
constexpr double TAMANHO_GLIFO = 15.0;
constexpr double TAMANHO_GLIFO_PARTE = 12.0;
constexpr double TAMANHO_RETROGRADO = 9.0;
constexpr double TAMANHO_GRAU = 8.0;
constexpr double TAMANHO_CASA = 10.0;
// Marker labels reach 5 pixels beyond the glyph on every side.
constexpr double MARGEM_MARCADOR = 5.0;

PosSigno Reduzida(double rads) {
    PosSigno p(rads);
    p.ReduceTo(360.0);
    return p;
}

QString GrauNoSigno(double lambda) {
    return QString::number(Reduzida(lambda).RetornaGraus());
}

// The whole degree within the sign, then the retrograde mark, under a glyph whose left edge
// is `esquerda` and whose point is at `yPonto`.
void GrauERetrogrado(Superficie& s, const GeometriaRoda& g, double esquerda, double yPonto, double lambda,
                     CorRGB cor, bool retrogrado) {
    const double h = s.TextHeight(QStringLiteral("D"));
    s.CurrentX = esquerda;
    s.CurrentY = yPonto + 2.0 * h / 3.0;
    PrintGlyph(s, GrauNoSigno(lambda), FONTE_NUMEROS, TAMANHO_GRAU, cor);
    if (retrogrado) {
        s.CurrentX = esquerda;
        s.CurrentY -= 5.0;
        // The Part asks for black; the contrast colour is black on white and stays visible on
        // a dark background picture.
        PrintGlyph(s, QStringLiteral("m"), FONTE_SIGIL, TAMANHO_RETROGRADO, g.contraste);
    }
}

Marcador MarcadorCorpo(const QPointF& canto, double lado, const QString& dica) {
    return {QRectF(canto.x() - MARGEM_MARCADOR, canto.y() - MARGEM_MARCADOR, lado + 2 * MARGEM_MARCADOR,
                   lado + 2 * MARGEM_MARCADOR),
            dica};
}

CorRGB CorCorda(int tipo, CorRGB contraste) {
    switch (tipo) {
    case ASPECTO_SEXTIL:
        return RGBCor(0, 255, 0);
    case ASPECTO_QUADRATURA:
        return RGBCor(255, 0, 0);
    case ASPECTO_TRIGONO:
        return RGBCor(0, 0, 255);
    case ASPECTO_OPOSICAO:
        return contraste;
    default:
        return Simbolos::AspectInfo(tipo).cor;
    }
}

} // namespace

GeometriaRoda CalculaGeometria(double scaleWidth, double scaleHeight) {
    GeometriaRoda g;
    g.centro.SetPoint(scaleWidth / 2.0 - 3.0, scaleHeight / 2.0 - 4.0);
    g.OuterRadius = g.centro.y() - 9.0;
    g.ZodiacInnerRadius = g.OuterRadius - 30.0;
    g.AspectRadius = (g.centro.y() - 39.0) / 2.0;
    return g;
}

double ZeroAriesAngle(int signoMC) {
    for (int k = 0; k < 12; ++k) {
        if (SignoDoSector(signoMC, k) % 12 == 0) {
            const double teta = 255.0 - 30.0 * k;
            return Ponto::CoorTrans(std::floor(teta / 30.0) * 30.0 + 30.0, 2);
        }
    }
    return 0.0;
}

int SignoDoSector(int signoMC, int k) {
    return signoMC + k <= 12 ? signoMC + k : signoMC + k - 12;
}

CorRGB CorContraste(CorRGB pixel) {
    const long long d = static_cast<long long>(pixel & 0xFFFFFF) - 16777215LL;
    return static_cast<CorRGB>(d < 0 ? -d : d);
}

double RaioCorpo(const GeometriaRoda& g, int i) {
    if (i == 10) return g.ZodiacInnerRadius - 20.0;
    return g.AspectRadius + 10.0 + (g.ZodiacInnerRadius - g.AspectRadius - 14.0) * i / 11.0;
}

double AnguloEcra(const GeometriaRoda& g, double lambda) {
    double teta = g.ZeroAriesAngle - lambda;
    if (teta > DOIS_PI) teta -= DOIS_PI;
    return teta;
}

QPointF PontoRoda(const GeometriaRoda& g, double raio, double teta) {
    Ponto p;
    p.setRaio(raio);
    p.setTeta(teta);
    return {g.centro.x() + p.x(), g.centro.y() + p.y()};
}

QString DicaCorpo(const QString& nome, double lambda) {
    const PosSigno p = Reduzida(lambda);
    return nome + QStringLiteral(" a ") + QString::number(p.RetornaGraus()) + QStringLiteral(" de ") +
           Simbolos::SignInfo(p.NumeroSigno()).nome;
}

void PrintGlyph(Superficie& s, const QString& texto, const QString& fonte, double tamanho, CorRGB cor) {
    s.setFont(fonte, tamanho);
    s.ForeColor = cor;
    s.Print(texto);
}

void DrawRing(const Ponto& centro, double raio, Superficie& s, CorRGB cor) {
    s.Circle(centro.x(), centro.y(), raio, cor);
}

void DrawSignBoundaries(Superficie& s, const GeometriaRoda& g, CorRGB cor) {
    Ponto dentro, fora;
    dentro.SetPoint(g.ZodiacInnerRadius, 0.0);
    fora.SetPoint(g.OuterRadius, 0.0);
    for (int k = 0; k < 12; ++k) {
        s.Line(g.centro.x() + dentro.x(), g.centro.y() + dentro.y(), g.centro.x() + fora.x(),
               g.centro.y() + fora.y(), cor);
        dentro.Rotate(30);
        fora.Rotate(30);
    }
}

void DrawSignGlyphs(Superficie& s, GeometriaRoda& g, int signoMC, ResultadoDesenho& r) {
    const double raio = (g.OuterRadius + g.ZodiacInnerRadius) / 2.0;
    for (int k = 0; k < 12; ++k) {
        const int signo = SignoDoSector(signoMC, k);
        const double teta = 255.0 - 30.0 * k;
        if (signo % 12 == 0) g.ZeroAriesAngle = Ponto::CoorTrans(std::floor(teta / 30.0) * 30.0 + 30.0, 2);
        const QPointF p = PontoRoda(g, raio, Ponto::CoorTrans(teta, 2));
        s.CurrentX = p.x() - 6.0;
        s.CurrentY = p.y() - 4.0;
        const Simbolos::InfoSigno info = Simbolos::SignInfo(static_cast<int16_t>(signo));
        s.setFont(FONTE_SIGIL, TAMANHO_GLIFO);
        r.lblmark[k] = {QRectF(s.CurrentX, s.CurrentY, s.TextWidth(info.glifo), s.TextHeight(info.glifo)),
                        info.nome};
        PrintGlyph(s, info.glifo, FONTE_SIGIL, TAMANHO_GLIFO, info.cor);
    }
}

void DrawHouses(const GeometriaRoda& g, Superficie& s, Mapa& mapa, CorRGB cor,
                const std::vector<QRectF>& evitar, std::array<QRectF, 12>* rotulos) {
    for (int h = 1; h <= 12; ++h) {
        const double c = mapa.Cuspide(h).ValorRads();
        double teta = g.ZeroAriesAngle - c;
        if (teta < 0.0)
            teta += DOIS_PI;
        else if (teta > DOIS_PI)
            teta -= DOIS_PI;
        const QPointF dentro = PontoRoda(g, g.AspectRadius, teta);
        const QPointF fora = PontoRoda(g, g.ZodiacInnerRadius, teta);
        const bool angular = h == 1 || h == 4 || h == 7 || h == 10;
        s.Line(dentro.x(), dentro.y(), fora.x(), fora.y(), angular ? COR_CUSPIDE_ANGULAR : cor);

        const QString nome = Simbolos::HouseName(static_cast<int16_t>(h), false);
        const QString grau = QString::number(mapa.Cuspide(h).RetornaGraus());
        s.setFont(FONTE_NUMEROS, TAMANHO_CASA);
        const double largura = s.TextWidth(nome);
        const double bloco = std::max(largura, s.TextWidth(grau));
        const double altura = 2.0 * s.TextHeight(nome);
        const bool primeiros = c < 3.14159265358979;
        const double d = primeiros ? -largura : 20.0;
        // Beside the cusp's outer end as laid out, unless a body's glyph or degree is there:
        // then the other side of the cusp, then above the outer end instead of below it, then
        // the same a further 20 pixels away from the cusp.
        const double outroLado = primeiros ? 20.0 : -largura;
        const double longe = primeiros ? -20.0 : 20.0;
        std::vector<QPointF> candidatos;
        for (double afasta : {0.0, longe})
            for (double dy : {0.0, -altura})
                for (double dx : {d + afasta, outroLado - afasta})
                    candidatos.push_back(fora + QPointF(dx, dy));
        auto caixa = [&](const QPointF& a) { return QRectF(a.x() - bloco / 2.0, a.y(), bloco, altura); };
        auto livre = [&](const QRectF& r) {
            return std::none_of(evitar.cbegin(), evitar.cend(),
                                [&](const QRectF& o) { return o.intersects(r); });
        };
        QPointF ancora = DentroDaRoda(g, candidatos[0], bloco, altura, teta);
        for (const QPointF& candidato : candidatos) {
            const QPointF a = DentroDaRoda(g, candidato, bloco, altura, teta);
            if (livre(caixa(a))) {
                ancora = a;
                break;
            }
        }
        if (rotulos) (*rotulos)[h - 1] = caixa(ancora);
        s.CurrentX = ancora.x() - largura / 2.0;
        s.CurrentY = ancora.y();
        PrintGlyph(s, nome, FONTE_NUMEROS, TAMANHO_CASA, COR_NOME_CASA);
        s.CurrentX = ancora.x() - s.TextWidth(grau) / 2.0;
        PrintGlyph(s, grau, FONTE_NUMEROS, TAMANHO_CASA, COR_NOME_CASA);
    }
}

std::vector<QRectF> AreasDosCorpos(const GeometriaRoda& g, Superficie& s, Mapa& mapa) {
    s.setFont(FONTE_SIGIL, TAMANHO_GLIFO);
    const double hGlifo = s.TextHeight(QStringLiteral("D"));
    s.setFont(FONTE_NUMEROS, TAMANHO_GRAU);
    const double hGrau = s.TextHeight(QStringLiteral("0"));
    const double lGrau = s.TextWidth(QStringLiteral("00"));
    std::vector<QRectF> areas;
    // The glyph's cell, and under it the degree number whose top is two thirds of a glyph
    // line below the body's point.
    auto junta = [&](const QPointF& p, double meio) {
        const QRectF glifo(p.x() - meio, p.y() - meio, 2.0 * meio, 2.0 * meio);
        const QRectF numero(p.x() - meio, p.y() + 2.0 * hGlifo / 3.0, lGrau, hGrau);
        areas.push_back(glifo.united(numero));
    };
    for (int i = 0; i <= 12; ++i) {
        planeta& corpo = mapa.Corpo(i);
        const double lambda = corpo.Posicao().ValorRads();
        if (!corpo.Mostrado || !std::isfinite(lambda)) continue;
        const double teta = AnguloEcra(g, lambda);
        if (i == 12) {
            junta(PontoRoda(g, RAIO_PARTE_FORTUNA, teta), 6.0);
            continue;
        }
        junta(PontoRoda(g, RaioCorpo(g, i), teta), 7.5);
        if (i == 10) junta(PontoRoda(g, RaioCorpo(g, i), teta + 3.14159265358979), 7.5);
    }
    return areas;
}

QPointF DentroDaRoda(const GeometriaRoda& g, const QPointF& ancora, double largura, double altura,
                     double teta) {
    // The label hangs below its anchor (top-centre); where that would print over the zodiac
    // ring (cusps in the lower half, or pushed sideways past the ring) it moves in along the
    // cusp until it clears the ring by two pixels.
    const double limite = g.ZodiacInnerRadius - 2.0;
    const QPointF passo(-std::cos(teta), -std::sin(teta));
    QPointF a = ancora;
    auto foraDaRoda = [&](const QPointF& p) {
        for (double dx : {-largura / 2.0, largura / 2.0})
            for (double dy : {0.0, altura}) {
                if (std::hypot(p.x() + dx - g.centro.x(), p.y() + dy - g.centro.y()) > limite) return true;
            }
        return false;
    };
    for (int k = 0; k < 200 && foraDaRoda(a); ++k)
        a += passo;
    return a;
}

void PlaceBodies(const GeometriaRoda& g, Superficie& s, Mapa& mapa, ResultadoDesenho& r) {
    for (int i = 0; i <= 12; ++i) {
        planeta& corpo = mapa.Corpo(i);
        if (!corpo.Mostrado) continue;
        const double lambda = corpo.Posicao().ValorRads();
        if (!std::isfinite(lambda)) continue; // a body that cannot be placed is skipped, the others still are
        const Simbolos::InfoCorpo info = Simbolos::BodyInfo(static_cast<int16_t>(i + 1));
        const QString nome = corpo.Nome.isEmpty() ? info.nome : corpo.Nome;
        const double teta = AnguloEcra(g, lambda);

        if (i == 12) {
            const QPointF p = PontoRoda(g, RAIO_PARTE_FORTUNA, teta);
            const QPointF canto(p.x() - 6.0, p.y() - 6.0);
            s.setFont(FONTE_SIGIL, TAMANHO_GLIFO_PARTE);
            r.lblplanetMark[i] =
                MarcadorCorpo(canto, s.TextWidth(QStringLiteral("d")), DicaCorpo(nome, lambda));
            r.glifos.push_back({i, canto, RAIO_PARTE_FORTUNA, teta});
            s.CurrentX = canto.x();
            s.CurrentY = canto.y();
            PrintGlyph(s, QStringLiteral("d"), FONTE_SIGIL, TAMANHO_GLIFO_PARTE, corpo.Cor);
            s.setFont(FONTE_SIGIL, TAMANHO_GLIFO_PARTE);
            GrauERetrogrado(s, g, canto.x(), p.y(), lambda, corpo.Cor, false);
            continue;
        }

        const double raio = RaioCorpo(g, i);
        const QString glifo = corpo.Glifo.isEmpty() ? info.glifo : corpo.Glifo;
        const QPointF p = PontoRoda(g, raio, teta);
        const QPointF canto(p.x() - 7.5, p.y() - 7.5);
        s.setFont(FONTE_SIGIL, TAMANHO_GLIFO);
        r.lblplanetMark[i] = MarcadorCorpo(canto, s.TextWidth(glifo), DicaCorpo(nome, lambda));
        r.glifos.push_back({i, canto, raio, teta});
        s.CurrentX = canto.x();
        s.CurrentY = canto.y();
        PrintGlyph(s, glifo, FONTE_SIGIL, TAMANHO_GLIFO, corpo.Cor);
        s.setFont(FONTE_SIGIL, TAMANHO_GLIFO);
        GrauERetrogrado(s, g, canto.x(), p.y(), lambda, corpo.Cor, corpo.Retrogrado);

        if (i == 10) {
            double tetaSul = teta + 3.14159265358979;
            if (tetaSul > DOIS_PI) tetaSul -= DOIS_PI;
            const double lambdaSul = lambda + 3.14159265358979;
            const QPointF ps = PontoRoda(g, raio, tetaSul);
            const QPointF cantoSul(ps.x() - 7.5, ps.y() - 7.5);
            const int signoSul = (corpo.Posicao().NumeroSigno() + 6) % 12;
            const QString dica = QStringLiteral("Nodo Lunar Sul a ") + GrauNoSigno(lambdaSul) +
                                 QStringLiteral(" de ") +
                                 Simbolos::SignInfo(static_cast<int16_t>(signoSul)).nome;
            r.lblplanetMark[MARCADOR_NODO_SUL] =
                MarcadorCorpo(cantoSul, s.TextWidth(QStringLiteral(">")), dica);
            r.glifos.push_back({MARCADOR_NODO_SUL, cantoSul, raio, tetaSul});
            s.CurrentX = cantoSul.x();
            s.CurrentY = cantoSul.y();
            PrintGlyph(s, QStringLiteral(">"), FONTE_SIGIL, TAMANHO_GLIFO, corpo.Cor);
            s.setFont(FONTE_SIGIL, TAMANHO_GLIFO);
            GrauERetrogrado(s, g, cantoSul.x(), ps.y(), lambdaSul, corpo.Cor, corpo.Retrogrado);
        }
    }
}

ResultadoDesenho RedrawChart(Superficie& roda, Superficie* grelha, Mapa& mapa, bool fundo,
                             const QString& caminhoFundo, const QString& caminhoFundoGrelha) {
    ResultadoDesenho r;
    // The contrast is read once the new background is in place: read before it, the first
    // redraw after a change of picture would draw in the old picture's contrast.
    if (fundo) roda.setPicture(caminhoFundo.isEmpty() ? QImage() : QImage(caminhoFundo));
    roda.Cls();

    r.geometria = CalculaGeometria(roda.ScaleWidth(), roda.ScaleHeight());
    GeometriaRoda& g = r.geometria;
    g.contraste = CorContraste(roda.Point(0, 0));

    DrawRing(g.centro, g.OuterRadius, roda, g.contraste);
    DrawRing(g.centro, g.ZodiacInnerRadius, roda, g.contraste);
    DrawRing(g.centro, g.AspectRadius, roda, g.contraste);
    DrawSignBoundaries(roda, g, g.contraste);
    DrawSignGlyphs(roda, g, mapa.Cuspide(10).NumeroSigno(), r);
    DrawHouses(g, roda, mapa, g.contraste, AreasDosCorpos(g, roda, mapa), &r.rotulosCasas);
    r.KeyWord = Simbolos::TextoDecanatoSol(mapa.Corpo(0).Posicao().ValorGraus());

    // The aspect pass runs before the bodies are placed, so that the chords pass under the
    // glyphs and degree numbers near the aspect ring instead of striking through them.
    if (grelha) r.unidadeGrelha = DrawAspectGrid(*grelha, caminhoFundoGrelha);
    r.aspectos = DetectaAspectos(mapa);
    for (const AspectoEncontrado& a : r.aspectos) {
        if (grelha) EscreveCelula(*grelha, r.unidadeGrelha, a);
        if (a.i < 10 && a.j < 10) {
            const QPointF p1 =
                PontoRoda(g, g.AspectRadius, g.ZeroAriesAngle - mapa.Corpo(a.i).Posicao().ValorRads());
            const QPointF p2 =
                PontoRoda(g, g.AspectRadius, g.ZeroAriesAngle - mapa.Corpo(a.j).Posicao().ValorRads());
            roda.Line(p1.x(), p1.y(), p2.x(), p2.y(), CorCorda(a.tipo, g.contraste));
        }
    }
    PlaceBodies(g, roda, mapa, r);

    r.Eclipse = mapa.Aspectos().ExistsItem(QVariant::fromValue<int16_t>(CODIGO_ECLIPSE));
    r.lblesclarecedor = DominantPlanets(mapa);
    return r;
}
