#include "caixaqt.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace {
QPointer<QWidget>& dono() {
    static QPointer<QWidget> d;
    return d;
}
} // namespace

DonoDasCaixas::DonoDasCaixas(QWidget* janela) : m_antes(dono()) { dono() = janela; }
DonoDasCaixas::~DonoDasCaixas() { dono() = m_antes; }

RespostaMsg CaixaQt::Mostra(IconeMsg icone, const QString& titulo, const QString& texto, BotoesMsg botoes) {
    // Over the window whose command asks, else the one the user works in, else the main window: a box over
    // a window behind would bring that window in front of the one in use.
    QWidget* activa = QApplication::activeWindow();
    QMessageBox caixa(dono() ? dono().data() : activa && activa->isVisible() ? activa : m_pai);
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
    QPushButton* ok = nullptr;
    QPushButton* sim = nullptr;
    QPushButton* nao = nullptr;
    QPushButton* cancelar = nullptr;
    if (botoes == BotoesMsg::Ok) {
        ok = caixa.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        caixa.setDefaultButton(ok);
    } else {
        sim = caixa.addButton(QStringLiteral("&Sim"), QMessageBox::YesRole);
        nao = caixa.addButton(QStringLiteral("&Não"), QMessageBox::NoRole);
        if (botoes == BotoesMsg::SimNaoCancelar) {
            cancelar = caixa.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole);
            caixa.setEscapeButton(cancelar);
        } else {
            caixa.setEscapeButton(nao);
        }
        caixa.setDefaultButton(sim);
    }
    caixa.exec();
    const auto* clicado = caixa.clickedButton();
    if (clicado == sim)
        return RespostaMsg::Sim;
    if (clicado == nao)
        return RespostaMsg::Nao;
    if (clicado == cancelar)
        return RespostaMsg::Cancelar;
    if (botoes == BotoesMsg::SimNaoCancelar)
        return RespostaMsg::Cancelar;
    return botoes == BotoesMsg::Ok ? RespostaMsg::Ok : RespostaMsg::Nao;
}
