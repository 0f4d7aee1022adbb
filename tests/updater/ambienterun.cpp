#include "ambienterun.h"

#include "actualizacao.h"
#include "opcoes.h"

#include <QDir>
#include <QFile>
#include <QNetworkProxy>

bool AmbienteRun::Inicia() {
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    DefineCaixaMensagens(&caixa);
    return pasta.isValid() && servidor.Inicia();
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

QString AmbienteRun::programa(const QString& relativo) const {
    return pasta.path() + QStringLiteral("/prog/") + relativo;
}

void AmbienteRun::publica(const QByteArray& descricao) {
    servidor.Serve(QStringLiteral("/upd/update.txt"), descricao);
}

QByteArray publicada(const char* texto) {
    return QByteArray(texto).replace("\n", "\r\n");
}

QByteArray le(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<ausente>");
}

bool escreve(const QString& caminho, const QByteArray& dados) {
    QFile f(caminho);
    return f.open(QIODevice::WriteOnly) && f.write(dados) == dados.size();
}
