// The main window's hand-offs to the reading window, the calculation forms and the atlas.
#include "frmmain.h"

#include "arranque.h"
#include "calculos.h"
#include "escolhaficheiro.h"
#include "folha.h"
#include "frmcalculos.h"
#include "frmglobal.h"
#include "frmlocais.h"
#include "frmoptions.h"
#include "frmread.h"
#include "fusoatlas.h"
#include "mensagens.h"
#include "normaliza.h"
#include "paginacao.h"
#include "efemerides.h"
#include "impressao.h"
#include "possigno.h"
#include "superficieecra.h"

#include <QApplication>
#include <QLineEdit>
#include <QPrinter>
#include <QStatusBar>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>

frmread* frmMain::leitura() {
    if (!m_leitura) {
        m_leitura = new frmread(this);
        m_leitura->defineEditor(m_temGlosador);
        m_leitura->defineRoda([this] { return RodaDoRelatorio(m_sessao.mapa()); });
        connect(m_leitura, &frmread::pedeOpcoes, this, [this] { abreOpcoes(1); });
        connect(m_leitura, &frmread::pedeImpressao, this, [this] { imprime(3, m_leitura); });
    }
    return m_leitura;
}

namespace {
// What makes a report another chart's: the birth data and the positions, not the comments.
QStringList IdentidadeMapa(const CamposMapa& c) {
    QStringList r{c.txtNome, c.sexoMasculino ? QStringLiteral("M") : QStringLiteral("F"), c.txtData, c.txtHora,
                  c.FusoHorario, c.txtlocal, c.txtLatitude, c.txtlongitude};
    for (const QString& p : c.PosPlaneta)
        r << p;
    for (const QString& p : c.PosCasas)
        r << p;
    return r;
}
} // namespace

void frmMain::abreLeitura() {
    leCampos();
    if (!m_sessao.campos().mapaAberto) {
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao(),
                                QStringLiteral("Tem de abrir ou criar um perfil astrologico antes de ler a sua observação"));
        return;
    }
    if (!confirmaPosicoes())
        return;
    Redesenha();
    leitura()->defineEstado(statusBar()->currentMessage());
    leitura()->AutoInterpretacao(m_sessao);
    m_mapaDaLeitura = IdentidadeMapa(m_sessao.campos());
}

frmread* frmMain::leituraDoMapa() {
    frmread* l = leitura();
    const QStringList chave = IdentidadeMapa(m_sessao.campos());
    if (l->txtRTF()->document()->isEmpty() || chave != m_mapaDaLeitura) {
        l->AutoInterpretacao(m_sessao);
        m_mapaDaLeitura = chave;
    }
    return l;
}

bool frmMain::guardaRelatorio(const QString& caminho) {
    leCampos();
    Redesenha();
    return leituraDoMapa()->SaveInterpretacao(caminho);
}

void frmMain::exportaRelatorio() {
    if (!confirmaPosicoes())
        return;
    const QString caminho = ShowFileDialog(this, true, FicheiroRelatorio, m_sessao.campos().txtNome);
    if (!caminho.isEmpty())
        guardaRelatorio(caminho);
}

void frmMain::imprimeRelatorio(QPrinter& impressora, bool tudo) {
    const bool visivel = m_leitura && m_leitura->isVisible();
    frmread* l = leituraDoMapa();
    if (!visivel)
        l->hide();
    if (!tudo) {
        l->Imprime(impressora);
        return;
    }
    // Everything: the positions summary, the wheel and the grid, then the report, one document.
    QTextDocument doc;
    DocumentoTudo(m_sessao.campos(), m_sessao.mapa(), m_Mapa->imagem(), m_aspectospic->imagem(), *l->txtRTF()->document(),
                  *l->txtRTF2()->document(), doc);
    ImprimeDocumento(doc, impressora);
}

void frmMain::opcoesConfirmadas() {
    // New orbs or options change the aspects: every view that shows them follows at once.
    if (m_sessao.campos().mapaAberto) {
        for (int k = 0; k < 13; ++k)
            if (m_botoesInfo[size_t(k)]->isChecked())
                ShowInfo(k + 1);
        if (m_global && m_global->isVisible())
            abreGlobal(m_global->modo());
    }
    if (m_leitura && m_leitura->isVisible())
        m_leitura->AutoInterpretacao(m_sessao);
}

void frmMain::abreFormulario(int k) {
    CamposMapa& c = m_sessao.campos();
    if (c.optwrite == 0) {
        frmcalculosdirectos f(c, k, this);
        if (f.exec() != QDialog::Accepted)
            return;
    } else {
        frmcalculos f(c, k, this);
        if (f.exec() != QDialog::Accepted)
            return;
    }
    m_sessao.marcaAlterado();
    c.mapaAberto = true;
    m_sessao.Refaz();
    actualizaComandos();
}

bool frmMain::podeDeixarLeitura() { return !m_leitura || m_leitura->PodeDescartar(); }

void frmMain::abreAtlas() {
    if (!m_atlas) {
        m_atlas = new locais(this);
        connect(m_atlas, &locais::usar, this, [this](const LocalAtlas& l) { usaLocal(l); });
    }
    m_atlas->show();
    m_atlas->raise();
    m_atlas->activateWindow();
}

void frmMain::usaLocal(const LocalAtlas& l) {
    m_txtlocal->setText(l.nome);
    const Normalizado lat = NormalizaLatitude(l.latitude);
    const Normalizado lon = NormalizaLongitude(l.longitude);
    m_txtLatitude->setText(lat.ok ? lat.texto : l.latitude);
    m_txtlongitude->setText(lon.ok ? lon.texto : l.longitude);
    m_sessao.marcaAlterado();
    leCampos();
    m_localAtlas = l;
    m_fusoDoAtlas.reset();
    aplicaFusoAtlas();
    // A place changed after a cast moves the whole chart: cast again where the mode says so,
    // otherwise the chart is left marked out of date.
    if (m_sessao.campos().mapaAberto && calculaNoFuso())
        calcula();
}

void frmMain::aplicaFusoAtlas() {
    // Only a place taken from the atlas, with the date and time typed, sets the zone; and once
    // the zone field holds anything but what the atlas wrote (typed, or read from a chart), it
    // is the user's and stays.
    if (m_localAtlas.fuso.isEmpty() || m_localAtlas.nome != m_txtlocal->text())
        return;
    if (m_fusoDoAtlas && (m_fusoDoAtlas->isNull() || *m_fusoDoAtlas != m_FusoHorario->text()))
        return;
    const auto preenchido =
        FusoDoAtlas(m_localAtlas.fuso, m_txtData->text(), m_txtHora->text(), m_txtlongitude->text());
    if (!preenchido)
        return;
    const FusoLocal& f = preenchido->fuso;
    m_FusoHorario->setText(preenchido->texto);
    m_fusoDoAtlas = m_FusoHorario->text();
    leCampos();
    m_sessao.campos().fusoAtlas = m_localAtlas.fuso;
    statusBar()->showMessage(ExplicaFuso(m_localAtlas.fuso, f), 15000);
    if (f.situacao == FusoLocal::Situacao::Inexistente || f.situacao == FusoLocal::Situacao::Repetida)
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao(), ExplicaFuso(m_localAtlas.fuso, f));
}
