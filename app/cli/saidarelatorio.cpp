// natalis-cli --relatorio: the automatic interpretation of the cast or opened chart, as RTF
// or PDF by the file's extension. The side labels the report quotes are filled as the main
// window's redraw fills them.
#include "relatoriocli.h"

#include "camposmapa.h"
#include "desenhos.h"
#include "dominantes.h"
#include "folha.h"
#include "fontedados.h"
#include "gravarelatorio.h"
#include "mapa.h"
#include "mensagens.h"
#include "opcoes.h"
#include "relatorio.h"
#include "saidas.h"
#include "simbolos.h"
#include "superficie.h"
#include "textos.h"
#include "textosproprios.h"

#include <QTextDocument>

bool CompoeRelatorio(CamposMapa& campos, Mapa& mapa, QTextDocument& doc) {
    FonteDados textos;
    const QString base = CaminhoPrograma(QStringLiteral("Intrepreter.mdb"));
    if (!textos.Abre(base, QStringLiteral("interpretação"))) {
        CaixaMensagens().Mostra(
            IconeMsg::Critico, TituloAplicacao(),
            QStringLiteral("Não foi possível abrir a base de dados de interpretações %1: %2")
                .arg(base, textos.Erro()));
        return false;
    }
    // The user's own texts stand in for the shipped ones, as in the window.
    TextosUtilizador().DefineCaminho(TextosProprios::CaminhoPredefinido());
    const QString aviso = TextosUtilizador().TomaAviso();
    if (!aviso.isEmpty()) CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao(), aviso);
    campos.KeyWord = Simbolos::TextoDecanatoSol(mapa.Corpo(0).Posicao().ValorGraus());
    campos.lblesclarecedor = DominantPlanets(mapa);
    campos.anjo = NomeAnjo(mapa);
    Relatorio r(campos, mapa, textos, CoresRelatorio::DasOpcoes());
    OpcoesSintese sintese = OpcoesSintese::DasOpcoes();
    if (sintese.ligada) sintese.roda = RodaDoRelatorio(mapa);
    r.setSintese(sintese);
    r.AutoInterpretacao(doc);
    return true;
}

namespace {
int EscreveRelatorio(const QString& caminho, CamposMapa& campos, Mapa& mapa) {
    QTextDocument doc;
    if (!CompoeRelatorio(campos, mapa, doc))
        return SAIDA_FALHOU;
    QString erro;
    // A PDF draws the synthesis's wheel as vectors, as the chart's PDF does.
    if (!GravaRelatorio(doc, caminho, &erro, RodaVectorialDoRelatorio(mapa))) {
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao(), erro);
        return SAIDA_FALHOU;
    }
    return SAIDA_OK;
}

const RegistoSaida relatorio(
    {QStringLiteral("relatorio"), QStringLiteral("FICHEIRO.rtf|FICHEIRO.pdf"),
     QStringLiteral("escreve a interpretação automática (RTF ou PDF, pela extensão)"), EscreveRelatorio});
} // namespace
