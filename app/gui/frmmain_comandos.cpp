// The commands of the main window that hand work to other windows, files, the printer and
// other programs.
#include "frmmain.h"

#include "pontosmapa.h"

#include "arranque.h"
#include "caixaqt.h"
#include "desenhos.h"
#include "escolhaficheiro.h"
#include "folha.h"
#include "fontes.h"
#include "frmglobal.h"
#include "frmoptions.h"
#include "grelha.h"
#include "imagens.h"
#include "impressao.h"
#include "instalacao.h"
#include "janelaajuda.h"
#include "mensagens.h"
#include "opcoes.h"
#include "orbes.h"
#include "resumo.h"
#include "superficie.h"
#include "superficieecra.h"
#include "textos.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QStatusBar>
#include <QTextDocument>
#include <QToolTip>
#include <QUrl>

namespace {
QPrinter& impressoraPrograma() {
    static QPrinter impressora(QPrinter::HighResolution);
    return impressora;
}

bool gravaBmp(const QImage& imagem, const QString& caminho) { return SalvarImagem(imagem, caminho); }

// A picture whose positions no longer belong to the birth data: greyed, with what to do.
void marcaDesactualizado(QImage& imagem) {
    QPainter p(&imagem);
    const QRectF area(QPointF(0, 0), imagem.deviceIndependentSize());
    p.fillRect(area, QColor(128, 128, 128, 150));
    QFont f = p.font();
    f.setPixelSize(std::max(12, int(area.width() / 26)));
    f.setBold(true);
    p.setFont(f);
    const QString texto = QStringLiteral("Desactualizado — F5 para calcular");
    QRectF caixa = p.boundingRect(area, Qt::AlignCenter, texto).adjusted(-12, -8, 12, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawRoundedRect(caixa, 6, 6);
    p.setPen(QColor(0x8a, 0x1c, 0x00));
    p.drawText(area, Qt::AlignCenter, texto);
}
} // namespace

QFont fonteSimbolos(int pontos) { return FonteDesenho(FONTE_SIGIL, pontos); }

QIcon frmMain::iconeDesenhado(const QString& chave) const {
    // Toolbar pictures drawn from the symbol font, so they stay sharp at any scale.
    static const QHash<QString, QString> letras = {
        {QStringLiteral("print"), QStringLiteral("")},  {QStringLiteral("id"), QStringLiteral("Q")},
        {QStringLiteral("data"), QStringLiteral("A")},  {QStringLiteral("map"), QStringLiteral("R")},
        {QStringLiteral("aspects"), QStringLiteral("!")}, {QStringLiteral("partes"), QStringLiteral("d")},
        {QStringLiteral("read"), QStringLiteral("S")},  {QStringLiteral("global"), QStringLiteral("$")},
        {QStringLiteral("magnus"), QStringLiteral("V")}};
    QPixmap p(QSize(48, 48));
    p.fill(Qt::transparent);
    QPainter pintor(&p);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setPen(QPen(QColor(0x5a, 0x2d, 0x82), 2.5));
    const QString letra = letras.value(chave);
    if (chave == QLatin1String("print")) {
        pintor.drawRect(10, 18, 28, 16);
        pintor.drawRect(15, 8, 18, 10);
        pintor.drawRect(15, 30, 18, 10);
    } else if (chave == QLatin1String("read")) {
        pintor.drawRoundedRect(9, 8, 30, 32, 3, 3);
        for (int y = 16; y <= 32; y += 6)
            pintor.drawLine(14, y, 34, y);
    } else {
        if (chave == QLatin1String("map") || chave == QLatin1String("magnus"))
            pintor.drawEllipse(QRectF(4, 4, 40, 40));
        pintor.setFont(fonteSimbolos(chave == QLatin1String("map") || chave == QLatin1String("magnus") ? 20 : 26));
        pintor.drawText(QRect(0, 0, 48, 48), Qt::AlignCenter, letra);
    }
    return QIcon(p);
}

void frmMain::ligaDesenho() {
    connect(m_Mapa, &SuperficieEcra::redimensionada, this, [this] { Redesenha(); });
    connect(m_aspectospic, &SuperficieEcra::redimensionada, this, [this] { Redesenha(); });
    connect(m_Mapa, &SuperficieEcra::ratoMovido, this, [this](QPoint p) {
        for (const auto& [elemento, marcador] : m_marcadores)
            if (marcador.rect.contains(p)) {
                QToolTip::showText(m_Mapa->mapToGlobal(p), marcador.dica, m_Mapa);
                return;
            }
        for (const auto& m : m_marcadoresSignos)
            if (m.rect.contains(p)) {
                QToolTip::showText(m_Mapa->mapToGlobal(p), m.dica, m_Mapa);
                return;
            }
        QToolTip::hideText();
    });
    connect(m_Mapa, &SuperficieEcra::clicado, this, [this](QPoint p) {
        for (const auto& [elemento, marcador] : m_marcadores)
            if (marcador.rect.contains(p) && (elemento < PRIMEIRO_PONTO_EXTRA || elemento == MARCADOR_NODO_SUL)) {
                ShowInfo(elemento + 1);
                return;
            }
    });
    connect(m_aspectospic, &SuperficieEcra::ratoMovido, this, [this](QPoint p) {
        if (m_unidadeGrelha <= 0)
            return;
        const DicaGrelha d = HoverGrelha(m_sessao.mapa(), m_unidadeGrelha, p.x(), p.y());
        if (d.dica.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(m_aspectospic->mapToGlobal(p), d.dica, m_aspectospic);
    });
}

void frmMain::Redesenha() {
    CamposMapa& c = m_sessao.campos();
    m_desenhadoDesactualizado = m_sessao.desactualizado();
    if (!c.mapaAberto) {
        m_Mapa->limpa();
        m_aspectospic->limpa();
        return;
    }
    QImage roda = m_Mapa->novaImagem();
    // The grid is laid out in font units; shown as large as its view allows, in half steps.
    const QSize tamanhoGrelha = TamanhoGrelha(int(CorposComPontos(m_sessao.mapa()).size()));
    const QSize vista = m_aspectospic->size();
    double escala = std::min(double(vista.width()) / tamanhoGrelha.width(), double(vista.height()) / tamanhoGrelha.height());
    escala = std::clamp(std::floor(escala * 2.0) / 2.0, 1.0, 4.0);
    QImage grelha = m_aspectospic->novaImagem(tamanhoGrelha, escala);
    ResultadoDesenho r;
    {
        Superficie sRoda(roda);
        Superficie sGrelha(grelha);
        r = RedrawChart(sRoda, &sGrelha, m_sessao.mapa(), true, m_fundoMapa, m_fundoGrelha);
        sRoda.Termina();
        sGrelha.Termina();
    }
    if (m_desenhadoDesactualizado) {
        marcaDesactualizado(roda);
        marcaDesactualizado(grelha);
    }
    m_Mapa->defineImagem(roda);
    m_aspectospic->defineImagem(grelha);
    // The wheel sits centred in its view: markers are kept in the picture's coordinates.
    m_marcadores = r.lblplanetMark;
    m_marcadoresSignos = r.lblmark;
    m_unidadeGrelha = r.unidadeGrelha;
    c.KeyWord = r.KeyWord;
    c.lblesclarecedor = r.lblesclarecedor;
    c.Eclipse = r.Eclipse;
    c.anjo = NomeAnjo(m_sessao.mapa());
    m_KeyWord->setText(c.KeyWord);
    m_anjo->setText(c.anjo.isEmpty() ? QString() : QStringLiteral("Anjo: ") + c.anjo);
    m_lblesclarecedor->setText(QStringLiteral("Esclarecedor: ") + c.lblesclarecedor);
    m_Eclipse->setVisible(c.Eclipse);
}

QString frmMain::FindAspect(int linha, int coluna) const { return ::FindAspect(MapaActual(), linha, coluna); }

void frmMain::abreOutro() {
    const QString c = ShowFileDialog(this, false, FicheiroMapa);
    if (c.isEmpty())
        return;
    if (!QProcess::startDetached(QCoreApplication::applicationFilePath(), {c}))
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao(),
                                QStringLiteral("Não foi possível iniciar outra cópia do programa com ") + c);
}

void frmMain::exportaImagem(bool aspectos) {
    if (!confirmaPosicoes())
        return;
    Redesenha();
    const QString nome = m_sessao.campos().txtNome;
    const QString caminho = ShowFileDialog(this, true, FicheiroImagem,
                                           nome.isEmpty() ? QString() : nome + (aspectos ? QStringLiteral("_aspectos") : QString()));
    if (!caminho.isEmpty())
        gravaBmp(aspectos ? m_aspectospic->imagem() : m_Mapa->imagem(), caminho);
}

void frmMain::exportaResumo() {
    if (!confirmaPosicoes())
        return;
    leCampos();
    const QString caminho = ShowFileDialog(this, true, FicheiroResumo, m_sessao.campos().txtNome);
    if (!caminho.isEmpty())
        SaveResume(caminho, m_sessao.campos(), m_sessao.mapa());
}

void frmMain::exportaTudo(bool comRelatorio) {
    if (!confirmaPosicoes())
        return;
    leCampos();
    const QString caminho = ShowFileDialog(this, true, FicheiroResumo, m_sessao.campos().txtNome);
    if (caminho.isEmpty())
        return;
    // The base is the chosen path without its extension, whatever its length.
    const QFileInfo info(caminho);
    const QString base = info.suffix().isEmpty() ? caminho : caminho.left(caminho.size() - info.suffix().size() - 1);
    Redesenha();
    bool ok = gravaBmp(m_Mapa->imagem(), base + QStringLiteral(".bmp"));
    ok = gravaBmp(m_aspectospic->imagem(), base + QStringLiteral("_aspectos.bmp")) && ok;
    ok = SaveResume(base + QStringLiteral(".txt"), m_sessao.campos(), m_sessao.mapa()) && ok;
    if (comRelatorio)
        ok = guardaRelatorio(base + QStringLiteral(".rtf")) && ok;
    if (ok)
        statusBar()->showMessage(QStringLiteral("Ficheiros escritos: ") + base + QStringLiteral(".*"), 8000);
}

void frmMain::preparaImpressao() {
    QPageSetupDialog d(&impressoraPrograma(), this);
    d.setWindowTitle(QStringLiteral("Preparar Impressão"));
    d.exec();
}

void frmMain::imprime(int que, QWidget* origem) {
    QWidget* pai = origem ? origem : this;
    const DonoDasCaixas dono(pai);
    if (!confirmaPosicoes())
        return;
    leCampos();
    Redesenha();
    QPrinter& impressora = impressoraPrograma();
    QString destinoPdf;
    if (!PreparaImpressora(pai, impressora, m_sessao.campos().txtNome, &destinoPdf))
        return;
    impressora.setDocName(TituloAplicacao() + QStringLiteral(" - ") + m_sessao.campos().txtNome);
    switch (que) {
    case 0: {
        QTextDocument doc;
        DocumentoResumo(m_sessao.campos(), m_sessao.mapa(), doc);
        doc.print(&impressora);
        break;
    }
    case 1:
    case 2: // as vectors under a header with the birth data, sharp at the printer's resolution
        ImprimeFolha(impressora, m_sessao.campos(), m_sessao.mapa(), que == 1 ? ConteudoFolha::Roda : ConteudoFolha::Grelha);
        break;
    default:
        imprimeRelatorio(impressora, que == 4);
        break;
    }
    QString erro;
    if (!ConcluiImpressao(impressora, destinoPdf, &erro))
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao(), erro);
    else if (!destinoPdf.isEmpty())
        statusBar()->showMessage(QStringLiteral("PDF escrito em ") + QDir::toNativeSeparators(destinoPdf), 8000);
}

