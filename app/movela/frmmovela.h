#pragma once
// Movela's window: the natal chart in time. The moment (transits on the bi-wheel with their
// aspects), the period's list (sortable, filtered, with a time-line), secondary progressions,
// solar-arc directions and the solar and lunar returns (saved as chart files).
#include "atlas.h"
#include "camposmapa.h"
#include "mapa.h"
#include "natal.h"
#include "retornos.h"
#include "transitos.h"

#include <QDateTime>
#include <QMainWindow>
#include <functional>
#include <memory>

class FonteDados;
class QComboBox;
class QDateEdit;
class QDateTimeEdit;
class QLabel;
class QTabWidget;
class QTableWidget;
class QTextBrowser;
class RodaDupla;
class LinhaTempo;

// A Julian day (universal time) and the UTC clock, to the millisecond.
double JdDeDataHora(const QDateTime& utc);
QDateTime DataHoraDeJd(double jd);

class frmMovela : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMovela(QWidget* pai = nullptr);

    // Opens a chart file; false (the user told why) when it cannot be read or cast.
    bool AbreMapa(const QString& caminho);
    bool TemMapa() const { return m_temMapa; }
    const Natal& natal() const { return m_natal; }

    // The moment shown, in universal time; setting it redraws the moment view.
    void DefineMomento(const QDateTime& utc);
    QDateTime Momento() const;
    // The period's list for two dates of the birth zone's calendar (the last day whole).
    bool CalculaPeriodo(const QDate& inicio, const QDate& fim);
    const std::vector<EventoTransito>& Eventos() const { return m_eventos; }
    // The event shown in the list's row (after sorting and filters), or nullptr.
    const EventoTransito* EventoDaLinha(int linha) const;
    // The return nearest a date, shown in its tab; NaN when it cannot be found.
    double CalculaRetorno(TipoRetorno tipo, const QDate& perto);
    // Where returns are cast: a place of the atlas, with its zone at the return; none for the
    // birth place.
    void DefineLocalRetorno(const std::optional<LocalAtlas>& local);
    bool GuardaRetorno(const QString& caminho = QString());

    bool ExportaCsv(const QString& caminho = QString());
    bool ExportaPdf(const QString& caminho = QString());
    bool ExportaRoda(const QString& caminho = QString());
    // Movela's texts database (open); without one the lines show no interpretation.
    void DefineTextos(FonteDados* base) { m_base = base; }
    QString TextoMostrado() const; // the interpretation shown for the selected line

private:
    void constroiMenus();
    QWidget* constroiMomento();
    QWidget* constroiPeriodo();
    QWidget* constroiProgressoes();
    QWidget* constroiArco();
    QWidget* constroiRetornos();
    void actualizaMomento();
    void preenchePeriodo();
    void filtra();
    void linhaEscolhida();
    void abreLinha(int linha);
    void actualizaProgressoes();
    void actualizaArco();
    void editaOrbes();
    void imprime();
    void abreOutro();
    QString instante(double jd) const;
    double jdDeData(const QDate& d) const; // midnight of the birth zone

    CamposMapa m_campos;
    std::unique_ptr<Mapa> m_mapa = std::make_unique<Mapa>();
    Natal m_natal;
    bool m_temMapa = false;
    OrbesTransito m_orbes;
    std::vector<EventoTransito> m_eventos;
    FonteDados* m_base = nullptr;

    CamposMapa m_camposRetorno;
    Mapa m_mapaRetorno;
    double m_instanteRetorno = 0.0;
    TipoRetorno m_tipoRetorno = TipoRetorno::Solar;
    bool m_temRetorno = false;
    std::optional<LocalAtlas> m_localRetorno;
    QLabel* m_lblLocalRetorno = nullptr;

    QTabWidget* m_abas = nullptr;
    QLabel* m_titulo = nullptr;
    QDateTimeEdit* m_momento = nullptr;
    RodaDupla* m_roda = nullptr;
    QTableWidget* m_aspectos = nullptr;
    QDateEdit* m_inicio = nullptr;
    QDateEdit* m_fim = nullptr;
    QComboBox* m_filtroCorpo = nullptr;
    QComboBox* m_filtroPonto = nullptr;
    QComboBox* m_filtroTipo = nullptr;
    QTableWidget* m_periodo = nullptr;
    LinhaTempo* m_linhaTempo = nullptr;
    QTextBrowser* m_texto = nullptr;
    QLabel* m_contagem = nullptr;
    QDateEdit* m_dataProgressao = nullptr;
    QTableWidget* m_progressao = nullptr;
    QTableWidget* m_lunar = nullptr;
    QTextBrowser* m_textoLua = nullptr;
    QDateEdit* m_dataArco = nullptr;
    QTableWidget* m_arco = nullptr;
    QComboBox* m_tipoRet = nullptr;
    QDateEdit* m_dataRetorno = nullptr;
    QLabel* m_resultadoRetorno = nullptr;
    RodaDupla* m_rodaRetorno = nullptr;
};
