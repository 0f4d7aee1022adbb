// The update description and its detached signature as a web server sends them to renovo.
#include "alvo.h"

#include "assinatura.h"
#include "descricao.h"
#include "ficheirosdescritos.h"
#include "leitorini.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    const QByteArray bytes(reinterpret_cast<const char*>(dados), qsizetype(tamanho));
    // The same bytes read as a signature exercise the minisign reader; the built-in key
    // can never accept them.
    QString motivo;
    if (VerificaAssinatura(bytes, bytes, ChaveDoNatalis(), &motivo)) __builtin_trap();
    if (!DescricaoValida(PrimeiraLinha(bytes))) return 0;
    const PerfilIni perfil = PerfilIni::Le(bytes);
    HaNoticias(perfil.Valor(QStringLiteral("webupdate"), QStringLiteral("lastdate")), QStringLiteral("1/1/2000"));
    for (const QString& seccao : {QStringLiteral("natalis"), QStringLiteral("otherfiles")}) {
        LeData(perfil.Valor(seccao, QStringLiteral("lastdate")));
        NumeroDeTexto(perfil.Valor(seccao, QStringLiteral("priority")));
        const auto ficheiros = FicheirosDaSeccao(perfil, seccao, &motivo);
        if (!ficheiros) continue;
        for (const FicheiroDescrito& f : *ficheiros) {
            // A name the description accepted never leads outside the program folder.
            if (CaminhoConfinado(QStringLiteral("/pasta/do/programa"), f.localizacao, f.nome).isEmpty())
                __builtin_trap();
            EnderecoFicheiro(QStringLiteral("https://exemplo.invalid/natalis"), f.nome);
        }
    }
    return 0;
}
