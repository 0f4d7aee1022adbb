#pragma once
// Fetching one address. The content is handed over block by block as it arrives, so nothing
// is ever held whole in memory, and a size limit stops a server that sends more than it may.
#include <QByteArray>
#include <QByteArrayView>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <functional>

class QNetworkReply;

class Transferencia : public QObject {
    Q_OBJECT
public:
    explicit Transferencia(QObject* parent = nullptr);

    // Hands each block to `guarda`, which returns false when it could not keep it (a local
    // failure). True when the whole, non-empty content arrived: a success status, no more
    // than `maximo` bytes, exactly the announced length and, when `exacto`, exactly `maximo`
    // bytes (a connection closed early without a length is then caught too). Blocks the
    // caller (pending events keep running) until the transfer ends.
    bool Recebe(const QUrl& url, qint64 maximo, bool exacto, const std::function<bool(QByteArrayView)>& guarda);
    // A small content (the description, its signature) into memory.
    bool Obtem(const QUrl& url, qint64 maximo, QByteArray* conteudo);

    // A transfer that receives nothing for this long is abandoned.
    void DefineTempoLimite(int milissegundos) { m_tempoLimite = milissegundos; }
    int TempoLimite() const { return m_tempoLimite; }

    // Called while data arrive: bytes received, bytes expected (-1 when unknown).
    std::function<void(qint64, qint64)> progresso;

    // Ends the transfer under way, if any; it then fails.
    void Interrompe();

    // Why the last transfer failed, in Portuguese.
    QString UltimoErro() const { return m_ultimoErro; }
    // True when the last transfer failed on this side: `guarda` refused a block.
    bool FalhaLocal() const { return m_falhaLocal; }

private:
    QNetworkAccessManager m_rede;
    QPointer<QNetworkReply> m_emCurso;
    int m_tempoLimite = 30000;
    bool m_interrompida = false;
    QString m_ultimoErro;
    bool m_falhaLocal = false;
};
