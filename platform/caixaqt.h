#pragma once
// Message boxes on QMessageBox, with the Portuguese buttons the program uses.
#include "mensagens.h"

class QWidget;

class CaixaQt : public Mensagens {
public:
    explicit CaixaQt(QWidget* pai = nullptr) : m_pai(pai) {}
    void definePai(QWidget* pai) { m_pai = pai; }
    RespostaMsg Mostra(IconeMsg icone, const QString& titulo, const QString& texto,
                       BotoesMsg botoes = BotoesMsg::Ok) override;

private:
    QWidget* m_pai;
};

// While one lives, the boxes open over `janela` (the window whose command asks), whichever
// window the system holds active: a box over another window would raise that one over it.
class DonoDasCaixas {
public:
    explicit DonoDasCaixas(QWidget* janela);
    ~DonoDasCaixas();
    DonoDasCaixas(const DonoDasCaixas&) = delete;
    DonoDasCaixas& operator=(const DonoDasCaixas&) = delete;

private:
    QWidget* m_antes;
};
