#pragma once
// The table `Tableau`: 47 columns of texts, row 0 the titles, archive records
// from row 1 in file order. At least 9000 rows; a month with more records
// (1-minute stations) gets as many rows as it needs.
#include "large_allocator.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace pluvelle {

inline constexpr int kColumnCount = 47;
inline constexpr int kDefaultRowCount = 9000;

// Titles of `MonthColumns`; note the trailing space of "ET ".
extern const std::array<std::string_view, kColumnCount> MonthColumns;

class MonthTable {
public:
    explicit MonthTable(int rows = kDefaultRowCount);

    int rowCount() const { return rows_; }
    // Rows past the last one ever written hold no storage and read as empty.
    const std::string& cell(int row, int col) const {
        return row < stored_ ? cells_[Index(row, col)] : EmptyText();
    }
    std::string& cell(int row, int col) {
        Store(row);
        return cells_[Index(row, col)];
    }
    void setCell(int row, int col, std::string text) { cell(row, col) = std::move(text); }

    // Empties every cell, titles included, and returns to `rows` rows.
    void clear(int rows = kDefaultRowCount);
    void writeTitles();
    // Grows to at least `rows` rows; never shrinks.
    void ensureRows(int rows);
    // Takes the storage of the first `rows` rows in one piece, for a loader
    // that knows how many it will write.
    void reserveRows(int rows);
    // Moves rows [row, last] one down to free `row`; the table grows by one
    // row when its last row is in use, so nothing falls off the end.
    void insertEmptyRow(int row);
    bool rowIsEmpty(int row) const;

private:
    static const std::string& EmptyText();
    std::size_t Index(int row, int col) const {
        return static_cast<std::size_t>(row) * kColumnCount + static_cast<std::size_t>(col);
    }
    void Store(int row);
    int rows_;
    int stored_ = 0;  // rows [0, stored_) have storage
    std::vector<std::string, LargeBlockAllocator<std::string>> cells_;
};

} // namespace pluvelle
