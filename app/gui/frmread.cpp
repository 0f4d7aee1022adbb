#include "frmread.h"

#include "ajusteecra.h"
#include "arranque.h"
#include "caixaqt.h"
#include "documento.h"
#include "escolhaficheiro.h"
#include "impressao.h"
#include "mensagens.h"
#include "opcoes.h"
#include "paginacao.h"
#include "relatorio.h"
#include "sessaomapa.h"
#include "textos.h"
#include "textosproprios.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFontComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QProgressBar>
#include <QPointer>
#include <QProgressDialog>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {
QColor corQt(CorRGB c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

// A named action of the window, with its shortcut, calling f.
template <class F>
QAction* novaAccao(QMainWindow* janela, const char* nome, const QString& texto, const QKeySequence& atalho, F&& f) {
    auto* a = new QAction(texto, janela);
    a->setObjectName(QString::fromLatin1(nome));
    if (!atalho.isEmpty())
        a->setShortcut(atalho);
    QObject::connect(a, &QAction::triggered, janela, std::forward<F>(f));
    return a;
}

// A button of a tool bar, named tb_<chave>, calling f.
template <class F>
QAction* novoBotao(QMainWindow* janela, QToolBar* barra, const char* chave, const QString& texto, const QString& dica,
                   bool alterna, F&& f) {
    auto* a = barra->addAction(texto);
    a->setObjectName(QStringLiteral("tb_") + QString::fromLatin1(chave));
    a->setToolTip(dica);
    a->setCheckable(alterna);
    QObject::connect(a, &QAction::triggered, janela, std::forward<F>(f));
    return a;
}
} // namespace

frmread::frmread(QWidget* pai) : QMainWindow(pai, Qt::Window) {
    setObjectName(QStringLiteral("frmread"));
    setWindowTitle(QStringLiteral("Interpretação"));
    QMenu* cores = criaMenus();
    criaBarras(pai, cores);
    criaEditores();

    m_corPalet = corQt(CoresRelatorio::DasOpcoes().CorTexto);
    m_palet->setStyleSheet(QStringLiteral("background-color: %1;").arg(m_corPalet.name()));
    escreveCabecalhoPessoal();
    defineEditor(false);
    AjustaAoEcra(this, QSize(900, 700));
    FechaComEscape(this);
}

