// The chart's PDF from the main window: the wheel and the grid as vectors under the birth
// data, then the interpretation as the reading window holds it.
#include "frmmain.h"

#include "escolhaficheiro.h"
#include "folha.h"
#include "frmread.h"
#include "mensagens.h"

#include <QStatusBar>
#include <QTextEdit>

void frmMain::exportaPdf() {
    if (!confirmaPosicoes())
        return;
    const QString caminho = ShowFileDialog(this, true, FicheiroPdf, m_sessao.campos().txtNome);
    if (caminho.isEmpty())
        return;
    Redesenha();
    frmread* l = leituraDoMapa();
    QString erro;
    if (EscrevePdfMapa(caminho, m_sessao.campos(), m_sessao.mapa(), l->txtRTF()->document(), &erro))
        statusBar()->showMessage(QStringLiteral("PDF escrito em ") + caminho, 8000);
    else
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao(), erro);
}
