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
    {0, u"Puli&zia", PageButtonFrame::Main, ""},
    {1, u"&Classifica Grande", PageButtonFrame::Main, ""},
    {2, u"&Ordine Partenza", PageButtonFrame::Main, ""},
    {3, u"Classifica &Bassa", PageButtonFrame::Main, ""},
    {13, u"+", PageButtonFrame::Main, ""},
    {4, u"&Podio", PageButtonFrame::Main, ""},
    {5, u"Sche&da", PageButtonFrame::Main, ""},
    {6, u"1°", PageButtonFrame::Main, ""},
    {7, u"2°", PageButtonFrame::Main, ""},
    {8, u"3°", PageButtonFrame::Main, ""},
    {15, u"Pagina Piena", PageButtonFrame::Main, ""},
    {16, u"Pagina Bassa", PageButtonFrame::Main, ""},
    {17, u"Pagina Libera 1", PageButtonFrame::Main, ""},
    {18, u"Pagina Libera 2", PageButtonFrame::Main, ""},
    {19, u"Pagina Libera 3", PageButtonFrame::Main, ""},
    {20, u"&Start", PageButtonFrame::TempoCorrere, ""},
    {9, u"Start &0", PageButtonFrame::TempoCorrere, ""},
    {21, u"I&1", PageButtonFrame::TempoCorrere, "1"},
    {22, u"I&2", PageButtonFrame::TempoCorrere, "2"},
    {23, u"&F", PageButtonFrame::TempoCorrere, "F"},
    {10, u"C&lassifica", PageButtonFrame::TempoCorrere, ""},
    {25, u"&Parallelo", PageButtonFrame::Parallelo, ""},
};

// The row of `code` in the category grid; -1 when the grid does not hold it.
int categoryGridRow(const ConsoleState& console, const QString& code);

// The state of a console before the first race state: every page button enabled with its
// design caption, the running-clock frame shown.
ConsoleState initialConsoleState();

}  // namespace razudar
