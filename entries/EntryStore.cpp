#include "entries/EntryStore.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

void EntryStore::Insert(int row, SitemapEntry entry) {
    if (row < 0 || row > Count()) {
        throw std::out_of_range("no place for row " + std::to_string(row));
    }
    const auto position = m_rows.end() - row;
    m_rows.insert(position, StoredRow{std::move(entry), {}});
}

void EntryStore::Remove(int row) {
    if (!IsValidRow(row)) {
        throw std::out_of_range("no row " + std::to_string(row));
    }
    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(Index(row)));
}

void EntryStore::Clear() {
    m_rows.clear();
}

void EntryStore::Reserve(int count) {
    m_rows.reserve(static_cast<std::size_t>(count));
}

void EntryStore::Reverse() {
    std::reverse(m_rows.begin(), m_rows.end());
}

void EntryStore::SetText(int row, int column, std::string text) {
    StoredRow& stored = m_rows[Index(row)];
    stored.entry.Text(column) = std::move(text);
    stored.widths[column] = kUnmeasured;
}
