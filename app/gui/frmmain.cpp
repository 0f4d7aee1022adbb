#include "frmmain.h"

#include "ajusteecra.h"
#include "escolhaficheiro.h"
#include "mensagens.h"
#include "opcoes.h"
#include "simbolos.h"
#include "superficieecra.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

frmMain::frmMain(QWidget* pai) : QMainWindow(pai) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(TituloAplicacao());
    setWindowIcon(QIcon(QStringLiteral(":/icones/natalis.svg")));

    m_sessao.defineEscolha([this] { return ShowFileDialog(this, true, FicheiroMapa, m_sessao.campos().txtNome); });
    m_sessao.defineRedesenho([this] { Redesenha(); });

    auto* centro = new QWidget;
    auto* v = new QVBoxLayout(centro);
    v->setContentsMargins(4, 4, 4, 4);
    m_painel = new QStackedWidget;
    m_painel->setObjectName(QStringLiteral("painel"));
    m_painel->addWidget(criaVistaDados());
    m_painel->addWidget(criaVistaEfemerides());
    m_painel->addWidget(criaVistaMapa());
    m_painel->addWidget(criaVistaAspectos());
    m_painel->addWidget(criaVistaPartes());

    criaAccoes();
    criaMenus();
    criaBarras();
    v->addWidget(m_tlbInfo);
    v->addWidget(m_painel, 1);
    setCentralWidget(centro);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    m_lblDesactualizado = new QLabel(QStringLiteral("Desactualizado — F5 para calcular"));
    m_lblDesactualizado->setObjectName(QStringLiteral("lblDesactualizado"));
    m_lblDesactualizado->setStyleSheet(QStringLiteral("color: #8a1c00; font-weight: bold; padding: 0 6px;"));
    m_lblDesactualizado->hide();
    statusBar()->addPermanentWidget(m_lblDesactualizado);

    ligaCampos();
    ligaDesenho();
    m_sessao.campos().optwrite = modoNovoMapa();
    m_aMostrar = true;
    m_optwrite[size_t(m_sessao.campos().optwrite)]->setChecked(true);
    m_aMostrar = false;
    MostraVista(0);
    EnableButtons(false);
    actualizaComandos();
    RefreshRecentMenu();
    AjustaAoEcra(this, QSize(1100, 720));
}

frmMain::~frmMain() = default;

QAction* frmMain::accao(const QString& nome) const { return findChild<QAction*>(nome); }

