#include "model/basic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace razudar::basic;

TEST(BasicRanges, IntegerAndLongBoundsAreInclusive) {
    EXPECT_TRUE(fitsInteger(qint64(-32768)));
    EXPECT_TRUE(fitsInteger(qint64(32767)));
    EXPECT_FALSE(fitsInteger(qint64(32768)));
    EXPECT_FALSE(fitsInteger(qint64(-32769)));
    EXPECT_TRUE(fitsLong(qint64(-2147483648LL)));
    EXPECT_TRUE(fitsLong(qint64(2147483647LL)));
    EXPECT_FALSE(fitsLong(qint64(2147483648LL)));
    EXPECT_FALSE(fitsLong(qint64(-2147483649LL)));
    EXPECT_TRUE(fitsInteger(32767.0));
    EXPECT_FALSE(fitsInteger(32767.5));
    EXPECT_FALSE(fitsLong(std::nan("")));
    EXPECT_TRUE(fitsInteger(int(-32768)));
    EXPECT_FALSE(fitsInteger(qsizetype(40000)));
    EXPECT_FALSE(fitsLong(std::numeric_limits<quint64>::max() >> 1));
    EXPECT_FALSE(fitsInteger(std::numeric_limits<quint64>::max()));  // no wrap to -1
    EXPECT_TRUE(fitsLong(quint32(2147483647u)));
    EXPECT_FALSE(fitsLong(quint32(2147483648u)));
}

TEST(BasicRanges, NarrowingNeverWraps) {
    EXPECT_EQ(toInteger(40000), std::nullopt);
    EXPECT_EQ(toInteger(-32768), std::optional<qint16>(-32768));
    EXPECT_EQ(toLong(2147483648LL), std::nullopt);
    EXPECT_EQ(toLong(-5), std::optional<qint32>(-5));

    bool ok = true;
    EXPECT_EQ(narrowToInteger(65536 + 7, &ok), 32767);  // a wrap would give 7
    EXPECT_FALSE(ok);
    EXPECT_EQ(narrowToInteger(-40000, &ok), -32768);
    EXPECT_FALSE(ok);
    EXPECT_EQ(narrowToInteger(123, &ok), 123);
    EXPECT_TRUE(ok);
    EXPECT_EQ(narrowToLong(4294967296LL + 9, &ok), 2147483647);
    EXPECT_FALSE(ok);

    EXPECT_THROW(requireInteger(32768), OverflowError);
    EXPECT_THROW(requireLong(-2147483649LL), OverflowError);
    EXPECT_EQ(requireInteger(-32768), -32768);
    EXPECT_EQ(requireLong(2147483647LL), 2147483647);
}

TEST(BasicRounding, CIntAndCLngRoundHalfToEven) {
    EXPECT_EQ(CInt(2.5), 2);
    EXPECT_EQ(CInt(3.5), 4);
    EXPECT_EQ(CInt(-2.5), -2);
    EXPECT_EQ(CInt(-3.5), -4);
    EXPECT_EQ(CInt(2.7), 3);
    EXPECT_EQ(CInt(-2.7), -3);
    EXPECT_EQ(CInt(0.5), 0);
    EXPECT_EQ(CInt(1.5), 2);
    EXPECT_EQ(CLng(2.5), 2);
    EXPECT_EQ(CLng(123456.5), 123456);
    EXPECT_EQ(CLng(123457.5), 123458);
    EXPECT_EQ(CLng(2.4999999), 2);
}

TEST(BasicRounding, ConversionOverflowIsReportedAndSaturates) {
    bool ok = true;
    EXPECT_EQ(CInt(32767.4, &ok), 32767);
    EXPECT_TRUE(ok);
    EXPECT_EQ(CInt(32767.5, &ok), 32767);  // rounds to 32768: out of range
    EXPECT_FALSE(ok);
    EXPECT_EQ(CInt(-32768.5, &ok), -32768);  // rounds to -32768 (even): in range
    EXPECT_TRUE(ok);
    EXPECT_EQ(CInt(-32769.0, &ok), -32768);
    EXPECT_FALSE(ok);
    EXPECT_EQ(CLng(2147483647.5, &ok), 2147483647);
    EXPECT_FALSE(ok);
    EXPECT_EQ(CLng(-2147483648.4, &ok), -2147483647 - 1);
    EXPECT_TRUE(ok);
    EXPECT_EQ(CLng(std::numeric_limits<double>::infinity(), &ok), 2147483647);
    EXPECT_FALSE(ok);
    EXPECT_EQ(CLng(std::nan(""), &ok), 0);
    EXPECT_FALSE(ok);
}

