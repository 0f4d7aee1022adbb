// Runs a fuzz target over files and folders of inputs, in name order, as a regression check.
// A crash, a sanitizer report or a failed check inside the target fails the run.
#include "alvo.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <cstdio>

// No application object here: a target that needs one (fonts for rich text) makes its own.
int main(int argc, char** argv) {
    QStringList ficheiros;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (QFileInfo(arg).isDir()) {
            QDirIterator it(arg, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                ficheiros << it.next();
        } else {
            ficheiros << arg;
        }
    }
    ficheiros.sort();
    if (ficheiros.isEmpty()) {
        std::fprintf(stderr, "sem entradas: indique ficheiros ou pastas de sementes\n");
        return 2;
    }
    for (const QString& nome : std::as_const(ficheiros)) {
        QFile f(nome);
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "não foi possível ler %s\n", qPrintable(nome));
            return 2;
        }
        const QByteArray dados = f.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(dados.constData()), size_t(dados.size()));
    }
    std::printf("%lld entradas sem falhas\n", static_cast<long long>(ficheiros.size()));
    return 0;
}
