#include "birroda.h"

#include "fontes.h"
#include "opcoesroda.h"
#include "simbolos.h"
#include "superficie.h"

#include <cmath>

namespace {

constexpr double TAMANHO_GRAU = 8.0;
constexpr double TAMANHO_RETROGRADO = 9.0;
constexpr double MARGEM_MARCADOR = 5.0;

QString Glifo(const CorpoExterior& c) {
    return c.glifo.isEmpty() ? Simbolos::BodyInfo(int16_t(c.corpo + 1)).glifo : c.glifo;
}

CorRGB Cor(const CorpoExterior& c, const GeometriaRoda& g) {
    const CorRGB base = c.comCor ? c.cor : Simbolos::BodyInfo(int16_t(c.corpo + 1)).cor;
    return CorCorpo(OpcoesRodaActuais().esquema, c.corpo, base, g.fundoEscuro);
}

} // namespace

GeometriaBiRoda CalculaGeometriaBiRoda(double largura, double altura) {
    GeometriaBiRoda b;
    const GeometriaRoda inteira = CalculaGeometria(largura, altura);
    b.RaioExterior = inteira.OuterRadius;
    b.interior = inteira;
    b.interior.OuterRadius = inteira.OuterRadius - LARGURA_ANEL_EXTERIOR;
    b.interior.ZodiacInnerRadius = b.interior.OuterRadius - 30.0;
    // The single wheel's proportion: the aspect circle half the zodiac's inner radius.
    b.interior.AspectRadius = b.interior.ZodiacInnerRadius / 2.0;
    // Glyphs clear of the zodiac even on a diagonal (half a glyph times √2), degrees outside.
    b.RaioTrilho = b.interior.OuterRadius + 13.0;
    return b;
}

std::vector<QRectF> DisposicaoBiRoda::todas() const {
    std::vector<QRectF> v = interior.todas();
    for (const CorpoDisposto& c : exterior) {
        v.push_back(c.caixaGlifo);
        v.push_back(c.caixaGrau);
        if (!c.caixaRetrogrado.isNull()) v.push_back(c.caixaRetrogrado);
    }
    return v;
}

DisposicaoBiRoda DispoeBiRoda(const GeometriaBiRoda& g, Superficie& s, Mapa& mapa,
                              const std::vector<CorpoExterior>& exterior) {
    DisposicaoBiRoda d;
    d.interior = DispoeRoda(g.interior, s, mapa, mapa.Cuspide(10).NumeroSigno());
    std::vector<CorpoAnel> anel;
    for (size_t k = 0; k < exterior.size(); ++k)
        anel.push_back(
            {int(k), exterior[k].corpo, exterior[k].lambda, exterior[k].retrogrado, Glifo(exterior[k])});
    std::vector<QRectF> ocupadas = d.interior.todas();
    d.exterior =
        DispoeAnel(g.interior, s, anel, g.RaioTrilho, g.interior.OuterRadius + MARCA_EXTERIOR, ocupadas);
    return d;
}

ResultadoBiRoda DesenhaBiRoda(Superficie& s, Mapa& mapa, const std::vector<CorpoExterior>& exterior,
                              const std::vector<Corda>& cordas) {
    ResultadoBiRoda r;
    s.Cls();
    r.geometria = CalculaGeometriaBiRoda(s.ScaleWidth(), s.ScaleHeight());
    GeometriaRoda& g = r.geometria.interior;
    PreparaGeometria(s, g, mapa);
    r.interior.geometria = g;
    DrawWheel(s, nullptr, mapa, QString(), &cordas, r.interior);

    DrawRing(g.centro, r.geometria.RaioExterior, s, g.contraste);
    r.disposicao = DispoeBiRoda(r.geometria, s, mapa, exterior);
    r.disposicao.interior = r.interior.disposicao;
    for (const CorpoDisposto& c : r.disposicao.exterior) {
        const CorpoExterior& e = exterior[size_t(c.elemento)];
        const CorRGB cor = Cor(e, g);
        const QPointF a = PontoRoda(g, g.OuterRadius, c.tetaExacto);
        const QPointF b = PontoRoda(g, g.OuterRadius + MARCA_EXTERIOR, c.tetaExacto);
        s.Line(a.x(), a.y(), b.x(), b.y(), cor);
        if (c.comGuia) {
            s.Line(c.exacto.x(), c.exacto.y(), c.fimGuia.x(), c.fimGuia.y(), cor);
            s.Circle(c.exacto.x(), c.exacto.y(), 1.0, cor);
        }
    }
    for (const CorpoDisposto& c : r.disposicao.exterior) {
        const CorpoExterior& e = exterior[size_t(c.elemento)];
        const CorRGB cor = Cor(e, g);
        const QString nome = e.nome.isEmpty() ? Simbolos::BodyInfo(int16_t(e.corpo + 1)).nome : e.nome;
        s.setFont(FONTE_SIGIL, c.tamanhoGlifo);
        const double lado = s.TextWidth(c.glifo);
        r.marcadoresExteriores[c.elemento] = {QRectF(c.canto.x() - MARGEM_MARCADOR,
                                                     c.canto.y() - MARGEM_MARCADOR,
                                                     lado + 2 * MARGEM_MARCADOR, lado + 2 * MARGEM_MARCADOR),
                                              DicaCorpo(nome, c.lambda)};
        s.CurrentX = c.canto.x();
        s.CurrentY = c.canto.y();
        PrintGlyph(s, c.glifo, FONTE_SIGIL, c.tamanhoGlifo, cor);
        s.CurrentX = c.cantoGrau.x();
        s.CurrentY = c.cantoGrau.y();
        PrintGlyph(s, GrauNoSigno(c.lambda), FONTE_NUMEROS, TAMANHO_GRAU, cor);
        if (!c.caixaRetrogrado.isNull()) {
            s.CurrentX = c.cantoRetrogrado.x();
            s.CurrentY = c.cantoRetrogrado.y();
            PrintGlyph(s, QStringLiteral("m"), FONTE_SIGIL, TAMANHO_RETROGRADO, g.contraste);
        }
    }
    return r;
}

std::vector<CorpoExterior> CorposExteriores(Mapa& outro) {
    std::vector<CorpoExterior> v;
    for (int i = 0; i <= 10; ++i) {
        planeta& p = outro.Corpo(i);
        if (!p.Mostrado) continue;
        CorpoExterior c;
        c.corpo = i;
        c.lambda = p.Posicao().ValorRads();
        c.retrogrado = p.Retrogrado;
        c.nome = p.Nome;
        c.glifo = p.Glifo;
        c.cor = p.Cor;
        c.comCor = true;
        v.push_back(c);
    }
    return v;
}
