#include "grelha.h"

#include "fontes.h"
#include "opcoesroda.h"
#include "simbolos.h"
#include "superficie.h"

#include <QFontMetricsF>
#include <QImage>
#include <cmath>

namespace {

constexpr CorRGB PRETO = 0;
// Corners of the staircase close a little past the crossing rule.
double Sobra(double h) {
    return h / 14.0;
}

// The grid's glyphs in the wheel's colour scheme, against the grid's own background.
bool FundoEscuroGrelha(const Superficie& s) {
    return FundoEscuro(s.Point(0, 0));
}

void Cabecalho(Superficie& s, int numeroCorpo, double x, double y, bool escuro) {
    const Simbolos::InfoCorpo info = Simbolos::BodyInfo(static_cast<int16_t>(numeroCorpo));
    s.CurrentX = x;
    s.CurrentY = y;
    s.ForeColor = CorCorpo(OpcoesRodaActuais().esquema, numeroCorpo - 1, info.cor, escuro);
    s.Print(info.glifo);
    s.ForeColor = PRETO;
}

} // namespace

int UnidadeGrelha() {
    const QImage referencia(1, 1, QImage::Format_RGB32);
    const QFontMetricsF fm(FonteDesenho(FONTE_SIGIL, TAMANHO_FONTE_GRELHA), &referencia);
    return static_cast<int>(std::floor(fm.lineSpacing()));
}

QSize TamanhoGrelha() {
    const int lado = 13 * UnidadeGrelha() + 1;
    return {lado, lado};
}

double DrawAspectGrid(Superficie& s, const QString& caminhoFundo) {
    s.setPicture(caminhoFundo.isEmpty() ? QImage() : QImage(caminhoFundo));
    s.Cls();
    s.setFont(FONTE_SIGIL, TAMANHO_FONTE_GRELHA);
    const double h = std::floor(s.TextHeight(QStringLiteral("D")));
    const double lado = 13.0 * h; // the staircase measured from the grid, not the picture
    const bool escuro = FundoEscuroGrelha(s);

    s.Line(h, 0.0, h, lado, PRETO);
    for (int k = 1; k <= 12; ++k) {
        s.Line((k + 1) * h, 0.0, (k + 1) * h, lado - (k - 1) * h + Sobra(h), PRETO);
        Cabecalho(s, 14 - k, k * h, 0.0, escuro);
    }
    for (int m = 1; m <= 13; ++m) {
        s.Line(0.0, m * h, lado - (m - 2) * h + Sobra(h), m * h, PRETO);
        if (m >= 2) Cabecalho(s, m - 1, 0.0, (m - 1) * h, escuro);
    }
    return h;
}

QPointF PosicaoCelula(double h, int i, int j) {
    return {(13 - j) * h, (i + 1) * h - 2.0};
}

void EscreveCelula(Superficie& s, double h, const AspectoEncontrado& a) {
    const Simbolos::InfoAspecto info = Simbolos::AspectInfo(a.tipo);
    const QPointF p = PosicaoCelula(h, a.i, a.j);
    s.setFont(FONTE_SIGIL, TAMANHO_FONTE_GRELHA);
    s.CurrentX = p.x();
    s.CurrentY = p.y();
    s.ForeColor = CorAspecto(OpcoesRodaActuais().esquema, a.tipo, info.cor, FundoEscuroGrelha(s));
    s.Print(info.glifo);
}

QString FindAspect(Mapa& mapa, int linha, int coluna) {
    for (int tipo : TIPOS_ASPECTO) {
        const int codigo = linha * 1000 + tipo * 100 + coluna;
        for (const Aspecto& a : mapa.Aspectos()) {
            if (a.codigo().toInt() == codigo) return a.Nome();
        }
    }
    return QString();
}

DicaGrelha HoverGrelha(Mapa& mapa, double h, double x, double y) {
    DicaGrelha d;
    if (h <= 0.0 || x < 0.0 || y < 0.0) return d;
    const int k = static_cast<int>(std::floor(x / h));
    d.linha = static_cast<int>(std::floor(y / h));
    d.coluna = 14 - k;
    if (k > 13 || d.linha > 13) return d;
    auto nome = [](int numero) { return Simbolos::BodyInfo(static_cast<int16_t>(numero)).nome; };
    // The header column (k = 0) gives c = 14, which the rule's "c ≠ 0" does not catch.
    if (d.linha == 0) {
        d.dica = nome(d.coluna);
        return d;
    }
    if (d.coluna == 14 || d.coluna == d.linha || d.coluna == 0) {
        d.dica = nome(d.linha);
        return d;
    }
    d.perguntaAspecto = true;
    d.dica = FindAspect(mapa, d.linha, d.coluna);
    if (d.dica.isEmpty()) d.dica = nome(d.linha);
    return d;
}
