// The main window's hand-offs to the reading window, the calculation forms and the atlas.
#include "frmmain.h"

#include "arranque.h"
#include "calculos.h"
#include "escolhaficheiro.h"
#include "frmcalculos.h"
#include "frmlocais.h"
#include "frmoptions.h"
#include "frmread.h"
#include "fusohorario.h"
#include "mensagens.h"
#include "normaliza.h"
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

frmread* frmMain::leitura() {
    if (!m_leitura) {
        m_leitura = new frmread(this);
        m_leitura->defineEditor(m_temGlosador);
        connect(m_leitura, &frmread::pedeOpcoes, this, [this] { abreOpcoes(1); });
        connect(m_leitura, &frmread::pedeImpressao, this, [this] { imprime(3); });
    }
    return m_leitura;
}

void frmMain::abreLeitura() {
    leCampos();
    if (!m_sessao.campos().mapaAberto) {
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao(),
                                QStringLiteral("Tem de abrir ou criar um perfil astrologico antes de ler a sua observação"));
        return;
    }
    Redesenha();
    leitura()->defineEstado(statusBar()->currentMessage());
    leitura()->AutoInterpretacao(m_sessao);
}

bool frmMain::guardaRelatorio(const QString& caminho) {
    leCampos();
    Redesenha();
    frmread* l = leitura();
    if (l->txtRTF()->document()->isEmpty())
        l->AutoInterpretacao(m_sessao);
    return l->SaveInterpretacao(caminho);
}

void frmMain::exportaRelatorio() {
    const QString caminho = ShowFileDialog(this, true, FicheiroRelatorio, m_sessao.campos().txtNome);
    if (!caminho.isEmpty())
        guardaRelatorio(caminho);
}

void frmMain::imprimeRelatorio(QPrinter& impressora, bool tudo) {
    frmread* l = leitura();
    if (l->txtRTF()->document()->isEmpty()) {
        l->AutoInterpretacao(m_sessao);
        l->hide();
    }
    if (!tudo) {
        l->Imprime(impressora);
        return;
    }
    // Everything: the positions summary, the wheel and the grid, then the report, one document.
    QTextDocument doc;
    DocumentoTudo(m_sessao.campos(), m_sessao.mapa(), m_Mapa->imagem(), m_aspectospic->imagem(), *l->txtRTF()->document(),
                  *l->txtRTF2()->document(), doc);
    doc.print(&impressora);
}

void frmMain::opcoesConfirmadas() {
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
        m_atlas = new locais(DataLocais(), this);
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
    aplicaFusoAtlas();
}

void frmMain::aplicaFusoAtlas() {
    // Only a place taken from the atlas, with the date and time typed, sets the zone.
    if (m_localAtlas.fuso.isEmpty() || m_localAtlas.nome != m_txtlocal->text())
        return;
    const Normalizado data = NormalizaData(m_txtData->text());
    const Normalizado hora = NormalizaHora(m_txtHora->text());
    const Normalizado lon = NormalizaLongitude(m_txtlongitude->text());
    if (!data.ok || !hora.ok || !lon.ok)
        return;
    const RegistoTempo t = LerDataHora(data.texto, hora.texto);
    const FusoLocal f = FusoParaLocal(m_localAtlas.fuso, QDate(t.ano, t.mes, t.dia), QTime(t.hora, t.minuto),
                                      -lon.valor * 15.0);
    if (f.situacao == FusoLocal::Situacao::ZonaDesconhecida)
        return;
    PosSigno p;
    p.setValorGraus(f.horas);
    m_FusoHorario->setText(p.RetornaFormatado(1, false));
    leCampos();
    statusBar()->showMessage(ExplicaFuso(m_localAtlas.fuso, f), 15000);
    if (f.situacao == FusoLocal::Situacao::Inexistente || f.situacao == FusoLocal::Situacao::Repetida)
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao(), ExplicaFuso(m_localAtlas.fuso, f));
}
