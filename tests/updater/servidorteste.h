#pragma once
// A small HTTP/1.1 server on 127.0.0.1 (port chosen by the system) for the updater tests:
// it serves given bodies and can answer 404, send an empty body, redirect, close in the
// middle of a body or stall.
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
    enum class Modo { Corpo, Vazio, NaoEncontrado, Redirecciona, FechaAMeio, Parado, Mudo };
    struct Rota {
        Modo modo = Modo::NaoEncontrado;
        QByteArray corpo; // the body, or the redirect's target path
    };

    ServidorTeste();
    ~ServidorTeste() override;

    bool Inicia();
    void Para();
    // "http://127.0.0.1:port"
    QString Base() const;

    void Serve(const QString& caminho, const QByteArray& corpo) { rotas[caminho] = {Modo::Corpo, corpo}; }
    void Define(const QString& caminho, Modo modo, const QByteArray& corpo = {}) {
        rotas[caminho] = {modo, corpo};
    }
    void Limpa() {
        rotas.clear();
        pedidos.clear();
    }
    // How many requests asked for this path.
    int Pedidos(const QString& caminho) const { return pedidos.count(caminho); }
    QStringList pedidos;

private:
    void novaLigacao();
    void responde(QTcpSocket* s, const QString& caminho);

    QTcpServer servidor;
    QHash<QString, Rota> rotas;
    QHash<QTcpSocket*, QByteArray> recebido;
    QList<QPointer<QTcpSocket>> ligacoes;
};
