#pragma once
// Working the controls as a user does: clicks on controls found by name, and the modal
// dialog a command opens answered through its own controls once it is up.
#include "mapagui.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QToolBar>
#include <QTimer>
#include <functional>
#include <memory>

// Near the left edge, where a radio button's circle and a field's text are.
inline void clica(QWidget* janela, const char* nome) {
    auto* w = filho<QWidget>(janela, nome);
    QVERIFY(w);
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(std::min(8, w->width() / 2), w->height() / 2));
}

// Typing any text: keyClicks knows only the keys of a US keyboard and Latin-1 signs.
inline void digita(QWidget* w, const QString& texto) {
    for (QChar c : texto) {
        if (c.unicode() < 0x80)
            QTest::keyClick(w, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Waits (at most five seconds) for the next modal dialog of type T and hands it to `age`.
template <typename T> void quandoAberto(std::function<void(T*)> age) {
    auto* relogio = new QTimer;
    relogio->setInterval(20);
    auto tentativas = std::make_shared<int>(0);
    QObject::connect(relogio, &QTimer::timeout, [relogio, age, tentativas] {
        auto* d = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!d && ++*tentativas < 250)
            return;
        relogio->stop();
        relogio->deleteLater();
        if (d)
            age(d);
        else
            qWarning("o diálogo esperado não abriu");
    });
    relogio->start();
}

// Clicks the tool-bar button of an action, as the mouse would.
inline void clicaBarra(QWidget* janela, const char* accao) {
    auto* a = janela->findChild<QAction*>(QString::fromLatin1(accao));
    QVERIFY2(a, accao);
    for (QToolBar* barra : janela->findChildren<QToolBar*>())
        if (QWidget* b = barra->widgetForAction(a)) {
            QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
            return;
        }
    QFAIL(accao);
}

inline QByteArray leBytes(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
