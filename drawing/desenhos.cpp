#include "desenhos.h"

#include "pontosmapa.h"

#include "dominantes.h"
#include "fontes.h"
#include "grelha.h"
#include "opcoesroda.h"
#include "possigno.h"
#include "simbolos.h"
#include "superficie.h"

#include <QVariant>
#include <algorithm>
#include <cmath>

namespace {

constexpr double DOIS_PI = 2.0 * PI_NATALIS;
constexpr double TAMANHO_GLIFO = 15.0;
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

Marcador MarcadorCorpo(const QPointF& canto, double lado, const QString& dica) {
    return {QRectF(canto.x() - MARGEM_MARCADOR, canto.y() - MARGEM_MARCADOR, lado + 2 * MARGEM_MARCADOR,
                   lado + 2 * MARGEM_MARCADOR),
            dica};
}

} // namespace

CorRGB CorCorda(int tipo, CorRGB contraste, bool fundoEscuro) {
    const EsquemaCores esquema = OpcoesRodaActuais().esquema;
    if (esquema == EsquemaCores::AltoContraste && tipo != ASPECTO_OPOSICAO)
        return CorAspecto(esquema, tipo, 0, fundoEscuro);
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

double ZeroAriesAngleAscendente(double ascendente) {
    double za = PI_NATALIS + ascendente;
    if (za >= DOIS_PI) za -= DOIS_PI;
    return za;
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

double RaioPonto(const GeometriaRoda& g, int k) {
    return g.AspectRadius + 10.0 + (g.ZodiacInnerRadius - g.AspectRadius - 14.0) * (k + 0.5) / 11.0;
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
           Simbolos::NomeSignoLeitor(p.NumeroSigno());
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
    // At 0° of every sign: a whole number of 30° steps from the right horizon on the fixed
    // ring, anywhere when the wheel is turned to the Ascendant.
    Ponto dentro, fora;
    dentro.SetPoint(g.ZodiacInnerRadius, 0.0);
    fora.SetPoint(g.OuterRadius, 0.0);
    const double inicio = std::fmod(g.ZeroAriesAngle, Ponto::CoorTrans(30.0, 2));
    dentro.setTeta(dentro.Teta() + inicio);
    fora.setTeta(fora.Teta() + inicio);
    for (int k = 0; k < 12; ++k) {
        s.Line(g.centro.x() + dentro.x(), g.centro.y() + dentro.y(), g.centro.x() + fora.x(),
               g.centro.y() + fora.y(), cor);
        dentro.Rotate(30);
        fora.Rotate(30);
    }
}

double ComprimentoMarcaGrau(int grau) {
    if (grau % 30 == 0) return 0.0;
    if (grau % 10 == 0) return 8.0;
    return grau % 5 == 0 ? 5.5 : 3.0;
}

void DrawDegreeTicks(Superficie& s, const GeometriaRoda& g, CorRGB cor) {
    for (int grau = 0; grau < 360; ++grau) {
        const double comprimento = ComprimentoMarcaGrau(grau);
        if (comprimento <= 0.0) continue;
        const double teta = g.ZeroAriesAngle - Ponto::CoorTrans(grau, 2);
        const QPointF a = PontoRoda(g, g.ZodiacInnerRadius, teta);
        const QPointF b = PontoRoda(g, g.ZodiacInnerRadius + comprimento, teta);
        s.Line(a.x(), a.y(), b.x(), b.y(), cor);
    }
}

void DrawSignGlyphs(Superficie& s, const GeometriaRoda& g, int signoMC, ResultadoDesenho& r) {
    const EsquemaCores esquema = OpcoesRodaActuais().esquema;
    const std::array<SignoDisposto, 12> signos = DispoeSignos(g, signoMC);
    for (int k = 0; k < 12; ++k) {
        const SignoDisposto& sd = signos[size_t(k)];
        const Simbolos::InfoSigno info = Simbolos::SignInfo(static_cast<int16_t>(sd.signo));
        s.CurrentX = sd.canto.x();
        s.CurrentY = sd.canto.y();
        s.setFont(FONTE_SIGIL, TAMANHO_GLIFO);
        r.lblmark[size_t(k)] = {QRectF(sd.canto, QSizeF(s.TextWidth(info.glifo), s.TextHeight(info.glifo))),
                                 Simbolos::NomeSignoLeitor(sd.signo)};
        PrintGlyph(s, info.glifo, FONTE_SIGIL, TAMANHO_GLIFO, CorSigno(esquema, sd.signo, info.cor, g.fundoEscuro));
    }
}

void DrawHouses(const GeometriaRoda& g, Superficie& s, const DisposicaoRoda& d, CorRGB cor) {
    const CorRGB corRotulo = CorRotuloCasa(OpcoesRodaActuais().esquema, COR_NOME_CASA, g.fundoEscuro);
    for (int h = 1; h <= 12; ++h) {
        const RotuloCasaDisposto& rotulo = d.casas[size_t(h - 1)];
        const QPointF dentro = PontoRoda(g, g.AspectRadius, rotulo.teta);
        const QPointF fora = PontoRoda(g, g.ZodiacInnerRadius, rotulo.teta);
        const bool angular = h == 1 || h == 4 || h == 7 || h == 10;
        s.Line(dentro.x(), dentro.y(), fora.x(), fora.y(), angular ? COR_CUSPIDE_ANGULAR : cor);
        s.CurrentX = rotulo.canto.x();
        s.CurrentY = rotulo.canto.y();
        PrintGlyph(s, rotulo.nome, FONTE_NUMEROS, TAMANHO_CASA, corRotulo);
        s.CurrentX = rotulo.cantoGrau.x();
        s.CurrentY = rotulo.cantoGrau.y();
        PrintGlyph(s, rotulo.grau, FONTE_NUMEROS, TAMANHO_CASA, corRotulo);
    }
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

void PlaceBodies(const GeometriaRoda& g, Superficie& s, Mapa& mapa, const DisposicaoRoda& d, ResultadoDesenho& r) {
    const EsquemaCores esquema = OpcoesRodaActuais().esquema;
    // Leader lines first, so that no glyph or number is struck through by one.
    for (const CorpoDisposto& c : d.corpos) {
        if (!c.comGuia) continue;
        const CorRGB cor = CorCorpo(esquema, c.corpo, mapa.CorpoComPontos(c.corpo).Cor, g.fundoEscuro);
        s.Line(c.exacto.x(), c.exacto.y(), c.fimGuia.x(), c.fimGuia.y(), cor);
        s.Circle(c.exacto.x(), c.exacto.y(), 1.0, cor);
    }
    for (const CorpoDisposto& c : d.corpos) {
        planeta& corpo = mapa.CorpoComPontos(c.corpo);
        const CorRGB cor = CorCorpo(esquema, c.corpo, corpo.Cor, g.fundoEscuro);
        QString dica;
        if (c.elemento == MARCADOR_NODO_SUL) {
            const int signoSul = (corpo.Posicao().NumeroSigno() + 6) % 12;
            dica = QStringLiteral("Nodo Lunar Sul a ") + GrauNoSigno(c.lambda) + QStringLiteral(" de ") +
                   Simbolos::NomeSignoLeitor(signoSul);
        } else {
            const QString nome = corpo.Nome.isEmpty() ? Simbolos::BodyInfo(int16_t(c.corpo + 1)).nome : corpo.Nome;
            dica = DicaCorpo(nome, c.lambda);
        }
        s.setFont(FONTE_SIGIL, c.tamanhoGlifo);
        r.lblplanetMark[c.elemento] = MarcadorCorpo(c.canto, s.TextWidth(c.glifo), dica);
        r.glifos.push_back({c.elemento, c.canto, c.raio, c.teta});
        s.CurrentX = c.canto.x();
        s.CurrentY = c.canto.y();
        PrintGlyph(s, c.glifo, FONTE_SIGIL, c.tamanhoGlifo, cor);
        s.CurrentX = c.cantoGrau.x();
        s.CurrentY = c.cantoGrau.y();
        PrintGlyph(s, GrauNoSigno(c.lambda), FONTE_NUMEROS, TAMANHO_GRAU, cor);
        if (!c.caixaRetrogrado.isNull()) {
            s.CurrentX = c.cantoRetrogrado.x();
            s.CurrentY = c.cantoRetrogrado.y();
            // Black on white as the tables have it; the contrast colour keeps it visible on a
            // dark background picture.
            PrintGlyph(s, QStringLiteral("m"), FONTE_SIGIL, TAMANHO_RETROGRADO, g.contraste);
        }
    }
}

void PreparaGeometria(Superficie& roda, GeometriaRoda& g, Mapa& mapa) {
    const CorRGB pixel = roda.Point(0, 0);
    g.contraste = CorContraste(pixel);
    g.fundoEscuro = FundoEscuro(pixel);
    g.ZeroAriesAngle = OpcoesRodaActuais().ascendenteEsquerda ? ZeroAriesAngleAscendente(mapa.Cuspide(1).ValorRads())
                                                              : ZeroAriesAngle(mapa.Cuspide(10).NumeroSigno());
}

void DrawChords(Superficie& s, const GeometriaRoda& g, const std::vector<Corda>& cordas) {
    for (const Corda& c : cordas) {
        const QPointF p1 = PontoRoda(g, g.AspectRadius, g.ZeroAriesAngle - c.lambda1);
        const QPointF p2 = PontoRoda(g, g.AspectRadius, g.ZeroAriesAngle - c.lambda2);
        s.Line(p1.x(), p1.y(), p2.x(), p2.y(), CorCorda(c.tipo, g.contraste, g.fundoEscuro));
    }
}

void DrawWheel(Superficie& roda, Superficie* grelha, Mapa& mapa, const QString& caminhoFundoGrelha,
               const std::vector<Corda>* cordas, ResultadoDesenho& r) {
    const OpcoesRoda& opcoes = OpcoesRodaActuais();
    GeometriaRoda& g = r.geometria;
    const int signoMC = mapa.Cuspide(10).NumeroSigno();
    DrawRing(g.centro, g.OuterRadius, roda, g.contraste);
    DrawRing(g.centro, g.ZodiacInnerRadius, roda, g.contraste);
    DrawRing(g.centro, g.AspectRadius, roda, g.contraste);
    DrawSignBoundaries(roda, g, g.contraste);
    if (opcoes.grausNoZodiaco) DrawDegreeTicks(roda, g, g.contraste);
    r.disposicao = DispoeRoda(g, roda, mapa, signoMC);
    DrawSignGlyphs(roda, g, signoMC, r);
    DrawHouses(g, roda, r.disposicao, g.contraste);
    for (int h = 0; h < 12; ++h)
        r.rotulosCasas[size_t(h)] = r.disposicao.casas[size_t(h)].caixa;
    r.KeyWord = Simbolos::TextoDecanatoSol(mapa.Corpo(0).Posicao().ValorGraus());

    // The aspect pass runs before the bodies are placed, so that the chords pass under the
    // glyphs and degree numbers near the aspect ring instead of striking through them.
    const std::vector<int> corposGrelha = CorposComPontos(mapa);
    if (grelha) r.unidadeGrelha = DrawAspectGrid(*grelha, corposGrelha, caminhoFundoGrelha);
    r.aspectos = DetectaAspectos(mapa);
    for (const AspectoEncontrado& a : DetectaAspectosExtra(mapa))
        if (grelha) EscreveCelula(*grelha, r.unidadeGrelha, a, corposGrelha);
    std::vector<Corda> natais;
    for (const AspectoEncontrado& a : r.aspectos) {
        if (grelha) EscreveCelula(*grelha, r.unidadeGrelha, a, corposGrelha);
        if (a.i < 10 && a.j < 10)
            natais.push_back({mapa.Corpo(a.i).Posicao().ValorRads(), mapa.Corpo(a.j).Posicao().ValorRads(), a.tipo});
    }
    DrawChords(roda, g, cordas ? *cordas : natais);
    PlaceBodies(g, roda, mapa, r.disposicao, r);
    r.Eclipse = mapa.Aspectos().ExistsItem(QVariant::fromValue<int16_t>(CODIGO_ECLIPSE));
}

ResultadoDesenho RedrawChart(Superficie& roda, Superficie* grelha, Mapa& mapa, bool fundo,
                             const QString& caminhoFundo, const QString& caminhoFundoGrelha) {
    ResultadoDesenho r;
    // The contrast is read once the new background is in place: read before it, the first
    // redraw after a change of picture would draw in the old picture's contrast.
    if (fundo) roda.setPicture(caminhoFundo.isEmpty() ? QImage() : QImage(caminhoFundo));
    roda.Cls();
    r.geometria = CalculaGeometria(roda.ScaleWidth(), roda.ScaleHeight());
    PreparaGeometria(roda, r.geometria, mapa);
    DrawWheel(roda, grelha, mapa, caminhoFundoGrelha, nullptr, r);
    r.lblesclarecedor = DominantPlanets(mapa);
    return r;
}