// The menus Interpretação, Editar and Ver; returns the colours menu the tool bar opens.
QMenu* frmread::criaMenus() {
    const QKeySequence nada;
    auto* inter = menuBar()->addMenu(QStringLiteral("&Interpretação"));
    inter->setObjectName(QStringLiteral("mnuinter"));
    inter->addAction(novaAccao(this, "mnuimport", QStringLiteral("Abrir..."), QKeySequence(QStringLiteral("Ctrl+O")), [this] { Importa(); }));
    inter->addAction(novaAccao(this, "mnuopen", QStringLiteral("Abrir em pré-definido ..."), nada, [this] {
        const QString c = ShowFileDialog(this, false, FicheiroRelatorio);
        if (!c.isEmpty())
            QDesktopServices::openUrl(QUrl::fromLocalFile(c));
    }));
    inter->addAction(novaAccao(this, "mnuExport", QStringLiteral("Guardar..."), QKeySequence(QStringLiteral("Ctrl+S")),
                           [this] { SaveInterpretacao(); }));
    inter->addAction(novaAccao(this, "mnuactualizar", QStringLiteral("Refazer"), QKeySequence(Qt::Key_F5), [this] { refazer(); }));
    inter->addAction(novaAccao(this, "mnuprint", QStringLiteral("Imprimir Interpretação"), QKeySequence(QStringLiteral("Ctrl+P")),
                           [this] { emit pedeImpressao(); }));
    inter->addSeparator();
    inter->addAction(novaAccao(this, "mnuclose", QStringLiteral("Fechar"), QKeySequence(QStringLiteral("Ctrl+W")), [this] { close(); }));

    auto* editar = menuBar()->addMenu(QStringLiteral("&Editar"));
    editar->setObjectName(QStringLiteral("mnuedit"));
    auto copiar = [this] {
        QTextCursor c = m_txtRTF->textCursor();
        if (!c.hasSelection())
            return false;
        QApplication::clipboard()->clear();
        QApplication::clipboard()->setText(c.selection().toPlainText());
        return true;
    };
    editar->addAction(novaAccao(this, "mnucopy", QStringLiteral("Copiar"), QKeySequence::Copy, [copiar] { copiar(); }));
    editar->addAction(novaAccao(this, "mnucurt", QStringLiteral("Cortar"), QKeySequence::Cut, [this, copiar] {
        if (copiar())
            m_txtRTF->textCursor().removeSelectedText();
    }));
    editar->addAction(novaAccao(this, "mnupaste", QStringLiteral("Colar"), QKeySequence::Paste,
                            [this] { focada()->textCursor().insertText(QApplication::clipboard()->text()); }));
    editar->addAction(novaAccao(this, "mnuselectall", QStringLiteral("Selecionar Tudo"), QKeySequence::SelectAll,
                            [this] { focada()->selectAll(); }));
    editar->addAction(novaAccao(this, "mnuapagar", QStringLiteral("Apagar"), QKeySequence::Delete,
                            [this] { focada()->textCursor().removeSelectedText(); }));

    auto* ver = menuBar()->addMenu(QStringLiteral("&Ver"));
    ver->setObjectName(QStringLiteral("mnuview"));
    auto* pessoal = novaAccao(this, "mnupersonal", QStringLiteral("Interpretação pessoal"), nada, [this](bool l) { definePersonal(l); });
    pessoal->setCheckable(true);
    ver->addAction(pessoal);
    auto* sepEditor = ver->addSeparator();
    sepEditor->setObjectName(QStringLiteral("sepEditor"));
    ver->addAction(novaAccao(this, "mnueditor", QStringLiteral("Editor de Interpretação"), nada,
                         [this] { abreEditor(); }));
    ver->addSeparator();
    ver->addAction(novaAccao(this, "mnuoptions", QStringLiteral("Opções"), nada, [this] { emit pedeOpcoes(); }));

    auto* cores = new QMenu(QStringLiteral("cores"), this);
    cores->setObjectName(QStringLiteral("mnucores"));
    auto aplicaCor = [this](const QColor& c, bool soRelatorio) {
        aplica([c](QTextCharFormat& f) { f.setForeground(c); }, soRelatorio);
    };
    cores->addAction(novaAccao(this, "mnuchossen", QStringLiteral("Cor Escolhida"), nada, [this, aplicaCor] { aplicaCor(m_corPalet, true); }));
    cores->addAction(novaAccao(this, "mnutexto", QStringLiteral("Cor Texto"), nada,
                           [aplicaCor] { aplicaCor(corQt(CoresRelatorio::DasOpcoes().CorTexto), false); }));
    cores->addAction(novaAccao(this, "mnucortitulo", QStringLiteral("Cor Titulo"), nada,
                           [aplicaCor] { aplicaCor(corQt(CoresRelatorio::DasOpcoes().CorTitulo), false); }));
    cores->addAction(novaAccao(this, "mnucorsub1", QStringLiteral("Cor Subtitulo 1"), nada,
                           [aplicaCor] { aplicaCor(corQt(CoresRelatorio::DasOpcoes().CorSub1), false); }));
    cores->addAction(novaAccao(this, "mnusub2", QStringLiteral("Cor Subtitulo 2"), nada,
                           [aplicaCor] { aplicaCor(corQt(CoresRelatorio::DasOpcoes().CorSub2), false); }));
    return cores;
}

