#include "zonatzif.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>

namespace {

constexpr qint64 kDia = 86400;
constexpr qint64 kJulianoEpoca = 2440588; // 1970-01-01

class Leitor {
public:
    explicit Leitor(const QByteArray& d) : m_d(d) {}
    bool cabe(qsizetype n) const { return n >= 0 && m_pos <= m_d.size() && m_d.size() - m_pos >= n; }
    qint64 inteiro(int bytes) {
        quint64 v = 0;
        for (int i = 0; i < bytes; ++i)
            v = (v << 8) | static_cast<quint8>(m_d.at(m_pos++));
        if (bytes == 4)
            return static_cast<qint32>(static_cast<quint32>(v));
        return static_cast<qint64>(v);
    }
    quint8 byte() { return static_cast<quint8>(m_d.at(m_pos++)); }
    QByteArray bytes(qsizetype n) {
        const QByteArray b = m_d.mid(m_pos, n);
        m_pos += n;
        return b;
    }
    void salta(qsizetype n) { m_pos += n; }
    qsizetype posicao() const { return m_pos; }

private:
    const QByteArray& m_d;
    qsizetype m_pos = 0;
};

struct Contagens {
    qint64 utc = 0, padrao = 0, saltos = 0, transicoes = 0, tipos = 0, letras = 0;
    qint64 tamanho(int bytesTempo) const {
        return transicoes * bytesTempo + transicoes + tipos * 6 + letras + saltos * (bytesTempo + 4) + padrao + utc;
    }
};

bool leCabecalho(Leitor& l, char* versao, Contagens* c) {
    if (!l.cabe(44) || l.bytes(4) != "TZif")
        return false;
    *versao = static_cast<char>(l.byte());
    l.salta(15);
    c->utc = l.inteiro(4);
    c->padrao = l.inteiro(4);
    c->saltos = l.inteiro(4);
    c->transicoes = l.inteiro(4);
    c->tipos = l.inteiro(4);
    c->letras = l.inteiro(4);
    const bool coerente = c->utc >= 0 && c->padrao >= 0 && c->saltos >= 0 && c->transicoes >= 0 && c->tipos >= 1 &&
                          c->tipos <= 256 && c->letras >= 1 && c->transicoes < 100000 && c->saltos < 100000 &&
                          c->letras < 100000 && c->utc <= c->tipos && c->padrao <= c->tipos;
    return coerente && l.cabe(c->tamanho(4));
}

// "[+-]hh[:mm[:ss]]" in seconds (hours up to 167); *pos advances past it.
bool leHora(const QByteArray& t, qsizetype* pos, int* segundos) {
    qsizetype i = *pos;
    int sinal = 1;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        sinal = t[i] == '-' ? -1 : 1;
        ++i;
    }
    int partes[3] = {0, 0, 0};
    for (int p = 0; p < 3; ++p) {
        const qsizetype inicio = i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9' && i - inicio < 3)
            partes[p] = partes[p] * 10 + (t[i++] - '0');
        if (i == inicio)
            return false;
        if (p == 2 || i >= t.size() || t[i] != ':')
            break;
        ++i;
    }
    if (partes[0] > 167 || partes[1] > 59 || partes[2] > 59)
        return false;
    *segundos = sinal * (partes[0] * 3600 + partes[1] * 60 + partes[2]);
    *pos = i;
    return true;
}

bool leNome(const QByteArray& t, qsizetype* pos, QString* nome) {
    qsizetype i = *pos;
    if (i < t.size() && t[i] == '<') {
        const qsizetype fim = t.indexOf('>', i);
        if (fim < 0)
            return false;
        *nome = QString::fromLatin1(t.mid(i + 1, fim - i - 1));
        *pos = fim + 1;
        return nome->size() >= 3;
    }
    while (i < t.size() && ((t[i] >= 'A' && t[i] <= 'Z') || (t[i] >= 'a' && t[i] <= 'z')))
        ++i;
    *nome = QString::fromLatin1(t.mid(*pos, i - *pos));
    *pos = i;
    return nome->size() >= 3;
}

