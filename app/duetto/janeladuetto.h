#pragma once
// Duetto's window: the first chart inside the bi-wheel and the second's bodies outside, the
// grid of their aspects, the list closest first, the house overlays both ways, and the
// composite and Davison wheels with their saving, the synastry report in the reading window,
// and the drawings and the PDF of the pair.
#include "relatoriosinastria.h"

#include <QMainWindow>

class frmread;
class QLabel;
class QListWidget;
class QMenu;
class QTableWidget;
class QTabWidget;

class JanelaDuetto : public QMainWindow {
    Q_OBJECT
public:
    JanelaDuetto();
    // Opens the first (0) or the second (1) chart; false, with a message, when it cannot.
    bool AbreMapa(int qual, const QString& caminho);
    void Troca();
    bool GuardaComposto(const QString& caminho);
    bool GuardaDavison(const QString& caminho);
    // The bi-wheel (or the composite, the Davison) drawn at a size.
    QImage ImagemBiRoda(int lado);
    QImage ImagemRoda(bool davison, int lado);
    // The synastry report in the reading window (created on first use); false without a pair.
    bool LeRelatorio();
    frmread* Leitura() const { return m_leitura; }
    // The bi-wheel or the grid as PNG or SVG, and the pair's PDF (the report as the reading
    // window holds it, edits included, or written afresh); false with a message on failure.
    bool ExportaDesenho(bool grelha, const QString& caminho);
    bool GuardaPdf(const QString& caminho);

protected:
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void actualiza();
    void desenhaRodas();
    void escolheMapa(int qual);
    void guardaMapaDerivado(bool davison);
    void exportaImagem(bool grelha);
    void guardaPdf();
    void escreveRelatorio(QTextDocument& doc, const std::function<void(double)>& progresso);
    bool temPar(bool avisa);
    QString nomePar() const;
    void editaOrbes();
    void lembraPar();
    void refazRecentes();

    MapaDuetto m_lados[2];
    frmread* m_leitura = nullptr;
    OrbesSinastria m_orbes;
    QTabWidget* m_abas = nullptr;
    QLabel* m_birroda = nullptr;
    QLabel* m_composto = nullptr;
    QLabel* m_davison = nullptr;
    QTableWidget* m_grelha = nullptr;
    QListWidget* m_lista = nullptr;
    QListWidget* m_casas = nullptr;
    QMenu* m_recentes = nullptr;
};
