#include "model/ranking_key.h"

#include "model/basic.h"

namespace razudar {

namespace {
// Maps a signed value onto an unsigned one of the same order.
quint64 ordered32(qint32 value) { return static_cast<quint32>(value) ^ 0x80000000u; }
quint64 ordered16(qint16 value) { return static_cast<quint16>(value) ^ 0x8000u; }
}  // namespace

RankingKey makeRankingKey(const RankingFields& f)
{
    RankingKey key;
    switch (f.type) {
    case 0:
    case 1:
        key.leading = (ordered32(f.state) << 32) | ordered32(f.value);
        break;
    case 2:
    case 3:
        key.leading = (ordered32(0) << 32) | ordered32(f.value);
        break;
    default:
        key.leading = 0;
        break;
    }
    key.trailing = (ordered32(f.tie) << 32) | ordered16(f.competitor);
    return key;
}

QString rankingKeyText(const RankingFields& f)
{
    QString leading;
    switch (f.type) {
    case 0:
    case 1:
        leading = basic::Format(qint64(f.state), QStringLiteral("00-")) +
                  basic::Format(qint64(f.value), QStringLiteral("000000000-"));
        break;
    case 2:
        leading = basic::Format(qint64(f.value), QStringLiteral("000000000-"));
        break;
    case 3:
        leading = basic::Format(qint64(f.value), QStringLiteral("00000-"));
        break;
    default:
        break;
    }
    return leading + basic::Format(qint64(f.tie), QStringLiteral("0000")) + QLatin1Char('-') +
           basic::Format(qint64(f.competitor), QStringLiteral("000"));
}

}  // namespace razudar
