#pragma once
// The place atlas window: search as you type over the whole atlas, browse the results, add
// places and edit them (kept in the user's own store), and copy one into the main window's
// place fields.
#include "atlas.h"

#include <QDialog>
#include <optional>

class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QTreeWidget;

class locais : public QDialog {
    Q_OBJECT
public:
    // Opens the atlas of the program folder and the user's own places.
    explicit locais(QWidget* pai = nullptr);

    // Makes the first place whose name equals `nome` exactly (letter case counts) current;
    // without a match no place is current and the fields are empty.
    bool FindLocal(const QString& nome);
    void Add();
    // Fills the result list for the text typed in the search field.
    void PreencheLista();
    LocalAtlas actual() const;
    const Atlas& atlas() const { return m_atlas; }

signals:
    // "Usar Este": the current place goes to the main window.
    void usar(const LocalAtlas& local);

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* objecto, QEvent* evento) override;

private:
    QLayout* criaProcura();
    QWidget* criaLista();
    QLayout* criaCampos();
    QLayout* criaBotoes();
    void mostra(const std::optional<LocalAtlas>& l);
    void escolheLinha(int linha);
    bool procurar();
    bool guardaAlteracoes();
    void move(int passo);

    Atlas m_atlas;
    QList<LocalAtlas> m_resultados;
    std::optional<LocalAtlas> m_actual;
    bool m_emAdicao = false;
    bool m_alterado = false;
    QLineEdit* m_procura = nullptr;
    QTreeWidget* m_ComboLocais = nullptr;
    QLineEdit* m_localNome = nullptr;
    QLineEdit* m_latitude = nullptr;
    QLineEdit* m_longitude = nullptr;
    QLabel* m_onde = nullptr;
    QLabel* m_fuso = nullptr;
    QPushButton* m_cmd = nullptr;
};
