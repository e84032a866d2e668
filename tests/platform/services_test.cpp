#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/fakes/fake_services.h"
#include "platform/services/paths.h"
#include "platform/services/system_services.h"
#include "platform/services/widget_services.h"

using namespace razudar;

TEST(IniSettingsStore, RoundTripKeepsBackslashSectionAsOneSection) {
    QTemporaryDir dir;
    IniSettingsStore store(dir.path());
    store.save("Zez", "frmSessioni\\SelezionaCampi", "Campo1", "0");
    store.save("Zez", "frmSessioni", "Campo1", "1");
    store.save("Razudar (Zez)", "Suggeritore", "GaraAttiva", "12");
    EXPECT_EQ(store.value("Zez", "frmSessioni\\SelezionaCampi", "Campo1"), "0");
    EXPECT_EQ(store.value("Zez", "frmSessioni", "Campo1"), "1");
    EXPECT_EQ(store.value("Razudar (Zez)", "Suggeritore", "GaraAttiva"), "12");
    EXPECT_EQ(store.value("Zez", "Razudar", "Modalita", "0"), "0");
    // A fresh store over the same folder reads what was saved: the values live in the files.
    IniSettingsStore again(dir.path());
    EXPECT_EQ(again.value("Zez", "frmSessioni\\SelezionaCampi", "Campo1"), "0");
    EXPECT_TRUE(QFile::exists(again.fileFor("Zez")));
    EXPECT_TRUE(QFile::exists(again.fileFor("Razudar (Zez)")));
}

TEST(Paths, StoredSeparatorsBecomeSlashes) {
    EXPECT_EQ(paths::toNative("Razudar\\Nazionalita\\ITA.tga"), "Razudar/Nazionalita/ITA.tga");
    EXPECT_EQ(paths::withTrailingSeparator("C:\\Zez"), "C:/Zez/");
    EXPECT_EQ(paths::withTrailingSeparator("/srv/zez//"), "/srv/zez/");
    EXPECT_EQ(paths::withTrailingSeparator(""), "");
}

