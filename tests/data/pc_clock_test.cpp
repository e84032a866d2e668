#include <gtest/gtest.h>

#include <QTimeZone>

#include "data/pc_clock.h"
#include "data/pc_clock_taskbar.h"
#include "platform/fakes/fake_services.h"

namespace razudar {
namespace {

constexpr int kHour = 3600;

QDateTime at(int y, int mo, int d, int h, int mi, int s, int ms, int utcOffsetSeconds) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), Qt::OffsetFromUTC, utcOffsetSeconds);
}

QDateTime utc(int y, int mo, int d, int h, int mi, int s, int ms) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), Qt::UTC);
}

struct ClockFixture {
    FakeClock clock;
    FakeClockSetter setter;
    QString set(OrarioCompatto time) {
        QString message = QStringLiteral("unchanged");
        ImpostaOrarioComputer(time, message, clock, setter);
        return message;
    }
};

TEST(ImpostaOrarioComputer, SetsUniversalTimeAndReportsTheNewTimeAndTheDifference) {
    ClockFixture f;
    // 1.5 seconds behind, two hours east of Greenwich.
    f.clock.setNow(at(2024, 3, 10, 14, 30, 13, 750, 2 * kHour));
    EXPECT_EQ(f.set(143015250), QStringLiteral("Orario Computer Impostato alle 14:30'15.250\n\n"
                                               "Differenza di 1.500 dal Precedente Orario"));
    ASSERT_EQ(f.setter.calls().size(), 1u);
    EXPECT_EQ(f.setter.calls()[0], utc(2024, 3, 10, 12, 30, 15, 250));
    EXPECT_EQ(f.setter.calls()[0].timeSpec(), Qt::UTC);
}

TEST(ImpostaOrarioComputer, LeadingZerosAndSmallTimes) {
    ClockFixture f;
    f.clock.setNow(at(2024, 3, 10, 9, 30, 5, 0, 0));
    EXPECT_EQ(f.set(93005250), QStringLiteral("Orario Computer Impostato alle 9:30'05.250\n\n"
                                              "Differenza di 0.250 dal Precedente Orario"));
    ASSERT_EQ(f.setter.calls().size(), 1u);
    EXPECT_EQ(f.setter.calls()[0], utc(2024, 3, 10, 9, 30, 5, 250));
}

TEST(ImpostaOrarioComputer, MidnightEastOfGreenwichCarriesTheHourIntoTheDate) {
    ClockFixture f;
    // Two seconds before local midnight, one hour east: the new time is tomorrow's 00:00.
    f.clock.setNow(at(2024, 3, 10, 23, 59, 58, 0, kHour));
    EXPECT_EQ(f.set(0), QStringLiteral("Orario Computer Impostato alle 0.000\n\n"
                                       "Differenza di 2.000 dal Precedente Orario"));
    ASSERT_EQ(f.setter.calls().size(), 1u);
    EXPECT_EQ(f.setter.calls()[0], utc(2024, 3, 10, 23, 0, 0, 0));
}

TEST(ImpostaOrarioComputer, ClockJustPastMidnightGoesBackToYesterday) {
    ClockFixture f;
    f.clock.setNow(at(2024, 3, 11, 0, 0, 1, 0, kHour));
    // A clock moved back says so.
    EXPECT_EQ(f.set(235959000), QStringLiteral("Orario Computer Impostato alle 23:59'59.000\n\n"
                                               "Differenza di -2.000 dal Precedente Orario"));
    ASSERT_EQ(f.setter.calls().size(), 1u);
    EXPECT_EQ(f.setter.calls()[0], utc(2024, 3, 10, 22, 59, 59, 0));
}

TEST(ImpostaOrarioComputer, WestOfGreenwichCarriesIntoTheNextUniversalDay) {
    ClockFixture f;
    f.clock.setNow(at(2024, 12, 31, 20, 0, 0, 0, -5 * kHour));
    f.set(200000000);
    ASSERT_EQ(f.setter.calls().size(), 1u);
    EXPECT_EQ(f.setter.calls()[0], utc(2025, 1, 1, 1, 0, 0, 0));
}

TEST(ImpostaOrarioComputer, HalfHourZoneUsesTheRealOffset) {
    ClockFixture f;
    f.clock.setNow(QDateTime(QDate(2024, 6, 1), QTime(9, 59, 0), QTimeZone(5 * kHour + 1800)));
    f.set(100000000);
    ASSERT_EQ(f.setter.calls().size(), 1u);
    EXPECT_EQ(f.setter.calls()[0], utc(2024, 6, 1, 4, 30, 0, 0));
}

