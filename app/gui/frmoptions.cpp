#include "frmoptions.h"

#include "atlas.h"
#include "frmoptions_relatorio.h"
#include "frmoptions_roda.h"

#include "escolhaficheiro.h"
#include "fontes.h"
#include "mensagens.h"
#include "motormapa.h"
#include "opcoes.h"
#include "orbes.h"
#include "planeta.h"
#include "simbolos.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {
// Option of each colour box: box 0 body text (16), 1 titles (15), 2 and 3 subtitles (17, 18).
constexpr std::array<int, 4> kOpcaoCor = {16, 15, 17, 18};
constexpr int kOrbeMaximo = 180;

QColor corQt(unsigned c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }
unsigned corNum(const QColor& c) { return RGBCor(c.red(), c.green(), c.blue()); }

class CaixaOrbe : public QSpinBox {
public:
    using QSpinBox::QSpinBox;

protected:
    void focusInEvent(QFocusEvent* e) override {
        QSpinBox::focusInEvent(e);
        QTimer::singleShot(0, this, [this] { selectAll(); });
    }
};

// Any orb an orb file may hold, so that opening and saving it again changes nothing.
QSpinBox* novaCaixaOrbe(const QString& nome) {
    auto* caixa = new CaixaOrbe;
    caixa->setObjectName(nome);
    caixa->setRange(-kOrbeMaximo, kOrbeMaximo);
    caixa->setButtonSymbols(QAbstractSpinBox::NoButtons);
    caixa->setAlignment(Qt::AlignCenter);
    caixa->setMinimumWidth(44);
    return caixa;
}
} // namespace

frmOptions::frmOptions(QWidget* pai) : QDialog(pai) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Opções"));
    auto* v = new QVBoxLayout(this);
    m_tabs = new QTabWidget;
    v->addWidget(m_tabs);
    m_tabs->addTab(criaPaginaGeral(), QStringLiteral("Geral"));
    m_tabs->addTab(criaPaginaVisual(), QStringLiteral("Visual"));
    m_tabs->addTab(criaPaginaOrbes(), QStringLiteral("Orbes"));
    m_roda = new PaginaRoda;
    m_tabs->addTab(m_roda, QStringLiteral("Mapa"));
    m_tabs->addTab(criaPaginaCalculo(), QStringLiteral("Cálculo"));

    auto* botoes = new QDialogButtonBox;
    auto* ok = botoes->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdOK"));
    auto* cancelar = botoes->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    cancelar->setObjectName(QStringLiteral("cmdCancel"));
    connect(ok, &QPushButton::clicked, this, [this] { this->ok(); });
    connect(cancelar, &QPushButton::clicked, this, [this] { hide(); });
    v->addWidget(botoes);
    CarregaArranque();
}

QWidget* frmOptions::criaPaginaGeral() {
    auto* geral = new QWidget;
    auto* vg = new QVBoxLayout(geral);
    auto* quadro = new QGroupBox(QStringLiteral("Ao criar novo, calcular posições ..."));
    auto* vq = new QVBoxLayout(quadro);
    m_OptionMDC = new QButtonGroup(this);
    const QStringList modos = {QStringLiteral("Automaticamente"),
                               QStringLiteral("Cópia Directa (cópia dos dados de outras fontes de informação)"),
                               QStringLiteral("Usando Efemérides")};
    for (int i = 0; i < 3; ++i) {
        auto* r = new QRadioButton(modos[i]);
        r->setObjectName(QStringLiteral("OptionMDC%1").arg(i));
        m_OptionMDC->addButton(r, i);
        vq->addWidget(r);
    }
    m_OptionMDC->button(0)->setChecked(true);
    vg->addWidget(quadro);
    m_Checkvoltar = new QCheckBox(QStringLiteral("Voltar ao Painel de Dados ao Abrir um mapa."));
    m_Checkvoltar->setObjectName(QStringLiteral("Checkvoltar"));
    vg->addWidget(m_Checkvoltar);
    auto* quadroAtlas = new QGroupBox(QStringLiteral("Atlas"));
    auto* fa = new QFormLayout(quadroAtlas);
    m_paisAtlas = new QComboBox;
    m_paisAtlas->setObjectName(QStringLiteral("cboPaisAtlas"));
    m_paisAtlas->setToolTip(QStringLiteral("Numa procura do atlas, os locais deste país vêm antes dos de "
                                           "outros países com o mesmo nome."));
    fa->addRow(QStringLiteral("Locais mostrados &primeiro:"), m_paisAtlas);
    vg->addWidget(quadroAtlas);
    vg->addStretch();
    return geral;
}