// The two tool bars: commands and styles, then the font boxes and the colours.
void frmread::criaBarras(QWidget* pai, QMenu* cores) {
    auto* barra = addToolBar(QStringLiteral("Ferramentas"));
    barra->setObjectName(QStringLiteral("Toolbar1"));
    barra->setMovable(false);
    auto botao = [this, barra](const char* chave, const QString& texto, const QString& dica, bool alterna, auto&& f) {
        return novoBotao(this, barra, chave, texto, dica, alterna, f);
    };
    auto* st = style();
    botao("fechar", QStringLiteral("Fechar"), QStringLiteral("Fechar"), false, [this] { close(); })
        ->setIcon(st->standardIcon(QStyle::SP_DialogCloseButton));
    botao("save", QStringLiteral("Guardar"), QStringLiteral("Guardar"), false, [this] { SaveInterpretacao(); })
        ->setIcon(st->standardIcon(QStyle::SP_DialogSaveButton));
    auto* imprimir = botao("print", QStringLiteral("Imprimir"), QStringLiteral("Imprimir a interpretação"), false,
                           [this] { emit pedeImpressao(); });
    // The main window's own pictures where it has the same command.
    if (pai)
        for (auto* principal : pai->findChildren<QAction*>(QStringLiteral("tb_print")))
            if (principal != imprimir && !principal->icon().isNull()) {
                imprimir->setIcon(principal->icon());
                break;
            }
    barra->addSeparator();
    botao("copy", QStringLiteral("Copiar"), QStringLiteral("Copiar"), false, [this] { this->accao(QStringLiteral("mnucopy"))->trigger(); });
    botao("cut", QStringLiteral("Cortar"), QStringLiteral("Cortar"), false, [this] { this->accao(QStringLiteral("mnucurt"))->trigger(); });
    botao("paste", QStringLiteral("Colar"), QStringLiteral("Colar"), false, [this] { this->accao(QStringLiteral("mnupaste"))->trigger(); });
    barra->addSeparator();
    auto* negrito = botao("bold", QStringLiteral("N"), QStringLiteral("Negrito"), true,
                          [this](bool l) { aplica([l](QTextCharFormat& f) { f.setFontWeight(l ? QFont::Bold : QFont::Normal); }); });
    QFont fn = negrito->font();
    fn.setBold(true);
    negrito->setFont(fn);
    negrito->setShortcut(QKeySequence::Bold);
    auto* italico = botao("italico", QStringLiteral("I"), QStringLiteral("Itálico"), true,
                          [this](bool l) { aplica([l](QTextCharFormat& f) { f.setFontItalic(l); }); });
    QFont fi = italico->font();
    fi.setItalic(true);
    italico->setFont(fi);
    italico->setShortcut(QKeySequence::Italic);
    auto* sub = botao("underline", QStringLiteral("S"), QStringLiteral("Sublinhado"), true,
                      [this](bool l) { aplica([l](QTextCharFormat& f) { f.setFontUnderline(l); }); });
    QFont fs = sub->font();
    fs.setUnderline(true);
    sub->setFont(fs);
    sub->setShortcut(QKeySequence::Underline);
    barra->addSeparator();
    botao("left", QStringLiteral("Esq."), QStringLiteral("Alinhar à esquerda"), true, [this] { alinha(Qt::AlignLeft); });
    botao("center", QStringLiteral("Centro"), QStringLiteral("Centrar"), true, [this] { alinha(Qt::AlignHCenter); });
    botao("right", QStringLiteral("Dir."), QStringLiteral("Alinhar à direita"), true, [this] { alinha(Qt::AlignRight); });
    barra->addSeparator();
    botao("up", QStringLiteral("A+"), QStringLiteral("Aumentar a letra"), false, [this] { tamanho(+1); });
    botao("down", QStringLiteral("A−"), QStringLiteral("Diminuir a letra"), false, [this] { tamanho(-1); });
    criaBarraLetras(barra, cores);
}

