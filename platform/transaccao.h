#pragma once
// Replacing a set of files below one folder as a single step that survives a crash or a power
// cut at any instant. Before the first file moves, a journal naming every file, its new copy
// and where its old copy is kept is written and forced to the disk; the journal goes away only
// once every file is in place (or every one is back). A journal found at the next start means
// the step was cut short: RecuperaTransaccao completes it (the new copies were checked before
// the journal was written) or, when that fails, puts every old copy back. Either way the folder
// holds all the old files or all the new ones, and no copy is deleted while a journal remains.
#include <QList>
#include <QString>

#include <functional>

struct TrocaFicheiro {
    QString alvo;   // the file to replace (it may not exist yet)
    QString novo;   // its new content, in the staging folder
    QString antigo; // where the old file is kept meanwhile, in the staging folder
};

// The journal's name inside the folder.
QString DiarioTransaccao(const QString& raiz);

// Puts every file in place, each keeping the permissions of the file it replaces. All paths
// are below `raiz`; `trabalho` is the staging folder the new and old copies live in. On a
// failure every file is put back and the reason given in Portuguese; the staging folder is
// left to the caller, except that it must not be deleted while the journal exists.
bool ExecutaTransaccao(const QString& raiz, const QString& trabalho, const QList<TrocaFicheiro>& trocas,
                       QString* motivo);

enum class Recuperacao { Nenhuma, Completada, Desfeita, Falhou };
// Finishes a step a crash left unfinished in `raiz`: completed when possible, else undone;
// then the journal and the staging folder it names are removed. Falhou (with the reason)
// leaves both for a later attempt.
Recuperacao RecuperaTransaccao(const QString& raiz, QString* motivo = nullptr);

// For the tests of a crash: called after every change of a name in the folder, with the count
// of changes so far.
extern std::function<void(int)> GanchoTransaccao;
