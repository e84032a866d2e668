#include "model/race_times.h"

#include <gtest/gtest.h>

#include "platform/fakes/fake_services.h"

using namespace razudar;

namespace {
QString spaces(int n) { return QString(n, QLatin1Char(' ')); }
}  // namespace

TEST(TempoInMillesimi, ReadsPackedFields) {
    EXPECT_EQ(TempoInMillesimi(qint64(12345678)), 5025678);
    EXPECT_EQ(TempoInMillesimi(qint64(5678)), 5678);
    EXPECT_EQ(TempoInMillesimi(qint64(0)), 0);
    EXPECT_EQ(TempoInMillesimi(qint64(-12345678)), -5025678);
    EXPECT_EQ(TempoInMillesimi(qint64(995959999)), 359999999);
    EXPECT_EQ(TempoInMillesimi(qint64(999999999)), 362439999);  // the largest nine-digit value
    EXPECT_EQ(TempoInMillesimi(qint64(9900000)), 5940000);      // 0:99'00.000, not validated
}

TEST(TempoInMillesimi, TenDigitsAreReadFromTheFirstNine) {
    // 123456789 is 12 h 34' 56.789"; 214748364 is 21 h 47' 48.364"; 922337203 is 92 h 23' 37.203".
    EXPECT_EQ(TempoInMillesimi(qint64(1234567890)), 45296789);
    EXPECT_EQ(TempoInMillesimi(qint64(-2147483647 - 1)), -78468364);
    EXPECT_EQ(TempoInMillesimi(std::numeric_limits<qint64>::min()), -332617203);
}

TEST(TempoInMillesimi, ReadsNumbersAndTextsOfAnyKind) {
    EXPECT_EQ(TempoInMillesimi(QVariant()), 0);
    EXPECT_EQ(TempoInMillesimi(QVariant(QString())), 0);
    EXPECT_EQ(TempoInMillesimi(QVariant(QStringLiteral("abc"))), 0);
    EXPECT_EQ(TempoInMillesimi(QVariant(QStringLiteral("12345678"))), 5025678);
    EXPECT_EQ(TempoInMillesimi(QVariant(QStringLiteral(" -12345678 "))), -5025678);
    EXPECT_EQ(TempoInMillesimi(QVariant(QStringLiteral("000005678"))), 5678);
    EXPECT_EQ(TempoInMillesimi(QVariant(qint32(12345678))), 5025678);
    EXPECT_EQ(TempoInMillesimi(QVariant(12345678.0)), 5025678);
    EXPECT_EQ(TempoInMillesimi(QVariant(5677.5)), 5678);  // written as a whole number first
    EXPECT_EQ(TempoInMillesimi(QVariant(QStringLiteral("1234567890"))), 45296789);
    EXPECT_EQ(TempoInMillesimi(QVariant(1e30)), 36000000);  // read as 100000000: 10 h
}

TEST(TempoInMillesimi, AcceptsEveryNumericType) {
    EXPECT_EQ(TempoInMillesimi(12345678), 5025678);
    EXPECT_EQ(TempoInMillesimi(qint16(-5678)), -5678);
    EXPECT_EQ(TempoInMillesimi(12345678L), 5025678);
    EXPECT_EQ(TempoInMillesimi(5677.5), 5678);
    EXPECT_EQ(TempoInMillesimi(quint32(12345678)), 5025678);
    EXPECT_GT(TempoInMillesimi(std::numeric_limits<quint64>::max()), 0);
    EXPECT_EQ(TempoInMillesimi(-5677.5), -5678);
    EXPECT_EQ(TempoInMillesimi(std::nan("")), 0);
    EXPECT_EQ(TempoInMillesimi(QStringLiteral("12345678")), 5025678);
}

TEST(MillesimiInTempo, PacksMilliseconds) {
    EXPECT_EQ(MillesimiInTempo(5025678), 12345678);
    EXPECT_EQ(MillesimiInTempo(-5025678), -12345678);
    EXPECT_EQ(MillesimiInTempo(86399999), 235959999);
    EXPECT_EQ(MillesimiInTempo(5678), 5678);
    EXPECT_EQ(MillesimiInTempo(0), 0);
    EXPECT_EQ(MillesimiInTempo(0, true), 0);
    EXPECT_EQ(MillesimiInTempo(360000000), 1000000000);  // 100 hours: ten digits
}

