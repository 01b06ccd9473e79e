#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "entries/SitemapEntry.h"

// The rows of the entry table in one contiguous array. Rows are numbered from the top (row 0)
// but kept bottom-first, so that inserting at the top, which is how every row arrives, is an
// append; the bottom-first order is also the order of the entry list file.
//
// Each cell carries a slot for its measured display width (kUnmeasured until the view measures
// it), so that fitting the columns never has to measure a text twice.
class EntryStore {
public:
    static constexpr int kUnmeasured = -1;
    using CellWidths = std::array<int, SitemapEntry::kColumnCount>;

    int Count() const { return static_cast<int>(m_rows.size()); }
    bool IsValidRow(int row) const { return row >= 0 && row < Count(); }

    // Inserts before the row now at `row` (0 = the new top row; Count() = the new bottom row).
    void Insert(int row, SitemapEntry entry);
    void Remove(int row);
    void Clear();
    void Reserve(int count);
    // Turns the table upside down; cell widths travel with their texts.
    void Reverse();

    const SitemapEntry& Entry(int row) const { return m_rows[Index(row)].entry; }
    // Sets one cell's text and forgets its measured width.
    void SetText(int row, int column, std::string text);

    int Width(int row, int column) const { return m_rows[Index(row)].widths[column]; }
    void SetWidth(int row, int column, int width) { m_rows[Index(row)].widths[column] = width; }

private:
    struct StoredRow {
        SitemapEntry entry;
        CellWidths widths{kUnmeasured, kUnmeasured, kUnmeasured, kUnmeasured};
    };

    std::size_t Index(int row) const { return m_rows.size() - 1 - static_cast<std::size_t>(row); }

    std::vector<StoredRow> m_rows; // bottom row first
};
