// The five views of the main window and their controls.
#include "frmmain.h"
#include "simbolos.h"
#include "superficieecra.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QLabel* aviso(QWidget* pai) {
    auto* l = new QLabel(pai);
    l->setStyleSheet(QStringLiteral("color: #b00020;"));
    l->setWordWrap(true);
    l->hide();
    return l;
}

QWidget* comAviso(QWidget* campo, QLabel* aviso, QWidget* extra = nullptr) {
    auto* w = new QWidget;
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(1);
    auto* h = new QHBoxLayout;
    h->setContentsMargins(0, 0, 0, 0);
    h->addWidget(campo, 1);
    if (extra)
        h->addWidget(extra);
    v->addLayout(h);
    v->addWidget(aviso);
    return w;
}
} // namespace

QWidget* frmMain::criaVistaDados() {
    auto* vista = new QWidget;
    vista->setObjectName(QStringLiteral("painel0"));
    auto* principal = new QHBoxLayout(vista);
    principal->addWidget(criaFormNascimento(vista), 3);
    principal->addLayout(criaPainelTempos(), 2);
    return vista;
}

// The birth data form, each field with its warning line below it, in the order Tab follows.
QWidget* frmMain::criaFormNascimento(QWidget* vista) {
    auto* nascimento = new QGroupBox(QStringLiteral("Dados de nascimento"));
    auto* form = new QFormLayout(nascimento);
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);

    auto cria = [&](QLineEdit*& campo, const char* nome, const QString& dica) {
        campo = new QLineEdit;
        campo->setObjectName(QString::fromLatin1(nome));
        campo->setPlaceholderText(dica);
        campo->installEventFilter(this);
        m_avisos.insert(campo, aviso(vista));
        return campo;
    };

    form->addRow(QStringLiteral("&Nome:"), cria(m_txtNome, "txtNome", QString()));
    auto* sexo = new QWidget;
    auto* hs = new QHBoxLayout(sexo);
    hs->setContentsMargins(0, 0, 0, 0);
    m_masculino = new QRadioButton(QStringLiteral("&Masculino"));
    m_masculino->setObjectName(QStringLiteral("sexo0"));
    m_feminino = new QRadioButton(QStringLiteral("&Feminino"));
    m_feminino->setObjectName(QStringLiteral("sexo1"));
    m_masculino->setChecked(true);
    hs->addWidget(m_masculino);
    hs->addWidget(m_feminino);
    hs->addStretch();
    form->addRow(QStringLiteral("Sexo:"), sexo);

    cria(m_txtData, "txtData", QStringLiteral("dia/mês/ano, por exemplo 13/6/1888"));
    form->addRow(QStringLiteral("&Data de nascimento:"), comAviso(m_txtData, m_avisos[m_txtData]));
    cria(m_txtHora, "txtHora", QStringLiteral("hora local, por exemplo 14:30"));
    auto botaoTempos = [this](const char* nome) {
        auto* b = new QToolButton;
        b->setObjectName(QString::fromLatin1(nome));
        b->setText(QStringLiteral("⟳"));
        b->setToolTip(QStringLiteral("Recalcular os tempos derivados"));
        connect(b, &QToolButton::clicked, this, [this] { recalculaTempos(); });
        return b;
    };
    form->addRow(QStringLiteral("&Hora de nascimento:"), comAviso(m_txtHora, m_avisos[m_txtHora], botaoTempos("Image1")));
    // The place comes before the zone: entering the zone casts, so it is the last datum.
    cria(m_txtlocal, "txtlocal", QStringLiteral("local de nascimento"));
    m_cmdatlas = new QPushButton(QStringLiteral("Atlas…"));
    m_cmdatlas->setObjectName(QStringLiteral("cmdatlas"));
    m_cmdatlas->setToolTip(QStringLiteral("Registo de locais"));
    form->addRow(QStringLiteral("&Local:"), comAviso(m_txtlocal, m_avisos[m_txtlocal], m_cmdatlas));
    cria(m_txtLatitude, "txtLatitude", QStringLiteral("por exemplo 38º43' N"));
    form->addRow(QStringLiteral("La&titude:"), comAviso(m_txtLatitude, m_avisos[m_txtLatitude]));
    cria(m_txtlongitude, "txtlongitude", QStringLiteral("por exemplo 9º8' W"));
    form->addRow(QStringLiteral("Lon&gitude:"), comAviso(m_txtlongitude, m_avisos[m_txtlongitude]));
    cria(m_FusoHorario, "FusoHorario", QStringLiteral("horas a leste de Greenwich, por exemplo 1 ou -3h30'"));
    m_fusoDescrito = new QLabel;
    m_fusoDescrito->setObjectName(QStringLiteral("fusoDescrito"));
    m_fusoDescrito->setMinimumWidth(90);
    form->addRow(QStringLiteral("&Fuso horário:"), comAviso(m_FusoHorario, m_avisos[m_FusoHorario], m_fusoDescrito));
    cria(m_txttemposideral, "txttemposideral", QString());
    auto* botaoSideral = botaoTempos("Image2");
    form->addRow(QStringLiteral("Tempo &sideral (0h local):"), comAviso(m_txttemposideral, m_avisos[m_txttemposideral], botaoSideral));
    cria(m_txtemail, "txtemail", QString());
    auto* escrever = new QToolButton;
    escrever->setObjectName(QStringLiteral("Image3"));
    escrever->setText(QStringLiteral("✉"));
    escrever->setToolTip(QStringLiteral("Escrever para este endereço"));
    connect(escrever, &QToolButton::clicked, this, [this] { escreveEmail(); });
    form->addRow(QStringLiteral("&E-mail:"), comAviso(m_txtemail, m_avisos[m_txtemail], escrever));
    m_cmdCalcular = new QPushButton(QStringLiteral("&Calcular"));
    m_cmdCalcular->setObjectName(QStringLiteral("cmdCalcular"));
    m_cmdCalcular->setToolTip(QStringLiteral("Calcular o mapa com estes dados (F5)"));
    m_cmdCalcular->setEnabled(false);
    connect(m_cmdCalcular, &QPushButton::clicked, this, [this] { comandoCalcular(); });
    form->addRow(QString(), m_cmdCalcular);
    // Tab goes down the form as it reads.
    QWidget* ordem[] = {m_txtNome, m_masculino, m_txtData, m_txtHora, m_txtlocal, m_cmdatlas, m_txtLatitude,
                        m_txtlongitude, m_FusoHorario, m_txttemposideral, m_txtemail, m_cmdCalcular};
    for (size_t i = 1; i < std::size(ordem); ++i)
        setTabOrder(ordem[i - 1], ordem[i]);
    return nascimento;
}

