#include "sessaomapa.h"

#include "ficheiromapa.h"
#include "mensagens.h"

#include <algorithm>

namespace {
QString dadosNascimento(const CamposMapa& c) {
    return QStringList{c.txtData, c.txtHora, c.FusoHorario, c.txtLatitude, c.txtlongitude}.join(QLatin1Char('|'));
}

bool temDadosEscritos(const CamposMapa& c) {
    for (const QString* t : {&c.txtNome, &c.txtData, &c.txtHora, &c.txtlocal, &c.txtLatitude, &c.txtlongitude,
                             &c.cometarios, &c.txtemail})
        if (!t->trimmed().isEmpty())
            return true;
    return std::any_of(c.PosPlaneta.begin(), c.PosPlaneta.end(), [](const QString& p) { return !p.isEmpty(); });
}
} // namespace

SessaoMapa::SessaoMapa() = default;

bool SessaoMapa::alterado() const {
    if (m_campos.mapaAberto && m_campos.caminhoValido && !m_bytesGuardados.isNull())
        return BytesMapa(m_campos) != m_bytesGuardados;
    return m_alterado;
}

bool SessaoMapa::dadosPorCalcular() const { return dadosNascimento(m_campos) != m_dadosCalculados; }

bool SessaoMapa::desactualizado() const {
    return m_campos.mapaAberto && !m_dadosCalculados.isNull() && dadosPorCalcular();
}

void SessaoMapa::mantemPosicoes() {
    if (m_campos.mapaAberto)
        m_dadosCalculados = dadosNascimento(m_campos);
}

bool SessaoMapa::ConfirmaPosicoes() {
    if (!desactualizado())
        return true;
    const RespostaMsg r = CaixaMensagens().Mostra(
        IconeMsg::Pergunta, TituloAplicacao(),
        QStringLiteral("Os dados de nascimento foram alterados depois do cálculo: as posições do mapa já não lhes "
                       "correspondem.\nDeseja calcular o mapa de novo?\n\n"
                       "Sim: calcula as posições para os dados actuais.\n"
                       "Não: mantém as posições como estão (por exemplo, escritas à mão)."),
        BotoesMsg::SimNaoCancelar);
    if (r == RespostaMsg::Cancelar)
        return false;
    if (r == RespostaMsg::Nao) {
        mantemPosicoes();
        return true;
    }
    if (!Calcula())
        return false;
    m_campos.optwrite = 2; // computed now, whatever way they were obtained before
    return true;
}

void SessaoMapa::marcaGuardado() {
    m_alterado = false;
    m_bytesGuardados = BytesMapa(m_campos);
}

bool SessaoMapa::PodeDeixar() {
    if (!alterado())
        return true;
    if (!m_campos.mapaAberto) {
        if (!temDadosEscritos(m_campos))
            return true;
        return CaixaMensagens().Mostra(IconeMsg::Pergunta, TituloAplicacao(),
                                       QStringLiteral("Os dados que escreveu ainda não foram calculados nem guardados.\n"
                                                      "Deseja descartá-los?"),
                                       BotoesMsg::SimNao) == RespostaMsg::Sim;
    }
    const RespostaMsg r = CaixaMensagens().Mostra(IconeMsg::Pergunta, TituloAplicacao(),
                                                  QStringLiteral("Deseja guardar as alterações ao mapa?"),
                                                  BotoesMsg::SimNaoCancelar);
    if (r == RespostaMsg::Cancelar)
        return false;
    if (r == RespostaMsg::Nao)
        return true;
    return Guarda();
}

void SessaoMapa::Novo() {
    m_campos.Limpa();
    mapa().Limpa();
    m_alterado = false;
    m_bytesGuardados.clear();
    m_dadosCalculados.clear();
}

bool SessaoMapa::Abre(const QString& caminho) {
    if (caminho.isEmpty())
        return false;
    const CamposMapa antes = m_campos;
    if (!OpenFile(caminho, m_campos, mapa(), m_redesenho, true, &m_avisoAbertura)) {
        // Never a half-read chart on screen: the one shown before comes back, model included.
        m_campos = antes;
        if (m_campos.mapaAberto)
            Rebuild(m_campos, mapa(), m_redesenho);
        else
            mapa().Limpa();
        return false;
    }
    m_dadosCalculados = dadosNascimento(m_campos);
    marcaGuardado();
    return true;
}

bool SessaoMapa::Calcula() {
    const QByteArray antes = BytesMapa(m_campos);
    const bool ok = Cast(m_campos, mapa(), m_redesenho);
    if (ok) {
        m_dadosCalculados = dadosNascimento(m_campos);
        // Casting again what is already there changes nothing worth a question.
        if (BytesMapa(m_campos) != antes)
            m_alterado = true;
    }
    return ok;
}

void SessaoMapa::Refaz() {
    if (!m_campos.mapaAberto)
        return;
    Rebuild(m_campos, mapa(), m_redesenho);
}

bool SessaoMapa::RefazComEscolha() {
    // Positions typed or copied by hand (modes 0 and 1) are never replaced.
    CamposMapa prova = m_campos;
    if (m_campos.mapaAberto && m_campos.optwrite == 2 && !(m_campos.escolha == EscolhaCalculoActual()) &&
        NormalizaDadosNascimento(prova, nullptr) && Calcula())
        return true;
    Refaz();
    return false;
}

bool SessaoMapa::Guarda() {
    if (!ConfirmaPosicoes())
        return false;
    const bool ok = GuardaMapa(m_campos, m_escolhe ? m_escolhe : [] { return QString(); });
    if (ok)
        marcaGuardado();
    return ok;
}

bool SessaoMapa::GuardaComo() {
    if (!ConfirmaPosicoes())
        return false;
    const bool ok = FileSaveAs(m_campos, m_escolhe ? m_escolhe : [] { return QString(); });
    if (ok)
        marcaGuardado();
    return ok;
}

bool SessaoMapa::GuardaAutomatico() {
    // Never the new birth data over the old positions, unasked.
    if (!m_campos.mapaAberto || m_campos.caminhoFicheiro.isEmpty() || !m_campos.caminhoValido || !alterado() ||
        desactualizado())
        return false;
    const bool ok = SaveToFile(m_campos.caminhoFicheiro, m_campos);
    if (ok)
        marcaGuardado();
    return ok;
}

QString TextoShowInfo(Mapa& mapa, int corpo) {
    if (corpo < 1 || corpo > 13)
        return QString();
    planeta& p = mapa.Corpo(corpo - 1);
    QString t = p.Nome + QLatin1Char(' ') + QLatin1Char('\n');
    t += p.Posicao().RetornaFormatado(FormatoCompleto) + QLatin1Char(' ') + QLatin1Char('\n');
    if (p.Retrogrado)
        t += QStringLiteral(" (Retrógrado)") + QLatin1Char('\n');
    t += QStringLiteral("Na casa ") + QString::number(p.Casa) + QLatin1Char('\n');
    t += QLatin1Char('\n') + QStringLiteral("Aspectos:") + QLatin1Char('\n');
    if (p.Aspectos().Count() == 0)
        t += QStringLiteral("[este ponto não apresenta aspectos]") + QLatin1Char('\n');
    for (const Aspecto& a : p.Aspectos())
        t += a.Nome() + QLatin1Char('\n');
    return t;
}
