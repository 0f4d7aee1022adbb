#pragma once
// Message boxes behind a small interface: the windows install one on QMessageBox, the
// command-line tool one that writes to standard error, tests one that records every call.
#include <QList>
#include <QString>

enum class IconeMsg { Critico, Exclamacao, Pergunta, Informacao };
enum class BotoesMsg { Ok, SimNao, SimNaoCancelar };
enum class RespostaMsg { Ok, Sim, Nao, Cancelar };

class Mensagens {
public:
    virtual ~Mensagens() = default;
    virtual RespostaMsg Mostra(IconeMsg icone, const QString& titulo, const QString& texto,
                               BotoesMsg botoes = BotoesMsg::Ok) = 0;
};

// The box in use; until one is installed, messages go to standard error and questions are
// answered "Não".
Mensagens& CaixaMensagens();
// Installs a box (not owned); nullptr restores the default.
void DefineCaixaMensagens(Mensagens* caixa);

// Records each call and answers questions from a queue (default "Sim").
class MensagensGravadas : public Mensagens {
public:
    struct Chamada {
        IconeMsg icone;
        QString titulo;
        QString texto;
        BotoesMsg botoes;
    };
    RespostaMsg Mostra(IconeMsg icone, const QString& titulo, const QString& texto,
                       BotoesMsg botoes = BotoesMsg::Ok) override;
    QList<Chamada> chamadas;
    QList<RespostaMsg> respostas;
    RespostaMsg respostaPadrao = RespostaMsg::Sim;
};

// Installs a box for the lifetime of this object (tests).
class CaixaTemporaria {
public:
    explicit CaixaTemporaria(Mensagens* caixa) { DefineCaixaMensagens(caixa); }
    ~CaixaTemporaria() { DefineCaixaMensagens(nullptr); }
    CaixaTemporaria(const CaixaTemporaria&) = delete;
    CaixaTemporaria& operator=(const CaixaTemporaria&) = delete;
};

// The application title used in message-box titles.
inline QString TituloAplicacao() { return QStringLiteral("Natalis"); }

// A piece of the user's input quoted in a message, cut to a readable length: at most
// `limite` characters, the rest replaced by "…", line ends shown as spaces.
QString Citacao(const QString& texto, qsizetype limite = 60);
