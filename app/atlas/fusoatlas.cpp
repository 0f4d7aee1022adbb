#include "fusoatlas.h"

#include "efemerides.h"
#include "normaliza.h"
#include "possigno.h"

std::optional<FusoPreenchido> FusoDoAtlas(const QString& zona, const QString& data, const QString& hora,
                                          const QString& longitude) {
    const Normalizado d = NormalizaData(data);
    const Normalizado h = NormalizaHora(hora);
    const Normalizado lon = NormalizaLongitude(longitude);
    if (zona.isEmpty() || !d.ok || !h.ok || !lon.ok)
        return std::nullopt;
    const RegistoTempo t = LerDataHora(d.texto, h.texto);
    // The longitude field counts hours west positive; the zone look-up wants degrees east.
    const FusoLocal f = FusoParaLocal(zona, QDate(t.ano, t.mes, t.dia), QTime(t.hora, t.minuto), -lon.valor * 15.0);
    if (f.situacao == FusoLocal::Situacao::ZonaDesconhecida)
        return std::nullopt;
    PosSigno p;
    p.setValorGraus(f.horas);
    return FusoPreenchido{f, p.RetornaFormatado(FormatoHoras, false)};
}
