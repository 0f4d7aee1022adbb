#pragma once
// What the updater tests share: a small HTTP/1.1 server on 127.0.0.1 and, for the runs, a
// private program folder, the options the run reads (web folder pointed at the server),
// message boxes that record, and a key pair made by the maker's signing script.
#include "assinatura.h"
#include "mensagens.h"

#include <QHash>
#include <QMap>
#include <QPointer>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

// One request per connection. Besides serving a body, a route can answer 404, send an empty
// body, redirect, close in the middle of a body (with or without announcing its length),
// stall, stay mute, or make up a body of any size as it goes (never held whole in memory).
class ServidorTeste : public QObject {
    Q_OBJECT
public:
    enum class Modo { Corpo, Vazio, NaoEncontrado, Redirecciona, FechaAMeio, SemTamanhoAMeio, Parado, Mudo, Gerado };
    struct Rota {
        Modo modo = Modo::NaoEncontrado;
        QByteArray corpo; // the body, or the redirect's target path
        qint64 tamanho = 0; // Gerado: how many bytes of 'z'
    };
    ServidorTeste();
    ~ServidorTeste() override { Para(); }
    bool Inicia() { return servidor.listen(QHostAddress::LocalHost, 0); }
    void Para();
    QString Base() const { return QStringLiteral("http://127.0.0.1:%1").arg(servidor.serverPort()); }
    void Serve(const QString& caminho, const QByteArray& corpo) { rotas[caminho] = {Modo::Corpo, corpo, 0}; }
    void Define(const QString& caminho, Modo modo, const QByteArray& corpo = {}) { rotas[caminho] = {modo, corpo, 0}; }
    void Gera(const QString& caminho, qint64 tamanho) { rotas[caminho] = {Modo::Gerado, {}, tamanho}; }
    void Limpa() { rotas.clear(), pedidos.clear(); }
    QByteArray Corpo(const QString& caminho) const { return rotas.value(caminho).corpo; }
    int Pedidos(const QString& caminho) const { return pedidos.count(caminho); }
    QStringList pedidos; // every path asked for, in order

private:
    void responde(QTcpSocket* s, const QString& caminho);
    void continuaGerado(QTcpSocket* s);
    QTcpServer servidor;
    QHash<QString, Rota> rotas;
    QHash<QTcpSocket*, QByteArray> recebido;
    QHash<QTcpSocket*, qint64> porGerar;
    QList<QPointer<QTcpSocket>> ligacoes;
};

class AmbienteRun {
public:
    ServidorTeste servidor;
    QTemporaryDir pasta, chaves;
    ChavePublica chave;
    MensagensGravadas caixa;

    bool Inicia(); // once per test case; Termina undoes it
    void Termina();
    // Before each test: an empty program folder with "orbs", installed version 1.0.0, no
    // news seen, no update installed, an empty server and no recorded boxes.
    bool Prepara();
    QString programa(const QString& relativo) const { return pasta.path() + QStringLiteral("/prog/") + relativo; }
    // Publishes as the maker does: the signing script signs the description and its files
    // (`programas` as program files) with this key; the server then serves the description,
    // its signature and every file (a test may then change a file's route).
    bool publica(const QByteArray& descricao, const QMap<QString, QByteArray>& ficheiros = {},
                 const QStringList& programas = {});
    // The description exactly as given, signed by minisign itself (no [integridade] added).
    bool publicaTalQual(const QByteArray& descricao);
    void publicaSemAssinar(const QByteArray& descricao) { servidor.Serve(QStringLiteral("/upd/update.txt"), descricao); }
};

// Descriptions are written with LF in the tests and published, as the maker does, with CR LF.
inline QByteArray publicada(const char* texto) { return QByteArray(texto).replace("\n", "\r\n"); }
QByteArray le(const QString& caminho);
bool escreve(const QString& caminho, const QByteArray& dados);
// Every name below the folder (hidden ones too, links not followed) with its kind,
// permissions and content: equal prints mean a byte-identical folder.
QByteArray ImpressaoPasta(const QString& pasta);
