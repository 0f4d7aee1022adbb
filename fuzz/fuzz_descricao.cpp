// The update description a web server sends to renovo.
#include "alvo.h"

#include "descricao.h"
#include "leitorini.h"

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    static QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("update.txt"));
    QFile f(caminho);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    f.write(reinterpret_cast<const char*>(dados), qint64(tamanho));
    f.close();
    if (!DescricaoValida(PrimeiraLinha(caminho))) return 0;
    HaNoticias(ReadINI(caminho, QStringLiteral("webupdate"), QStringLiteral("lastdate")), QStringLiteral("1/1/2000"));
    for (const QString& seccao : {QStringLiteral("natalis"), QStringLiteral("otherfiles")}) {
        LeData(ReadINI(caminho, seccao, QStringLiteral("lastdate")));
        NumeroDeTexto(ReadINI(caminho, seccao, QStringLiteral("priority")));
        const int n = std::min(ContagemFicheiros(ReadINI(caminho, seccao, QStringLiteral("filescount"))), 50);
        for (int i = 1; i <= n; ++i) {
            const QString local = ReadINI(caminho, seccao, QStringLiteral("filelocation") + QString::number(i));
            const QString nome = ReadINI(caminho, seccao, QStringLiteral("filename") + QString::number(i));
            const QString destino = CaminhoConfinado(pasta.path(), local, nome);
            // A name from the server never leads outside the program folder.
            if (!destino.isEmpty() && !destino.startsWith(pasta.path() + QLatin1Char('/'))) __builtin_trap();
            EnderecoFicheiro(QStringLiteral("https://exemplo.invalid/natalis"), nome);
        }
    }
    return 0;
}
