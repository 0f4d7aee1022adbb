#include "efemerides.h"

#include "casas.h"
#include "lua.h"
#include "planetas.h"
#include "possigno.h"
#include "tempo.h"

ResultadoEfemerides CorreEfemerides(const RegistoTempo& tempo, const RegistoLugar& lugar) {
    ResultadoEfemerides r;
    const TabelaElementos tabela = PreencheTabelaElementos();

    r.fraccaoDia = FraccaoDia(tempo);
    r.T = SeculosDesde1900(DiaJuliano0h(tempo.dia, tempo.mes, tempo.ano), r.fraccaoDia);

    r.obliquidade = Obliquidade(r.T);
    const double longitude = lugar.longitudeGraus + lugar.longitudeMinutos / 60.0;
    const TempoSideral ts = CalculaTempoSideral(r.T, r.fraccaoDia, longitude);
    r.ramc = ts.ramc;
    r.tempoSideralLocal = ts.localHoras;
    const double latitude = PosSigno::CoorTrans(lugar.latitudeGraus + lugar.latitudeMinutos / 60.0, true);
    const Angulos angulos = CalculaAngulos(r.ramc, r.obliquidade, latitude);
    r.asc = angulos.asc;
    r.mc = angulos.mc;
    r.vertice = angulos.vertice;

    const ResultadoPlanetas planetas = CalculaPlanetas(tabela, r.T);
    r.longitudes[0] = planetas.sol;
    for (size_t linha = 1; linha < N_LINHAS_ELEMENTOS; ++linha)
        r.longitudes[linha + 1] = planetas.geocentrica[linha];

    r.longitudes[1] = LongitudeLua(r.T);
    r.longitudes[10] = NodoVerdadeiro(r.T);
    r.longitudes[11] = LuaNegraMedia(r.T);
    return r;
}
