#include "transferencia.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {
// What the network layer may hold before the content is handed over.
constexpr qint64 BlocoMaximo = 256 * 1024;

QString erroDeRede(const QNetworkReply& r) {
    switch (r.error()) {
    case QNetworkReply::ConnectionRefusedError:
        return QStringLiteral("o servidor recusou a ligação");
    case QNetworkReply::HostNotFoundError:
        return QStringLiteral("servidor não encontrado");
    case QNetworkReply::RemoteHostClosedError:
        return QStringLiteral("o servidor fechou a ligação");
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError:
        return QStringLiteral("o servidor deixou de responder");
    case QNetworkReply::SslHandshakeFailedError:
        return QStringLiteral("a ligação segura falhou");
    default:
        return QStringLiteral("erro de rede (%1)").arg(r.errorString());
    }
}
} // namespace

Transferencia::Transferencia(QObject* parent) : QObject(parent) {}

void Transferencia::Interrompe() {
    m_interrompida = true;
    if (m_emCurso) m_emCurso->abort();
}

bool Transferencia::Obtem(const QUrl& url, qint64 maximo, QByteArray* conteudo) {
    conteudo->clear();
    return Recebe(url, maximo, false, [conteudo](QByteArrayView bloco) {
        conteudo->append(bloco);
        return true;
    });
}

bool Transferencia::Recebe(const QUrl& url, qint64 maximo, bool exacto,
                           const std::function<bool(QByteArrayView)>& guarda) {
    m_ultimoErro.clear();
    m_interrompida = false;
    m_falhaLocal = false;

    QNetworkRequest pedido(url);
    pedido.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    pedido.setTransferTimeout(m_tempoLimite);
    // Exact bytes, so the announced length can be checked against what arrived.
    pedido.setRawHeader("Accept-Encoding", "identity");
    QNetworkReply* resposta = m_rede.get(pedido);
    resposta->setReadBufferSize(BlocoMaximo);
    m_emCurso = resposta;

    qint64 recebidos = 0;
    QString erro;
    auto para = [&](const QString& motivo, bool local) {
        if (!erro.isEmpty()) return;
        erro = motivo;
        m_falhaLocal = local;
        resposta->abort();
    };
    auto recebe = [&] {
        while (erro.isEmpty() && resposta->isOpen() && resposta->bytesAvailable() > 0) {
            const QByteArray bloco = resposta->read(BlocoMaximo);
            recebidos += bloco.size();
            if (recebidos > maximo)
                para(QStringLiteral("o servidor enviou mais do que os %1 bytes previstos").arg(maximo), false);
            else if (!guarda(bloco))
                para(QStringLiteral("falha local"), true);
        }
    };
    connect(resposta, &QNetworkReply::readyRead, this, recebe);
    connect(resposta, &QNetworkReply::metaDataChanged, this, [&] {
        const QVariant estado = resposta->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (estado.isValid() && (estado.toInt() < 200 || estado.toInt() > 299)) return; // judged at the end
        const QVariant tamanho = resposta->header(QNetworkRequest::ContentLengthHeader);
        if (tamanho.isValid() && tamanho.toLongLong() > maximo)
            para(QStringLiteral("o servidor anuncia %1 bytes, mais do que os %2 previstos")
                     .arg(tamanho.toLongLong())
                     .arg(maximo),
                 false);
    });
    connect(resposta, &QNetworkReply::downloadProgress, this, [this, maximo, exacto](qint64 r, qint64 t) {
        if (progresso) progresso(r, t > 0 ? t : exacto ? maximo : -1);
    });
    QEventLoop espera;
    connect(resposta, &QNetworkReply::finished, &espera, &QEventLoop::quit);
    if (!resposta->isFinished()) espera.exec();
    recebe();
    resposta->disconnect(this);

    if (erro.isEmpty()) {
        const QVariant estado = resposta->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        const QVariant tamanho = resposta->header(QNetworkRequest::ContentLengthHeader);
        if (m_interrompida)
            erro = QStringLiteral("interrompida");
        else if (estado.isValid() && (estado.toInt() < 200 || estado.toInt() > 299))
            erro = QStringLiteral("resposta %1 do servidor").arg(estado.toInt());
        else if (resposta->error() != QNetworkReply::NoError)
            erro = erroDeRede(*resposta);
        else if (recebidos == 0)
            erro = QStringLiteral("conteúdo vazio");
        // A connection that closes early can end without an error; the lengths tell.
        else if ((tamanho.isValid() && tamanho.toLongLong() != recebidos) || (exacto && recebidos != maximo))
            erro = QStringLiteral("conteúdo incompleto, chegaram %1 bytes").arg(recebidos);
    }
    m_ultimoErro = erro;
    resposta->deleteLater();
    m_emCurso = nullptr;
    return erro.isEmpty();
}
