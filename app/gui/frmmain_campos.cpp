// The birth-data and position fields: the model shown in the controls, edits written back,
// and the events of leaving and entering fields.
#include "frmmain.h"

#include "ajusteecra.h"
#include "ficheiromapa.h"
#include "fusohorario.h"
#include "mensagens.h"
#include "motormapa.h"
#include "normaliza.h"
#include "opcoes.h"
#include "superficieecra.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QApplication>
#include <QDesktopServices>
#include <QUrl>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTextCursor>
#include <QToolButton>

namespace {
using Normalizador = Normalizado (*)(const QString&);
} // namespace

void frmMain::ligaCampos() {
    auto alterou = [this] {
        if (!m_aMostrar)
            m_sessao.marcaAlterado();
    };
    for (QLineEdit* c : {m_txtNome, m_txtData, m_txtHora, m_FusoHorario, m_txttemposideral, m_txtlocal, m_txtLatitude,
                         m_txtlongitude, m_txtemail})
        connect(c, &QLineEdit::textEdited, this, alterou);
    for (QLineEdit* c : m_PosCasas)
        connect(c, &QLineEdit::textEdited, this, alterou);
    connect(m_cometarios, &QPlainTextEdit::textChanged, this, alterou);
    connect(m_masculino, &QRadioButton::toggled, this, [this, alterou] {
        m_sessao.campos().sexoMasculino = m_masculino->isChecked();
        alterou();
    });
    for (int i = 0; i < 3; ++i) {
        connect(m_optwrite[i], &QRadioButton::toggled, this, [this, i](bool marcado) {
            if (!marcado || m_aMostrar)
                return;
            m_sessao.campos().optwrite = i;
            mostraPosicoes();
            actualizaComandos();
        });
        // Clicked, not toggled: choosing "Automáticamente" again, already selected, still asks.
        if (i == 2)
            connect(m_optwrite[i], &QRadioButton::clicked, this, [this] {
                if (CaixaMensagens().Mostra(IconeMsg::Pergunta, TituloAplicacao(),
                                            QStringLiteral("Deseja proceder ao cálculo automático agora?"),
                                            BotoesMsg::SimNao) == RespostaMsg::Sim)
                    calcula();
            });
    }
    for (QLineEdit* c : {m_txtData, m_txtHora, m_FusoHorario, m_txtLatitude, m_txtlongitude})
        connect(c, &QLineEdit::textChanged, this, [this, c] {
            actualizaAviso(c, false);
            actualizaComandos();
            if (m_aMostrar)
                return;
            // Whatever route changed a birth datum (typed, pasted, the atlas), the chart on
            // screen says at once whether its positions still belong to the data shown.
            CamposMapa& m = m_sessao.campos();
            m.txtData = m_txtData->text();
            m.txtHora = m_txtHora->text();
            m.FusoHorario = m_FusoHorario->text();
            m.txtLatitude = m_txtLatitude->text();
            m.txtlongitude = m_txtlongitude->text();
            actualizaEstado();
        });
    connect(m_txtlocal, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (t.isEmpty())
            m_cmdatlas->setVisible(true);
    });
    connect(m_txtlongitude, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (t.isEmpty())
            m_cmdatlas->setVisible(true);
        const Normalizado n = NormalizaLongitude(t);
        if (n.ok) {
            const double graus = std::abs(n.valor * 15.0);
            const int g = int(graus);
            const int m = int((graus - g) * 60.0);
            m_txtlongitude->setToolTip(QStringLiteral("%1º%2' %3").arg(g).arg(m).arg(n.valor > 0 ? u'W' : u'E'));
        } else {
            m_txtlongitude->setToolTip(QString());
        }
    });
    connect(m_FusoHorario, &QLineEdit::textChanged, this, [this] { actualizaFusoDescrito(); });
    // A zone typed by hand is the user's: the atlas never writes over it again.
    connect(m_FusoHorario, &QLineEdit::textEdited, this, [this] {
        m_fusoDoAtlas = QString();
        m_sessao.campos().fusoAtlas.clear();
    });
    connect(m_cmdatlas, &QPushButton::clicked, this, [this] { abreAtlas(); });
}

