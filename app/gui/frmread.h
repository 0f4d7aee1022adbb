#pragma once
// The reading window: the automatic interpretation as editable rich text, a personal
// interpretation in a second pane below it, saving both into one RTF file and importing it
// back, and printing.
#include <QImage>
#include <QMainWindow>
#include <QStringList>
#include <functional>

class QAction;
class QComboBox;
class QFontComboBox;
class QLabel;
class QProgressBar;
class QSplitter;
class QTextDocument;
class QTextEdit;
class QToolButton;
class QPrinter;
class SessaoMapa;

class QMenu;
class QToolBar;

class frmread : public QMainWindow {
    Q_OBJECT
public:
    explicit frmread(QWidget* pai = nullptr);

    // Writes the report of the open chart, with the progress panel shown meanwhile; false
    // when the user kept unsaved edits of the report instead.
    bool AutoInterpretacao(SessaoMapa& sessao);
    // The same for any report writer (a companion program's): it fills the document and tells
    // the fraction done. "Refazer" runs it again; the name is what saving proposes.
    using EscritorRelatorio = std::function<void(QTextDocument&, const std::function<void(double)>&)>;
    bool Escreve(EscritorRelatorio escritor, const QString& nomeProposto);
    // The question about unsaved edits of the report and of the personal interpretation;
    // true when they were saved or the user chose to let them go.
    bool PodeDescartar();
    // Save with the personal part; with an empty path the user is asked.
    bool SaveInterpretacao(const QString& caminho = QString());
    bool Importa(const QString& caminho = QString());
    void Imprime(QPrinter& impressora);
    void definePersonal(bool ligado);
    void defineEstado(const QString& texto);
    void defineEditor(bool presente);
    // The editor's command line for the paragraph under the cursor ("--codigo N"), empty when
    // no text code wrote it.
    QStringList argumentosEditor() const;
    // Where the report's synthesis takes the wheel picture from (the main window's wheel).
    void defineRoda(std::function<QImage()> roda) { m_roda = std::move(roda); }

    QTextEdit* txtRTF() const { return m_txtRTF; }
    QTextEdit* txtRTF2() const { return m_txtRTF2; }
    QAction* accao(const QString& nome) const;

protected:
    bool eventFilter(QObject* objecto, QEvent* evento) override;
    bool event(QEvent* evento) override;
    void closeEvent(QCloseEvent* e) override;

signals:
    void pedeOpcoes();
    void pedeImpressao();

private:
    QMenu* criaMenus();
    void criaBarras(QWidget* pai, QMenu* cores);
    void criaBarraLetras(QToolBar* barra, QMenu* cores);
    void criaEditores();
    QTextEdit* focada() const;
    void seleccaoMudou();
    void aplica(const std::function<void(class QTextCharFormat&)>& muda, bool soRelatorio = false);
    void tamanho(int delta);
    void alinha(Qt::Alignment a);
    void escreveCabecalhoPessoal();
    void refazer();
    void marcaGuardado();
    void abreEditor();

    EscritorRelatorio m_escritor;
    QString m_nomeProposto;
    std::function<QImage()> m_roda;
    QTextEdit* m_txtRTF = nullptr;
    QTextEdit* m_txtRTF2 = nullptr;
    QSplitter* m_holder = nullptr;
    QWidget* m_frame1 = nullptr;
    QProgressBar* m_ProgressBar1 = nullptr;
    QFontComboBox* m_letras = nullptr;
    QComboBox* m_Tamanho = nullptr;
    QToolButton* m_palet = nullptr;
    QColor m_corPalet;
    QTextEdit* m_ultimaFocada = nullptr;
    QLabel* m_estado = nullptr;
    bool m_aActualizar = false;
};
