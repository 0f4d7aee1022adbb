#include "normalizaleitura.h"
#include "mensagens.h"

#include <algorithm>
#include <cmath>

namespace {
// Unifies the marks people type: degree sign, primes and quotes, decimal commas.
QString unifica(const QString& texto) {
    QString t = texto.trimmed().toLower();
    t.replace(QChar(0x00B0), QChar(0x00BA)); // ° → º
    for (char16_t c : {u'\u2019', u'\u2032', u'\u00B4', u'`', u'\u2018'})
        t.replace(QChar(c), QLatin1Char('\''));
    for (char16_t c : {u'\u2033', u'"', u'\u201D', u'\u201C'})
        t.replace(QChar(c), QLatin1String("''"));
    for (qsizetype i = 1; i + 1 < t.size(); ++i)
        if (t[i] == QLatin1Char(',') && t[i - 1].isDigit() && t[i + 1].isDigit())
            t[i] = QLatin1Char('.');
    return t;
}

void saltaEspacos(const QString& t, qsizetype& p) {
    while (p < t.size() && t[p].isSpace())
        ++p;
}

// Digits with an optional decimal part; false when no digit is there.
bool leNumero(const QString& t, qsizetype& p, double& valor, bool& decimal) {
    const qsizetype inicio = p;
    while (p < t.size() && t[p].isDigit())
        ++p;
    decimal = false;
    if (p < t.size() && t[p] == QLatin1Char('.') && p + 1 < t.size() && t[p + 1].isDigit()) {
        decimal = true;
        ++p;
        while (p < t.size() && t[p].isDigit())
            ++p;
    }
    if (p == inicio)
        return false;
    valor = t.mid(inicio, p - inicio).toDouble();
    return true;
}

bool comeca(const QString& t, qsizetype p, QLatin1String s) { return QStringView(t).mid(p).startsWith(s); }

// The mark after the n-th number (º, h or ':' after degrees, ' after minutes, '' after seconds);
// false, with r.erro, when it is the wrong one.
bool leMarca(const QString& t, qsizetype& p, int n, AnguloLido& r) {
    if (n == 0) {
        if (t[p] == QChar(0x00BA)) {
            r.marcaGraus = true;
            ++p;
        } else if (t[p] == QLatin1Char('h') && !(p + 1 < t.size() && t[p + 1].isLetter())) {
            r.marcaHoras = true;
            ++p;
        } else if (t[p] == QLatin1Char(':')) {
            r.doisPontos = true;
            ++p;
        }
    } else if (n == 1) {
        if (comeca(t, p, QLatin1String("''"))) {
            r.erro = QStringLiteral("os minutos levam uma plica (') e os segundos duas ('')");
            return false;
        }
        if (t[p] == QLatin1Char('\'') || (r.doisPontos && t[p] == QLatin1Char(':'))) ++p;
    } else if (comeca(t, p, QLatin1String("''"))) {
        p += 2;
    }
    return true;
}
} // namespace

AnguloLido LeAngulo(const QString& texto) {
    AnguloLido r;
    const QString t = unifica(texto);
    if (t.isEmpty()) {
        r.erro = QStringLiteral("o campo está vazio");
        return r;
    }
    qsizetype p = 0;
    if (t[0] == QLatin1Char('-') || t[0] == QLatin1Char('+') || t[0] == QChar(0x2212)) {
        r.comSinal = true;
        r.negativo = t[0] != QLatin1Char('+');
        ++p;
    }
    double valores[3] = {0, 0, 0};
    bool ultimoDecimal = false;
    for (int n = 0; n < 3; ++n) {
        saltaEspacos(t, p);
        double v = 0;
        bool dec = false;
        const qsizetype antes = p;
        if (!leNumero(t, p, v, dec)) {
            p = antes;
            break;
        }
        if (ultimoDecimal) {
            r.erro = QStringLiteral("só o último número pode ter casas decimais");
            return r;
        }
        ultimoDecimal = dec;
        r.decimal = r.decimal || dec;
        valores[n] = v;
        r.numeros = n + 1;
        saltaEspacos(t, p);
        if (p >= t.size())
            break;
        if (!leMarca(t, p, n, r)) return r;
    }
    if (r.numeros == 0) {
        r.erro = QStringLiteral("não tem nenhum número");
        return r;
    }
    r.graus = valores[0];
    r.minutos = valores[1];
    r.segundos = valores[2];
    r.resto = t.mid(p).trimmed();
    const bool palavra = std::all_of(r.resto.begin(), r.resto.end(), [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c.unicode() >= 0xE0 && c.unicode() <= 0xFF);
    });
    if (!palavra) {
        r.erro = QStringLiteral("tem texto a mais («") + Citacao(r.resto) + QStringLiteral("»)");
        return r;
    }
    if (r.numeros >= 2 && r.minutos >= 60) {
        r.erro = QStringLiteral("os minutos vão de 0 a 59");
        return r;
    }
    if (r.numeros >= 3 && r.segundos >= 60) {
        r.erro = QStringLiteral("os segundos vão de 0 a 59");
        return r;
    }
    r.ok = true;
    return r;
}

GMS DivideGMS(double valor) {
    const long long total = std::llround(std::fabs(valor) * 3600.0);
    return {static_cast<int>(total / 3600), static_cast<int>(total / 60 % 60), static_cast<int>(total % 60)};
}
