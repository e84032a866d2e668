#include <gtest/gtest.h>

#include "data/clock_decoders.h"
#include "data/object_text_encoder.h"
#include "data/pc_clock.h"
#include "platform/fakes/fake_services.h"

namespace razudar {
namespace {

using encoder::clockText;
using encoder::sessionKeyText;

struct Fixture {
    FakeClock clock;
    FakeClockSetter setter;
    Fixture() {
        clock.setNow(QDateTime(QDate(2024, 3, 10), QTime(9, 30, 5, 0), Qt::OffsetFromUTC, 3600));
    }
};

const QString kReport = QStringLiteral(
    "Orario Computer Impostato alle 9:30'05.250\n\nDifferenza di 0.250 dal Precedente Orario");

TEST(OrarioDaTesto, SetsTheClockAndReturnsTheReport) {
    Fixture f;
    EXPECT_EQ(OrarioDaTesto(clockText(93005250), f.clock, f.setter), kReport);
    ASSERT_EQ(f.setter.calls().size(), 1u);
    EXPECT_EQ(f.setter.calls()[0],
              QDateTime(QDate(2024, 3, 10), QTime(8, 30, 5, 250), Qt::UTC));
}

TEST(OrarioDaTesto, LeadingZerosAndBlanksGiveTheSameTime) {
    Fixture f;
    EXPECT_EQ(OrarioDaTesto(clockText(QStringLiteral("093005250")), f.clock, f.setter), kReport);
    EXPECT_EQ(OrarioDaTesto(clockText(QStringLiteral(" 93005250 ")), f.clock, f.setter), kReport);
    ASSERT_EQ(f.setter.calls().size(), 2u);
    EXPECT_EQ(f.setter.calls()[0], f.setter.calls()[1]);
}

TEST(OrarioDaTesto, FurtherSectionsAndValuesAreNotRead) {
    Fixture f;
    const QString payload = encoder::objectText(
        {encoder::attributeSection({"93005250", "garbage"}), "anything", "more"});
    EXPECT_EQ(OrarioDaTesto(payload, f.clock, f.setter), kReport);
}

TEST(OrarioDaTesto, PayloadsThatCannotBeReadChangeNothing) {
    Fixture f;
    const QString good = clockText(93005250);
    EXPECT_EQ(OrarioDaTesto(" " + good, f.clock, f.setter), QString());
    EXPECT_EQ(OrarioDaTesto(good + " ", f.clock, f.setter), QString());
    EXPECT_EQ(OrarioDaTesto(clockText(QStringLiteral("9:30:05")), f.clock, f.setter), QString());
    EXPECT_EQ(OrarioDaTesto(clockText(QString()), f.clock, f.setter), QString());
    EXPECT_EQ(OrarioDaTesto(clockText(QStringLiteral("1E400")), f.clock, f.setter), QString());
    EXPECT_EQ(OrarioDaTesto(QStringLiteral("_BF_OG-IN__BF_OG-FN_"), f.clock, f.setter), QString());
    EXPECT_EQ(OrarioDaTesto(QStringLiteral("_BF_OG-IN_short_BF_OG-FN_"), f.clock, f.setter), QString());
    EXPECT_EQ(OrarioDaTesto(encoder::objectText({encoder::attributeSection({})}), f.clock, f.setter),
              QString());
    EXPECT_TRUE(f.setter.calls().empty());
}

TEST(OrarioDaTesto, ImpossibleTimeOrRefusedSettingReturnsTheFailureText) {
    Fixture f;
    EXPECT_EQ(OrarioDaTesto(clockText(256000000), f.clock, f.setter), kClockNotSetText);
    // Outside 0..235959999: refused, never cut to the last nine digits (09:30'05.250).
    for (const char* time : {"-93005250", "1093005250", "10093005250"})
        EXPECT_EQ(OrarioDaTesto(clockText(QString::fromUtf8(time)), f.clock, f.setter), kClockNotSetText)
            << time;
    EXPECT_TRUE(f.setter.calls().empty());
    f.setter.failWith(QStringLiteral("Operation not permitted"));
    EXPECT_EQ(OrarioDaTesto(clockText(93005250), f.clock, f.setter), kClockNotSetText);
    EXPECT_EQ(f.setter.calls().size(), 1u);
}

TEST(ChiaveSessioneDaTesto, SetsTheClockThenWritesTheSessionKey) {
    Fixture f;
    SessionKey key;
    EXPECT_EQ(ChiaveSessioneDaTesto(sessionKeyText(" 93005250 ", "12", "  gs1 ", "2"), key, f.clock, f.setter),
              SessionKeyReply::Read);
    EXPECT_EQ(key.SessioneGara, 12);
    EXPECT_EQ(key.SessioneTipoTurno, QStringLiteral("gs1"));
    EXPECT_EQ(key.SessioneManche, 2);
    ASSERT_EQ(f.setter.calls().size(), 1u);
    EXPECT_EQ(f.setter.calls()[0],
              QDateTime(QDate(2024, 3, 10), QTime(8, 30, 5, 250), Qt::UTC));
}

TEST(ChiaveSessioneDaTesto, EmptyNonNumericOrOutOfRangeNumbersBecomeZero) {
    Fixture f;
    qint16 race = -1;
    QString turnType = QStringLiteral("old");
    qint16 run = -1;
    EXPECT_EQ(ChiaveSessioneDaTesto(sessionKeyText("93005250", "40000", "", ""), race, turnType, run, f.clock,
                                    f.setter),
              SessionKeyReply::Read);
    EXPECT_EQ(race, 0);
    EXPECT_EQ(turnType, QString());
    EXPECT_EQ(run, 0);
    EXPECT_EQ(ChiaveSessioneDaTesto(sessionKeyText("93005250", "7.9", "SL", "x"), race, turnType, run, f.clock,
                                    f.setter),
              SessionKeyReply::Read);
    EXPECT_EQ(race, 7);
    EXPECT_EQ(run, 0);
}

TEST(ChiaveSessioneDaTesto, RefusedClockSettingStillWritesTheKey) {
    Fixture f;
    f.setter.failWith(QStringLiteral("Operation not permitted"));
    SessionKey key;
    EXPECT_EQ(ChiaveSessioneDaTesto(sessionKeyText("93005250", "3", "GS", "1"), key, f.clock, f.setter),
              SessionKeyReply::Read);
    EXPECT_EQ(key.SessioneGara, 3);
}

TEST(ChiaveSessioneDaTesto, PayloadsThatCannotBeReadChangeNeitherClockNorKey) {
    Fixture f;
    const SessionKey before{5, QStringLiteral("GS"), 1};
    const QStringList bad = {
        " " + sessionKeyText("93005250", "12", "SL", "2"),
        sessionKeyText("93005250", "12", "SL", "2").toLower(),
        encoder::objectText({encoder::attributeSection({"93005250", "12", "SL"})}),
        QStringLiteral("_BF_OG-IN__BF_OG-FN_"),
    };
    for (const QString& payload : bad) {
        SessionKey key = before;
        EXPECT_EQ(ChiaveSessioneDaTesto(payload, key, f.clock, f.setter), SessionKeyReply::Ignored)
            << payload.toStdString();
        EXPECT_EQ(key.SessioneGara, 5);
        EXPECT_EQ(key.SessioneTipoTurno, QStringLiteral("GS"));
        EXPECT_EQ(key.SessioneManche, 1);
    }
    EXPECT_TRUE(f.setter.calls().empty());
}

TEST(ChiaveSessioneDaTesto, ATimeThatCannotBeUsedLeavesTheClockButSetsTheKey) {
    Fixture f;
    // Not a number, empty, beyond a 32-bit number, beyond a day, below zero.
    for (const char* time : {"nove", "", "99999999999", "1093005250", "-93005250", "256000000"}) {
        SessionKey key{5, QStringLiteral("GS"), 1};
        EXPECT_EQ(ChiaveSessioneDaTesto(sessionKeyText(time, "12", " SL ", "2"), key, f.clock, f.setter),
                  SessionKeyReply::TimeUnusable)
            << time;
        EXPECT_EQ(key.SessioneGara, 12) << time;
        EXPECT_EQ(key.SessioneTipoTurno, QStringLiteral("SL")) << time;
        EXPECT_EQ(key.SessioneManche, 2) << time;
    }
    EXPECT_TRUE(f.setter.calls().empty());
}

}  // namespace
}  // namespace razudar