QWidget* frmOptions::criaPaginaVisual() {
    auto* visual = new QWidget;
    auto* vv = new QVBoxLayout(visual);
    const QStringList quadros = {QStringLiteral("Pano de fundo do Mapa Nativo"),
                                 QStringLiteral("Pano de fundo do Quadro de Aspectos")};
    for (int i = 0; i < 2; ++i) {
        auto* q = new QGroupBox(quadros[i]);
        auto* h = new QHBoxLayout(q);
        m_Nenhum[i] = new QCheckBox(QStringLiteral("Usar Nenhum"));
        m_Nenhum[i]->setObjectName(QStringLiteral("Nenhum%1").arg(i));
        m_txtpicture[i] = new QLineEdit;
        m_txtpicture[i]->setObjectName(QStringLiteral("txtpicture%1").arg(i));
        m_txtpicture[i]->setReadOnly(true);
        m_cmdProcurar[i] = new QPushButton(QStringLiteral("Procurar"));
        m_cmdProcurar[i]->setObjectName(QStringLiteral("cmdProcurar%1").arg(i));
        h->addWidget(m_Nenhum[i]);
        h->addWidget(m_txtpicture[i], 1);
        h->addWidget(m_cmdProcurar[i]);
        vv->addWidget(q);
        connect(m_cmdProcurar[i], &QPushButton::clicked, this, [this, i] { escolheFundo(i); });
        connect(m_Nenhum[i], &QCheckBox::clicked, this, [this, i] { nenhumMudou(i); });
    }
    auto* cores = new QGroupBox(QStringLiteral("Esquema de cores do texto de Interpretação"));
    auto* gc = new QGridLayout(cores);
    const QStringList nomesCor = {QStringLiteral("Corpo do texto"), QStringLiteral("Titulo"), QStringLiteral("Subtitulo 1"),
                                  QStringLiteral("Subtitulo 2")};
    for (int i = 0; i < 4; ++i) {
        m_cores[i] = new QPushButton;
        m_cores[i]->setObjectName(QStringLiteral("cores%1").arg(i));
        m_cores[i]->setFixedSize(60, 24);
        gc->addWidget(new QLabel(nomesCor[i]), i / 2, (i % 2) * 2);
        gc->addWidget(m_cores[i], i / 2, (i % 2) * 2 + 1);
        connect(m_cores[i], &QPushButton::clicked, this, [this, i] { escolheCor(i); });
    }
    vv->addWidget(cores);
    vv->addWidget(m_relatorio = new OpcoesRelatorioPagina);
    vv->addStretch();
    return visual;
}

QWidget* frmOptions::criaPaginaOrbes() {
    auto* orbes = new QWidget;
    auto* vo = new QVBoxLayout(orbes);
    auto* tabela = new QGroupBox(QStringLiteral("Tabela de Correlações Orbitais"));
    auto* g = new QGridLayout(tabela);
    g->setHorizontalSpacing(3);
    g->setVerticalSpacing(3);
    const QFont simbolos = FonteDesenho(FONTE_SIGIL, 14);
    const auto cabecalho = [&simbolos](int corpo) {
        auto* cab = new QLabel(Simbolos::BodyInfo(int16_t(corpo)).glifo);
        cab->setFont(simbolos);
        cab->setAlignment(Qt::AlignCenter);
        cab->setToolTip(Simbolos::BodyInfo(int16_t(corpo)).nome);
        return cab;
    };
    for (int b = 1; b <= 9; ++b)
        g->addWidget(cabecalho(b), 0, b);
    for (int a = 2; a <= 10; ++a)
        g->addWidget(cabecalho(a), a - 1, 0);
    for (int k = 0; k < 45; ++k) {
        const auto [a, b] = ParOrbe(k);
        auto* caixa = novaCaixaOrbe(QStringLiteral("aspectvalue%1").arg(k));
        caixa->setToolTip(Simbolos::BodyInfo(int16_t(a)).nome + QStringLiteral(" – ") + Simbolos::BodyInfo(int16_t(b)).nome);
        g->addWidget(caixa, b - 1, a);
        m_aspectvalue[k] = caixa;
    }
    m_ficticios = novaCaixaOrbe(QStringLiteral("ficticios"));
    m_ficticios->setToolTip(QStringLiteral("Orbitas para os pontos ficticios"));
    g->addWidget(new QLabel(QStringLiteral("Pontos fictícios:")), 10, 0, 1, 4, Qt::AlignRight);
    g->addWidget(m_ficticios, 10, 4);
    vo->addWidget(tabela);
    m_avisoOrbes = new QLabel(QStringLiteral("A tabela predefinida não se altera. Para mudar orbes, escolha «Usar a do "
                                             "Utilizador»: as alterações aplicam-se com OK e ficam num ficheiro de orbes."));
    m_avisoOrbes->setObjectName(QStringLiteral("avisoOrbes"));
    m_avisoOrbes->setWordWrap(true);
    vo->addWidget(m_avisoOrbes);
    auto* h = new QHBoxLayout;
    m_predefinido = new QRadioButton(QStringLiteral("Usar Predefinido"));
    m_predefinido->setObjectName(QStringLiteral("optacpect0"));
    m_utilizador = new QRadioButton(QStringLiteral("Usar a do Utilizador"));
    m_utilizador->setObjectName(QStringLiteral("optacpect1"));
    m_guardar = new QPushButton(QStringLiteral("Guardar"));
    m_guardar->setObjectName(QStringLiteral("cmdGuardarOrbes"));
    m_abrir = new QPushButton(QStringLiteral("Abrir"));
    m_abrir->setObjectName(QStringLiteral("cmdAbrirOrbes"));
    h->addWidget(m_predefinido);
    h->addWidget(m_utilizador);
    h->addStretch();
    h->addWidget(m_guardar);
    h->addWidget(m_abrir);
    vo->addLayout(h);
    vo->addStretch();
    connect(m_predefinido, &QRadioButton::clicked, this, [this] { orbesPadrao(true); });
    connect(m_utilizador, &QRadioButton::clicked, this, [this] { orbesPadrao(false); });
    connect(m_guardar, &QPushButton::clicked, this, [this] { guardaOrbes(); });
    connect(m_abrir, &QPushButton::clicked, this, [this] { abreOrbes(); });
    return orbes;
}

