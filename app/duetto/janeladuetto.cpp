#include "janeladuetto.h"

#include "ajusteecra.h"
#include "aspectos.h"
#include "desenhos.h"
#include "escolhaficheiro.h"
#include "ficheiromapa.h"
#include "fontedados.h"
#include "frmread.h"
#include "gravacao.h"
#include "impressao.h"
#include "mensagens.h"
#include "opcoes.h"
#include "saidasduetto.h"
#include "simbolos.h"
#include "superficie.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QPrinter>
#include <QTextDocument>
#include <QTextEdit>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

namespace {
QSettings& definicoes() {
    static QSettings s(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Natalis"),
                       QStringLiteral("Duetto"));
    return s;
}
constexpr int N_PARES_RECENTES = 6;

QString simboloAspecto(int tipo) {
    switch (tipo) {
    case ASPECTO_CONJUNCAO: return QStringLiteral("☌");
    case ASPECTO_SEXTIL: return QStringLiteral("*"); // the sextile star is missing from common fonts
    case ASPECTO_QUADRATURA: return QStringLiteral("□");
    case ASPECTO_TRIGONO: return QStringLiteral("△");
    case ASPECTO_OPOSICAO: return QStringLiteral("☍");
    default: return QString();
    }
}

QImage imagemBranca(int lado) {
    QImage im(lado, lado, QImage::Format_RGB32);
    im.fill(Qt::white);
    return im;
}
} // namespace

JanelaDuetto::JanelaDuetto() : m_orbes(OrbesGuardados()) {
    setWindowTitle(QStringLiteral("Duetto"));
    m_abas = new QTabWidget(this);
    auto rotulo = [](QWidget* pai) {
        auto* l = new QLabel(pai);
        l->setAlignment(Qt::AlignCenter);
        l->setMinimumSize(200, 200);
        l->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        return l;
    };
    m_birroda = rotulo(m_abas);
    m_birroda->setObjectName(QStringLiteral("birroda"));
    m_grelha = new QTableWidget(N_PONTOS, N_PONTOS, m_abas);
    m_grelha->setObjectName(QStringLiteral("grelha"));
    m_grelha->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QStringList nomes;
    for (int i = 0; i < N_PONTOS; ++i)
        nomes << NomePonto(i);
    m_grelha->setVerticalHeaderLabels(nomes);
    m_grelha->setHorizontalHeaderLabels(nomes);
    m_grelha->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_lista = new QListWidget(m_abas);
    m_lista->setObjectName(QStringLiteral("lista"));
    m_casas = new QListWidget(m_abas);
    m_casas->setObjectName(QStringLiteral("casas"));
    m_composto = rotulo(m_abas);
    m_davison = rotulo(m_abas);
    m_abas->addTab(m_birroda, QStringLiteral("&Bi-roda"));
    m_abas->addTab(m_grelha, QStringLiteral("&Grelha de aspectos"));
    m_abas->addTab(m_lista, QStringLiteral("&Lista de aspectos"));
    m_abas->addTab(m_casas, QStringLiteral("&Casas"));
    m_abas->addTab(m_composto, QStringLiteral("Co&mposto"));
    m_abas->addTab(m_davison, QStringLiteral("&Davison"));
    setCentralWidget(m_abas);
    connect(m_abas, &QTabWidget::currentChanged, this, [this] { desenhaRodas(); });

    QMenu* ficheiro = menuBar()->addMenu(QStringLiteral("&Ficheiro"));
    ficheiro->addAction(QStringLiteral("Abrir o &primeiro mapa…"), QKeySequence(Qt::CTRL | Qt::Key_1), this,
                        [this] { escolheMapa(0); });
    ficheiro->addAction(QStringLiteral("Abrir o &segundo mapa…"), QKeySequence(Qt::CTRL | Qt::Key_2), this,
                        [this] { escolheMapa(1); });
    m_recentes = ficheiro->addMenu(QStringLiteral("Pares &recentes"));
    ficheiro->addSeparator();
    ficheiro->addAction(QStringLiteral("Guardar o mapa &composto…"), this, [this] { guardaMapaDerivado(false); });
    ficheiro->addAction(QStringLiteral("Guardar o mapa de &Davison…"), this, [this] { guardaMapaDerivado(true); });
    ficheiro->addAction(QStringLiteral("Exportar a &bi-roda (PNG, SVG)…"), this, [this] { exportaImagem(false); });
    ficheiro->addAction(QStringLiteral("Exportar a &grelha (PNG, SVG)…"), this, [this] { exportaImagem(true); });
    ficheiro->addAction(QStringLiteral("Guardar tudo em P&DF…"), QKeySequence(Qt::CTRL | Qt::Key_E), this,
                        &JanelaDuetto::guardaPdf);
    ficheiro->addSeparator();
    ficheiro->addAction(QStringLiteral("Sai&r"), QKeySequence(Qt::CTRL | Qt::Key_Q), this, &QWidget::close);
    QMenu* mapas = menuBar()->addMenu(QStringLiteral("&Mapas"));
    mapas->addAction(QStringLiteral("&Trocar dentro e fora"), QKeySequence(Qt::CTRL | Qt::Key_T), this,
                     &JanelaDuetto::Troca);
    mapas->addAction(QStringLiteral("&Orbes da sinastria…"), this, &JanelaDuetto::editaOrbes);
    QMenu* relatorio = menuBar()->addMenu(QStringLiteral("&Relatório"));
    relatorio->addAction(QStringLiteral("&Ler a sinastria…"), QKeySequence(Qt::CTRL | Qt::Key_R), this,
                         &JanelaDuetto::LeRelatorio);
    QString erro;
    if (!AbreTextosDuetto(CaminhoPrograma(QStringLiteral("duetto.mdb")), &erro))
        qWarning("duetto.mdb: %s", qPrintable(erro));
    refazRecentes();
    AjustaAoEcra(this, QSize(900, 760));
    actualiza();
}

