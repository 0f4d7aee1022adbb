#include "caixaqt.h"

#include <QAbstractButton>
#include <QMessageBox>

RespostaMsg CaixaQt::Mostra(IconeMsg icone, const QString& titulo, const QString& texto, BotoesMsg botoes) {
    QMessageBox caixa(dono);
    caixa.setWindowTitle(titulo);
    caixa.setText(texto);
    switch (icone) {
    case IconeMsg::Critico:
        caixa.setIcon(QMessageBox::Critical);
        break;
    case IconeMsg::Exclamacao:
        caixa.setIcon(QMessageBox::Warning);
        break;
    case IconeMsg::Pergunta:
        caixa.setIcon(QMessageBox::Question);
        break;
    case IconeMsg::Informacao:
        caixa.setIcon(QMessageBox::Information);
        break;
    }
    switch (botoes) {
    case BotoesMsg::Ok:
        caixa.setStandardButtons(QMessageBox::Ok);
        break;
    case BotoesMsg::SimNao:
        caixa.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case BotoesMsg::SimNaoCancelar:
        caixa.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    if (auto* b = caixa.button(QMessageBox::Yes)) b->setText(QStringLiteral("&Sim"));
    if (auto* b = caixa.button(QMessageBox::No)) b->setText(QStringLiteral("&Não"));
    if (auto* b = caixa.button(QMessageBox::Cancel)) b->setText(QStringLiteral("Cancelar"));
    switch (caixa.exec()) {
    case QMessageBox::Yes:
        return RespostaMsg::Sim;
    case QMessageBox::No:
        return RespostaMsg::Nao;
    case QMessageBox::Cancel:
        return RespostaMsg::Cancelar;
    default:
        return botoes == BotoesMsg::Ok ? RespostaMsg::Ok : RespostaMsg::Cancelar;
    }
}