// The font boxes and the colours on a second row, so that no key hides behind the tool bar's
// overflow arrow in a window of ordinary width.
void frmread::criaBarraLetras(QToolBar* barra, QMenu* cores) {
    auto botao = [this, barra](const char* chave, const QString& texto, const QString& dica, bool alterna, auto&& f) {
        return novoBotao(this, barra, chave, texto, dica, alterna, f);
    };
    addToolBarBreak();
    auto* barraLetras = addToolBar(QStringLiteral("Letra"));
    barraLetras->setObjectName(QStringLiteral("barraLetras"));
    barraLetras->setMovable(false);
    m_letras = new QFontComboBox;
    m_letras->setObjectName(QStringLiteral("letras"));
    m_letras->setToolTip(QStringLiteral("tipo de letra"));
    m_letras->setMinimumWidth(220);
    barraLetras->addWidget(m_letras);
    m_Tamanho = new QComboBox;
    m_Tamanho->setObjectName(QStringLiteral("Tamanho"));
    m_Tamanho->setToolTip(QStringLiteral("Tamanho da letra"));
    m_Tamanho->setEditable(true);
    for (int t : {8, 9, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30, 32, 36, 48, 72})
        m_Tamanho->addItem(QString::number(t));
    barraLetras->addWidget(m_Tamanho);
    m_palet = new QToolButton;
    m_palet->setObjectName(QStringLiteral("palet"));
    m_palet->setToolTip(QStringLiteral("Cor escolhida"));
    m_palet->setFixedSize(26, 22);
    barraLetras->addSeparator();
    barraLetras->addWidget(m_palet);
    auto* cor = botao("color", QStringLiteral("Cores"), QStringLiteral("Cores do texto"), false, [] {});
    connect(cor, &QAction::triggered, this, [this, barra, cor, cores] {
        auto* w = barra->widgetForAction(cor);
        cores->popup(w ? w->mapToGlobal(QPoint(0, w->height())) : QCursor::pos());
    });
    botao("resumo", QStringLiteral("Pessoal"), QStringLiteral("Interpretação pessoal"), true, [this](bool l) { definePersonal(l); });

    connect(m_letras, &QFontComboBox::currentFontChanged, this, [this](const QFont& f) {
        if (m_aActualizar)
            return;
        aplica([f](QTextCharFormat& c) { c.setFontFamilies({f.family()}); });
    });
    connect(m_Tamanho, &QComboBox::currentTextChanged, this, [this](const QString& t) {
        if (m_aActualizar)
            return;
        bool ok = false;
        const double pontos = t.toDouble(&ok);
        if (ok && pontos > 0)
            aplica([pontos](QTextCharFormat& c) { c.setFontPointSize(pontos); }, true);
    });
    connect(m_palet, &QToolButton::clicked, this, [this] {
        const QColor c = QColorDialog::getColor(m_corPalet, this, QStringLiteral("Cor"));
        if (!c.isValid())
            return;
        m_corPalet = c;
        m_palet->setStyleSheet(QStringLiteral("background-color: %1;").arg(c.name()));
        aplica([c](QTextCharFormat& f) { f.setForeground(c); });
    });
}

// The two text boxes with the bar between them, the progress panel and the status line.
void frmread::criaEditores() {
    // The two boxes with the draggable bar between them, and the progress panel behind them.
    auto* pilha = new QStackedWidget;
    m_holder = new QSplitter(Qt::Vertical);
    m_holder->setObjectName(QStringLiteral("holder"));
    m_holder->setHandleWidth(6);
    // A bar the user can see and take hold of.
    m_holder->setStyleSheet(QStringLiteral("QSplitter::handle { background: #b8b8b8; }"));
    m_txtRTF = new QTextEdit;
    m_txtRTF->setObjectName(QStringLiteral("txtRTF"));
    m_txtRTF2 = new QTextEdit;
    m_txtRTF2->setObjectName(QStringLiteral("txtRTF2"));
    for (QTextEdit* e : {m_txtRTF, m_txtRTF2}) {
        e->setFont(QFont(QStringLiteral("Times New Roman"), 11));
        e->setAcceptRichText(true);
        connect(e, &QTextEdit::cursorPositionChanged, this, [this] { seleccaoMudou(); });
        connect(e, &QTextEdit::selectionChanged, this, [this] { seleccaoMudou(); });
        e->installEventFilter(this);
    }
    m_holder->addWidget(m_txtRTF);
    m_holder->addWidget(m_txtRTF2);
    m_holder->handle(1)->setObjectName(QStringLiteral("separador"));
    m_txtRTF2->hide();
    m_frame1 = new QWidget;
    m_frame1->setObjectName(QStringLiteral("frame1"));
    auto* vp = new QVBoxLayout(m_frame1);
    vp->addStretch();
    auto* rotulo = new QLabel(QStringLiteral("A escrever interpretação automática ..."));
    rotulo->setObjectName(QStringLiteral("Label1"));
    rotulo->setAlignment(Qt::AlignCenter);
    m_ProgressBar1 = new QProgressBar;
    m_ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    m_ProgressBar1->setRange(0, 100);
    vp->addWidget(rotulo);
    vp->addWidget(m_ProgressBar1);
    vp->addStretch();
    pilha->addWidget(m_holder);
    pilha->addWidget(m_frame1);
    setCentralWidget(pilha);
    m_estado = new QLabel;
    statusBar()->addWidget(m_estado, 1);
}

