#include "sessaomapa.h"

#include "ficheiromapa.h"
#include "mensagens.h"

SessaoMapa::SessaoMapa() = default;

bool SessaoMapa::PodeDeixar() {
    if (!m_alterado || !m_campos.mapaAberto)
        return true;
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
}

bool SessaoMapa::Abre(const QString& caminho) {
    if (caminho.isEmpty())
        return false;
    const bool ok = OpenFile(caminho, m_campos, mapa(), m_redesenho);
    m_campos.mapaAberto = true;
    m_alterado = false;
    return ok;
}

bool SessaoMapa::Calcula() {
    const bool ok = Cast(m_campos, mapa(), m_redesenho);
    if (ok)
        m_alterado = true;
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
    const bool ok = GuardaMapa(m_campos, m_escolhe ? m_escolhe : [] { return QString(); });
    if (ok)
        m_alterado = false;
    return ok;
}

bool SessaoMapa::GuardaComo() {
    const bool ok = FileSaveAs(m_campos, m_escolhe ? m_escolhe : [] { return QString(); });
    if (ok)
        m_alterado = false;
    return ok;
}

bool SessaoMapa::GuardaAutomatico() {
    if (!m_campos.mapaAberto || m_campos.caminhoFicheiro.isEmpty() || !m_campos.caminhoValido || !m_alterado)
        return false;
    const bool ok = SaveToFile(m_campos.caminhoFicheiro, m_campos);
    if (ok)
        m_alterado = false;
    return ok;
}

QString TextoShowInfo(Mapa& mapa, int corpo) {
    if (corpo < 1 || corpo > 13)
        return QString();
    planeta& p = mapa.Corpo(corpo - 1);
    QString t = p.Nome + QLatin1Char(' ') + QLatin1Char('\n');
    t += p.Posicao().RetornaFormatado(2) + QLatin1Char(' ') + QLatin1Char('\n');
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
