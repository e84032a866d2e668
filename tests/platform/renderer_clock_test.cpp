#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/fakes/fake_services.h"
#include "platform/renderer/clock_format.h"
#include "platform/renderer/renderer.h"
#include "renderer_test_support.h"

using namespace razudar;
using namespace razudar::renderer;

namespace {

QString fmt(qint64 ms, const QString& format, bool plus = false) {
    const auto f = parseClockFormat(format);
    if (!f) return QStringLiteral("<invalid>");
    return formatClockTime(ms, *f, plus);
}

}  // namespace

TEST(ClockFormat, EveryResolutionTruncatesNeverRounds) {
    const qint64 t = 3723999;  // 1:02:03.999
    EXPECT_EQ(fmt(t, "nz hh:mm:ss"), "1:02:03");
    EXPECT_EQ(fmt(t, "nz hh:mm:ss:d"), "1:02:03.9");
    EXPECT_EQ(fmt(t, "nz hh:mm:ss:dc"), "1:02:03.99");
    EXPECT_EQ(fmt(t, "nz hh:mm:ss:dcm"), "1:02:03.999");
    EXPECT_EQ(fmt(t, "hh:mm:ss:dc"), "01:02:03.99");
}

TEST(ClockFormat, NoZerosDropsLeadingZeroGroupsButKeepsSeconds) {
    EXPECT_EQ(fmt(0, "nz hh:mm:ss:dc"), "0.00");
    EXPECT_EQ(fmt(5329, "nz hh:mm:ss:dc"), "5.32");
    EXPECT_EQ(fmt(83459, "nz hh:mm:ss:dc"), "1:23.45");
    EXPECT_EQ(fmt(600000, "nz hh:mm:ss"), "10:00");
    EXPECT_EQ(fmt(3600000, "nz hh:mm:ss"), "1:00:00");
    EXPECT_EQ(fmt(5329, "hh:mm:ss:dc"), "00:00:05.32");
}

TEST(ClockFormat, LargestGroupTakesWhatIsAboveIt) {
    EXPECT_EQ(fmt(65 * 60000 + 1500, "mm:ss:d"), "65:01.5");
    EXPECT_EQ(fmt(125000, "ss"), "125");
    EXPECT_EQ(fmt(100LL * 3600000, "hh:mm:ss"), "100:00:00");
}

TEST(ClockFormat, NegativeTimesCountUpThroughZero) {
    EXPECT_EQ(fmt(-5329, "nz hh:mm:ss:dc"), "-5.32");
    EXPECT_EQ(fmt(-61001, "nz hh:mm:ss:d"), "-1:01.0");
    // Shown digits all zero: no minus sign.
    EXPECT_EQ(fmt(-9, "nz hh:mm:ss:dc"), "0.00");
    EXPECT_EQ(fmt(-999, "nz hh:mm:ss"), "0");
    EXPECT_EQ(fmt(10, "nz hh:mm:ss:dc"), "0.01");
}

TEST(ClockFormat, PlusSignOnlyWhenAsked) {
    EXPECT_EQ(fmt(1230, "nz hh:mm:ss:dc", true), "+1.23");
    EXPECT_EQ(fmt(-1230, "nz hh:mm:ss:dc", true), "-1.23");
    EXPECT_EQ(fmt(0, "nz hh:mm:ss:dc", true), "+0.00");
    EXPECT_EQ(fmt(1230, "nz hh:mm:ss:dc", false), "1.23");
}

TEST(ClockFormat, RejectsTextsThatAreNoFormat) {
    EXPECT_FALSE(parseClockFormat(""));
    EXPECT_FALSE(parseClockFormat("nz"));
    EXPECT_FALSE(parseClockFormat("hh:ss"));      // a gap between groups
    EXPECT_FALSE(parseClockFormat("hh:mm"));      // no seconds
    EXPECT_FALSE(parseClockFormat("ss:dc:mm"));   // nothing after the fraction
    EXPECT_FALSE(parseClockFormat("hh:mm:ss:x"));
    EXPECT_FALSE(parseClockFormat("mm:hh:ss"));
    EXPECT_TRUE(parseClockFormat("NZ HH:MM:SS:DC"));
    EXPECT_TRUE(parseClockFormat("mm:ss"));
}

class RunningClockTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        const QString path = rtest::writePage(dir.path(), "clock.smb", R"([
            {"name": "Tempo", "type": "text", "x": 10, "y": 10, "w": 300, "h": 40,
             "runFormat": "nz hh:mm:ss:d", "stopFormat": "nz hh:mm:ss:dc", "text": "--"},
            {"name": "Foto", "type": "image", "file": "none.png"}])");
        ASSERT_TRUE(renderer.LoadPage(path)) << renderer.lastError().toStdString();
    }
    QString shown() {
        QString text;
        EXPECT_TRUE(renderer.GetShownText("Tempo", text)) << renderer.lastError().toStdString();
        return text;
    }
    QTemporaryDir dir;
    FakeClock clock;
    Renderer renderer{clock};
};

TEST_F(RunningClockTest, IdleClockShowsItsText) {
    EXPECT_EQ(shown(), "--");
}

TEST_F(RunningClockTest, StartedClockDerivesTimeFromTheReference) {
    ASSERT_TRUE(renderer.StartClock("tempo ", 12345));
    EXPECT_EQ(shown(), "12.3");
    clock.advanceMs(59999);
    EXPECT_EQ(shown(), "1:12.3");  // 72344 ms, truncated
    qint32 value = 0, start = 0;
    ASSERT_TRUE(renderer.GetTimeValue("Tempo", value));
    ASSERT_TRUE(renderer.GetTimeStart("Tempo", start));
    EXPECT_EQ(value, 72344);
    EXPECT_EQ(start, 12345);
}

TEST_F(RunningClockTest, NegativeStartCountsUpThroughZero) {
    ASSERT_TRUE(renderer.StartClock("Tempo", -2000));
    EXPECT_EQ(shown(), "-2.0");
    clock.advanceMs(1950);
    EXPECT_EQ(shown(), "0.0");
    clock.advanceMs(1100);
    EXPECT_EQ(shown(), "1.0");
}

TEST_F(RunningClockTest, StopAtCurrentUsesTheStopFormat) {
    ASSERT_TRUE(renderer.StartClock("Tempo", 0));
    clock.advanceMs(5678);
    ASSERT_TRUE(renderer.StopClock("Tempo", 0, kStopAtCurrent));
    clock.advanceMs(10000);
    EXPECT_EQ(shown(), "5.67");
    qint32 value = 0;
    ASSERT_TRUE(renderer.GetTimeValue("Tempo", value));
    EXPECT_EQ(value, 5678);
}

TEST_F(RunningClockTest, StopShowingAGivenTime) {
    ASSERT_TRUE(renderer.StartClock("Tempo", 0));
    ASSERT_TRUE(renderer.StopClock("Tempo", 61000, kStopShowValue));
    EXPECT_EQ(shown(), "1:01.00");
}

TEST_F(RunningClockTest, PauseHoldsTheTimeWhileTheCountGoesOn) {
    ASSERT_TRUE(renderer.StartClock("Tempo", 0));
    clock.advanceMs(3000);
    ASSERT_TRUE(renderer.PauseClock("Tempo", 0, 0));
    clock.advanceMs(2000);
    EXPECT_EQ(shown(), "3.0");  // held, in the run format
    qint32 value = 0;
    ASSERT_TRUE(renderer.GetTimeValue("Tempo", value));
    EXPECT_EQ(value, 5000);
    ASSERT_TRUE(renderer.PauseClock("Tempo", 4321, kPauseShowValue));
    EXPECT_EQ(shown(), "4.3");
}

