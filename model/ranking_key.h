#pragma once
// The ranking key of a competitor in a classification slot. The stored layout is the text
// "leading part" + tie-break "0000" + "-" + competitor "000" (for example 00-000123456-0012-045),
// compared by character codes. RankingKey orders the same fields numerically instead, so it
// gives the same order wherever the text fields keep their width, and the right order where
// they would not (competitor numbers above 999, negative or ten-digit values).
#include <QString>
#include <QtGlobal>

#include <compare>

namespace razudar {

struct RankingKey {
    quint64 leading = 0;   // state (or 0) in the high half, time or start order in the low half
    quint64 trailing = 0;  // tie-break in the high half, competitor number in the low bits

    friend auto operator<=>(const RankingKey&, const RankingKey&) = default;
    qint16 competitor() const { return static_cast<qint16>(static_cast<quint16>(trailing) ^ 0x8000u); }
};

// Fields of a key. Types 0 and 1 use state and value, type 2 the value, type 3 the start order
// (as value); any other type only the tie-break and the competitor.
struct RankingFields {
    int type = 0;
    qint32 state = 0;
    qint32 value = 0;
    qint32 tie = 0;
    qint16 competitor = 0;
};

RankingKey makeRankingKey(const RankingFields& fields);

// The key in its stored text layout.
QString rankingKeyText(const RankingFields& fields);

// Tie-break field: the bib, or 9999 - bib when ties rank by descending bib.
inline qint32 rankingTie(qint16 bib, bool descending) { return descending ? 9999 - qint32(bib) : bib; }

}  // namespace razudar
