#include "folha.h"

#include "desenhos.h"
#include "escolhacalculo.h"
#include "fontes.h"
#include "gravacao.h"
#include "normaliza.h"
#include "paginacao.h"
#include "relatorio.h"
#include "superficie.h"
#include "vectorial.h"

#include <QFontMetricsF>
#include <QIODevice>
#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextLayout>

namespace {

// The side the report's wheel is laid out on, in the picture and on the PDF's pages alike.
constexpr int kLadoRodaRelatorio = 510;
constexpr double PONTOS_NOME = 14.0;
constexpr double PONTOS_LINHA = 10.0;

QRectF AreaPagina(QPagedPaintDevice& d) {
    const QRect r = d.pageLayout().paintRectPixels(d.logicalDpiX());
    return QRectF(0, 0, r.width(), r.height());
}

// One header line within the page's width: broken between its items (", "), an item broken
// inside only when it alone is wider than the page. Returns the height taken.
double PintaQuebrada(QPainter& p, const QFont& f, const QString& linha, const QPointF& origem, double largura) {
    QStringList itens = linha.split(QStringLiteral(", "));
    for (QString& item : itens)
        item.replace(QLatin1Char(' '), QChar(0x00A0));
    QTextLayout layout(itens.join(QStringLiteral(", ")), f, p.device());
    QTextOption opcao;
    opcao.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(opcao);
    layout.beginLayout();
    double altura = 0;
    for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine()) {
        l.setLineWidth(largura);
        l.setPosition(QPointF(0, altura));
        altura += l.height();
    }
    layout.endLayout();
    p.setPen(Qt::black);
    layout.draw(&p, origem);
    return altura;
}

// The header at the top of the page; returns where the space below it begins.
double PintaCabecalho(QPainter& p, const QRectF& pagina, const CamposMapa& campos) {
    const QStringList linhas = CabecalhoFolha(campos);
    double y = pagina.top();
    for (int i = 0; i < linhas.size(); ++i) {
        QFont f = FonteDesenho(FONTE_NUMEROS, i == 0 ? PONTOS_NOME : PONTOS_LINHA);
        f.setBold(i == 0);
        const QFontMetricsF fm(f, p.device());
        y += PintaQuebrada(p, f, linhas[i], QPointF(pagina.left(), y), pagina.width());
        if (i == 0)
            y += fm.lineSpacing() * 0.2;
    }
    const double espaco = QFontMetricsF(FonteDesenho(FONTE_NUMEROS, PONTOS_LINHA), p.device()).lineSpacing() / 2.0;
    y += espaco;
    p.setPen(QPen(Qt::black, std::max(1.0, p.device()->logicalDpiY() / 300.0)));
    p.drawLine(QPointF(pagina.left(), y), QPointF(pagina.right(), y));
    return y + 2.0 * espaco;
}

} // namespace

QImage RodaDoRelatorio(Mapa& mapa) {
    // Drawn at the window's own size, where its layout keeps every label apart, with as many
    // pixels as about 11 cm on an A4 page need at 300 dpi; the picture's logical size is those
    // 11 cm (420 pixels of 96 to the inch), so a word processor prints it sharp.
    constexpr int kDesenho = kLadoRodaRelatorio;
    constexpr double kPagina = 420.0;
    constexpr int kPixeis = int(kPagina / 96.0 * 300.0 + 0.5);
    QImage imagem(QSize(kPixeis, kPixeis), QImage::Format_RGB32);
    imagem.setDevicePixelRatio(double(kPixeis) / kDesenho);
    imagem.fill(Qt::white);
    Superficie s(imagem);
    RedrawChart(s, nullptr, mapa, false);
    s.Termina();
    imagem.setDevicePixelRatio(kPixeis / kPagina);
    return imagem;
}

std::function<bool(QPainter&, const QRectF&, const QString&)> RodaVectorialDoRelatorio(Mapa& mapa) {
    return [&mapa](QPainter& p, const QRectF& lugar, const QString& nome) {
        if (nome != kNomeRodaRelatorio) return false;
        DesenhaVectorial(p, lugar, mapa, DesenhoExportado::Roda, kLadoRodaRelatorio);
        return true;
    };
}

