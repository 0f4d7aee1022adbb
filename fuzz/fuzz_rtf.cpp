// An RTF file opened in the reading window.
#include "alvo.h"

#include "rtf.h"

#include <QGuiApplication>
#include <QTextDocument>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    static int argc = 1;
    static char nome[] = "fuzz_rtf";
    static char* argv[] = {nome, nullptr};
    static const bool plataforma = qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    (void)plataforma;
    QTextDocument doc;
    LeRtf(QByteArray(reinterpret_cast<const char*>(dados), qsizetype(tamanho)), doc);
    EscreveRtf(doc);
    return 0;
}
