// natalis-cli --pdf: the wheel, the aspect grid and the automatic interpretation of the cast
// or opened chart in one PDF, each drawing as vectors under a header with the birth data.
#include "folha.h"
#include "mensagens.h"
#include "opcoesroda.h"
#include "relatoriocli.h"
#include "saidas.h"

#include <QTextDocument>

namespace {
int EscrevePdf(const QString& caminho, CamposMapa& campos, Mapa& mapa) {
    OpcoesRodaActuais() = OpcoesRodaGuardadas(); // the wheel as the window draws it
    QTextDocument relatorio;
    if (!CompoeRelatorio(campos, mapa, relatorio)) return SAIDA_FALHOU;
    QString erro;
    if (!EscrevePdfMapa(caminho, campos, mapa, &relatorio, &erro)) {
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao(), erro);
        return SAIDA_FALHOU;
    }
    return SAIDA_OK;
}

const RegistoSaida pdf({QStringLiteral("pdf"), QStringLiteral("FICHEIRO.pdf"),
                        QStringLiteral("escreve a roda, o quadro de aspectos e a interpretação num só PDF"),
                        EscrevePdf, false, {QStringLiteral("pdf")}});
} // namespace