bool JanelaDuetto::AbreMapa(int qual, const QString& caminho) {
    MapaDuetto& l = m_lados[qual];
    MapaDuetto novo;
    QString erro;
    if (!OpenFile(caminho, novo.campos, novo.mapa, {}, false) || !PessoaDoMapa(novo.campos, novo.mapa, novo.pessoa, &erro)) {
        if (!erro.isEmpty())
            CaixaMensagens().Mostra(IconeMsg::Exclamacao, QStringLiteral("Duetto"),
                                 QStringLiteral("O mapa «%1» não tem dados de nascimento legíveis: %2").arg(caminho, erro));
        return false;
    }
    l.caminho = caminho;
    l.campos = novo.campos;
    Rebuild(l.campos, l.mapa);
    l.pessoa = novo.pessoa;
    l.aberto = true;
    lembraPar();
    actualiza();
    return true;
}

void JanelaDuetto::escolheMapa(int qual) {
    // The charts' folder: where the chart already open lies, else the program's chooser's.
    const MapaDuetto& outro = m_lados[1 - qual];
    const QString c = outro.aberto ? QFileDialog::getOpenFileName(this, QStringLiteral("Abrir mapa"),
                                                                  QFileInfo(outro.caminho).absolutePath(),
                                                                  QStringLiteral("Mapas (*.anc)"))
                                   : ShowFileDialog(this, false, FicheiroMapa);
    if (!c.isEmpty()) AbreMapa(qual, c);
}

void JanelaDuetto::Troca() {
    std::swap(m_lados[0].caminho, m_lados[1].caminho);
    std::swap(m_lados[0].campos, m_lados[1].campos);
    std::swap(m_lados[0].pessoa, m_lados[1].pessoa);
    std::swap(m_lados[0].aberto, m_lados[1].aberto);
    for (MapaDuetto& l : m_lados)
        if (l.aberto) Rebuild(l.campos, l.mapa);
    actualiza();
}

void JanelaDuetto::lembraPar() {
    if (!m_lados[0].aberto || !m_lados[1].aberto) return;
    const QString par = m_lados[0].caminho + QLatin1Char('\n') + m_lados[1].caminho;
    QStringList pares = definicoes().value(QStringLiteral("paresRecentes")).toStringList();
    pares.removeAll(par);
    pares.prepend(par);
    definicoes().setValue(QStringLiteral("paresRecentes"), pares.mid(0, N_PARES_RECENTES));
    refazRecentes();
}

void JanelaDuetto::refazRecentes() {
    m_recentes->clear();
    const QStringList pares = definicoes().value(QStringLiteral("paresRecentes")).toStringList();
    for (int k = 0; k < pares.size(); ++k) {
        const QStringList dois = pares[k].split(QLatin1Char('\n'));
        if (dois.size() != 2) continue;
        m_recentes->addAction(QStringLiteral("&%1 %2 e %3").arg(k + 1).arg(QFileInfo(dois[0]).completeBaseName(),
                                                                            QFileInfo(dois[1]).completeBaseName()),
                              this, [this, dois] { AbreMapa(0, dois[0]) && AbreMapa(1, dois[1]); });
    }
    m_recentes->setEnabled(!m_recentes->isEmpty());
}

