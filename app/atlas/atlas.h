#pragma once
// The place atlas: the shipped places of locais.mdb and the user's own places and edits, kept
// apart in the per-user folder so that a new atlas shipped by an update loses none of them.
// Searching folds accents and letter case and matches the start of the name or of any of its
// words; the most populous places come first, the user's own before all.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

struct LocalAtlas {
    QString nome;      // the stored "Local": "Recife (Pernambuco, Brasil)"
    QString latitude;  // as the latitude field takes it: "8º3'14''S"
    QString longitude; // "34º52'52''W"
    QString fuso;      // IANA zone; empty for a place added by hand
    QString regiao;
    QString pais;
    qint64 populacao = 0;
    bool proprio = false; // the user's own place, or the user's edit of a shipped one
    QString original;     // for an edit: the shipped "Local" it stands for
};

class Atlas {
public:
    Atlas();
    ~Atlas();
    Atlas(const Atlas&) = delete;
    Atlas& operator=(const Atlas&) = delete;

    // The shipped database (read only) and the user's own (created when missing). A damaged
    // or missing shipped atlas is refused with MensagemAtlasDanificado(); a damaged file of the
    // user's own is renamed aside ("locais-proprios.danificado-<data>.db") and Aviso() says so.
    bool Abre(const QString& base, const QString& baseUtilizador, QString* erro = nullptr);
    // What the user is to be told once about the last Abre; empty when nothing.
    QString Aviso() const;
    bool Aberto() const;
    // Where the user's places live: the per-user configuration folder.
    static QString CaminhoUtilizador();

    // "sao paulo", "paulo", "São P", "Calheta, Madeira": the text after a comma must start a
    // word of the region or the country. Places named exactly as typed come first, then those
    // whose name starts so; within each, the user's own, then those of the country given here
    // (its name as the atlas writes it, "Portugal"; empty for none), then the most populous.
    void DefinePaisPrimeiro(const QString& pais);
    QList<LocalAtlas> Procura(const QString& texto, int limite = 50) const;
    // The place whose "Local" is exactly this text (letter case counts), the user's first.
    std::optional<LocalAtlas> FindLocal(const QString& local) const;
    // The countries of the shipped places, in alphabetical order.
    QStringList Paises() const;
    // Stores a new place (empty `original`) or an edit of a shipped or own place.
    bool Guarda(const LocalAtlas& local, QString* erro = nullptr);

private:
    bool leProprios();
    struct Dados;
    Dados* m_d;
};

// The country whose places the atlas window ranks first, as the atlas names it (option 52;
// Portugal when never set, empty when the user chose none, stored as "Nenhum"), and its choice.
inline constexpr int OPCAO_PAIS_ATLAS = 52;
QString PaisDoUtilizador();
void GuardaPaisDoUtilizador(const QString& pais);

// The message of a missing or damaged shipped atlas.
QString MensagemAtlasDanificado();

// For the command line and the batch: the one place a text names, or the candidates.
struct EscolhaAtlas {
    std::optional<LocalAtlas> local;
    QList<LocalAtlas> candidatos; // more than one: the text is ambiguous
};
EscolhaAtlas EscolheLocal(const Atlas& atlas, const QString& texto);
