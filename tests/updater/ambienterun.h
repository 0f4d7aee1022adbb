#pragma once
// What every run test needs: a loopback server, a private program folder, the shared options
// the run reads (web folder pointed at the server) and message boxes that record.
#include "mensagens.h"
#include "servidorteste.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class AmbienteRun {
public:
    ServidorTeste servidor;
    QTemporaryDir pasta;
    MensagensGravadas caixa;

    // Once per test case; Termina undoes it.
    bool Inicia();
    void Termina();
    // Before each test: an empty program folder with "orbs", installed version 1.0.0, no
    // news seen, no update installed, an empty server and no recorded boxes.
    bool Prepara();

    QString programa(const QString& relativo) const;
    void publica(const QByteArray& descricao);
};

// Descriptions are written with LF in the tests and published, as the maker does, with CR LF.
QByteArray publicada(const char* texto);
QByteArray le(const QString& caminho);
bool escreve(const QString& caminho, const QByteArray& dados);
