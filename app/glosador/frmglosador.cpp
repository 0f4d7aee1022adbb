#include "frmglosador.h"

#include "camposmapa.h"
#include "fontedados.h"
#include "marcacao.h"
#include "mensagens.h"
#include "textos.h"
#include "textosproprios.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
const QString kTitulo = QStringLiteral("Glosador");
constexpr int kEditados = -2; // the family combo's row for the user's own texts
const QString kFiltroFicheiros = QStringLiteral("Textos do Glosador (*.glosa);;Todos os ficheiros (*)");

QString Previa(const QString& texto, const QString& nome, bool masculino, int frente) {
    CamposMapa campos;
    campos.txtNome = nome;
    campos.sexoMasculino = masculino;
    return ExpandeTexto(texto, ParesNativo(campos), masculino, frente);
}
} // namespace

frmGlosador::frmGlosador(FonteDados& enviados, TextosProprios& proprios, QWidget* pai)
    : QMainWindow(pai), m_enviados(enviados), m_proprios(proprios) {
    setObjectName(QStringLiteral("frmGlosador"));
    setWindowTitle(QStringLiteral("Editor de Interpretação[*]"));

    QWidget* esquerda = criaLista();
    QWidget* direita = criaEditor();

    auto* divisor = new QSplitter;
    divisor->addWidget(esquerda);
    divisor->addWidget(direita);
    divisor->setStretchFactor(0, 2);
    divisor->setStretchFactor(1, 3);
    divisor->setChildrenCollapsible(false);
    setCentralWidget(divisor);
    statusBar();
    constroiMenus();

    connect(m_familia, &QComboBox::currentIndexChanged, this, &frmGlosador::preencheLista);
    connect(m_procura, &QLineEdit::textChanged, this, &frmGlosador::preencheLista);
    connect(m_lista, &QListWidget::currentRowChanged, this, &frmGlosador::seleccionou);
    connect(m_texto, &QPlainTextEdit::textChanged, this, &frmGlosador::textoMudou);
    connect(m_nome, &QLineEdit::textChanged, this, &frmGlosador::actualizaPrevia);
    connect(m_posicao, &QComboBox::currentIndexChanged, this, &frmGlosador::actualizaPrevia);
    connect(m_guardar, &QPushButton::clicked, this, &frmGlosador::Guarda);
    connect(m_repor, &QPushButton::clicked, this, &frmGlosador::Repoe);

    m_catalogo.Carrega(m_enviados, m_proprios);
    preencheLista();
    // A size that fits the screen, centred on it; the browser wide enough for its meanings.
    const QRect ecra = screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 800);
    resize(QSize(1200, 800).boundedTo(ecra.size() * 0.92));
    move(ecra.center() - rect().center());
    divisor->setSizes({width() * 2 / 5, width() * 3 / 5});
}

// The left side: the family, the search and the list of texts.
QWidget* frmGlosador::criaLista() {
    auto* esquerda = new QWidget;
    auto* le = new QVBoxLayout(esquerda);
    m_familia = new QComboBox;
    m_familia->setObjectName(QStringLiteral("cmbFamilia"));
    m_familia->addItem(QStringLiteral("Todas as famílias"), -1);
    for (int f = 0; f < N_FAMILIAS; ++f)
        m_familia->addItem(NomeFamilia(Familia(f)), f);
    m_familia->addItem(QStringLiteral("Editados por si"), kEditados);
    m_procura = new QLineEdit;
    m_procura->setObjectName(QStringLiteral("txtProcura"));
    m_procura->setPlaceholderText(QStringLiteral("Procurar no significado e no texto"));
    m_procura->setClearButtonEnabled(true);
    m_lista = new QListWidget;
    m_lista->setObjectName(QStringLiteral("lstTextos"));
    m_contagem = new QLabel;
    m_contagem->setObjectName(QStringLiteral("lblContagem"));
    le->addWidget(m_familia);
    le->addWidget(m_procura);
    le->addWidget(m_lista, 1);
    le->addWidget(m_contagem);
    return esquerda;
}