void JanelaDuetto::actualiza() {
    const bool ambos = m_lados[0].aberto && m_lados[1].aberto;
    const Pessoa &a = m_lados[0].pessoa, &b = m_lados[1].pessoa;
    m_grelha->clearContents();
    m_lista->clear();
    m_casas->clear();
    if (ambos) {
        const std::vector<InterAspecto> v = InterAspectos(a, b, m_orbes);
        for (const InterAspecto& x : v) {
            auto* item = new QTableWidgetItem(simboloAspecto(x.tipo) + QLatin1Char(' ') + TextoOrbe(x.orbe));
            item->setToolTip(LinhaInterAspecto(x, a, b));
            item->setTextAlignment(Qt::AlignCenter);
            m_grelha->setItem(x.a, x.b, item);
            m_lista->addItem(LinhaInterAspecto(x, a, b));
        }
        m_casas->addItems(LinhasSobreposicoes(a, b));
        m_casas->addItem(QString());
        m_casas->addItems(LinhasSobreposicoes(b, a));
        setWindowTitle(QStringLiteral("Duetto — %1 e %2").arg(a.nome, b.nome));
        statusBar()->showMessage(QStringLiteral("%1 dentro, %2 fora; %3 aspectos.").arg(a.nome, b.nome).arg(v.size()));
    } else {
        statusBar()->showMessage(m_lados[0].aberto ? QStringLiteral("Abra o segundo mapa (Ctrl+2).")
                                                   : QStringLiteral("Abra o primeiro mapa (Ctrl+1)."));
    }
    desenhaRodas();
}

QImage JanelaDuetto::ImagemBiRoda(int lado) {
    QImage im = imagemBranca(lado);
    if (!m_lados[0].aberto) return im;
    Superficie s(im);
    DesenhaBiRodaPar(s, m_lados[0], m_lados[1], m_orbes);
    return im;
}

QImage JanelaDuetto::ImagemRoda(bool davison, int lado) {
    QImage im = imagemBranca(lado);
    if (!m_lados[0].aberto || !m_lados[1].aberto) return im;
    CamposMapa c;
    Mapa m;
    if (davison ? !MapaDavison(m_lados[0].pessoa, m_lados[1].pessoa, c, m)
                : (MapaComposto(m_lados[0].pessoa, m_lados[1].pessoa, c, m), false))
        return im;
    Superficie s(im);
    RedrawChart(s, nullptr, m);
    return im;
}

void JanelaDuetto::desenhaRodas() {
    QLabel* alvo = m_abas->currentWidget() == m_birroda   ? m_birroda
                   : m_abas->currentWidget() == m_composto ? m_composto
                   : m_abas->currentWidget() == m_davison  ? m_davison
                                                            : nullptr;
    if (!alvo) return;
    const qreal dpr = devicePixelRatioF();
    const int lado = int(std::min(alvo->width(), alvo->height()) * dpr);
    QImage im = alvo == m_birroda ? ImagemBiRoda(lado) : ImagemRoda(alvo == m_davison, lado);
    im.setDevicePixelRatio(dpr);
    alvo->setPixmap(QPixmap::fromImage(im));
}

void JanelaDuetto::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    // After the tabs have laid out their pages at the new size.
    QTimer::singleShot(0, this, &JanelaDuetto::desenhaRodas);
}

bool JanelaDuetto::GuardaComposto(const QString& caminho) {
    CamposMapa c;
    Mapa m;
    MapaComposto(m_lados[0].pessoa, m_lados[1].pessoa, c, m);
    return SaveToFile(caminho, c);
}

bool JanelaDuetto::GuardaDavison(const QString& caminho) {
    CamposMapa c;
    Mapa m;
    return MapaDavison(m_lados[0].pessoa, m_lados[1].pessoa, c, m) && SaveToFile(caminho, c);
}

void JanelaDuetto::guardaMapaDerivado(bool davison) {
    if (!temPar(true)) return;
    const Pessoa &a = m_lados[0].pessoa, &b = m_lados[1].pessoa;
    const QString c = ShowFileDialog(this, true, FicheiroMapa, davison ? NomeDavison(a, b) : NomeComposto(a, b));
    if (c.isEmpty()) return;
    if (davison ? GuardaDavison(c) : GuardaComposto(c))
        statusBar()->showMessage(QStringLiteral("Guardado em %1.").arg(c));
}

bool JanelaDuetto::temPar(bool avisa) {
    const bool ambos = m_lados[0].aberto && m_lados[1].aberto;
    if (!ambos && avisa)
        CaixaMensagens().Mostra(IconeMsg::Informacao, QStringLiteral("Duetto"), QStringLiteral("Abra primeiro os dois mapas."));
    return ambos;
}

QString JanelaDuetto::nomePar() const {
    return m_lados[0].pessoa.nome.trimmed() + QStringLiteral(" & ") + m_lados[1].pessoa.nome.trimmed();
}

void JanelaDuetto::exportaImagem(bool grelha) {
    if (!temPar(true)) return;
    const QString c = ShowFileDialog(this, true, FicheiroDesenho,
                                     nomePar() + (grelha ? QStringLiteral(" (grelha)") : QStringLiteral(" (bi-roda)")));
    if (!c.isEmpty() && ExportaDesenho(grelha, c)) statusBar()->showMessage(QStringLiteral("Guardado em %1.").arg(c));
}

