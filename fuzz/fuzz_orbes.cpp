// An orb file chosen with "Abrir" in the options.
#include "alvo.h"

#include "orbes.h"

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    static QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("f.orb"));
    QFile f(caminho);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    f.write(reinterpret_cast<const char*>(dados), qint64(tamanho));
    f.close();
    ValoresOrbes valores{};
    LeFicheiroOrbes(caminho, valores);
    return 0;
}
