#pragma once
// The place atlas: browse the places of locais.mdb, add places, and copy one into the main
// window's place fields.
#include <QDialog>

class FonteDados;
class QComboBox;
class QLineEdit;
class QPushButton;

struct LocalAtlas {
    QString nome;
    QString latitude;
    QString longitude;
    QString fuso; // IANA zone name; empty for places added by hand
};

class locais : public QDialog {
    Q_OBJECT
public:
    explicit locais(FonteDados& fonte, QWidget* pai = nullptr);

    // Makes the first place whose name equals `nome` exactly (letter case counts) current.
    bool FindLocal(const QString& nome);
    void Add();
    void PreencheLista();
    LocalAtlas actual() const;

signals:
    // "Usar Este": the current place goes to the main window.
    void usar(const LocalAtlas& local);

protected:
    void showEvent(QShowEvent* e) override;

private:
    void mostraRegisto();
    bool guardaNovo();
    void move(bool seguinte);

    FonteDados& m_fonte;
    QComboBox* m_ComboLocais = nullptr;
    QLineEdit* m_localNome = nullptr;
    QLineEdit* m_latitude = nullptr;
    QLineEdit* m_longitude = nullptr;
    class QLabel* m_fuso = nullptr;
    QPushButton* m_cmd = nullptr;
};
