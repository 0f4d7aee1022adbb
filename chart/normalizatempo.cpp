// Readers of the birth date, the clock time and the time zone.
#include "normaliza.h"
#include "camposmapa.h"
#include "tempo.h"
#include "mensagens.h"
#include "normalizaleitura.h"

#include <QRegularExpression>
#include <cmath>

namespace {
Normalizado falha(const QString& erro) {
    Normalizado n;
    n.erro = erro;
    return n;
}

bool bissexto(int ano, bool gregoriano) {
    if (!gregoriano)
        return ano % 4 == 0;
    return (ano % 4 == 0 && ano % 100 != 0) || ano % 400 == 0;
}

// Gregorian calendar from 15/10/1582, Julian before, as the ephemeris reckons.
QString validaDia(int dia, int mes, int ano) {
    if (mes < 1 || mes > 12)
        return QStringLiteral("o mês vai de 1 a 12");
    if (ano == 1582 && mes == 10 && dia > 4 && dia < 15)
        return QStringLiteral("os dias 5 a 14 de Outubro de 1582 não existem (mudança para o calendário gregoriano)");
    const bool gregoriano = ano > 1582 || (ano == 1582 && (mes > 10 || (mes == 10 && dia >= 15)));
    static constexpr int dias[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int maximo = dias[mes - 1] + (mes == 2 && bissexto(ano, gregoriano) ? 1 : 0);
    if (dia < 1 || dia > maximo)
        return QStringLiteral("o mês %1 de %2 tem %3 dias").arg(mes).arg(ano).arg(maximo);
    return {};
}

// Formats a non-negative or negative hour value the way the window writes hours: whole
// hours rounded down, then positive minutes and seconds ("-4h30'0''" is −3.5).
QString formataHoras(double horas) {
    long long total = std::llround(horas * 3600.0);
    long long h = total >= 0 ? total / 3600 : -((-total + 3599) / 3600);
    const long long resto = total - h * 3600;
    return QStringLiteral("%1h%2'%3''").arg(h).arg(resto / 60).arg(resto % 60);
}
// "-4h30'0''": whole hours (a leading minus allowed), then minutes and seconds.
bool formaPropriaHoras(const QString& t, int partes[3]) {
    qsizetype i = 0;
    const bool menos = t.startsWith(u'-');
    if (menos)
        ++i;
    static constexpr const char16_t* marcas[3] = {u"h", u"'", u"''"};
    for (int k = 0; k < 3; ++k) {
        const qsizetype inicio = i;
        while (i < t.size() && i - inicio < 4 && t[i].isDigit())
            partes[k] = partes[k] * 10 + t[i++].digitValue();
        if (i == inicio)
            return false;
        const QStringView marca(marcas[k]);
        if (QStringView(t).mid(i, marca.size()) != marca)
            return false;
        i += marca.size();
    }
    if (menos)
        partes[0] = -partes[0];
    return i == t.size();
}
} // namespace

Normalizado NormalizaData(const QString& texto) {
    const QString t = texto.trimmed();
    if (t.isEmpty())
        return falha(QStringLiteral("Preencha o campo 'Data de Nascimento'"));
    static const QRegularExpression forma(QStringLiteral("^(\\d{1,2})\\s*[/.-]\\s*(\\d{1,2})\\s*[/.-]\\s*(\\d{1,4})$"));
    const auto m = forma.match(t);
    if (!m.hasMatch())
        return falha(QStringLiteral("A data de nascimento «") + Citacao(t) +
                     QStringLiteral("» não pode ser lida. Escreva dia/mês/ano, por exemplo 13/6/1888."));
    const int dia = m.captured(1).toInt();
    const int mes = m.captured(2).toInt();
    int ano = m.captured(3).toInt();
    if (ano < 100)
        ano += 1900;
    const QString erro = validaDia(dia, mes, ano);
    if (!erro.isEmpty())
        return falha(QStringLiteral("A data de nascimento «") + Citacao(t) + QStringLiteral("» não existe: ") + erro +
                     QStringLiteral("."));
    Normalizado n;
    n.ok = true;
    n.texto = QStringLiteral("%1/%2/%3").arg(dia).arg(mes).arg(ano);
    return n;
}

Normalizado NormalizaHora(const QString& texto) {
    const QString t = texto.trimmed();
    if (t.isEmpty())
        return falha(QStringLiteral("Preencha o campo 'Hora de Nascimento'"));
    const auto erro = [&](const QString& porque) {
        return falha(QStringLiteral("A hora de nascimento «") + Citacao(t) + QStringLiteral("» não pode ser lida: ") + porque +
                     QStringLiteral(". Escreva, por exemplo, 14:30 ou 14h30."));
    };
    const AnguloLido a = LeAngulo(t);
    if (!a.ok)
        return erro(a.erro);
    if (a.comSinal || a.marcaGraus || a.decimal || !a.resto.isEmpty())
        return erro(QStringLiteral("escreva só horas e minutos"));
    if (a.numeros == 3 && a.segundos != 0)
        return erro(QStringLiteral("os segundos não entram no cálculo"));
    if (a.graus > 23)
        return erro(QStringLiteral("as horas vão de 0 a 23"));
    Normalizado n;
    n.ok = true;
    n.texto = QStringLiteral("%1h%2'").arg(static_cast<int>(a.graus)).arg(static_cast<int>(a.minutos));
    n.valor = a.graus + a.minutos / 60.0;
    return n;
}

Normalizado NormalizaFuso(const QString& texto) {
    const QString t = texto.trimmed();
    if (t.isEmpty())
        return falha(QStringLiteral("Preencha o campo 'Fuso Horário'"));
    const auto erro = [&](const QString& porque) {
        return falha(QStringLiteral("O fuso horário «") + Citacao(t) + QStringLiteral("» não pode ser lido: ") + porque +
                     QStringLiteral(". Escreva as horas a somar ao tempo universal, por exemplo 1, -3 ou -3h30'."));
    };
    double horas = 0;
    // The window's own form keeps its meaning: whole hours rounded down, then positive
    // minutes and seconds.
    int partes[3] = {0, 0, 0};
    const bool propria = formaPropriaHoras(t, partes);
    if (propria) {
        if (partes[1] >= 60 || partes[2] >= 60)
            return erro(QStringLiteral("os minutos e os segundos vão de 0 a 59"));
        horas = partes[0] + partes[1] / 60.0 + partes[2] / 3600.0;
    } else {
        const AnguloLido a = LeAngulo(t);
        if (!a.ok)
            return erro(a.erro);
        if (a.marcaGraus || !a.resto.isEmpty())
            return erro(QStringLiteral("escreva só horas e minutos"));
        horas = a.negativo ? -a.magnitude() : a.magnitude();
    }
    if (horas < -12 || horas > 14)
        return erro(QStringLiteral("os fusos vão de -12 a +14 horas"));
    Normalizado n;
    n.ok = true;
    n.texto = propria ? t : formataHoras(horas);
    n.valor = horas;
    return n;
}

QString FusoParaLeitor(const QString& guardado) {
    const Normalizado n = NormalizaFuso(guardado);
    if (!n.ok) return guardado;
    const long long total = std::llround(n.valor * 3600.0), a = total < 0 ? -total : total;
    return (total < 0 ? QStringLiteral("\u2212") : QStringLiteral("+")) +
           QStringLiteral("%1h%2'%3''").arg(a / 3600).arg(a / 60 % 60).arg(a % 60);
}

bool LeNascimento(const CamposMapa& campos, NascimentoLido& lido, QString* erro) {
    const Normalizado data = NormalizaData(campos.txtData), hora = NormalizaHora(campos.txtHora);
    const Normalizado fuso = NormalizaFuso(campos.FusoHorario), lat = NormalizaLatitude(campos.txtLatitude),
                      lon = NormalizaLongitude(campos.txtlongitude);
    for (const Normalizado* n : {&data, &hora, &fuso, &lat, &lon})
        if (!n->ok) {
            if (erro) *erro = n->erro;
            return false;
        }
    RegistoTempo t = LerDataHora(data.texto, hora.texto);
    t.fuso = fuso.valor;
    lido.jd = DiaJuliano0h(t.dia, t.mes, t.ano) + FraccaoDia(t);
    lido.fuso = fuso.valor;
    lido.latitude = lat.valor;
    lido.longitudeLeste = -15.0 * lon.valor;
    return true;
}
