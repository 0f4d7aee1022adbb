#pragma once
// A private program folder for window tests: the two databases and the help file copied from
// the build's program folder, message boxes recorded, file choosers answered by the test.
#include "arranque.h"
#include "escolhaficheiro.h"
#include "mensagens.h"
#include "opcoes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class AmbienteGui {
public:
    AmbienteGui() : m_caixa(&caixa) {
        // The settings store of a test run is never the user's own, even outside CTest.
        static QTemporaryDir configuracao;
        if (!qEnvironmentVariable("XDG_CONFIG_HOME").contains(QStringLiteral("tests-home")))
            qputenv("XDG_CONFIG_HOME", configuracao.path().toUtf8());
        QVERIFY2(pasta.isValid(), "sem pasta temporária");
        for (const char* f : {"Intrepreter.mdb", "locais.mdb", "natalis.html"}) {
            const QString origem = QStringLiteral(NATALIS_PROGRAM_DIR "/") + QString::fromLatin1(f);
            if (!QFile::exists(origem))
                QFAIL(qPrintable(QStringLiteral("falta ") + origem + QStringLiteral(" (construa o programa primeiro)")));
            QFile::copy(origem, pasta.filePath(QString::fromLatin1(f)));
        }
        QFile renovo(pasta.filePath(NomeExecutavel(QStringLiteral("renovo"))));
        renovo.open(QIODevice::WriteOnly);
        renovo.close();
        DefinePastaPrograma(pasta.path());
        SaveOption(0, QString()); // an orb file of an earlier test's folder is not this one's
        DefineRespostaFicheiro([this](const PedidoFicheiro& p) {
            pedidos << p;
            return respostas.isEmpty() ? QString() : respostas.takeFirst();
        });
    }
    ~AmbienteGui() { DefineRespostaFicheiro({}); }

    static OpcoesArranque opcoesTeste() {
        OpcoesArranque o;
        o.pausa = false;
        o.splash = false;
        o.registaTipos = false;
        return o;
    }

    QTemporaryDir pasta;
    MensagensGravadas caixa;
    QStringList respostas;
    QList<PedidoFicheiro> pedidos;

private:
    CaixaTemporaria m_caixa;
};