void frmOptions::CarregaArranque() {
    for (int i = 0; i < 4; ++i) {
        m_valorCor[i] = unsigned(GetOptionNumero(kOpcaoCor[i]));
        mostraCor(i);
    }
    const int modo = int(GetOptionNumero(5));
    if (auto* b = m_OptionMDC->button(std::clamp(modo, 0, 2)))
        b->setChecked(true);
    for (int i = 0; i < 2; ++i) {
        const QString p = GetOption(1 + i);
        m_actual[i] = p == QLatin1String("False") ? QString() : p;
    }
    EscolhaCalculoActual() = EscolhaDasOpcoes();
}

// The atlas's countries are read once, when the dialog is first opened.
void frmOptions::mostraPaisAtlas() {
    if (m_paisAtlas->count() == 0) {
        m_paisAtlas->addItem(QStringLiteral("Nenhum (só pela população)"), QString());
        Atlas atlas;
        if (atlas.Abre(CaminhoPrograma(QStringLiteral("locais.mdb")), Atlas::CaminhoUtilizador()))
            for (const QString& p : atlas.Paises())
                m_paisAtlas->addItem(p, p);
    }
    const QString pais = PaisDoUtilizador();
    if (m_paisAtlas->findData(pais) < 0)
        m_paisAtlas->addItem(pais, pais);
    m_paisAtlas->setCurrentIndex(m_paisAtlas->findData(pais));
}

int frmOptions::modoCalculo() const { return std::max(0, m_OptionMDC->checkedId()); }

void frmOptions::abre(int pagina) {
    preencheOrbes();
    LoadPanos();
    m_relatorio->carrega();
    mostraCalculo(EscolhaCalculoActual());
    mostraPaisAtlas();
    m_roda->carrega();
    m_tabs->setCurrentIndex(pagina);
    show();
    raise();
    activateWindow();
}

void frmOptions::LoadPanos() {
    for (int i = 0; i < 2; ++i) {
        const QString p = GetOption(1 + i);
        m_caminho[i] = p == QLatin1String("False") ? QString() : p;
        const bool ha = !m_caminho[i].isEmpty();
        m_Nenhum[i]->setChecked(!ha);
        m_txtpicture[i]->setText(ha ? QFileInfo(m_caminho[i]).completeBaseName() : QString());
        m_txtpicture[i]->setToolTip(m_caminho[i]);
        m_cmdProcurar[i]->setEnabled(ha);
        m_txtpicture[i]->setEnabled(ha);
    }
    m_Checkvoltar->setChecked(GetOptionNumero(3) != 0);
}

