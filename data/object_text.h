#pragma once
// Object text: the marked flat text in which the timekeeping application sends a race state and
// its clock and session-key replies. One object is "_BF_OG-IN_", its sections joined by
// "_BF_AT_OG_SP_", then "_BF_OG-FN_". An attribute section is "_BF_AT-IN_", values joined by
// "_BF_AT-SP_", "_BF_AT-FN_"; a collection section is items joined by "_CL_IT-SP_", optionally
// ended by "_BF_OG-SP_" and text that is not read; an item is values joined by "_BF_AT-SP_".
// Values are plain text, never escaped. The program only reads object text.
//
// Everything here works on views into the caller's payload: nothing is copied, so the payload
// must outlive the views.
#include <QString>
#include <QStringView>

#include <cstddef>
#include <span>
#include <vector>

namespace razudar::object_text {

inline constexpr QStringView kObjectBegin = u"_BF_OG-IN_";
inline constexpr QStringView kObjectEnd = u"_BF_OG-FN_";
inline constexpr QStringView kSectionSeparator = u"_BF_AT_OG_SP_";
inline constexpr QStringView kAttributesBegin = u"_BF_AT-IN_";
inline constexpr QStringView kAttributesEnd = u"_BF_AT-FN_";
inline constexpr QStringView kValueSeparator = u"_BF_AT-SP_";
inline constexpr QStringView kItemSeparator = u"_CL_IT-SP_";
inline constexpr QStringView kItemListEnd = u"_BF_OG-SP_";

// Position of `marker` in `text` from `from`, or -1. Markers are matched exactly (case-sensitive).
qsizetype findMarker(QStringView text, QStringView marker, qsizetype from = 0);

// True when the payload begins with "_BF_OG-IN_" and ends with a separate "_BF_OG-FN_" (the two
// markers may not overlap), with nothing before or after them.
bool hasObjectMarkers(QStringView payload);
// The payload without its two object markers. Only meaningful when hasObjectMarkers is true.
QStringView objectBody(QStringView payload);

// Splits `text` at every `separator`, appending the pieces (empty ones included) to `out`.
// The empty text gives no pieces at all (not one empty piece).
void splitInto(QStringView text, QStringView separator, std::vector<QStringView>& out);
// The pieces of `text` split at `separator` (see splitInto).
std::vector<QStringView> split(QStringView text, QStringView separator);

// The object's first section: the body up to the first section separator (the whole body when
// there is none). Used by the replies that read section 0 only.
QStringView firstSection(QStringView body);

// The values of an attribute section: the section without its first and last ten characters
// (the markers are removed by length, not searched for), split at "_BF_AT-SP_". Returns false,
// appending nothing, when the section is shorter than its two markers.
bool attributeValues(QStringView section, std::vector<QStringView>& out);

// The items of one collection section with their values, stored flat: item i holds the values
// from start[i] to start[i + 1].
class CollectionValues {
public:
    // Reads `section`: its item list (the text before the first "_BF_OG-SP_", or the whole
    // section when that marker is absent) split at "_CL_IT-SP_", every item split at
    // "_BF_AT-SP_". An empty item list has no items; an empty item has no values.
    void read(QStringView section);
    std::size_t itemCount() const { return itemStart_.empty() ? 0 : itemStart_.size() - 1; }
    std::span<const QStringView> item(std::size_t index) const;

private:
    std::vector<QStringView> values_;
    std::vector<std::size_t> itemStart_;
    std::vector<QStringView> items_;
};

}  // namespace razudar::object_text