TEST(Paths, CaseInsensitiveLookupFindsStoredNames) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("Razudar/Nazionalita");
    QFile f(dir.filePath("Razudar/Nazionalita/ita.TGA"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_EQ(paths::findCaseInsensitive(dir.path(), "RAZUDAR\\nazionalita\\ITA.tga"),
              dir.filePath("Razudar/Nazionalita/ita.TGA"));
    EXPECT_TRUE(paths::findCaseInsensitive(dir.path(), "Razudar/Nazionalita/FRA.tga").isEmpty());
}

TEST(FakeServices, WaiterAdvancesClockAndPrompterFollowsScript) {
    FakeServices fx;
    const QDateTime start = fx.clock.now();
    fx.waiter.sleepMs(500);
    fx.waiter.sleepMs(250);
    EXPECT_EQ(fx.clock.now(), start.addMSecs(750));
    EXPECT_EQ(fx.clock.monotonicMs(), 750);
    EXPECT_EQ(fx.waiter.sleeps(), (std::vector<int>{500, 250}));
    fx.prompter.script({PromptAnswer::No});
    EXPECT_EQ(fx.prompter.show("Riprovi ?", PromptButtons::YesNo), PromptAnswer::No);
    EXPECT_EQ(fx.prompter.show("Riprovi ?", PromptButtons::YesNo), PromptAnswer::Yes);
    ASSERT_EQ(fx.prompter.shown().size(), 2u);
    EXPECT_EQ(fx.prompter.shown()[0].caption, "Razudar (Zez)");
}

TEST(FakeServices, ClockSetterReportsScriptedFailure) {
    FakeClockSetter setter;
    QString error;
    EXPECT_TRUE(setter.setUtc(QDateTime::currentDateTimeUtc(), &error));
    setter.failWith("Operation not permitted");
    EXPECT_FALSE(setter.setUtc(QDateTime::currentDateTimeUtc(), &error));
    EXPECT_EQ(error, "Operation not permitted");
    EXPECT_EQ(setter.calls().size(), 2u);
}

TEST(FakeServices, ClockReadsTimeOfDayAndSecondsSinceMidnight) {
    FakeClock clock;
    clock.setNow(QDateTime(QDate(2024, 3, 5), QTime(23, 59, 59, 750)));
    EXPECT_EQ(clock.timeOfDay(), QTime(23, 59, 59, 750));
    EXPECT_DOUBLE_EQ(clock.secondsSinceMidnight(), 86399.75);
    clock.advanceMs(500);  // past midnight: the timer starts again from 0
    EXPECT_EQ(clock.now(), QDateTime(QDate(2024, 3, 6), QTime(0, 0, 0, 250)));
    EXPECT_DOUBLE_EQ(clock.secondsSinceMidnight(), 0.25);
    EXPECT_EQ(clock.monotonicMs(), 500);
}

TEST(FakeServices, WaiterRecordsEventRunsAndLetsTestsActDuringWaits) {
    FakeServices fx;
    int during = 0;
    fx.waiter.onProcessEvents = [&] { ++during; };
    fx.waiter.onWait = [&](int ms) { during += ms; };
    fx.waiter.processEvents();
    fx.waiter.processEvents();
    fx.waiter.sleepMs(0);
    EXPECT_EQ(fx.waiter.processEventsCalls(), 2);
    EXPECT_EQ(during, 2);
    EXPECT_EQ(fx.clock.monotonicMs(), 0);  // a zero wait does not move the clock
}

TEST(FakeServices, MemorySettingsKeepApplicationsSectionsAndKeysApart) {
    MemorySettingsStore store;
    store.save("Zez", "frmSessioni\\SelezionaCampi", "Campo1", "0");
    store.save("Zez", "frmSessioni", "Campo1", "1");
    store.save("Razudar (Zez)", "frmSessioni", "Campo1", "2");
    EXPECT_EQ(store.value("Zez", "frmSessioni\\SelezionaCampi", "Campo1"), "0");
    EXPECT_EQ(store.value("Zez", "frmSessioni", "Campo1"), "1");
    EXPECT_EQ(store.value("Razudar (Zez)", "frmSessioni", "Campo1"), "2");
    EXPECT_EQ(store.value("Zez", "frmSessioni", "Campo2", "-1"), "-1");
    EXPECT_EQ(store.size(), 3);
}

TEST(FakeServices, PrompterRecordsButtonsIconAndCaption) {
    ScriptedPrompter prompter;
    prompter.script({PromptAnswer::Cancel});
    EXPECT_EQ(prompter.show("Salvare ?", PromptButtons::YesNoCancel, PromptIcon::Question, "Titolo"),
              PromptAnswer::Cancel);
    EXPECT_EQ(prompter.show("Fatto"), PromptAnswer::Ok);
    ASSERT_EQ(prompter.shown().size(), 2u);
    EXPECT_EQ(prompter.shown()[0].buttons, PromptButtons::YesNoCancel);
    EXPECT_EQ(prompter.shown()[0].icon, PromptIcon::Question);
    EXPECT_EQ(prompter.shown()[0].caption, "Titolo");
    EXPECT_EQ(prompter.shown()[1].icon, PromptIcon::None);
    EXPECT_EQ(prompter.texts(), (QStringList{"Salvare ?", "Fatto"}));
}

TEST(BusyGuard, ShowsTheWaitPointerForItsScopeOrUntilReleased) {
    FakeBusyIndicator busy;
    {
        const BusyGuard outer(&busy);
        EXPECT_TRUE(busy.busy());
        {
            const BusyGuard inner(&busy);
            EXPECT_EQ(busy.calls(), (std::vector<bool>{true, true}));
        }
        EXPECT_TRUE(busy.busy());  // the outer guard still holds it
    }
    EXPECT_FALSE(busy.busy());
    EXPECT_EQ(busy.calls(), (std::vector<bool>{true, true, false, false}));

    busy.clear();
    {
        BusyGuard guard(&busy);
        guard.release();
        EXPECT_FALSE(busy.busy());
        guard.release();  // a second release does nothing; neither does the scope's end
    }
    EXPECT_EQ(busy.calls(), (std::vector<bool>{true, false}));

    const BusyGuard none(nullptr);  // no indicator: nothing to show
}

TEST(OverrideCursorBusyIndicator, StacksTheApplicationsWaitCursor) {
    OverrideCursorBusyIndicator busy;
    busy.begin();  // no widget application yet: no pointer to change
    EXPECT_EQ(busy.depth(), 0);

    int argc = 1;
    char name[] = "test_platform";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    busy.end();  // an end without a begin changes nothing
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    {
        const BusyGuard outer(&busy);
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        {
            const BusyGuard inner(&busy);
            EXPECT_EQ(busy.depth(), 2);
        }
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(busy.depth(), 1);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(busy.depth(), 0);
}

TEST(PreparaSalvataggio, SavesWithTheFilterAndAddsItsSuffixToANameWithoutOne) {
    int argc = 1;
    char name[] = "test_platform";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const struct {
        QString filter;
        QString suffix;
    } cases[] = {
        {"Immagini (*.tga)", "tga"},
        {"Testi (*.txt *.csv)", "txt"},
        {"Tutti i file (*)", ""},
    };
    for (const auto& c : cases) {
        QFileDialog dialog(nullptr, QStringLiteral("Salva con nome"), dir.path());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        PreparaSalvataggio(dialog, c.filter);
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave) << c.filter.toStdString();
        EXPECT_EQ(dialog.nameFilters(), QStringList{c.filter});
        EXPECT_EQ(dialog.defaultSuffix(), c.suffix) << c.filter.toStdString();
        EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
    }
    QFileDialog dialog(nullptr, QStringLiteral("Salva con nome"), dir.path());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    PreparaSalvataggio(dialog, QStringLiteral("Immagini (*.tga)"));
    dialog.selectFile(QStringLiteral("fotogramma"));
    EXPECT_EQ(dialog.selectedFiles(), QStringList{QDir(dir.path()).filePath(QStringLiteral("fotogramma.tga"))});
}
