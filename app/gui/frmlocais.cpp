#include "frmlocais.h"

#include "ajusteecra.h"
#include "fontedados.h"
#include "mensagens.h"
#include "normaliza.h"

#include <QComboBox>
#include <QCompleter>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

locais::locais(FonteDados& fonte, QWidget* pai) : QDialog(pai), m_fonte(fonte) {
    setObjectName(QStringLiteral("locais"));
    setWindowTitle(QStringLiteral("Locais"));
    setModal(false);
    auto* v = new QVBoxLayout(this);
    auto* todas = new QGroupBox(QStringLiteral("Todas"));
    auto* vt = new QVBoxLayout(todas);
    m_ComboLocais = new QComboBox;
    m_ComboLocais->setObjectName(QStringLiteral("ComboLocais"));
    m_ComboLocais->setEditable(true);
    m_ComboLocais->setInsertPolicy(QComboBox::NoInsert);
    m_ComboLocais->setMaxVisibleItems(20);
    m_ComboLocais->completer()->setFilterMode(Qt::MatchContains);
    m_ComboLocais->completer()->setCompletionMode(QCompleter::PopupCompletion);
    vt->addWidget(m_ComboLocais);
    v->addWidget(todas);

    auto* f = new QFormLayout;
    m_localNome = new QLineEdit;
    m_localNome->setObjectName(QStringLiteral("localNome"));
    m_latitude = new QLineEdit;
    m_latitude->setObjectName(QStringLiteral("latitude"));
    m_longitude = new QLineEdit;
    m_longitude->setObjectName(QStringLiteral("longitude"));
    f->addRow(QStringLiteral("Nome"), m_localNome);
    f->addRow(QStringLiteral("Latitude"), m_latitude);
    f->addRow(QStringLiteral("Longitude"), m_longitude);
    // The zone is not typed: it comes with the shipped places and sets the zone field.
    m_fuso = new QLabel;
    m_fuso->setObjectName(QStringLiteral("fuso"));
    m_fuso->setTextInteractionFlags(Qt::TextSelectableByMouse);
    f->addRow(QStringLiteral("Fuso horário"), m_fuso);
    v->addLayout(f);

    auto* h = new QHBoxLayout;
    auto* anterior = new QPushButton(QStringLiteral("<-"));
    anterior->setObjectName(QStringLiteral("navegacao0"));
    auto* seguinte = new QPushButton(QStringLiteral("->"));
    seguinte->setObjectName(QStringLiteral("navegacao1"));
    auto* adicionar = new QPushButton(QStringLiteral("Adicionar"));
    adicionar->setObjectName(QStringLiteral("Command2"));
    m_cmd = new QPushButton(QStringLiteral("Usar Este"));
    m_cmd->setObjectName(QStringLiteral("cmd"));
    m_cmd->setDefault(true);
    auto* fechar = new QPushButton(QStringLiteral("Fechar"));
    fechar->setObjectName(QStringLiteral("Command1"));
    for (auto* b : {anterior, seguinte, adicionar, m_cmd, fechar}) {
        b->setAutoDefault(b == m_cmd);
        h->addWidget(b);
    }
    v->addLayout(h);

    connect(m_ComboLocais, &QComboBox::textActivated, this, [this](const QString& t) {
        // The list also reports its text when it loses the focus: that neither throws away a
        // place being added nor moves off the place already shown.
        if (m_fonte.EmAdicao() && !m_ComboLocais->hasFocus())
            return;
        if (!m_fonte.EmAdicao() && m_fonte.TemRegisto() && m_fonte.Campo(QStringLiteral("Local")) == t)
            return;
        if (!guardaNovo())
            return;
        FindLocal(t);
    });
    connect(anterior, &QPushButton::clicked, this, [this] { move(false); });
    connect(seguinte, &QPushButton::clicked, this, [this] { move(true); });
    connect(adicionar, &QPushButton::clicked, this, [this] { Add(); });
    connect(m_cmd, &QPushButton::clicked, this, [this] {
        if (m_fonte.EmAdicao() && !guardaNovo())
            return;
        if (m_localNome->text().trimmed().isEmpty())
            return;
        emit usar(actual());
        hide();
    });
    connect(fechar, &QPushButton::clicked, this, [this] {
        guardaNovo();
        hide();
    });
    AjustaAoEcra(this, QSize(460, 240));
}

