#pragma once
// An update's transaction stopped dead after its k-th change of a name, as a crash would stop
// it: in a child that ends with _exit, nothing unwound; on Windows (no fork) by an exception
// from the hook, which nothing in the transaction catches. 42 when it stopped there, else 0
// (completed) or 1 (failed).
#include "transaccao.h"

#ifndef Q_OS_WIN
#include <sys/wait.h>
#include <unistd.h>
#endif

inline int ParaTransaccaoApos(int k, const QString& raiz, const QString& trabalho,
                              const QList<TrocaFicheiro>& trocas) {
#ifdef Q_OS_WIN
    struct Paragem {};
    GanchoTransaccao = [k](int n) {
        if (n == k) throw Paragem{};
    };
    int codigo = 1;
    try {
        codigo = ExecutaTransaccao(raiz, trabalho, trocas, nullptr) ? 0 : 1;
    } catch (const Paragem&) {
        codigo = 42;
    }
    GanchoTransaccao = nullptr;
    return codigo;
#else
    const pid_t filho = fork();
    if (filho == 0) {
        GanchoTransaccao = [k](int n) {
            if (n == k) _exit(42);
        };
        _exit(ExecutaTransaccao(raiz, trabalho, trocas, nullptr) ? 0 : 1);
    }
    int estado = 0;
    return waitpid(filho, &estado, 0) == filho && WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
#endif
}