// The derived times, the positions' mode and the comments, right of the form.
QVBoxLayout* frmMain::criaPainelTempos() {
    auto* direita = new QVBoxLayout;
    auto* tempos = new QGroupBox(QStringLiteral("Tempos derivados"));
    auto* ft = new QFormLayout(tempos);
    const QStringList nomesTempos = {QStringLiteral("Tempo universal:"), QStringLiteral("Hora média local:"),
                                     QStringLiteral("Tempo sideral local:")};
    for (int i = 0; i < 3; ++i) {
        m_lblHoras[i] = new QLabel;
        m_lblHoras[i]->setObjectName(QStringLiteral("lblHoras%1").arg(i));
        m_lblHoras[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        ft->addRow(nomesTempos[i], m_lblHoras[i]);
    }
    direita->addWidget(tempos);

    auto* modo = new QGroupBox(QStringLiteral("Posições"));
    auto* vm = new QVBoxLayout(modo);
    const QStringList nomesModo = {QStringLiteral("Escrever directamente"), QStringLiteral("Usar Efemérides"),
                                   QStringLiteral("Automaticamente")};
    auto* grupo = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        m_optwrite[i] = new QRadioButton(nomesModo[i]);
        m_optwrite[i]->setObjectName(QStringLiteral("optwrite%1").arg(i));
        grupo->addButton(m_optwrite[i], i);
        vm->addWidget(m_optwrite[i]);
    }
    m_optwrite[2]->setChecked(true);
    direita->addWidget(modo);

    auto* comentarios = new QGroupBox(QStringLiteral("Comentários"));
    auto* vc = new QVBoxLayout(comentarios);
    m_cometarios = new QPlainTextEdit;
    m_cometarios->setObjectName(QStringLiteral("cometarios"));
    m_cometarios->installEventFilter(this);
    vc->addWidget(m_cometarios);
    direita->addWidget(comentarios, 1);
    return direita;
}

