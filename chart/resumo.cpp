#include "resumo.h"

#include "mensagens.h"
#include "motormapa.h"
#include "simbolos.h"
#include "textoficheiro.h"

#include <utility>

namespace {
QString Coluna(const QString& nome) { return nome + QString(std::max<qsizetype>(0, 20 - nome.size()), QLatin1Char(' ')); }
} // namespace

QStringList LinhasResumo(const CamposMapa& c, Mapa& mapa) {
    QStringList l;
    l << QStringLiteral("Resumo das posições astrologicas") << QString() << c.txtNome;
    l << QStringLiteral("Nascid") + (c.sexoMasculino ? QLatin1Char('o') : QLatin1Char('a')) + QStringLiteral(" em ") +
             c.txtlocal + QStringLiteral(" no dia ") + c.txtData + QStringLiteral(" pelas ") + c.txtHora;
    l << QString() << QString() << QStringLiteral("Planetas , Nodos,  Sol e Lua e Lua Negra ") << QString();
    for (int i = 0; i < 12; ++i)
        l << Coluna(RotuloCorpoCampo(i).trimmed()) + c.PosPlaneta[i].trimmed() + QStringLiteral(" em ") +
                 Simbolos::HouseName(mapa.Corpo(i).Casa, false) +
                 (c.lblretrogrado[i] ? QStringLiteral(" ( Retrogrado )") : QString());
    l << QString() << QStringLiteral("Casas");
    for (int k = 0; k < 6; ++k)
        l << Coluna(RotuloCasaCampo(k)) + c.PosCasas[k];
    for (int k = 0; k < 6; ++k)
        l << Coluna(RotuloCasaCampo(6 + k)) + c.lPosCasas[k];
    l << QString() << QStringLiteral("Partes");
    for (int k = 0; k < 7; ++k)
        l << Coluna(RotuloParteCampo(k)) + c.partes[k];
    // The optional points the chart computed, only when it has any.
    bool cabecalho = false;
    for (int k = 0; k < N_PONTOS_EXTRA; ++k) {
        if (c.PosExtra[k].isEmpty())
            continue;
        if (!std::exchange(cabecalho, true))
            l << QString() << QStringLiteral("Pontos adicionais");
        const QString nome = NomePontoExtra(k);
        l << nome + QString(std::max<qsizetype>(1, 20 - nome.size()), QLatin1Char(' ')) + c.PosExtra[k].trimmed() + QStringLiteral(" em ") +
                 Simbolos::HouseName(mapa.CorpoComPontos(PRIMEIRO_PONTO_EXTRA + k).Casa, false) +
                 (c.retroExtra[k] ? QStringLiteral(" ( Retrogrado )") : QString());
    }
    // A chart cast with the defaults keeps the summary as it always was.
    if (!c.escolha.padrao())
        l << QString() << TextoCalculo(c);
    return l;
}

bool SaveResume(const QString& caminho, const CamposMapa& campos, Mapa& mapa) {
    if (caminho.isEmpty())
        return false;
    const QString titulo = TituloAplicacao() + QStringLiteral(" SaveResume");
    const QString texto = LinhasResumo(campos, mapa).join(QLatin1Char('\n')) + QLatin1Char('\n');
    if (!AceitaCaracteresPerdidos({{QStringLiteral("Resumo"), texto}}, titulo))
        return false;
    QString erro;
    if (EscreveTextoCp1252(caminho, texto, &erro))
        return true;
    CaixaMensagens().Mostra(IconeMsg::Exclamacao, titulo,
                            QStringLiteral("Não foi possível guardar o resumo em ") + caminho + QStringLiteral(":\n") +
                                erro);
    return false;
}

QStringList LinhasAspectos(Mapa& mapa) {
    QStringList l;
    for (const Aspecto& a : mapa.Aspectos())
        l << a.Nome();
    for (const Aspecto& a : mapa.AspectosExtra())
        l << a.Nome();
    return l;
}
