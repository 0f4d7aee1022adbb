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

    current = new QLabel(this);
    current->setObjectName(QStringLiteral("current"));
    QFont negrito = current->font();
    negrito.setBold(true);
    current->setFont(negrito);
    msg = new QLabel(this);
    msg->setObjectName(QStringLiteral("msg"));
    msg->setWordWrap(true);
    lblprog = new QLabel(this);
    lblprog->setObjectName(QStringLiteral("lblprog"));
    lblprog->setWordWrap(true);
    lblprog->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Room for the three lines of the program update's progress, so the window does not jump.
    lblprog->setMinimumHeight(lblprog->fontMetrics().lineSpacing() * 3);
    Errlist = new QListWidget(this);
    Errlist->setObjectName(QStringLiteral("Errlist"));
    Errlist->setFixedHeight(Errlist->fontMetrics().lineSpacing() * 5);
    // Long error lines wrap instead of hiding behind a horizontal scroll bar.
    Errlist->setWordWrap(true);
    Errlist->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Errlist->setResizeMode(QListView::Adjust);
    cmdactual = new QPushButton(QStringLiteral("Actualizar"), this);
    cmdactual->setObjectName(QStringLiteral("cmdactual"));
    cmdactual->setDefault(true);
    Command2 = new QPushButton(this);
    Command2->setObjectName(QStringLiteral("Command2"));

    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(cmdactual);
    botoes->addWidget(Command2);
    auto* coluna = new QVBoxLayout(this);
    coluna->addWidget(current);
    coluna->addSpacing(6);
    coluna->addWidget(msg);
    coluna->addWidget(lblprog);
    coluna->addWidget(Errlist);
    coluna->addLayout(botoes);
    setFixedWidth(460);

    noticias = new frmmsg(this);

    connect(cmdactual, &QPushButton::clicked, this, &frmmain::Actualizar);
    connect(Command2, &QPushButton::clicked, this, &frmmain::Cancelar);
    connect(&act, &Actualizador::mudou, this, &frmmain::reflecte);
    connect(&act, &Actualizador::noticias, this, &frmmain::mostraNoticias);
    connect(&act, &Actualizador::lancaPagina, this, [this] {
        if (LancarWebpage) LancarWebpage();
    });
    connect(&act, &Actualizador::aviso, this, [] { QApplication::beep(); });
    reflecte();
}

bool frmmain::SemJanela(const QStringList& argumentos) {
    return argumentos == QStringList{QStringLiteral("/N")};
}

int frmmain::ExecutaSemJanela() {
    const Actualizador::Resultado r = act.Update();
    if (r == Actualizador::Concluida && act.Errlist.isEmpty()) return 0;
    // Without a window, the reason goes where the caller can read it: the status line and the
    // error list, as the window would show them.
    QStringList linhas{act.msg};
    linhas += act.Errlist;
    std::fputs((QStringLiteral("renovo: ") + linhas.join(QLatin1Char('\n')) + QLatin1Char('\n')).toLocal8Bit().constData(),
               stderr);
    return 1;
}

void frmmain::Actualizar() {
    act.Update();
    if (fechoPedido) emit terminar();
}

void frmmain::Cancelar() {
    fechoPedido = true;
    // A run under way stops first, so no temporary file is left behind; Actualizar ends it.
    if (act.EmCurso()) {
        act.Interrompe();
        return;
    }
    close();
    emit terminar();
}

void frmmain::closeEvent(QCloseEvent* evento) {
    if (fechoPedido)
        evento->accept();
    else
        evento->ignore();
}

void frmmain::mostraNoticias(const QString& texto) {
    noticias->DefineTexto(texto);
    noticias->show();
    colaNoticias();
}

// The window and the news hung below it stay inside the free area of the screen: the pair is
// moved up (or the news goes above the window) when the bottom edge would pass the screen's.
void frmmain::colaNoticias() {
    const QScreen* ecra = screen();
    const QRect livre = ecra ? ecra->availableGeometry() : QRect();
    QRect janela = frameGeometry();
    const int altura = noticias->isVisible() ? noticias->frameGeometry().height() : 0;
    if (livre.isValid()) {
        const int topo = std::clamp(janela.top(), livre.top(), std::max(livre.top(), livre.bottom() + 1 - altura - janela.height()));
        const int esquerda = std::clamp(janela.left(), livre.left(), std::max(livre.left(), livre.right() + 1 - janela.width()));
        if (topo != janela.top() || esquerda != janela.left()) {
            move(x() + esquerda - janela.left(), y() + topo - janela.top()); // moveEvent comes back here
            return;
        }
    }
    const int abaixo = janela.top() + janela.height();
    noticias->move(janela.left(), livre.isValid() && abaixo + altura > livre.bottom() + 1
                                      ? std::max(livre.top(), janela.top() - altura)
                                      : abaixo);
}

void frmmain::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    // The first place is the middle of the free area, wholly on the screen whatever the window manager chose.
    if (const QScreen* ecra = screen(); ecra && !colocada) {
        colocada = true;
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
    current->setText(act.current);
    msg->setText(act.msg);
    const Rgb c = RgbDe(act.cor);
    msg->setStyleSheet(QStringLiteral("color: rgb(%1, %2, %3);").arg(c.r).arg(c.g).arg(c.b));
    lblprog->setText(act.lblprog);
    // Lines are only ever added during a run, so only the new ones are added here: a long
    // list grows in linear time. A new run starts from an empty list.
    if (Errlist->count() > act.Errlist.size()) Errlist->clear();
    for (qsizetype i = Errlist->count(); i < act.Errlist.size(); ++i)
        Errlist->addItem(act.Errlist[i]);
    Errlist->setVisible(act.ErrlistVisivel);
    cmdactual->setEnabled(act.cmdactualActivo);
    Command2->setText(act.captionCancelar);
    adjustSize();
}
