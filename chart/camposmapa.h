#pragma once
// The main window's fields as plain texts: the chart's canonical state. Cast writes them,
// Rebuild and the chart file read them, the window shows them and writes edits back.
#include "escolhacalculo.h"

#include <QString>
#include <array>

struct CamposMapa {
    // Birth data.
    QString txtNome;
    bool sexoMasculino = true; // option "Masculino" (sexo 0) selected; false = "Feminino"
    QString txtData;
    QString txtHora;
    QString FusoHorario = QStringLiteral("0h0'0''");
    // The IANA zone the atlas filled FusoHorario from; empty when the zone was typed or read.
    QString fusoAtlas;
    QString txttemposideral = QStringLiteral("0h0'0''");
    QString txtlocal;
    QString txtLatitude;
    QString txtlongitude;
    QString cometarios;
    QString txtemail;

    // Positions: bodies 0..12 (12 = Parte da Fortuna), retrograde markers 0..11.
    std::array<QString, 13> PosPlaneta;
    std::array<bool, 12> lblretrogrado{};
    // The optional points (precise engine) in PontoExtra order: position texts, empty for a
    // point not computed, and retrograde markers. `escolha.pontos` is the set asked for.
    std::array<QString, N_PONTOS_EXTRA> PosExtra;
    std::array<bool, N_PONTOS_EXTRA> retroExtra{};
    // Cusps of houses X, XI, XII, I, II, III and the labels of their opposites IV..IX.
    std::array<QString, 6> PosCasas;
    std::array<QString, 6> lPosCasas;
    // Derived times: 0 universal time, 1 local mean time, 2 local sidereal time.
    std::array<QString, 3> lblHoras;
    // The seven Arabic parts: value text and house text ("5ª Casa  ").
    std::array<QString, 7> partes;
    std::array<QString, 7> partesCasa;

    // Side labels refreshed by every redraw.
    QString KeyWord;
    QString anjo;
    QString lblesclarecedor;
    bool Eclipse = false;

    // How positions are obtained: 0 typed, 1 from ephemerides, 2 computed.
    int optwrite = 2;

    // The open chart: whether one is open, its file path (empty when never saved or
    // loaded), and whether that path was last loaded or saved successfully, so that a
    // damaged chart is never written over silently.
    bool mapaAberto = false;
    QString caminhoFicheiro;
    bool caminhoValido = false;

    // The engine and house system that cast the chart (kept in the chart file after record 29
    // when not the defaults) and the cast's note for the status line (ephemeris used, polar
    // fallback).
    EscolhaCalculo escolha;
    QString avisoCalculo;
    // The chosen houses have no cusps at this latitude: the cusps are Porfírio's.
    bool recursoPolar = false;

    // First panel of the status bar, set when a chart is opened.
    QString textoEstado;

    // The reset for a new chart (the window's `Novo`): every text and derived time empty,
    // markers hidden, no chart open and no file path. The sex choice and the position mode
    // stay as they are.
    void Limpa();
};

// Captions of the window's labels that the positions summary repeats: the body-name labels
// 0..11, the house labels of the six entered cusps (X, XI, XII, I, II, III) and of their
// opposites (IV .. IX), and the names of the seven parts.
QString RotuloCorpoCampo(int i);  // 0..11
QString RotuloCasaCampo(int k);   // 0..11
QString RotuloParteCampo(int k);  // 0..6
