#include "leitorini.h"

#include "cp1252.h"

namespace {
constexpr qsizetype MaximoValor = 999;

// Blanks in the profile functions' sense: spaces and tabs, not the wider Unicode set.
QStringView semBrancos(QStringView t) {
    qsizetype a = 0, b = t.size();
    while (a < b && (t[a] == QLatin1Char(' ') || t[a] == QLatin1Char('\t')))
        ++a;
    while (b > a && (t[b - 1] == QLatin1Char(' ') || t[b - 1] == QLatin1Char('\t')))
        --b;
    return t.mid(a, b - a);
}

QString nomeChave(QStringView t) {
    return semBrancos(t).toString().toCaseFolded();
}

// Calls `faz` with each line of the text, without its line end; stops when `faz` returns false.
template <class F> void cadaLinha(const QByteArray& texto, F faz) {
    qsizetype inicio = 0;
    while (inicio < texto.size()) {
        qsizetype fim = texto.indexOf('\n', inicio);
        if (fim < 0) fim = texto.size();
        qsizetype corte = fim;
        while (corte > inicio && (texto[corte - 1] == '\r' || texto[corte - 1] == '\n'))
            --corte;
        if (!faz(QByteArrayView(texto.constData() + inicio, corte - inicio))) return;
        inicio = fim + 1;
    }
}
} // namespace

PerfilIni PerfilIni::Le(const QByteArray& texto) {
    PerfilIni p;
    QHash<QString, QString>* actual = nullptr;
    cadaLinha(texto, [&](QByteArrayView bruta) {
        const QString decifrada = DeCp1252(bruta.toByteArray());
        const QStringView linha = semBrancos(decifrada);
        if (linha.startsWith(QLatin1Char('['))) {
            qsizetype fim = linha.indexOf(QLatin1Char(']'));
            if (fim < 0) fim = linha.size();
            const QString nome = nomeChave(linha.mid(1, fim - 1));
            // A repeated section adds nothing: the first one of a name is the one read.
            actual = p.m_seccoes.contains(nome) ? nullptr : &p.m_seccoes[nome];
            return true;
        }
        if (!actual || linha.startsWith(QLatin1Char(';'))) return true;
        const qsizetype igual = linha.indexOf(QLatin1Char('='));
        if (igual < 0) return true;
        const QString chave = nomeChave(linha.left(igual));
        if (!actual->contains(chave)) actual->insert(chave, semBrancos(linha.mid(igual + 1)).left(MaximoValor).toString());
        return true;
    });
    return p;
}

QString PerfilIni::Valor(const QString& seccao, const QString& chave) const {
    const auto s = m_seccoes.constFind(seccao.toCaseFolded());
    return s == m_seccoes.constEnd() ? QString() : s->value(chave.toCaseFolded());
}

QString ReadINI(const QByteArray& texto, const QString& seccao, const QString& chave) {
    return PerfilIni::Le(texto).Valor(seccao, chave);
}

QString PrimeiraLinha(const QByteArray& texto) {
    QString primeira;
    cadaLinha(texto, [&](QByteArrayView l) {
        primeira = DeCp1252(l.toByteArray());
        return false;
    });
    return primeira;
}