void frmMain::leCampos() {
    CamposMapa& c = m_sessao.campos();
    c.txtNome = m_txtNome->text();
    c.sexoMasculino = m_masculino->isChecked();
    c.txtData = m_txtData->text();
    c.txtHora = m_txtHora->text();
    c.FusoHorario = m_FusoHorario->text();
    c.txttemposideral = m_txttemposideral->text();
    c.txtlocal = m_txtlocal->text();
    c.txtLatitude = m_txtLatitude->text();
    c.txtlongitude = m_txtlongitude->text();
    c.txtemail = m_txtemail->text();
    c.cometarios = m_cometarios->toPlainText();
    for (int k = 0; k < 6; ++k)
        c.PosCasas[k] = m_PosCasas[k]->text();
    for (int i = 0; i < 3; ++i)
        if (m_optwrite[i]->isChecked())
            c.optwrite = i;
    // A chart file cannot hold a double quote: replaced here, where the text enters the model,
    // so every save writes what the field shows, and said in the status bar rather than in a
    // box that would open in the middle of a change of focus.
    const QStringList comAspas = SubstituiAspas(c);
    if (!comAspas.isEmpty()) {
        MostraCampos();
        statusBar()->showMessage(QStringLiteral("Um ficheiro de mapa não pode guardar aspas (\"): foram trocadas por "
                                                "aspas tipográficas (”) em: ") +
                                     comAspas.join(QStringLiteral(", ")) + QLatin1Char('.'),
                                 15000);
    }
}

void frmMain::MostraCampos() {
    m_aMostrar = true;
    const CamposMapa& c = m_sessao.campos();
    auto poe = [](QLineEdit* campo, const QString& t) {
        if (campo->text() != t)
            campo->setText(t);
    };
    poe(m_txtNome, c.txtNome);
    (c.sexoMasculino ? m_masculino : m_feminino)->setChecked(true);
    poe(m_txtData, c.txtData);
    poe(m_txtHora, c.txtHora);
    poe(m_FusoHorario, c.FusoHorario);
    poe(m_txttemposideral, c.txttemposideral);
    poe(m_txtlocal, c.txtlocal);
    poe(m_txtLatitude, c.txtLatitude);
    poe(m_txtlongitude, c.txtlongitude);
    poe(m_txtemail, c.txtemail);
    if (m_cometarios->toPlainText() != c.cometarios) {
        const int cursor = m_cometarios->textCursor().position();
        m_cometarios->setPlainText(c.cometarios);
        QTextCursor t = m_cometarios->textCursor();
        t.setPosition(std::min(cursor, int(c.cometarios.size())));
        m_cometarios->setTextCursor(t);
    }
    mostraPosicoes();
    for (int i = 0; i < 12; ++i)
        m_lblretrogrado[i]->setVisible(c.lblretrogrado[i]);
    for (int k = 0; k < 6; ++k) {
        poe(m_PosCasas[k], c.PosCasas[k]);
        m_lPosCasas[k]->setText(c.lPosCasas[k]);
    }
    for (int i = 0; i < 3; ++i)
        m_lblHoras[i]->setText(c.lblHoras[i]);
    for (int k = 0; k < 7; ++k) {
        m_partes[k]->setText(c.partes[k]);
        m_partesCasa[k]->setText(c.partesCasa[k]);
    }
    m_KeyWord->setText(c.KeyWord);
    m_anjo->setText(c.anjo);
    m_lblesclarecedor->setText(c.lblesclarecedor.isEmpty() ? QString()
                                                           : QStringLiteral("Esclarecedor: ") + c.lblesclarecedor);
    m_Eclipse->setVisible(c.Eclipse);
    m_optwrite[std::clamp(c.optwrite, 0, 2)]->setChecked(true);
    for (auto it = m_avisos.cbegin(); it != m_avisos.cend(); ++it)
        actualizaAviso(it.key(), false);
    actualizaFusoDescrito();
    m_aMostrar = false;
    actualizaEstado();
}

void frmMain::actualizaEstado() {
    const bool desactualizado = m_sessao.desactualizado();
    setWindowTitle(desactualizado ? TituloAplicacao() + QStringLiteral(" — mapa desactualizado") : TituloAplicacao());
    m_lblDesactualizado->setVisible(desactualizado);
    if (desactualizado != m_desenhadoDesactualizado)
        Redesenha();
}

bool frmMain::confirmaPosicoes() {
    leCampos();
    const bool ok = m_sessao.ConfirmaPosicoes();
    MostraCampos();
    return ok;
}

void frmMain::mostraPosicoes() {
    // Typed by hand, an empty position must still be seen as a place to click.
    const CamposMapa& c = m_sessao.campos();
    for (int i = 0; i < 13; ++i)
        m_PosPlaneta[i]->setText(c.PosPlaneta[i].isEmpty() && i < 12 && c.optwrite != 2
                                     ? QStringLiteral("(clique para escrever)")
                                     : c.PosPlaneta[i]);
    bool algum = false;
    for (int k = 0; k < N_PONTOS_EXTRA; ++k) {
        const bool tem = !c.PosExtra[k].isEmpty();
        algum = algum || tem;
        const auto& linha = m_linhaExtra[size_t(k)];
        linha[1]->setText(c.PosExtra[k]);
        linha[0]->setVisible(tem);
        linha[1]->setVisible(tem);
        linha[2]->setVisible(tem && c.retroExtra[k]);
    }
    m_quadroExtra->setVisible(algum);
}

