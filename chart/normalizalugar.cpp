// Readers of the latitude and the longitude of the birth place.
#include "normaliza.h"
#include "mensagens.h"
#include "normalizaleitura.h"

#include <QStringList>
#include <cmath>

namespace {
Normalizado falha(const QString& erro) {
    Normalizado n;
    n.erro = erro;
    return n;
}

bool umDe(const QString& palavra, std::initializer_list<const char*> lista) {
    for (const char* p : lista)
        if (palavra == QLatin1String(p))
            return true;
    return false;
}
} // namespace

Normalizado NormalizaLatitude(const QString& texto) {
    const QString t = texto.trimmed();
    if (t.isEmpty())
        return falha(QStringLiteral("Preencha o campo 'Latitude'"));
    const auto erro = [&](const QString& porque) {
        return falha(QStringLiteral("A latitude «") + Citacao(t) + QStringLiteral("» não pode ser lida: ") + porque +
                     QStringLiteral(". Escreva, por exemplo, 38º43' N ou 22º54' S."));
    };
    const AnguloLido a = LeAngulo(t);
    if (!a.ok)
        return erro(a.erro);
    bool sul = a.negativo;
    if (!a.resto.isEmpty()) {
        if (a.comSinal)
            return erro(QStringLiteral("indique o hemisfério com N ou S, ou com o sinal, mas não com ambos"));
        if (umDe(a.resto, {"n", "norte", "north"}))
            sul = false;
        else if (umDe(a.resto, {"s", "sul", "south"}))
            sul = true;
        else
            return erro(QStringLiteral("«") + Citacao(a.resto) + QStringLiteral("» não é um hemisfério (N ou S)"));
    }
    if (a.magnitude() > 90)
        return erro(QStringLiteral("a latitude vai de 0 a 90 graus"));
    const GMS g = DivideGMS(a.magnitude());
    Normalizado n;
    n.ok = true;
    n.texto = QStringLiteral("%1º%2'%3''%4").arg(g.g).arg(g.m).arg(g.s).arg(sul ? QLatin1Char('S') : QLatin1Char('N'));
    n.valor = (sul ? -1 : 1) * (g.g + g.m / 60.0 + g.s / 3600.0);
    return n;
}

QString FormataLongitudeHoras(double horas) {
    // Tenths of a second of time keep the typed arc seconds (1.5" of arc per tenth).
    const long long decimos = std::llround(std::fabs(horas) * 36000.0);
    const long long h = decimos / 36000, m = decimos / 600 % 60, ds = decimos % 600;
    const QString segundos = ds % 10 == 0 ? QString::number(ds / 10) : QStringLiteral("%1.%2").arg(ds / 10).arg(ds % 10);
    return QStringLiteral("%1h%2'%3'' %4").arg(h).arg(m).arg(segundos).arg(horas > 0 ? QLatin1Char('W') : QLatin1Char('E'));
}

Normalizado NormalizaLongitude(const QString& texto) {
    const QString t = texto.trimmed();
    if (t.isEmpty())
        return falha(QStringLiteral("Preencha o campo 'Longitude'"));
    const auto erro = [&](const QString& porque) {
        return falha(QStringLiteral("A longitude «") + Citacao(t) + QStringLiteral("» não pode ser lida: ") + porque +
                     QStringLiteral(". Escreva, por exemplo, 9º8' W, 151º12' E ou 0h36'32'' W."));
    };
    const AnguloLido a = LeAngulo(t);
    if (!a.ok)
        return erro(a.erro);
    if (a.comSinal)
        return erro(QStringLiteral("indique o sentido com W (O, oeste) ou E (L, leste), não com um sinal"));
    bool oeste = true;
    if (!a.resto.isEmpty()) {
        if (umDe(a.resto, {"w", "o", "oeste", "west"}))
            oeste = true;
        else if (umDe(a.resto, {"e", "l", "este", "leste", "east"}))
            oeste = false;
        else
            return erro(QStringLiteral("«") + Citacao(a.resto) + QStringLiteral("» não é um sentido (W ou E)"));
    }
    double horas = a.magnitude();
    if (a.marcaHoras || a.doisPontos) {
        if (horas > 12)
            return erro(QStringLiteral("em horas, a longitude vai de 0h a 12h"));
    } else {
        if (horas > 180)
            return erro(QStringLiteral("a longitude vai de 0 a 180 graus"));
        horas /= 15.0;
    }
    if (!oeste)
        horas = -horas;
    Normalizado n;
    n.ok = true;
    n.texto = FormataLongitudeHoras(horas);
    // The value of the text written, tenths of a second of time.
    n.valor = (oeste ? 1 : -1) * std::llround(std::fabs(horas) * 36000.0) / 36000.0;
    return n;
}

QString LongitudeParaLeitor(const QString& guardada) {
    const Normalizado n = NormalizaLongitude(guardada);
    if (!n.ok) return guardada;
    const long long s = std::llround(std::fabs(n.valor) * 15.0 * 3600.0);
    return QStringLiteral("%1º%2'%3'' %4").arg(s / 3600).arg(s / 60 % 60).arg(s % 60)
        .arg(n.valor > 0 ? QLatin1Char('W') : QLatin1Char('E'));
}
