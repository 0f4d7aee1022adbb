#include "mensagens.h"

#include <cstdio>

namespace {
class MensagensConsola : public Mensagens {
public:
    RespostaMsg Mostra(IconeMsg, const QString& titulo, const QString& texto, BotoesMsg botoes) override {
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(titulo), qUtf8Printable(texto));
        return botoes == BotoesMsg::Ok ? RespostaMsg::Ok : RespostaMsg::Nao;
    }
};

Mensagens*& caixaActual() {
    static thread_local Mensagens* caixa = nullptr; // a batch thread records its own messages
    return caixa;
}
} // namespace

Mensagens& CaixaMensagens() {
    static MensagensConsola consola;
    return caixaActual() ? *caixaActual() : consola;
}

void DefineCaixaMensagens(Mensagens* caixa) { caixaActual() = caixa; }

RespostaMsg MensagensGravadas::Mostra(IconeMsg icone, const QString& titulo, const QString& texto,
                                      BotoesMsg botoes) {
    chamadas.append({icone, titulo, texto, botoes});
    if (botoes == BotoesMsg::Ok)
        return RespostaMsg::Ok;
    return respostas.isEmpty() ? respostaPadrao : respostas.takeFirst();
}

QString Citacao(const QString& texto, qsizetype limite) {
    QString curto = texto.size() > limite ? texto.left(limite) : texto;
    // Never a half of a surrogate pair at the cut.
    if (curto.size() < texto.size() && !curto.isEmpty() && curto.back().isHighSurrogate()) curto.chop(1);
    for (QChar& c : curto)
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t')) c = QLatin1Char(' ');
    return curto.size() < texto.size() ? curto + QChar(0x2026) : curto;
}
