#pragma once
// Window tests: a private program folder (the build's databases and help file, message boxes
// recorded, file choosers answered by the test), and the controls worked as a user works them.
#include "arranque.h"
#include "camposmapa.h"
#include "escolhaficheiro.h"
#include "frmcalculos.h"
#include "frmlocais.h"
#include "frmmain.h"
#include "mensagens.h"
#include "opcoes.h"

#include <QtTest>
#include <QtWidgets>
#include <algorithm>
#include <functional>
#include <memory>

class AmbienteGui {
public:
    AmbienteGui() : m_caixa(&caixa) {
        // The settings store of a test run is never the user's own, even outside CTest.
        static QTemporaryDir configuracao;
        if (!qEnvironmentVariable("XDG_CONFIG_HOME").contains("tests-home"))
            qputenv("XDG_CONFIG_HOME", configuracao.path().toUtf8());
        QVERIFY2(pasta.isValid(), "sem pasta temporária");
        for (const QString f : {"Intrepreter.mdb", "locais.mdb", "natalis.html"})
            if (!QFile::copy(NATALIS_PROGRAM_DIR "/" + f, pasta.filePath(f)))
                QFAIL(qPrintable("falta " + f + " (construa o programa primeiro)"));
        cria(NomeExecutavel("renovo"));
        DefinePastaPrograma(pasta.path());
        SaveOption(0, QString()); // an orb file of an earlier test's folder is not this one's
        DefineRespostaFicheiro(
            [this](const PedidoFicheiro& p) {
                pedidos << p;
                return respostas.isEmpty() ? QString() : respostas.takeFirst();
            });
    }
    ~AmbienteGui() { DefineRespostaFicheiro({}); }

    static OpcoesArranque opcoesTeste() { return {.pausa = false, .splash = false, .registaTipos = false, .dadosUtilizador = {}}; }
    QString em(const QString& nome) const { return pasta.filePath(nome); }
    bool cria(const QString& nome, const QByteArray& bytes = {}) {
        QFile f(em(nome));
        return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
    }
    // Whether a message box beginning with `inicio` was shown.
    bool perguntou(const QString& inicio) const {
        return std::ranges::any_of(caixa.chamadas, [&](const auto& c) { return c.texto.startsWith(inicio); });
    }
    QString ultima() const { return caixa.chamadas.isEmpty() ? QString() : caixa.chamadas.last().texto; }

    QTemporaryDir pasta;
    MensagensGravadas caixa;
    QStringList respostas; // the names the file chooser returns, in turn
    QList<PedidoFicheiro> pedidos; // what the file chooser was asked, in turn

private:
    CaixaTemporaria m_caixa;
};

template <typename T = QWidget> T* filho(QObject* w, const QString& nome) {
    T* f = w->findChild<T*>(nome);
    if (!f) qWarning("sem controlo %s", qPrintable(nome));
    return f;
}

// Typing any text: keyClicks knows only the keys of a US keyboard and Latin-1 signs.
inline void digita(QWidget* w, const QString& texto) {
    for (QChar c : texto) {
        if (c.unicode() < 0x80) QTest::keyClick(w, char(c.unicode()));
        else QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

inline void escreve(QWidget* janela, const QString& campo, const QString& texto) {
    auto* e = filho<QLineEdit>(janela, campo);
    QVERIFY(e);
    e->setFocus();
    e->selectAll();
    digita(e, texto);
}

// Lisboa, 25 April 1974 at 0:25 (Portugal then kept UTC+1 all year). Entering the zone casts.
inline void escreveNascimento(QWidget* j) {
    escreve(j, "txtNome", "Maria Silva");
    escreve(j, "txtData", "25/4/1974");
    escreve(j, "txtHora", "0:25");
    escreve(j, "txtlocal", "Lisboa");
    escreve(j, "txtLatitude", "38º43' N");
    escreve(j, "txtlongitude", "9º8' W");
    escreve(j, "FusoHorario", "1");
    filho<QLineEdit>(j, "txtNome")->setFocus();
}

// The main window as the program starts it, active and large enough for every view; with
// `nascimento`, the test chart typed (and cast, with option 5 at its default).
inline std::unique_ptr<frmMain> janela(bool nascimento = false, const QStringList& args = {}) {
    std::unique_ptr<frmMain> j(Arranca(args, AmbienteGui::opcoesTeste()));
    if (!j) return j;
    j->resize(1280, 800);
    if (!QTest::qWaitForWindowActive(j.get())) qWarning("a janela não ficou activa");
    if (nascimento) escreveNascimento(j.get());
    return j;
}

// Near the left edge, where a radio button's circle and a field's text are.
inline void clica(QWidget* janela, const QString& nome) {
    auto* w = filho(janela, nome);
    QVERIFY(w);
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(std::min(8, w->width() / 2), w->height() / 2));
}

// Clicks the tool-bar button of an action, as the mouse would.
inline void clicaBarra(QWidget* janela, const QString& accao) {
    auto* a = filho<QAction>(janela, accao);
    QVERIFY(a);
    for (QToolBar* barra : janela->findChildren<QToolBar*>())
        if (QWidget* b = barra->widgetForAction(a))
            return QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
    QFAIL(qPrintable(accao));
}

// The atlas window, opened with the main window's button.
inline locais* abreAtlas(QWidget* j) {
    filho<QPushButton>(j, "cmdatlas")->click();
    auto* a = j->findChild<locais*>("locais");
    if (a) (void)QTest::qWaitForWindowExposed(a);
    return a;
}

// Types in the atlas's search field as a user would, from an empty field.
inline void procura(locais* a, const QString& texto, bool enter = false) {
    auto* p = filho<QLineEdit>(a, "txtProcura");
    p->setFocus();
    p->selectAll();
    QTest::keyClick(p, Qt::Key_Delete);
    digita(p, texto);
    if (enter) QTest::keyClick(p, Qt::Key_Return);
}

// Waits (at most five seconds) for the next modal dialog of type T and hands it to `age`.
template <typename T = QDialog> void quandoAberto(std::function<void(T*)> age, int tentativas = 250) {
    QTimer::singleShot(20, [=] {
        if (auto* d = qobject_cast<T*>(QApplication::activeModalWidget())) age(d);
        else if (tentativas > 0) quandoAberto<T>(age, tentativas - 1);
        else qWarning("o diálogo esperado não abriu");
    });
}

inline QByteArray leBytes(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// What a program no one here wrote prints; unrtf passes RTF \'xx bytes through (Latin-1 for these letters).
inline QString corre(const QString& programa, const QStringList& args, bool latin1 = false) {
    QProcess p;
    p.start(programa, args);
    const QByteArray saida = p.waitForFinished(60000) ? p.readAllStandardOutput() : QByteArray();
    return latin1 ? QString::fromLatin1(saida) : QString::fromUtf8(saida);
}

// Declares the columns of a data table, of the types given, in order.
template <typename... T> void colunas(std::initializer_list<const char*> nomes) {
    auto n = nomes.begin();
    (QTest::addColumn<T>(*n++), ...);
}
