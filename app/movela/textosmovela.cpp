#include "textosmovela.h"

#include "aspectos.h"
#include "camposmapa.h"
#include "fontedados.h"
#include "natal.h"
#include "textos.h"

#include <algorithm>

int32_t CodigoTextoMovela(const EventoTransito& e, bool luaProgredida) {
    if (luaProgredida) return e.tipo == TipoEvento::Casa && e.corpo == 1 ? 800000 + e.alvo : 0;
    if (e.tipo != TipoEvento::Aspecto || e.corpo < 5 || e.corpo > 9) return 0;
    const bool ponto = e.alvo <= 4 || e.alvo == PONTO_ASCENDENTE || e.alvo == PONTO_MEIO_CEU;
    if (!ponto || std::find(TIPOS_ASPECTO.begin(), TIPOS_ASPECTO.end(), e.aspecto) == TIPOS_ASPECTO.end()) return 0;
    return 700000 + e.corpo * 10000 + e.alvo * 100 + e.aspecto;
}

QString TextoMovela(FonteDados& base, int32_t codigo, const CamposMapa& campos) {
    if (codigo <= 0 || !base.Aberta() || !base.FindFirst(QStringLiteral("codigo"), QString::number(codigo))) return {};
    return ExpandeTexto(base.Campo(QStringLiteral("Texto")), ParesNativo(campos), IsMasculino(campos), kSemPosicao);
}