TEST(BasicRounding, IntFloorsAndFixTruncates) {
    EXPECT_EQ(Int(2.7), 2.0);
    EXPECT_EQ(Int(-2.5), -3.0);
    EXPECT_EQ(Int(-2.0), -2.0);
    EXPECT_EQ(Fix(-2.5), -2.0);
    EXPECT_EQ(Fix(2.9), 2.0);
}

TEST(BasicVal, ReadsTheLeadingNumberAndStops) {
    EXPECT_EQ(Val(QStringLiteral("  123abc")), 123.0);
    EXPECT_EQ(Val(QStringLiteral("-12.5x")), -12.5);
    EXPECT_EQ(Val(QStringLiteral("+7")), 7.0);
    EXPECT_EQ(Val(QStringLiteral("1.2.3")), 1.2);
    EXPECT_EQ(Val(QStringLiteral("1e3")), 1000.0);
    EXPECT_EQ(Val(QStringLiteral("2D2")), 200.0);
    EXPECT_EQ(Val(QStringLiteral("1e")), 1.0);  // exponent without digits is not read
    EXPECT_EQ(Val(QStringLiteral("5E+x")), 5.0);
    EXPECT_EQ(Val(QStringLiteral(".5")), 0.5);
    EXPECT_EQ(Val(QStringLiteral("12 34")), 12.0);
    EXPECT_EQ(Val(QStringLiteral("12,5")), 12.0);  // the comma is no decimal point
    EXPECT_EQ(Val(QStringLiteral("\t\n 42")), 42.0);
}

TEST(BasicVal, NothingReadableIsZero) {
    EXPECT_EQ(Val(QString()), 0.0);
    EXPECT_EQ(Val(QStringLiteral("abc")), 0.0);
    EXPECT_EQ(Val(QStringLiteral("-")), 0.0);
    EXPECT_EQ(Val(QStringLiteral(".")), 0.0);
    EXPECT_EQ(Val(QStringLiteral("   ")), 0.0);
    EXPECT_EQ(Val(QStringLiteral("- 5")), 0.0);
    EXPECT_TRUE(std::isinf(Val(QStringLiteral("1e999"))));
}

TEST(BasicIsNumeric, AcceptsOneStrictGrammar) {
    for (const char* yes : {"0", "12", " 12 ", "-3", "+3", "2.5", ".5", "5.", "1e5", "1E-5", "-1.5e+3",
                            "007", "2147483648"}) {
        EXPECT_TRUE(IsNumeric(QString::fromLatin1(yes))) << yes;
    }
    for (const char* no : {"", " ", "-", "+", ".", "1,5", "12a", "a12", "1e", "1e+", "1 2", "--1",
                           "1.2.3", "&H10", "\t5", "1e999", "Infinity", "nan", "1D5"}) {
        EXPECT_FALSE(IsNumeric(QString::fromLatin1(no))) << no;
    }
    EXPECT_EQ(parseNumeric(QStringLiteral(" -2.5 ")), std::optional<double>(-2.5));
    EXPECT_EQ(parseNumeric(QStringLiteral("x")), std::nullopt);
}

