#pragma once
// Every text the editor offers: the shipped texts and the user's own (also for codes the shipped
// database lacks), each with its meaning, family and folded words for the search.
#include "significado.h"
#include <QList>
#include <QString>
#include <cstdint>

class FonteDados;
class TextosProprios;

struct EntradaCatalogo {
    int32_t codigo = 0;
    QString chave; // decimal text
    QString significado;
    Familia familia = Familia::Outros;
    QString enviado; // the shipped text
    bool temEnviado = false;
    bool editado = false;
    QString proprio; // the user's text when edited
    QString dobrado; // meaning, code and texts folded, for the search
    const QString& Actual() const { return editado ? proprio : enviado; }
};

class Catalogo {
public:
    // Every record of the shipped table, in code order, plus the user's entries.
    void Carrega(FonteDados& enviados, TextosProprios& proprios);
    const QList<EntradaCatalogo>& Entradas() const { return m_entradas; }
    // Indices of the entries of one family (all with `familia` < 0; edited ones only with
    // `soEditados`) whose folded words hold every word of `procura`, ignoring accents and case.
    QList<int> Filtra(int familia, bool soEditados, const QString& procura) const;
    int Indice(int32_t codigo) const; // -1 when absent
    // After a save or a reset: the entry takes the user's text (or the shipped one) again.
    void Actualiza(int indice, TextosProprios& proprios);

private:
    void Dobra(EntradaCatalogo& e) const;
    QList<EntradaCatalogo> m_entradas;
};
