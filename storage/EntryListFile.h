#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "entries/EntryStore.h"
#include "entries/SitemapEntry.h"

// The entry list file "xml.dat": the table kept between runs as key=value lines.
//
// Written: "CREATOR=XML 1.0" together with the first record only (an empty table is an empty
// file), then one record per row, bottom row first, each of the four lines "URL=", "MODIFIED=",
// "PRIORITY=" and "FREQUENCY=" with the cell's text as it stands; an empty line between records;
// CR LF after every line, the last one included.
//
// Read: any line order and any other lines are accepted. A "URL" line starts a record; the
// values a record lacks are those the record before it ended up with, so a hand-made file can
// give a value once for many records. A record with an empty URL is not loaded, but its values
// still carry on. Priority and frequency come back as the drop-down boxes would show them (the
// whole item a value begins, ignoring case), so "weekly", which lost its trailing blank to the
// line reader, is "weekly " again.
class EntryListFile {
public:
    static constexpr std::string_view kFileName = "xml.dat";

    // The item lists of the Priority and frequency drop-down boxes, in list order.
    struct ComboLists {
        std::vector<std::string> priorities;
        std::vector<std::string> frequencies;
    };

    // The bytes of the file for the rows of `store`.
    static std::string Text(const EntryStore& store);

    // The records of `text` in file order, which is bottom row first: each is meant to be
    // inserted above the ones before it. `pending` holds the values in force before the first
    // line (what the input fields held).
    static std::vector<SitemapEntry> Read(std::string_view text, const ComboLists& lists,
                                          SitemapEntry pending = {});
};
