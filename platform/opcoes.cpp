#include "opcoes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <utility>

#include "gravacao.h"

namespace {
QString& pastaDefinida() {
    static QString pasta;
    return pasta;
}

QString& avisoOpcoes() {
    static QString aviso;
    return aviso;
}

// A settings file holds a few hundred short values. A line beyond any sane size (a damaged or
// hostile file) would be read at every start and every sync: such lines are dropped from the
// file, through a complete copy put in its place, before the store reads it.
#ifndef Q_OS_WIN // the registry bounds its values itself
constexpr qint64 MaximoValor = 64 * 1024;
void limpaValoresEnormes(const QString& caminho) {
    QFile f(caminho);
    if (f.size() <= MaximoValor || !f.open(QIODevice::ReadOnly)) return;
    QByteArray limpo, linha;
    int largadas = 0;
    bool longa = false;
    const auto fechaLinha = [&] {
        if (longa) ++largadas;
        else limpo += linha;
        linha.clear();
        longa = false;
    };
    while (!f.atEnd()) {
        const QByteArray bloco = f.read(MaximoValor);
        if (bloco.isEmpty()) break;
        for (qsizetype k = 0; k < bloco.size();) {
            const qsizetype fim = bloco.indexOf('\n', k);
            const qsizetype ate = fim < 0 ? bloco.size() : fim + 1;
            if (!longa) linha += QByteArrayView(bloco).sliced(k, ate - k);
            if (linha.size() > MaximoValor) {
                longa = true;
                linha.clear();
            }
            if (fim >= 0) fechaLinha();
            k = ate;
        }
    }
    fechaLinha();
    f.close();
    if (largadas == 0) return;
    QString erro;
    avisoOpcoes() = GravaFicheiro(caminho, limpo, &erro)
                        ? QStringLiteral("O ficheiro de opções %1 tinha %2 valor(es) com mais de %3 KiB, que foram "
                                         "ignorados e retirados.")
                              .arg(QDir::toNativeSeparators(caminho))
                              .arg(largadas)
                              .arg(MaximoValor / 1024)
                        : erro;
}
#endif

QSettings& loja() {
    static QSettings s = [] {
#ifndef Q_OS_WIN // the registry bounds its values itself
        limpaValoresEnormes(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                            QStringLiteral("/Natalis/Natalis.conf"));
#endif
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Natalis"),
                         QStringLiteral("Natalis"));
    }();
    return s;
}

QString chaveOpcao(int n) { return QStringLiteral("Options/Option") + QString::number(n); }
QString chaveRecente(int k) { return QStringLiteral("RecentFiles/RecentFile") + QString::number(k); }
} // namespace

QString TomaAvisoOpcoes() {
    loja();
    return std::exchange(avisoOpcoes(), QString());
}

QString PastaPrograma() {
    if (!pastaDefinida().isEmpty())
        return pastaDefinida();
    return QCoreApplication::applicationDirPath();
}

void DefinePastaPrograma(const QString& pasta) { pastaDefinida() = QDir::cleanPath(pasta); }

QString CaminhoPrograma(const QString& relativo) {
    return QDir::toNativeSeparators(PastaPrograma() + QLatin1Char('/') + relativo);
}

QString GetOption(int n) {
    loja().sync();
    const QString v = loja().value(chaveOpcao(n)).toString();
    return v.isEmpty() ? QStringLiteral("False") : v;
}

void SaveOption(int n, const QString& valor) {
    loja().setValue(chaveOpcao(n), valor);
    loja().sync();
}

double GetOptionNumero(int n) {
    const QString t = GetOption(n).trimmed();
    int i = 0;
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+')))
        ++i;
    bool ponto = false;
    while (i < t.size() && (t[i].isDigit() || (t[i] == QLatin1Char('.') && !ponto))) {
        ponto = ponto || t[i] == QLatin1Char('.');
        ++i;
    }
    bool ok = false;
    const double v = t.left(i).toDouble(&ok);
    return ok ? v : 0.0;
}

bool IsRecentFile(const QString& caminho) {
    loja().sync();
    for (int k = 1; k <= 4; ++k)
        if (loja().value(chaveRecente(k)).toString() == caminho)
            return true;
    return false;
}

void AddRecentFile(const QString& caminho) {
    if (IsRecentFile(caminho))
        return;
    for (int k = 3; k >= 1; --k) {
        const QString v = loja().value(chaveRecente(k)).toString();
        if (!v.isEmpty())
            loja().setValue(chaveRecente(k + 1), v);
    }
    loja().setValue(chaveRecente(1), caminho);
    loja().sync();
}

QStringList RecentFiles() {
    loja().sync();
    QStringList lista;
    for (int k = 1; k <= 4; ++k) {
        const QString v = loja().value(chaveRecente(k)).toString();
        if (!v.isEmpty())
            lista << v;
    }
    return lista;
}

QString FileNameOf(const QString& caminho, bool comExtensao) {
    const qsizetype barra = std::max(caminho.lastIndexOf(QLatin1Char('\\')), caminho.lastIndexOf(QLatin1Char('/')));
    QString nome = caminho.mid(barra + 1);
    if (!comExtensao)
        nome.chop(std::min<qsizetype>(4, nome.size()));
    return nome;
}

bool FileExists(const QString& caminho) {
    if (caminho.isEmpty())
        return false;
    QString normal = caminho;
    normal.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QFileInfo info(normal);
    const QDir pasta = info.absoluteDir();
    if (!pasta.exists())
        return false;
    const QString nome = FileNameOf(normal, true);
    const QStringList nomes = pasta.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& n : nomes)
        if (n.compare(nome, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}
