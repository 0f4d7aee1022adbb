#include "frmoptions_relatorio.h"

#include "opcoes.h"
#include "relatorio.h"
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

OpcoesRelatorioPagina::OpcoesRelatorioPagina(QWidget* pai) : QGroupBox(QStringLiteral("Interpretação automática"), pai) {
    m_sintese = new QCheckBox(QStringLiteral("Começar com a síntese do mapa"));
    m_sintese->setObjectName(QStringLiteral("chkSintese"));
    m_tradicional = new QRadioButton(QStringLiteral("Tradicionais"));
    m_tradicional->setObjectName(QStringLiteral("optRegenteTradicional"));
    m_moderno = new QRadioButton(QStringLiteral("Modernos (Urano, Neptuno, Plutão)"));
    m_moderno->setObjectName(QStringLiteral("optRegenteModerno"));
    auto* regentes = new QHBoxLayout;
    regentes->addWidget(new QLabel(QStringLiteral("Regentes:")));
    regentes->addWidget(m_tradicional);
    regentes->addWidget(m_moderno);
    regentes->addStretch();
    m_signosTradicionais = new QCheckBox(QStringLiteral("Nomes tradicionais dos signos (Câncer, Virgo, Libra)"));
    m_signosTradicionais->setObjectName(QStringLiteral("chkSignosTradicionais"));
    m_signosTradicionais->setToolTip(
        QStringLiteral("Sem esta opção, o relatório diz Caranguejo, Virgem e Balança."));
    auto* v = new QVBoxLayout(this);
    v->addWidget(m_sintese);
    v->addLayout(regentes);
    v->addWidget(m_signosTradicionais);
    connect(m_sintese, &QCheckBox::toggled, this, [this](bool ligada) {
        m_tradicional->setEnabled(ligada);
        m_moderno->setEnabled(ligada);
    });
}

void OpcoesRelatorioPagina::carrega() {
    const OpcoesSintese o = OpcoesSintese::DasOpcoes();
    m_sintese->setChecked(o.ligada);
    m_moderno->setChecked(o.regenteModerno);
    m_tradicional->setChecked(!o.regenteModerno);
    m_tradicional->setEnabled(o.ligada);
    m_moderno->setEnabled(o.ligada);
    m_signosTradicionais->setChecked(o.signosTradicionais);
}

void OpcoesRelatorioPagina::guarda() const {
    SaveOption(30, m_sintese->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    SaveOption(31, m_moderno->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    SaveOption(32, m_signosTradicionais->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
}
