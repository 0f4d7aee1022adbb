#include "saidasduetto.h"

#include "birroda.h"
#include "desenhos.h"
#include "fontes.h"
#include "gravacao.h"
#include "paginacao.h"
#include "simbolos.h"
#include "superficie.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QIODevice>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QTextDocument>

namespace {
constexpr double kCelula = 46.0;  // side of a grid cell, logical pixels
constexpr double kLegenda = 28.0; // the line above the grid naming its rows and columns

QString Abreviatura(int ponto) {
    if (ponto == PONTO_ASC) return QStringLiteral("ASC");
    if (ponto == PONTO_MC) return QStringLiteral("MC");
    return Simbolos::BodyInfo(int16_t(ponto + 1)).abreviatura;
}

void Centrado(Superficie& s, const QString& t, double cx, double y) {
    s.CurrentX = cx - s.TextWidth(t) / 2.0;
    s.CurrentY = y;
    s.Print(t);
}

QString Nome(const Pessoa& p) {
    return p.nome.trimmed().isEmpty() ? QStringLiteral("(sem nome)") : p.nome.trimmed();
}

// A drawing of a logical size scaled into a rectangle of the page, keeping its proportions.
void DesenhaEm(QPainter& p, const QRectF& destino, const QSizeF& tamanho, const std::function<void(Superficie&)>& desenha) {
    QSizeF ajustado = tamanho;
    ajustado.scale(destino.size(), Qt::KeepAspectRatio);
    p.save();
    p.translate(destino.center() - QPointF(ajustado.width(), ajustado.height()) / 2.0);
    p.scale(ajustado.width() / tamanho.width(), ajustado.height() / tamanho.height());
    {
        Superficie s(p, tamanho.width(), tamanho.height());
        desenha(s);
        s.Termina();
    }
    p.restore();
}

// Lines of text from the top of a rectangle; returns where the next line would go.
double Linhas(QPainter& p, const QRectF& r, const QStringList& linhas, double pontos, bool primeiraNegrito) {
    double y = r.top();
    for (int i = 0; i < linhas.size(); ++i) {
        QFont f = FonteDesenho(FONTE_NUMEROS, i == 0 && primeiraNegrito ? pontos * 1.4 : pontos);
        f.setBold(i == 0 && primeiraNegrito);
        p.setFont(f);
        p.setPen(Qt::black);
        const QFontMetricsF fm(f, p.device());
        p.drawText(QPointF(r.left(), y + fm.ascent()), linhas[i]);
        y += fm.lineSpacing();
    }
    return y;
}

// A page's title and the two births under it; returns the area left below.
QRectF Cabecalho(QPainter& p, const QRectF& pagina, const QString& titulo, const MapaDuetto& a, const MapaDuetto& b) {
    QStringList l{titulo};
    for (const MapaDuetto* m : {&a, &b})
        l << QStringLiteral("%1: %2 às %3%4")
                 .arg(Nome(m->pessoa), m->campos.txtData, m->campos.txtHora,
                      m->campos.txtlocal.trimmed().isEmpty() ? QString() : QStringLiteral(", ") + m->campos.txtlocal.trimmed());
    double y = Linhas(p, pagina, l, 10.0, true);
    const double espaco = p.device()->logicalDpiY() * 0.08;
    p.setPen(QPen(Qt::black, std::max(1.0, p.device()->logicalDpiY() / 300.0)));
    p.drawLine(QPointF(pagina.left(), y + espaco), QPointF(pagina.right(), y + espaco));
    y += 3 * espaco;
    return QRectF(pagina.left(), y, pagina.width(), pagina.bottom() - y);
}
} // namespace

void DesenhaBiRodaPar(Superficie& s, MapaDuetto& dentro, MapaDuetto& fora, const OrbesSinastria& orbes) {
    std::vector<CorpoExterior> exterior;
    std::vector<Corda> cordas;
    if (fora.aberto) {
        exterior = CorposExteriores(fora.mapa);
        // Chords between bodies only: the angles are drawn by the wheel itself.
        for (const InterAspecto& x : InterAspectos(dentro.pessoa, fora.pessoa, orbes))
            if (x.a < PONTO_ASC && x.b < PONTO_ASC)
                cordas.push_back({dentro.pessoa.pontos[size_t(x.a)] * PI_NATALIS / 180.0,
                                  fora.pessoa.pontos[size_t(x.b)] * PI_NATALIS / 180.0, x.tipo});
    }
    DesenhaBiRoda(s, dentro.mapa, exterior, cordas);
}

