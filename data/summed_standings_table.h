#pragma once
// A small two-dimensional table of whole numbers whose rows can be sorted by one column, the
// way the summed-time standings order competitors by their total. Rows and columns count from
// 0. The sort is stable, so rows with equal values keep their order, and sorting by a second
// column after a first one orders by (second, first).
#include <QtGlobal>

#include <vector>

namespace razudar {

class NumberTable {
public:
    NumberTable() = default;
    NumberTable(int rows, int columns) { redim(rows, columns); }

    // Gives the table this many rows and columns, every cell 0 (negative counts give none).
    void redim(int rows, int columns);
    int rowCount() const { return rows_; }
    int columnCount() const { return columns_; }

    // Cell access; a cell outside the table reads 0 and is not written.
    qint64 get(int row, int column) const;
    void set(int row, int column, qint64 value);

    // Orders the rows by the values of `column`, ascending; ties keep their order. A column
    // outside the table leaves the rows as they are.
    void sortByColumn(int column);

private:
    bool inside(int row, int column) const {
        return row >= 0 && row < rows_ && column >= 0 && column < columns_;
    }
    int rows_ = 0;
    int columns_ = 0;
    std::vector<qint64> cells_;  // row after row
};

}  // namespace razudar
