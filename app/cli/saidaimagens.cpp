// natalis-cli --roda / --quadro-aspectos: the wheel and the aspect grid of the cast or opened
// chart as PNG, BMP or SVG (vector, for print), chosen by the file's extension.
#include "imagens.h"
#include "mensagens.h"
#include "opcoesroda.h"
#include "saidas.h"

namespace {

constexpr int LADO_RODA = 600;
const QStringList kFormatos{QStringLiteral("png"), QStringLiteral("bmp"), QStringLiteral("svg")};
// PNG is drawn at twice the pixel density so that it stays sharp when printed or zoomed; BMP
// keeps the window's own size.
double EscalaDe(const QString& caminho) {
    return caminho.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) ? 2.0 : 1.0;
}

int Escreve(DesenhoExportado qual, const QString& caminho, Mapa& mapa) {
    OpcoesRodaActuais() = OpcoesRodaGuardadas(); // the wheel as the window draws it
    QString erro;
    if (!ExportaDesenho(mapa, qual, caminho, LADO_RODA, EscalaDe(caminho), &erro)) {
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao(), erro);
        return SAIDA_FALHOU;
    }
    return SAIDA_OK;
}

const RegistoSaida roda({QStringLiteral("roda"), QStringLiteral("FICHEIRO.png|.bmp|.svg"),
                         QStringLiteral("desenha a roda do mapa (PNG, BMP ou SVG, pela extensão)"),
                         [](const QString& caminho, CamposMapa&, Mapa& mapa) {
                             return Escreve(DesenhoExportado::Roda, caminho, mapa);
                         },
                         false, kFormatos});

const RegistoSaida quadro({QStringLiteral("quadro-aspectos"), QStringLiteral("FICHEIRO.png|.bmp|.svg"),
                           QStringLiteral("desenha o quadro de aspectos (PNG, BMP ou SVG, pela extensão)"),
                           [](const QString& caminho, CamposMapa&, Mapa& mapa) {
                               return Escreve(DesenhoExportado::Grelha, caminho, mapa);
                           },
                           false, kFormatos});

} // namespace
