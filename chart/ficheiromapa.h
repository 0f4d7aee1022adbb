#pragma once
// The chart file (.anc): 29 line records of quoted texts and #TRUE#/#FALSE# flags, in
// Windows-1252 with CR LF. Records 1..26 are required; 27..29 (Lua Negra, comments, e-mail)
// may be missing.
#include "calculo.h"
#include "camposmapa.h"
#include "cp1252.h"
#include "mapa.h"

#include <QByteArray>
#include <QString>
#include <functional>

// The error numbers the reader reports, in the numbering users of the program know.
inline constexpr int ERRO_FICHEIRO_NAO_ENCONTRADO = 53;
inline constexpr int ERRO_FIM_DO_FICHEIRO = 62;
inline constexpr int ERRO_TIPO = 13;
inline constexpr int ERRO_ACESSO = 75;

// Reads chart-file bytes into the fields: Windows-1252, or UTF-8 when another program saved
// them so (`lida` tells which). Returns 0, or the error number with `descricao` and the record
// (1..27) at which reading stopped, or whose position cannot be read (ERRO_TIPO); the fields
// read before it stay set.
int LeBytesMapa(const QByteArray& bytes, CamposMapa& campos, QString* descricao = nullptr, int* registo = nullptr,
                CodificacaoTexto* lida = nullptr);

// The bytes of the chart file for the fields as they stand (double quotes become typographic
// ones; characters that Windows-1252 cannot hold become "?").
QByteArray BytesMapa(const CamposMapa& campos);

// Replaces each double quote of the text fields by a typographic one (”); returns the
// captions of the fields changed.
QStringList SubstituiAspas(CamposMapa& campos);

// Opens a chart: resets the fields and the chart model, keeps the path, reads the file, puts
// it at the head of the recent files, rebuilds the chart from the texts read and sets the
// status text. A file that cannot be read, or that ends before record 26, is reported and
// left exactly as it was; the fields read so far stay. An empty path does nothing. Tools
// that open charts on the user's behalf without showing them pass juntaAosRecentes = false.
bool OpenFile(const QString& caminho, CamposMapa& campos, Mapa& mapa, const Redesenho& redesenha = {},
              bool juntaAosRecentes = true);

// Writes the chart to the path, replacing any previous file only once the new one is
// complete. Double quotes become typographic ones (the user is told); characters that the
// file cannot hold are shown to the user, who may cancel. Failures are reported.
bool SaveToFile(const QString& caminho, CamposMapa& campos);

// The file chooser of the window (kind 0, save form); an empty answer means cancel.
using EscolheCaminho = std::function<QString()>;

// Save As: asks for a path; a path with a full stop becomes the chart's path and is saved.
bool FileSaveAs(CamposMapa& campos, const EscolheCaminho& escolhe);
// Save: nothing without an open chart; the chart's own path when it has one that was read
// or written whole; otherwise Save As.
bool GuardaMapa(CamposMapa& campos, const EscolheCaminho& escolhe);