void locais::showEvent(QShowEvent* e) {
    // Filled each time the window is shown, so places added since appear.
    PreencheLista();
    QDialog::showEvent(e);
}

void locais::PreencheLista() {
    const QString corrente = m_ComboLocais->currentText();
    QStringList nomes;
    m_fonte.MoveFirst();
    while (m_fonte.TemRegisto() && !m_fonte.EOF_()) {
        nomes << m_fonte.Campo(QStringLiteral("Local"));
        m_fonte.MoveNext();
    }
    m_ComboLocais->clear();
    m_ComboLocais->addItems(nomes);
    m_ComboLocais->setEditText(corrente);
    if (!corrente.isEmpty())
        FindLocal(corrente);
    else {
        m_fonte.MoveFirst();
        mostraRegisto();
    }
}

bool locais::FindLocal(const QString& nome) {
    const bool ok = m_fonte.FindFirst(QStringLiteral("Local"), nome);
    mostraRegisto();
    return ok;
}

void locais::mostraRegisto() {
    m_localNome->setText(m_fonte.Campo(QStringLiteral("Local")));
    m_latitude->setText(m_fonte.Campo(QStringLiteral("Latitude")));
    m_longitude->setText(m_fonte.Campo(QStringLiteral("Longitude")));
    const QString fuso = m_fonte.Campo(QStringLiteral("Fuso"));
    m_fuso->setText(fuso.isEmpty() && m_fonte.TemRegisto() ? QStringLiteral("(escreva o fuso no mapa)") : fuso);
    if (m_fonte.TemRegisto() && m_ComboLocais->currentText() != m_localNome->text())
        m_ComboLocais->setEditText(m_localNome->text());
}

void locais::move(bool seguinte) {
    if (!guardaNovo() && m_fonte.EmAdicao())
        return;
    if (seguinte)
        m_fonte.MoveNext();
    else
        m_fonte.MovePrevious();
    if (!m_fonte.TemRegisto()) {
        // At either end the last record stays on show.
        if (seguinte)
            m_fonte.MoveLast();
        else
            m_fonte.MoveFirst();
    }
    mostraRegisto();
}

void locais::Add() {
    if (!guardaNovo() && m_fonte.EmAdicao())
        return;
    m_fonte.AddNew();
    m_localNome->clear();
    m_latitude->clear();
    m_longitude->clear();
    m_fuso->clear();
    m_localNome->setFocus();
}

bool locais::guardaNovo() {
    if (!m_fonte.EmAdicao())
        return true;
    const QString nome = m_localNome->text().trimmed();
    if (nome.isEmpty() && m_latitude->text().trimmed().isEmpty() && m_longitude->text().trimmed().isEmpty()) {
        m_fonte.CancelUpdate();
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
    if (!erro.isEmpty()) {
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, QStringLiteral("Locais"), erro);
        return false;
    }
    m_fonte.SetCampo(QStringLiteral("Local"), nome);
    m_fonte.SetCampo(QStringLiteral("Latitude"), lat.texto);
    m_fonte.SetCampo(QStringLiteral("Longitude"), m_longitude->text().trimmed());
    if (!m_fonte.Update()) {
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, QStringLiteral("Locais"),
                                QStringLiteral("Não foi possível guardar o local: ") + m_fonte.Erro());
        return false;
    }
    // The list shows a newly added place at once.
    m_ComboLocais->addItem(nome);
    mostraRegisto();
    return true;
}

LocalAtlas locais::actual() const {
    LocalAtlas l;
    l.nome = m_localNome->text();
    l.latitude = m_latitude->text();
    l.longitude = m_longitude->text();
    if (m_fonte.TemRegisto() && m_fonte.Campo(QStringLiteral("Local")) == l.nome)
        l.fuso = m_fonte.Campo(QStringLiteral("Fuso"));
    return l;
}
