#pragma once
// The open chart behind the main window: the field model, the chart model, whether there are
// changes not yet saved, and the commands that act on them. Plain code, so that tests drive
// it without a window and the window's handlers stay thin.
#include "calculo.h"
#include "camposmapa.h"
#include "mapa.h"

#include <QString>
#include <functional>

class SessaoMapa {
public:
    SessaoMapa();

    CamposMapa& campos() { return m_campos; }
    const CamposMapa& campos() const { return m_campos; }
    Mapa& mapa() { return MapaActual(); }

    // Called whenever the chart model changed and the pictures and side labels must follow.
    void defineRedesenho(Redesenho r) { m_redesenho = std::move(r); }
    // The path a user chooses for Save As (empty = cancelled).
    void defineEscolha(std::function<QString()> escolhe) { m_escolhe = std::move(escolhe); }

    // Something the user would lose: for a chart read or saved whole, what a save would write
    // differs from what the file holds; otherwise any edit since the last reset.
    bool alterado() const;
    void marcaAlterado() { m_alterado = true; }
    // The birth data differ from those of the positions shown (never cast, or edited since).
    bool dadosPorCalcular() const;
    // The positions shown are those of other birth data than the fields now hold (edited after
    // the cast or after the file was read). Positions typed by hand for a chart never cast or
    // read are the user's, whatever the data.
    bool desactualizado() const;
    // The positions stay as they are, taken from now on as those of the birth data shown.
    void mantemPosicoes();
    // Before a chart out of date is saved, printed, exported or read: cast it again, keep its
    // positions, or stop. True when the caller may go on.
    bool ConfirmaPosicoes();

    // The question before the open chart is left; true when the caller may go on (saved,
    // or the user chose not to save). Nothing is asked without changes; birth data typed
    // but never cast are asked about too.
    bool PodeDeixar();

    void Novo();
    // A file that cannot be read leaves the chart shown before exactly as it was.
    bool Abre(const QString& caminho);
    // What the last Abre has to tell once the chart is shown (a file read as UTF-8); empty if nothing.
    const QString& avisoAbertura() const { return m_avisoAbertura; }
    bool Calcula();
    void Refaz();
    // Refazer Cálculos (Shift+F5): a computed chart cast with another engine or house system than the current choice is
    // cast again with it (true then); otherwise it is rebuilt from the fields.
    bool RefazComEscolha();
    bool Guarda();
    bool GuardaComo();
    // The autosave when the comments lose focus: only over a path that was read or written
    // whole, so a damaged chart is never rewritten from the few fields read.
    bool GuardaAutomatico();

private:
    CamposMapa m_campos;
    Redesenho m_redesenho;
    std::function<QString()> m_escolhe;
    void marcaGuardado();

    bool m_alterado = false;
    QString m_avisoAbertura;
    QByteArray m_bytesGuardados; // the file as last read or written whole
    QString m_dadosCalculados;   // the birth data behind the positions shown
};

// The information text of a body (number 1..13) for the panel beside the wheel; empty above 13.
QString TextoShowInfo(Mapa& mapa, int corpo);
