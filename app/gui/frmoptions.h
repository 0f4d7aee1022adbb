#pragma once
// The options dialog: how a new chart's positions are obtained, the return to the data page,
// the colours of the interpretation text, the background pictures, the orb table, and the
// engine and house system of the cast.
#include "escolhacalculo.h"
#include "orbes.h"

#include <QDialog>
#include <array>

class QButtonGroup;
class OpcoesRelatorioPagina;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class PaginaRoda;

class frmOptions : public QDialog {
    Q_OBJECT
public:
    explicit frmOptions(QWidget* pai = nullptr);

    // Fills the orb grid and the picture entries, selects the page and shows the dialog.
    void abre(int pagina);
    // The program's current background picture: 0 the wheel, 1 the aspect grid.
    QString fundo(int i) const { return m_actual[i]; }
    void LoadPanos();
    void SavePanos();
    // The options read at start-up: colours 15..18 and the choice of option 5.
    void CarregaArranque();
    int modoCalculo() const;
    // The engine and house system the "Cálculo" page shows.
    EscolhaCalculo escolhaCalculo() const;

signals:
    void confirmado();
    void fundosMudaram();

private:
    void ok();
    void preencheOrbes();
    void escolheFundo(int i);
    void nenhumMudou(int i);
    void escolheCor(int i);
    void mostraCor(int i);
    void orbesPadrao(bool padrao);
    void guardaOrbes();
    void abreOrbes();
    QWidget* criaPaginaGeral();
    QWidget* criaPaginaVisual();
    QWidget* criaPaginaOrbes();
    QWidget* criaPaginaCalculo();
    void mostraCalculo(const EscolhaCalculo& e);
    void guardaCalculo();
    void mostraPaisAtlas();
    void disponibilidadePontos();
    ConjuntoPontos pontosMarcados() const;
    void defineOrbesEditaveis(bool editaveis);
    ValoresOrbes valoresGrelha() const;
    bool aplicaOrbesEditadas();

    QTabWidget* m_tabs = nullptr;
    QButtonGroup* m_OptionMDC = nullptr;
    QCheckBox* m_Checkvoltar = nullptr;
    std::array<QCheckBox*, 2> m_Nenhum{};
    std::array<QLineEdit*, 2> m_txtpicture{};
    std::array<QPushButton*, 2> m_cmdProcurar{};
    std::array<QString, 2> m_caminho;  // path kept with each entry
    std::array<QString, 2> m_actual;   // the program's current pictures
    std::array<QPushButton*, 4> m_cores{};
    std::array<unsigned, 4> m_valorCor{};
    std::array<QSpinBox*, 45> m_aspectvalue{};
    QSpinBox* m_ficticios = nullptr;
    QRadioButton* m_predefinido = nullptr;
    QRadioButton* m_utilizador = nullptr;
    QPushButton* m_guardar = nullptr;
    QPushButton* m_abrir = nullptr;
    OpcoesRelatorioPagina* m_relatorio = nullptr;
    QButtonGroup* m_motor = nullptr;
    QComboBox* m_casas = nullptr;
    QComboBox* m_paisAtlas = nullptr;
    std::array<QCheckBox*, N_PONTOS_EXTRA> m_pontos{};
    std::array<QSpinBox*, N_PONTOS_EXTRA> m_orbesPontos{};
    QLabel* m_notaPontos = nullptr;
    PaginaRoda* m_roda = nullptr;
    QLabel* m_avisoOrbes = nullptr;
};
