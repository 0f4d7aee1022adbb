#include "imagens.h"

#include "pontosmapa.h"

#include "desenhos.h"
#include "gravacao.h"
#include "grelha.h"
#include "mensagens.h"
#include "superficie.h"

#include <QBuffer>
#include <QFileInfo>
#include <QSvgGenerator>

namespace {
bool GravaEmFicheiro(const QString& caminho, const std::function<bool(QIODevice&)>& escreve, QString* erro) {
    QString motivo;
    if (GravaFicheiro(caminho, escreve, &motivo))
        return true;
    if (erro)
        *erro = QStringLiteral("Não foi possível gravar a imagem em \"%1\": %2").arg(caminho, motivo);
    return false;
}

// Encoded in memory first: the file is then written by the project's writer alone, so a full
// disk gives its Portuguese reason and never the image library's own English text.
bool GravaImagem(const QImage& imagem, const QString& caminho, const char* formato, QString* erro) {
    QByteArray bytes;
    QBuffer memoria(&bytes);
    if (!memoria.open(QIODevice::WriteOnly) || !imagem.save(&memoria, formato)) {
        if (erro) *erro = QStringLiteral("Não foi possível codificar a imagem para \"%1\".").arg(caminho);
        return false;
    }
    return GravaEmFicheiro(caminho, [&](QIODevice& f) { return f.write(bytes) == bytes.size(); }, erro);
}

bool GravaBitmap(const QImage& imagem, const QString& caminho) {
    if (caminho.isEmpty())
        return false; // the window asks for a path first; no path means the user cancelled
    QString erro;
    if (imagem.isNull())
        erro = QStringLiteral("Não há imagem para gravar em \"%1\".").arg(caminho);
    else if (GravaImagem(imagem.convertToFormat(QImage::Format_RGB32), caminho, "BMP", &erro))
        return true;
    CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao(), erro);
    return false;
}

void Desenha(Superficie& s, Mapa& mapa, DesenhoExportado qual) {
    if (qual == DesenhoExportado::Roda)
        RedrawChart(s, nullptr, mapa, false);
    else
        DesenhaQuadroAspectos(s, mapa);
    s.Termina();
}

} // namespace

QString NomePropostoImagem(const QString& nomeNativo, bool aspectos) {
    if (nomeNativo.isEmpty()) return QString();
    return nomeNativo + (aspectos ? QStringLiteral("_aspectos.bmp") : QStringLiteral(".bmp"));
}

bool SalvarImagem(const QImage& mapa, const QString& caminho) {
    return GravaBitmap(mapa, caminho);
}

bool SalvarImagemAspectos(const QImage& aspectospic, const QString& caminho) {
    return GravaBitmap(aspectospic, caminho);
}

void DesenhaQuadroAspectos(Superficie& s, Mapa& mapa) {
    const std::vector<int> corpos = CorposComPontos(mapa);
    const double h = DrawAspectGrid(s, corpos);
    for (const AspectoEncontrado& a : DetectaAspectos(mapa))
        EscreveCelula(s, h, a, corpos);
    for (const AspectoEncontrado& a : DetectaAspectosExtra(mapa))
        EscreveCelula(s, h, a, corpos);
}

bool ExportaDesenho(Mapa& mapa, DesenhoExportado qual, const QString& caminho, int lado, double escala,
                    QString* erro) {
    const QString extensao = QFileInfo(caminho).suffix().toLower();
    const QSize tamanho = qual == DesenhoExportado::Roda ? QSize(lado, lado) : TamanhoGrelha(int(CorposComPontos(mapa).size()));
    if (tamanho.isEmpty()) {
        if (erro) *erro = QStringLiteral("Tamanho de imagem inválido.");
        return false;
    }
    if (extensao == QLatin1String("svg")) {
        return GravaEmFicheiro(
            caminho,
            [&](QIODevice& f) {
                QByteArray bytes;
                QBuffer buffer(&bytes);
                QSvgGenerator svg;
                svg.setOutputDevice(&buffer);
                svg.setSize(tamanho);
                svg.setViewBox(QRect(QPoint(0, 0), tamanho));
                svg.setResolution(96); // font sizes in points come out as on a screen
                svg.setTitle(qual == DesenhoExportado::Roda ? QStringLiteral("Mapa") : QStringLiteral("Aspectos"));
                {
                    Superficie s(svg, tamanho.width(), tamanho.height());
                    Desenha(s, mapa, qual);
                }
                return f.write(bytes) == bytes.size();
            },
            erro);
    }
    const char* formato = extensao == QLatin1String("png")   ? "PNG"
                          : extensao == QLatin1String("bmp") ? "BMP"
                                                             : nullptr;
    if (!formato) {
        if (erro)
            *erro = QStringLiteral("Formato de imagem desconhecido: \"%1\" (use .png, .bmp ou .svg).")
                        .arg(caminho);
        return false;
    }
    const double r = escala > 0.0 ? escala : 1.0;
    QImage imagem(tamanho * r, QImage::Format_RGB32);
    imagem.setDevicePixelRatio(r);
    imagem.fill(Qt::white);
    {
        Superficie s(imagem);
        Desenha(s, mapa, qual);
    }
    return GravaImagem(imagem, caminho, formato, erro);
}