void frmMain::actualizacaoOnline() {
    if (!PastaProgramaGravavel()) {
        CaixaMensagens().Mostra(IconeMsg::Informacao, TituloAplicacao(), TextoActualizacaoPeloSistema());
        return;
    }
    const RespostaMsg r = CaixaMensagens().Mostra(
        IconeMsg::Pergunta, TituloAplicacao(),
        QStringLiteral("Para efectuar a Actualização online este programa terá de ser fechado.\n"
                       "Deseja fechar este programa e proceder à Actualização online ?"),
        BotoesMsg::SimNaoCancelar);
    if (r != RespostaMsg::Sim)
        return;
    leCampos();
    if (!m_sessao.PodeDeixar() || !podeDeixarLeitura())
        return;
    // Staying open is the only safe answer when the updater cannot start.
    const QString renovo = CaminhoPrograma(NomeExecutavel(QStringLiteral("renovo")));
    if (!QProcess::startDetached(renovo, {})) {
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao(),
                                QStringLiteral("Não foi possível iniciar ") + renovo +
                                    QStringLiteral(".\nO programa continua aberto."));
        return;
    }
    CaixaMensagens().Mostra(IconeMsg::Informacao, TituloAplicacao(),
                            QStringLiteral("O Natalis vai fechar agora, para que o renovo possa actualizar os seus "
                                           "ficheiros.\nVolte a abri-lo quando a actualização terminar."));
    m_sessao.Novo(); // nothing left to ask on close
    QCoreApplication::quit();
}

