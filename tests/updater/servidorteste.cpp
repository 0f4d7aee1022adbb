#include "servidorteste.h"

#include <QTcpSocket>

ServidorTeste::ServidorTeste() {
    connect(&servidor, &QTcpServer::newConnection, this, &ServidorTeste::novaLigacao);
}

ServidorTeste::~ServidorTeste() {
    Para();
}

bool ServidorTeste::Inicia() {
    return servidor.listen(QHostAddress::LocalHost, 0);
}

void ServidorTeste::Para() {
    servidor.close();
    // Gone now, while the tables their handlers touch still exist.
    for (const QPointer<QTcpSocket>& s : ligacoes)
        if (s) {
            s->disconnect(this);
            s->abort();
            delete s.data();
        }
    ligacoes.clear();
    recebido.clear();
    porGerar.clear();
}

QString ServidorTeste::Base() const {
    return QStringLiteral("http://127.0.0.1:%1").arg(servidor.serverPort());
}

void ServidorTeste::novaLigacao() {
    while (QTcpSocket* s = servidor.nextPendingConnection()) {
        ligacoes.append(s);
        connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
        connect(s, &QObject::destroyed, this, [this, s] {
            recebido.remove(s);
            porGerar.remove(s);
        });
        connect(s, &QTcpSocket::bytesWritten, this, [this, s] { continuaGerado(s); });
        connect(s, &QTcpSocket::readyRead, this, [this, s] {
            QByteArray& b = recebido[s];
            b += s->readAll();
            // One request per connection: every answer closes it.
            const qsizetype fim = b.indexOf("\r\n\r\n");
            if (fim < 0) return;
            const QList<QByteArray> partes = b.left(b.indexOf("\r\n")).split(' ');
            b.clear();
            responde(s, partes.size() >= 2 ? QString::fromLatin1(partes[1]) : QString());
        });
    }
}

void ServidorTeste::responde(QTcpSocket* s, const QString& caminho) {
    pedidos.append(caminho);
    const Rota r = rotas.value(caminho);
    auto cabecalho = [](const QByteArray& estado, qint64 tamanho, const QByteArray& extra = {}) {
        return "HTTP/1.1 " + estado + "\r\nContent-Type: application/octet-stream\r\nContent-Length: " +
               QByteArray::number(tamanho) + "\r\nConnection: close\r\n" + extra + "\r\n";
    };
    switch (r.modo) {
    case Modo::Corpo:
        s->write(cabecalho("200 OK", r.corpo.size()) + r.corpo);
        break;
    case Modo::Vazio:
        s->write(cabecalho("200 OK", 0));
        break;
    case Modo::NaoEncontrado:
        s->write(cabecalho("404 Not Found", 9) + "Not Found");
        break;
    case Modo::Redirecciona:
        s->write(cabecalho("302 Found", 5, "Location: " + r.corpo + "\r\n") + "Moved");
        break;
    case Modo::FechaAMeio:
        s->write(cabecalho("200 OK", r.corpo.size()) + r.corpo.left(r.corpo.size() / 2));
        break;
    case Modo::SemTamanhoAMeio:
        s->write("HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nConnection: close\r\n\r\n" +
                 r.corpo.left(r.corpo.size() / 2));
        break;
    case Modo::Gerado:
        s->write(cabecalho("200 OK", r.tamanho));
        porGerar[s] = r.tamanho;
        continuaGerado(s);
        return;
    case Modo::Mudo:
        return;
    case Modo::Parado:
        // Half the body, then nothing more while the connection stays open.
        s->write(cabecalho("200 OK", r.corpo.size()) + r.corpo.left(r.corpo.size() / 2));
        s->flush();
        return;
    }
    s->disconnectFromHost();
}

// Keeps about a megabyte queued, so neither side ever holds the body.
void ServidorTeste::continuaGerado(QTcpSocket* s) {
    auto resto = porGerar.find(s);
    if (resto == porGerar.end()) return;
    static const QByteArray bloco(64 * 1024, 'z');
    while (*resto > 0 && s->bytesToWrite() < 1024 * 1024) {
        const qint64 n = qMin<qint64>(*resto, bloco.size());
        s->write(bloco.constData(), n);
        *resto -= n;
    }
    if (*resto == 0) {
        porGerar.erase(resto);
        s->disconnectFromHost();
    }
}