void frmMain::criaAccoes() {
    auto cria = [this](const char* nome, const QString& texto, const QKeySequence& atalho, bool deMapa,
                       auto&& funcao) {
        auto* a = new QAction(texto, this);
        a->setObjectName(QString::fromLatin1(nome));
        if (!atalho.isEmpty())
            a->setShortcut(atalho);
        connect(a, &QAction::triggered, this, funcao);
        if (deMapa)
            m_accoesMapa << a;
        return a;
    };
    const QKeySequence nada;
    cria("mnuFileNew", QStringLiteral("&Novo Mapa"), QKeySequence(QStringLiteral("Ctrl+N")), false, [this] { Novo(); });
    cria("mnuFileOpen", QStringLiteral("&Abrir Mapa..."), QKeySequence(QStringLiteral("Ctrl+O")), false, [this] {
        const QString c = ShowFileDialog(this, false, FicheiroMapa);
        if (!c.isEmpty())
            AbreMapa(c);
    });
    cria("mnuopenother", QStringLiteral("Abrir Outro ..."), nada, false, [this] { abreOutro(); });
    cria("mnuimportaaf", QStringLiteral("Importar AAF..."), nada, false, [this] { importaAaf(); });
    cria("mnuexportaaf", QStringLiteral("Exportar AAF..."), nada, true, [this] { exportaAaf(); });
    cria("mnuFileSave", QStringLiteral("&Guardar Mapa"), QKeySequence(QStringLiteral("Ctrl+S")), true, [this] { Guardar(); });
    cria("mnuFileSaveAs", QStringLiteral("Guardar Mapa como ..."), QKeySequence(QStringLiteral("Ctrl+Shift+S")), true,
         [this] { FileSaveAs(); });
    cria("mnusaveimage", QStringLiteral("Imagem do Mapa..."), nada, true, [this] { exportaImagem(false); });
    cria("mnuexptaspectos", QStringLiteral("Imagem do Quadro de Aspectos..."), nada, true, [this] { exportaImagem(true); });
    cria("mnuexport", QStringLiteral("Interpretação Automática..."), nada, true, [this] { exportaRelatorio(); });
    cria("mnuexportpositions", QStringLiteral("Resumo de Posições..."), nada, true, [this] { exportaResumo(); });
    cria("mnumapandresume", QStringLiteral("Mapas e resumo.."), nada, true, [this] { exportaTudo(false); });
    cria("mnutudo", QStringLiteral("Tudo..."), nada, true, [this] { exportaTudo(true); });
    cria("mnuexportpdf", QStringLiteral("PDF do Mapa, Aspectos e Interpretação..."), nada, true, [this] { exportaPdf(); });
    cria("mnuFilePageSetup", QStringLiteral("Preparar  Impressão ..."), nada, true, [this] { preparaImpressao(); });
    cria("mnuprintresume", QStringLiteral("Resumo de posições"), nada, true, [this] { imprime(0); });
    cria("mnuprintMap", QStringLiteral("Mapa"), nada, true, [this] { imprime(1); });
    cria("mnuaspec", QStringLiteral("Lista de Aspectos"), nada, true, [this] { imprime(2); });
    cria("mnuprintintre", QStringLiteral("Interpretação"), nada, true, [this] { imprime(3); });
    cria("mnuprintall", QStringLiteral("Tudo"), nada, true, [this] { imprime(4); });
    cria("mnuFileExit", QStringLiteral("Sair"), QKeySequence(QStringLiteral("Ctrl+Q")), false, [this] { close(); });

    cria("mnuprofile", QStringLiteral("Dados Pessoais"), QKeySequence(QStringLiteral("Ctrl+1")), true, [this] { MostraVista(0); });
    cria("mnudata", QStringLiteral("Efemérides"), QKeySequence(QStringLiteral("Ctrl+2")), true, [this] { MostraVista(1); });
    cria("mnumap", QStringLiteral("Mapa Astral"), QKeySequence(QStringLiteral("Ctrl+3")), true, [this] { MostraVista(2); });
    cria("mnuaspectmap", QStringLiteral("Quadro de Aspectos"), QKeySequence(QStringLiteral("Ctrl+4")), true,
         [this] { MostraVista(3); });
    cria("mnupartes", QStringLiteral("Partes "), QKeySequence(QStringLiteral("Ctrl+5")), true, [this] { MostraVista(4); });
    cria("mnuviewinterpretacao", QStringLiteral("Interpretação"), nada, true, [this] { abreLeitura(); });
    cria("mnuglobal", QStringLiteral("Global"), nada, true, [this] { abreGlobal(1); });

    cria("mnucalcular", QStringLiteral("&Calcular"), QKeySequence(Qt::Key_F5), false, [this] { comandoCalcular(); });
    cria("mnuViewRefresh", QStringLiteral("&Refazer Cálculos "), QKeySequence(Qt::SHIFT | Qt::Key_F5), true,
         [this] { refaz(); });
    cria("mnuopenmovela", QStringLiteral("Abrir"), nada, false, [this] { lancaCompanheiro(QStringLiteral("movela"), false); });
    cria("mnuopenwiththis", QStringLiteral("Abrir com este mapa"), nada, true,
         [this] { lancaCompanheiro(QStringLiteral("movela"), true); });
    cria("mnuduettoopen", QStringLiteral("Abrir"), nada, false, [this] { lancaCompanheiro(QStringLiteral("duetto"), false); });
    cria("mnuopenwithduetto", QStringLiteral("Abrir com este mapa"), nada, true,
         [this] { lancaCompanheiro(QStringLiteral("duetto"), true); });
    cria("mnuglosador", QStringLiteral("Editor de Interpretação"), nada, false,
         [this] { lancaCompanheiro(QStringLiteral("glosador"), false); });
    cria("mnuorbes", QStringLiteral("Correlações Orbitais"), nada, false, [this] { abreOpcoes(2); });
    cria("mnuViewOptions", QStringLiteral("&Opções..."), QKeySequence(QStringLiteral("Ctrl+,")), false, [this] { abreOpcoes(0); });
    cria("mnuupdate", QStringLiteral("Actualização  Online..."), nada, false, [this] { actualizacaoOnline(); });

    cria("mnuHelpContents", QStringLiteral("&Conteúdos"), QKeySequence(QKeySequence::HelpContents), false,
         [this] { mostraAjuda(false); });
    cria("mnuHelpSearch", QStringLiteral("&Procurar ajuda sobre..."), nada, false, [this] { mostraAjuda(true); });
    cria("mnuwebsite", QStringLiteral("Sítio na Internet"), nada, false, [this] { abreSitio(); });
    cria("mnuemailme", QStringLiteral("Email ao Autor"), nada, false, [this] { emailAutor(); });
    cria("mnuHelpAbout", QStringLiteral("&Sobre Natalis..."), nada, false, [this] { sobre(); });
}

