#include "assinatura.h"

#include <QList>

#include <sodium.h>

namespace {
constexpr qsizetype TamanhoAssinatura = crypto_sign_BYTES; // 64

// minisign's base64 lines: strict, no blanks inside.
QByteArray base64(QByteArrayView linha) {
    auto r = QByteArray::fromBase64Encoding(linha.toByteArray().trimmed(), QByteArray::AbortOnBase64DecodingErrors);
    return r ? *r : QByteArray();
}

QList<QByteArray> linhas(const QByteArray& texto) {
    QList<QByteArray> l = texto.split('\n');
    for (QByteArray& x : l)
        while (x.endsWith('\r'))
            x.chop(1);
    return l;
}

bool sodiumPronto() {
    static const bool pronto = sodium_init() >= 0;
    return pronto;
}

bool confere(const QByteArray& assinatura, const QByteArray& mensagem, const ChavePublica& chave) {
    return crypto_sign_verify_detached(reinterpret_cast<const unsigned char*>(assinatura.constData()),
                                       reinterpret_cast<const unsigned char*>(mensagem.constData()),
                                       static_cast<unsigned long long>(mensagem.size()),
                                       reinterpret_cast<const unsigned char*>(chave.chave.constData())) == 0;
}

QByteArray blake2b512(const QByteArray& mensagem) {
    QByteArray resumo(crypto_generichash_BYTES_MAX, '\0');
    crypto_generichash(reinterpret_cast<unsigned char*>(resumo.data()), resumo.size(),
                       reinterpret_cast<const unsigned char*>(mensagem.constData()),
                       static_cast<unsigned long long>(mensagem.size()), nullptr, 0);
    return resumo;
}

bool falha(QString* motivo, const QString& texto) {
    if (motivo) *motivo = texto;
    return false;
}
} // namespace

ChavePublica LeChavePublica(const QByteArray& texto) {
    for (const QByteArray& l : linhas(texto)) {
        if (l.startsWith("untrusted comment:") || l.trimmed().isEmpty()) continue;
        const QByteArray b = base64(l);
        if (b.size() != 42 || !b.startsWith("Ed")) return {};
        return {b.mid(2, 8), b.mid(10, 32)};
    }
    return {};
}

ChavePublica ChaveDoNatalis() {
    return LeChavePublica(QByteArrayLiteral(NATALIS_CHAVE_PUBLICA));
}

bool VerificaAssinatura(const QByteArray& mensagem, const QByteArray& assinatura, const ChavePublica& chave,
                        QString* motivo) {
    if (!sodiumPronto() || !chave.Valida())
        return falha(motivo, QStringLiteral("A chave pública do programa não pôde ser lida."));
    const QList<QByteArray> l = linhas(assinatura);
    const QByteArray prefixo = "trusted comment: ";
    if (l.size() < 4 || !l[0].startsWith("untrusted comment:") || !l[2].startsWith(prefixo))
        return falha(motivo, QStringLiteral("A assinatura não está no formato esperado."));
    const QByteArray corpo = base64(l[1]);
    const QByteArray global = base64(l[3]);
    if (corpo.size() != 2 + 8 + TamanhoAssinatura || global.size() != TamanhoAssinatura)
        return falha(motivo, QStringLiteral("A assinatura não está no formato esperado."));
    const QByteArray algoritmo = corpo.left(2);
    if (algoritmo != "Ed" && algoritmo != "ED")
        return falha(motivo, QStringLiteral("A assinatura usa um algoritmo desconhecido."));
    if (corpo.mid(2, 8) != chave.id)
        return falha(motivo, QStringLiteral("A informação de actualização foi assinada por outra chave."));
    const QByteArray sig = corpo.mid(10);
    // "ED" signs the BLAKE2b-512 digest of the file, "Ed" the file itself.
    if (!confere(sig, algoritmo == "ED" ? blake2b512(mensagem) : mensagem, chave))
        return falha(motivo, QStringLiteral("A assinatura não corresponde à informação de actualização."));
    // The trusted comment is signed together with the signature.
    if (!confere(global, sig + l[2].mid(prefixo.size()), chave))
        return falha(motivo, QStringLiteral("O comentário de confiança da assinatura foi alterado."));
    return true;
}
