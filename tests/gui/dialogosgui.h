#pragma once
// Working the controls as a user does: clicks on controls found by name, and the modal
// dialog a command opens answered through its own controls once it is up.
#include "ambientegui.h"
#include "frmmain.h"
#include "mapagui.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QToolBar>
#include <QTimer>
#include <algorithm>
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

// The main window as the program starts it, active and large enough for every view.
inline std::unique_ptr<frmMain> janela() {
    std::unique_ptr<frmMain> j(Arranca({}, AmbienteGui::opcoesTeste()));
    if (j) {
        j->resize(1280, 800);
        if (!QTest::qWaitForWindowActive(j.get()))
            qWarning("a janela não ficou activa");
    }
    return j;
}

// Whether a message box beginning with `inicio` was shown.
inline bool perguntou(const AmbienteGui& amb, const QString& inicio) {
    return std::any_of(amb.caixa.chamadas.begin(), amb.caixa.chamadas.end(),
                       [&](const MensagensGravadas::Chamada& c) { return c.texto.startsWith(inicio); });
}
