// The main window's AAF commands: import a file of charts into the charts folder, export the
// chart on screen.
#include "frmmain.h"

#include "aaf.h"
#include "arranque.h"
#include "opcoes.h"
#include "atlas.h"
#include "escolhaficheiro.h"
#include "fusoatlas.h"
#include "gravacao.h"
#include "mensagens.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStatusBar>

namespace {
// A record without coordinates takes its place, coordinates and zone from the atlas.
bool LugarDoAtlasDoPrograma(const Atlas& atlas, const QString& local, const QString& pais, CamposMapa& c,
                            QString* porque) {
    EscolhaAtlas e = EscolheLocal(atlas, local);
    if (!e.local && !pais.isEmpty())
        e = EscolheLocal(atlas, local + QStringLiteral(", ") + pais);
    if (!e.local) {
        *porque = e.candidatos.isEmpty() ? QStringLiteral("o local «%1» não está no atlas").arg(local)
                                         : QStringLiteral("o local «%1» é ambíguo no atlas").arg(local);
        return false;
    }
    c.txtlocal = e.local->nome;
    c.txtLatitude = e.local->latitude;
    c.txtlongitude = e.local->longitude;
    const auto f = FusoDoAtlas(e.local->fuso, c.txtData, c.txtHora, c.txtlongitude);
    if (!f) {
        *porque = QStringLiteral("o atlas não dá o fuso horário de «%1» nesta data").arg(e.local->nome);
        return false;
    }
    c.FusoHorario = f->texto;
    c.fusoAtlas = e.local->fuso;
    return true;
}
} // namespace

void frmMain::importaAaf() {
    const QString caminho = ShowFileDialog(this, false, FicheiroAaf);
    if (caminho.isEmpty())
        return;
    const QString titulo = TituloAplicacao() + QStringLiteral(" Importar AAF");
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly)) {
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, titulo, QStringLiteral("Não foi possível ler ") + caminho +
                                                                  QStringLiteral(": ") + f.errorString());
        return;
    }
    const QByteArray bytes = f.readAll();
    f.close();
    Atlas atlas;
    atlas.Abre(CaminhoPrograma(QStringLiteral("locais.mdb")), Atlas::CaminhoUtilizador());
    const QString pasta = CaminhoPrograma(QStringLiteral("logs"));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ResumoImportacao r =
        ImportaAaf(bytes, pasta, [&atlas](const QString& local, const QString& pais, CamposMapa& c, QString* porque) {
            if (!atlas.Aberto()) {
                *porque = QStringLiteral("o atlas não está disponível");
                return false;
            }
            return LugarDoAtlasDoPrograma(atlas, local, pais, c, porque);
        });
    QApplication::restoreOverrideCursor();
    // A long summary is cut, so that the box fits the screen.
    QStringList linhas = LinhasResumoImportacao(r);
    constexpr int kLinhas = 30;
    if (linhas.size() > kLinhas) {
        const qsizetype resto = linhas.size() - kLinhas;
        linhas = linhas.mid(0, kLinhas);
        linhas << QStringLiteral("  … e mais %1 linhas").arg(resto);
    }
    if (r.erro.isEmpty() && !r.importados.isEmpty())
        linhas.prepend(QStringLiteral("Os mapas ficaram na pasta %1.\n").arg(QDir::toNativeSeparators(pasta)));
    CaixaMensagens().Mostra(r.erro.isEmpty() && r.ignorados.isEmpty() ? IconeMsg::Informacao : IconeMsg::Exclamacao,
                            titulo, linhas.join(QLatin1Char('\n')));
    if (r.importados.size() == 1)
        AbreMapa(QDir(pasta).filePath(r.importados.first()));
}

void frmMain::exportaAaf() {
    leCampos();
    const QString caminho = ShowFileDialog(this, true, FicheiroAaf, m_sessao.campos().txtNome);
    if (caminho.isEmpty())
        return;
    QString erro;
    if (!GravaFicheiro(caminho, EscreveAaf({AafDeCampos(m_sessao.campos())}), &erro)) {
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao() + QStringLiteral(" Exportar AAF"),
                                QStringLiteral("Não foi possível escrever ") + caminho + QStringLiteral(": ") + erro);
        return;
    }
    statusBar()->showMessage(QStringLiteral("Mapa exportado em AAF: ") + caminho, 8000);
}