void frmMain::actualizaFusoDescrito() {
    const Normalizado n = NormalizaFuso(m_FusoHorario->text());
    m_fusoDescrito->setText(n.ok && !m_FusoHorario->text().trimmed().isEmpty() ? DescreveFuso(n.valor) : QString());
}

Normalizado frmMain::normalizaCampo(QLineEdit* campo) const {
    Normalizador f = nullptr;
    if (campo == m_txtData)
        f = NormalizaData;
    else if (campo == m_txtHora)
        f = NormalizaHora;
    else if (campo == m_FusoHorario)
        f = NormalizaFuso;
    else if (campo == m_txtLatitude)
        f = NormalizaLatitude;
    else if (campo == m_txtlongitude)
        f = NormalizaLongitude;
    if (f && !campo->text().trimmed().isEmpty())
        return f(campo->text());
    Normalizado vazio;
    vazio.ok = true;
    vazio.texto = campo->text();
    return vazio;
}

void frmMain::actualizaAviso(QLineEdit* campo, bool mostra) {
    QLabel* aviso = m_avisos.value(campo);
    if (!aviso)
        return;
    // A warning appears when the field is left and stays, following the text, until it reads.
    const Normalizado n = normalizaCampo(campo);
    if (n.ok) {
        aviso->hide();
    } else if (mostra || !aviso->isHidden()) {
        aviso->setText(n.erro);
        aviso->show();
    }
}

void frmMain::validaCampo(QLineEdit* campo) {
    const Normalizado n = normalizaCampo(campo);
    if (n.ok && n.texto != campo->text())
        campo->setText(n.texto);
    actualizaAviso(campo, true);
}

void frmMain::actualizaComandos() {
    const CamposMapa& c = m_sessao.campos();
    EnableButtons(c.mapaAberto);
    // A new chart typed by hand needs the positions view before anything is cast, and the way
    // back to the birth data from it.
    if (!c.mapaAberto && c.optwrite != 2)
        for (const char* n : {"mnudata", "tb_data", "mnuprofile", "tb_id"})
            accao(QString::fromLatin1(n))->setEnabled(true);
    const bool completos = dadosCompletos();
    accao(QStringLiteral("mnucalcular"))->setEnabled(completos);
    m_cmdCalcular->setEnabled(completos);
}

bool frmMain::dadosCompletos() const {
    return NormalizaData(m_txtData->text()).ok && NormalizaHora(m_txtHora->text()).ok &&
           NormalizaFuso(m_FusoHorario->text()).ok && NormalizaLatitude(m_txtLatitude->text()).ok &&
           NormalizaLongitude(m_txtlongitude->text()).ok;
}

void frmMain::campoDeixado(QLineEdit* campo) {
    validaCampo(campo);
    leCampos();
    if (campo == m_txtData || campo == m_txtHora || campo == m_txtlongitude)
        aplicaFusoAtlas();
    if (campo == m_txttemposideral) {
        DerivedTimes(m_sessao.campos());
        MostraCampos();
    }
    // The zone was entered to cast; cast again when it changed, so that the positions shown
    // and saved are those of the zone typed. Any other birth datum changed after a cast casts
    // again as it is left, the same way.
    const bool nascimento = campo == m_txtData || campo == m_txtHora || campo == m_FusoHorario ||
                            campo == m_txtLatitude || campo == m_txtlongitude;
    if (nascimento && m_textoAoEntrar.value(campo) != campo->text() &&
        (campo == m_FusoHorario || m_sessao.campos().mapaAberto) && calculaNoFuso())
        calcula();
}

bool frmMain::calculaNoFuso() const {
    // Only for a chart whose positions are computed, and only when the birth data are not
    // those of the positions shown: positions typed by hand, or an opened chart merely
    // looked at, are never recast without being asked.
    return GetOptionNumero(5) == 0 && m_sessao.campos().optwrite == 2 && dadosCompletos() &&
           m_sessao.dadosPorCalcular();
}

void frmMain::comandoCalcular() {
    leCampos();
    if (!dadosCompletos())
        return;
    const CamposMapa& c = m_sessao.campos();
    const bool aMao = c.optwrite != 2 && std::any_of(c.PosPlaneta.begin(), c.PosPlaneta.end() - 1,
                                                       [](const QString& p) { return !p.isEmpty(); });
    if (aMao && CaixaMensagens().Mostra(IconeMsg::Pergunta, TituloAplicacao(),
                                        QStringLiteral("As posições foram escritas à mão.\n"
                                                       "Deseja substituí-las pelas posições calculadas?"),
                                        BotoesMsg::SimNao) != RespostaMsg::Sim)
        return;
    m_aMostrar = true;
    m_optwrite[2]->setChecked(true);
    m_aMostrar = false;
    calcula();
}

