#include "frmcalculos.h"

#include "calculos.h"
#include "camposmapa.h"
#include "mensagens.h"
#include "normaliza.h"
#include "possigno.h"

#include <QCheckBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmcalculosdirectos::frmcalculosdirectos(CamposMapa& campos, int alvo, QWidget* pai)
    : QDialog(pai), m_campos(campos), m_alvo(alvo) {
    setObjectName(QStringLiteral("frmcalculosdirectos"));
    setWindowTitle(QStringLiteral("Posição") + QStringLiteral(" – ") + RotuloCorpoCampo(alvo).trimmed());
    auto* v = new QVBoxLayout(this);
    auto* f = new QFormLayout;
    m_txtvalor = new QLineEdit(campos.PosPlaneta[size_t(alvo)]);
    m_txtvalor->setObjectName(QStringLiteral("txtvalor"));
    m_txtvalor->setPlaceholderText(QStringLiteral("por exemplo 15º30'0''Touro"));
    m_txtvalor->selectAll(); // what is typed replaces the old value
    f->addRow(QStringLiteral("Posição"), m_txtvalor);
    m_Check1 = new QCheckBox(QStringLiteral("Retrógrado"));
    m_Check1->setObjectName(QStringLiteral("Check1"));
    m_Check1->setChecked(alvo < 12 && campos.lblretrogrado[size_t(alvo)]);
    f->addRow(QString(), m_Check1);
    v->addLayout(f);
    m_erro = new QLabel;
    m_erro->setObjectName(QStringLiteral("lblErro"));
    m_erro->setStyleSheet(QStringLiteral("color: #b00020;"));
    m_erro->setWordWrap(true);
    v->addWidget(m_erro);
    auto* b = new QDialogButtonBox;
    auto* ok = b->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdOK"));
    b->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    connect(b, &QDialogButtonBox::accepted, this, [this] { this->ok(); });
    connect(b, &QDialogButtonBox::rejected, this, &QDialog::reject);
    v->addWidget(b);
}

void frmcalculosdirectos::ok() {
    const PosicaoDirecta p = LePosicaoDirecta(m_txtvalor->text());
    if (!p.ok) {
        // A text that cannot be read is never written as 0º Carneiro. The box grows to show the
        // whole of the reason.
        m_erro->setText(p.erro);
        m_erro->setMinimumHeight(m_erro->heightForWidth(m_erro->width()));
        adjustSize();
        return;
    }
    m_campos.PosPlaneta[size_t(m_alvo)] = p.texto;
    if (m_alvo < 12)
        m_campos.lblretrogrado[size_t(m_alvo)] = m_Check1->isChecked();
    accept();
}

frmcalculos::frmcalculos(CamposMapa& campos, int alvo, QWidget* pai) : QDialog(pai), m_campos(campos), m_alvo(alvo) {
    setObjectName(QStringLiteral("frmcalculos"));
    setWindowTitle(QStringLiteral("Cálculo de Posição") + QStringLiteral(" – ") + RotuloCorpoCampo(alvo).trimmed());
    auto* v = new QVBoxLayout(this);
    auto* f = new QFormLayout;
    const bool luaNegra = alvo == ALVO_LUA_NEGRA;
    const QString rotulos[2] = {QStringLiteral("Posição em (dia Natal )"), QStringLiteral("Posição em (dia seguinte )")};
    QDate diaUT;
    double horasUT = 0.0;
    const bool comDia = !luaNegra && DiaUniversal(campos, diaUT, horasUT) && diaUT.isValid();
    const auto dataTexto = [](const QDate& d) { return QStringLiteral("%1/%2/%3").arg(d.day()).arg(d.month()).arg(d.year()); };
    // The ephemeris days are those of the birth in universal time, which may be the day before
    // or after the date typed.
    const QString dicas[2] = {
        comDia ? QStringLiteral("Posição às 0h UT de ") + dataTexto(diaUT) : QStringLiteral("Posição no dia: ") + campos.txtData,
        comDia ? QStringLiteral("Posição às 0h UT de ") + dataTexto(diaUT.addDays(1)) : QStringLiteral("Posição no dia seguinte")};
    for (int i = 0; i < 2; ++i) {
        m_txtpos[i] = new QLineEdit;
        m_txtpos[i]->setObjectName(QStringLiteral("txtpos%1").arg(i));
        m_txtpos[i]->setToolTip(dicas[i]);
        m_txtpos[i]->setPlaceholderText(QStringLiteral("por exemplo 15º30'Touro"));
        f->addRow(rotulos[i], m_txtpos[i]);
    }
    v->addLayout(f);
    PosSigno hora;
    hora.setValorGraus(horasUT);
    const QString textoNota =
        luaNegra ? NotaLuaNegra(campos.txtData)
        : comDia ? QStringLiteral("Copie as posições às 0h UT de %1 e de %2: o nascimento foi às %3 UT de %1.")
                       .arg(dataTexto(diaUT), dataTexto(diaUT.addDays(1)), hora.RetornaFormatado(FormatoHoras, false).section(QLatin1Char('\''), 0, 0) + QLatin1Char('\''))
                 : QStringLiteral("Posições às 0h UT do dia de nascimento e do dia seguinte.");
    auto* nota = new QLabel(textoNota);
    nota->setObjectName(QStringLiteral("lblnota"));
    nota->setWordWrap(true);
    v->addWidget(nota);
    auto* b = new QDialogButtonBox;
    auto* botaoCalcular = b->addButton(QStringLiteral("Calcular"), QDialogButtonBox::AcceptRole);
    botaoCalcular->setObjectName(QStringLiteral("cmdoK"));
    auto* limpar = b->addButton(QStringLiteral("Limpar"), QDialogButtonBox::ResetRole);
    limpar->setObjectName(QStringLiteral("cmdClear"));
    auto* cancelar = b->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    cancelar->setObjectName(QStringLiteral("Command1"));
    connect(botaoCalcular, &QPushButton::clicked, this, [this] { calcular(); });
    connect(limpar, &QPushButton::clicked, this, [this] {
        m_txtpos[0]->clear();
        m_txtpos[1]->clear();
        m_txtpos[0]->setFocus();
    });
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    v->addWidget(b);
    m_txtpos[0]->setFocus();
}

void frmcalculos::calcular() {
    // Printed ephemerides are given for 0h UT: interpolate at the universal time of the birth.
    double horaUT = 0.0;
    QDate dia;
    if (!DiaUniversal(m_campos, dia, horaUT) && m_alvo != ALVO_LUA_NEGRA) {
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao(),
                                QStringLiteral("Escreva a hora e o fuso horário do nascimento antes de interpolar."));
        return;
    }
    const Interpolacao r = Interpola(m_txtpos[0]->text(), m_txtpos[1]->text(), m_alvo, m_campos.txtData, horaUT);
    if (!r.ok) {
        // The form stays open with what was typed, so the entry can be corrected.
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao(), r.erro);
        return;
    }
    m_txtpos[0]->setText(r.campo0);
    m_txtpos[1]->setText(r.campo1);
    if (r.foraDosValores &&
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao(),
                                QStringLiteral("O resultado, %1, fica fora das duas posições escritas: confira os dias "
                                               "de que as copiou.\nDeseja usá-lo mesmo assim?")
                                    .arg(r.texto),
                                BotoesMsg::SimNao) != RespostaMsg::Sim)
        return;
    m_campos.PosPlaneta[size_t(m_alvo)] = r.texto;
    if (m_alvo < 12)
        m_campos.lblretrogrado[size_t(m_alvo)] = r.retrogrado;
    accept();
}