void frmMain::criaMenus() {
    auto* barra = menuBar();
    auto a = [this](const char* n) { return accao(QString::fromLatin1(n)); };

    m_mnuArquivo = barra->addMenu(QStringLiteral("&Ficheiro"));
    m_mnuArquivo->addAction(a("mnuFileNew"));
    m_mnuArquivo->addAction(a("mnuFileOpen"));
    m_mnuArquivo->addAction(a("mnuopenother"));
    m_mnuArquivo->addSeparator();
    m_mnuArquivo->addAction(a("mnuFileSave"));
    m_mnuArquivo->addAction(a("mnuFileSaveAs"));
    m_mnuArquivo->addAction(a("mnuimportaaf"));
    m_mnuArquivo->addAction(a("mnuexportaaf"));
    auto* exportar = m_mnuArquivo->addMenu(QStringLiteral("Exportar"));
    exportar->setObjectName(QStringLiteral("mnuexport2"));
    for (const char* n : {"mnusaveimage", "mnuexptaspectos", "mnuexport", "mnuexportpositions", "mnumapandresume", "mnutudo", "mnuexportpdf"})
        exportar->addAction(a(n));
    m_mnuArquivo->addSeparator();
    m_mnuArquivo->addAction(a("mnuFilePageSetup"));
    m_mnuFilePrint = m_mnuArquivo->addMenu(QStringLiteral("&Imprimir"));
    m_mnuFilePrint->setObjectName(QStringLiteral("mnuFilePrint"));
    for (const char* n : {"mnuprintresume", "mnuprintMap", "mnuaspec", "mnuprintintre", "mnuprintall"})
        m_mnuFilePrint->addAction(a(n));
    m_separadorMRU = m_mnuArquivo->addSeparator();
    m_separadorMRU->setObjectName(QStringLiteral("mnuFileMRU0"));
    m_separadorMRU->setVisible(false);
    for (int i = 1; i <= 4; ++i) {
        auto* r = m_mnuArquivo->addAction(QString());
        r->setObjectName(QStringLiteral("mnuFileMRU%1").arg(i));
        r->setVisible(false);
        connect(r, &QAction::triggered, this, [this, r] { AbreMapa(r->data().toString()); });
        m_mnuFileMRU << r;
    }
    m_mnuArquivo->addSeparator();
    m_mnuArquivo->addAction(a("mnuFileExit"));

    auto* ver = barra->addMenu(QStringLiteral("&Ver"));
    for (const char* n : {"mnuprofile", "mnudata", "mnumap", "mnuaspectmap", "mnupartes"})
        ver->addAction(a(n));
    ver->addSeparator();
    ver->addAction(a("mnuviewinterpretacao"));
    ver->addAction(a("mnuglobal"));

    auto* ferramentas = barra->addMenu(QStringLiteral("&Ferramentas"));
    ferramentas->addAction(a("mnucalcular"));
    ferramentas->addAction(a("mnuViewRefresh"));
    m_separadorCompanheiros = ferramentas->addSeparator();
    m_mnumovela = ferramentas->addMenu(QStringLiteral("Movela"));
    m_mnumovela->setObjectName(QStringLiteral("mnumovela"));
    m_mnumovela->addAction(a("mnuopenmovela"));
    m_mnumovela->addAction(a("mnuopenwiththis"));
    m_mnuduetto = ferramentas->addMenu(QStringLiteral("Duetto"));
    m_mnuduetto->setObjectName(QStringLiteral("mnuduetto"));
    m_mnuduetto->addAction(a("mnuduettoopen"));
    m_mnuduetto->addAction(a("mnuopenwithduetto"));
    ferramentas->addAction(a("mnuglosador"));
    ferramentas->addSeparator();
    ferramentas->addAction(a("mnuorbes"));
    ferramentas->addAction(a("mnuViewOptions"));
    ferramentas->addSeparator();
    ferramentas->addAction(a("mnuupdate"));

    auto* ajuda = barra->addMenu(QStringLiteral("&Ajuda"));
    ajuda->addAction(a("mnuHelpContents"));
    ajuda->addAction(a("mnuHelpSearch"));
    auto* internet = ajuda->addMenu(QStringLiteral("Na Internet"));
    internet->setObjectName(QStringLiteral("mnuontheweb"));
    internet->addAction(a("mnuwebsite"));
    internet->addAction(a("mnuemailme"));
    ajuda->addSeparator();
    ajuda->addAction(a("mnuHelpAbout"));
    defineCompanheiros(false, false, false, true);
}

