// One reading of a value's number for the language semantics and the database layer: the same
// value is a number (or not) for numberOf and for the filters' comparisons.
#include <gtest/gtest.h>

#include <optional>

#include "model/basic.h"
#include "platform/db/criteria.h"
#include "platform/values/numeric_value.h"

namespace razudar {
namespace {

struct ValueRow {
    const char* what;
    QVariant value;
    std::optional<double> byType;    // numericValue
    std::optional<double> numberOf;  // basic::numberOf
    int signAgainst100;              // sign of db::compareValues(value, "100")
};

int sign(int v) { return (v > 0) - (v < 0); }

TEST(ValueNumber, OneTypeSwitchForTheSemanticsAndTheFilters) {
    const ValueRow rows[] = {
        {"True", QVariant(true), -1.0, -1.0, -1},
        {"False", QVariant(false), 0.0, 0.0, -1},
        {"int", QVariant(120), 120.0, 120.0, 1},
        {"16-bit", QVariant(qint16(-3)), -3.0, -3.0, -1},
        {"64-bit", QVariant(qint64(100)), 100.0, 100.0, 0},
        {"unsigned", QVariant(quint32(99)), 99.0, 99.0, -1},
        // The character types are 8-bit integers: read as numbers, never as text ("9" > "100").
        {"signed char", QVariant::fromValue(qint8(9)), 9.0, 9.0, -1},
        {"unsigned char", QVariant::fromValue(quint8(200)), 200.0, 200.0, 1},
        {"char", QVariant::fromValue(char('A')), 65.0, 65.0, -1},
        {"double", QVariant(99.5), 99.5, 99.5, -1},
        {"float", QVariant(100.0f), 100.0, 100.0, 0},
        // Texts are not numbers by type: numberOf reads them as IsNumeric does, the filters
        // compare them as texts.
        {"number text", QVariant(QStringLiteral(" 7 ")), std::nullopt, 7.0, -1},
        {"other text", QVariant(QStringLiteral("7x")), std::nullopt, std::nullopt, 1},
        {"invalid", QVariant(), std::nullopt, std::nullopt, -1},
    };
    for (const ValueRow& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(numericValue(row.value), row.byType);
        EXPECT_EQ(basic::numberOf(row.value), row.numberOf);
        EXPECT_EQ(sign(db::compareValues(row.value, QVariant(QStringLiteral("100")))), row.signAgainst100);
    }
}

}  // namespace
}  // namespace razudar
