#include "textoficheiro.h"

#include "cp1252.h"
#include "gravacao.h"
#include "mensagens.h"

bool EscreveTextoCp1252(const QString& caminho, const QString& texto, QString* erro) {
    QString crlf = texto;
    crlf.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    crlf.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    crlf.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    QByteArray bytes;
    ParaCp1252(crlf, bytes);
    return GravaFicheiro(caminho, bytes, erro);
}

bool AceitaCaracteresPerdidos(const QList<TextoNomeado>& textos, const QString& titulo) {
    QString fora;
    QStringList campos;
    for (const TextoNomeado& t : textos) {
        const QString aqui = ForaDeCp1252(t.texto);
        if (aqui.isEmpty())
            continue;
        campos << t.campo;
        fora = ForaDeCp1252(fora + aqui);
    }
    if (campos.isEmpty())
        return true;
    const QString texto = QStringLiteral("Estes caracteres não podem ser guardados no ficheiro (Windows-1252) e "
                                         "ficariam como «?»: ") +
                          fora + QStringLiteral("\nCampos: ") + campos.join(QStringLiteral(", ")) +
                          QStringLiteral("\n\nDeseja guardar assim mesmo?");
    return CaixaMensagens().Mostra(IconeMsg::Pergunta, titulo, texto, BotoesMsg::SimNao) == RespostaMsg::Sim;
}
