#pragma once
// The options dialog's choices for the automatic interpretation: the synthesis that opens the
// report (option 30) and the rulers it names (option 31).
#include <QGroupBox>

class QCheckBox;
class QRadioButton;

class OpcoesRelatorioPagina : public QGroupBox {
public:
    explicit OpcoesRelatorioPagina(QWidget* pai = nullptr);
    void carrega();
    void guarda() const;

private:
    QCheckBox* m_sintese = nullptr;
    QRadioButton* m_tradicional = nullptr;
    QRadioButton* m_moderno = nullptr;
    QCheckBox* m_signosTradicionais = nullptr;
};
