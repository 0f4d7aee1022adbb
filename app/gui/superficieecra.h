#pragma once
// A drawing surface of the main window (the wheel `Mapa`, the grid `aspectospic`): it keeps
// the picture the drawing code painted, at the screen's device pixel ratio, and shows it.
#include <QImage>
#include <QWidget>

class SuperficieEcra : public QWidget {
    Q_OBJECT
public:
    explicit SuperficieEcra(QWidget* pai = nullptr);

    // An empty image of the widget's logical size (square when asked) at the screen's device
    // pixel ratio, for the drawing code to paint on.
    QImage novaImagem() const;
    // An image of a given logical size shown enlarged by `escala` (the grid, which is laid
    // out in font units): painted at the enlarged size's pixels, so it stays sharp.
    QImage novaImagem(const QSize& logico, double escala);
    void defineImagem(const QImage& imagem);
    void limpa();
    const QImage& imagem() const { return m_imagem; }
    // Keeps the widget square inside its layout.
    void defineQuadrada(bool q) { m_quadrada = q; }
    // A fixed logical size (the grid); an invalid size lets the layout decide.
    void defineTamanhoFixo(const QSize& s);

    bool hasHeightForWidth() const override { return m_quadrada; }
    int heightForWidth(int w) const override { return m_quadrada ? w : QWidget::heightForWidth(w); }
    QSize sizeHint() const override;

signals:
    void ratoMovido(QPoint posicao);
    void clicado(QPoint posicao);
    void redimensionada();

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

private:
    QImage m_imagem;
    bool m_quadrada = false;
    QSize m_fixo;
    double m_escala = 1.0;
};
