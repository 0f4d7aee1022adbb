#include "frmoptions_roda.h"

#include "fontes.h"
#include "simbolos.h"
#include "superficie.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPainter>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int LADO_AMOSTRA = 22; // pixels per glyph in the colour samples
}

PaginaRoda::PaginaRoda(QWidget* pai) : QWidget(pai) {
    setObjectName(QStringLiteral("paginaRoda"));
    auto* v = new QVBoxLayout(this);

    auto* desenho = new QGroupBox(QStringLiteral("Desenho do mapa"));
    auto* vd = new QVBoxLayout(desenho);
    m_ascendente = new QCheckBox(QStringLiteral("Ascendente à esquerda"));
    m_ascendente->setObjectName(QStringLiteral("chkAscendenteEsquerda"));
    m_ascendente->setToolTip(QStringLiteral("Roda o mapa de modo que o Ascendente fique no horizonte esquerdo. "
                                            "Sem esta opção, o zodíaco fica fixo, com o signo do Meio do Céu no alto."));
    m_graus = new QCheckBox(QStringLiteral("Marcas de grau no zodíaco"));
    m_graus->setObjectName(QStringLiteral("chkGrausZodiaco"));
    m_graus->setToolTip(QStringLiteral("Uma marca em cada grau do anel do zodíaco, maior a cada 5° e a cada 10°."));
    vd->addWidget(m_ascendente);
    vd->addWidget(m_graus);
    v->addWidget(desenho);

    auto* cores = new QGroupBox(QStringLiteral("Cores do mapa"));
    auto* gc = new QGridLayout(cores);
    m_predefinidas = new QRadioButton(QStringLiteral("Cores predefinidas"));
    m_predefinidas->setObjectName(QStringLiteral("optCoresRoda0"));
    m_contraste = new QRadioButton(QStringLiteral("Alto contraste"));
    m_contraste->setObjectName(QStringLiteral("optCoresRoda1"));
    m_contraste->setToolTip(QStringLiteral("Cada símbolo com um contraste de pelo menos 3:1 com o fundo."));
    gc->addWidget(m_predefinidas, 0, 0);
    gc->addWidget(new AmostraCores(EsquemaCores::Predefinido), 0, 1);
    gc->addWidget(m_contraste, 1, 0);
    gc->addWidget(new AmostraCores(EsquemaCores::AltoContraste), 1, 1);
    gc->setColumnStretch(1, 1);
    v->addWidget(cores);
    v->addStretch();
    carrega();
}

void PaginaRoda::carrega() {
    const OpcoesRoda o = OpcoesRodaGuardadas();
    m_ascendente->setChecked(o.ascendenteEsquerda);
    m_graus->setChecked(o.grausNoZodiaco);
    (o.esquema == EsquemaCores::AltoContraste ? m_contraste : m_predefinidas)->setChecked(true);
}

OpcoesRoda PaginaRoda::opcoes() const {
    OpcoesRoda o;
    o.ascendenteEsquerda = m_ascendente->isChecked();
    o.grausNoZodiaco = m_graus->isChecked();
    o.esquema = m_contraste->isChecked() ? EsquemaCores::AltoContraste : EsquemaCores::Predefinido;
    return o;
}

void PaginaRoda::aplica() {
    const OpcoesRoda o = opcoes();
    GuardaOpcoesRoda(o);
    OpcoesRodaActuais() = o;
}

AmostraCores::AmostraCores(EsquemaCores esquema, QWidget* pai) : QWidget(pai), m_esquema(esquema) {
    setObjectName(esquema == EsquemaCores::AltoContraste ? QStringLiteral("amostraContraste")
                                                          : QStringLiteral("amostraPredefinida"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QSize AmostraCores::sizeHint() const { return {13 * LADO_AMOSTRA, 2 * LADO_AMOSTRA + 4}; }

void AmostraCores::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    p.setFont(FonteDesenho(FONTE_SIGIL, 13));
    for (int s = 0; s < 12; ++s) {
        const Simbolos::InfoSigno info = Simbolos::SignInfo(int16_t(s));
        p.setPen(CorQt(CorSigno(m_esquema, s, info.cor, false)));
        p.drawText(QRect(s * LADO_AMOSTRA, 2, LADO_AMOSTRA, LADO_AMOSTRA), Qt::AlignCenter, info.glifo);
    }
    for (int i = 0; i < 13; ++i) {
        const Simbolos::InfoCorpo info = Simbolos::BodyInfo(int16_t(i + 1));
        p.setPen(CorQt(CorCorpo(m_esquema, i, info.cor, false)));
        p.drawText(QRect(i * LADO_AMOSTRA, LADO_AMOSTRA + 2, LADO_AMOSTRA, LADO_AMOSTRA), Qt::AlignCenter, info.glifo);
    }
}