// The right side: what the code means, its text, the markup's help, the buttons and the
// two previews.
QWidget* frmGlosador::criaEditor() {
    auto* direita = new QWidget;
    auto* ld = new QVBoxLayout(direita);
    m_significado = new QLabel;
    m_significado->setObjectName(QStringLiteral("lblSignificado"));
    m_significado->setWordWrap(true);
    m_significado->setTextFormat(Qt::PlainText);
    QFont negrito = m_significado->font();
    negrito.setBold(true);
    negrito.setPointSizeF(negrito.pointSizeF() * 1.2);
    m_significado->setFont(negrito);
    m_texto = new QPlainTextEdit;
    m_texto->setObjectName(QStringLiteral("txtTexto"));
    m_texto->setTabChangesFocus(true);
    QFont letra = m_texto->font();
    letra.setPointSizeF(letra.pointSizeF() * 1.15);
    m_texto->setFont(letra);
    m_marcacao = new QLabel;
    m_marcacao->setObjectName(QStringLiteral("lblMarcacao"));
    m_marcacao->setWordWrap(true);
    m_marcacao->setTextFormat(Qt::PlainText);
    m_marcacao->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* ajuda = new QLabel(QStringLiteral("|1 nome · |2 o/a · |3 /a · {H homem } · {M mulher } · "
                                            "{A à frente } · {D atrás } · {= em conjunção }"));
    ajuda->setObjectName(QStringLiteral("lblAjudaMarcas"));
    ajuda->setWordWrap(true);

    auto* botoes = new QHBoxLayout;
    m_guardar = new QPushButton(QStringLiteral("&Guardar"));
    m_guardar->setObjectName(QStringLiteral("btnGuardar"));
    m_repor = new QPushButton(QStringLiteral("&Repor o texto original"));
    m_repor->setObjectName(QStringLiteral("btnRepor"));
    botoes->addWidget(m_guardar);
    botoes->addWidget(m_repor);
    botoes->addStretch();

    ld->addWidget(m_significado);
    ld->addWidget(m_texto, 3);
    ld->addWidget(ajuda);
    ld->addWidget(m_marcacao);
    ld->addLayout(botoes);
    criaPrevias(ld);
    return direita;
}

// The previews of the text for a man and for a woman, with the name and positions they use.
void frmGlosador::criaPrevias(QVBoxLayout* ld) {
    auto* opcoesPrevia = new QFormLayout;
    m_nome = new QLineEdit(QStringLiteral("Alex"));
    m_nome->setObjectName(QStringLiteral("txtNome"));
    m_posicao = new QComboBox;
    m_posicao->setObjectName(QStringLiteral("cmbPosicao"));
    m_posicao->addItem(QStringLiteral("o primeiro corpo à frente do segundo"), 1);
    m_posicao->addItem(QStringLiteral("o primeiro corpo atrás do segundo"), -1);
    m_posicao->addItem(QStringLiteral("os dois na mesma longitude"), 0);
    opcoesPrevia->addRow(QStringLiteral("Nome na pré-visualização:"), m_nome);
    opcoesPrevia->addRow(QStringLiteral("Posição dos corpos:"), m_posicao);

    auto previa = [](const char* nome) {
        auto* b = new QTextBrowser;
        b->setObjectName(QString::fromLatin1(nome));
        b->document()->setDefaultFont(QFont(QStringLiteral("Times New Roman"), 11));
        return b;
    };
    m_homem = previa("txtPreviaHomem");
    m_mulher = previa("txtPreviaMulher");
    auto* previas = new QHBoxLayout;
    for (auto [rotulo, caixa] : {std::pair{QStringLiteral("Para um homem"), m_homem}, {QStringLiteral("Para uma mulher"), m_mulher}}) {
        auto* coluna = new QVBoxLayout;
        coluna->addWidget(new QLabel(rotulo));
        coluna->addWidget(caixa);
        previas->addLayout(coluna);
    }
    ld->addLayout(opcoesPrevia);
    ld->addLayout(previas, 2);
}

