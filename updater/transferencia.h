#pragma once
// Fetching one address into one local file. The content goes to a temporary file beside the
// target and replaces it only when everything has arrived, so a failing server never damages
// or deletes the file already there.
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

    // True when the whole, non-empty content arrived and now is the local file. Blocks the
    // caller (pending events keep running) until the transfer ends.
    bool Download(const QString& local, const QUrl& url);

    // A transfer that receives nothing for this long is abandoned.
    void DefineTempoLimite(int milissegundos) { tempoLimite = milissegundos; }
    int TempoLimite() const { return tempoLimite; }

    // Called while data arrive: bytes received, bytes expected (-1 when unknown).
    std::function<void(qint64, qint64)> progresso;

    // Ends the transfer under way, if any; it then fails.
    void Interrompe();

    // Why the last Download failed, for diagnostics.
    QString UltimoErro() const { return ultimoErro; }
    // True when the last Download failed on this side: the file could not be written.
    bool FalhaLocal() const { return falhaLocal; }

private:
    QNetworkAccessManager rede;
    QPointer<QNetworkReply> emCurso;
    int tempoLimite = 30000;
    bool interrompida = false;
    QString ultimoErro;
    bool falhaLocal = false;
};
