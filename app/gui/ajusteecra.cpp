#include "ajusteecra.h"

#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QShortcut>
#include <QStatusTipEvent>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace {
// The frame the window manager adds. Before the first show it is not known yet: a title bar and
// thin borders are assumed, so that the frame, not the window's bottom, meets the screen edge.
QSize Moldura(const QWidget* janela) {
    if (janela->isVisible() && janela->frameGeometry().size() != janela->size())
        return janela->frameGeometry().size() - janela->size();
    const int titulo = janela->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, janela);
    return QSize(8, titulo + 8);
}
} // namespace

void AjustaAoEcra(QWidget* janela, QSize preferido) {
    const QWidget* pai = janela->parentWidget() ? janela->parentWidget()->window() : nullptr;
    QScreen* ecra = pai ? pai->screen() : janela->screen();
    if (!ecra)
        ecra = QApplication::primaryScreen();
    if (!ecra) {
        janela->resize(preferido);
        return;
    }
    const QRect livre = ecra->availableGeometry();
    const QSize moldura = Moldura(janela);
    const QSize cabe = livre.size() - moldura;
    janela->resize(preferido.boundedTo(cabe));
    const QSize tamanho = janela->size(); // never below what the layout needs
    // A dialog places itself over its parent when shown, inside the screen.
    if (qobject_cast<QDialog*>(janela))
        return;
    // Centred over the parent, or on the screen; then pulled inside the free area.
    const QSize total = tamanho + moldura;
    const QPoint centro = pai ? pai->frameGeometry().center() : livre.center();
    QPoint canto = centro - QPoint(total.width() / 2, total.height() / 2);
    canto.setX(std::clamp(canto.x(), livre.left(), std::max(livre.left(), livre.right() + 1 - total.width())));
    canto.setY(std::clamp(canto.y(), livre.top(), std::max(livre.top(), livre.bottom() + 1 - total.height())));
    janela->move(canto);
}

void FechaComEscape(QWidget* janela) {
    auto* atalho = new QShortcut(QKeySequence(Qt::Key_Escape), janela);
    atalho->setObjectName(QStringLiteral("atalhoEscape"));
    atalho->setContext(Qt::WindowShortcut);
    QObject::connect(atalho, &QShortcut::activated, janela, &QWidget::close);
}

bool DicaDeEstadoVazia(const QEvent* evento) {
    return evento->type() == QEvent::StatusTip && static_cast<const QStatusTipEvent*>(evento)->tip().isEmpty();
}
