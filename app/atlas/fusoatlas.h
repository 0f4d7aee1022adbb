#pragma once
// The zone field's text for an atlas place at the birth's local date and time, as the window
// and the command line fill it.
#include "fusohorario.h"

#include <QString>
#include <optional>

struct FusoPreenchido {
    FusoLocal fuso;
    QString texto; // the zone field's form: "1h0'0''", "-3h0'0''"
};

// Empty when the date, time or longitude cannot be read, or the zone is unknown.
std::optional<FusoPreenchido> FusoDoAtlas(const QString& zona, const QString& data, const QString& hora,
                                          const QString& longitude);
