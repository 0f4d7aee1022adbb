#pragma once
// What the updater tests share: a small HTTP/1.1 server on 127.0.0.1 and, for the runs, a
// private program folder, the options the run reads (web folder pointed at the server),
// message boxes that record, and a key pair made by the maker's signing script.
#include "discocheio.h"
#include "actualizacao.h"
#include "assinatura.h"
#include "mensagens.h"
#include "opcoes.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QHash>
#include <QMap>
#include <QNetworkProxy>
#include <QPointer>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

inline QByteArray le(const QString& caminho) { return DiscoCheio::conteudo(caminho); }
inline bool escreve(const QString& caminho, const QByteArray& dados) { return DiscoCheio::escreve(caminho, dados); }
// Runs a program to its end; false, with its complaint as a warning, unless it ended with 0.
inline bool corre(const char* programa, const QStringList& argumentos) {
    QProcess p;
    p.start(QString::fromLatin1(programa), argumentos);
    const bool ok = p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (!ok) qWarning("%s: %s", qPrintable(argumentos.join(' ')), p.readAllStandardError().constData());
    return ok;
}
// Descriptions are written with LF in the tests and published, as the maker does, with CR LF.
inline QByteArray publicada(const char* texto) { return QByteArray(texto).replace("\n", "\r\n"); }

