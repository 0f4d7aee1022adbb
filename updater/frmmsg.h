#pragma once
// The news window: one text and an icon, shown beside the updater window without blocking;
// a click anywhere on it closes it.
#include <QWidget>

class QLabel;

class frmmsg : public QWidget {
    Q_OBJECT
public:
    explicit frmmsg(QWidget* parent = nullptr);
    void DefineTexto(const QString& texto);
    QString Texto() const;

protected:
    void mousePressEvent(QMouseEvent* evento) override;

private:
    QLabel* m_icone;
    QLabel* m_msg;
};