void frmMain::criaBarras() {
    m_tbToolBar = addToolBar(QStringLiteral("Principal"));
    m_tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    m_tbToolBar->setMovable(false);
    m_tbToolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_tbToolBar->setIconSize(QSize(22, 22));
    auto* estilo = style();
    auto botao = [this](const char* chave, const QString& texto, const QIcon& icone, const QString& dica, bool deMapa,
                        auto&& funcao) {
        auto* a = m_tbToolBar->addAction(icone, texto);
        a->setObjectName(QStringLiteral("tb_") + QString::fromLatin1(chave));
        a->setToolTip(dica);
        connect(a, &QAction::triggered, this, funcao);
        if (deMapa)
            m_accoesMapa << a;
        return a;
    };
    botao("new", QStringLiteral("Novo"), estilo->standardIcon(QStyle::SP_FileIcon), QStringLiteral("Novo mapa (Ctrl+N)"),
          false, [this] { Novo(); });
    botao("open", QStringLiteral("Abrir"), estilo->standardIcon(QStyle::SP_DialogOpenButton),
          QStringLiteral("Abrir mapa (Ctrl+O)"), false, [this] { accao(QStringLiteral("mnuFileOpen"))->trigger(); });
    botao("save", QStringLiteral("Guardar"), estilo->standardIcon(QStyle::SP_DialogSaveButton),
          QStringLiteral("Guardar mapa (Ctrl+S)"), true, [this] { Guardar(); });
    auto* imprimir = botao("print", QStringLiteral("Imprimir"), iconeDesenhado(QStringLiteral("print")),
                           QStringLiteral("Imprimir"), true, [this] {
                               auto* w = m_tbToolBar->widgetForAction(accao(QStringLiteral("tb_print")));
                               m_mnuFilePrint->popup(w ? w->mapToGlobal(QPoint(0, w->height())) : QCursor::pos());
                           });
    Q_UNUSED(imprimir);
    accao(QStringLiteral("mnucalcular"))->setIcon(estilo->standardIcon(QStyle::SP_BrowserReload));
    accao(QStringLiteral("mnucalcular"))->setToolTip(QStringLiteral("Calcular o mapa (F5)"));
    m_tbToolBar->addAction(accao(QStringLiteral("mnucalcular")));
    m_tbToolBar->addSeparator();
    botao("id", QStringLiteral("Dados"), iconeDesenhado(QStringLiteral("id")), QStringLiteral("Dados pessoais"), true,
          [this] { MostraVista(0); });
    botao("data", QStringLiteral("Efemérides"), iconeDesenhado(QStringLiteral("data")), QStringLiteral("Efemérides"), true,
          [this] { MostraVista(1); });
    botao("map", QStringLiteral("Mapa"), iconeDesenhado(QStringLiteral("map")), QStringLiteral("Mapa astral"), true,
          [this] { MostraVista(2); });
    botao("aspects", QStringLiteral("Aspectos"), iconeDesenhado(QStringLiteral("aspects")),
          QStringLiteral("Quadro de aspectos"), true, [this] { MostraVista(3); });
    botao("partes", QStringLiteral("Partes"), iconeDesenhado(QStringLiteral("partes")), QStringLiteral("Partes árabes"),
          true, [this] { MostraVista(4); });
    m_tbToolBar->addSeparator();
    botao("read", QStringLiteral("Ler"), iconeDesenhado(QStringLiteral("read")), QStringLiteral("Interpretação automática"),
          true, [this] { abreLeitura(); });
    botao("global", QStringLiteral("Global"), iconeDesenhado(QStringLiteral("global")), QStringLiteral("Aspectos globais"),
          true, [this] { abreGlobal(1); });
    botao("magnus", QStringLiteral("Ampliar"), iconeDesenhado(QStringLiteral("magnus")), QStringLiteral("Mapa em ponto grande"),
          true, [this] { abreGlobal(2); });
    m_tbToolBar->addSeparator();
    botao("help", QStringLiteral("Ajuda"), estilo->standardIcon(QStyle::SP_DialogHelpButton), QStringLiteral("Ajuda (F1)"),
          false, [this] { mostraAjuda(true); });

    m_tlbInfo = new QToolBar(QStringLiteral("Informação"));
    m_tlbInfo->setObjectName(QStringLiteral("tlbInfo"));
    m_tlbInfo->setIconSize(QSize(20, 20));
    for (int k = 0; k < 13; ++k) {
        auto* b = new QToolButton;
        b->setObjectName(QStringLiteral("tlbInfo%1").arg(k + 1));
        b->setCheckable(true);
        b->setAutoExclusive(true);
        b->setText(Simbolos::BodyInfo(int16_t(k + 1)).glifo);
        b->setFont(fonteSimbolos(14));
        b->setToolTip(Simbolos::NomeCorpoMapa(k));
        connect(b, &QToolButton::clicked, this, [this, k] { ShowInfo(k + 1); });
        m_tlbInfo->addWidget(b);
        m_botoesInfo[k] = b;
    }
}