TEST(MillesimiInTempo, DroppingThousandthsRoundsHalfToEven) {
    const qint32 base = 12 * 3600000 + 34 * 60000 + 56000;
    EXPECT_EQ(MillesimiInTempo(base + 500, true), 123456);
    EXPECT_EQ(MillesimiInTempo(base + 501, true), 123457);
    EXPECT_EQ(MillesimiInTempo(base + 499, true), 123456);
    EXPECT_EQ(MillesimiInTempo(base + 1500, true), 123458);  // 123457.5 goes to the even one
    EXPECT_EQ(MillesimiInTempo(-(base + 501), true), -123457);
    EXPECT_EQ(MillesimiInTempo(-(base + 500), true), -123456);
}

TEST(MillesimiInTempo, RoundTripsBelowOneHundredHours) {
    for (qint32 x : {1, 999, 1000, 59999, 60000, 3599999, 3600000, 86399999, 86400000, 359999999,
                     -1, -86399999, -359999999, 123456789}) {
        EXPECT_EQ(TempoInMillesimi(qint64(MillesimiInTempo(x))), x) << x;
    }
    for (qint32 x = 0; x < 360000000; x += 999983) {
        ASSERT_EQ(TempoInMillesimi(qint64(MillesimiInTempo(x))), x) << x;
    }
}

TEST(MillesimiInTempo, SaturatesBeyondThePackedRange) {
    EXPECT_EQ(MillesimiInTempo(214 * 3600000 + 3599999), 2145959999);  // still fits
    EXPECT_EQ(MillesimiInTempo(215 * 3600000), 2145959999);
    EXPECT_EQ(MillesimiInTempo(2147483647), 2145959999);
    EXPECT_EQ(MillesimiInTempo(-2147483647 - 1), -2145959999);
    EXPECT_EQ(MillesimiInTempo(2147483647, true), 2145960);
    EXPECT_EQ(MillesimiInTempo(qint64(1) << 40), 2145959999);  // a wide sum does not wrap
    EXPECT_EQ(MillesimiInTempo(std::numeric_limits<qint64>::min()), -2145959999);
}

TEST(FormattaTempo, ExamplesAtWidthTwelve) {
    EXPECT_EQ(FormattaTempo(12345678, 12, false, false), QStringLiteral(" 1:23'45.678"));
    EXPECT_EQ(FormattaTempo(5678, 12, false, false), QStringLiteral("       5.678"));
    EXPECT_EQ(FormattaTempo(0, 12, false, false), QStringLiteral("       0.000"));
    EXPECT_EQ(FormattaTempo(5678, 12, false, false, 1), QStringLiteral("       5.6"));
    EXPECT_EQ(FormattaTempo(5678, 12, false, false, 2), QStringLiteral("       5.67"));
    EXPECT_EQ(FormattaTempo(5678, 12, false, false, 0), QStringLiteral("       5"));
    EXPECT_EQ(FormattaTempo(5678, 12, true, true), QStringLiteral("+5.678"));
    EXPECT_EQ(FormattaTempo(235959999, 12, false, false), QStringLiteral("23:59'59.999"));
    EXPECT_EQ(FormattaTempo(100000, 12, false, false), QStringLiteral("    1'00.000"));
    EXPECT_EQ(FormattaTempo(10000000, 12, true, false), QStringLiteral("1:00'00.000"));
}

TEST(FormattaTempo, WidthCutsLeadingCharacters) {
    EXPECT_EQ(FormattaTempo(12345678, 8, false, false), QStringLiteral("3'45.678"));
    EXPECT_EQ(FormattaTempo(1234567890, 13, false, false), QStringLiteral("123:45'67.890"));
    EXPECT_EQ(FormattaTempo(12345678, 20, false, false), QStringLiteral(" 1:23'45.678"));
    EXPECT_EQ(FormattaTempo(5678, 5, false, false), QStringLiteral("5.678"));
    EXPECT_EQ(FormattaTempo(5678, 3, false, false), QStringLiteral("678"));
    EXPECT_EQ(FormattaTempo(5678, 3, false, false, 0), QString());
    EXPECT_EQ(FormattaTempo(5678, 0, false, false), QString());
    EXPECT_EQ(FormattaTempo(5678, -4, false, true), QStringLiteral("+"));
}

