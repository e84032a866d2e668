#include "list/row_metrics.h"

#include "model/basic.h"

#include <algorithm>

namespace razudar::list {
namespace {

constexpr qint64 kMarginTwips = 50;

}  // namespace

std::optional<RowCount> contaRighe(qint64 controlHeightTwips, qint32 altezzaRiga, qint16 numeroRighe) {
    const qint64 rowHeight = std::max<qint32>(1, altezzaRiga);
    const auto visible = basic::toInteger(std::max<qint64>(0, controlHeightTwips) / rowHeight);
    if (!visible) return std::nullopt;
    if (numeroRighe < *visible) return RowCount{*visible, *visible, 0};
    const auto range = basic::toInteger(qint64(numeroRighe) - *visible);
    if (!range) return std::nullopt;
    return RowCount{*visible, numeroRighe, *range};
}

ListLayout disponi(qint64 controlWidthTwips, qint64 controlHeightTwips, qint64 scrollWidthTwips,
                   bool rowScale, qint32 altezzaRiga, qint16 numeroRighe) {
    ListLayout layout;
    layout.surfaceWidthTwips = std::max<qint64>(0, controlWidthTwips - scrollWidthTwips);
    layout.scrollHeightTwips = std::max<qint64>(0, controlHeightTwips - kMarginTwips);
    layout.scrollLeftTwips = controlWidthTwips - scrollWidthTwips - kMarginTwips;
    layout.surfaceHeightTwips = rowScale ? std::max<qint64>(0, controlHeightTwips - kMarginTwips)
                                         : qint64(altezzaRiga) * numeroRighe;
    return layout;
}

}  // namespace razudar::list