void frmMain::MostraVista(int vista) {
    if (vista < 0 || vista > 4)
        return;
    m_painel->setCurrentIndex(vista);
    m_tlbInfo->setVisible(vista == 2);
    if (vista == 2 || vista == 3)
        Redesenha();
}

int frmMain::vistaActual() const { return m_painel->currentIndex(); }

void frmMain::EnableButtons(bool activo) {
    for (auto* a : std::as_const(m_accoesMapa))
        a->setEnabled(activo);
}

void frmMain::RefreshRecentMenu() {
    const QStringList recentes = RecentFiles();
    if (recentes.isEmpty())
        return;
    m_separadorMRU->setVisible(true);
    for (int i = 0; i < m_mnuFileMRU.size(); ++i) {
        auto* r = m_mnuFileMRU[i];
        if (i < recentes.size()) {
            r->setData(recentes[i]);
            r->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(FileNameOf(recentes[i], false)));
            r->setToolTip(recentes[i]);
            r->setVisible(true);
        } else {
            r->setVisible(false);
        }
    }
}

void frmMain::defineCompanheiros(bool glosador, bool duetto, bool movela, bool renovo) {
    m_temGlosador = glosador;
    accao(QStringLiteral("mnuglosador"))->setVisible(glosador);
    m_mnuduetto->menuAction()->setVisible(duetto);
    m_mnumovela->menuAction()->setVisible(movela);
    m_separadorCompanheiros->setVisible(glosador || duetto || movela);
    accao(QStringLiteral("mnuupdate"))->setEnabled(renovo);
}

bool frmMain::Novo() {
    leCampos();
    if (!m_sessao.PodeDeixar() || !podeDeixarLeitura())
        return false;
    m_sessao.Novo();
    m_sessao.campos().optwrite = modoNovoMapa();
    m_Mapa->limpa();
    m_aspectospic->limpa();
    MostraCampos();
    m_cmdatlas->setVisible(true);
    statusBar()->clearMessage();
    EnableButtons(false);
    actualizaComandos();
    MostraVista(0);
    m_txtNome->setFocus(); // a new chart begins with the native's name
    return true;
}

int frmMain::modoNovoMapa() {
    // The options' order (automatic, copied, ephemerides) is not the window's (typed,
    // ephemerides, automatic).
    switch (int(GetOptionNumero(5))) {
    case 1:
        return 0;
    case 2:
        return 1;
    default:
        return 2;
    }
}

bool frmMain::AbreMapa(const QString& caminho) {
    if (caminho.isEmpty())
        return false;
    leCampos();
    if (!m_sessao.PodeDeixar() || !podeDeixarLeitura())
        return false;
    const bool ok = m_sessao.Abre(caminho);
    MostraCampos();
    RefreshRecentMenu();
    if (ok) {
        statusBar()->showMessage(m_sessao.campos().textoEstado);
        // Leafing through charts on the wheel stays on the wheel, with its information bar,
        // unless the user asked to return to the data page.
        MostraVista(GetOptionNumero(3) != 0 || vistaActual() != 2 ? 0 : 2);
    }
    Redesenha();
    if (m_sessao.campos().mapaAberto)
        ShowInfo(1);
    actualizaComandos();
    // Told once the chart is on screen: a box opened while loading would let the empty
    // fields be read back over the chart.
    if (ok && !m_sessao.avisoAbertura().isEmpty())
        CaixaMensagens().Mostra(IconeMsg::Informacao, TituloAplicacao() + QStringLiteral(" - Abrir mapa"), m_sessao.avisoAbertura());
    return ok;
}

bool frmMain::Guardar() {
    leCampos();
    const bool ok = m_sessao.Guarda();
    MostraCampos();
    return ok;
}

bool frmMain::FileSaveAs() {
    leCampos();
    const bool ok = m_sessao.GuardaComo();
    MostraCampos();
    return ok;
}

void frmMain::closeEvent(QCloseEvent* e) {
    leCampos();
    if (!m_sessao.PodeDeixar() || !podeDeixarLeitura()) {
        e->ignore();
        return;
    }
    e->accept();
    QApplication::closeAllWindows();
}
