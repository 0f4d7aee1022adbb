#include "frmlocais.h"

#include "ajusteecra.h"
#include "mensagens.h"
#include "normaliza.h"
#include "opcoes.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int kLinhas = 100; // rows shown for a search: more than anyone scrolls through

QString Onde(const LocalAtlas& l) {
    QStringList p;
    for (const QString& s : {l.regiao, l.pais})
        if (!s.isEmpty())
            p << s;
    return p.join(QStringLiteral(", "));
}

void Avisa(const QString& texto) { CaixaMensagens().Mostra(IconeMsg::Exclamacao, QStringLiteral("Locais"), texto); }
} // namespace

locais::locais(QWidget* pai) : QDialog(pai) {
    setObjectName(QStringLiteral("locais"));
    setWindowTitle(QStringLiteral("Locais"));
    setModal(false);
    QString erro;
    if (!m_atlas.Abre(CaminhoPrograma(QStringLiteral("locais.mdb")), Atlas::CaminhoUtilizador(), &erro))
        CaixaMensagens().Mostra(IconeMsg::Critico, TituloAplicacao(), erro);
    else if (!m_atlas.Aviso().isEmpty())
        Avisa(m_atlas.Aviso());

    auto* v = new QVBoxLayout(this);
    v->addLayout(criaProcura());
    v->addWidget(criaLista(), 1);
    v->addLayout(criaCampos());
    v->addLayout(criaBotoes());
    AjustaAoEcra(this, QSize(640, 520));
}

QLayout* locais::criaProcura() {
    auto* linhaProcura = new QHBoxLayout;
    m_procura = new QLineEdit;
    m_procura->setObjectName(QStringLiteral("txtProcura"));
    m_procura->setPlaceholderText(QStringLiteral("Nome do local (ex.: sao paulo, ou Calheta, Madeira)"));
    m_procura->setClearButtonEnabled(true);
    m_procura->installEventFilter(this);
    auto* botaoProcurar = new QPushButton(QStringLiteral("&Procurar"));
    botaoProcurar->setObjectName(QStringLiteral("cmdProcurar"));
    linhaProcura->addWidget(m_procura, 1);
    linhaProcura->addWidget(botaoProcurar);
    // Enter in the search field picks the highlighted place, never this button.
    botaoProcurar->setAutoDefault(false);
    connect(m_procura, &QLineEdit::textEdited, this, [this] { PreencheLista(); });
    connect(botaoProcurar, &QPushButton::clicked, this, [this] { procurar(); });
    return linhaProcura;
}

QWidget* locais::criaLista() {
    auto* todas = new QGroupBox(QStringLiteral("Todas"));
    auto* vt = new QVBoxLayout(todas);
    m_ComboLocais = new QTreeWidget;
    m_ComboLocais->setObjectName(QStringLiteral("ComboLocais"));
    m_ComboLocais->setHeaderLabels({QStringLiteral("Local"), QStringLiteral("Região, país"), QStringLiteral("Habitantes")});
    m_ComboLocais->setRootIsDecorated(false);
    m_ComboLocais->setUniformRowHeights(true);
    m_ComboLocais->setAllColumnsShowFocus(true);
    m_ComboLocais->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_ComboLocais->header()->setStretchLastSection(false);
    m_ComboLocais->setColumnWidth(1, 220);
    m_ComboLocais->setColumnWidth(2, 90);
    vt->addWidget(m_ComboLocais);
    connect(m_ComboLocais, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* i) { escolheLinha(m_ComboLocais->indexOfTopLevelItem(i)); });
    connect(m_ComboLocais, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* i) {
        escolheLinha(m_ComboLocais->indexOfTopLevelItem(i));
        m_cmd->setFocus();
    });
    return todas;
}

QLayout* locais::criaCampos() {
    auto* f = new QFormLayout;
    m_localNome = new QLineEdit;
    m_localNome->setObjectName(QStringLiteral("localNome"));
    m_latitude = new QLineEdit;
    m_latitude->setObjectName(QStringLiteral("latitude"));
    m_longitude = new QLineEdit;
    m_longitude->setObjectName(QStringLiteral("longitude"));
    m_onde = new QLabel;
    m_onde->setObjectName(QStringLiteral("regiao"));
    m_fuso = new QLabel;
    m_fuso->setObjectName(QStringLiteral("fuso"));
    m_fuso->setTextInteractionFlags(Qt::TextSelectableByMouse);
    f->addRow(QStringLiteral("&Nome"), m_localNome);
    f->addRow(QStringLiteral("Região, país"), m_onde);
    f->addRow(QStringLiteral("&Latitude"), m_latitude);
    f->addRow(QStringLiteral("L&ongitude"), m_longitude);
    f->addRow(QStringLiteral("Fuso horário"), m_fuso);
    // Editing a field edits the current place; the edit is stored on leaving it.
    for (QLineEdit* c : {m_localNome, m_latitude, m_longitude})
        connect(c, &QLineEdit::textEdited, this, [this] { m_alterado = true; });
    return f;
}

