#include "leitorini.h"

#include "cp1252.h"

#include <QFile>

namespace {
constexpr qsizetype MaximoValor = 999;

// Blanks in the profile functions' sense: spaces and tabs, not the wider Unicode set.
QString semBrancos(QStringView t) {
    qsizetype a = 0, b = t.size();
    while (a < b && (t[a] == QLatin1Char(' ') || t[a] == QLatin1Char('\t')))
        ++a;
    while (b > a && (t[b - 1] == QLatin1Char(' ') || t[b - 1] == QLatin1Char('\t')))
        --b;
    return t.mid(a, b - a).toString();
}

QList<QByteArray> linhas(const QString& ficheiro, bool soPrimeira) {
    QFile f(ficheiro);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QList<QByteArray> lista;
    while (!f.atEnd()) {
        QByteArray l = f.readLine();
        while (l.endsWith('\n') || l.endsWith('\r'))
            l.chop(1);
        lista.append(l);
        if (soPrimeira) break;
    }
    return lista;
}
} // namespace

QString ReadINI(const QString& ficheiro, const QString& seccao, const QString& chave) {
    bool dentro = false;
    bool seccaoVista = false;
    for (const QByteArray& bruta : linhas(ficheiro, false)) {
        const QString linha = semBrancos(DeCp1252(bruta));
        if (linha.startsWith(QLatin1Char('['))) {
            if (seccaoVista) return {};
            qsizetype fim = linha.indexOf(QLatin1Char(']'));
            if (fim < 0) fim = linha.size();
            dentro = semBrancos(QStringView(linha).mid(1, fim - 1)).compare(seccao, Qt::CaseInsensitive) == 0;
            seccaoVista = dentro;
            continue;
        }
        if (!dentro || linha.startsWith(QLatin1Char(';'))) continue;
        const qsizetype igual = linha.indexOf(QLatin1Char('='));
        if (igual < 0) continue;
        if (semBrancos(QStringView(linha).left(igual)).compare(chave, Qt::CaseInsensitive) == 0)
            return semBrancos(QStringView(linha).mid(igual + 1)).left(MaximoValor);
    }
    return {};
}

QString PrimeiraLinha(const QString& ficheiro) {
    const QList<QByteArray> l = linhas(ficheiro, true);
    return l.isEmpty() ? QString() : DeCp1252(l.first());
}
