#include "transferencia.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>

Transferencia::Transferencia(QObject* parent) : QObject(parent) {}

void Transferencia::Interrompe() {
    interrompida = true;
    if (emCurso) emCurso->abort();
}

bool Transferencia::Download(const QString& local, const QUrl& url) {
    ultimoErro.clear();
    interrompida = false;
    falhaLocal = false;
    QSaveFile ficheiro(local);
    if (!ficheiro.open(QIODevice::WriteOnly)) {
        falhaLocal = true;
        ultimoErro = ficheiro.errorString();
        return false;
    }

    QNetworkRequest pedido(url);
    pedido.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    pedido.setTransferTimeout(tempoLimite);
    // Exact bytes, so the announced length can be checked against what arrived.
    pedido.setRawHeader("Accept-Encoding", "identity");
    QNetworkReply* resposta = rede.get(pedido);
    emCurso = resposta;

    qint64 recebidos = 0;
    bool escrita = true;
    auto guarda = [&] {
        if (!resposta->isOpen()) return;
        const QByteArray bloco = resposta->readAll();
        recebidos += bloco.size();
        if (ficheiro.write(bloco) != bloco.size()) escrita = false;
    };
    connect(resposta, &QNetworkReply::readyRead, this, guarda);
    connect(resposta, &QNetworkReply::downloadProgress, this, [this](qint64 r, qint64 t) {
        if (progresso) progresso(r, t);
    });
    QEventLoop espera;
    connect(resposta, &QNetworkReply::finished, &espera, &QEventLoop::quit);
    if (!resposta->isFinished()) espera.exec();
    guarda();
    resposta->disconnect(this);

    bool certo = !interrompida && resposta->error() == QNetworkReply::NoError && escrita;
    const QVariant estado = resposta->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (certo && estado.isValid() && (estado.toInt() < 200 || estado.toInt() > 299)) certo = false;
    // A connection that closes early can end without an error; the announced length tells.
    const QVariant tamanho = resposta->header(QNetworkRequest::ContentLengthHeader);
    if (certo && tamanho.isValid() && tamanho.toLongLong() != recebidos) certo = false;
    if (certo && recebidos == 0) certo = false;
    if (!certo) {
        falhaLocal = !escrita;
        ultimoErro = interrompida                                  ? QStringLiteral("interrompida")
                     : resposta->error() != QNetworkReply::NoError ? resposta->errorString()
                     : !escrita                                    ? ficheiro.errorString()
                     : recebidos == 0                              ? QStringLiteral("conteúdo vazio")
                                      : QStringLiteral("conteúdo incompleto ou resposta inválida");
        ficheiro.cancelWriting();
    }
    resposta->deleteLater();
    emCurso = nullptr;
    if (!certo) return false;
    if (!ficheiro.commit()) {
        falhaLocal = true;
        ultimoErro = ficheiro.errorString();
        return false;
    }
    return true;
}
