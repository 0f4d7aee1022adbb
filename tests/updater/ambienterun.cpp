#include "ambienterun.h"

#include "actualizacao.h"
#include "opcoes.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QNetworkProxy>
#include <QProcess>

namespace {
const QString Script = QStringLiteral(NATALIS_SCRIPTS "/assina-actualizacao.sh");

bool corre(const QStringList& argumentos) {
    QProcess p;
    p.start(QStringLiteral("bash"), QStringList{Script} + argumentos);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        qWarning("%s: %s", qPrintable(argumentos.join(' ')), p.readAllStandardError().constData());
        return false;
    }
    return true;
}
} // namespace

bool AmbienteRun::Inicia() {
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    DefineCaixaMensagens(&caixa);
    if (!pasta.isValid() || !chaves.isValid() || !corre({QStringLiteral("chaves"), chaves.path()})) return false;
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

QString AmbienteRun::programa(const QString& relativo) const {
    return pasta.path() + QStringLiteral("/prog/") + relativo;
}

bool AmbienteRun::publica(const QByteArray& descricao, const QMap<QString, QByteArray>& ficheiros,
                          const QStringList& programas) {
    QTemporaryDir publicacao;
    if (!escreve(publicacao.filePath(QStringLiteral("update.txt")), descricao)) return false;
    for (auto f = ficheiros.cbegin(); f != ficheiros.cend(); ++f) {
        const QString caminho = publicacao.filePath(QString(f.key()).replace(QLatin1Char('\\'), QLatin1Char('/')));
        if (!QDir().mkpath(QFileInfo(caminho).path()) || !escreve(caminho, f.value())) return false;
        servidor.Serve(QStringLiteral("/upd/") + f.key(), f.value());
    }
    QStringList argumentos{QStringLiteral("assina"), publicacao.path(), chaves.filePath(QStringLiteral("natalis.key"))};
    for (const QString& p : programas)
        argumentos << QStringLiteral("--programa") << p;
    if (!corre(argumentos)) return false;
    servidor.Serve(QStringLiteral("/upd/update.txt"), le(publicacao.filePath(QStringLiteral("update.txt"))));
    servidor.Serve(QStringLiteral("/upd/update.txt.minisig"),
                   le(publicacao.filePath(QStringLiteral("update.txt.minisig"))));
    return true;
}

bool AmbienteRun::publicaTalQual(const QByteArray& descricao) {
    QTemporaryDir publicacao;
    const QString texto = publicacao.filePath(QStringLiteral("update.txt"));
    if (!escreve(texto, descricao)) return false;
    QProcess p;
    p.start(QStringLiteral("minisign"), {QStringLiteral("-S"), QStringLiteral("-s"),
                                         chaves.filePath(QStringLiteral("natalis.key")), QStringLiteral("-m"), texto});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return false;
    publicaSemAssinar(descricao);
    servidor.Serve(QStringLiteral("/upd/update.txt.minisig"), le(texto + QStringLiteral(".minisig")));
    return true;
}

void AmbienteRun::publicaSemAssinar(const QByteArray& descricao) {
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

QByteArray ImpressaoPasta(const QString& pasta) {
    QStringList nomes;
    QDirIterator i(pasta, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                   QDirIterator::Subdirectories);
    while (i.hasNext())
        nomes << i.next();
    nomes.sort();
    QByteArray impressao;
    for (const QString& n : nomes) {
        const QFileInfo info(n);
        impressao += n.mid(pasta.size()).toUtf8() + ' ' + QByteArray::number(int(info.permissions()), 16) + ' ';
        if (info.isSymLink())
            impressao += "-> " + info.symLinkTarget().toUtf8();
        else if (info.isDir())
            impressao += "pasta";
        else {
            QFile f(n);
            QCryptographicHash h(QCryptographicHash::Sha256);
            impressao += f.open(QIODevice::ReadOnly) && h.addData(&f) ? h.result().toHex() : QByteArray("ilegível");
        }
        impressao += '\n';
    }
    return impressao;
}
