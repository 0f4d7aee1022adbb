#pragma once
// The files a section of the update description names, each with the size and SHA-256 the
// maker signed for it. They come from the section "[integridade]", which readers that know
// nothing of it skip: one key per file, the section's name followed by the file's number
// ("otherfiles2=1800 <64 hex digits>"), with the word "programa" after the digest when an
// additional file may replace one of the program's executables.
#include "leitorini.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

inline const QString SeccaoIntegridade = QStringLiteral("integridade");

struct FicheiroDescrito {
    QString nome;
    QString localizacao;
    qint64 tamanho = 0;
    QByteArray sha256; // 32 bytes
    bool programa = false;
};

// The files of the section in order. Refused (nullopt, with the reason in Portuguese) when the
// description is malformed: filescount beyond the names given, a name or folder leading out of
// the program folder, a file without a valid size and digest, or an additional file replacing
// an executable of the program without being signed as such.
std::optional<QList<FicheiroDescrito>> FicheirosDaSeccao(const PerfilIni& descricao, const QString& seccao,
                                                         QString* motivo);

// True when the file is one of the program's own executables (Natalis, natalis-cli,
// natalis-cli-completo, renovo) in the program folder itself.
bool ExecutavelDoPrograma(const QString& localizacao, const QString& nome);