// Every name below the folder (hidden ones too, links not followed) with its kind,
// permissions and content: equal prints mean a byte-identical folder.
inline QByteArray ImpressaoPasta(const QString& pasta) {
    QStringList nomes;
    for (QDirIterator i(pasta, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
         i.hasNext();)
        nomes << i.next();
    nomes.sort();
    QByteArray impressao;
    for (const QString& n : std::as_const(nomes)) {
        const QFileInfo info(n);
        impressao += n.mid(pasta.size()).toUtf8() + ' ' + QByteArray::number(int(info.permissions()), 16) + ' ';
        if (info.isSymLink())
            impressao += "-> " + info.symLinkTarget().toUtf8();
        else if (!info.isDir())
            impressao += QCryptographicHash::hash(le(n), QCryptographicHash::Sha256).toHex();
        impressao += '\n';
    }
    return impressao;
}

// One request per connection. Besides serving a body, a route can answer 404, send an empty
// body, redirect, close in the middle of a body (with or without announcing its length),
// stall, stay mute, or make up a body of any size as it goes (never held whole in memory).
class ServidorTeste : public QObject {
public:
    enum class Modo { Corpo, Vazio, NaoEncontrado, Redirecciona, FechaAMeio, SemTamanhoAMeio, Parado, Mudo, Gerado };
    struct Rota {
        Modo modo = Modo::NaoEncontrado;
        QByteArray corpo; // the body, or the redirect's target path
        qint64 tamanho = 0; // Gerado: how many bytes of 'z'
    };
    QStringList pedidos; // every path asked for, in order

    ServidorTeste() { connect(&servidor, &QTcpServer::newConnection, this, [this] { novasLigacoes(); }); }
    ~ServidorTeste() override { Para(); }
    bool Inicia() { return servidor.listen(QHostAddress::LocalHost, 0); }
    void Para() {
        servidor.close();
        // Gone now, while the tables their handlers touch still exist.
        for (const QPointer<QTcpSocket>& s : std::as_const(ligacoes))
            if (s) s->disconnect(this), s->abort(), delete s.data();
        ligacoes.clear(), recebido.clear(), porGerar.clear();
    }
    QString Base() const { return QStringLiteral("http://127.0.0.1:%1").arg(servidor.serverPort()); }
    void Serve(const QString& caminho, const QByteArray& corpo) { rotas[caminho] = {Modo::Corpo, corpo, 0}; }
    void Define(const QString& caminho, Modo modo, const QByteArray& corpo = {}) { rotas[caminho] = {modo, corpo, 0}; }
    void Gera(const QString& caminho, qint64 tamanho) { rotas[caminho] = {Modo::Gerado, {}, tamanho}; }
    void Limpa() { rotas.clear(), pedidos.clear(); }
    QByteArray Corpo(const QString& caminho) const { return rotas.value(caminho).corpo; }
    int Pedidos(const QString& caminho) const { return pedidos.count(caminho); }

private:
    void novasLigacoes() {
        while (QTcpSocket* s = servidor.nextPendingConnection()) {
            ligacoes.append(s);
            connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            connect(s, &QObject::destroyed, this, [this, s] { recebido.remove(s), porGerar.remove(s); });
            connect(s, &QTcpSocket::bytesWritten, this, [this, s] { continuaGerado(s); });
            connect(s, &QTcpSocket::readyRead, this, [this, s] {
                QByteArray& b = recebido[s];
                b += s->readAll();
                if (!b.contains("\r\n\r\n")) return;
                const QList<QByteArray> partes = b.left(b.indexOf("\r\n")).split(' ');
                b.clear();
                responde(s, partes.size() >= 2 ? QString::fromLatin1(partes[1]) : QString());
            });
        }
    }
    void responde(QTcpSocket* s, const QString& caminho) {
        pedidos.append(caminho);
        const Rota r = rotas.value(caminho);
        auto cabecalho = [](const QByteArray& estado, qint64 tamanho, const QByteArray& extra = {}) {
            return "HTTP/1.1 " + estado + "\r\nContent-Type: application/octet-stream\r\nContent-Length: " +
                   QByteArray::number(tamanho) + "\r\nConnection: close\r\n" + extra + "\r\n";
        };
        const QByteArray metade = r.corpo.left(r.corpo.size() / 2);
        switch (r.modo) {
        case Modo::Corpo: s->write(cabecalho("200 OK", r.corpo.size()) + r.corpo); break;
        case Modo::Vazio: s->write(cabecalho("200 OK", 0)); break;
        case Modo::NaoEncontrado: s->write(cabecalho("404 Not Found", 9) + "Not Found"); break;
        case Modo::Redirecciona: s->write(cabecalho("302 Found", 5, "Location: " + r.corpo + "\r\n") + "Moved"); break;
        case Modo::FechaAMeio: s->write(cabecalho("200 OK", r.corpo.size()) + metade); break;
        case Modo::SemTamanhoAMeio:
            s->write("HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nConnection: close\r\n\r\n" + metade);
            break;
        case Modo::Gerado:
            s->write(cabecalho("200 OK", r.tamanho));
            porGerar[s] = r.tamanho;
            return continuaGerado(s);
        case Modo::Mudo: return;
        case Modo::Parado: // half the body, then nothing more while the connection stays open
            s->write(cabecalho("200 OK", r.corpo.size()) + metade);
            s->flush();
            return;
        }
        s->disconnectFromHost();
    }
    // Keeps about a megabyte queued, so neither side ever holds the body.
    void continuaGerado(QTcpSocket* s) {
        auto resto = porGerar.find(s);
        if (resto == porGerar.end()) return;
        static const QByteArray bloco(64 * 1024, 'z');
        while (*resto > 0 && s->bytesToWrite() < 1024 * 1024) {
            const qint64 n = qMin<qint64>(*resto, bloco.size());
            s->write(bloco.constData(), n);
            *resto -= n;
        }
        if (*resto == 0) porGerar.erase(resto), s->disconnectFromHost();
    }

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

    // Once per test case; Termina undoes it.
    bool Inicia() {
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
        DefineCaixaMensagens(&caixa);
        if (!pasta.isValid() || !chaves.isValid() ||
            !corre("bash", {NATALIS_SCRIPTS "/assina-actualizacao.sh", "chaves", chaves.path()}))
            return false;
        chave = LeChavePublica(le(chaves.filePath(QStringLiteral("natalis.pub"))));
        return chave.Valida() && servidor.Inicia();
    }
    void Termina() {
        DefineCaixaMensagens(nullptr);
        servidor.Para();
    }
    // Before each test: an empty program folder with "orbs", installed version 1.0.0, no
    // news seen, no update installed, an empty server and no recorded boxes.
    bool Prepara() {
        QDir(programa(QString())).removeRecursively();
        DefinePastaPrograma(programa(QString()));
        SaveOption(-3, QString());
        SaveOption(1000, QString());
        SaveOption(-2, QStringLiteral("1.0.0"));
        SaveOption(OpcaoPastaWeb, servidor.Base() + QStringLiteral("/upd"));
        servidor.Limpa();
        caixa = MensagensGravadas();
        return QDir().mkpath(programa(QStringLiteral("orbs")));
    }
    QString programa(const QString& relativo) const { return pasta.path() + QStringLiteral("/prog/") + relativo; }

    // Publishes as the maker does: the signing script signs the description and its files with
    // this key; the server then serves the description, its signature and every file (a test
    // may then change a file's route).
    bool publica(const QByteArray& descricao, const QMap<QString, QByteArray>& ficheiros = {}) {
        QTemporaryDir pub;
        if (!escreve(pub.filePath(QStringLiteral("update.txt")), descricao)) return false;
        for (auto f = ficheiros.cbegin(); f != ficheiros.cend(); ++f) {
            if (!escreve(pub.filePath(f.key()), f.value())) return false;
            servidor.Serve(QStringLiteral("/upd/") + f.key(), f.value());
        }
        if (!corre("bash", {NATALIS_SCRIPTS "/assina-actualizacao.sh", "assina", pub.path(),
                            chaves.filePath("natalis.key")}))
            return false;
        for (const QString n : {"update.txt", "update.txt.minisig"})
            servidor.Serve(QStringLiteral("/upd/") + n, le(pub.filePath(n)));
        return true;
    }
    // The description exactly as given, signed by minisign itself (no [integridade] added).
    bool publicaTalQual(const QByteArray& descricao) {
        QTemporaryDir pub;
        const QString texto = pub.filePath(QStringLiteral("update.txt"));
        if (!escreve(texto, descricao) ||
            !corre("minisign", {"-S", "-s", chaves.filePath("natalis.key"), "-m", texto}))
            return false;
        publicaSemAssinar(descricao);
        servidor.Serve(QStringLiteral("/upd/update.txt.minisig"), le(texto + QStringLiteral(".minisig")));
        return true;
    }
    void publicaSemAssinar(const QByteArray& descricao) { servidor.Serve(QStringLiteral("/upd/update.txt"), descricao); }
};
