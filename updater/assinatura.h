#pragma once
// Detached signatures in the format of the minisign tool (Ed25519), checked with libsodium.
// The maker signs each published update description; renovo refuses any description that
// its built-in public key did not sign.
#include <QByteArray>
#include <QString>

struct ChavePublica {
    QByteArray id;    // 8 bytes, as minisign writes them
    QByteArray chave; // 32 bytes of Ed25519 public key
    bool Valida() const { return id.size() == 8 && chave.size() == 32; }
};

// A minisign public key: the whole ".pub" file or just its base64 line. Invalid when unreadable.
ChavePublica LeChavePublica(const QByteArray& texto);

// The maker's key, built into the program. No setting replaces it.
ChavePublica ChaveDoNatalis();

// True when `assinatura` (a ".minisig" file) is a valid signature of `mensagem` by `chave`,
// its trusted comment included. Otherwise false with the reason in Portuguese.
bool VerificaAssinatura(const QByteArray& mensagem, const QByteArray& assinatura, const ChavePublica& chave,
                        QString* motivo);
