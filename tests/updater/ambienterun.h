#pragma once
// What every run test needs: a loopback server, a private program folder, the shared options
// the run reads (web folder pointed at the server), message boxes that record, and a key pair
// of its own, made by the maker's signing script, to publish signed updates with.
#include "assinatura.h"
#include "mensagens.h"
#include "servidorteste.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class AmbienteRun {
public:
    ServidorTeste servidor;
    QTemporaryDir pasta;
    QTemporaryDir chaves;
    ChavePublica chave;
    MensagensGravadas caixa;

    // Once per test case; Termina undoes it.
    bool Inicia();
    void Termina();
    // Before each test: an empty program folder with "orbs", installed version 1.0.0, no
    // news seen, no update installed, an empty server and no recorded boxes.
    bool Prepara();

    QString programa(const QString& relativo) const;
    // Publishes as the maker does: the description and its files go to a release folder
    // that the signing script signs with this environment's key; the server then serves the
    // description, its signature and every file (a test may then change a file's route).
    // `programas`: additional files signed as program files.
    bool publica(const QByteArray& descricao, const QMap<QString, QByteArray>& ficheiros = {},
                 const QStringList& programas = {});
    // The description exactly as given, signed by minisign itself (no [integridade] added).
    bool publicaTalQual(const QByteArray& descricao);
    // The description alone, with no signature beside it.
    void publicaSemAssinar(const QByteArray& descricao);
};

// Descriptions are written with LF in the tests and published, as the maker does, with CR LF.
QByteArray publicada(const char* texto);
QByteArray le(const QString& caminho);
bool escreve(const QString& caminho, const QByteArray& dados);
// Every name below the folder (hidden ones too, links not followed) with its kind,
// permissions and content: equal prints mean a byte-identical folder.
QByteArray ImpressaoPasta(const QString& pasta);