bool leDia(const QByteArray& t, qsizetype* pos, ZonaTzif::Regra::Dia* d) {
    static const QRegularExpression padrao(QStringLiteral("^(?:J(\\d{1,3})|(\\d{1,3})|M(\\d{1,2})\\.(\\d)\\.(\\d))"));
    const QString resto = QString::fromLatin1(t.mid(*pos));
    const QRegularExpressionMatch m = padrao.match(resto);
    if (!m.hasMatch())
        return false;
    if (m.capturedLength(1) > 0) {
        d->forma = 'J';
        d->n = m.captured(1).toInt();
        if (d->n < 1 || d->n > 365)
            return false;
    } else if (m.capturedLength(2) > 0) {
        d->forma = 'N';
        d->n = m.captured(2).toInt();
        if (d->n > 365)
            return false;
    } else {
        d->forma = 'M';
        d->mes = m.captured(3).toInt();
        d->semana = m.captured(4).toInt();
        d->diaSemana = m.captured(5).toInt();
        if (d->mes < 1 || d->mes > 12 || d->semana < 1 || d->semana > 5 || d->diaSemana > 6)
            return false;
    }
    *pos += m.capturedLength(0);
    d->segundos = 7200;
    if (*pos < t.size() && t[*pos] == '/') {
        ++*pos;
        return leHora(t, pos, &d->segundos);
    }
    return true;
}

// The day (days since 1970-01-01) a rule's change falls on in a year.
qint64 diaDaMudanca(int ano, const ZonaTzif::Regra::Dia& d) {
    const qint64 primeiro = QDate(ano, 1, 1).toJulianDay() - kJulianoEpoca;
    if (d.forma == 'J')
        return primeiro + d.n - 1 + (QDate::isLeapYear(ano) && d.n >= 60 ? 1 : 0);
    if (d.forma == 'N')
        return primeiro + d.n;
    const QDate inicioMes(ano, d.mes, 1);
    int dia = 1 + (d.diaSemana - inicioMes.dayOfWeek() % 7 + 7) % 7 + (d.semana - 1) * 7;
    while (dia > inicioMes.daysInMonth())
        dia -= 7;
    return inicioMes.toJulianDay() - kJulianoEpoca + dia - 1;
}

bool nomeDeZonaSimples(const QString& nome) {
    static const QRegularExpression padrao(QStringLiteral("^[A-Za-z][A-Za-z0-9_+\\-]*(/[A-Za-z0-9][A-Za-z0-9_+\\-]*)*$"));
    return nome.size() < 128 && padrao.match(nome).hasMatch();
}

} // namespace

ZonaTzif::Regra ZonaTzif::LeRegra(const QByteArray& t) {
    Regra r;
    qsizetype i = 0;
    int oeste = 0;
    if (!leNome(t, &i, &r.normal.abreviatura) || !leHora(t, &i, &oeste))
        return r;
    r.normal.offset = -oeste;
    if (i == t.size()) {
        r.valida = true;
        return r;
    }
    if (!leNome(t, &i, &r.verao.abreviatura))
        return r;
    r.verao.verao = true;
    r.verao.offset = r.normal.offset + 3600;
    if (i < t.size() && t[i] != ',') {
        if (!leHora(t, &i, &oeste))
            return r;
        r.verao.offset = -oeste;
    }
    // Without dates POSIX leaves the rule to the system; the tz database always writes them.
    if (i >= t.size() || t[i] != ',')
        return r;
    ++i;
    if (!leDia(t, &i, &r.inicio) || i >= t.size() || t[i] != ',')
        return r;
    ++i;
    if (!leDia(t, &i, &r.fim) || i != t.size())
        return r;
    r.temVerao = true;
    r.valida = true;
    return r;
}

