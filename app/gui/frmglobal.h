#pragma once
// The global-aspects window: a composite sheet (aspect grid, wheel and the list of Arabic
// parts) or a large wheel.
#include <QWidget>

class QLabel;
class QListWidget;
class SessaoMapa;
class SuperficieEcra;

class frmGlobal : public QWidget {
    Q_OBJECT
public:
    explicit frmGlobal(QWidget* pai = nullptr);

    // 1 = composite sheet, 2 = large wheel.
    void ShowWith(int modo, SessaoMapa& sessao, const QImage& roda, const QImage& grelha, const QString& estado);
    void Writelista(SessaoMapa& sessao);
    int modo() const { return m_modo; }

private:
    void desenha();

    SuperficieEcra* m_map = nullptr;
    QListWidget* m_Lista = nullptr;
    QLabel* m_data = nullptr;
    SessaoMapa* m_sessao = nullptr;
    QImage m_roda;
    QImage m_grelha;
    int m_modo = 1;
};
