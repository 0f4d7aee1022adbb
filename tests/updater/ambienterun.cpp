#include "ambienterun.h"

#include "actualizacao.h"
#include "opcoes.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QNetworkProxy>
#include <QProcess>

ServidorTeste::ServidorTeste() {
    connect(&servidor, &QTcpServer::newConnection, this, [this] {
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
    });
}

void ServidorTeste::Para() {
    servidor.close();
    // Gone now, while the tables their handlers touch still exist.
    for (const QPointer<QTcpSocket>& s : std::as_const(ligacoes))
        if (s) s->disconnect(this), s->abort(), delete s.data();
    ligacoes.clear(), recebido.clear(), porGerar.clear();
}

void ServidorTeste::responde(QTcpSocket* s, const QString& caminho) {
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
        continuaGerado(s);
        return;
    case Modo::Mudo: return;
    case Modo::Parado: // half the body, then nothing more while the connection stays open
        s->write(cabecalho("200 OK", r.corpo.size()) + metade);
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
    if (*resto == 0) porGerar.erase(resto), s->disconnectFromHost();
}

namespace {
bool corre(const QString& programa, const QStringList& argumentos) {
    QProcess p;
    p.start(programa, argumentos);
    const bool ok = p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (!ok) qWarning("%s: %s", qPrintable(argumentos.join(' ')), p.readAllStandardError().constData());
    return ok;
}
bool assina(const QStringList& argumentos) {
    return corre(QStringLiteral("bash"), QStringList{QStringLiteral(NATALIS_SCRIPTS "/assina-actualizacao.sh")} + argumentos);
}
} // namespace

bool AmbienteRun::Inicia() {
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    DefineCaixaMensagens(&caixa);
    if (!pasta.isValid() || !chaves.isValid() || !assina({QStringLiteral("chaves"), chaves.path()})) return false;
    chave = LeChavePublica(le(chaves.filePath(QStringLiteral("natalis.pub"))));
    return chave.Valida() && servidor.Inicia();
}

void AmbienteRun::Termina() {
    DefineCaixaMensagens(nullptr);
    servidor.Para();
}

bool AmbienteRun::Prepara() {
    QDir(programa(QString())).removeRecursively();
    DefinePastaPrograma(programa(QString()));
    SaveOption(-3, QString());
    SaveOption(1000, QString());
    SaveOption(-2, QStringLiteral("1.0.0"));
    SaveOption(OpcaoPastaWeb, servidor.Base() + QStringLiteral("/upd"));
    servidor.Limpa();
    caixa.chamadas.clear();
    caixa.respostas.clear();
    caixa.respostaPadrao = RespostaMsg::Sim;
    return QDir().mkpath(programa(QStringLiteral("orbs")));
}

bool AmbienteRun::publica(const QByteArray& descricao, const QMap<QString, QByteArray>& ficheiros,
                          const QStringList& programas) {
    QTemporaryDir pub;
    if (!escreve(pub.filePath(QStringLiteral("update.txt")), descricao)) return false;
    for (auto f = ficheiros.cbegin(); f != ficheiros.cend(); ++f) {
        const QString caminho = pub.filePath(QString(f.key()).replace(QLatin1Char('\\'), QLatin1Char('/')));
        if (!QDir().mkpath(QFileInfo(caminho).path()) || !escreve(caminho, f.value())) return false;
        servidor.Serve(QStringLiteral("/upd/") + f.key(), f.value());
    }
    QStringList argumentos{QStringLiteral("assina"), pub.path(), chaves.filePath(QStringLiteral("natalis.key"))};
    for (const QString& p : programas)
        argumentos << QStringLiteral("--programa") << p;
    if (!assina(argumentos)) return false;
    for (const QString& n : {QStringLiteral("update.txt"), QStringLiteral("update.txt.minisig")})
        servidor.Serve(QStringLiteral("/upd/") + n, le(pub.filePath(n)));
    return true;
}

bool AmbienteRun::publicaTalQual(const QByteArray& descricao) {
    QTemporaryDir pub;
    const QString texto = pub.filePath(QStringLiteral("update.txt"));
    if (!escreve(texto, descricao) ||
        !corre(QStringLiteral("minisign"), {QStringLiteral("-S"), QStringLiteral("-s"),
                                            chaves.filePath(QStringLiteral("natalis.key")), QStringLiteral("-m"), texto}))
        return false;
    publicaSemAssinar(descricao);
    servidor.Serve(QStringLiteral("/upd/update.txt.minisig"), le(texto + QStringLiteral(".minisig")));
    return true;
}

QByteArray le(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<ausente>");
}

bool escreve(const QString& caminho, const QByteArray& dados) {
    QFile f(caminho);
    return f.open(QIODevice::WriteOnly) && f.write(dados) == dados.size();
}

QByteArray ImpressaoPasta(const QString& pasta) {
    QStringList nomes;
    QDirIterator i(pasta, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                   QDirIterator::Subdirectories);
    while (i.hasNext())
        nomes << i.next();
    nomes.sort();
    QByteArray impressao;
    for (const QString& n : std::as_const(nomes)) {
        const QFileInfo info(n);
        impressao += n.mid(pasta.size()).toUtf8() + ' ' + QByteArray::number(int(info.permissions()), 16) + ' ';
        QFile f(n);
        QCryptographicHash h(QCryptographicHash::Sha256);
        if (info.isSymLink())
            impressao += "-> " + info.symLinkTarget().toUtf8();
        else if (info.isDir())
            impressao += "pasta";
        else
            impressao += f.open(QIODevice::ReadOnly) && h.addData(&f) ? h.result().toHex() : QByteArray("ilegível");
        impressao += '\n';
    }
    return impressao;
}