bool frmread::eventFilter(QObject* objecto, QEvent* evento) {
    // The box last given the focus stays the target of the tool bar, whose buttons take it.
    if (evento->type() == QEvent::FocusIn && (objecto == m_txtRTF || objecto == m_txtRTF2)) {
        m_ultimaFocada = static_cast<QTextEdit*>(objecto);
        seleccaoMudou();
    }
    return QMainWindow::eventFilter(objecto, evento);
}

void frmread::closeEvent(QCloseEvent* e) {
    if (PodeDescartar())
        e->accept();
    else
        e->ignore();
}

void frmread::marcaGuardado() {
    m_txtRTF->document()->setModified(false);
    m_txtRTF2->document()->setModified(false);
}

bool frmread::PodeDescartar() {
    const DonoDasCaixas dono(this);
    const bool relatorio = m_txtRTF->document()->isModified();
    const bool pessoal = m_txtRTF2->document()->isModified() && TemTextoPessoal(*m_txtRTF2->document());
    if (!relatorio && !pessoal)
        return true;
    const QString que = relatorio && pessoal ? QStringLiteral("A interpretação e a interpretação pessoal têm")
                        : relatorio          ? QStringLiteral("A interpretação tem")
                                             : QStringLiteral("A interpretação pessoal tem");
    const RespostaMsg r =
        CaixaMensagens().Mostra(IconeMsg::Pergunta, TituloAplicacao(),
                                que + QStringLiteral(" alterações por guardar.\nDeseja guardá-las?"), BotoesMsg::SimNaoCancelar);
    if (r == RespostaMsg::Cancelar)
        return false;
    if (r == RespostaMsg::Sim)
        return SaveInterpretacao();
    marcaGuardado();
    return true;
}

bool frmread::event(QEvent* evento) {
    if (evento->type() == QEvent::WindowActivate)
        if (auto* principal = qobject_cast<QMainWindow*>(parentWidget()))
            defineEstado(principal->statusBar()->currentMessage());
    return DicaDeEstadoVazia(evento) || QMainWindow::event(evento);
}

QAction* frmread::accao(const QString& nome) const { return findChild<QAction*>(nome); }

void frmread::defineEditor(bool presente) {
    accao(QStringLiteral("mnueditor"))->setVisible(presente);
    accao(QStringLiteral("sepEditor"))->setVisible(presente);
}

QStringList frmread::argumentosEditor() const {
    // The paragraph under the cursor, or the first text below a heading the cursor stands on.
    QTextBlock b = m_txtRTF->textCursor().block();
    for (int k = 0; k < 4 && b.isValid(); ++k, b = b.next()) {
        const int32_t codigo = CodigoParagrafo(b);
        if (codigo >= 0)
            return {QStringLiteral("--codigo"), QString::number(codigo)};
    }
    return {};
}

void frmread::abreEditor() {
    const QString caminho = CaminhoPrograma(NomeExecutavel(QStringLiteral("glosador")));
    if (!QProcess::startDetached(caminho, argumentosEditor()))
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao(), QStringLiteral("Não foi possível iniciar ") + caminho);
}

void frmread::defineEstado(const QString& texto) { m_estado->setText(texto); }

QTextEdit* frmread::focada() const {
    if (!m_txtRTF2->isHidden() && (m_txtRTF2->hasFocus() || m_ultimaFocada == m_txtRTF2))
        return m_txtRTF2;
    return m_txtRTF;
}

void frmread::escreveCabecalhoPessoal() {
    m_txtRTF2->clear();
    EscreveParagrafo(*m_txtRTF2->document(), kCabecalhoPessoal, CoresRelatorio::DasOpcoes().CorSub1, false, false, false,
                     20, true, AlinhaCentro);
    m_txtRTF2->document()->setModified(false);
}

void frmread::definePersonal(bool ligado) {
    m_txtRTF2->setVisible(ligado);
    accao(QStringLiteral("mnupersonal"))->setChecked(ligado);
    accao(QStringLiteral("tb_resumo"))->setChecked(ligado);
    if (ligado) {
        const int h = m_holder->height();
        m_holder->setSizes({(h - 6) * 3 / 4, (h - 6) / 4});
    }
    seleccaoMudou();
}

