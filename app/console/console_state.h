#pragma once
// What the operator console shows of the race: the caption, the classification tabs, the
// category list and grid, the fifteen competitor (or heat) buttons, the two frames and the
// enabled state and captions of the page buttons. The console refresh writes it; the main
// window reflects it on its widgets; tests read it without a screen.
#include <QColor>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <array>
#include <utility>

#include "app/pages/page_codes.h"

namespace razudar {

inline constexpr int kClassificationTabs = 7;  // 0 "Assoluta", 1-5 "Manche 1-5", 6 "Categoria"
inline constexpr int kTabCategoria = 6;
inline constexpr int kCompetitorButtons = 15;

// One competitor button with the narrow button to its left.
struct CompetitorButtonView {
    bool visible = false;
    bool enabled = false;
    QString caption;
    QString tag;
    QString toolTip;
    int fontSize = 12;
    bool highlighted = false;  // yellow: the heat chosen for the parallel page
    bool sideVisible = false;
    bool sideEnabled = false;
    QString sideCaption;  // the heat number beside a heat button
};

struct ConsoleState {
    QString caption;
    std::array<bool, kClassificationTabs> tabEnabled{true, true, true, true, true, true, true};
    int currentTab = 0;
    QStringList categoryLines;                       // lstClassificaCategorie
    QList<std::pair<QString, QString>> categoryGrid;  // tdbCategorie: code, description
    // Counts the changes of the two lists above: a window rebuilds its category list and grid
    // only when the count moved since it last showed them.
    int categoriesVersion = 0;
    // Set when a new race state no longer has the category chosen in the grid and all
    // competitors are chosen instead; the window shows it once in the status bar.
    QString categoryNotice;
    std::array<CompetitorButtonView, kCompetitorButtons> buttons{};
    bool tempoCorrereVisible = true;  // fraTempoCorrere
    bool paralleloVisible = false;    // fraParallelo
    bool distaccoParalleloEnabled = true;
    bool sponsorEnabled = true;
    QMap<int, bool> pageEnabled;      // by page code
    QMap<int, QString> pageCaption;   // by page code
};

// The page buttons: page code and caption ("&" marks the access key), in the order the window
// lays them out; the frame says where each sits.
enum class PageButtonFrame { Main, TempoCorrere, Parallelo };
struct PageButtonSpec {
    int code;
    const char16_t* caption;
    PageButtonFrame frame;
    const char* tag;
};
inline constexpr PageButtonSpec kPageButtons[] = {
    {kCodicePulizia, u"Puli&zia", PageButtonFrame::Main, ""},
    {kCodiceClassificaGrande, u"&Classifica Grande", PageButtonFrame::Main, ""},
    {kCodiceOrdinePartenza, u"&Ordine Partenza", PageButtonFrame::Main, ""},
    {kCodiceClassificaBassa, u"Classifica &Bassa", PageButtonFrame::Main, ""},
    {kCodiceSeguenteClassifica, u"+", PageButtonFrame::Main, ""},
    {kCodicePodio, u"&Podio", PageButtonFrame::Main, ""},
    {kCodiceScheda, u"Sche&da", PageButtonFrame::Main, ""},
    {kCodiceSchedaPrimo, u"1°", PageButtonFrame::Main, ""},
    {kCodiceSchedaSecondo, u"2°", PageButtonFrame::Main, ""},
    {kCodiceSchedaTerzo, u"3°", PageButtonFrame::Main, ""},
    {kCodicePaginaPiena, u"Pagina Piena", PageButtonFrame::Main, ""},
    {kCodicePaginaBassa, u"Pagina Bassa", PageButtonFrame::Main, ""},
    {kCodicePaginaLibera1, u"Pagina Libera 1", PageButtonFrame::Main, ""},
    {kCodicePaginaLibera2, u"Pagina Libera 2", PageButtonFrame::Main, ""},
    {kCodicePaginaLibera3, u"Pagina Libera 3", PageButtonFrame::Main, ""},
    {kCodiceStart, u"&Start", PageButtonFrame::TempoCorrere, ""},
    {kCodiceStartZero, u"Start &0", PageButtonFrame::TempoCorrere, ""},
    {kCodiceIntermedio1, u"I&1", PageButtonFrame::TempoCorrere, "1"},
    {kCodiceIntermedio2, u"I&2", PageButtonFrame::TempoCorrere, "2"},
    {kCodiceFinale, u"&F", PageButtonFrame::TempoCorrere, "F"},
    {kCodiceClassificaTC, u"C&lassifica", PageButtonFrame::TempoCorrere, ""},
    {kCodiceParallelo, u"&Parallelo", PageButtonFrame::Parallelo, ""},
};

// The row of `code` in the category grid; -1 when the grid does not hold it.
int categoryGridRow(const ConsoleState& console, const QString& code);

// The state of a console before the first race state: every page button enabled with its
// design caption, the running-clock frame shown.
ConsoleState initialConsoleState();

}  // namespace razudar
