#pragma once
// The two small forms for positions typed by hand, each opened for one body line: the
// position typed directly ("Posição"), or interpolated from two ephemeris entries
// ("Calculo de Posição").
#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
struct CamposMapa;

class frmcalculosdirectos : public QDialog {
    Q_OBJECT
public:
    frmcalculosdirectos(CamposMapa& campos, int alvo, QWidget* pai = nullptr);

private:
    void ok();
    CamposMapa& m_campos;
    int m_alvo;
    QLineEdit* m_txtvalor = nullptr;
    QCheckBox* m_Check1 = nullptr;
    QLabel* m_erro = nullptr;
};

class frmcalculos : public QDialog {
    Q_OBJECT
public:
    frmcalculos(CamposMapa& campos, int alvo, QWidget* pai = nullptr);

private:
    void calcular();
    CamposMapa& m_campos;
    int m_alvo;
    QLineEdit* m_txtpos[2] = {nullptr, nullptr};
};
