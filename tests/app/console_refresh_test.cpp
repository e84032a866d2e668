// The console refresh without a screen: caption, tabs, categories, competitor and heat buttons
// and page buttons rebuilt from the race state.
#include <gtest/gtest.h>

#include <functional>

#include "app/console/console_refresh.h"
#include "app/pages/page_codes.h"
#include "app/program_state.h"
#include "data/object_text_encoder.h"

namespace razudar::apptest {
namespace {

struct RecordingHost : ConsoleHost {
    void tabChanged(int previousTab) override { tabChanges.push_back(previousTab); }
    void consoleChanged() override { ++changes; }
    std::vector<int> tabChanges;
    int changes = 0;
};

struct Console : ::testing::Test {
    void use(std::shared_ptr<clsKrono> race) { state.race.Krono = std::move(race); }
    // Every competitor of the current run in `stato`.
    void setAll(qint32 stato) {
        clsKrono& k = state.krono();
        for (qint16 n : k.ElencoConcorrenti()) k.ConcorrenteItem(n)->Risultati(k.MancheSfidaCorrente())->setStatoConcorrente(stato);
    }
    int visibleButtons() const {
        int n = 0;
        for (const auto& b : refresh.view().buttons) n += b.visible ? 1 : 0;
        return n;
    }
    ProgramState state;
    RecordingHost host;
    QString tipoTurno2 = QStringLiteral("GS1");
    ConsoleRefresh refresh{state, host, [this](qint32 id) { return id == 2 ? tipoTurno2 : QString(); }};
};

TEST_F(Console, CaptionAndCategoriesFollowTheRace) {
    use(encoder::demoRace({.competitors = 6, .runs = 2, .categories = 2}));
    refresh.AggiornaClassificheInterfaccia();
    const ConsoleState& v = refresh.view();
    EXPECT_TRUE(v.caption.startsWith(QStringLiteral("Razudar (Zez) 1.0")));
    EXPECT_TRUE(v.caption.endsWith(QStringLiteral(" (Trofeo Città di Cortina - Manche di Qualificazione)")));
    EXPECT_EQ(v.categoryLines, (QStringList{QStringLiteral("Under 16 è (U16)"), QStringLiteral("Under 18 è (U18)")}));
    ASSERT_EQ(v.categoryGrid.size(), 3);
    EXPECT_EQ(v.categoryGrid[0], (std::pair{QStringLiteral("XXXXX"), QStringLiteral("TUTTI I CONCORRENTI")}));
    EXPECT_EQ(v.categoryGrid[2], (std::pair{QStringLiteral("U18"), QStringLiteral("Under 18 è")}));
    EXPECT_TRUE(v.tabEnabled[6]);
}

// A description received with control characters keeps one row in the list and the grid; the
// category itself keeps what was received.
TEST_F(Console, ACategoryDescriptionWithALineBreakStaysOnOneRow) {
    use(encoder::demoRace({.competitors = 6, .runs = 1, .categories = 2}));
    state.krono().CategoriaInOrdine(2)->setDescrizione(QStringLiteral("Under\r\n18\t\u0085è"));
    refresh.AggiornaClassificheInterfaccia();
    const ConsoleState& v = refresh.view();
    EXPECT_EQ(v.categoryLines.at(1), QStringLiteral("Under  18  è (U18)"));
    ASSERT_EQ(v.categoryGrid.size(), 3);
    EXPECT_EQ(v.categoryGrid[2], (std::pair{QStringLiteral("U18"), QStringLiteral("Under  18  è")}));
    EXPECT_EQ(state.krono().CategoriaInOrdine(2)->Descrizione(), QStringLiteral("Under\r\n18\t\u0085è"));
    // Refreshed again with the same description, the grid is not built anew.
    const auto version = v.categoriesVersion;
    refresh.AggiornaClassificheInterfaccia();
    EXPECT_EQ(refresh.view().categoriesVersion, version);
}

// A race whose categories are `codes`, in that order; competitor i belongs to codes[i % n], and
// every competitor is on course.
std::shared_ptr<clsKrono> raceWithCategories(const QStringList& codes) {
    auto race = encoder::demoRace({.competitors = 8, .runs = 1, .categories = 0});
    for (const QString& code : codes) {
        auto c = std::make_shared<clsCategoria>();
        c->setCategoria(code);
        c->setDescrizione(QStringLiteral("Categoria ") + code);
        race->CategoriaAdd(std::move(c));
    }
    int i = 0;
    for (qint16 n : race->ElencoConcorrenti()) {
        race->ConcorrenteItem(n)->CategoriaAdd(codes.at(i++ % codes.size()));
        race->ConcorrenteItem(n)->Risultati(1)->setStatoConcorrente(20);
    }
    return race;
}

TEST_F(Console, ANewCategoryListKeepsTheChosenCategoryOrChoosesEveryCompetitor) {
    const struct {
        QStringList codes;
        int row;         // the chosen category's row after the refresh
        QString chosen;  // CategoriaSelezionata after it
        QString notice;
        int buttons;
    } steps[] = {
        {{"U16", "U18"}, 2, "U18", "", 4},
        {{"U14", "U16", "U18", "U20"}, 3, "U18", "", 2},  // U18 moved down a row
        {{"U14", "U16"}, 0, "XXXXX", "La categoria U18 non è nella gara: selezionati tutti i concorrenti.", 8},
        {{"U18", "U20"}, 0, "XXXXX", "", 8},  // all competitors stay chosen
    };
    state.CategoriaSelezionata = QStringLiteral("U18");
    for (const auto& step : steps) {
        const QString list = step.codes.join(u',');
        use(raceWithCategories(step.codes));
        refresh.takeCategoryNotice();  // the window shows a notice once, then takes it away
        refresh.AggiornaClassificheInterfaccia();
        const ConsoleState& v = refresh.view();
        EXPECT_EQ(v.categoryGrid.size(), step.codes.size() + 1) << list.toStdString();
        EXPECT_EQ(categoryGridRow(v, state.CategoriaSelezionata), step.row) << list.toStdString();
        EXPECT_EQ(state.CategoriaSelezionata, step.chosen) << list.toStdString();
        EXPECT_EQ(v.categoryNotice, step.notice) << list.toStdString();
        EXPECT_EQ(visibleButtons(), step.buttons) << list.toStdString();
    }
    EXPECT_EQ(categoryGridRow(refresh.view(), QStringLiteral("U99")), -1);
}

// A refresh shows the console once. The category lists change (and their count moves) only when
// the race's categories differ from those shown: code, description or order.
TEST_F(Console, ARefreshShowsTheConsoleOnceAndRebuildsTheCategoriesOnlyWhenTheyChange) {
    use(raceWithCategories({"U16", "U18", "U20"}));
    const int shown = host.changes;
    refresh.AggiornaClassificheInterfaccia();
    EXPECT_EQ(host.changes, shown + 1);
    const struct {
        const char* name;
        std::function<void(clsKrono&)> change;
        bool rebuilt;
        QStringList lines;
    } steps[] = {
        {"nulla", [](clsKrono&) {}, false, {"Categoria U16 (U16)", "Categoria U18 (U18)", "Categoria U20 (U20)"}},
        {"un tempo", [](clsKrono& k) { k.ConcorrenteItem(1001)->Risultati(1)->setTempo(112345); }, false,
         {"Categoria U16 (U16)", "Categoria U18 (U18)", "Categoria U20 (U20)"}},
        {"una descrizione", [](clsKrono& k) { k.CategoriaInOrdine(2)->setDescrizione(QStringLiteral("Giovani")); }, true,
         {"Categoria U16 (U16)", "Giovani (U18)", "Categoria U20 (U20)"}},
        {"un codice", [](clsKrono& k) { k.CategoriaInOrdine(3)->setCategoria(QStringLiteral("U21")); }, true,
         {"Categoria U16 (U16)", "Giovani (U18)", "Categoria U20 (U21)"}},
        {"una categoria in più",
         [](clsKrono& k) {
             auto c = std::make_shared<clsCategoria>();
             c->setCategoria(QStringLiteral("SEN"));
             c->setDescrizione(QStringLiteral("Senior"));
             k.CategoriaAdd(std::move(c));
         },
         true, {"Categoria U16 (U16)", "Giovani (U18)", "Categoria U20 (U21)", "Senior (SEN)"}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        const int version = refresh.view().categoriesVersion;
        step.change(state.krono());
        refresh.AggiornaClassificheInterfaccia();
        EXPECT_EQ(refresh.view().categoriesVersion, version + (step.rebuilt ? 1 : 0));
        EXPECT_EQ(refresh.view().categoryLines, step.lines);
        EXPECT_EQ(refresh.view().categoryGrid.size(), step.lines.size() + 1);
    }
    // A new race state with the same categories in the same order changes nothing shown.
    const int version = refresh.view().categoriesVersion;
    auto same = raceWithCategories({"U16", "U18", "U20"});
    same->CategoriaInOrdine(2)->setDescrizione(QStringLiteral("Giovani"));
    same->CategoriaInOrdine(3)->setCategoria(QStringLiteral("U21"));
    auto senior = std::make_shared<clsCategoria>();
    senior->setCategoria(QStringLiteral("SEN"));
    senior->setDescrizione(QStringLiteral("Senior"));
    same->CategoriaAdd(std::move(senior));
    use(same);
    refresh.AggiornaClassificheInterfaccia();
    EXPECT_EQ(refresh.view().categoriesVersion, version);
}

TEST_F(Console, ARaceWithoutCategoriesOffersNoCategoryTab) {
    use(encoder::demoRace({.competitors = 4, .runs = 1, .categories = 0}));
    refresh.AggiornaClassificheInterfaccia();
    EXPECT_FALSE(refresh.view().tabEnabled[6]);
    EXPECT_TRUE(refresh.view().categoryLines.isEmpty());
    EXPECT_EQ(refresh.view().categoryGrid.size(), 1);
}

TEST_F(Console, TabsOfferedAndTabOnShowByRunTurnAndDiscipline) {
    const struct {
        int runs;         // Manches and MancheCorrente
        qint32 turnType;
        qint32 discipline;
        bool overallOffered;
        int currentTab;
    } cases[] = {
        {1, 4, 5, false, 1},  // one run: no overall tab, the run's tab
        {2, 4, 5, true, 0},   // second run: the overall classification
        {2, 1, 5, false, 2},  // turn type 1: the run's own tab
        {2, 4, 15, true, 2},  // discipline 15 stays on the run
        {3, 4, 5, true, 0},
    };
    for (const auto& c : cases) {
        auto race = encoder::demoRace({.competitors = 4, .runs = c.runs});
        race->setTurnoCorrenteTipo(c.turnType);
        race->cGara.setDisciplina(c.discipline);
        use(race);
        host.tabChanges.clear();
        refresh.setCurrentTab(5);
        refresh.AggiornaClassificheInterfaccia();
        const ConsoleState& v = refresh.view();
        EXPECT_EQ(v.tabEnabled[0], c.overallOffered) << c.runs << " " << c.turnType << " " << c.discipline;
        for (int i = 1; i <= 5; ++i) EXPECT_EQ(v.tabEnabled[size_t(i)], i <= c.runs);
        EXPECT_EQ(v.currentTab, c.currentTab);
        // Once for the tab on show, once more for the change.
        EXPECT_EQ(host.tabChanges, (std::vector<int>{5, 5}));
    }
}

TEST_F(Console, OnlyTheFirstFifteenCompetitorsOnCourseInStartOrderGetAButton) {
    use(encoder::demoRace({.competitors = 30, .runs = 1, .categories = 2}));
    setAll(20);
    clsKrono& k = state.krono();
    k.ConcorrenteItem(1030)->Risultati(1)->setStatoConcorrente(0);  // arrived: no button
    k.ConcorrenteItem(1029)->Risultati(1)->setStatoConcorrente(10);
    refresh.AggiornaClassificheInterfaccia();
    const ConsoleState& v = refresh.view();
    EXPECT_EQ(visibleButtons(), 15);
    // Start order runs from bib 30 down; 30 has arrived.
    EXPECT_EQ(v.buttons[0].caption, QStringLiteral("29"));
    EXPECT_EQ(v.buttons[0].tag, QStringLiteral("29"));
    EXPECT_EQ(v.buttons[0].toolTip, QLatin1Char(' ') + k.ConcorrenteItem(1029)->CognomeNomePuntato() + QLatin1Char(' '));
    EXPECT_EQ(v.buttons[0].fontSize, 12);
    EXPECT_TRUE(v.buttons[0].sideVisible);
    EXPECT_TRUE(v.buttons[0].sideCaption.isEmpty());
    EXPECT_EQ(v.buttons[14].caption, QStringLiteral("15"));
    EXPECT_TRUE(v.tempoCorrereVisible);
    EXPECT_FALSE(v.paralleloVisible);
    EXPECT_EQ(v.pageCaption[kCodiceOrdinePartenza], QStringLiteral("&Ordine Partenza"));

    // A category narrows the buttons to its members.
    state.CategoriaSelezionata = QStringLiteral("U16");
    refresh.AggiornaPulsantiConcorrenti();
    for (const auto& b : v.buttons) {
        if (!b.visible) continue;
        const qint16 n = qint16(k.ConcorrenteDaPettorale(qint16(b.caption.toInt())));
        EXPECT_TRUE(k.ConcorrenteItem(n)->CategoriaPresente(QStringLiteral("U16"))) << b.caption.toStdString();
    }
    // The buttons are the category's members on course, in start order (bibs 29 down): bib i is
    // in U16 when i % 3 is 2, or when i % 3 is 1 and i is even.
    QStringList shown;
    for (const auto& b : v.buttons)
        if (b.visible) shown << b.caption;
    EXPECT_EQ(shown, (QStringList{"29", "28", "26", "23", "22", "20", "17", "16", "14", "11", "10", "8", "5", "4", "2"}));
}

TEST_F(Console, HeatButtonsShowBibsAndNamesOfTheOpenHeats) {
    auto race = encoder::demoRace({.competitors = 8, .runs = 1, .intermediates = 0, .parallel = true});
    race->setTurnoCorrenteTipo(10);
    use(race);
    setAll(20);
    clsKrono& k = state.krono();
    // Heat 2 is over.
    for (qint16 n : k.ElencoConcorrentiSfida(2)) k.ConcorrenteItem(n)->Risultati(k.MancheSfidaCorrente())->setStatoConcorrente(0);
    refresh.AggiornaClassificheInterfaccia();
    const ConsoleState& v = refresh.view();
    EXPECT_EQ(visibleButtons(), 3);
    EXPECT_EQ(v.buttons[0].sideCaption, QStringLiteral("1"));
    EXPECT_EQ(v.buttons[0].caption, QStringLiteral("1-2"));
    EXPECT_EQ(v.buttons[0].fontSize, 10);
    EXPECT_EQ(v.buttons[0].toolTip, QLatin1Char(' ') + k.ConcorrenteItem(1001)->CognomeNomePuntato() +
                                        QStringLiteral("  vs  ") + k.ConcorrenteItem(1002)->CognomeNomePuntato() +
                                        QLatin1Char(' '));
    EXPECT_EQ(v.buttons[1].sideCaption, QStringLiteral("3"));
    EXPECT_FALSE(v.tempoCorrereVisible);
    EXPECT_TRUE(v.paralleloVisible);
    EXPECT_EQ(v.pageCaption[kCodiceOrdinePartenza], QStringLiteral("Tabell&one"));
    EXPECT_FALSE(v.pageEnabled[kCodiceSeguenteClassifica]);
    EXPECT_TRUE(v.pageEnabled[kCodiceClassificaGrande]);  // the turn is the qualifying turn type
    const bool finale = k.MancheSfidaCorrente() == k.cGara.TabelloneNumeroDiscese();
    EXPECT_EQ(v.pageEnabled[kCodicePodio], finale);
    EXPECT_EQ(v.distaccoParalleloEnabled, k.MancheSfidaCorrente() > 1);

    tipoTurno2 = QStringLiteral("QUAL");
    refresh.AggiornaPulsantiConcorrenti();
    EXPECT_FALSE(v.pageEnabled[kCodiceClassificaGrande]);
    EXPECT_FALSE(v.pageEnabled[kCodiceClassificaBassa]);
}

TEST_F(Console, ThePageButtonGroupSwitchLeavesTheFixedButtonsAlone) {
    use(encoder::demoRace({.competitors = 3}));
    refresh.AbilitaPulsantiPagina(false);
    const ConsoleState& v = refresh.view();
    for (int code : {kCodiceClassificaGrande, kCodiceOrdinePartenza, kCodiceClassificaBassa, kCodicePodio,
                     kCodiceScheda, kCodiceSchedaPrimo, kCodiceSchedaSecondo, kCodiceSchedaTerzo, kCodiceStartZero,
                     kCodiceSeguenteClassifica, kCodiceStart, kCodiceIntermedio1, kCodiceIntermedio2, kCodiceFinale,
                     kCodiceParallelo})
        EXPECT_FALSE(v.pageEnabled[code]) << code;
    for (int code : {kCodicePulizia, kCodiceClassificaTC, kCodicePaginaPiena, kCodicePaginaBassa, kCodicePaginaLibera1,
                     kCodicePaginaLibera2, kCodicePaginaLibera3})
        EXPECT_TRUE(v.pageEnabled[code]) << code;
    EXPECT_FALSE(v.sponsorEnabled);
    EXPECT_FALSE(v.distaccoParalleloEnabled);
    refresh.AbilitaPulsantiPagina(true);
    EXPECT_TRUE(v.pageEnabled[kCodiceParallelo]);
    EXPECT_TRUE(v.sponsorEnabled);
}

}  // namespace
}  // namespace razudar::apptest
