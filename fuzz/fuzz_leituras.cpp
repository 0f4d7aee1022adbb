// The birth-data readers: one text given to each, as a person may type it into any field.
#include "alvo.h"

#include "normaliza.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    const QString texto = QString::fromUtf8(reinterpret_cast<const char*>(dados), qsizetype(tamanho));
    for (auto leitor : {NormalizaData, NormalizaHora, NormalizaFuso, NormalizaLatitude, NormalizaLongitude,
                        NormalizaPosicao}) {
        const Normalizado n = leitor(texto);
        // What a reader accepts it must accept again in its own form, with the same value.
        if (n.ok) {
            const Normalizado outra = leitor(n.texto);
            if (!outra.ok) __builtin_trap();
        }
    }
    return 0;
}