void frmGlosador::constroiMenus() {
    auto accao = [this](QMenu* menu, const char* nome, const QString& texto, const QKeySequence& atalho, auto&& f) {
        auto* a = menu->addAction(texto);
        a->setObjectName(QString::fromLatin1(nome));
        a->setShortcut(atalho);
        connect(a, &QAction::triggered, this, f);
        return a;
    };
    auto* ficheiro = menuBar()->addMenu(QStringLiteral("&Ficheiro"));
    accao(ficheiro, "mnuGuardar", QStringLiteral("&Guardar"), QKeySequence::Save, [this] { Guarda(); });
    ficheiro->addSeparator();
    accao(ficheiro, "mnuExportar", QStringLiteral("&Exportar os meus textos..."), QKeySequence(), [this] { Exporta(); });
    accao(ficheiro, "mnuImportar", QStringLiteral("&Importar textos..."), QKeySequence(), [this] { Importa(); });
    ficheiro->addSeparator();
    accao(ficheiro, "mnuSair", QStringLiteral("Sai&r"), QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); });
    auto* editar = menuBar()->addMenu(QStringLiteral("&Editar"));
    auto* desfazer = accao(editar, "mnuDesfazer", QStringLiteral("&Desfazer"), QKeySequence::Undo, [this] { m_texto->undo(); });
    auto* refazer = accao(editar, "mnuRefazer", QStringLiteral("&Refazer"), QKeySequence::Redo, [this] { m_texto->redo(); });
    desfazer->setEnabled(false);
    refazer->setEnabled(false);
    connect(m_texto, &QPlainTextEdit::undoAvailable, desfazer, &QAction::setEnabled);
    connect(m_texto, &QPlainTextEdit::redoAvailable, refazer, &QAction::setEnabled);
    editar->addSeparator();
    accao(editar, "mnuRepor", QStringLiteral("Repor o texto &original"), QKeySequence(), [this] { Repoe(); });
    accao(editar, "mnuProcurar", QStringLiteral("&Procurar"), QKeySequence::Find, [this] {
        m_procura->setFocus();
        m_procura->selectAll();
    });
}

void frmGlosador::marcaItem(int linha) {
    QListWidgetItem* item = m_lista->item(linha);
    const EntradaCatalogo& e = m_catalogo.Entradas()[m_visiveis[linha]];
    item->setText((e.editado ? QStringLiteral("✎ ") : QString()) + e.significado + QStringLiteral("  (") + e.chave +
                  QLatin1Char(')'));
    QFont f = m_lista->font();
    f.setBold(e.editado);
    item->setFont(f);
    item->setToolTip(e.editado ? QStringLiteral("Texto editado por si") : QString());
}

void frmGlosador::preencheLista() {
    const int codigoAntes = CodigoActual();
    const int familia = m_familia->currentData().toInt();
    m_visiveis = m_catalogo.Filtra(familia == kEditados ? -1 : familia, familia == kEditados, m_procura->text());
    m_aMudar = true;
    m_lista->clear();
    int linhaAntes = -1;
    for (int k = 0; k < m_visiveis.size(); ++k) {
        m_lista->addItem(QString());
        marcaItem(k);
        if (m_catalogo.Entradas()[m_visiveis[k]].codigo == codigoAntes) linhaAntes = k;
    }
    m_lista->setCurrentRow(linhaAntes);
    m_aMudar = false;
    m_contagem->setText(QStringLiteral("%1 de %2 textos").arg(m_visiveis.size()).arg(m_catalogo.Entradas().size()));
    // The text being edited stays in the editor when a search hides it from the list.
    if (m_actual < 0 && !m_visiveis.isEmpty()) m_lista->setCurrentRow(0);
}

