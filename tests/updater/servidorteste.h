#pragma once
// A small HTTP/1.1 server on 127.0.0.1 (port chosen by the system) for the updater tests:
// it serves given bodies and can answer 404, send an empty body, redirect, close in the
// middle of a body (with or without announcing its length), stall, or send a body of any size
// made up as it goes (never held whole in memory).
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTcpServer>

class QTcpSocket;

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
    ~ServidorTeste() override;

    bool Inicia();
    void Para();
    // "http://127.0.0.1:port"
    QString Base() const;

    void Serve(const QString& caminho, const QByteArray& corpo) { rotas[caminho] = {Modo::Corpo, corpo, 0}; }
    void Define(const QString& caminho, Modo modo, const QByteArray& corpo = {}) {
        rotas[caminho] = {modo, corpo, 0};
    }
    void Gera(const QString& caminho, qint64 tamanho) { rotas[caminho] = {Modo::Gerado, {}, tamanho}; }
    void Limpa() {
        rotas.clear();
        pedidos.clear();
    }
    QByteArray Corpo(const QString& caminho) const { return rotas.value(caminho).corpo; }
    // How many requests asked for this path.
    int Pedidos(const QString& caminho) const { return pedidos.count(caminho); }
    QStringList pedidos;

private:
    void novaLigacao();
    void responde(QTcpSocket* s, const QString& caminho);
    void continuaGerado(QTcpSocket* s);

    QTcpServer servidor;
    QHash<QString, Rota> rotas;
    QHash<QTcpSocket*, QByteArray> recebido;
    QHash<QTcpSocket*, qint64> porGerar;
    QList<QPointer<QTcpSocket>> ligacoes;
};
