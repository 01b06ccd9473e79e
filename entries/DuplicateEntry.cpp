#include "entries/DuplicateEntry.h"

int DuplicateEntry::FindRow(const EntryStore& store, std::string_view url,
                            std::string_view priority) {
    const int count = store.Count();
    for (int row = 0; row < count; ++row) {
        const SitemapEntry& entry = store.Entry(row);
        if (entry.url == url && entry.priority == priority) {
            return row;
        }
    }
    return -1;
}
