// The console unit's operator steps without a window: the chosen competitor or heat button, the
// category notice shown once, and the preview each classification tab and category line asks for.
#include <gtest/gtest.h>

#include "app/console/console_refresh.h"
#include "app/program_state.h"
#include "data/object_text_encoder.h"

namespace razudar::apptest {
namespace {

struct CountingHost : ConsoleHost {
    void tabChanged(int) override {}
    void consoleChanged() override { ++changes; }
    int changes = 0;
};

struct ConsoleSteps : ::testing::Test {
    void use(std::shared_ptr<clsKrono> race) {
        state.race.Krono = std::move(race);
        for (qint16 n : state.krono().ElencoConcorrenti())
            state.krono().ConcorrenteItem(n)->Risultati(state.krono().MancheSfidaCorrente())->setStatoConcorrente(20);
        console.AggiornaClassificheInterfaccia();
    }
    int highlighted() const {
        int n = 0;
        for (const auto& b : console.view().buttons) n += b.highlighted ? 1 : 0;
        return n;
    }
    ProgramState state;
    CountingHost host;
    ConsoleRefresh console{state, host, [](qint32) { return QString(); }};
};

TEST_F(ConsoleSteps, ACompetitorButtonGivesItsBibAndHighlightsNothing) {
    use(encoder::demoRace({.competitors = 6, .runs = 1}));
    const int shownBefore = host.changes;
    const std::optional<QString> bib = console.selectButton(2);
    ASSERT_TRUE(bib.has_value());
    EXPECT_EQ(*bib, console.view().buttons[2].caption);
    EXPECT_EQ(*bib, QStringLiteral("4"));  // start order runs from bib 6 down
    EXPECT_EQ(state.IndicePulsanteConcorrente, 2);
    EXPECT_EQ(highlighted(), 0);
    EXPECT_EQ(host.changes, shownBefore + 1);  // the cleared highlight shown once
}

TEST_F(ConsoleSteps, AHeatButtonIsHighlightedAloneAndGivesNoBib) {
    auto race = encoder::demoRace({.competitors = 8, .runs = 1, .intermediates = 0, .parallel = true});
    race->setTurnoCorrenteTipo(10);
    use(race);
    EXPECT_FALSE(console.selectButton(0).has_value());
    EXPECT_TRUE(console.view().buttons[0].highlighted);
    const int shownBefore = host.changes;
    EXPECT_FALSE(console.selectButton(1).has_value());
    EXPECT_EQ(state.IndicePulsanteConcorrente, 1);
    EXPECT_FALSE(console.view().buttons[0].highlighted);
    EXPECT_TRUE(console.view().buttons[1].highlighted);
    EXPECT_EQ(highlighted(), 1);
    EXPECT_EQ(host.changes, shownBefore + 2);  // cleared, then highlighted

    console.clearHighlights();
    EXPECT_EQ(highlighted(), 0);
    // A re-ranking clears the highlight too.
    console.selectButton(0);
    console.AggiornaPulsantiConcorrenti();
    EXPECT_EQ(highlighted(), 0);
}

TEST_F(ConsoleSteps, TheBibBoxChoosesTheCompetitorOfItsBibOrNone) {
    use(encoder::demoRace({.competitors = 6, .runs = 1}));
    const BibSelection chosen = console.chooseBib(QStringLiteral("4"));
    EXPECT_EQ(chosen.concorrente, 1004);
    EXPECT_EQ(state.ConcorrenteSelezionato, 1004);
    EXPECT_EQ(chosen.nominativo, state.krono().ConcorrenteItem(1004)->Cognome() + QLatin1Char(' ') +
                                     state.krono().ConcorrenteItem(1004)->Nome());
    EXPECT_EQ(chosen.avviso, QString());
    const BibSelection none = console.chooseBib(QStringLiteral(" 99 "));
    EXPECT_EQ(state.ConcorrenteSelezionato, -1);
    EXPECT_EQ(none.nominativo, QString());
    EXPECT_EQ(none.avviso, QStringLiteral("Nessun concorrente con il pettorale 99"));
    console.chooseBib(QStringLiteral("6"));
    EXPECT_EQ(state.ConcorrenteSelezionato, 1006);
    console.chooseBib(QString());
    EXPECT_EQ(state.ConcorrenteSelezionato, -1);
}

TEST_F(ConsoleSteps, TheTwoCheckBoxesSwitchWhatTheirPagesShow) {
    const struct {
        bool name;
        bool gap;
    } steps[] = {{true, false}, {true, true}, {false, true}, {false, false}};
    for (const auto& step : steps) {
        console.showNameOnClock(step.name);
        console.showParallelGap(step.gap);
        EXPECT_EQ(state.NominativoTCVisibile, step.name);
        EXPECT_EQ(state.DistaccoParalleloVisibile, step.gap);
    }
}

TEST_F(ConsoleSteps, AButtonOutsideTheFifteenChangesNothing) {
    use(encoder::demoRace({.competitors = 6, .runs = 1}));
    state.IndicePulsanteConcorrente = 3;
    const int shownBefore = host.changes;
    for (int index : {-1, kCompetitorButtons}) {
        EXPECT_FALSE(console.selectButton(index).has_value()) << index;
        EXPECT_EQ(state.IndicePulsanteConcorrente, 3) << index;
    }
    EXPECT_EQ(host.changes, shownBefore);
}

TEST_F(ConsoleSteps, TheCategoryNoticeIsTakenOnce) {
    state.CategoriaSelezionata = QStringLiteral("U99");
    use(encoder::demoRace({.competitors = 6, .runs = 1, .categories = 2}));
    EXPECT_EQ(console.takeCategoryNotice(),
              QStringLiteral("La categoria U99 non è nella gara: selezionati tutti i concorrenti."));
    EXPECT_EQ(console.takeCategoryNotice(), QString());
    EXPECT_TRUE(console.view().categoryNotice.isEmpty());
}

TEST_F(ConsoleSteps, EachTabAsksForItsPreview) {
    const QString all = clsConcorrente::kAllCategories;
    // Before a race is loaded the category tab has nothing to show; the others still idle the
    // category list.
    EXPECT_EQ(console.previewFor(0), (PreviewChoice{0, all, QString(), false}));
    EXPECT_FALSE(console.previewFor(kTabCategoria).has_value());

    use(encoder::demoRace({.competitors = 6, .runs = 2, .categories = 2}));
    state.krono().setCategoriaPreview(QStringLiteral("U18"));
    const struct {
        int tab;
        std::optional<PreviewChoice> preview;
    } cases[] = {
        {0, PreviewChoice{0, all, QString(), false}},
        {1, PreviewChoice{1, all, QString(), false}},
        {5, PreviewChoice{5, all, QString(), false}},
        {kTabCategoria, PreviewChoice{0, QStringLiteral("U18"), QStringLiteral("Under 18 è"), true}},
        {-1, std::nullopt},
        {kClassificationTabs, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(console.previewFor(c.tab), c.preview) << c.tab;
}

TEST_F(ConsoleSteps, ACategoryLineBecomesTheCategoryOnPreview) {
    EXPECT_FALSE(console.chooseCategoryLine(0).has_value());  // no race yet
    use(encoder::demoRace({.competitors = 6, .runs = 1, .categories = 2}));
    const struct {
        int line;
        std::optional<PreviewChoice> preview;
        QString onPreview;  // CategoriaPreview after the click
    } cases[] = {
        {1, PreviewChoice{0, QStringLiteral("U18"), QStringLiteral("Under 18 è"), std::nullopt}, QStringLiteral("U18")},
        {0, PreviewChoice{0, QStringLiteral("U16"), QStringLiteral("Under 16 è"), std::nullopt}, QStringLiteral("U16")},
        {2, std::nullopt, QStringLiteral("U16")},   // past the last line: unchanged
        {-1, std::nullopt, QStringLiteral("U16")},  // no line chosen
    };
    for (const auto& c : cases) {
        EXPECT_EQ(console.chooseCategoryLine(c.line), c.preview) << c.line;
        EXPECT_EQ(state.krono().CategoriaPreview(), c.onPreview) << c.line;
    }
}

TEST_F(ConsoleSteps, ACategoryChosenInTheGridAnswersTheRowThatShowsIt) {
    EXPECT_FALSE(console.chooseCategory(QStringLiteral("U16")).has_value());  // no race yet
    EXPECT_EQ(state.CategoriaSelezionata, clsConcorrente::kAllCategories);
    use(encoder::demoRace({.competitors = 6, .runs = 1, .categories = 2}));
    const struct {
        QString code;
        int row;
    } cases[] = {
        {QStringLiteral("U18"), 2},
        {QStringLiteral("U16"), 1},
        {clsConcorrente::kAllCategories, 0},
        {QStringLiteral("U99"), 0},  // not in the race: the first row
    };
    for (const auto& c : cases) {
        EXPECT_EQ(console.chooseCategory(c.code), c.row) << c.code.toStdString();
        EXPECT_EQ(state.CategoriaSelezionata, c.code);
        if (c.row > 0) {
            EXPECT_EQ(categoryGridRow(console.view(), c.code), c.row) << c.code.toStdString();
        }
    }
}

TEST_F(ConsoleSteps, TheFirstPaintShowsEveryButtonEmpty) {
    use(encoder::demoRace({.competitors = 6, .runs = 1}));
    console.selectButton(0);
    console.showEmptyButtons();
    for (const CompetitorButtonView& b : console.view().buttons) {
        EXPECT_TRUE(b.visible && b.sideVisible);
        EXPECT_FALSE(b.enabled || b.sideEnabled || b.highlighted);
        EXPECT_TRUE(b.caption.isEmpty() && b.sideCaption.isEmpty());
    }
}

}  // namespace
}  // namespace razudar::apptest
