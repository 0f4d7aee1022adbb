#pragma once
// Sharing the user's own texts between machines: a UTF-8 text file, one text a line (code, text
// and the shipped text it replaced, separated by tabs, with \t \n \r \\ escaped), and the merge
// of such a file into the user's texts, asking about each code both sides changed.
#include "textosproprios.h"
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class FonteDados;

enum class EscolhaConflito { Manter, Importar, ManterTodos, ImportarTodos, Cancelar };

struct ConflitoImportacao {
    QString codigo;
    QString meu;       // the user's text here
    QString importado; // the text in the file
};

struct ResultadoImportacao {
    int novos = 0, substituidos = 0, mantidos = 0, iguais = 0;
    QStringList recusados; // "linha N: motivo" for lines not taken
    bool cancelado = false;
};

bool ExportaTextos(const QString& caminho, TextosProprios& proprios, QString* erro);

// Reads the file and merges it: a code the user has not changed takes the imported text (unless
// it is the shipped text already); a code the user changed differently is a conflict, answered
// by `pergunta` (one answer "…Todos" settles the rest). Lines whose markup does not parse are
// refused and listed. Everything is stored in one transaction, or nothing is on Cancelar.
bool ImportaTextos(const QString& caminho, TextosProprios& proprios, FonteDados& enviados,
                   const std::function<EscolhaConflito(const ConflitoImportacao&)>& pergunta,
                   ResultadoImportacao& resultado, QString* erro);
