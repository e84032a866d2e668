#include "platform/renderer/clock_format.h"

#include <QStringList>

namespace razudar::renderer {

QString defaultClockFormat() { return QStringLiteral("nz hh:mm:ss"); }

std::optional<ClockFormat> parseClockFormat(const QString& format) {
    ClockFormat f;
    QString body = format.trimmed();
    if (body.startsWith(QLatin1String("nz"), Qt::CaseInsensitive)) {
        f.noLeadingZeros = true;
        body = body.mid(2).trimmed();
    }
    if (body.isEmpty()) return std::nullopt;
    // Groups must appear from the largest to the smallest without gaps.
    static const QStringList order = {QStringLiteral("hh"), QStringLiteral("mm"), QStringLiteral("ss")};
    int next = -1;  // index in `order` of the last integer group seen
    bool fractionSeen = false;
    for (const QString& rawToken : body.split(u':')) {
        const QString token = rawToken.trimmed().toLower();
        if (fractionSeen) return std::nullopt;
        const int at = order.indexOf(token);
        if (at >= 0) {
            if (next >= 0 && at != next + 1) return std::nullopt;
            next = at;
            (at == 0 ? f.hours : at == 1 ? f.minutes : f.seconds) = true;
            continue;
        }
        int digits = 0;
        if (token == QLatin1String("d")) digits = 1;
        else if (token == QLatin1String("dc")) digits = 2;
        else if (token == QLatin1String("dcm")) digits = 3;
        else return std::nullopt;
        if (!f.seconds) return std::nullopt;  // a fraction follows the seconds
        f.fractionDigits = digits;
        fractionSeen = true;
    }
    if (!f.seconds) return std::nullopt;  // every format shows the seconds
    return f;
}

QString formatClockTime(qint64 ms, const ClockFormat& format, bool showPlusSign) {
    const bool negative = ms < 0;
    const quint64 magnitude = negative ? quint64(-(ms + 1)) + 1 : quint64(ms);
    quint64 totalSeconds = magnitude / 1000;
    const quint64 thousandths = magnitude % 1000;
    static const quint64 divisors[] = {1000, 100, 10, 1};
    const quint64 fraction = thousandths / divisors[format.fractionDigits];

    // The groups shown, from the largest; the largest takes everything above it.
    QList<quint64> groups;
    if (format.hours) {
        groups << totalSeconds / 3600 << (totalSeconds / 60) % 60 << totalSeconds % 60;
    } else if (format.minutes) {
        groups << totalSeconds / 60 << totalSeconds % 60;
    } else {
        groups << totalSeconds;
    }
    int first = 0;
    if (format.noLeadingZeros) {
        while (first < groups.size() - 1 && groups[first] == 0) ++first;
    }
    QString text;
    for (int i = first; i < groups.size(); ++i) {
        if (i > first) text += u':';
        const bool pad = !(format.noLeadingZeros && i == first);
        text += pad ? QStringLiteral("%1").arg(groups[i], 2, 10, QLatin1Char('0'))
                    : QString::number(groups[i]);
    }
    if (format.fractionDigits > 0) {
        text += u'.';
        text += QStringLiteral("%1").arg(fraction, format.fractionDigits, 10, QLatin1Char('0'));
    }

    bool allZero = fraction == 0;
    for (int i = first; i < groups.size(); ++i) allZero = allZero && groups[i] == 0;
    if (negative && !allZero) return u'-' + text;
    if (showPlusSign && (!negative || allZero)) return u'+' + text;
    return text;
}

}  // namespace razudar::renderer