void frmMain::cuspideDeixada(int k) {
    QLineEdit* campo = m_PosCasas[k];
    if (campo->text().trimmed().isEmpty())
        return;
    const Normalizado n = NormalizaPosicao(campo->text());
    if (!n.ok) {
        campo->setToolTip(n.erro);
        campo->setStyleSheet(QStringLiteral("border: 1px solid #b00020;"));
        statusBar()->showMessage(n.erro, 8000);
        return;
    }
    campo->setToolTip(QString());
    campo->setStyleSheet(QString());
    if (campo->text() == n.texto && m_sessao.campos().PosCasas[k] == n.texto)
        return;
    campo->setText(n.texto);
    leCampos();
    m_sessao.marcaAlterado();
    // A cusp edited by hand changes every body's house and every part: the whole rebuild.
    m_sessao.Refaz();
    MostraCampos();
}

bool frmMain::event(QEvent* evento) {
    return DicaDeEstadoVazia(evento) || QMainWindow::event(evento);
}

bool frmMain::eventFilter(QObject* objecto, QEvent* evento) {
    if (evento->type() == QEvent::FocusIn) {
        if (auto* campo = qobject_cast<QLineEdit*>(objecto)) {
            m_textoAoEntrar.insert(campo, campo->text());
            if (campo == m_FusoHorario && calculaNoFuso())
                calcula();
        }
    } else if (evento->type() == QEvent::FocusOut) {
        if (objecto == m_cometarios) {
            leCampos();
            // The box then shows what the file holds (typographic quotes).
            if (m_sessao.GuardaAutomatico())
                MostraCampos();
        } else if (auto* campo = qobject_cast<QLineEdit*>(objecto)) {
            const int k = int(std::find(m_PosCasas.begin(), m_PosCasas.end(), campo) - m_PosCasas.begin());
            if (k < 6)
                cuspideDeixada(k);
            else
                campoDeixado(campo);
        }
    }
    return QMainWindow::eventFilter(objecto, evento);
}

void frmMain::calcula() {
    leCampos();
    for (QLineEdit* campo : m_avisos.keys())
        validaCampo(campo);
    leCampos();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = m_sessao.Calcula();
    QApplication::restoreOverrideCursor();
    MostraCampos();
    actualizaComandos();
    if (ok) {
        statusBar()->showMessage(QStringLiteral("Mapa calculado para %1, %2 %3. ")
                                     .arg(m_sessao.campos().txtlocal, m_sessao.campos().txtData, m_sessao.campos().txtHora) +
                                 TextoCalculo(m_sessao.campos()));
        ShowInfo(1);
    }
}

void frmMain::recalculaTempos() {
    leCampos();
    DerivedTimes(m_sessao.campos());
    MostraCampos();
}

void frmMain::escreveEmail() {
    const QString endereco = m_txtemail->text().trimmed();
    if (endereco.contains(QLatin1Char('@')))
        QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + endereco));
}

void frmMain::refaz() {
    leCampos();
    if (!m_sessao.campos().mapaAberto)
        return;
    if (m_sessao.RefazComEscolha())
        statusBar()->showMessage(QStringLiteral("Mapa calculado de novo. ") + TextoCalculo(m_sessao.campos()));
    MostraCampos();
}

void frmMain::posicaoClicada(int k) {
    leCampos();
    const int modo = m_sessao.campos().optwrite;
    if (modo == 2)
        return;
    if (!m_sessao.campos().PosPlaneta[k].isEmpty() &&
        CaixaMensagens().Mostra(IconeMsg::Pergunta, TituloAplicacao(), QStringLiteral("Deseja alterar o valor existente ?"),
                                BotoesMsg::SimNao) != RespostaMsg::Sim)
        return;
    m_PosPlaneta[k]->setStyleSheet(QStringLiteral("text-align: left; padding: 2px 6px; background: #fff3b0;"));
    abreFormulario(k);
    m_PosPlaneta[k]->setStyleSheet(QStringLiteral("text-align: left; padding: 2px 6px;"));
    MostraCampos();
}

void frmMain::ShowInfo(int corpo) {
    if (corpo < 1 || corpo > 13)
        return;
    m_info->setText(TextoShowInfo(m_sessao.mapa(), corpo).toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")));
    if (!m_botoesInfo[corpo - 1]->isChecked())
        m_botoesInfo[corpo - 1]->setChecked(true);
}