void frmMain::lancaCompanheiro(const QString& programa, bool comMapa) {
    leCampos();
    QStringList args;
    // A chart never saved has no path to hand over: the program starts without one.
    if (comMapa && !m_sessao.campos().caminhoFicheiro.isEmpty())
        args << m_sessao.campos().caminhoFicheiro;
    const QString caminho = CaminhoPrograma(NomeExecutavel(programa));
    if (!QProcess::startDetached(caminho, args))
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao(), QStringLiteral("Não foi possível iniciar ") + caminho);
}

void frmMain::defineAjuda(const QString& ficheiro) {
    m_ficheiroAjuda = ficheiro;
    const bool ha = !ficheiro.isEmpty();
    accao(QStringLiteral("mnuHelpContents"))->setEnabled(ha);
    accao(QStringLiteral("mnuHelpSearch"))->setEnabled(ha);
    accao(QStringLiteral("tb_help"))->setVisible(ha);
}

void frmMain::mostraAjuda(bool procurar) {
    if (m_ficheiroAjuda.isEmpty()) {
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao(),
                                QStringLiteral("Impossível mostrar os Conteúdos da Ajuda. Não existe um ficheiro de ajuda "
                                               "associado a esta aplicação"));
        return;
    }
    if (!m_ajuda)
        m_ajuda = new JanelaAjuda(this);
    if (!m_ajuda->abre(m_ficheiroAjuda)) {
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao() + (procurar ? QStringLiteral(" - Ajuda") : QString()),
                                QStringLiteral("Não foi possível abrir a ajuda: ") + m_ficheiroAjuda);
        return;
    }
    m_ajuda->mostra(procurar);
}

