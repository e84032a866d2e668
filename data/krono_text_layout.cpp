#include "data/krono_text_layout.h"

#include <optional>
#include <span>

#include "data/object_text_values.h"
#include "model/basic.h"

namespace razudar::object_text {

namespace {

enum RaceSection : int {
    kSessionSection = 0,
    kCategorySection,
    kCompetitorSection,
    kCompetitorCategorySection,
    kResultSection,
    kStartListSection,
    kHeatSection,
    kAbbreviationSection
};

// Turn types that switch the parallel run mode off.
bool switchesParallelOff(qint32 turnType) { return turnType == 1 || turnType == 2; }

QString quoted(QStringView value) {
    constexpr qsizetype kShown = 40;
    const QString shown = value.size() > kShown ? value.left(kShown).toString() + QStringLiteral("...")
                                                : value.toString();
    return u'"' + shown + u'"';
}

bool fail(QString* reason, const QString& text) {
    if (reason) *reason = text;
    return false;
}

bool readAttributes(QStringView section, int number, qsizetype needed,
                    std::vector<QStringView>& values, QString* reason) {
    if (!attributeValues(section, values)) {
        return fail(reason, QStringLiteral("la sezione %1 è più corta dei suoi delimitatori")
                                .arg(number));
    }
    if (qsizetype(values.size()) < needed) {
        return fail(reason, QStringLiteral("la sezione %1 ha %2 valori, ne servono %3")
                                .arg(number).arg(values.size()).arg(needed));
    }
    return true;
}

bool readTruth(const std::vector<QStringView>& session, int index, bool& out, QString* reason) {
    const std::optional<bool> truth = truthValue(session[index]);
    if (!truth) {
        return fail(reason, QStringLiteral("il valore %1 della sezione 0 non è un valore logico: %2")
                                .arg(index).arg(quoted(session[index])));
    }
    out = *truth;
    return true;
}

bool readSession(QStringView section, RaceTextLayout& layout, QString* reason) {
    if (!readAttributes(section, kSessionSection, kSessionValueCount, layout.session, reason))
        return false;
    const std::vector<QStringView>& v = layout.session;
    if (!readTruth(v, kKO, layout.ko, reason) || !readTruth(v, kTabellone, layout.tabellone, reason) ||
        !readTruth(v, kParallelo, layout.parallelo, reason) ||
        !readTruth(v, kQualificazioneParallela, layout.qualificazioneParallela, reason)) {
        return false;
    }
    layout.intermediates = integerValue(v[kIntermedi]);
    const bool parallelRun = layout.parallelo && !switchesParallelOff(integerValue(v[kTurnoCorrenteTipo]));
    layout.resultBlocks = integerValue(v[parallelRun ? kSfidaCorrente : kMancheCorrente]);
    if (layout.intermediates < 0) {
        return fail(reason, QStringLiteral("il numero degli intermedi è negativo (%1)")
                                .arg(layout.intermediates));
    }
    // The result blocks are the heats of a parallel run, the runs otherwise.
    const QString current = parallelRun ? QStringLiteral("la sfida corrente") : QStringLiteral("la manche corrente");
    if (layout.resultBlocks < 0) {
        return fail(reason, QStringLiteral("%1 è negativa (%2)").arg(current).arg(layout.resultBlocks));
    }
    if (layout.resultBlocks > kMaxResultBlocks) {
        return fail(reason, QStringLiteral("%1 è %2, oltre il massimo di %3")
                                .arg(current).arg(layout.resultBlocks).arg(kMaxResultBlocks));
    }
    return true;
}

// A collection section that is entirely empty has no item list at all (not even the end marker).
bool readItemList(QStringView section, int number, CollectionValues& out, QString* reason) {
    if (section.isEmpty())
        return fail(reason, QStringLiteral("la sezione %1 non ha un elenco di elementi").arg(number));
    out.read(section);
    return true;
}

// Sections 1, 5 and 6 are skipped when blank.
void readOptionalItemList(QStringView section, CollectionValues& out) {
    out.read(basic::Trim(section.toString()).isEmpty() ? QStringView() : section);
}

bool checkItemSizes(const CollectionValues& items, int number, qint64 needed, QString* reason) {
    for (std::size_t i = 0; i < items.itemCount(); ++i) {
        const qint64 size = qint64(items.item(i).size());
        if (size < needed) {
            return fail(reason, QStringLiteral("l'elemento %1 della sezione %2 ha %3 valori, ne servono %4")
                                    .arg(i + 1).arg(number).arg(size).arg(needed));
        }
    }
    return true;
}

// Items of the form [key, n, n values]: n may not run past the item's end. A count of 0 or
// less adds nothing from its item, like an empty count loop.
bool checkCountedItems(const CollectionValues& items, int number, QString* reason) {
    if (!checkItemSizes(items, number, 2, reason)) return false;
    for (std::size_t i = 0; i < items.itemCount(); ++i) {
        const std::span<const QStringView> item = items.item(i);
        const qint64 count = integerValue(item[1]);
        if (2 + count > qint64(item.size())) {
            return fail(reason, QStringLiteral("l'elemento %1 della sezione %2 annuncia %3 valori, ne seguono %4")
                                    .arg(i + 1).arg(number).arg(count).arg(item.size() - 2));
        }
    }
    return true;
}

}  // namespace

bool readRaceText(QStringView payload, RaceTextLayout& layout, QString* reason) {
    if (!hasObjectMarkers(payload)) {
        return fail(reason, QStringLiteral("il testo non è racchiuso fra %1 e %2")
                                .arg(kObjectBegin.toString(), kObjectEnd.toString()));
    }
    const std::vector<QStringView> sections = split(objectBody(payload), kSectionSeparator);
    if (sections.size() < kRaceSectionCount) {
        return fail(reason, QStringLiteral("il testo ha %1 sezioni, ne servono %2")
                                .arg(sections.size()).arg(kRaceSectionCount));
    }
    if (!readSession(sections[kSessionSection], layout, reason)) return false;

    readOptionalItemList(sections[kCategorySection], layout.categories);
    if (!checkItemSizes(layout.categories, kCategorySection, kCategoryValues, reason)) return false;

    if (!readItemList(sections[kCompetitorSection], kCompetitorSection, layout.competitors, reason) ||
        !checkItemSizes(layout.competitors, kCompetitorSection, kCompetitorValues, reason)) {
        return false;
    }
    if (!readItemList(sections[kCompetitorCategorySection], kCompetitorCategorySection,
                      layout.competitorCategories, reason) ||
        !checkCountedItems(layout.competitorCategories, kCompetitorCategorySection, reason)) {
        return false;
    }
    if (!readItemList(sections[kResultSection], kResultSection, layout.results, reason) ||
        !checkItemSizes(layout.results, kResultSection, layout.resultItemValues(), reason)) {
        return false;
    }

    readOptionalItemList(sections[kStartListSection], layout.startList);
    if (!checkItemSizes(layout.startList, kStartListSection, 1, reason)) return false;

    readOptionalItemList(sections[kHeatSection], layout.heats);
    if (!checkCountedItems(layout.heats, kHeatSection, reason)) return false;

    return readAttributes(sections[kAbbreviationSection], kAbbreviationSection,
                          kAbbreviationValueCount, layout.abbreviations, reason);
}

}  // namespace razudar::object_text