bool JanelaDuetto::ExportaDesenho(bool grelha, const QString& caminho) {
    QString erro;
    if (ExportaDesenhoDuetto(m_lados[0], m_lados[1], m_orbes, grelha ? DesenhoDuetto::Grelha : DesenhoDuetto::BiRoda,
                             caminho, &erro))
        return true;
    CaixaMensagens().Mostra(IconeMsg::Exclamacao, QStringLiteral("Duetto"), QStringLiteral("Não foi possível guardar %1: %2").arg(caminho, erro));
    return false;
}

void JanelaDuetto::escreveRelatorio(QTextDocument& doc, const std::function<void(double)>& progresso) {
    if (!TextosDuetto().Aberta())
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, QStringLiteral("Duetto"),
                             QStringLiteral("Os textos da sinastria não estão disponíveis (%1); o relatório sai só com os "
                                            "títulos.")
                                 .arg(TextosDuetto().Erro()));
    RelatorioSinastria r(m_lados[0], m_lados[1], m_orbes, TextosDuetto(), CoresRelatorio::DasOpcoes());
    r.setProgresso(progresso);
    r.Escreve(doc);
}

bool JanelaDuetto::LeRelatorio() {
    if (!temPar(true)) return false;
    if (!m_leitura) {
        m_leitura = new frmread(this);
        m_leitura->accao(QStringLiteral("mnuoptions"))->setVisible(false);
        connect(m_leitura, &frmread::pedeImpressao, this, [this] {
            QPrinter impressora;
            QString destinoPdf, erro;
            if (!PreparaImpressora(m_leitura, impressora, nomePar(), &destinoPdf)) return;
            impressora.setDocName(QStringLiteral("Duetto - ") + nomePar());
            m_leitura->Imprime(impressora);
            if (!ConcluiImpressao(impressora, destinoPdf, &erro))
                CaixaMensagens().Mostra(IconeMsg::Exclamacao, QStringLiteral("Duetto"), erro);
        });
    }
    m_leitura->setWindowTitle(QStringLiteral("Sinastria — %1 e %2").arg(m_lados[0].pessoa.nome, m_lados[1].pessoa.nome));
    // "Refazer" writes the pair open at that moment.
    return m_leitura->Escreve(
        [this](QTextDocument& doc, const std::function<void(double)>& progresso) {
            if (temPar(false)) escreveRelatorio(doc, progresso);
        },
        nomePar());
}

void JanelaDuetto::guardaPdf() {
    if (!temPar(true)) return;
    const QString c = ShowFileDialog(this, true, FicheiroPdf, nomePar());
    if (!c.isEmpty() && GuardaPdf(c)) statusBar()->showMessage(QStringLiteral("Guardado em %1.").arg(c));
}

bool JanelaDuetto::GuardaPdf(const QString& caminho) {
    QTextDocument novo;
    const QTextDocument* relatorio = m_leitura && !m_leitura->txtRTF()->document()->isEmpty() ? m_leitura->txtRTF()->document()
                                                                                               : nullptr;
    if (!relatorio) {
        escreveRelatorio(novo, {});
        relatorio = &novo;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString erro;
    const bool ok = EscrevePdfDuetto(caminho, m_lados[0], m_lados[1], m_orbes, relatorio, &erro);
    QApplication::restoreOverrideCursor();
    if (!ok)
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, QStringLiteral("Duetto"), QStringLiteral("Não foi possível guardar %1: %2").arg(caminho, erro));
    return ok;
}

void JanelaDuetto::closeEvent(QCloseEvent* e) {
    // The report's edits are asked about before they go with the window.
    if (m_leitura && !m_leitura->PodeDescartar())
        e->ignore();
    else
        e->accept();
}

void JanelaDuetto::editaOrbes() {
    bool ok = false;
    QStringList nomes;
    for (int i = 0; i < N_PONTOS; ++i)
        nomes << NomePonto(i);
    const QString t = QInputDialog::getText(this, QStringLiteral("Orbes da sinastria"),
                                            QStringLiteral("Orbes em graus, separadas por vírgulas, por esta ordem:\n") +
                                                nomes.join(QStringLiteral(", ")),
                                            QLineEdit::Normal, m_orbes.Texto(), &ok);
    if (!ok) return;
    OrbesSinastria novas = m_orbes;
    if (!novas.LeTexto(t)) {
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, QStringLiteral("Duetto"),
                             QStringLiteral("Indique %1 orbes entre 0 e 15 graus, separadas por vírgulas.").arg(N_PONTOS));
        return;
    }
    m_orbes = novas;
    GuardaOrbes(m_orbes);
    actualiza();
}
