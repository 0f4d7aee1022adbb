#include "calculos.h"

#include "camposmapa.h"
#include "efemerides.h"
#include "normaliza.h"
#include "possigno.h"

#include <QDate>
#include <algorithm>
#include <utility>
#include <cmath>

QString CompletaSegundos(const QString& texto) {
    if (texto.contains(QStringLiteral("''")))
        return texto;
    const qsizetype p = texto.indexOf(QLatin1Char('\''));
    if (p < 0)
        return texto;
    return texto.left(p + 1) + QStringLiteral("0'") + texto.mid(p);
}

namespace {
struct DiaDoMes {
    int dia = 0, mes = 1, ano = 0, diasDoMes = 30;
};

DiaDoMes LeDiaDoMes(const QString& data) {
    const RegistoTempo t = LerDataHora(data, QString());
    DiaDoMes r;
    r.dia = t.dia;
    r.mes = t.mes;
    r.ano = t.ano;
    if (r.mes > 12)
        std::swap(r.dia, r.mes); // typed month first: "6/15/1980"
    r.mes = std::clamp(r.mes, 1, 12);
    const int dias = QDate(r.ano, r.mes, 1).daysInMonth();
    if (dias > 0)
        r.diasDoMes = dias;
    return r;
}

QString formata(double graus) {
    PosSigno p;
    p.setValorGraus(graus);
    return p.RetornaFormatado(FormatoCompleto);
}
} // namespace

Interpolacao Interpola(const QString& campo0, const QString& campo1, int alvo, const QString& data, double horaUT) {
    Interpolacao r;
    const QString rotulos[2] = {QStringLiteral("Posição em (dia Natal )"), QStringLiteral("Posição em (dia seguinte )")};
    const QString campos[2] = {campo0, campo1};
    for (int i = 0; i < 2; ++i)
        if (!campos[i].contains(QLatin1Char('\''))) {
            r.erro = QStringLiteral("O formato usado em ") + rotulos[i] + QStringLiteral(" não é válido");
            return r;
        }
    r.campo0 = CompletaSegundos(campo0);
    r.campo1 = CompletaSegundos(campo1);
    PosSigno a, b;
    // A sign name that cannot be read is refused, never taken as some default sign.
    for (int i = 0; i < 2; ++i)
        if (!LePosicaoZodiacal(i == 0 ? r.campo0 : r.campo1, i == 0 ? a : b)) {
            r.erro = QStringLiteral("O formato usado em ") + rotulos[i] + QStringLiteral(" não é válido");
            return r;
        }
    const double ga = a.ValorGraus();
    const double gb = b.ValorGraus();
    // The motion between the two entries taken on the circle: 359° then 1° is 2° forward.
    double movimento = std::fmod(gb - ga, 360.0);
    if (movimento > 180.0)
        movimento -= 360.0;
    else if (movimento <= -180.0)
        movimento += 360.0;
    r.retrogrado = movimento < 0;

    double fraccao = 0.0;
    if (alvo == ALVO_LUA_NEGRA) {
        const DiaDoMes d = LeDiaDoMes(data);
        fraccao = double(d.dia) / d.diasDoMes;
    } else {
        fraccao = horaUT / 24.0;
    }
    // Only between the two entries is the result an interpolation; outside, the entries are
    // not those of the days around the birth.
    r.foraDosValores = fraccao < 0.0 || fraccao > 1.0;
    double g = ga + movimento * fraccao;
    g -= 360.0 * std::floor(g / 360.0);
    r.graus = g;
    r.texto = formata(g);
    r.ok = true;
    return r;
}

QString NotaLuaNegra(const QString& data) {
    const DiaDoMes d = LeDiaDoMes(data);
    const QDate fimDoMes(d.ano, d.mes, d.diasDoMes);
    if (d.dia < 1 || d.dia > d.diasDoMes || !fimDoMes.isValid())
        return QStringLiteral("Posições no último dia do mês anterior ao do nascimento e no último dia do mês "
                              "de nascimento.");
    const QString formato = QStringLiteral("d/M/yyyy");
    return QStringLiteral("Posições em %1 e em %2 (último dia do mês anterior e último dia do mês de nascimento).")
        .arg(QDate(d.ano, d.mes, 1).addDays(-1).toString(formato), fimDoMes.toString(formato));
}

bool DiaUniversal(const CamposMapa& campos, QDate& dia, double& horas) {
    const Normalizado data = NormalizaData(campos.txtData);
    const Normalizado hora = NormalizaHora(campos.txtHora);
    const Normalizado fuso = NormalizaFuso(campos.FusoHorario);
    if (data.ok && hora.ok && fuso.ok) {
        const RegistoTempo t = LerDataHora(data.texto, QString());
        dia = QDate(t.ano, t.mes, t.dia);
        horas = hora.valor - fuso.valor;
        // 0h20 at UTC+1 on the 25th is 23h20 UT on the 24th: the entries of the 24th and 25th.
        const int dias = int(std::floor(horas / 24.0));
        dia = dia.addDays(dias);
        horas -= 24.0 * dias;
        return dia.isValid();
    }
    dia = QDate();
    if (campos.lblHoras[0].trimmed().isEmpty())
        return false;
    PosSigno ut;
    ut.SetonbyString(campos.lblHoras[0]);
    horas = ut.ValorGraus();
    return true;
}

PosicaoDirecta LePosicaoDirecta(const QString& texto) {
    PosicaoDirecta r;
    const Normalizado n = NormalizaPosicao(texto);
    if (!n.ok) {
        r.erro = n.erro;
        return r;
    }
    r.ok = true;
    r.texto = n.texto;
    return r;
}
