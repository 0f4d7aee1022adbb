#include "grelha.h"

#include "fontes.h"
#include "opcoesroda.h"
#include "pontosmapa.h"
#include "simbolos.h"
#include "superficie.h"

#include <QFontMetricsF>
#include <QImage>
#include <algorithm>
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

QSize TamanhoGrelha(int corpos) {
    const int lado = corpos * UnidadeGrelha() + 1;
    return {lado, lado};
}

std::vector<int> CorposGrelhaPadrao() {
    std::vector<int> l(N_CORPOS_ASPECTOS);
    for (int i = 0; i < N_CORPOS_ASPECTOS; ++i)
        l[size_t(i)] = i;
    return l;
}

double DrawAspectGrid(Superficie& s, const QString& caminhoFundo) {
    return DrawAspectGrid(s, CorposGrelhaPadrao(), caminhoFundo);
}

// With n bodies: column k (1..n−1) heads the body at position n − k of the list, row m (2..n)
// the body at position m − 2; the nineteen bodies' grid is n = 13.
double DrawAspectGrid(Superficie& s, const std::vector<int>& corpos, const QString& caminhoFundo) {
    s.setPicture(caminhoFundo.isEmpty() ? QImage() : QImage(caminhoFundo));
    s.Cls();
    s.setFont(FONTE_SIGIL, TAMANHO_FONTE_GRELHA);
    const double h = std::floor(s.TextHeight(QStringLiteral("D")));
    const int n = int(corpos.size());
    const double lado = n * h; // the staircase measured from the grid, not the picture
    const bool escuro = FundoEscuroGrelha(s);

    s.Line(h, 0.0, h, lado, PRETO);
    for (int k = 1; k <= n - 1; ++k) {
        s.Line((k + 1) * h, 0.0, (k + 1) * h, lado - (k - 1) * h + Sobra(h), PRETO);
        Cabecalho(s, corpos[size_t(n - k)] + 1, k * h, 0.0, escuro);
    }
    for (int m = 1; m <= n; ++m) {
        s.Line(0.0, m * h, lado - (m - 2) * h + Sobra(h), m * h, PRETO);
        if (m >= 2) Cabecalho(s, corpos[size_t(m - 2)] + 1, 0.0, (m - 1) * h, escuro);
    }
    return h;
}

QPointF PosicaoCelula(double h, int i, int j) {
    return {(13 - j) * h, (i + 1) * h - 2.0};
}

void EscreveCelula(Superficie& s, double h, const AspectoEncontrado& a) {
    EscreveCelula(s, h, a, CorposGrelhaPadrao());
}

void EscreveCelula(Superficie& s, double h, const AspectoEncontrado& a, const std::vector<int>& corpos) {
    const auto posicao = [&](int corpo) { return int(std::find(corpos.begin(), corpos.end(), corpo) - corpos.begin()); };
    const int pi = posicao(a.i), pj = posicao(a.j), n = int(corpos.size());
    if (pi >= n || pj >= n) return;
    const Simbolos::InfoAspecto info = Simbolos::AspectInfo(a.tipo);
    const QPointF p((n - std::max(pi, pj)) * h, (std::min(pi, pj) + 1) * h - 2.0);
    s.setFont(FONTE_SIGIL, TAMANHO_FONTE_GRELHA);
    s.CurrentX = p.x();
    s.CurrentY = p.y();
    s.ForeColor = CorAspecto(OpcoesRodaActuais().esquema, a.tipo, info.cor, FundoEscuroGrelha(s));
    s.Print(info.glifo);
}

QString FindAspect(Mapa& mapa, int linha, int coluna) {
    for (int tipo : TIPOS_ASPECTO) {
        const int codigo = linha * 1000 + tipo * 100 + coluna;
        for (const iAspectos* colecao : {&mapa.Aspectos(), &mapa.AspectosExtra()})
            for (const Aspecto& a : *colecao) {
                if (a.codigo().toInt() == codigo) return a.Nome();
            }
    }
    return QString();
}

DicaGrelha HoverGrelha(Mapa& mapa, double h, double x, double y) {
    DicaGrelha d;
    if (h <= 0.0 || x < 0.0 || y < 0.0) return d;
    const std::vector<int> corpos = CorposComPontos(mapa);
    const int n = int(corpos.size());
    const int k = static_cast<int>(std::floor(x / h));
    const int r = static_cast<int>(std::floor(y / h));
    // Row r and column k as body numbers: with the nineteen bodies alone, r and 14 − k.
    const auto numero = [&](int posicao) { return posicao >= 0 && posicao < n ? corpos[size_t(posicao)] + 1 : 0; };
    d.linha = r == 0 ? 0 : numero(r - 1);
    d.coluna = k == 0 ? n + 1 : numero(n - k);
    if (k > n || r > n) return d;
    auto nome = [](int numero) { return Simbolos::BodyInfo(static_cast<int16_t>(numero)).nome; };
    // The header column (k = 0) gives c = n + 1, which the rule's "c ≠ 0" does not catch.
    if (d.linha == 0) {
        d.dica = k == 0 ? QString() : nome(d.coluna);
        return d;
    }
    if (k == 0 || d.coluna == d.linha || d.coluna == 0) {
        d.dica = nome(d.linha);
        return d;
    }
    d.perguntaAspecto = true;
    d.dica = FindAspect(mapa, d.linha, d.coluna);
    if (d.dica.isEmpty()) d.dica = nome(d.linha);
    return d;
}
