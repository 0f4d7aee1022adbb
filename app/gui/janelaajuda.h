#pragma once
// The help viewer: the help file with its contents (the file's headings) and a search over
// its text.
#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;

class JanelaAjuda : public QWidget {
    Q_OBJECT
public:
    explicit JanelaAjuda(QWidget* pai = nullptr);
    bool abre(const QString& ficheiro);
    void mostra(bool procurar);
    // Headings whose section mentions every word of the query (letter case and accents ignored).
    QStringList procura(const QString& pergunta) const;

private:
    void preencheConteudos(const QStringList& titulos);

    QTextBrowser* m_texto = nullptr;
    QListWidget* m_conteudos = nullptr;
    QLineEdit* m_procura = nullptr;
    QString m_ficheiro;
    QList<QPair<QString, QString>> m_seccoes; // anchor, plain text of the section
    QHash<QString, QString> m_titulos;        // anchor -> heading
};