TEST_F(RunningClockTest, BadModesFailAndChangeNothing) {
    ASSERT_TRUE(renderer.StartClock("Tempo", 0));
    EXPECT_FALSE(renderer.StopClock("Tempo", 0, 2));
    EXPECT_EQ(renderer.lastError(), "Modo 2 non valido per fermare l'orologio (0 o 1)");
    EXPECT_FALSE(renderer.PauseClock("Tempo", 0, 1));
    clock.advanceMs(1000);
    EXPECT_EQ(shown(), "1.0");  // still running
}

TEST_F(RunningClockTest, SignShowsPlusForGaps) {
    ASSERT_TRUE(renderer.SetTimeSgn("Tempo", -1));
    qint32 sign = 0;
    ASSERT_TRUE(renderer.GetTimeSgn("Tempo", sign));
    EXPECT_EQ(sign, -1);  // as set (True of the control)
    ASSERT_TRUE(renderer.StopClock("Tempo", 1230, kStopShowValue));
    EXPECT_EQ(shown(), "+1.23");
    ASSERT_TRUE(renderer.StopClock("Tempo", -1230, kStopShowValue));
    EXPECT_EQ(shown(), "-1.23");
}

TEST_F(RunningClockTest, FormatsChangeAndEmptyRunFormatFallsBackToStopFormat) {
    ASSERT_TRUE(renderer.SetClockFormats("Tempo", "", "nz hh:mm:ss:dcm"));
    ASSERT_TRUE(renderer.StartClock("Tempo", 1234));
    EXPECT_EQ(shown(), "1.234");
    QString run, stop;
    ASSERT_TRUE(renderer.GetRunFormat("Tempo", run));
    ASSERT_TRUE(renderer.GetStopFormat("Tempo", stop));
    EXPECT_EQ(run, "");
    EXPECT_EQ(stop, "nz hh:mm:ss:dcm");
    ASSERT_TRUE(renderer.SetClockFormats("Tempo", "", ""));
    EXPECT_EQ(shown(), "1");  // neither: "nz hh:mm:ss"
    EXPECT_FALSE(renderer.SetClockFormats("Tempo", "hh:xx", ""));
    EXPECT_EQ(renderer.lastError(), "Formato di orologio non valido: 'hh:xx'");
}

TEST_F(RunningClockTest, SetTimeValueCountsOnOrStops) {
    ASSERT_TRUE(renderer.SetTimeValue("Tempo", 7000));
    EXPECT_EQ(shown(), "7.00");  // an idle clock stops showing the value
    ASSERT_TRUE(renderer.StartClock("Tempo", 0));
    clock.advanceMs(1000);
    ASSERT_TRUE(renderer.SetTimeValue("Tempo", 20000));
    clock.advanceMs(500);
    EXPECT_EQ(shown(), "20.5");
    ASSERT_TRUE(renderer.SetTimeStart("Tempo", 999));
    qint32 start = 0;
    ASSERT_TRUE(renderer.GetTimeStart("Tempo", start));
    EXPECT_EQ(start, 999);
    EXPECT_EQ(shown(), "20.5");  // the count in progress is unchanged
}

TEST_F(RunningClockTest, ClockOperationsOnOtherObjectsFail) {
    EXPECT_FALSE(renderer.StartClock("Foto", 0));
    EXPECT_EQ(renderer.lastError(), "L'oggetto 'Foto' (immagine) non ha un orologio");
    EXPECT_FALSE(renderer.StartClock("Nessuno", 0));
    EXPECT_EQ(renderer.lastError(), "Oggetto 'Nessuno' non trovato nella pagina");
}

TEST_F(RunningClockTest, WallClockShowsTheTimeOfDay) {
    const QString path = rtest::writePage(dir.path(), "wall.smb", R"([
        {"name": "Ora", "type": "clock", "w": 100, "h": 30, "timeFormat": "hh:mm"}])");
    ASSERT_TRUE(renderer.LoadPage(path));
    clock.setNow(QDateTime(QDate(2026, 2, 1), QTime(14, 7, 59)));
    QString text;
    ASSERT_TRUE(renderer.GetShownText("Ora", text));
    EXPECT_EQ(text, "14:07");
}