QLayout* locais::criaBotoes() {
    auto* h = new QHBoxLayout;
    auto* anterior = new QPushButton(QStringLiteral("<-"));
    anterior->setObjectName(QStringLiteral("navegacao0"));
    auto* seguinte = new QPushButton(QStringLiteral("->"));
    seguinte->setObjectName(QStringLiteral("navegacao1"));
    auto* adicionar = new QPushButton(QStringLiteral("&Adicionar"));
    adicionar->setObjectName(QStringLiteral("Command2"));
    m_cmd = new QPushButton(QStringLiteral("&Usar Este"));
    m_cmd->setObjectName(QStringLiteral("cmd"));
    auto* fechar = new QPushButton(QStringLiteral("Fechar"));
    fechar->setObjectName(QStringLiteral("Command1"));
    // Only "Usar Este" answers Enter, and only when it has the focus.
    for (auto* b : {anterior, seguinte, adicionar, m_cmd, fechar}) {
        b->setAutoDefault(b == m_cmd);
        h->addWidget(b);
    }
    connect(anterior, &QPushButton::clicked, this, [this] { move(-1); });
    connect(seguinte, &QPushButton::clicked, this, [this] { move(1); });
    connect(adicionar, &QPushButton::clicked, this, [this] { Add(); });
    connect(m_cmd, &QPushButton::clicked, this, [this] {
        // A highlighted result not yet shown below (a search typed since) is the place meant.
        if (QTreeWidgetItem* i = m_ComboLocais->currentItem(); i && i->toolTip(0) != m_localNome->text())
            escolheLinha(m_ComboLocais->indexOfTopLevelItem(i));
        if (!guardaAlteracoes() || m_localNome->text().trimmed().isEmpty())
            return;
        emit usar(actual());
        hide();
    });
    connect(fechar, &QPushButton::clicked, this, [this] {
        if (guardaAlteracoes())
            hide();
    });
    return h;
}

void locais::reject() {
    // Escape, the window's close button and quitting keep a place being typed, as "Fechar" does.
    if (guardaAlteracoes())
        QDialog::reject();
}

void locais::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // Reopened, the window waits for a new search: typing never lands on a button.
    m_procura->setFocus();
    m_procura->selectAll();
}

