#pragma once
// Duetto's window: the first chart inside the bi-wheel and the second's bodies outside, the
// grid of their aspects, the list closest first, the house overlays both ways, and the
// composite and Davison wheels with their saving.
#include "sinastria.h"

#include <QMainWindow>

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

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void actualiza();
    void desenhaRodas();
    void escolheMapa(int qual);
    void guardaMapaDerivado(bool davison);
    void exportaImagem(bool grelha);
    void editaOrbes();
    void lembraPar();
    void refazRecentes();

    struct Lado {
        QString caminho;
        CamposMapa campos;
        Mapa mapa;
        Pessoa pessoa;
        bool aberto = false;
    };
    Lado m_lados[2];
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
