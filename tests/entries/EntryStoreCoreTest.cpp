#include "entries/EntryStore.h"

#include <gtest/gtest.h>

namespace {

EntryStore StoreOf(int rows) {
    EntryStore store;
    // Inserted at the top one by one, so row 0 is the last one inserted: "r<rows-1>".
    for (int i = 0; i < rows; ++i) {
        store.Insert(0, SitemapEntry{"r" + std::to_string(i), "m", "p", "f"});
    }
    return store;
}

std::vector<std::string> Urls(const EntryStore& store) {
    std::vector<std::string> urls;
    for (int row = 0; row < store.Count(); ++row) {
        urls.push_back(store.Entry(row).url);
    }
    return urls;
}

TEST(EntryStore, InsertsAtTheTopAndInTheMiddle) {
    EntryStore store = StoreOf(3);
    EXPECT_EQ(Urls(store), (std::vector<std::string>{"r2", "r1", "r0"}));
    store.Insert(1, SitemapEntry{"mid", "", "", ""});
    store.Insert(store.Count(), SitemapEntry{"bottom", "", "", ""});
    EXPECT_EQ(Urls(store), (std::vector<std::string>{"r2", "mid", "r1", "r0", "bottom"}));
    EXPECT_THROW(store.Insert(7, SitemapEntry{}), std::out_of_range);
}

TEST(EntryStore, RemoveClosesTheGap) {
    EntryStore store = StoreOf(4);
    store.Remove(1);
    EXPECT_EQ(Urls(store), (std::vector<std::string>{"r3", "r1", "r0"}));
    EXPECT_THROW(store.Remove(3), std::out_of_range);
    EXPECT_THROW(store.Remove(-1), std::out_of_range);
}

TEST(EntryStore, ReverseSwapsAroundTheMiddleAndTwiceRestores) {
    for (int rows : {0, 1, 4, 5}) {
        EntryStore store = StoreOf(rows);
        const std::vector<std::string> before = Urls(store);
        store.Reverse();
        const std::vector<std::string> reversed(before.rbegin(), before.rend());
        EXPECT_EQ(Urls(store), reversed) << rows << " rows";
        store.Reverse();
        EXPECT_EQ(Urls(store), before) << rows << " rows";
    }
}

TEST(EntryStore, SettingATextForgetsOnlyThatCellsWidth) {
    EntryStore store = StoreOf(2);
    store.SetWidth(1, SitemapEntry::kUrl, 40);
    store.SetWidth(1, SitemapEntry::kPriority, 12);
    store.SetText(1, SitemapEntry::kUrl, "longer");
    EXPECT_EQ(store.Entry(1).url, "longer");
    EXPECT_EQ(store.Width(1, SitemapEntry::kUrl), EntryStore::kUnmeasured);
    EXPECT_EQ(store.Width(1, SitemapEntry::kPriority), 12);
}

} // namespace