QSizeF TamanhoGrelhaPar() {
    return QSizeF((N_PONTOS + 1) * kCelula, kLegenda + (N_PONTOS + 1) * kCelula);
}

void DesenhaGrelhaPar(Superficie& s, const Pessoa& a, const Pessoa& b, const OrbesSinastria& orbes) {
    s.BackColor = RGBCor(255, 255, 255);
    s.Cls();
    s.ForeColor = 0;
    s.setFont(FONTE_NUMEROS, 11);
    s.CurrentX = 4;
    s.CurrentY = 4;
    s.Print(QStringLiteral("Linhas: %1    Colunas: %2").arg(Nome(a), Nome(b)));
    const double largura = (N_PONTOS + 1) * kCelula;
    for (int k = 0; k <= N_PONTOS + 1; ++k) {
        const CorRGB cor = k == 1 ? RGBCor(90, 90, 90) : RGBCor(180, 180, 180);
        s.Line(0, kLegenda + k * kCelula, largura, kLegenda + k * kCelula, cor);
        s.Line(k * kCelula, kLegenda, k * kCelula, kLegenda + largura, cor);
    }
    s.setFont(FONTE_NUMEROS, 10);
    for (int i = 0; i < N_PONTOS; ++i) {
        Centrado(s, Abreviatura(i), (i + 1.5) * kCelula, kLegenda + kCelula * 0.32);
        Centrado(s, Abreviatura(i), kCelula / 2.0, kLegenda + (i + 1.32) * kCelula);
    }
    for (const InterAspecto& x : InterAspectos(a, b, orbes)) {
        const Simbolos::InfoAspecto info = Simbolos::AspectInfo(x.tipo);
        const double cx = (x.b + 1.5) * kCelula, topo = kLegenda + (x.a + 1) * kCelula;
        s.ForeColor = info.cor;
        s.setFont(FONTE_SIGIL, 20);
        Centrado(s, info.glifo, cx, topo + kCelula * 0.02);
        s.ForeColor = 0;
        s.setFont(FONTE_NUMEROS, 8);
        Centrado(s, TextoOrbe(x.orbe), cx, topo + kCelula * 0.6);
    }
}

bool ExportaDesenhoDuetto(MapaDuetto& a, MapaDuetto& b, const OrbesSinastria& orbes, DesenhoDuetto qual,
                          const QString& caminho, QString* erro, int lado, double escala) {
    const QSizeF tamanho = qual == DesenhoDuetto::BiRoda ? QSizeF(lado, lado) : TamanhoGrelhaPar();
    const auto desenha = [&](Superficie& s) {
        if (qual == DesenhoDuetto::BiRoda)
            DesenhaBiRodaPar(s, a, b, orbes);
        else
            DesenhaGrelhaPar(s, a.pessoa, b.pessoa, orbes);
        s.Termina();
    };
    const QString extensao = QFileInfo(caminho).suffix().toLower();
    if (extensao == QLatin1String("svg"))
        return GravaFicheiro(
            caminho,
            [&](QIODevice& f) {
                QSvgGenerator svg;
                svg.setOutputDevice(&f);
                svg.setSize(tamanho.toSize());
                svg.setViewBox(QRectF(QPointF(0, 0), tamanho));
                svg.setResolution(96);
                svg.setTitle(qual == DesenhoDuetto::BiRoda ? QStringLiteral("Bi-roda") : QStringLiteral("Aspectos"));
                Superficie s(svg, tamanho.width(), tamanho.height());
                desenha(s);
                return true;
            },
            erro);
    if (extensao != QLatin1String("png")) {
        if (erro) *erro = QStringLiteral("Formato de imagem desconhecido: \"%1\" (use .png ou .svg).").arg(caminho);
        return false;
    }
    QImage imagem((tamanho * escala).toSize(), QImage::Format_RGB32);
    imagem.setDevicePixelRatio(escala);
    imagem.fill(Qt::white);
    {
        Superficie s(imagem);
        desenha(s);
    }
    return GravaFicheiro(caminho, [&](QIODevice& d) { return imagem.save(&d, "PNG"); }, erro);
}