QWidget* frmMain::criaVistaEfemerides() {
    auto* vista = new QWidget;
    vista->setObjectName(QStringLiteral("painel1"));
    auto* principal = new QHBoxLayout(vista);

    auto* corpos = new QGroupBox(QStringLiteral("Planetas, nodos e pontos"));
    auto* g = new QGridLayout(corpos);
    for (int i = 0; i < 13; ++i) {
        auto* nome = new QLabel(i < 12 ? RotuloCorpoCampo(i) : QStringLiteral("Parte da Fortuna"));
        nome->setObjectName(QStringLiteral("planeta%1").arg(i));
        m_PosPlaneta[i] = new QPushButton;
        m_PosPlaneta[i]->setObjectName(QStringLiteral("PosPlaneta%1").arg(i));
        m_PosPlaneta[i]->setFlat(true);
        m_PosPlaneta[i]->setStyleSheet(QStringLiteral("text-align: left; padding: 2px 6px;"));
        m_PosPlaneta[i]->setMinimumWidth(150);
        g->addWidget(nome, i, 0);
        g->addWidget(m_PosPlaneta[i], i, 1);
        if (i < 12) {
            m_lblretrogrado[i] = new QLabel(QStringLiteral("R"));
            m_lblretrogrado[i]->setObjectName(QStringLiteral("lblretrogrado%1").arg(i));
            m_lblretrogrado[i]->setToolTip(QStringLiteral("Retrógrado"));
            m_lblretrogrado[i]->setStyleSheet(QStringLiteral("color: #b00020; font-weight: bold;"));
            m_lblretrogrado[i]->setVisible(false);
            g->addWidget(m_lblretrogrado[i], i, 2);
        }
        if (i < 12)
            connect(m_PosPlaneta[i], &QPushButton::clicked, this, [this, i] { posicaoClicada(i); });
        else
            m_PosPlaneta[i]->setEnabled(false);
    }
    g->setColumnStretch(1, 1);
    g->setRowStretch(13, 1);

    auto* casas = new QGroupBox(QStringLiteral("Casas"));
    auto* gc = new QGridLayout(casas);
    for (int k = 0; k < 6; ++k) {
        gc->addWidget(new QLabel(RotuloCasaCampo(k)), k, 0);
        m_PosCasas[k] = new QLineEdit;
        m_PosCasas[k]->setObjectName(QStringLiteral("PosCasas%1").arg(k));
        m_PosCasas[k]->installEventFilter(this);
        gc->addWidget(m_PosCasas[k], k, 1);
        gc->addWidget(new QLabel(RotuloCasaCampo(k + 6)), k, 2);
        m_lPosCasas[k] = new QLabel;
        m_lPosCasas[k]->setObjectName(QStringLiteral("lPosCasas%1").arg(k));
        m_lPosCasas[k]->setMinimumWidth(120);
        gc->addWidget(m_lPosCasas[k], k, 3);
    }
    gc->setRowStretch(6, 1);
    gc->setColumnStretch(1, 1);
    gc->setColumnStretch(3, 1);

    // The optional points the chart holds (precise engine), each row shown only when computed.
    auto* extra = new QGroupBox(QStringLiteral("Pontos adicionais"));
    extra->setObjectName(QStringLiteral("quadroPosExtra"));
    auto* ge = new QGridLayout(extra);
    for (int k = 0; k < N_PONTOS_EXTRA; ++k) {
        auto& linha = m_linhaExtra[size_t(k)];
        linha = {new QLabel(NomePontoExtra(k)), new QLabel, new QLabel(QStringLiteral("R"))};
        linha[1]->setObjectName(QStringLiteral("PosExtra_") + CodigoPontoExtra(k));
        linha[1]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        linha[2]->setToolTip(QStringLiteral("Retrógrado"));
        linha[2]->setStyleSheet(QStringLiteral("color: #b00020; font-weight: bold;"));
        for (int c = 0; c < 3; ++c) {
            ge->addWidget(linha[size_t(c)], k, c);
            linha[size_t(c)]->setVisible(false);
        }
    }
    ge->setColumnStretch(1, 1);
    m_quadroExtra = extra;
    extra->setVisible(false);
    auto* direita = new QVBoxLayout;
    direita->addWidget(casas, 1);
    direita->addWidget(extra);

    principal->addWidget(corpos, 1);
    principal->addLayout(direita, 1);
    return vista;
}