TEST(BasicCBool, ReadsTrueFalseAndNumbers) {
    bool ok = false;
    EXPECT_TRUE(CBool(QStringLiteral(" True "), &ok));
    EXPECT_TRUE(ok);
    EXPECT_FALSE(CBool(QStringLiteral("FALSE"), &ok));
    EXPECT_TRUE(ok);
    EXPECT_TRUE(CBool(QStringLiteral("-1"), &ok));
    EXPECT_TRUE(CBool(QStringLiteral("0.5"), &ok));
    EXPECT_FALSE(CBool(QStringLiteral("0"), &ok));
    EXPECT_TRUE(ok);
    EXPECT_FALSE(CBool(QStringLiteral("yes"), &ok));
    EXPECT_FALSE(ok);
    EXPECT_FALSE(CBool(QString(), &ok));
    EXPECT_FALSE(ok);
}

TEST(BasicText, NumberAndValueTexts) {
    EXPECT_EQ(numberText(0.0), QStringLiteral("0"));
    EXPECT_EQ(numberText(-12.0), QStringLiteral("-12"));
    EXPECT_EQ(numberText(2.5), QStringLiteral("2.5"));
    EXPECT_EQ(numberText(0.1), QStringLiteral("0.1"));
    EXPECT_EQ(numberText(1e20), QStringLiteral("1E+20"));
    EXPECT_EQ(CStr(QVariant()), QString());
    EXPECT_EQ(CStr(QVariant(42)), QStringLiteral("42"));
    EXPECT_EQ(CStr(QVariant(-0.25)), QStringLiteral("-0.25"));
    EXPECT_EQ(CStr(QVariant(true)), QStringLiteral("True"));
    EXPECT_EQ(CStr(QVariant(QStringLiteral(" x "))), QStringLiteral(" x "));
    EXPECT_EQ(numberOf(QVariant(QStringLiteral(" 7 "))), std::optional<double>(7.0));
    EXPECT_EQ(numberOf(QVariant(QStringLiteral("7x"))), std::nullopt);
    EXPECT_EQ(numberOf(QVariant(qint16(-3))), std::optional<double>(-3.0));
    EXPECT_EQ(numberOf(QVariant(true)), std::optional<double>(-1.0));
    EXPECT_EQ(numberOf(QVariant()), std::nullopt);
    EXPECT_TRUE(isEmptyValue(QVariant()));
    EXPECT_TRUE(isEmptyValue(QVariant(QString())));
    EXPECT_FALSE(isEmptyValue(QVariant(QStringLiteral(" "))));
    EXPECT_FALSE(isEmptyValue(QVariant(0)));
}

TEST(BasicText, TrimRemovesSpacesOnly) {
    EXPECT_EQ(Trim(QStringLiteral("  a b  ")), QStringLiteral("a b"));
    EXPECT_EQ(Trim(QStringLiteral("\ta\t")), QStringLiteral("\ta\t"));
    EXPECT_EQ(Trim(QStringLiteral(" \n ")), QStringLiteral("\n"));
    EXPECT_EQ(LTrim(QStringLiteral("  a ")), QStringLiteral("a "));
    EXPECT_EQ(RTrim(QStringLiteral("  a ")), QStringLiteral("  a"));
    EXPECT_EQ(Trim(QStringLiteral("    ")), QString());
    EXPECT_EQ(Trim(QString::fromUtf8("\u00A0a\u00A0")), QString::fromUtf8("\u00A0a\u00A0"));
}

TEST(BasicText, LeftRightMidCountCharacters) {
    const QString s = QString::fromUtf8("àbcdé");
    EXPECT_EQ(Left(s, 2), QString::fromUtf8("àb"));
    EXPECT_EQ(Left(s, 0), QString());
    EXPECT_EQ(Left(s, -1), QString());
    EXPECT_EQ(Left(s, 10), s);
    EXPECT_EQ(Right(s, 2), QString::fromUtf8("dé"));
    EXPECT_EQ(Right(s, 10), s);
    EXPECT_EQ(Right(s, -3), QString());
    EXPECT_EQ(Mid(s, 2, 3), QStringLiteral("bcd"));
    EXPECT_EQ(Mid(s, 4), QString::fromUtf8("dé"));
    EXPECT_EQ(Mid(s, 6), QString());
    EXPECT_EQ(Mid(s, 5, 10), QString::fromUtf8("é"));
    EXPECT_EQ(Mid(s, 0, 2), QString::fromUtf8("àb"));
    EXPECT_EQ(Mid(s, 2, 0), QString());
}

