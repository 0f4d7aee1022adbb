#pragma once
// The main window: birth-data fields, the five views of the chart, menus and toolbars. It
// shows the field model of the open chart, writes edits back into it and routes every
// command to SessaoMapa and the libraries; it holds no calculation of its own.
#include "desenhos.h"
#include "frmlocais.h"
#include "sessaomapa.h"

#include <QFont>
#include <QIcon>
#include <QMainWindow>
#include <array>
#include <optional>

class QAction;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QToolBar;
class QVBoxLayout;
class QToolButton;
class SuperficieEcra;
class frmOptions;
class frmGlobal;
class JanelaAjuda;
class frmread;
class locais;
struct Normalizado;

QFont fonteSimbolos(int pontos);

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* pai = nullptr);
    ~frmMain() override;

    SessaoMapa& sessao() { return m_sessao; }

    // Commands other windows and tests call.
    void ShowInfo(int corpo);
    QString FindAspect(int linha, int coluna) const;
    void EnableButtons(bool activo);
    bool Novo();                        // false when the user cancelled the save question
    bool AbreMapa(const QString& caminho); // asks to save first; false when cancelled
    bool Guardar();
    bool FileSaveAs();
    void MostraVista(int vista);
    int vistaActual() const;
    void RefreshRecentMenu();
    void Redesenha();
    void MostraCampos();                // the whole model into the controls
    void defineAjuda(const QString& ficheiro);
    void defineCompanheiros(bool glosador, bool duetto, bool movela, bool renovo);
    void CarregaOrbesDoArgumento(const QString& caminho);
    // The background pictures of options 1 and 2.
    void carregaFundos();

    // Controls tests reach by name too.
    QAction* accao(const QString& nome) const;

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* objecto, QEvent* evento) override;
    bool event(QEvent* evento) override;

