#pragma once
// The updater window "Actualização do Natalis": shows the state of the run that Actualizador keeps
// and routes its two buttons.
#include "actualizacao.h"

#include <QStringList>
#include <QWidget>

#include <functional>

class QLabel;
class QListWidget;
class QPushButton;
class frmmsg;

class frmmain : public QWidget {
    Q_OBJECT
public:
    explicit frmmain(QWidget* parent = nullptr);

    Actualizador& actualizador() { return m_act; }
    frmmsg* janelaNoticias() { return m_noticias; }

    // True when the command line is exactly "/N": the run without the window.
    static bool SemJanela(const QStringList& argumentos);
    // The "/N" run: the window stays hidden; returns the program's exit code.
    int ExecutaSemJanela();

    // "Actualizar".
    void Actualizar();

    // Opens the maker's page; tests replace it.
    std::function<void()> LancarWebpage;

signals:
    // The user asked to end the updater.
    void terminar();

protected:
    void closeEvent(QCloseEvent* evento) override;
    void moveEvent(QMoveEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    bool m_colocada = false;
    void Cancelar();
    void mostraNoticias(const QString& texto);
    void colaNoticias();
    void reflecte();

    Actualizador m_act;
    QLabel* m_current;
    QLabel* m_msg;
    QLabel* m_lblprog;
    QListWidget* m_Errlist;
    QPushButton* m_cmdactual;
    QPushButton* m_Command2;
    frmmsg* m_noticias;
    bool m_fechoPedido = false;
};
