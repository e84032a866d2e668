#include "tables/date_text.h"

#include <QRegularExpression>

namespace razudar::tables {

namespace {

int fullYear(int year, qsizetype digits, std::optional<int> currentYear) {
    if (digits > 2) return year;
    if (currentYear) return fullYearFromTwoDigits(year, *currentYear);
    return year < kTwoDigitYearPivot ? 2000 + year : 1900 + year;
}

}  // namespace

int fullYearFromTwoDigits(int twoDigitYear, int currentYear) {
    const int century = currentYear - currentYear % 100;
    int year = century + twoDigitYear;
    if (year > currentYear + kYearsAhead) year -= 100;
    if (year <= currentYear + kYearsAhead - 100) year += 100;
    return year;
}

std::optional<QDateTime> parseDateText(const QString& input, std::optional<int> currentYear) {
    const QString text = input.trimmed();
    if (text.isEmpty()) return std::nullopt;
    static const QRegularExpression dmy(QStringLiteral(
        R"(^(\d{1,2})[/.\-](\d{1,2})[/.\-](\d{2}|\d{4})(?:\s+(\d{1,2})[.:](\d{2})(?:[.:](\d{2}))?)?$)"));
    static const QRegularExpression iso(QStringLiteral(
        R"(^(\d{4})-(\d{2})-(\d{2})(?:[T ](\d{2}):(\d{2})(?::(\d{2}))?(?:\.\d+)?)?$)"));
    int day = 0, month = 0, year = 0, hour = 0, minute = 0, second = 0;
    if (const auto m = dmy.match(text); m.hasMatch()) {
        day = m.captured(1).toInt();
        month = m.captured(2).toInt();
        year = fullYear(m.captured(3).toInt(), m.captured(3).size(), currentYear);
        hour = m.captured(4).toInt();
        minute = m.captured(5).toInt();
        second = m.captured(6).toInt();
    } else if (const auto i = iso.match(text); i.hasMatch()) {
        year = i.captured(1).toInt();
        month = i.captured(2).toInt();
        day = i.captured(3).toInt();
        hour = i.captured(4).toInt();
        minute = i.captured(5).toInt();
        second = i.captured(6).toInt();
    } else {
        return std::nullopt;
    }
    const QDate date(year, month, day);
    const QTime time(hour, minute, second);
    if (!date.isValid() || !time.isValid()) return std::nullopt;
    return QDateTime(date, time);
}

QString dateTimeFieldText(const QDateTime& value) {
    return value.toString(QStringLiteral("dd/MM/yy hh.mm"));
}

}  // namespace razudar::tables