ZonaTzif ZonaTzif::DeDados(const QByteArray& dados) {
    ZonaTzif z;
    Leitor l(dados);
    char versao = 0;
    Contagens c;
    if (!leCabecalho(l, &versao, &c))
        return z;
    int bytesTempo = 4;
    if (versao >= '2') {
        l.salta(c.tamanho(4));
        if (!leCabecalho(l, &versao, &c) || !l.cabe(c.tamanho(8)))
            return z;
        bytesTempo = 8;
    }
    QList<qint64> transicoes;
    QList<int> indices;
    QList<Tipo> tipos;
    for (qint64 k = 0; k < c.transicoes; ++k) {
        transicoes << l.inteiro(bytesTempo);
        if (k > 0 && transicoes.at(k) <= transicoes.at(k - 1))
            return z;
    }
    for (qint64 k = 0; k < c.transicoes; ++k) {
        indices << l.byte();
        if (indices.last() >= c.tipos)
            return z;
    }
    QList<int> inicioAbrev;
    for (qint64 k = 0; k < c.tipos; ++k) {
        Tipo t;
        t.offset = static_cast<int>(l.inteiro(4));
        t.verao = l.byte() != 0;
        inicioAbrev << l.byte();
        if (inicioAbrev.last() >= c.letras || t.offset < -25 * 3600 || t.offset > 26 * 3600)
            return z;
        tipos << t;
    }
    const QByteArray letras = l.bytes(c.letras);
    for (qsizetype k = 0; k < tipos.size(); ++k) {
        const qsizetype fim = letras.indexOf('\0', inicioAbrev.at(k));
        tipos[k].abreviatura = QString::fromLatin1(letras.mid(inicioAbrev.at(k), fim < 0 ? -1 : fim - inicioAbrev.at(k)));
    }
    l.salta(c.saltos * (bytesTempo + 4) + c.padrao + c.utc);
    if (bytesTempo == 8 && l.cabe(2) && dados.at(l.posicao()) == '\n') {
        const qsizetype fim = dados.indexOf('\n', l.posicao() + 1);
        if (fim > l.posicao() + 1)
            z.m_regra = LeRegra(dados.mid(l.posicao() + 1, fim - l.posicao() - 1));
    }
    z.m_transicoes = transicoes;
    z.m_indices = indices;
    z.m_tipos = tipos;
    return z;
}

ZonaTzif ZonaTzif::Carrega(const QString& nomeIana) {
    if (!nomeDeZonaSimples(nomeIana))
        return {};
    QFile f(PastaZonas() + QLatin1Char('/') + nomeIana);
    if (f.size() > (1 << 20) || !f.open(QIODevice::ReadOnly))
        return {};
    return DeDados(f.readAll());
}

ZonaTzif::Tipo ZonaTzif::tipoEm(qint64 utc) const {
    static const Tipo nenhum;
    if (m_tipos.isEmpty())
        return nenhum;
    // Before the first transition the first type holds; after the last, the footer's rule
    // (RFC 8536, 3.2 and 3.3).
    if (m_transicoes.isEmpty() ? !m_regra.valida : utc < m_transicoes.first())
        return m_tipos.first();
    if (!m_transicoes.isEmpty() && (utc < m_transicoes.last() || !m_regra.valida)) {
        const auto k = std::upper_bound(m_transicoes.cbegin(), m_transicoes.cend(), utc) - m_transicoes.cbegin() - 1;
        return m_tipos.at(m_indices.at(k));
    }
    if (!m_regra.temVerao)
        return m_regra.normal;
    // The changes of the year before, of the year and of the year after, in order.
    const int ano = QDate::fromJulianDay(kJulianoEpoca + (utc + m_regra.normal.offset) / kDia).year();
    struct Mudanca {
        qint64 instante;
        bool verao;
    };
    QList<Mudanca> mudancas;
    for (int a = ano - 1; a <= ano + 1; ++a) {
        mudancas << Mudanca{diaDaMudanca(a, m_regra.inicio) * kDia + m_regra.inicio.segundos - m_regra.normal.offset, true};
        mudancas << Mudanca{diaDaMudanca(a, m_regra.fim) * kDia + m_regra.fim.segundos - m_regra.verao.offset, false};
    }
    std::sort(mudancas.begin(), mudancas.end(), [](const Mudanca& a, const Mudanca& b) { return a.instante < b.instante; });
    bool verao = !mudancas.first().verao;
    for (const Mudanca& m : mudancas)
        if (m.instante <= utc)
            verao = m.verao;
    return verao ? m_regra.verao : m_regra.normal;
}

QString PastaZonas() {
#ifdef Q_OS_WIN
    return QCoreApplication::applicationDirPath() + QStringLiteral("/zoneinfo");
#else
    const QString tzdir = qEnvironmentVariable("TZDIR");
    return tzdir.isEmpty() ? QStringLiteral("/usr/share/zoneinfo") : tzdir;
#endif
}
