// The "Cálculo" page of the options dialog: the engine and the house system of the next cast
// (options 20 and 21), and the optional points with their orbs (options 50 and 51).
#include "frmoptions.h"

#include "fontes.h"
#include "motormapa.h"
#include "opcoes.h"
#include "pontosmapa.h"
#include "simbolos.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QSpinBox>

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

    // The optional points: each with its glyph, its check box and its orb in any aspect.
    auto* quadroPontos = new QGroupBox(QStringLiteral("Pontos adicionais"));
    quadroPontos->setObjectName(QStringLiteral("quadroPontos"));
    auto* gp = new QGridLayout(quadroPontos);
    gp->addWidget(new QLabel(QStringLiteral("Orbe")), 0, 2);
    gp->addWidget(new QLabel(QStringLiteral("Orbe")), 0, 6);
    for (int k = 0; k < N_PONTOS_EXTRA; ++k) {
        const Simbolos::InfoCorpo info = Simbolos::BodyInfo(int16_t(PRIMEIRO_PONTO_EXTRA + 1 + k));
        auto* glifo = new QLabel(info.glifo);
        glifo->setFont(FonteDesenho(FONTE_SIGIL, 13));
        auto* caixa = new QCheckBox(info.nome);
        caixa->setObjectName(QStringLiteral("chkPonto_") + CodigoPontoExtra(k));
        auto* orbe = new QSpinBox;
        orbe->setObjectName(QStringLiteral("orbePonto_") + CodigoPontoExtra(k));
        orbe->setRange(0, 30);
        orbe->setSuffix(QStringLiteral("º"));
        orbe->setToolTip(QStringLiteral("Orbe de %1 em qualquer aspecto (com outro ponto adicional, vale a menor das duas)")
                             .arg(info.nome));
        const int linha = 1 + k % 4, coluna = k < 4 ? 0 : 4;
        gp->addWidget(glifo, linha, coluna);
        gp->addWidget(caixa, linha, coluna + 1);
        gp->addWidget(orbe, linha, coluna + 2);
        m_pontos[size_t(k)] = caixa;
        m_orbesPontos[size_t(k)] = orbe;
    }
    gp->setColumnMinimumWidth(3, 24);
    m_notaPontos = new QLabel;
    m_notaPontos->setObjectName(QStringLiteral("notaPontos"));
    m_notaPontos->setWordWrap(true);
    gp->addWidget(m_notaPontos, 5, 0, 1, 7);
    v->addWidget(quadroPontos);
    connect(m_motor, &QButtonGroup::idToggled, this, [this](int, bool) { disponibilidadePontos(); });
    v->addStretch();
    return pagina;
}

void frmOptions::disponibilidadePontos() {
    const bool preciso = m_motor->checkedId() == int(Motor::Preciso);
    for (int k = 0; k < N_PONTOS_EXTRA; ++k) {
        m_pontos[size_t(k)]->setEnabled(preciso);
        m_orbesPontos[size_t(k)]->setEnabled(preciso);
    }
    m_notaPontos->setText(preciso ? QStringLiteral("Quíron e os asteróides vêm do ficheiro de asteróides da Swiss "
                                                   "Ephemeris (1800 a 2400); fora desses anos ficam de fora e a "
                                                   "barra de estado avisa.")
                                  : QStringLiteral("Só o motor preciso (Swiss Ephemeris) calcula estes pontos: "
                                                   "escolha-o acima para os usar."));
}

void frmOptions::mostraCalculo(const EscolhaCalculo& e) {
    m_motor->button(int(e.motor))->setChecked(true);
    m_casas->setCurrentIndex(int(e.casas));
    // The points ticked stay ticked under the classic engine, which leaves them out.
    const ConjuntoPontos marcados = LePontos(GetOption(OPCAO_PONTOS)).value_or(0) | e.pontos;
    const OrbesPontos& orbes = OrbesPontosActuais();
    for (int k = 0; k < N_PONTOS_EXTRA; ++k) {
        m_pontos[size_t(k)]->setChecked(TemPonto(marcados, k));
        m_orbesPontos[size_t(k)]->setValue(orbes[size_t(k)]);
    }
    disponibilidadePontos();
}

ConjuntoPontos frmOptions::pontosMarcados() const {
    ConjuntoPontos c = 0;
    for (int k = 0; k < N_PONTOS_EXTRA; ++k)
        if (m_pontos[size_t(k)]->isChecked())
            c |= 1u << k;
    return c;
}

EscolhaCalculo frmOptions::escolhaCalculo() const {
    EscolhaCalculo e;
    e.motor = m_motor->checkedId() == int(Motor::Preciso) ? Motor::Preciso : Motor::Classico;
    e.casas = SistemaCasas(std::clamp(m_casas->currentIndex(), 0, N_SISTEMAS_CASAS - 1));
    e.pontos = e.motor == Motor::Preciso ? pontosMarcados() : 0;
    return e;
}

void frmOptions::guardaCalculo() {
    EscolhaCalculoActual() = escolhaCalculo();
    GuardaEscolhaNasOpcoes(EscolhaCalculoActual());
    SaveOption(OPCAO_PONTOS, CodigosPontos(pontosMarcados()));
    OrbesPontos orbes;
    for (int k = 0; k < N_PONTOS_EXTRA; ++k)
        orbes[size_t(k)] = int16_t(m_orbesPontos[size_t(k)]->value());
    GuardaOrbesPontos(orbes);
}