TEST(BasicText, InStrIsOneBased) {
    EXPECT_EQ(InStr(QStringLiteral("abcabc"), QStringLiteral("c")), 3);
    EXPECT_EQ(InStr(QStringLiteral("abcabc"), QStringLiteral("c"), 4), 6);
    EXPECT_EQ(InStr(QStringLiteral("abc"), QStringLiteral("C")), 0);
    EXPECT_EQ(InStr(QStringLiteral("abc"), QStringLiteral("x")), 0);
    EXPECT_EQ(InStr(QStringLiteral("abc"), QString()), 1);
    EXPECT_EQ(InStr(QStringLiteral("abc"), QString(), 3), 3);
    EXPECT_EQ(InStr(QStringLiteral("abc"), QString(), 4), 0);
    EXPECT_EQ(InStr(QString(), QString()), 0);
    EXPECT_EQ(InStr(QStringLiteral("abc"), QStringLiteral("a"), 9), 0);
    EXPECT_EQ(InStr(QStringLiteral("abc"), QStringLiteral("a"), 0), 1);
}

TEST(BasicText, CaseMappingKeepsLength) {
    EXPECT_EQ(UCase(QString::fromUtf8("straße è")), QString::fromUtf8("STRAßE È"));
    EXPECT_EQ(LCase(QString::fromUtf8("ÀBC Ü")), QString::fromUtf8("àbc ü"));
    // U+FB00 (ligature ff) has no one-character capital: kept as it is.
    EXPECT_EQ(UCase(QString::fromUtf8("\uFB00x")), QString::fromUtf8("\uFB00X"));
    // Characters outside the basic plane are mapped as whole code points.
    EXPECT_EQ(UCase(QString::fromUtf8("\U00010428")), QString::fromUtf8("\U00010400"));
    EXPECT_EQ(LCase(QString::fromUtf8("\U00010400a")), QString::fromUtf8("\U00010428a"));
    EXPECT_EQ(Space(3), QStringLiteral("   "));
    EXPECT_EQ(Space(-1), QString());
}