TEST(FormattaTempo, SignAndNegativeValues) {
    EXPECT_EQ(FormattaTempo(0, 12, false, true), QStringLiteral("       0.000"));
    EXPECT_EQ(FormattaTempo(-5678, 12, false, false), QStringLiteral("       5.678"));
    EXPECT_EQ(FormattaTempo(-5678, 12, false, true), QStringLiteral("-       5.678"));
    EXPECT_EQ(FormattaTempo(-5678, 12, true, true), QStringLiteral("-5.678"));
    // Wide enough to keep the minus: blanking stops at it.
    EXPECT_EQ(FormattaTempo(-5678, 13, false, false), QStringLiteral("-00:00'05.678"));
}

TEST(FormattaTempo, BlankIfZero) {
    EXPECT_EQ(FormattaTempo(0, 12, false, false, 3, true), spaces(12));
    EXPECT_EQ(FormattaTempo(0, 12, true, false, 3, true), QString());
    EXPECT_EQ(FormattaTempo(0, 12, true, true, 3, true), QString());
    EXPECT_EQ(FormattaTempo(0, 12, false, false, 1, true), spaces(12));  // decimals do not apply
    EXPECT_EQ(FormattaTempo(5678, 12, true, false, 3, true), QStringLiteral("5.678"));
}

TEST(TempoInStringa, MissingTimes) {
    EXPECT_EQ(TempoInStringa(kMissingTimeMs, 10, false, false, false), spaces(10));
    EXPECT_EQ(TempoInStringa(kMissingTimeMs, 10, false, true, false), QString());
    EXPECT_EQ(TempoInStringa(kMissingTimeMs, 10, false, false, false, 3, true), spaces(10));
    EXPECT_EQ(TempoInStringa(0, 12, false, false, false), QStringLiteral("       0.000"));
    EXPECT_EQ(TempoInStringa(0, 12, true, false, false), spaces(12));
    EXPECT_EQ(TempoInStringa(0, 12, true, true, true), QString());
}

TEST(TempoInStringa, ConvertsMillisecondsOrTakesPacked) {
    EXPECT_EQ(TempoInStringa(5025678, 12, false, false, false), QStringLiteral(" 1:23'45.678"));
    EXPECT_EQ(TempoInStringa(12345678, 12, false, false, false, 3, true), QStringLiteral(" 1:23'45.678"));
    EXPECT_EQ(TempoInStringa(-1500, 12, true, true, true, 1), QStringLiteral("-1.5"));
    EXPECT_EQ(TempoInStringa(61500, 12, false, true, false, 2), QStringLiteral("1'01.50"));
    EXPECT_EQ(TempoInStringa(61500, 12, false, true, false, 0), QStringLiteral("1'01"));
}

TEST(ConvertiRisoluzione, CutsTheTimeText) {
    const QVariant t(QStringLiteral("1:23'45.678"));
    EXPECT_EQ(ConvertiRisoluzione(true, t, 1), QVariant(QStringLiteral("1:23'45")));
    EXPECT_EQ(ConvertiRisoluzione(true, t, 2), QVariant(QStringLiteral("1:23'45.6")));
    EXPECT_EQ(ConvertiRisoluzione(true, t, 3), QVariant(QStringLiteral("1:23'45.67")));
    EXPECT_EQ(ConvertiRisoluzione(true, t, 4), QVariant(QStringLiteral("1:23'45.678")));
    EXPECT_EQ(ConvertiRisoluzione(true, QVariant(QStringLiteral("  5.678 ")), 2), QVariant(QStringLiteral("5.6")));
    EXPECT_EQ(ConvertiRisoluzione(true, QVariant(QStringLiteral("5.67")), 1), QVariant(QStringLiteral("5.67")));
    EXPECT_EQ(ConvertiRisoluzione(true, QVariant(QStringLiteral("0.000")), 1), QVariant(QStringLiteral("0")));
    EXPECT_EQ(ConvertiRisoluzione(true, QVariant(QStringLiteral("10.000")), 1), QVariant(QStringLiteral("10")));
    EXPECT_EQ(ConvertiRisoluzione(true, QVariant(QString()), 2), QVariant(QString()));
    EXPECT_EQ(ConvertiRisoluzione(true, t, 0), QVariant(QStringLiteral("1:23'45.678")));
    EXPECT_EQ(ConvertiRisoluzione(true, t, 7), QVariant(QStringLiteral("1:23'45.678")));
}