private:
    void criaAccoes();
    void criaMenus();
    void criaBarras();
    QWidget* criaVistaDados();
    QWidget* criaFormNascimento(QWidget* vista);
    QVBoxLayout* criaPainelTempos();
    QWidget* criaVistaEfemerides();
    QWidget* criaVistaMapa();
    QWidget* criaVistaAspectos();
    QWidget* criaVistaPartes();
    QWidget* criaTeclado();
    void teclaPad(int indice, const QString& legenda);
    void avaliaExpressao();

    void leCampos(); // the controls into the model
    void campoDeixado(QLineEdit* campo);
    Normalizado normalizaCampo(QLineEdit* campo) const;
    void validaCampo(QLineEdit* campo);
    void actualizaAviso(QLineEdit* campo, bool mostra);
    bool calculaNoFuso() const;
    void comandoCalcular();
    void actualizaComandos();
    void mostraPosicoes();
    static int modoNovoMapa();
    bool podeDeixarLeitura();
    void actualizaFusoDescrito();
    void cuspideDeixada(int k);
    void posicaoClicada(int k);
    void actualizaEstado(); // the title, status line and wheel say whether the chart is out of date
    bool confirmaPosicoes(); // asked before a chart out of date leaves the window
    bool perguntaGuardar();
    void calcula();
    void refaz();
    void recalculaTempos();
    void escreveEmail();
    void abreOpcoes(int pagina);
    void abreGlobal(int modo);
    void exportaResumo();
    void exportaImagem(bool aspectos);
    void exportaTudo(bool comRelatorio);
    void exportaPdf();
    void importaAaf();
    void exportaAaf();
    void imprime(int que, QWidget* origem = nullptr); // origem: the window asking, over which boxes open
    void actualizacaoOnline();
    void lancaCompanheiro(const QString& programa, bool comMapa);
    void mostraAjuda(bool procurar);
    void sobre();
    void abreOutro();
    void exportaRelatorio();
    void preparaImpressao();
    void abreLeitura();
    void abreSitio();
    void emailAutor();
    void abreFormulario(int k);
    void abreAtlas();
    void ligaCampos();
    void ligaDesenho();
    bool dadosCompletos() const;
    bool guardaRelatorio(const QString& caminho);
    // The reading window with the report of the chart on screen: written anew when it holds
    // none, or one of another chart (opened, started or cast since).
    frmread* leituraDoMapa();
    void imprimeRelatorio(class QPrinter& impressora, bool tudo);
    void opcoesConfirmadas();
    frmread* leitura();
    void usaLocal(const LocalAtlas& l);
    void aplicaFusoAtlas();
    QIcon iconeDesenhado(const QString& chave) const;

    SessaoMapa m_sessao;

    QStackedWidget* m_painel = nullptr;
    QToolBar* m_tbToolBar = nullptr;
    QToolBar* m_tlbInfo = nullptr;
    QMenu* m_mnuFilePrint = nullptr;
    QMenu* m_mnuArquivo = nullptr;
    QMenu* m_mnuduetto = nullptr;
    QMenu* m_mnumovela = nullptr;
    QList<QAction*> m_mnuFileMRU;
    QAction* m_separadorMRU = nullptr;
    QAction* m_separadorCompanheiros = nullptr;
    QList<QAction*> m_accoesMapa; // enabled only with a chart open
    std::array<QToolButton*, 13> m_botoesInfo{};

    // View 0.
    QLineEdit* m_txtNome = nullptr;
    QRadioButton* m_masculino = nullptr;
    QRadioButton* m_feminino = nullptr;
    QLineEdit* m_txtData = nullptr;
    QLineEdit* m_txtHora = nullptr;
    QLineEdit* m_FusoHorario = nullptr;
    QLabel* m_fusoDescrito = nullptr;
    QLineEdit* m_txttemposideral = nullptr;
    QLineEdit* m_txtlocal = nullptr;
    QPushButton* m_cmdatlas = nullptr;
    QPushButton* m_cmdCalcular = nullptr;
    QLineEdit* m_txtLatitude = nullptr;
    QLineEdit* m_txtlongitude = nullptr;
    QLineEdit* m_txtemail = nullptr;
    QPlainTextEdit* m_cometarios = nullptr;
    std::array<QLabel*, 3> m_lblHoras{};
    std::array<QRadioButton*, 3> m_optwrite{};
    QHash<QLineEdit*, QLabel*> m_avisos;
    QHash<QLineEdit*, QString> m_textoAoEntrar;

    // View 1.
    std::array<QPushButton*, 13> m_PosPlaneta{};
    std::array<QLabel*, 12> m_lblretrogrado{};
    std::array<QLineEdit*, 6> m_PosCasas{};
    std::array<QLabel*, 6> m_lPosCasas{};
    // The optional points' rows of the ephemerides view: name, position, retrograde marker.
    std::array<std::array<QLabel*, 3>, N_PONTOS_EXTRA> m_linhaExtra{};
    QWidget* m_quadroExtra = nullptr;

    // View 2 and 3.
    SuperficieEcra* m_Mapa = nullptr;
    SuperficieEcra* m_aspectospic = nullptr;
    QLabel* m_info = nullptr;
    QLabel* m_KeyWord = nullptr;
    QLabel* m_anjo = nullptr;
    QLabel* m_lblesclarecedor = nullptr;
    QLabel* m_Eclipse = nullptr;
    QLabel* m_lblDesactualizado = nullptr;
    bool m_desenhadoDesactualizado = false;

    // View 4.
    std::array<QLabel*, 7> m_partes{};
    std::array<QLabel*, 7> m_partesCasa{};
    QLineEdit* m_txtexpression = nullptr;
    QLabel* m_calparte = nullptr;
    QLabel* m_calpartescasas = nullptr;
    QLabel* m_erroExpressao = nullptr;

    frmOptions* m_opcoes = nullptr;
    frmGlobal* m_global = nullptr;
    JanelaAjuda* m_ajuda = nullptr;
    frmread* m_leitura = nullptr;
    QStringList m_mapaDaLeitura; // the chart the reading window's report was written for
    locais* m_atlas = nullptr;
    LocalAtlas m_localAtlas;
    // The zone text the atlas last wrote; a null text once the user typed a zone.
    std::optional<QString> m_fusoDoAtlas;
    bool m_temGlosador = false;
    QString m_ficheiroAjuda;
    QString m_fundoMapa;
    QString m_fundoGrelha;
    std::map<int, Marcador> m_marcadores;
    std::array<Marcador, 12> m_marcadoresSignos{};
    double m_unidadeGrelha = 0.0;
    bool m_aMostrar = false; // the model is being shown: control signals are not edits
};