QStringList CabecalhoFolha(const CamposMapa& c) {
    const QString nome = c.txtNome.trimmed().isEmpty() ? QStringLiteral("(sem nome)") : c.txtNome.trimmed();
    QString nascimento = (c.sexoMasculino ? QStringLiteral("Nascido a ") : QStringLiteral("Nascida a ")) + c.txtData +
                         QStringLiteral(" às ") + c.txtHora + QStringLiteral(" (fuso ") + FusoParaLeitor(c.FusoHorario) +
                         QStringLiteral(")");
    if (!c.txtlocal.trimmed().isEmpty()) nascimento += QStringLiteral(" em ") + c.txtlocal.trimmed();
    nascimento += QStringLiteral(", latitude ") + c.txtLatitude + QStringLiteral(", longitude ") + LongitudeParaLeitor(c.txtlongitude);
    return {nome, nascimento, QStringLiteral("Calculado pelo Natalis: ") + DescricaoEscolha(c.escolha) + QLatin1Char('.')};
}

void PintaFolha(QPainter& p, const QRectF& pagina, const CamposMapa& campos, Mapa& mapa, ConteudoFolha conteudo) {
    const double topo = PintaCabecalho(p, pagina, campos);
    QRectF resto(pagina.left(), topo, pagina.width(), pagina.bottom() - topo);
    if (conteudo == ConteudoFolha::Grelha) // the grid is small: kept to about half the width
        resto.setHeight(std::min(resto.height(), pagina.width() * 0.6));
    DesenhaVectorial(p, resto, mapa, conteudo == ConteudoFolha::Roda ? DesenhoExportado::Roda : DesenhoExportado::Grelha);
}

bool ImprimeFolha(QPagedPaintDevice& dispositivo, const CamposMapa& campos, Mapa& mapa, ConteudoFolha conteudo) {
    QPainter p(&dispositivo);
    if (!p.isActive()) return false;
    p.setRenderHint(QPainter::Antialiasing);
    PintaFolha(p, AreaPagina(dispositivo), campos, mapa, conteudo);
    return p.end();
}

QPageLayout PaginaPdf() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 15, 18, 15), QPageLayout::Millimeter);
}

bool EscrevePdfMapa(const QString& caminho, const CamposMapa& campos, Mapa& mapa, const QTextDocument* relatorio,
                    QString* erro) {
    return GravaFicheiro(
        caminho,
        [&](QIODevice& destino) {
            QPdfWriter pdf(&destino);
            pdf.setPageLayout(PaginaPdf());
            pdf.setResolution(600);
            pdf.setTitle(QStringLiteral("Natalis - ") + campos.txtNome);
            pdf.setCreator(QStringLiteral("Natalis"));
            QPainter p(&pdf);
            if (!p.isActive()) return false;
            p.setRenderHint(QPainter::Antialiasing);
            // One numbering for the whole file, at the foot where the report's pages have it.
            const QFont numeros = relatorio ? relatorio->defaultFont() : FonteDesenho(FONTE_NUMEROS, PONTOS_LINHA);
            int pagina = 1;
            for (const ConteudoFolha c : {ConteudoFolha::Roda, ConteudoFolha::Grelha}) {
                if (pagina > 1) pdf.newPage();
                QRectF area = AreaPagina(pdf);
                area.setBottom(NumeraPagina(p, pdf, pagina++, numeros));
                PintaFolha(p, area, campos, mapa, c);
            }
            // The report keeps each heading with its first paragraph, as when it is printed alone;
            // its wheel is drawn as vectors, as on the first page, not as the window's picture.
            if (relatorio && !relatorio->isEmpty())
                ImprimeDocumento(*relatorio, p, pdf, pagina, RodaVectorialDoRelatorio(mapa));
            return p.end();
        },
        erro);
}