void frmGlosador::seleccionou() {
    if (m_aMudar) return;
    const int linha = m_lista->currentRow();
    if (linha < 0 || linha >= m_visiveis.size() || m_visiveis[linha] == m_actual) return;
    if (!PodeSair()) {
        // Back to the entry being edited, without asking again.
        m_aMudar = true;
        m_lista->setCurrentRow(int(m_visiveis.indexOf(m_actual)));
        m_aMudar = false;
        return;
    }
    carrega(m_visiveis[linha]);
}

void frmGlosador::carrega(int indice) {
    m_actual = indice;
    const EntradaCatalogo& e = m_catalogo.Entradas()[indice];
    QString cabecalho = e.significado + QStringLiteral(" — código ") + e.chave;
    if (e.editado)
        cabecalho += e.temEnviado ? QStringLiteral(" (editado por si)") : QStringLiteral(" (texto seu, sem texto do programa)");
    m_significado->setText(cabecalho);
    m_posicao->setEnabled(TemSegmentosPosicao(e.codigo));
    m_aMudar = true;
    m_texto->setPlainText(e.Actual()); // a new undo history for each text
    m_aMudar = false;
    m_texto->document()->setModified(false);
    m_repor->setEnabled(e.editado && e.temEnviado);
    textoMudou();
}

int32_t frmGlosador::CodigoActual() const {
    return m_actual >= 0 ? m_catalogo.Entradas()[m_actual].codigo : -1;
}

bool frmGlosador::MostraCodigo(int32_t codigo) {
    const int i = m_catalogo.Indice(codigo);
    if (i < 0) return false;
    if (i == m_actual) return true;
    if (!PodeSair()) return false;
    m_aMudar = true;
    m_familia->setCurrentIndex(0);
    m_procura->clear();
    m_aMudar = false;
    carrega(i);
    preencheLista();
    return true;
}

void frmGlosador::textoMudou() {
    if (m_aMudar || m_actual < 0) return;
    const EntradaCatalogo& e = m_catalogo.Entradas()[m_actual];
    const QString t = m_texto->toPlainText();
    const auto problemas = VerificaMarcacao(t, TemSegmentosPosicao(e.codigo));
    m_temErros = TemErros(problemas);
    m_marcacao->setText(problemas.isEmpty() ? QStringLiteral("Marcação correcta.") : DescreveProblemas(problemas));
    m_marcacao->setStyleSheet(m_temErros            ? QStringLiteral("color: #b00000;")
                              : problemas.isEmpty() ? QStringLiteral("color: #206020;")
                                                    : QStringLiteral("color: #8a5a00;"));
    // Each problem underlined where it stands.
    QList<QTextEdit::ExtraSelection> marcas;
    for (const auto& p : problemas) {
        QTextEdit::ExtraSelection s;
        s.cursor = QTextCursor(m_texto->document());
        s.cursor.setPosition(p.posicao);
        s.cursor.setPosition(std::min<int>(p.posicao + p.comprimento, int(t.size())), QTextCursor::KeepAnchor);
        s.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        s.format.setUnderlineColor(p.erro ? Qt::red : QColor(0xd0, 0x90, 0x00));
        s.format.setBackground(p.erro ? QColor(0xff, 0xe0, 0xe0) : QColor(0xff, 0xf4, 0xd0));
        marcas << s;
    }
    m_texto->setExtraSelections(marcas);
    const bool mudou = m_texto->document()->isModified();
    m_guardar->setEnabled(mudou && !m_temErros);
    setWindowModified(mudou);
    statusBar()->showMessage(m_temErros ? QStringLiteral("O texto tem erros de marcação e não pode ser guardado.")
                                        : mudou ? QStringLiteral("Alterações por guardar.")
                                                : QString());
    actualizaPrevia();
}