bool locais::eventFilter(QObject* objecto, QEvent* evento) {
    if (objecto == m_procura && evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        const int linha = m_ComboLocais->indexOfTopLevelItem(m_ComboLocais->currentItem());
        const int n = m_ComboLocais->topLevelItemCount();
        int nova = -2;
        if (tecla == Qt::Key_Down)
            nova = std::min(linha + 1, n - 1);
        else if (tecla == Qt::Key_Up)
            nova = std::max(linha - 1, 0);
        else if (tecla == Qt::Key_PageDown)
            nova = std::min(linha + 10, n - 1);
        else if (tecla == Qt::Key_PageUp)
            nova = std::max(linha - 10, 0);
        if (nova > -2) {
            if (n > 0)
                m_ComboLocais->setCurrentItem(m_ComboLocais->topLevelItem(nova));
            return true;
        }
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            if (procurar())
                m_cmd->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(objecto, evento);
}

void locais::PreencheLista() {
    m_atlas.DefinePaisPrimeiro(PaisDoUtilizador()); // the options may name another country meanwhile
    m_resultados = m_atlas.Procura(m_procura->text(), kLinhas);
    m_ComboLocais->setUpdatesEnabled(false);
    m_ComboLocais->clear();
    QList<QTreeWidgetItem*> itens;
    itens.reserve(m_resultados.size());
    const QLocale pt(QLocale::Portuguese, QLocale::Portugal);
    for (const LocalAtlas& l : m_resultados) {
        const QString nome = l.nome.left(l.nome.indexOf(QStringLiteral(" (")));
        auto* i = new QTreeWidgetItem({nome, Onde(l), l.populacao > 0 ? pt.toString(l.populacao) : QString()});
        i->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        i->setToolTip(0, l.nome);
        itens << i;
    }
    m_ComboLocais->addTopLevelItems(itens);
    if (!itens.isEmpty())
        m_ComboLocais->setCurrentItem(itens.first());
    m_ComboLocais->setUpdatesEnabled(true);
}

// Enter or "Procurar": the place named exactly, else the highlighted (or first) result.
bool locais::procurar() {
    const QString texto = m_procura->text().trimmed();
    if (texto.isEmpty())
        return false;
    if (m_atlas.FindLocal(texto))
        return FindLocal(texto);
    if (m_resultados.isEmpty())
        PreencheLista();
    if (m_resultados.isEmpty()) {
        Avisa(QStringLiteral("Nenhum local do atlas corresponde a \"%1\".").arg(texto));
        return false;
    }
    escolheLinha(std::max(0, m_ComboLocais->indexOfTopLevelItem(m_ComboLocais->currentItem())));
    return true;
}

void locais::escolheLinha(int linha) {
    if (linha < 0 || linha >= m_resultados.size() || !guardaAlteracoes())
        return;
    m_ComboLocais->setCurrentItem(m_ComboLocais->topLevelItem(linha));
    mostra(m_resultados[linha]);
}

bool locais::FindLocal(const QString& nome) {
    if (!guardaAlteracoes())
        return false;
    const std::optional<LocalAtlas> l = m_atlas.FindLocal(nome);
    mostra(l);
    return l.has_value();
}

void locais::mostra(const std::optional<LocalAtlas>& l) {
    m_actual = l;
    m_emAdicao = false;
    m_alterado = false;
    m_localNome->setText(l ? l->nome : QString());
    m_latitude->setText(l ? l->latitude : QString());
    m_longitude->setText(l ? l->longitude : QString());
    m_onde->setText(l ? Onde(*l) : QString());
    m_fuso->setText(!l ? QString() : l->fuso.isEmpty() ? QStringLiteral("(escreva o fuso no mapa)") : l->fuso);
}

void locais::move(int passo) {
    const int n = m_ComboLocais->topLevelItemCount();
    if (n == 0)
        return;
    const int linha = m_ComboLocais->indexOfTopLevelItem(m_ComboLocais->currentItem());
    escolheLinha(std::clamp(linha + passo, 0, n - 1));
}

void locais::Add() {
    if (!guardaAlteracoes())
        return;
    mostra(std::nullopt);
    m_emAdicao = true;
    m_localNome->setFocus();
}

// Stores a new place or the edit of the current one in the user's own places; false (with a
// message) when the fields cannot be stored, so that nothing typed is lost.
bool locais::guardaAlteracoes() {
    if (!m_alterado && !m_emAdicao)
        return true;
    const QString nome = m_localNome->text().trimmed();
    if (m_emAdicao && nome.isEmpty() && m_latitude->text().trimmed().isEmpty() &&
        m_longitude->text().trimmed().isEmpty()) {
        m_emAdicao = false;
        return true;
    }
    const Normalizado lat = NormalizaLatitude(m_latitude->text());
    const Normalizado lon = NormalizaLongitude(m_longitude->text());
    QString erro;
    if (nome.isEmpty())
        erro = QStringLiteral("Escreva o nome do local.");
    else if (!lat.ok)
        erro = QStringLiteral("Latitude: ") + lat.erro;
    else if (!lon.ok)
        erro = QStringLiteral("Longitude: ") + lon.erro;
    LocalAtlas l;
    if (m_actual && !m_emAdicao) {
        // The edit keeps the place's zone and names the record it stands for.
        l = *m_actual;
        l.original = m_actual->nome;
    }
    l.nome = nome;
    l.latitude = lat.ok ? lat.texto : m_latitude->text().trimmed();
    l.longitude = m_longitude->text().trimmed();
    if (erro.isEmpty() && nome != (m_actual ? m_actual->nome : QString()) && m_atlas.FindLocal(nome))
        erro = QStringLiteral("Já existe um local chamado \"%1\".").arg(nome);
    if (erro.isEmpty() && !m_atlas.Guarda(l, &erro))
        erro = QStringLiteral("Não foi possível guardar o local: ") + erro;
    if (!erro.isEmpty()) {
        Avisa(erro);
        return false;
    }
    mostra(m_atlas.FindLocal(nome));
    return true;
}

LocalAtlas locais::actual() const {
    LocalAtlas l = m_actual.value_or(LocalAtlas{});
    l.nome = m_localNome->text();
    l.latitude = m_latitude->text();
    l.longitude = m_longitude->text();
    return l;
}
