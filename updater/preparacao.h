#pragma once
// The staging of one update. Its files arrive in a private folder inside the program folder
// (so every later rename stays on the same file system and nothing is created outside the
// program folder), and are put in place together once every one arrived whole and matched
// what was signed. Putting them in place is one transaction (transaccao.h): after a failure,
// or a crash at any instant followed by the next start, the folder holds all the old files or
// all the new ones. The staging folder and whatever is left in it go away with the object,
// unless a journal still needs the old copies it holds.
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <memory>

class QFile;

class Preparacao {
public:
    // First finishes a transaction a crash left unfinished; staging folders left behind are
    // removed only when no journal needs them.
    explicit Preparacao(const QString& pastaPrograma);
    ~Preparacao();
    Preparacao(const Preparacao&) = delete;
    Preparacao& operator=(const Preparacao&) = delete;

    // Opens, for writing, the staged file that will become `alvo` (a path below the program
    // folder). Refused when the target or a folder on its way is a symbolic link, the target
    // is not a regular file, or its folder does not exist.
    bool Abre(const QString& alvo, QFile& ficheiro, QString* motivo);

    // Puts every staged file in place, keeping the permissions of the file it replaces.
    bool PoeNoLugar(QString* motivo);

    // Stages a small file written whole (the record of the installed release).
    bool Acrescenta(const QString& alvo, const QByteArray& conteudo, QString* motivo);

    bool Vazia() const { return m_entradas.isEmpty(); }
    // False, with the reason, when an unfinished update could be neither completed nor undone:
    // nothing is to be installed over it.
    bool Utilizavel(QString* motivo) const;

private:
    struct Entrada {
        QString alvo, novo, antigo;
    };

    QString m_raiz;
    QString m_recuperacaoFalhada;
    std::unique_ptr<QTemporaryDir> m_pasta;
    QList<Entrada> m_entradas;
};

// Why writing failed, in Portuguese, from the system's error number.
QString MotivoEscritaDisco(int erro, const QString& nome);

// True when `alvo`, or a folder between `raiz` and it, is a symbolic link (on Windows any reparse
// point: a junction, a mount point), or when it exists
// and is not a regular file.
bool AlvoInseguro(const QString& raiz, const QString& alvo);
