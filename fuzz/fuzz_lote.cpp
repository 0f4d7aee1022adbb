// The batch CSV of natalis-cli: every line parsed, normalised and cast.
#include "alvo.h"

#include "lote.h"
#include "mensagens.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    static MensagensGravadas caixa;
    static CaixaTemporaria silencio(&caixa);
    caixa.chamadas.clear();
    int mapas = 0;
    int falhas = 0;
    CorreLote(QByteArray(reinterpret_cast<const char*>(dados), qsizetype(tamanho)), mapas, falhas);
    return 0;
}