QWidget* frmMain::criaVistaMapa() {
    auto* vista = new QWidget;
    vista->setObjectName(QStringLiteral("painel2"));
    auto* h = new QHBoxLayout(vista);
    m_Mapa = new SuperficieEcra;
    m_Mapa->setObjectName(QStringLiteral("Mapa"));
    m_Mapa->defineQuadrada(true);
    m_Mapa->setMinimumSize(360, 360);
    h->addWidget(m_Mapa, 3);

    auto* lado = new QVBoxLayout;
    m_KeyWord = new QLabel;
    m_KeyWord->setObjectName(QStringLiteral("KeyWord"));
    m_KeyWord->setWordWrap(true);
    m_anjo = new QLabel;
    m_anjo->setObjectName(QStringLiteral("anjo"));
    m_lblesclarecedor = new QLabel;
    m_lblesclarecedor->setObjectName(QStringLiteral("lblesclarecedor"));
    m_lblesclarecedor->setWordWrap(true);
    m_Eclipse = new QLabel(QStringLiteral("Eclipse: o Sol e a Lua em conjunção com o Nodo"));
    m_Eclipse->setObjectName(QStringLiteral("Eclipse"));
    m_Eclipse->setWordWrap(true);
    m_Eclipse->setStyleSheet(QStringLiteral("color: #6a1b9a; font-weight: bold;"));
    m_Eclipse->hide();
    m_info = new QLabel;
    m_info->setObjectName(QStringLiteral("info"));
    m_info->setWordWrap(true);
    m_info->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_info->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_info->setMinimumWidth(240);
    auto* rolagem = new QScrollArea;
    rolagem->setObjectName(QStringLiteral("rolagemInfo"));
    rolagem->setWidget(m_info);
    rolagem->setWidgetResizable(true);
    rolagem->setFrameShape(QFrame::NoFrame);
    // The text wraps to the panel's width: it scrolls down only, with room kept for the
    // vertical bar, so a long panel never grows a horizontal one.
    rolagem->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rolagem->setMinimumWidth(m_info->minimumWidth() + rolagem->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    lado->addWidget(m_KeyWord);
    lado->addWidget(m_anjo);
    lado->addWidget(m_lblesclarecedor);
    lado->addWidget(m_Eclipse);
    lado->addWidget(rolagem, 1);
    h->addLayout(lado, 1);
    return vista;
}

QWidget* frmMain::criaVistaAspectos() {
    auto* vista = new QWidget;
    vista->setObjectName(QStringLiteral("painel3"));
    auto* h = new QHBoxLayout(vista);
    m_aspectospic = new SuperficieEcra;
    m_aspectospic->setObjectName(QStringLiteral("aspectospic"));
    h->addWidget(m_aspectospic, 1);
    return vista;
}

QWidget* frmMain::criaVistaPartes() {
    auto* vista = new QWidget;
    vista->setObjectName(QStringLiteral("painel4"));
    auto* h = new QHBoxLayout(vista);
    auto* partes = new QGroupBox(QStringLiteral("Partes"));
    auto* g = new QGridLayout(partes);
    for (int k = 0; k < 7; ++k) {
        auto* nome = new QLabel(RotuloParteCampo(k));
        nome->setObjectName(QStringLiteral("Label8_%1").arg(k));
        m_partes[k] = new QLabel;
        m_partes[k]->setObjectName(QStringLiteral("partes%1").arg(k));
        m_partesCasa[k] = new QLabel;
        m_partesCasa[k]->setObjectName(QStringLiteral("partesCasa%1").arg(k));
        g->addWidget(nome, k, 0);
        g->addWidget(m_partes[k], k, 1);
        g->addWidget(m_partesCasa[k], k, 2);
    }
    g->setRowStretch(7, 1);
    g->setColumnStretch(1, 1);
    h->addWidget(partes, 1);
    h->addWidget(criaTeclado(), 1);
    return vista;
}
