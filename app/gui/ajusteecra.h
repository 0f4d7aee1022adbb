#pragma once
// Windows laid out for a large screen still fit a small one (a 1024×700 netbook, a projector).
#include <QSize>

class QWidget;

// Gives the window its preferred size, cut to the free area of its screen (the parent's screen
// for a window with a parent) less the window frame, and moves it wholly inside that area.
void AjustaAoEcra(QWidget* janela, QSize preferido);

// Escape closes the window, as it closes the dialogs; close() still asks about unsaved work.
void FechaComEscape(QWidget* janela);

// True for the empty status tip Qt sends when the pointer crosses a menu or a button: the
// windows keep the chart's line in their status bar instead of letting it be wiped.
bool DicaDeEstadoVazia(const class QEvent* evento);
