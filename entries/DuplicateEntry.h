#pragma once

#include <string_view>

#include "entries/EntryStore.h"

// An entry counts as one already in the table when a row has the same address and the same
// priority, both compared exactly (letter case counts); the date and the change frequency do
// not matter.
class DuplicateEntry {
public:
    // The top-most such row, or -1.
    static int FindRow(const EntryStore& store, std::string_view url, std::string_view priority);
};
