#pragma once
// Places from the atlas for natalis-cli: --atlas "TEXTO" and the batch's place column.
#include "camposmapa.h"

#include <QMap>
#include <QString>

// Fills the place, latitude and longitude of `c` from the atlas place the text names ("Recife",
// "Calheta, Madeira"), and the zone for the birth's date and time when `c` has none. False with
// the reason in `erro`: not found, or ambiguous with the candidates listed one per line.
bool PreencheDoAtlas(const QString& texto, CamposMapa& c, QString* erro);

// --atlas: fills the data options the command line did not give, and `fusoAtlas` with the zone
// id when the atlas filled the zone. SAIDA_OK or, with the reason on standard error,
// SAIDA_ARGUMENTOS (a place not found or ambiguous, a date or time that cannot be read) or
// SAIDA_FALHOU (no atlas in the program folder).
int PreencheOpcoesDoAtlas(QMap<QString, QString>& dados, QString* fusoAtlas);
