#pragma once
// Typing a chart into the main window as a user would, and screenshots on request
// (NATALIS_CAPTURAS names the folder).
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

template <typename T> T* filho(QWidget* w, const char* nome) {
    T* f = w->findChild<T*>(QString::fromLatin1(nome));
    if (!f)
        qWarning("sem controlo %s", nome);
    return f;
}

inline void escreve(QWidget* janela, const char* campo, const QString& texto) {
    auto* e = filho<QLineEdit>(janela, campo);
    QVERIFY(e);
    e->setFocus();
    e->selectAll();
    QTest::keyClicks(e, texto);
}

// Lisboa, 25 April 1974 at 0:25 (Portugal then kept UTC+1 all year). Entering the zone casts.
inline void escreveNascimento(QWidget* j) {
    escreve(j, "txtNome", QStringLiteral("Maria Silva"));
    escreve(j, "txtData", QStringLiteral("25/4/1974"));
    escreve(j, "txtHora", QStringLiteral("0:25"));
    escreve(j, "txtlocal", QStringLiteral("Lisboa"));
    escreve(j, "txtLatitude", QStringLiteral("38º43' N"));
    escreve(j, "txtlongitude", QStringLiteral("9º8' W"));
    escreve(j, "FusoHorario", QStringLiteral("1"));
    filho<QLineEdit>(j, "txtNome")->setFocus();
}

inline void captura(QWidget* w, const QString& nome) {
    const QString pasta = qEnvironmentVariable("NATALIS_CAPTURAS");
    if (pasta.isEmpty())
        return;
    QDir().mkpath(pasta);
    w->grab().save(pasta + QLatin1Char('/') + nome + QStringLiteral(".png"));
}
