#include "listagem.h"

#include "pontual.h"
#include "simbolos.h"

#include <cmath>

namespace {
DataCivil AoMinuto(double jd, double fuso) {
    const double minuto = std::round((jd + fuso / 24.0) * 1440.0) / 1440.0;
    return DataDoDiaJuliano(minuto + 1e-7);
}

QString NumeroRomano(int casa) {
    static const char* const r[12] = {"I",   "II",   "III", "IV", "V",  "VI",
                                      "VII", "VIII", "IX",  "X",  "XI", "XII"};
    return QString::fromLatin1(r[(casa + 11) % 12]);
}

QString Celula(const QString& t) {
    if (!t.contains(QLatin1Char(',')) && !t.contains(QLatin1Char('"')) && !t.contains(QLatin1Char('\n')))
        return t;
    return QLatin1Char('"') + QString(t).replace(QStringLiteral("\""), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

QString Data(double jd, const FormataInstante& f) {
    return std::isnan(jd) ? QString() : f(jd);
}
} // namespace

FormataInstante InstanteNoFuso(double fusoHoras) {
    return [fusoHoras](double jd) {
        const DataCivil d = AoMinuto(jd, fusoHoras);
        const int m = int(std::lround(d.horas * 60.0));
        return QStringLiteral("%1/%2/%3 %4:%5")
            .arg(d.dia, 2, 10, QLatin1Char('0'))
            .arg(d.mes, 2, 10, QLatin1Char('0'))
            .arg(d.ano)
            .arg(m / 60, 2, 10, QLatin1Char('0'))
            .arg(m % 60, 2, 10, QLatin1Char('0'));
    };
}

FormataInstante InstanteIsoNoFuso(double fusoHoras) {
    return [fusoHoras](double jd) {
        const DataCivil d = AoMinuto(jd, fusoHoras);
        const int m = int(std::lround(d.horas * 60.0));
        return QStringLiteral("%1-%2-%3 %4:%5")
            .arg(d.ano, 4, 10, QLatin1Char('0'))
            .arg(d.mes, 2, 10, QLatin1Char('0'))
            .arg(d.dia, 2, 10, QLatin1Char('0'))
            .arg(m / 60, 2, 10, QLatin1Char('0'))
            .arg(m % 60, 2, 10, QLatin1Char('0'));
    };
}

TextoEvento DescreveEvento(const EventoTransito& e) {
    TextoEvento t;
    t.corpo = NomeTransitante(e.corpo);
    switch (e.tipo) {
    case TipoEvento::Aspecto:
        t.relacao = NomeAspecto(e.aspecto);
        t.alvo = NomePontoNatal(e.alvo);
        break;
    case TipoEvento::Casa:
        t.relacao = e.retrogrado ? QStringLiteral("volta à casa") : QStringLiteral("entra na casa");
        t.alvo = NumeroRomano(e.alvo);
        break;
    case TipoEvento::Signo:
        t.relacao = e.retrogrado ? QStringLiteral("volta a") : QStringLiteral("entra em");
        t.alvo = Simbolos::SignInfo(int16_t(e.alvo)).nome;
        break;
    case TipoEvento::Estacao:
        t.relacao = QStringLiteral("estação");
        t.alvo = e.alvo == 0 ? QStringLiteral("retrógrada") : QStringLiteral("directa");
        break;
    }
    return t;
}

QString LinhaEvento(const EventoTransito& e, const FormataInstante& f) {
    const TextoEvento t = DescreveEvento(e);
    QString l = t.corpo + QLatin1Char(' ') + t.relacao + QLatin1Char(' ') + t.alvo + QStringLiteral(" — ");
    if (e.tipo != TipoEvento::Aspecto) return l + f(e.exactos.at(0));
    QStringList partes;
    partes << (std::isnan(e.entrada) ? QStringLiteral("já em orbe")
                                     : QStringLiteral("entra ") + f(e.entrada));
    QStringList exactos;
    for (double x : e.exactos)
        exactos << f(x);
    partes << (exactos.isEmpty() ? QStringLiteral("não chega a exacto")
                                 : QStringLiteral("exacto ") + exactos.join(QStringLiteral(", ")));
    partes << (std::isnan(e.saida) ? QStringLiteral("ainda em orbe") : QStringLiteral("sai ") + f(e.saida));
    return l + partes.join(QStringLiteral("; "));
}

QByteArray CsvPeriodo(const std::vector<EventoTransito>& v, const FormataInstante& f) {
    QString s = QStringLiteral("tipo,transitante,relação,alvo,entrada,exacto,saída\r\n");
    static const char* const tipos[4] = {"aspecto", "casa", "signo", "estação"};
    for (const EventoTransito& e : v) {
        const TextoEvento t = DescreveEvento(e);
        QStringList exactos;
        for (double x : e.exactos)
            exactos << f(x);
        QStringList celulas;
        for (const QString& c : {QString::fromUtf8(tipos[int(e.tipo)]), t.corpo, t.relacao, t.alvo,
                                 Data(e.entrada, f), exactos.join(QStringLiteral("; ")), Data(e.saida, f)})
            celulas << Celula(c);
        s += celulas.join(QLatin1Char(','));
        s += QStringLiteral("\r\n");
    }
    return s.toUtf8();
}
