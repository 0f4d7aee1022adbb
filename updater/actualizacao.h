#pragma once
// The update run of renovo, apart from its window: it fetches the description, offers the
// web news, fetches the additional files and a due program update into the program folder,
// and keeps the texts and states the window shows. Questions go through CaixaMensagens().
#include "transferencia.h"

#include <QObject>
#include <QString>
#include <QStringList>

// The web folder of update files, fixed in the program; option 1001, when set, replaces it
// (mirrors, tests).
inline constexpr int OpcaoPastaWeb = 1001;
QString PastaWebPadrao();
QString PastaWeb();
// The program's page on the maker's web site.
QString PaginaWeb();

enum class CorEstado { Azul, Vermelho, Verde };
// The status colours as red, green, blue.
struct Rgb {
    int r, g, b;
};
Rgb RgbDe(CorEstado cor);

class Actualizador : public QObject {
    Q_OBJECT
public:
    enum Resultado { SemDescricao = 0, Concluida = 1, Invalida = 2, Interrompida = 3 };

    explicit Actualizador(QObject* parent = nullptr);

    // One run; several runs are possible. A call during a run returns Interrompida at once.
    Resultado Update();
    // The program-update part of a run; when forced, no question is asked.
    void UpdateNatalis(bool forcado);
    // Stops a run under way after its current transfer; the run returns Interrompida.
    void Interrompe();

    Transferencia& transferencia() { return rede; }

    // What the window shows.
    QString current;
    QString msg;
    CorEstado cor = CorEstado::Azul;
    QString lblprog;
    QStringList Errlist;
    bool ErrlistVisivel = false;
    bool cmdactualActivo = true;
    QString captionCancelar;
    bool EmCurso() const { return emCurso; }

signals:
    void mudou();
    // The news text to show beside the window, without blocking.
    void noticias(const QString& texto);
    void lancaPagina();
    void aviso();

private:
    QString copiaLocal() const;
    // Fetches the files of one section; returns how many failed.
    int actualizaSeccao(const QString& seccao, const QString& progressoBase);
    bool descarrega(const QString& localizacao, const QString& nome, const QString& progressoBase, int i,
                    int n);
    void erro(const QString& linha);
    void estado(const QString& texto, CorEstado c);
    void progresso(const QString& texto);

    Transferencia rede;
    bool emCurso = false;
    bool interrompido = false;
    int falhasNatalis = 0;
};
