#pragma once
// Windows-1252 text with CR LF line ends: the form of every text file the system writes
// (charts, orb files, the positions summary, the update description).
#include <QByteArray>
#include <QString>

// Decodes Windows-1252 bytes; the five unassigned bytes map to U+FFFD.
QString DeCp1252(const QByteArray& bytes);
// Encodes to Windows-1252; returns false (and writes '?' in its place) when some character
// has no Windows-1252 form.
bool ParaCp1252(const QString& texto, QByteArray& saida);
// True when every character of the text has a Windows-1252 form.
bool CabeEmCp1252(const QString& texto);
// The characters of the text that Windows-1252 cannot hold, each once, in order of appearance.
QString ForaDeCp1252(const QString& texto);

// How a text file's bytes were read. Editors on other systems save the program's files as
// UTF-8; the program itself writes Windows-1252.
enum class CodificacaoTexto { Cp1252, Utf8 };

// Reads text bytes as users' programs save them: bytes that start with a UTF-8 byte-order
// mark, or that are valid UTF-8 holding at least one multi-byte sequence, are UTF-8 (the mark
// dropped); anything else is Windows-1252 (plain ASCII reads the same either way).
QString DecodificaTexto(const QByteArray& bytes, CodificacaoTexto* lida = nullptr);
