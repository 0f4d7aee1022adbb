#pragma once
// Message boxes of the updater on QMessageBox.
#include "mensagens.h"

class QWidget;

class CaixaQt : public Mensagens {
public:
    explicit CaixaQt(QWidget* dono = nullptr) : dono(dono) {}
    RespostaMsg Mostra(IconeMsg icone, const QString& titulo, const QString& texto,
                       BotoesMsg botoes = BotoesMsg::Ok) override;
    QWidget* dono;
};
