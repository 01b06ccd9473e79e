// The entry list file reader on any bytes, and the writer on whatever it read: reading what was
// written gives the same rows back, so a file that went through the program once never changes
// again.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "entries/EntryStore.h"
#include "storage/EntryListFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const EntryListFile::ComboLists lists{
        {"0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1.0"},
        {"always ", "hourly ", "daily ", "weekly ", "monthly ", "yearly ", "never "}};
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<SitemapEntry> read = EntryListFile::Read(text, lists);

    EntryStore store;
    for (const SitemapEntry& entry : read) {
        if (entry.url.empty()) {
            std::abort(); // a record without a URL is never loaded
        }
        store.Insert(0, entry);
    }
    const std::string written = EntryListFile::Text(store);
    if (read.empty() != written.empty()) {
        std::abort();
    }
    if (EntryListFile::Read(written, lists) != read) {
        std::abort();
    }
    return 0;
}