namespace {
// With no program set for the address, nothing at all would happen: say so, with the address.
void abreOuAvisa(const QUrl& endereco, const QString& falta) {
    if (!QDesktopServices::openUrl(endereco))
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao(), falta);
}
} // namespace

void frmMain::abreSitio() {
    abreOuAvisa(QUrl(QStringLiteral("https://natalis.pt/?p=Natalis")),
                QStringLiteral("Não foi encontrado um navegador de Internet para abrir o sítio do Natalis.\n"
                               "Visite https://natalis.pt no navegador que usa."));
}

void frmMain::emailAutor() {
    abreOuAvisa(QUrl(QStringLiteral("mailto:autor@natalis.pt?subject=Natalis")),
                QStringLiteral("Não foi encontrado um programa de correio electrónico.\n"
                               "Escreva ao autor para autor@natalis.pt."));
}

void frmMain::sobre() {
    const VersaoBase v = LeVersao(DataVer());
    const QString major = v.major.toLower() == QLatin1String("999") ? QStringLiteral(" BETA 1") : v.major;
    CaixaMensagens().Mostra(IconeMsg::Informacao, QStringLiteral("Sobre ") + TituloAplicacao() + QStringLiteral("..."),
                            QStringLiteral("%1\nVersão %2.%3.%4\n\nUsando %5: %6.%7.%8\n\nCódigo sob a licença GPL-3.0 ou posterior; com a Swiss Ephemeris "
                                           "(AGPL-3.0), o programa é distribuído nos termos da AGPL-3.0.\n"
                                           "Atlas: dados GeoNames (CC BY 4.0); fronteiras dos fusos (ODbL).")
                                .arg(TituloAplicacao())
                                .arg(NATALIS_VERSION_MAJOR)
                                .arg(NATALIS_VERSION_MINOR)
                                .arg(NATALIS_VERSION_PATCH)
                                .arg(v.title, major, v.minor, v.revision));
}

void frmMain::abreOpcoes(int pagina) {
    if (!m_opcoes) {
        m_opcoes = new frmOptions(this);
        connect(m_opcoes, &frmOptions::confirmado, this, [this] {
            m_fundoMapa = m_opcoes->fundo(0);
            m_fundoGrelha = m_opcoes->fundo(1);
            Redesenha();
            opcoesConfirmadas();
        });
        connect(m_opcoes, &frmOptions::fundosMudaram, this, [this] {
            m_fundoMapa = m_opcoes->fundo(0);
            m_fundoGrelha = m_opcoes->fundo(1);
            Redesenha();
        });
    }
    m_opcoes->abre(pagina);
}

void frmMain::abreGlobal(int modo) {
    leCampos();
    if (!m_sessao.campos().mapaAberto) {
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao(),
                                QStringLiteral("Tem de abrir ou criar um perfil astrologico antes de poder ver os aspectos globais"));
        return;
    }
    if (!m_global)
        m_global = new frmGlobal(this);
    Redesenha();
    m_global->ShowWith(modo, m_sessao, m_Mapa->imagem(), m_aspectospic->imagem(), statusBar()->currentMessage());
}

void frmMain::CarregaOrbesDoArgumento(const QString& caminho) {
    LoadOrbs(false, caminho);
    if (m_sessao.campos().mapaAberto)
        m_sessao.Refaz();
    MostraCampos();
    statusBar()->showMessage(QStringLiteral("Orbes carregadas de ") + caminho, 8000);
}

void frmMain::carregaFundos() {
    const QString a = GetOption(1), b = GetOption(2);
    m_fundoMapa = a == QLatin1String("False") ? QString() : a;
    m_fundoGrelha = b == QLatin1String("False") ? QString() : b;
}
