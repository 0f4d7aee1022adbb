// A chart file as a user may bring it: read, rebuilt into positions and aspects, written back.
#include "alvo.h"

#include "aspectos.h"
#include "calculo.h"
#include "ficheiromapa.h"
#include "mensagens.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    static MensagensGravadas caixa;
    static CaixaTemporaria silencio(&caixa);
    caixa.chamadas.clear();
    CamposMapa campos;
    const QByteArray bytes(reinterpret_cast<const char*>(dados), qsizetype(tamanho));
    if (LeBytesMapa(bytes, campos) != 0) return 0;
    Mapa mapa;
    Rebuild(campos, mapa);
    DetectaAspectos(mapa);
    SubstituiAspas(campos);
    BytesMapa(campos);
    return 0;
}
