#pragma once
#include <QString>

namespace razudar::gra {

// Public codes of the graphics control. The widget re-exports them by name for late-bound
// callers; the logic uses them from here.

enum StatiPiano : int { piVuoto = 0, piCaricato = 1, piVisualizzato = 2, piSuMonitor = 3 };

enum TipiOggetto : int {
    ogTipoSconosciuto = 0,  // our own name for the "unknown" row of the description table
    ogTipoTesto = 1,
    ogTipoAnimazione = 2,
    ogTipoImmagine = 3,
    ogTipoCrawl = 4,
    ogTipoRoll = 5,
    ogTipoOrologio = 6,
    ogTipoDVEavi = 7,
    ogTipoMatroxDVE = 8,
};

enum TipiInfo : int { ogNome = 0, ogTipo = 1, ogDescrizioneTipo = 2, ogX = 3, ogY = 4, ogW = 5, ogH = 6 };

enum ProprietaOggettoGenerico : int {
    ogProprietaTesto = 0,
    ogProprietaFont = 1,
    ogProprietaColore = 2,
    ogProprietaPercorso = 3,
    ogProprietaVisibile = 4,
    ogProprietaTimeStart = 5,
    ogProprietaTimeValue = 6,
    ogProprietaTimeSgn = 7,
    ogProprietaTimeRunFormat = 8,
    ogProprietaTimeStopFormat = 9,
    ogProprietaX = 10,
    ogProprietaY = 11,
    ogProprietaW = 12,
    ogProprietaH = 13,
    ogProprietaAlpha = 14,
    ogProprietaColoreOutline = 15,
};

constexpr int kPlaneCount = 2;
constexpr int kPageSlots = 101;  // page table slots 0 .. 100
constexpr int kFrameWidth = 720;
constexpr int kFrameHeight = 576;

// One graphics plane: the page it shows (index into the page table, -1 = none), its state and
// whether the page was started.
struct Piano {
    int IndicePagina = -1;
    StatiPiano Stato = piVuoto;
    bool Start = false;
};

// One entry of the page table.
struct Pagina {
    QString Nome;
    QString Path;
    int Piano = -1;
};

// "Vuoto", "Caricato", ... for a plane state 0..3; empty text outside.
QString stateDescription(int state);
// "0 - Sconosciuto" .. "8 - MatroxDVE"; empty text outside 0..8.
QString typeDescription(int type);
bool isValidType(int type);
// Text objects in the wide sense (plain text, crawl, roll).
bool isTextType(int type);
// Page and object names compare without case after trimming blanks on both sides.
bool sameName(const QString& a, const QString& b);

}  // namespace razudar::gra