TEST(ImpostaOrarioComputer, DaylightSavingRulesOfTheZoneApply) {
    const QTimeZone rome(QByteArrayLiteral("Europe/Rome"));
    if (!rome.isValid()) GTEST_SKIP() << "no time-zone data";
    const auto inRome = [&](int mo, int d, int h, int mi) {
        return QDateTime(QDate(2024, mo, d), QTime(h, mi), rome);
    };
    const struct {
        QDateTime now;
        OrarioCompatto received;
        QDateTime setTo;
        const char* difference;
    } cases[] = {
        // Summer two hours east, winter one.
        {inRome(7, 1, 12, 0), 120000000, utc(2024, 7, 1, 10, 0, 0, 0), "0.000"},
        {inRome(1, 15, 12, 0), 120000000, utc(2024, 1, 15, 11, 0, 0, 0), "0.000"},
        // 31 March, clocks forward at 02:00: 02:30 is never shown; taken in standard time it
        // is 03:30 summer time, 25 minutes ahead of 03:05 (not tomorrow's 02:30).
        {inRome(3, 31, 3, 5), 23000000, utc(2024, 3, 31, 1, 30, 0, 0), "25'00.000"},
        // 27 October, clocks back at 03:00: 02:40 is shown twice, the nearer one is taken.
        {QDateTime::fromMSecsSinceEpoch(utc(2024, 10, 27, 1, 50, 0, 0).toMSecsSinceEpoch(), rome),
         24000000, utc(2024, 10, 27, 1, 40, 0, 0), "-10'00.000"},
        {QDateTime::fromMSecsSinceEpoch(utc(2024, 10, 27, 0, 20, 0, 0).toMSecsSinceEpoch(), rome),
         24000000, utc(2024, 10, 27, 0, 40, 0, 0), "20'00.000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.now.toString(Qt::ISODateWithMs).toStdString());
        ClockFixture f;
        f.clock.setNow(c.now);
        EXPECT_TRUE(f.set(c.received).endsWith(QStringLiteral("Differenza di %1 dal Precedente Orario")
                                                   .arg(QString::fromUtf8(c.difference))))
            << f.set(c.received).toStdString();
        ASSERT_FALSE(f.setter.calls().empty());
        EXPECT_EQ(f.setter.calls()[0], c.setTo);
    }
}

TEST(ImpostaOrarioComputer, ImpossibleTimesAreNotSetWhateverTheirLastNineDigitsRead) {
    ClockFixture f;
    f.clock.setNow(at(2024, 3, 10, 12, 0, 0, 0, 0));
    // 25:00, 12:60, 60 seconds, and values outside 0..235959999 whose last nine digits read a
    // good time of day (09:30'05.250).
    for (OrarioCompatto time : {250000000, 126000000, 120060000, -93005250, 1093005250,
                                kLastTimeOfDay + 1}) {
        EXPECT_EQ(f.set(time), kClockNotSetText) << time;
    }
    EXPECT_TRUE(f.setter.calls().empty());
    EXPECT_NE(f.set(kLastTimeOfDay), kClockNotSetText);  // the last good value is set
}

TEST(ImpostaOrarioComputer, RefusedSettingGivesTheFailureText) {
    ClockFixture f;
    f.setter.failWith(QStringLiteral("Operation not permitted"));
    EXPECT_EQ(f.set(120000000), QStringLiteral("Errore Nell'Impostare l'Orario del Computer"));
    EXPECT_EQ(f.setter.calls().size(), 1u);
}

TEST(DifferenzaOraUtc, CountsHourBoundariesFromLocalToUniversalTime) {
    FakeClock clock;
    clock.setNow(at(2024, 3, 10, 10, 15, 0, 0, 2 * kHour));
    EXPECT_EQ(DifferenzaOraUtc(clock), -2);
    clock.setNow(at(2024, 3, 10, 22, 15, 0, 0, -5 * kHour));
    EXPECT_EQ(DifferenzaOraUtc(clock), 5);
    // 10:15 local is 04:45 universal: six hour boundaries back.
    clock.setNow(at(2024, 3, 10, 10, 15, 0, 0, 5 * kHour + 1800));
    EXPECT_EQ(DifferenzaOraUtc(clock), -6);
    clock.setNow(at(2024, 3, 10, 10, 15, 0, 0, 0));
    EXPECT_EQ(DifferenzaOraUtc(clock), 0);
}

TEST(DifferenzaOraUtc, UniversalAndLocalReadingsKeepTheirMilliseconds) {
    FakeClock clock;
    clock.setNow(at(2024, 3, 10, 1, 2, 3, 456, kHour));
    EXPECT_EQ(OraSistema(clock), utc(2024, 3, 10, 0, 2, 3, 456));
    EXPECT_EQ(OraSistema(clock).time().msec(), 456);
    EXPECT_EQ(OraLocale(clock).time(), QTime(1, 2, 3, 456));
}

TEST(AltezzaBarraApplicazioni, BottomTopAndSideTaskbars) {
    const QRect screen(0, 0, 1920, 1080);
    EXPECT_EQ(AltezzaBarraApplicazioni(false, screen, QRect(0, 0, 1920, 1040)), 40);
    EXPECT_EQ(AltezzaBarraApplicazioni(true, screen, QRect(0, 0, 1920, 1040)), 600);
    EXPECT_EQ(AltezzaBarraApplicazioni(false, screen, QRect(0, 40, 1920, 1040)), 40);
    EXPECT_EQ(AltezzaBarraApplicazioni(false, screen, QRect(60, 0, 1860, 1080)), 1080);
    EXPECT_EQ(AltezzaBarraApplicazioni(false, screen, QRect(0, 0, 1860, 1080)), 1080);
    EXPECT_EQ(AltezzaBarraApplicazioni(true, screen, screen), 0);
}

TEST(AltezzaBarraApplicazioni, TallScreenInTwipsDoesNotOverflow) {
    const QRect screen(0, 0, 3840, 2400);
    EXPECT_EQ(AltezzaBarraApplicazioni(true, screen, QRect(80, 0, 3760, 2400)), 36000);
}

TEST(AltezzaBarraApplicazioni, NoGraphicalApplicationGivesZero) {
    EXPECT_EQ(AltezzaBarraApplicazioni(true), 0);
}

}  // namespace
}  // namespace razudar
