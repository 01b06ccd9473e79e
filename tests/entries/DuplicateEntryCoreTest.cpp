#include "entries/DuplicateEntry.h"

#include <gtest/gtest.h>

namespace {

struct DuplicateCase {
    const char* name;
    const char* url;
    const char* priority;
    int row;
};

TEST(DuplicateEntry, MatchesUrlAndPriorityExactlyAndNothingElse) {
    EntryStore store;
    // Row 0 is the last one inserted.
    store.Insert(0, SitemapEntry{"http://b", "2006-12-05", "0.5", "daily "});
    store.Insert(0, SitemapEntry{"http://a", "", "0.5", ""});
    store.Insert(0, SitemapEntry{"http://a", "", "1.0", ""});
    store.Insert(0, SitemapEntry{"http://a", "", "0.5", "never "});

    const DuplicateCase cases[] = {
        {"top-most match wins", "http://a", "0.5", 0},
        {"other priority", "http://a", "1.0", 1},
        {"date and frequency do not count", "http://b", "0.5", 3},
        {"priority unknown", "http://b", "1.0", -1},
        {"letter case counts in the URL", "http://A", "0.5", -1},
        {"no trimming", "http://a ", "0.5", -1},
        {"priority text compared as text", "http://a", "1", -1},
        {"empty priority", "http://a", "", -1},
    };
    for (const DuplicateCase& c : cases) {
        EXPECT_EQ(DuplicateEntry::FindRow(store, c.url, c.priority), c.row) << c.name;
    }
    EXPECT_EQ(DuplicateEntry::FindRow(EntryStore{}, "", ""), -1) << "empty table";
}

} // namespace
