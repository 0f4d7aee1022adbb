#pragma once
// The "Mapa" page of the options dialog: the wheel turned to the Ascendant, degree ticks on
// the zodiac ring and the wheel's colour scheme, each scheme shown with its colours.
#include "opcoesroda.h"

#include <QWidget>

class QCheckBox;
class QRadioButton;

class PaginaRoda : public QWidget {
    Q_OBJECT
public:
    explicit PaginaRoda(QWidget* pai = nullptr);
    // The controls from the stored options, and back.
    void carrega();
    OpcoesRoda opcoes() const;
    // Stores the page's choices and makes them the wheel's.
    void aplica();

private:
    QCheckBox* m_ascendente = nullptr;
    QCheckBox* m_graus = nullptr;
    QRadioButton* m_predefinidas = nullptr;
    QRadioButton* m_contraste = nullptr;
};

// A row of the wheel's sign and body glyphs painted in a scheme's colours on white.
class AmostraCores : public QWidget {
    Q_OBJECT
public:
    explicit AmostraCores(EsquemaCores esquema, QWidget* pai = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    EsquemaCores m_esquema;
};