void frmGlosador::actualizaPrevia() {
    if (m_actual < 0) return;
    const int32_t codigo = m_catalogo.Entradas()[m_actual].codigo;
    const int frente = TemSegmentosPosicao(codigo) ? m_posicao->currentData().toInt() : kSemPosicao;
    const QString t = m_texto->toPlainText();
    m_homem->setPlainText(Previa(t, m_nome->text(), true, frente));
    m_mulher->setPlainText(Previa(t, m_nome->text(), false, frente));
}

bool frmGlosador::Guarda() {
    if (m_actual < 0) return false;
    const QString t = m_texto->toPlainText();
    if (m_temErros) {
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, kTitulo,
                                QStringLiteral("O texto tem erros de marcação e não pode ser guardado:\n\n") +
                                    m_marcacao->text());
        return false;
    }
    const EntradaCatalogo e = m_catalogo.Entradas()[m_actual];
    QString erro;
    // Typed back to the shipped text, the entry is the program's again.
    const bool ok = e.temEnviado && t == e.enviado ? (!e.editado || m_proprios.Repoe(e.chave, &erro))
                                                   : m_proprios.Grava({e.chave, t, e.enviado, {}}, &erro);
    if (!ok) {
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, kTitulo, erro);
        return false;
    }
    m_catalogo.Actualiza(m_actual, m_proprios);
    m_texto->document()->setModified(false);
    const int linha = int(m_visiveis.indexOf(m_actual));
    if (linha >= 0) marcaItem(linha);
    carrega(m_actual);
    statusBar()->showMessage(QStringLiteral("Texto guardado em %1.").arg(QDir::toNativeSeparators(m_proprios.Caminho())), 5000);
    return true;
}

bool frmGlosador::Repoe() {
    if (m_actual < 0) return false;
    const EntradaCatalogo e = m_catalogo.Entradas()[m_actual];
    if (!e.editado || !e.temEnviado) return false;
    if (CaixaMensagens().Mostra(IconeMsg::Pergunta, kTitulo,
                                QStringLiteral("Repor o texto original de «%1»?\nO seu texto deste código será apagado.")
                                    .arg(e.significado),
                                BotoesMsg::SimNao) != RespostaMsg::Sim)
        return false;
    QString erro;
    if (!m_proprios.Repoe(e.chave, &erro)) {
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, kTitulo, erro);
        return false;
    }
    m_catalogo.Actualiza(m_actual, m_proprios);
    const int linha = int(m_visiveis.indexOf(m_actual));
    if (linha >= 0) marcaItem(linha);
    carrega(m_actual);
    if (m_familia->currentData().toInt() == kEditados) preencheLista();
    return true;
}

bool frmGlosador::PodeSair() {
    if (m_actual < 0 || !m_texto->document()->isModified()) return true;
    const RespostaMsg r = CaixaMensagens().Mostra(
        IconeMsg::Pergunta, kTitulo,
        QStringLiteral("O texto de «%1» foi alterado.\nDeseja guardar as alterações?").arg(m_catalogo.Entradas()[m_actual].significado),
        BotoesMsg::SimNaoCancelar);
    if (r == RespostaMsg::Cancelar) return false;
    if (r == RespostaMsg::Sim) return Guarda();
    m_texto->document()->setModified(false);
    return true;
}

void frmGlosador::closeEvent(QCloseEvent* e) {
    if (PodeSair())
        e->accept();
    else
        e->ignore();
}

bool frmGlosador::Exporta(const QString& caminhoDado) {
    if (m_proprios.Todos().isEmpty()) {
        CaixaMensagens().Mostra(IconeMsg::Informacao, kTitulo, QStringLiteral("Ainda não editou nenhum texto: não há nada a exportar."));
        return false;
    }
    const QString caminho = caminhoDado.isEmpty()
                                ? QFileDialog::getSaveFileName(this, QStringLiteral("Exportar os meus textos"),
                                                               QDir::home().filePath(QStringLiteral("textos.glosa")), kFiltroFicheiros)
                                : caminhoDado;
    if (caminho.isEmpty()) return false;
    QString erro;
    if (!ExportaTextos(caminho, m_proprios, &erro)) {
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, kTitulo, erro);
        return false;
    }
    statusBar()->showMessage(QStringLiteral("%1 textos exportados para %2.").arg(m_proprios.Todos().size()).arg(caminho), 5000);
    return true;
}