bool EscrevePdfDuetto(const QString& caminho, MapaDuetto& a, MapaDuetto& b, const OrbesSinastria& orbes,
                      const QTextDocument* relatorio, QString* erro) {
    return GravaFicheiro(
        caminho,
        [&](QIODevice& destino) {
            QPdfWriter pdf(&destino);
            pdf.setPageSize(QPageSize(QPageSize::A4));
            pdf.setPageMargins(QMarginsF(18, 15, 18, 15), QPageLayout::Millimeter);
            pdf.setResolution(600);
            pdf.setTitle(QStringLiteral("Duetto - %1 & %2").arg(Nome(a.pessoa), Nome(b.pessoa)));
            pdf.setCreator(QStringLiteral("Duetto"));
            QPainter p(&pdf);
            if (!p.isActive()) return false;
            p.setRenderHint(QPainter::Antialiasing);
            const QRect r = pdf.pageLayout().paintRectPixels(pdf.logicalDpiX());
            // One numbering for the whole file, at the foot where the report's pages have it.
            const QFont numeros = relatorio ? relatorio->defaultFont() : QFont(QStringLiteral("Times New Roman"), 10);
            int folhas = 0;
            QRectF pagina;
            const auto novaFolha = [&] {
                if (folhas > 0) pdf.newPage();
                pagina = QRectF(0, 0, r.width(), NumeraPagina(p, pdf, ++folhas, numeros));
            };
            constexpr int kLado = 600;
            const auto roda = [&](const QString& titulo, const std::function<void(Superficie&)>& desenha) {
                DesenhaEm(p, Cabecalho(p, pagina, titulo, a, b), QSizeF(kLado, kLado), desenha);
            };
            novaFolha();
            roda(QStringLiteral("Bi-roda: %1 dentro, %2 fora").arg(Nome(a.pessoa), Nome(b.pessoa)),
                 [&](Superficie& s) { DesenhaBiRodaPar(s, a, b, orbes); });
            novaFolha();
            roda(QStringLiteral("Bi-roda: %1 dentro, %2 fora").arg(Nome(b.pessoa), Nome(a.pessoa)),
                 [&](Superficie& s) { DesenhaBiRodaPar(s, b, a, orbes); });
            CamposMapa campos;
            Mapa mapa;
            MapaComposto(a.pessoa, b.pessoa, campos, mapa);
            novaFolha();
            roda(NomeComposto(a.pessoa, b.pessoa), [&](Superficie& s) { RedrawChart(s, nullptr, mapa); });
            if (MapaDavison(a.pessoa, b.pessoa, campos, mapa)) {
                novaFolha();
                roda(NomeDavison(a.pessoa, b.pessoa), [&](Superficie& s) { RedrawChart(s, nullptr, mapa); });
            }
            novaFolha();
            QRectF resto = Cabecalho(p, pagina, QStringLiteral("Aspectos entre os mapas e casas"), a, b);
            const QRectF grelha(resto.topLeft(), QSizeF(resto.width(), resto.width() * 0.8));
            DesenhaEm(p, grelha, TamanhoGrelhaPar(),
                      [&](Superficie& s) { DesenhaGrelhaPar(s, a.pessoa, b.pessoa, orbes); });
            const double y = grelha.bottom() + pdf.logicalDpiY() * 0.2;
            const double meio = resto.width() / 2.0;
            Linhas(p, QRectF(resto.left(), y, meio, resto.bottom() - y), LinhasSobreposicoes(a.pessoa, b.pessoa), 9.0, false);
            Linhas(p, QRectF(resto.left() + meio, y, meio, resto.bottom() - y), LinhasSobreposicoes(b.pessoa, a.pessoa), 9.0,
                   false);
            if (relatorio && !relatorio->isEmpty()) ImprimeDocumento(*relatorio, p, pdf, folhas + 1);
            return p.end();
        },
        erro);
}
