#include "data/summed_standings_table.h"

#include <algorithm>
#include <numeric>

namespace razudar {

void NumberTable::redim(int rows, int columns) {
    rows_ = std::max(rows, 0);
    columns_ = std::max(columns, 0);
    cells_.assign(std::size_t(rows_) * std::size_t(columns_), 0);
}

qint64 NumberTable::get(int row, int column) const {
    return inside(row, column) ? cells_[std::size_t(row) * columns_ + column] : 0;
}

void NumberTable::set(int row, int column, qint64 value) {
    if (inside(row, column))
        cells_[std::size_t(row) * columns_ + column] = value;
}

void NumberTable::sortByColumn(int column) {
    if (column < 0 || column >= columns_ || rows_ < 2)
        return;
    std::vector<int> order(rows_);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return get(a, column) < get(b, column);
    });
    std::vector<qint64> sorted;
    sorted.reserve(cells_.size());
    for (int row : order) {
        const auto first = cells_.begin() + std::ptrdiff_t(row) * columns_;
        sorted.insert(sorted.end(), first, first + columns_);
    }
    cells_ = std::move(sorted);
}

}  // namespace razudar
