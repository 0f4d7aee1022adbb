#include "descricao.h"

#include "leitorini.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cmath>

bool DescricaoValida(const QString& primeiraLinha) {
    return primeiraLinha.toLower() == QLatin1String("[natalis]");
}

double NumeroDeTexto(const QString& texto) {
    static const QRegularExpression numero(QStringLiteral("^\\s*([-+]?(\\d+\\.?\\d*|\\.\\d+))"));
    const QRegularExpressionMatch m = numero.match(texto);
    return m.hasMatch() ? m.captured(1).toDouble() : 0.0;
}

int ContagemFicheiros(const QString& texto) {
    const double n = std::nearbyint(NumeroDeTexto(texto));
    if (!(n > 0)) return 0;
    return n > 1e6 ? 1000000 : static_cast<int>(n);
}

QDate LeData(const QString& texto) {
    static const QRegularExpression data(
        QStringLiteral("^\\s*(\\d{1,2})[/.-](\\d{1,2})[/.-](\\d{4}|\\d{2})(\\s.*)?$"));
    const QRegularExpressionMatch m = data.match(texto);
    if (!m.hasMatch()) return {};
    int ano = m.captured(3).toInt();
    if (m.captured(3).size() == 2) ano += ano < 30 ? 2000 : 1900;
    return QDate(ano, m.captured(2).toInt(), m.captured(1).toInt());
}

QString EscreveData(const QDate& data) {
    return QStringLiteral("%1/%2/%3").arg(data.day()).arg(data.month()).arg(data.year());
}

bool HaNoticias(const QString& dataWeb, const QString& dataVista) {
    const QDate web = LeData(dataWeb);
    if (!web.isValid()) return false;
    const QDate vista = LeData(dataVista);
    return !vista.isValid() || web > vista;
}

DecisaoPrograma DecideActualizacao(const QString& online, const QString& dataPublicada,
                                   const QString& dataInstalada) {
    if (online != QLatin1String("1")) return DecisaoPrograma::SemActualizacao;
    const QDate publicada = LeData(dataPublicada);
    if (!publicada.isValid()) return DecisaoPrograma::NenhumaNova;
    const QDate instalada = LeData(dataInstalada);
    return instalada.isValid() && instalada >= publicada ? DecisaoPrograma::NenhumaNova
                                                         : DecisaoPrograma::Devida;
}

namespace {
bool parteSegura(const QString& parte) {
    if (parte.isEmpty()) return true;
    QString t = parte;
    t.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (t.startsWith(QLatin1Char('/')) || t.contains(QLatin1Char(':'))) return false;
    const QStringList pedacos = t.split(QLatin1Char('/'));
    for (const QString& p : pedacos)
        if (p.trimmed() == QLatin1String("..")) return false;
    return true;
}

QString relativoDe(const QString& localizacao, const QString& nome) {
    QString relativo = localizacao.isEmpty() ? nome : localizacao + QLatin1Char('/') + nome;
    return relativo.replace(QLatin1Char('\\'), QLatin1Char('/'));
}
} // namespace

bool RelativoSeguro(const QString& localizacao, const QString& nome) {
    if (nome.isEmpty() || !parteSegura(localizacao) || !parteSegura(nome)) return false;
    // The name must stay a file strictly below the folder ("." or "a/.." would name the folder).
    const QString limpo = QDir::cleanPath(relativoDe(localizacao, nome));
    return !limpo.isEmpty() && limpo != QLatin1String(".") && !limpo.startsWith(QLatin1Char('/'));
}

QString CaminhoConfinado(const QString& pastaPrograma, const QString& localizacao, const QString& nome) {
    if (!RelativoSeguro(localizacao, nome)) return {};
    const QString raiz = QDir::cleanPath(QDir(pastaPrograma).absolutePath());
    const QString caminho = QDir::cleanPath(raiz + QLatin1Char('/') + relativoDe(localizacao, nome));
    if (!caminho.startsWith(raiz + QLatin1Char('/'))) return {};
    // A folder inside that is a link to elsewhere would still write outside.
    const QString pasta = QFileInfo(caminho).absolutePath();
    const QString pastaReal = QFileInfo(pasta).canonicalFilePath();
    const QString raizReal = QFileInfo(raiz).canonicalFilePath();
    if (!pastaReal.isEmpty() && !raizReal.isEmpty() && pastaReal != raizReal &&
        !pastaReal.startsWith(raizReal + QLatin1Char('/')))
        return {};
    return caminho;
}

QUrl EnderecoFicheiro(const QString& pastaWeb, const QString& nome) {
    QString n = nome;
    n.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QUrl url(pastaWeb);
    QString caminho = url.path(QUrl::FullyDecoded);
    while (caminho.endsWith(QLatin1Char('/')))
        caminho.chop(1);
    url.setPath(caminho + QLatin1Char('/') + n, QUrl::DecodedMode);
    return url;
}

QString VersaoIrma(const PerfilIni& descricao, const QString& seccao, const QString& nome) {
    if (descricao.Valor(seccao, QStringLiteral("online")) != QLatin1String("1")) return {};
    static const QRegularExpression inteiro(QStringLiteral("^[0-9]+$"));
    QStringList partes;
    for (const char* chave : {"major", "minor", "revision"}) {
        const QString v = descricao.Valor(seccao, QString::fromLatin1(chave));
        if (!inteiro.match(v).hasMatch()) return {};
        partes << QString::number(v.toLongLong());
    }
    QString r = nome + QLatin1Char(' ') + partes.join(QLatin1Char('.'));
    const QDate data = LeData(descricao.Valor(seccao, QStringLiteral("lastdate")));
    if (data.isValid()) r += QStringLiteral(", publicada em ") + EscreveData(data);
    return r;
}
