#pragma once
// The update run of renovo, apart from its window: it fetches the description and its
// signature, offers the web news, fetches the additional files and a due program update into
// a staging folder, puts them in place together when every one matched what was signed, and
// keeps the texts and states the window shows. Questions go through CaixaMensagens().
#include "assinatura.h"
#include "descricao.h"
#include "ficheirosdescritos.h"
#include "leitorini.h"
#include "preparacao.h"
#include "transferencia.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

// The web folder of update files, fixed in the program; option 1001, when set, replaces it
// (mirrors, tests).
inline constexpr int OpcaoPastaWeb = 1001;
QString PastaWebPadrao();
QString PastaWeb();
// The program's page on the maker's web site.
QString PaginaWeb();

// The release number of the newest description installed, kept in the program folder so
// every user of the installation shares it (0 when none was recorded), and the file it is in.
QString FicheiroEdicao();
quint64 EdicaoInstalada();

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
    // Stops a run under way after its current transfer; the run returns Interrompida.
    void Interrompe();

    Transferencia& transferencia() { return m_rede; }
    // The key descriptions must be signed with; the maker's unless a test gives its own.
    void DefineChave(const ChavePublica& outra) { m_chave = outra; }

    // What the window shows.
    QString current;
    QString msg;
    CorEstado cor = CorEstado::Azul;
    QString lblprog;
    QStringList Errlist;
    bool ErrlistVisivel = false;
    bool cmdactualActivo = true;
    QString captionCancelar;
    bool EmCurso() const { return m_emCurso; }

signals:
    void mudou();
    // The news text to show beside the window, without blocking.
    void noticias(const QString& texto);
    void lancaPagina();
    void aviso();

private:
    // The question of the program update (none when forced); true when it is to be installed.
    bool UpdateNatalis(bool forcado);
    // Stages the files of one section; false at the first that fails.
    bool preparaSeccao(const QList<FicheiroDescrito>& ficheiros, const QString& progressoBase);
    bool descarrega(const FicheiroDescrito& f, const QString& linha, QString* motivo);
    Resultado recusa(const QString& estadoTexto, const QString& motivo);
    // The stages of one run, in order; each returns the run's result when it ends it.
    Resultado actualiza();
    std::optional<Resultado> obtemDescricao();
    std::optional<Resultado> leEdicao(quint64& edicao, quint64& instalada);
    void mostraIrmas();
    void ofereceNoticias();
    Resultado instala(const QList<FicheiroDescrito>& outros, const QList<FicheiroDescrito>& programa,
                      DecisaoPrograma decisao, quint64 edicao, quint64 instalada);
    void erro(const QString& linha);
    void estado(const QString& texto, CorEstado c);
    void progresso(const QString& texto);

    Transferencia m_rede;
    ChavePublica m_chave = ChaveDoNatalis();
    PerfilIni m_descricao;
    std::unique_ptr<Preparacao> m_preparacao;
    bool m_emCurso = false;
    bool m_interrompido = false;
};
