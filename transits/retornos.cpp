#include "retornos.h"

#include "calculo.h"
#include "efemerides.h"
#include "normaliza.h"
#include "pontual.h"
#include "possigno.h"
#include "tempo.h"

#include <cmath>
#include <limits>

namespace {
QString Graus(double g) {
    PosSigno p;
    p.setValorGraus(Reduz360(g));
    return p.RetornaFormatado(FormatoCompleto);
}

// "38º43'0''N" and the window's longitude in hours, from degrees.
QString TextoLatitude(double graus) {
    const Normalizado n = NormalizaLatitude(QString::number(graus, 'f', 6));
    return n.ok ? n.texto : QString();
}
QString TextoLongitude(double lesteGraus) {
    return FormataLongitudeHoras(-lesteGraus / 15.0);
}
} // namespace

double InstanteRetorno(TipoRetorno tipo, double longitude, double perto) {
    const int corpo = tipo == TipoRetorno::Solar ? 0 : 1;
    const double media = tipo == TipoRetorno::Solar ? 0.9856474 : 13.176358;
    PosicaoPontual p = CorpoPontual(perto, corpo);
    if (!p.ok) return std::numeric_limits<double>::quiet_NaN();
    // The nearest pass by the mean motion, then Newton on the engine's own longitude.
    double t = perto + Reduz180(longitude - p.longitude) / media;
    for (int i = 0; i < 12; ++i) {
        p = CorpoPontual(t, corpo);
        if (!p.ok || p.velocidade <= 0.0) return std::numeric_limits<double>::quiet_NaN();
        const double passo = Reduz180(longitude - p.longitude) / p.velocidade;
        t += passo;
        if (std::fabs(passo) < 1e-8) break; // about a millisecond
    }
    return t;
}

QString NomeRetorno(const Natal& natal, TipoRetorno tipo, double instante, double fuso) {
    const DataCivil d = DataDoDiaJuliano(instante + fuso / 24.0);
    const QString quem =
        natal.nome.trimmed().isEmpty() ? QString() : QStringLiteral(" de ") + natal.nome.trimmed();
    return tipo == TipoRetorno::Solar
               ? QStringLiteral("Revolução solar%1, %2").arg(quem).arg(d.ano)
               : QStringLiteral("Revolução lunar%1, %2/%3").arg(quem).arg(d.mes).arg(d.ano);
}

bool MapaRetorno(const Natal& natal, TipoRetorno tipo, double instante, const LugarRetorno& lugar,
                 CamposMapa& campos, Mapa& mapa, QString* erro) {
    if (!std::isfinite(instante)) {
        if (erro) *erro = QStringLiteral("O motor não tem posições para esta data.");
        return false;
    }
    // The clock time to the minute, as the fields hold it; the seconds go into the positions.
    const double minutoCivil = std::floor((instante + lugar.fuso / 24.0) * 1440.0 + 1e-9) / 1440.0;
    const DataCivil d = DataDoDiaJuliano(minutoCivil + 1e-7);
    const int minutos = int(std::lround(d.horas * 60.0)) % 1440;
    campos.Limpa();
    campos.txtNome = NomeRetorno(natal, tipo, instante, lugar.fuso);
    campos.sexoMasculino = natal.masculino;
    campos.txtData = QStringLiteral("%1/%2/%3").arg(d.dia).arg(d.mes).arg(d.ano);
    campos.txtHora = QStringLiteral("%1h%2'").arg(minutos / 60).arg(minutos % 60);
    campos.FusoHorario = NormalizaFuso(QString::number(lugar.fuso, 'f', 4)).texto;
    campos.txtlocal = lugar.nome;
    campos.txtLatitude = TextoLatitude(lugar.latitude);
    campos.txtlongitude = TextoLongitude(lugar.longitudeLeste);
    const QString segundos =
        QString::number((instante - (minutoCivil - lugar.fuso / 24.0)) * 86400.0, 'f', 0);
    campos.cometarios =
        (tipo == TipoRetorno::Solar ? QStringLiteral("Revolução solar") : QStringLiteral("Revolução lunar")) +
        QStringLiteral(": instante exacto às %1, %2 s.").arg(campos.txtHora, segundos);

    EscolhaCalculo& escolha = EscolhaCalculoActual();
    const EscolhaCalculo antes = escolha;
    escolha = {Motor::Preciso, natal.casas};
    const bool ok = Cast(campos, mapa);
    escolha = antes;
    if (!ok) {
        if (erro) *erro = QStringLiteral("Não foi possível calcular o mapa da revolução.");
        return false;
    }
    // The exact instant's sky in place of the minute's: the same run with the seconds taken
    // off the zone.
    RegistoTempo t;
    t.dia = int16_t(d.dia);
    t.mes = int16_t(d.mes);
    t.ano = int16_t(d.ano);
    t.hora = int16_t(minutos / 60);
    t.minuto = int16_t(minutos % 60);
    t.fuso = lugar.fuso - (instante - (minutoCivil - lugar.fuso / 24.0)) * 24.0;
    RegistoLugar l;
    l.latitudeGraus = lugar.latitude;
    l.longitudeGraus = -lugar.longitudeLeste;
    const ResultadoEfemerides r = CorreEfemerides(t, l, {Motor::Preciso, natal.casas});
    for (int i = 0; i < N_CORPOS_EFEMERIDES; ++i) {
        campos.PosPlaneta[size_t(i)] = Graus(r.longitudes[size_t(i)]);
        campos.lblretrogrado[size_t(i)] = r.velocidades[size_t(i)] < 0;
    }
    constexpr int casasCampos[6] = {10, 11, 12, 1, 2, 3};
    for (int k = 0; k < 6; ++k)
        campos.PosCasas[size_t(k)] = Graus(r.cuspides[size_t(casasCampos[k])] * 180.0 / PI_NATALIS);
    Rebuild(campos, mapa);
    for (int i = 0; i < 12; ++i)
        mapa.Corpo(i).Retrogrado = campos.lblretrogrado[size_t(i)];
    return true;
}
