#pragma once
// The one safe way the programs write a file: the content goes to a temporary file beside the
// target, every write and the final flush are checked (a buffered write that hit a full disk
// is an error, not a silent empty file), and only then is it renamed over the target. On any
// failure the previous file is left exactly as it was.
#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

// Writes `bytes` to `caminho`. On failure returns false with a Portuguese reason in `erro`
// ("Sem espaço no disco …", "Sem permissão …").
bool GravaFicheiro(const QString& caminho, const QByteArray& bytes, QString* erro);

// The same for content produced by a writer (an image encoder, a PDF writer): `escreve`
// writes into the device and returns false when it failed.
bool GravaFicheiro(const QString& caminho, const std::function<bool(QIODevice&)>& escreve, QString* erro);
