// The "Cálculo" page of the options dialog: the engine and the house system of the next cast
// (options 20 and 21).
#include "frmoptions.h"

#include "motormapa.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

QWidget* frmOptions::criaPaginaCalculo() {
    auto* pagina = new QWidget;
    auto* v = new QVBoxLayout(pagina);
    auto* quadroMotor = new QGroupBox(QStringLiteral("Motor de cálculo"));
    auto* vm = new QVBoxLayout(quadroMotor);
    m_motor = new QButtonGroup(this);
    const QStringList motores = {QStringLiteral("Clássico (o cálculo próprio do Natalis)"),
                                 QStringLiteral("Preciso (Swiss Ephemeris, como as referências dos astrólogos)")};
    for (int i = 0; i < 2; ++i) {
        auto* r = new QRadioButton(motores[i]);
        r->setObjectName(QStringLiteral("optMotor%1").arg(i));
        m_motor->addButton(r, i);
        vm->addWidget(r);
    }
    v->addWidget(quadroMotor);

    auto* quadroCasas = new QGroupBox(QStringLiteral("Casas"));
    auto* f = new QFormLayout(quadroCasas);
    m_casas = new QComboBox;
    m_casas->setObjectName(QStringLiteral("cboCasas"));
    for (int s = 0; s < N_SISTEMAS_CASAS; ++s) {
        const QString nome = NomeCasas(SistemaCasas(s));
        m_casas->addItem(s == 0 ? QStringLiteral("Regra própria do Natalis") : nome, s);
    }
    f->addRow(QStringLiteral("Sistema de casas:"), m_casas);
    auto* nota = new QLabel(QStringLiteral("Para lá dos círculos polares, Placidus e Koch não têm cúspides: "
                                           "usam-se as de Porfírio e a barra de estado avisa."));
    nota->setWordWrap(true);
    f->addRow(nota);
    v->addWidget(quadroCasas);
    v->addStretch();
    return pagina;
}

void frmOptions::mostraCalculo(const EscolhaCalculo& e) {
    m_motor->button(int(e.motor))->setChecked(true);
    m_casas->setCurrentIndex(int(e.casas));
}

EscolhaCalculo frmOptions::escolhaCalculo() const {
    EscolhaCalculo e;
    e.motor = m_motor->checkedId() == int(Motor::Preciso) ? Motor::Preciso : Motor::Classico;
    e.casas = SistemaCasas(std::clamp(m_casas->currentIndex(), 0, N_SISTEMAS_CASAS - 1));
    return e;
}

void frmOptions::guardaCalculo() {
    EscolhaCalculoActual() = escolhaCalculo();
    GuardaEscolhaNasOpcoes(EscolhaCalculoActual());
}