TEST(BasicText, SplitOfEmptyTextGivesNoPieces) {
    EXPECT_TRUE(Split(QString(), QStringLiteral(",")).isEmpty());
    EXPECT_EQ(Split(QStringLiteral("a,,b,"), QStringLiteral(",")),
              (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b"), QString()}));
    EXPECT_EQ(Split(QStringLiteral(","), QStringLiteral(",")), (QStringList{QString(), QString()}));
    EXPECT_EQ(Split(QStringLiteral("aXbxc"), QStringLiteral("X")),
              (QStringList{QStringLiteral("a"), QStringLiteral("bxc")}));
    EXPECT_EQ(Split(QStringLiteral("abc"), QString()), QStringList{QStringLiteral("abc")});
    EXPECT_EQ(Replace(QStringLiteral("aAa"), QStringLiteral("a"), QStringLiteral("xy")),
              QStringLiteral("xyAxy"));
    EXPECT_EQ(Replace(QStringLiteral("abc"), QString(), QStringLiteral("x")), QStringLiteral("abc"));
}

TEST(BasicText, OrdinalComparisonByCodeUnit) {
    EXPECT_EQ(StrCompBinary(QStringLiteral("B"), QStringLiteral("a")), -1);  // 'B' < 'a'
    EXPECT_EQ(StrCompBinary(QStringLiteral("a"), QStringLiteral("a")), 0);
    EXPECT_EQ(StrCompBinary(QStringLiteral("ab"), QStringLiteral("a")), 1);
    EXPECT_EQ(StrCompBinary(QString::fromUtf8("é"), QStringLiteral("z")), 1);
    EXPECT_EQ(StrCompBinary(QStringLiteral("-"), QStringLiteral("0")), -1);
    EXPECT_EQ(StrCompBinary(QStringLiteral(" "), QStringLiteral("-")), -1);
}

TEST(BasicFormat, TimePicture) {
    const QString time = QStringLiteral("00:00'00\\.000");
    EXPECT_EQ(Format(qint64(12345678), time), QStringLiteral("01:23'45.678"));
    EXPECT_EQ(Format(qint64(0), time), QStringLiteral("00:00'00.000"));
    EXPECT_EQ(Format(qint64(5678), time), QStringLiteral("00:00'05.678"));
    EXPECT_EQ(Format(qint64(-5678), time), QStringLiteral("-00:00'05.678"));
    EXPECT_EQ(Format(qint64(1234567890), time), QStringLiteral("123:45'67.890"));
    EXPECT_EQ(Format(qint64(-2147483647 - 1), time), QStringLiteral("-214:74'83.648"));
    EXPECT_EQ(Format(std::numeric_limits<qint64>::min(), QStringLiteral("0")),
              QStringLiteral("-9223372036854775808"));
    EXPECT_EQ(Format(12345678.0, time), QStringLiteral("01:23'45.678"));
    EXPECT_EQ(Format(5678.5, time), QStringLiteral("00:00'05.679"));  // halves away from zero
}

TEST(BasicFormat, SortKeyPictures) {
    EXPECT_EQ(Format(7, QStringLiteral("00-")), QStringLiteral("07-"));
    EXPECT_EQ(Format(60, QStringLiteral("00-")), QStringLiteral("60-"));
    EXPECT_EQ(Format(123, QStringLiteral("00-")), QStringLiteral("123-"));
    EXPECT_EQ(Format(240000000, QStringLiteral("000000000-")), QStringLiteral("240000000-"));
    EXPECT_EQ(Format(5678, QStringLiteral("000000000-")), QStringLiteral("000005678-"));
    EXPECT_EQ(Format(12, QStringLiteral("00000-")), QStringLiteral("00012-"));
    EXPECT_EQ(Format(0, QStringLiteral("0000")), QStringLiteral("0000"));
    EXPECT_EQ(Format(42, QStringLiteral("000")), QStringLiteral("042"));
    EXPECT_EQ(Format(12345, QStringLiteral("000")), QStringLiteral("12345"));
    EXPECT_EQ(Format(-7, QStringLiteral("000")), QStringLiteral("-007"));
    EXPECT_EQ(Format(qint64(-7), QStringLiteral("00-")), QStringLiteral("-07-"));
    EXPECT_EQ(Format(qsizetype(5), QStringLiteral("000")), QStringLiteral("005"));
    EXPECT_EQ(Format(qint16(5), QStringLiteral("000")), QStringLiteral("005"));
    EXPECT_EQ(Format(std::numeric_limits<quint64>::max(), QStringLiteral("0")),
              QStringLiteral("18446744073709551616"));  // read through a double, never negative
}

TEST(BasicFormat, DecimalsLiteralsAndRounding) {
    EXPECT_EQ(Format(2.5, QStringLiteral("0")), QStringLiteral("3"));
    EXPECT_EQ(Format(-2.5, QStringLiteral("0")), QStringLiteral("-3"));
    EXPECT_EQ(Format(-0.4, QStringLiteral("0")), QStringLiteral("0"));
    EXPECT_EQ(Format(3.14159, QStringLiteral("0.00")), QStringLiteral("3.14"));
    EXPECT_EQ(Format(0.5, QStringLiteral("0.000")), QStringLiteral("0.500"));
    EXPECT_EQ(Format(9.999, QStringLiteral("0.00")), QStringLiteral("10.00"));
    EXPECT_EQ(Format(5.0, QStringLiteral("x00y")), QStringLiteral("x05y"));
    EXPECT_EQ(Format(5.0, QStringLiteral("\\0 0")), QStringLiteral("0 5"));
    EXPECT_EQ(Format(1e20, QStringLiteral("0")), QStringLiteral("100000000000000000000"));
    EXPECT_EQ(Format(2.5, QString()), QStringLiteral("2.5"));
    EXPECT_EQ(Format(qint64(-5), QString()), QStringLiteral("-5"));
}
