// Test helper: `gravador MODO CAMINHO [--para-a-meio]` saves one kind of file as the programs do
// (chart, orbs, the reading window's RTF, a wheel image): exit 0 when saved, 1
// with the Portuguese message on standard error when not. With --para-a-meio the first write into
// the save's folder stops halfway, says "a meio" on standard output and waits to be killed.
#include "calculo.h"
#include "camposmapa.h"
#include "documento.h"
#include "ficheiromapa.h"
#include "imagens.h"
#include "mapa.h"
#include "nascimento.h"
#include "orbes.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextDocument>

#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace {
char pastaBloqueada[4096] = {0};

bool naPastaBloqueada(int fd) {
    if (!pastaBloqueada[0] || fd <= 2) return false;
    char ligacao[64], destino[4096] = {0};
    std::snprintf(ligacao, sizeof ligacao, "/proc/self/fd/%d", fd);
    const size_t tamanho = std::strlen(pastaBloqueada);
    return readlink(ligacao, destino, sizeof destino - 1) > 0 && std::strncmp(destino, pastaBloqueada, tamanho) == 0 &&
           destino[tamanho] == '/';
}
} // namespace

// Every write of the process passes here first (Qt's file engine calls write(2) through the
// dynamic linker, which finds this definition before the C library's).
extern "C" ssize_t write(int fd, const void* dados, size_t n) {
    static const auto real = reinterpret_cast<ssize_t (*)(int, const void*, size_t)>(dlsym(RTLD_NEXT, "write"));
    if (n > 1 && naPastaBloqueada(fd)) {
        real(fd, dados, n / 2);
        real(STDOUT_FILENO, "a meio\n", 7);
        for (;;)
            pause();
    }
    return real(fd, dados, n);
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) return 2;
    const QString modo = args[1], caminho = args[2];
    if (args.contains(QStringLiteral("--para-a-meio")))
        std::snprintf(pastaBloqueada, sizeof pastaBloqueada, "%s",
                      QFileInfo(caminho).absoluteDir().canonicalPath().toLocal8Bit().constData());

    CamposMapa campos = Nascimento(QStringLiteral("25/4/1974"), QStringLiteral("0:20"), QStringLiteral("1"),
                                   QStringLiteral("38º43' N"), QStringLiteral("9º8' W"));
    Mapa mapa;
    if (!Cast(campos, mapa)) return 2;
    QString erro;
    bool gravado = false;
    if (modo == QLatin1String("mapa")) {
        gravado = SaveToFile(caminho, campos);
    } else if (modo == QLatin1String("orbes")) {
        TabelaOrbes padrao;
        padrao.CarregaPadrao();
        gravado = EscreveFicheiroOrbes(caminho, padrao.ValoresFicheiro(), &erro);
    } else if (modo == QLatin1String("rtf")) {
        QTextDocument relatorio, pessoal;
        QString texto;
        for (int i = 0; i < 400; ++i)
            texto += QStringLiteral("Parágrafo %1 da interpretação automática.\n").arg(i);
        relatorio.setPlainText(texto);
        pessoal.setPlainText(kCabecalhoPessoal + QStringLiteral("\nTexto meu."));
        gravado = GuardaInterpretacao(caminho, relatorio, pessoal, &erro);
    } else if (modo == QLatin1String("imagem")) {
        gravado = ExportaDesenho(mapa, DesenhoExportado::Roda, caminho, 400, 1.0, &erro);
    } else {
        return 2;
    }
    if (!erro.isEmpty()) std::fprintf(stderr, "%s\n", qUtf8Printable(erro));
    return gravado ? 0 : 1;
}