void frmOptions::SavePanos() {
    SaveOption(1, m_caminho[0]);
    SaveOption(2, m_caminho[1]);
    SaveOption(3, m_Checkvoltar->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
}

void frmOptions::preencheOrbes() {
    const TabelaOrbes& t = OrbesActuais();
    for (int k = 0; k < 45; ++k) {
        const auto [a, b] = ParOrbe(k);
        m_aspectvalue[k]->setValue(t.orb(a, b));
    }
    m_ficticios->setValue(t.orb(1, 13));
    const bool padrao = OrbesPadraoEmUso();
    defineOrbesEditaveis(!padrao);
    m_predefinido->setChecked(padrao);
    m_utilizador->setChecked(!padrao);
    m_guardar->setEnabled(!padrao);
    m_abrir->setEnabled(!padrao);
}

void frmOptions::defineOrbesEditaveis(bool editaveis) {
    // The built-in table is not the user's to change: shown, not edited, and the note says why.
    for (QSpinBox* caixa : m_aspectvalue)
        caixa->setReadOnly(!editaveis);
    m_ficticios->setReadOnly(!editaveis);
    m_avisoOrbes->setVisible(!editaveis);
}

ValoresOrbes frmOptions::valoresGrelha() const {
    ValoresOrbes v{};
    for (int k = 0; k < 45; ++k)
        v[size_t(k)] = int16_t(m_aspectvalue[k]->value());
    v[45] = int16_t(m_ficticios->value());
    return v;
}

bool frmOptions::aplicaOrbesEditadas() {
    if (m_predefinido->isChecked() || valoresGrelha() == OrbesActuais().ValoresFicheiro())
        return true;
    // Orbs edited in the grid take effect on OK, kept in the orb file the user names.
    const QString c = ShowFileDialog(this, true, FicheiroOrbes);
    if (c.isEmpty())
        return false;
    QString erro;
    if (!EscreveFicheiroOrbes(c, valoresGrelha(), &erro)) {
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao(), erro);
        return false;
    }
    const bool ok = LoadOrbs(false, c);
    preencheOrbes();
    return ok;
}

void frmOptions::ok() {
    if (!aplicaOrbesEditadas())
        return;
    for (int i = 0; i < 2; ++i) {
        if (m_Nenhum[i]->isChecked())
            m_caminho[i].clear();
        m_actual[i] = m_caminho[i];
    }
    SavePanos();
    for (int i = 0; i < 4; ++i)
        SaveOption(kOpcaoCor[i], QString::number(m_valorCor[i]));
    SaveOption(5, QString::number(modoCalculo()));
    m_relatorio->guarda();
    guardaCalculo();
    GuardaPaisDoUtilizador(m_paisAtlas->currentData().toString());
    m_roda->aplica();
    hide();
    emit confirmado();
}

void frmOptions::escolheFundo(int i) {
    const QString c = ShowFileDialog(this, false, FicheiroFundo);
    if (c.isEmpty())
        return;
    m_caminho[i] = c;
    m_txtpicture[i]->setText(QFileInfo(c).completeBaseName());
    m_txtpicture[i]->setToolTip(c);
    m_actual[i] = c;
    emit fundosMudaram();
}

void frmOptions::nenhumMudou(int i) {
    const bool nenhum = m_Nenhum[i]->isChecked();
    m_txtpicture[i]->setText(nenhum || m_caminho[i].isEmpty() ? QString() : QFileInfo(m_caminho[i]).completeBaseName());
    m_txtpicture[i]->setEnabled(!nenhum);
    m_cmdProcurar[i]->setEnabled(!nenhum);
}

void frmOptions::mostraCor(int i) {
    m_cores[i]->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid #666;").arg(corQt(m_valorCor[i]).name()));
    m_cores[i]->setToolTip(corQt(m_valorCor[i]).name());
}

void frmOptions::escolheCor(int i) {
    const QColor c = QColorDialog::getColor(corQt(m_valorCor[i]), this, QStringLiteral("Cor"));
    if (!c.isValid())
        return;
    m_valorCor[i] = corNum(c);
    mostraCor(i);
}

void frmOptions::orbesPadrao(bool padrao) {
    if (padrao) {
        LoadOrbs(true, QString());
    } else {
        const QString opcao = GetOption(0);
        if (opcao != QLatin1String("False") && opcao != CaminhoOrbesPadrao())
            LoadOrbs(false, opcao);
    }
    preencheOrbes();
    m_predefinido->setChecked(padrao);
    m_utilizador->setChecked(!padrao);
    m_guardar->setEnabled(!padrao);
    m_abrir->setEnabled(!padrao);
    defineOrbesEditaveis(!padrao);
}

void frmOptions::guardaOrbes() {
    const QString c = ShowFileDialog(this, true, FicheiroOrbes);
    if (c.isEmpty())
        return;
    QString erro;
    if (!EscreveFicheiroOrbes(c, valoresGrelha(), &erro))
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao(), erro);
}

void frmOptions::abreOrbes() {
    const QString c = ShowFileDialog(this, false, FicheiroOrbes);
    if (c.isEmpty())
        return;
    LoadOrbs(false, c);
    preencheOrbes();
}