EscolhaConflito frmGlosador::perguntaConflito(const ConflitoImportacao& c) {
    if (m_pergunta) return m_pergunta(c);
    QMessageBox caixa(QMessageBox::Question, kTitulo,
                      QStringLiteral("O texto de «%1» (código %2) foi alterado por si e também no ficheiro importado.\n"
                                     "Qual deseja manter?")
                          .arg(Significado(c.codigo.toInt()), c.codigo),
                      QMessageBox::NoButton, this);
    caixa.setDetailedText(QStringLiteral("O seu texto:\n%1\n\nO texto importado:\n%2").arg(c.meu, c.importado));
    // Action roles keep the buttons in this order; Escape cancels the whole import.
    auto* meu = caixa.addButton(QStringLiteral("Manter o meu"), QMessageBox::ActionRole);
    auto* importado = caixa.addButton(QStringLiteral("Usar o importado"), QMessageBox::ActionRole);
    auto* meusTodos = caixa.addButton(QStringLiteral("Manter sempre os meus"), QMessageBox::ActionRole);
    auto* importadosTodos = caixa.addButton(QStringLiteral("Usar sempre os importados"), QMessageBox::ActionRole);
    caixa.setEscapeButton(caixa.addButton(QStringLiteral("Cancelar a importação"), QMessageBox::RejectRole));
    caixa.setDefaultButton(meu);
    caixa.exec();
    const auto* b = caixa.clickedButton();
    return b == meu ? EscolhaConflito::Manter
           : b == importado ? EscolhaConflito::Importar
           : b == meusTodos ? EscolhaConflito::ManterTodos
           : b == importadosTodos ? EscolhaConflito::ImportarTodos
                                  : EscolhaConflito::Cancelar;
}

bool frmGlosador::Importa(const QString& caminhoDado) {
    if (!PodeSair()) return false;
    const QString caminho = caminhoDado.isEmpty() ? QFileDialog::getOpenFileName(this, QStringLiteral("Importar textos"),
                                                                                 QDir::homePath(), kFiltroFicheiros)
                                                  : caminhoDado;
    if (caminho.isEmpty()) return false;
    ResultadoImportacao r;
    QString erro;
    if (!ImportaTextos(caminho, m_proprios, m_enviados, [this](const ConflitoImportacao& c) { return perguntaConflito(c); }, r,
                       &erro)) {
        CaixaMensagens().Mostra(IconeMsg::Exclamacao, kTitulo, erro);
        return false;
    }
    if (r.cancelado) return false;
    const int actual = CodigoActual();
    m_catalogo.Carrega(m_enviados, m_proprios);
    m_actual = -1;
    preencheLista();
    if (actual >= 0) MostraCodigo(actual);
    QString resumo = QStringLiteral("Importação terminada.\n\nTextos novos: %1\nSubstituídos pelos importados: %2\n"
                                    "Seus, mantidos: %3\nIguais aos que já tinha: %4")
                         .arg(r.novos)
                         .arg(r.substituidos)
                         .arg(r.mantidos)
                         .arg(r.iguais);
    if (!r.recusados.isEmpty())
        resumo += QStringLiteral("\n\nNão foram importados (marcação inválida ou linha ilegível):\n") + r.recusados.join(QLatin1Char('\n'));
    CaixaMensagens().Mostra(r.recusados.isEmpty() ? IconeMsg::Informacao : IconeMsg::Exclamacao, kTitulo, resumo);
    return true;
}