TEST(ConvertiRisoluzione, ScalesTheNumberWhenNotCutting) {
    EXPECT_DOUBLE_EQ(ConvertiRisoluzione(false, QVariant(QStringLiteral(" 1.5")), 2).toDouble(), 150.0);
    EXPECT_DOUBLE_EQ(ConvertiRisoluzione(false, QVariant(3), 1).toDouble(), 30.0);
    EXPECT_DOUBLE_EQ(ConvertiRisoluzione(false, QVariant(QStringLiteral("2x")), 4).toDouble(), 20000.0);
    EXPECT_DOUBLE_EQ(ConvertiRisoluzione(false, QVariant(QStringLiteral("x")), 3).toDouble(), 0.0);
}

TEST(TroncaRisoluzione, TruncatesNeverRounds) {
    EXPECT_EQ(TroncaRisoluzione(12345, 1), 12000);
    EXPECT_EQ(TroncaRisoluzione(12345, 2), 12300);
    EXPECT_EQ(TroncaRisoluzione(12345, 3), 12340);
    EXPECT_EQ(TroncaRisoluzione(12345, 4), 12345);
    EXPECT_EQ(TroncaRisoluzione(12999, 1), 12000);
    EXPECT_EQ(TroncaRisoluzione(0, 2), 0);
    EXPECT_EQ(TroncaRisoluzione(999999999, 2), 999999900);
}

TEST(TroncaRisoluzione, KeepsSignOfNegativeValues) {
    EXPECT_EQ(TroncaRisoluzione(-12345, 1), -12000);
    EXPECT_EQ(TroncaRisoluzione(-12345, 3), -12340);
    EXPECT_EQ(TroncaRisoluzione(-12345, 4), -12345);
    EXPECT_EQ(TroncaRisoluzione(-999, 1), 0);
    EXPECT_EQ(TroncaRisoluzione(-2147483647 - 1, 1), -2147483000);
}

TEST(TroncaRisoluzione, KeepsLeadingDigitsOfLongValues) {
    // A ten-digit value keeps every digit: only the trailing ones are cut.
    EXPECT_EQ(TroncaRisoluzione(1234567890, 1), 1234567000);
    EXPECT_EQ(TroncaRisoluzione(2147483647, 3), 2147483640);
}

TEST(TroncaRisoluzione, OtherResolutionsLeaveTheValue) {
    EXPECT_EQ(TroncaRisoluzione(12345, 0), 12345);
    EXPECT_EQ(TroncaRisoluzione(12345, 5), 12345);
    EXPECT_EQ(TroncaRisoluzione(-12345, -1), -12345);
}

TEST(OraTimer, CarriesPastMidnight) {
    FakeClock clock;
    clock.setNow(QDateTime(QDate(2024, 3, 5), QTime(0, 0, 10, 250)));
    EXPECT_DOUBLE_EQ(OraTimer(86390.0, clock), 86400.0 + 10.25);
    EXPECT_DOUBLE_EQ(OraTimer(5.0, clock), 10.25);
    EXPECT_DOUBLE_EQ(OraTimer(10.25, clock), 10.25);  // equal: no carry
    clock.setNow(QDateTime(QDate(2024, 3, 5), QTime(23, 59, 59, 500)));
    EXPECT_DOUBLE_EQ(OraTimer(0.0, clock), 86399.5);
}