bool frmread::AutoInterpretacao(SessaoMapa& sessao) {
    return Escreve(
        [this, &sessao](QTextDocument& doc, const std::function<void(double)>& progresso) {
            Relatorio r(sessao.campos(), sessao.mapa(), DataDB(), CoresRelatorio::DasOpcoes());
            OpcoesSintese sintese = OpcoesSintese::DasOpcoes();
            if (sintese.ligada && m_roda) sintese.roda = m_roda();
            r.setSintese(sintese);
            r.setProgresso(progresso);
            r.AutoInterpretacao(doc);
            const QString avisoTextos = TextosUtilizador().TomaAviso();
            if (!avisoTextos.isEmpty())
                CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao(), avisoTextos);
        },
        sessao.campos().txtNome);
}

bool frmread::Escreve(EscritorRelatorio escritor, const QString& nomeProposto) {
    show();
    raise();
    // Writing the report again replaces what the user edited: asked first.
    if (!PodeDescartar())
        return false;
    m_escritor = std::move(escritor);
    m_nomeProposto = nomeProposto;
    auto* pilha = static_cast<QStackedWidget*>(centralWidget());
    pilha->setCurrentWidget(m_frame1);
    m_ProgressBar1->setValue(0);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QApplication::processEvents();
    m_escritor(*m_txtRTF->document(), [this](double f) { m_ProgressBar1->setValue(int(std::lround(f * 100.0))); });
    m_txtRTF->moveCursor(QTextCursor::Start);
    m_txtRTF->document()->setModified(false);
    pilha->setCurrentWidget(m_holder);
    QApplication::restoreOverrideCursor();
    return true;
}

void frmread::refazer() {
    if (m_escritor)
        Escreve(m_escritor, m_nomeProposto);
}

bool frmread::SaveInterpretacao(const QString& caminhoDado) {
    const DonoDasCaixas dono(this);
    const QString caminho =
        caminhoDado.isEmpty() ? ShowFileDialog(this, true, FicheiroRelatorio, m_nomeProposto)
                              : caminhoDado;
    if (caminho.isEmpty())
        return false;
    QString erro;
    if (!GuardaInterpretacao(caminho, *m_txtRTF->document(), *m_txtRTF2->document(), &erro)) {
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao(), erro);
        return false;
    }
    if (caminhoDado.isEmpty() &&
        CaixaMensagens().Mostra(IconeMsg::Pergunta, TituloAplicacao(),
                                QStringLiteral("Deseja abrir este ficheiro no suporte standard ?"),
                                BotoesMsg::SimNao) == RespostaMsg::Sim)
        QDesktopServices::openUrl(QUrl::fromLocalFile(caminho));
    marcaGuardado();
    return true;
}

bool frmread::Importa(const QString& caminhoDado) {
    const DonoDasCaixas dono(this);
    const QString caminho = caminhoDado.isEmpty() ? ShowFileDialog(this, false, FicheiroRelatorio) : caminhoDado;
    if (caminho.isEmpty())
        return false;
    // Read into documents not yet shown, with a progress dialog that can cancel; the window's
    // documents (and any edits in them) are replaced only when the whole file was read.
    auto relatorio = std::make_unique<QTextDocument>(m_txtRTF), pessoal = std::make_unique<QTextDocument>(m_txtRTF2);
    relatorio->setDefaultFont(m_txtRTF->document()->defaultFont());
    pessoal->setDefaultFont(m_txtRTF2->document()->defaultFont());
    QProgressDialog progresso(QStringLiteral("A importar %1…").arg(QFileInfo(caminho).fileName()),
                              QStringLiteral("Cancelar"), 0, 1000, this);
    progresso.setWindowTitle(TituloAplicacao());
    progresso.setWindowModality(Qt::WindowModal);
    progresso.setMinimumDuration(400);
    QString erro;
    const bool lido = ImportaInterpretacao(caminho, *relatorio, *pessoal, &erro, [&](double parte) {
        progresso.setValue(int(parte * 1000));
        QCoreApplication::processEvents();
        return !progresso.wasCanceled();
    });
    const bool cancelado = progresso.wasCanceled();
    progresso.reset();
    if (!lido) {
        if (!cancelado) CaixaMensagens().Mostra(IconeMsg::Exclamacao, TituloAplicacao(), erro);
        return false;
    }
    const auto troca = [](QTextEdit* caixa, std::unique_ptr<QTextDocument> novo) {
        // The box deletes its own first document itself; one an earlier import gave it, not.
        const QPointer<QTextDocument> antigo = caixa->document();
        caixa->setDocument(novo.release());
        if (antigo && antigo->parent() == caixa) antigo->deleteLater();
    };
    troca(m_txtRTF, std::move(relatorio));
    if (!pessoal->isEmpty()) troca(m_txtRTF2, std::move(pessoal)); // else the personal pane stays
    if (TemTextoPessoal(*m_txtRTF2->document()))
        definePersonal(true);
    marcaGuardado();
    return true;
}

