#pragma once
// The astrologer's own texts: a small SQLite database in the user's folder, beside the atlas's
// own places, that the report consults before the shipped database. The program folder is never
// written, so a new shipped database (an update, a package upgrade) leaves these texts alone.
//
// Readers (the report) hold no connection: the file is read into memory whenever its size or
// time changed, so texts saved by the editor show in the next report. A file that cannot be read
// as a database is renamed aside and reported once; the shipped texts keep serving.
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <cstdint>
#include <functional>

class QTextBlock;

struct TextoProprio {
    QString codigo;   // decimal text, as in the shipped table
    QString texto;    // with its markup
    QString original; // the shipped text when it was edited (empty when there was none)
    QString alterado; // ISO date and time of the edit
};

class TextosProprios {
public:
    // The file beside the settings store (where the atlas keeps the user's places).
    static QString CaminhoPredefinido();

    TextosProprios() = default;
    ~TextosProprios();
    TextosProprios(const TextosProprios&) = delete;
    TextosProprios& operator=(const TextosProprios&) = delete;

    // No path, no overlay: every code falls through to the shipped database.
    void DefineCaminho(const QString& caminho);
    QString Caminho() const { return m_caminho; }

    // Re-reads the file when it changed. False when it was damaged (and renamed aside).
    bool Actualiza();
    // The user's text of a code; false when the user has none.
    bool Procura(int32_t codigo, QString& texto);
    bool Tem(const QString& codigo);
    TextoProprio Entrada(const QString& codigo);
    QHash<QString, TextoProprio> Todos();

    // Each change is one checked transaction: on any failure (a full disk, no permission) the
    // file keeps what it held and `erro` says why in Portuguese.
    bool Grava(const TextoProprio& entrada, QString* erro);
    bool GravaVarios(const QList<TextoProprio>& entradas, QString* erro);
    // Puts a code back to the shipped text: the user's entry is removed.
    bool Repoe(const QString& codigo, QString* erro);

    // The message about a damaged file put aside, once; empty when there is none.
    QString TomaAviso();

private:
    bool Le();
    void PoeDeParte(const QString& motivo);
    bool Altera(const std::function<bool(class QSqlQuery&)>& muda, QString* erro);
    void Fecha();

    QString m_caminho;
    QString m_ligacao;
    QHash<QString, TextoProprio> m_textos;
    QDateTime m_lido;
    qint64 m_tamanho = -1;
    QString m_aviso;
};

// The overlay the programs' reports use (GetTexto); it has no path until a program sets one.
TextosProprios& TextosUtilizador();

// The report marks each paragraph with the code of its text, so the reading window can open
// the editor at it. -1 on a paragraph that no text code wrote.
void MarcaCodigoParagrafo(const QTextBlock& bloco, int32_t codigo);
int32_t CodigoParagrafo(const QTextBlock& bloco);
