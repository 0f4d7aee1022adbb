#include "frmrenovo.h"

#include "frmmsg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>

frmmain::frmmain(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmmain"));
    setWindowTitle(QStringLiteral("Actualização do Natalis"));
    LancarWebpage = [] { QDesktopServices::openUrl(QUrl(PaginaWeb())); };

    m_current = new QLabel(this);
    m_current->setObjectName(QStringLiteral("current"));
    QFont negrito = m_current->font();
    negrito.setBold(true);
    m_current->setFont(negrito);
    m_msg = new QLabel(this);
    m_msg->setObjectName(QStringLiteral("msg"));
    m_msg->setWordWrap(true);
    m_lblprog = new QLabel(this);
    m_lblprog->setObjectName(QStringLiteral("lblprog"));
    m_lblprog->setWordWrap(true);
    m_lblprog->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Room for the three lines of the program update's progress, so the window does not jump.
    m_lblprog->setMinimumHeight(m_lblprog->fontMetrics().lineSpacing() * 3);
    m_Errlist = new QListWidget(this);
    m_Errlist->setObjectName(QStringLiteral("Errlist"));
    m_Errlist->setFixedHeight(m_Errlist->fontMetrics().lineSpacing() * 5);
    // Long error lines wrap instead of hiding behind a horizontal scroll bar.
    m_Errlist->setWordWrap(true);
    m_Errlist->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_Errlist->setResizeMode(QListView::Adjust);
    m_cmdactual = new QPushButton(QStringLiteral("Actualizar"), this);
    m_cmdactual->setObjectName(QStringLiteral("cmdactual"));
    m_cmdactual->setDefault(true);
    m_Command2 = new QPushButton(this);
    m_Command2->setObjectName(QStringLiteral("Command2"));

    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(m_cmdactual);
    botoes->addWidget(m_Command2);
    auto* coluna = new QVBoxLayout(this);
    coluna->addWidget(m_current);
    coluna->addSpacing(6);
    coluna->addWidget(m_msg);
    coluna->addWidget(m_lblprog);
    coluna->addWidget(m_Errlist);
    coluna->addLayout(botoes);
    setFixedWidth(460);

    m_noticias = new frmmsg(this);

    connect(m_cmdactual, &QPushButton::clicked, this, &frmmain::Actualizar);
    connect(m_Command2, &QPushButton::clicked, this, &frmmain::Cancelar);
    connect(&m_act, &Actualizador::mudou, this, &frmmain::reflecte);
    connect(&m_act, &Actualizador::noticias, this, &frmmain::mostraNoticias);
    connect(&m_act, &Actualizador::lancaPagina, this, [this] {
        if (LancarWebpage) LancarWebpage();
    });
    connect(&m_act, &Actualizador::aviso, this, [] { QApplication::beep(); });
    reflecte();
}

bool frmmain::SemJanela(const QStringList& argumentos) {
    return argumentos == QStringList{QStringLiteral("/N")};
}

int frmmain::ExecutaSemJanela() {
    const Actualizador::Resultado r = m_act.Update();
    if (r == Actualizador::Concluida && m_act.Errlist.isEmpty()) return 0;
    // Without a window, the reason goes where the caller can read it: the status line and the
    // error list, as the window would show them.
    QStringList linhas{m_act.msg};
    linhas += m_act.Errlist;
    std::fputs((QStringLiteral("renovo: ") + linhas.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8().constData(),
               stderr);
    return 1;
}

void frmmain::Actualizar() {
    m_act.Update();
    if (m_fechoPedido) emit terminar();
}

void frmmain::Cancelar() {
    m_fechoPedido = true;
    // A run under way stops first, so no temporary file is left behind; Actualizar ends it.
    if (m_act.EmCurso()) {
        m_act.Interrompe();
        return;
    }
    close();
    emit terminar();
}

void frmmain::closeEvent(QCloseEvent* evento) {
    if (m_fechoPedido)
        evento->accept();
    else
        evento->ignore();
}

void frmmain::mostraNoticias(const QString& texto) {
    m_noticias->DefineTexto(texto);
    m_noticias->show();
    colaNoticias();
}

// The window and the news hung below it stay inside the free area of the screen: the pair is
// moved up (or the news goes above the window) when the bottom edge would pass the screen's.
void frmmain::colaNoticias() {
    const QScreen* ecra = screen();
    const QRect livre = ecra ? ecra->availableGeometry() : QRect();
    QRect janela = frameGeometry();
    const int altura = m_noticias->isVisible() ? m_noticias->frameGeometry().height() : 0;
    if (livre.isValid()) {
        const int topo = std::clamp(janela.top(), livre.top(), std::max(livre.top(), livre.bottom() + 1 - altura - janela.height()));
        const int esquerda = std::clamp(janela.left(), livre.left(), std::max(livre.left(), livre.right() + 1 - janela.width()));
        if (topo != janela.top() || esquerda != janela.left()) {
            move(x() + esquerda - janela.left(), y() + topo - janela.top()); // moveEvent comes back here
            return;
        }
    }
    const int abaixo = janela.top() + janela.height();
    m_noticias->move(janela.left(), livre.isValid() && abaixo + altura > livre.bottom() + 1
                                      ? std::max(livre.top(), janela.top() - altura)
                                      : abaixo);
}

void frmmain::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    // The first place is the middle of the free area, wholly on the screen whatever the window manager chose.
    if (const QScreen* ecra = screen(); ecra && !m_colocada) {
        m_colocada = true;
        const QRect livre = ecra->availableGeometry();
        const QSize moldura = frameGeometry().size().expandedTo(size());
        move(livre.left() + std::max(0, (livre.width() - moldura.width()) / 2),
             livre.top() + std::max(0, (livre.height() - moldura.height()) / 3));
    }
}

// The news window stays attached below the window when the window grows or moves.
void frmmain::moveEvent(QMoveEvent* evento) {
    QWidget::moveEvent(evento);
    if (isVisible()) colaNoticias();
}

void frmmain::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    if (isVisible()) colaNoticias();
}

void frmmain::reflecte() {
    m_current->setText(m_act.current);
    m_msg->setText(m_act.msg);
    const Rgb c = RgbDe(m_act.cor);
    m_msg->setStyleSheet(QStringLiteral("color: rgb(%1, %2, %3);").arg(c.r).arg(c.g).arg(c.b));
    m_lblprog->setText(m_act.lblprog);
    // Lines are only ever added during a run, so only the new ones are added here: a long
    // list grows in linear time. A new run starts from an empty list.
    if (m_Errlist->count() > m_act.Errlist.size()) m_Errlist->clear();
    for (qsizetype i = m_Errlist->count(); i < m_act.Errlist.size(); ++i)
        m_Errlist->addItem(m_act.Errlist[i]);
    m_Errlist->setVisible(m_act.ErrlistVisivel);
    m_cmdactual->setEnabled(m_act.cmdactualActivo);
    m_Command2->setText(m_act.captionCancelar);
    adjustSize();
}