void frmread::Imprime(QPrinter& impressora) {
    QTextDocument junto;
    InterpretacaoImpressa(*m_txtRTF->document(), *m_txtRTF2->document(), junto);
    CopiaRodaRelatorio(*m_txtRTF->document(), junto);
    ImprimeDocumento(junto, impressora);
}

void frmread::aplica(const std::function<void(QTextCharFormat&)>& muda, bool soRelatorio) {
    QTextEdit* e = soRelatorio ? m_txtRTF : focada();
    QTextCursor c = e->textCursor();
    QTextCharFormat f;
    muda(f);
    if (!c.hasSelection())
        e->mergeCurrentCharFormat(f);
    else
        c.mergeCharFormat(f);
    e->setFocus();
}

void frmread::tamanho(int delta) {
    QTextEdit* e = focada();
    QTextCursor c = e->textCursor();
    double actual = c.charFormat().fontPointSize();
    if (actual <= 0)
        actual = e->font().pointSizeF();
    const double novo = std::max(1.0, actual + delta);
    QTextCharFormat f;
    f.setFontPointSize(novo);
    if (c.hasSelection())
        c.mergeCharFormat(f);
    else
        e->mergeCurrentCharFormat(f);
    m_aActualizar = true;
    m_Tamanho->setEditText(QString::number(novo));
    m_aActualizar = false;
}

void frmread::alinha(Qt::Alignment a) {
    QTextEdit* e = focada();
    e->setAlignment(a);
    seleccaoMudou();
}

void frmread::seleccaoMudou() {
    if (EmEscrita())
        return;
    QTextEdit* e = focada();
    const QTextCursor c = e->textCursor();
    // A mixed selection counts as not pressed: check both ends and the format in between.
    QTextCharFormat f = c.charFormat();
    bool negrito = f.fontWeight() >= QFont::Bold, italico = f.fontItalic(), sub = f.fontUnderline();
    if (c.hasSelection()) {
        QTextCursor i(e->document());
        for (int p = c.selectionStart() + 1; p <= c.selectionEnd(); ++p) {
            i.setPosition(p);
            const QTextCharFormat g = i.charFormat();
            negrito = negrito && g.fontWeight() >= QFont::Bold;
            italico = italico && g.fontItalic();
            sub = sub && g.fontUnderline();
        }
    }
    accao(QStringLiteral("tb_bold"))->setChecked(negrito);
    accao(QStringLiteral("tb_italico"))->setChecked(italico);
    accao(QStringLiteral("tb_underline"))->setChecked(sub);
    m_aActualizar = true;
    const double pontos = f.fontPointSize() > 0 ? f.fontPointSize() : e->font().pointSizeF();
    m_Tamanho->setEditText(QString::number(pontos));
    const QStringList familias = f.fontFamilies().toStringList();
    m_letras->setCurrentFont(QFont(familias.isEmpty() ? e->font().family() : familias.first()));
    m_aActualizar = false;
    const Qt::Alignment a = e->alignment();
    accao(QStringLiteral("tb_left"))->setChecked(a & Qt::AlignLeft);
    accao(QStringLiteral("tb_center"))->setChecked(a & Qt::AlignHCenter);
    accao(QStringLiteral("tb_right"))->setChecked(a & Qt::AlignRight);
}
