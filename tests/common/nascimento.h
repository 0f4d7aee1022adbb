#pragma once
// The birth-data fields of a chart as a person types them, for tests and benchmarks that cast.
#include "camposmapa.h"
#include <QMetaType>

Q_DECLARE_METATYPE(CamposMapa)

inline CamposMapa Nascimento(const QString& data, const QString& hora, const QString& fuso, const QString& latitude,
                             const QString& longitude, const QString& nome = QStringLiteral("Maria"), bool masculino = false) {
    CamposMapa c;
    c.txtNome = nome;
    c.sexoMasculino = masculino;
    c.txtData = data;
    c.txtHora = hora;
    c.FusoHorario = fuso;
    c.txtLatitude = latitude;
    c.txtlongitude = longitude;
    c.txtlocal = QStringLiteral("Algures");
    return c;
}
