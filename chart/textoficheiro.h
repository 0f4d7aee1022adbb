#pragma once
// Text files as the program writes them: Windows-1252, CR LF line ends, written to a
// temporary name and renamed into place, so a failure never destroys the previous file.
#include <QString>
#include <QStringList>

// Writes the text (lines joined by "\n") with CR LF line ends. On failure returns false with
// a Portuguese reason in `erro`.
bool EscreveTextoCp1252(const QString& caminho, const QString& texto, QString* erro);

// Characters of the named texts that Windows-1252 cannot hold. When there are some, asks the
// user (a question box through CaixaMensagens()) whether to save with "?" in their place; true when there are none or
// the user agrees.
struct TextoNomeado {
    QString campo;
    QString texto;
};
bool AceitaCaracteresPerdidos(const QList<TextoNomeado>& textos, const QString& titulo);
