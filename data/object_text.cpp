#include "data/object_text.h"

namespace razudar::object_text {

namespace {

// Finds a marker with a Horspool scan: it looks at the text's character under the marker's last
// character and moves on as far as the marker allows. Values are mostly digits, which no marker
// holds, so the scan mostly advances a whole marker length at a time.
class MarkerSearch {
public:
    explicit MarkerSearch(QStringView marker) : marker_(marker) {
        // A smaller move is always safe, so moves are capped at 255.
        const qsizetype length = marker.size();
        otherShift_ = quint8(qMin<qsizetype>(length, 255));
        for (quint8& shift : shift_) shift = otherShift_;
        for (qsizetype i = 0; i + 1 < length; ++i) {
            const char16_t ch = marker[i].unicode();
            quint8& shift = ch < kTableSize ? shift_[ch] : otherShift_;
            shift = quint8(qMin<qsizetype>(shift, length - 1 - i));
        }
    }

    // Position of the first occurrence at or after `from`; -1 when none.
    qsizetype find(QStringView text, qsizetype from) const {
        const char16_t* s = text.utf16();
        const char16_t* m = marker_.utf16();
        const qsizetype length = marker_.size();
        const qsizetype n = text.size();
        for (qsizetype at = from; at + length <= n;) {
            const char16_t last = s[at + length - 1];
            if (last == m[length - 1] && matchesBefore(s + at, m, length - 1)) return at;
            at += last < kTableSize ? shift_[last] : otherShift_;
        }
        return -1;
    }

private:
    // True when the first `count` characters agree; compared from the end, where markers differ.
    static bool matchesBefore(const char16_t* text, const char16_t* marker, qsizetype count) {
        for (qsizetype i = count - 1; i >= 0; --i)
            if (text[i] != marker[i]) return false;
        return true;
    }

    // Moves by ASCII character; every other character shares one move (the markers are ASCII,
    // so for them it is the whole marker length).
    static constexpr int kTableSize = 128;
    QStringView marker_;
    quint8 shift_[kTableSize];
    quint8 otherShift_;
};

}  // namespace

qsizetype findMarker(QStringView text, QStringView marker, qsizetype from) {
    if (from < 0 || marker.isEmpty()) return -1;
    return MarkerSearch(marker).find(text, from);
}

bool hasObjectMarkers(QStringView payload) {
    return payload.size() >= kObjectBegin.size() + kObjectEnd.size() &&
           payload.startsWith(kObjectBegin) && payload.endsWith(kObjectEnd);
}

QStringView objectBody(QStringView payload) {
    const qsizetype length = payload.size() - kObjectBegin.size() - kObjectEnd.size();
    if (length <= 0) return {};
    return payload.mid(kObjectBegin.size(), length);
}

void splitInto(QStringView text, QStringView separator, std::vector<QStringView>& out) {
    if (text.isEmpty() || separator.isEmpty()) return;
    const MarkerSearch search(separator);
    qsizetype start = 0;
    for (;;) {
        const qsizetype at = search.find(text, start);
        if (at < 0) break;
        out.push_back(text.mid(start, at - start));
        start = at + separator.size();
    }
    out.push_back(text.mid(start));
}

std::vector<QStringView> split(QStringView text, QStringView separator) {
    std::vector<QStringView> pieces;
    splitInto(text, separator, pieces);
    return pieces;
}

QStringView firstSection(QStringView body) {
    const qsizetype at = findMarker(body, kSectionSeparator);
    return at < 0 ? body : body.left(at);
}

bool attributeValues(QStringView section, std::vector<QStringView>& out) {
    const qsizetype markers = kAttributesBegin.size() + kAttributesEnd.size();
    if (section.size() < markers) return false;
    splitInto(section.mid(kAttributesBegin.size(), section.size() - markers), kValueSeparator, out);
    return true;
}

void CollectionValues::read(QStringView section) {
    values_.clear();
    itemStart_.clear();
    items_.clear();
    // The item list, then its items, then each item's values, exactly as nested splits cut them
    // (also when a value holds part of a marker).
    const qsizetype listEnd = findMarker(section, kItemListEnd);
    const QStringView list = listEnd < 0 ? section : section.left(listEnd);
    splitInto(list, kItemSeparator, items_);
    if (items_.empty()) return;
    // Every value but an item's first follows a separator of ten characters: an upper bound
    // that spares the copies of a growing vector (pages never written cost nothing).
    values_.reserve(std::size_t(list.size() / kValueSeparator.size()) + items_.size());
    itemStart_.reserve(items_.size() + 1);
    itemStart_.push_back(0);
    for (QStringView item : items_) {
        splitInto(item, kValueSeparator, values_);
        itemStart_.push_back(values_.size());
    }
}

std::span<const QStringView> CollectionValues::item(std::size_t index) const {
    const std::size_t begin = itemStart_[index];
    return {values_.data() + begin, itemStart_[index + 1] - begin};
}

}  // namespace razudar::object_text
