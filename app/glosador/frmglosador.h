#pragma once
// Glosador's window: the browser of the interpretation texts by family and search, the editor
// of one text with its markup checked as typed, the preview for a man and for a woman, and the
// user's own texts saved, put back to the shipped ones, exported and imported.
#include "catalogo.h"
#include "partilha.h"
#include <QMainWindow>
#include <functional>

class FonteDados;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTextBrowser;
class TextosProprios;

class QVBoxLayout;
class frmGlosador : public QMainWindow {
    Q_OBJECT
public:
    // `enviados`: the shipped table, open read-only; `proprios`: the user's texts.
    frmGlosador(FonteDados& enviados, TextosProprios& proprios, QWidget* pai = nullptr);

    // Shows the text of a code (all families, no search); false when there is none.
    bool MostraCodigo(int32_t codigo);
    // The question about unsaved edits of the text shown; true when it may be left.
    bool PodeSair();
    bool Guarda();
    bool Repoe();
    bool Exporta(const QString& caminho = QString());
    bool Importa(const QString& caminho = QString());
    // Who answers about a code both sides changed, on import (a dialog unless set).
    void definePergunta(std::function<EscolhaConflito(const ConflitoImportacao&)> p) { m_pergunta = std::move(p); }

    int32_t CodigoActual() const;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void constroiMenus();
    QWidget* criaLista();
    QWidget* criaEditor();
    void criaPrevias(QVBoxLayout* ld);
    void preencheLista();
    void seleccionou();
    void carrega(int indice);
    void textoMudou();
    void actualizaPrevia();
    void marcaItem(int linha);
    EscolhaConflito perguntaConflito(const ConflitoImportacao& c);

    FonteDados& m_enviados;
    TextosProprios& m_proprios;
    Catalogo m_catalogo;
    QList<int> m_visiveis; // catalogue indices of the list's rows
    int m_actual = -1;
    bool m_aMudar = false;
    bool m_temErros = false;
    std::function<EscolhaConflito(const ConflitoImportacao&)> m_pergunta;

    QComboBox* m_familia = nullptr;
    QLineEdit* m_procura = nullptr;
    QListWidget* m_lista = nullptr;
    QLabel* m_contagem = nullptr;
    QLabel* m_significado = nullptr;
    QPlainTextEdit* m_texto = nullptr;
    QLabel* m_marcacao = nullptr;
    QLineEdit* m_nome = nullptr;
    QComboBox* m_posicao = nullptr;
    QTextBrowser* m_homem = nullptr;
    QTextBrowser* m_mulher = nullptr;
    QPushButton* m_guardar = nullptr;
    QPushButton* m_repor = nullptr;
};
