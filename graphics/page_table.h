#pragma once
#include <QString>
#include <QStringList>

#include <array>

#include "graphics/gra_types.h"

namespace razudar::gra {

// The table of page definitions listed from the graphics folder: 101 slots, of which the first
// `count()` are current. Reloading keeps stale entries beyond the new count (they are simply
// no longer counted), as callers never read past the count.
class PageTable {
public:
    struct LoadResult {
        bool found = false;          // at least one page file was listed
        QStringList notListed;       // file names beyond the 101 slots, in name order
    };

    // Lists every "*.smb" file of `folder` (extension in any case), in name order without case.
    LoadResult load(const QString& folder);

    int count() const { return count_; }
    static bool isSlot(int index) { return index >= 0 && index < kPageSlots; }
    // Index of the first counted entry whose name matches (trimmed, without case); -1 if none.
    int find(const QString& pageName) const;

    Pagina& at(int index) { return slots_[std::size_t(index)]; }
    const Pagina& at(int index) const { return slots_[std::size_t(index)]; }

private:
    std::array<Pagina, kPageSlots> slots_{};
    int count_ = 0;
};

}  // namespace razudar::gra
