#include "storage/EntryListFile.h"

#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

void PrintTo(const SitemapEntry& entry, std::ostream* out) {
    *out << "{\"" << entry.url << "\", \"" << entry.modified << "\", \"" << entry.priority
         << "\", \"" << entry.frequency << "\"}";
}

namespace {

using Entries = std::vector<SitemapEntry>;

const EntryListFile::ComboLists kLists{
    {"0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1.0"},
    {"always ", "hourly ", "daily ", "weekly ", "monthly ", "yearly ", "never "}};

const SitemapEntry kRowA{"A", "2006-11-21", "1.0", "daily "};
const SitemapEntry kRowB{"B", "", "0.5", "weekly "};

// Rows given top row first, as the table shows them.
EntryStore StoreOf(const Entries& topFirst) {
    EntryStore store;
    for (auto row = topFirst.rbegin(); row != topFirst.rend(); ++row) {
        store.Insert(0, *row);
    }
    return store;
}

// --- Writing -----------------------------------------------------------------------------------

struct TextCase {
    const char* name;
    Entries rows; // top row first
    std::string bytes;
};

class EntryListText : public ::testing::TestWithParam<TextCase> {};

TEST_P(EntryListText, IsTheRowsBottomFirstWithCrLf) {
    EXPECT_EQ(EntryListFile::Text(StoreOf(GetParam().rows)), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EntryListText,
    ::testing::Values(
        TextCase{"EmptyTableIsAnEmptyFile", {}, ""},
        TextCase{"OneRow",
                 {kRowA},
                 "CREATOR=XML 1.0\r\nURL=A\r\nMODIFIED=2006-11-21\r\nPRIORITY=1.0\r\n"
                 "FREQUENCY=daily \r\n"},
        TextCase{"TwoRowsBottomFirstWithAnEmptyLineBetween",
                 {kRowA, kRowB},
                 "CREATOR=XML 1.0\r\nURL=B\r\nMODIFIED=\r\nPRIORITY=0.5\r\nFREQUENCY=weekly \r\n"
                 "\r\nURL=A\r\nMODIFIED=2006-11-21\r\nPRIORITY=1.0\r\nFREQUENCY=daily \r\n"},
        TextCase{"TextsAsTheyStand",
                 {{"http://x/?a=b&c=d", " ", "", "\xC3\xA4 "}},
                 "CREATOR=XML 1.0\r\nURL=http://x/?a=b&c=d\r\nMODIFIED= \r\nPRIORITY=\r\n"
                 "FREQUENCY=\xC3\xA4 \r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EntryListText, TheTwoTablesOfTheExampleAre130And77Bytes) {
    EXPECT_EQ(EntryListFile::Text(StoreOf({kRowA, kRowB})).size(), 130u);
    EXPECT_EQ(EntryListFile::Text(StoreOf({kRowA})).size(), 77u);
}

// --- Reading -----------------------------------------------------------------------------------

struct ReadCase {
    const char* name;
    std::string text;
    Entries records; // file order: bottom row first
};

class EntryListRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(EntryListRead, GivesTheRecordsInFileOrder) {
    EXPECT_EQ(EntryListFile::Read(GetParam().text, kLists), GetParam().records);
}

const std::string kExample =
    "CREATOR=XML 1.0\r\nURL=B\r\nMODIFIED=\r\nPRIORITY=0.5\r\nFREQUENCY=weekly \r\n"
    "\r\nURL=A\r\nMODIFIED=2006-11-21\r\nPRIORITY=1.0\r\nFREQUENCY=daily \r\n";
const std::string kExampleLf = "CREATOR=XML 1.0\nURL=B\nMODIFIED=\nPRIORITY=0.5\n"
                               "FREQUENCY=weekly \n\nURL=A\nMODIFIED=2006-11-21\n"
                               "PRIORITY=1.0\nFREQUENCY=daily \n";

INSTANTIATE_TEST_SUITE_P(
    Cases, EntryListRead,
    ::testing::Values(
        ReadCase{"Example", kExample, {kRowB, kRowA}},
        ReadCase{"LineFeedsAlone", kExampleLf, {kRowB, kRowA}},
        ReadCase{"NoHeader", kExampleLf.substr(16), {kRowB, kRowA}},
        ReadCase{"SeveralHeaders",
                 "CREATOR=XML 1.0\nCREATOR=other\n" + kExampleLf + "CREATOR\n",
                 {kRowB, kRowA}},
        ReadCase{"EmptyFile", "", {}}, ReadCase{"HeaderOnly", "CREATOR=XML 1.0\r\n", {}},
        ReadCase{"UrlWithEqualsSigns",
                 "URL=http://x/p?a=b&c==d=\nPRIORITY=0.5\n",
                 {{"http://x/p?a=b&c==d=", "", "0.5", ""}}},
        ReadCase{"KeysAreExact",
                 "url=x\n URL=x\nURL =x\nURL=y\n PRIORITY=0.9\nPriority=0.9\nPRIORITY =0.9\n",
                 {{"y", "", "", ""}}},
        ReadCase{"TrailingBlanksGoLeadingBlanksStay",
                 "URL=  x  \nMODIFIED= m\t\nFREQUENCY=  weekly\n",
                 {{"  x", " m", "", "  weekly"}}},
        ReadCase{"ValuesTakeTheBoxesItems",
                 "URL=a\nPRIORITY=1\nFREQUENCY=Monthly\n"
                 "URL=b\nPRIORITY=0\nFREQUENCY=DAILY\n"
                 "URL=c\nPRIORITY=0.55\nFREQUENCY=sometimes\n",
                 {{"a", "", "1.0", "monthly "},
                  {"b", "", "0.1", "daily "},
                  {"c", "", "0.55", "sometimes"}}},
        ReadCase{
            "MissingValuesComeFromTheRecordBefore",
            "URL=a\nFREQUENCY=daily\n\nURL=b\nMODIFIED=m\nPRIORITY=0.8\n\nURL=c\n",
            {{"a", "", "", "daily "}, {"b", "m", "0.8", "daily "}, {"c", "m", "0.8", "daily "}}},
        ReadCase{"EmptyUrlRecordSkippedItsValuesCarryOn",
                 "URL=a\nPRIORITY=0.2\nURL=\nMODIFIED=m\nPRIORITY=0.3\n"
                 "URL\nFREQUENCY=never\nURL=b\n",
                 {{"a", "", "0.2", ""}, {"b", "m", "0.3", "never "}}},
        ReadCase{"FinalLineWithoutLineBreakIgnored",
                 "URL=a\r\nFREQUENCY=daily \r\n\r\nURL=b\r\nFREQUENCY=weekly ",
                 {{"a", "", "", "daily "}, {"b", "", "", "daily "}}},
        ReadCase{"LinesBeforeTheFirstUrlAndAnyOrder",
                 "PRIORITY=0.2\nURL=a\nFREQUENCY=hourly\nMODIFIED=m\nURL=b\nMODIFIED=n\n",
                 {{"a", "m", "0.2", "hourly "}, {"b", "n", "0.2", "hourly "}}},
        ReadCase{"RepeatedValueLastWins",
                 "URL=a\nPRIORITY=0.2\nPRIORITY=0.3\nMODIFIED=x\nMODIFIED=\n",
                 {{"a", "", "0.3", ""}}},
        ReadCase{"SameUrlTwiceIsTwoRecordsWithoutCleanUp",
                 "URL=abc\nPRIORITY=0.5\nURL=abc\n",
                 {{"abc", "", "0.5", ""}, {"abc", "", "0.5", ""}}},
        ReadCase{"NonAsciiBytesUntouched",
                 "URL=http://b\xC3\xBC"
                 "cher.example/\xE2\x82\xAC\nMODIFIED=\xE6\x97\xA5\n",
                 {{"http://b\xC3\xBC"
                   "cher.example/\xE2\x82\xAC",
                   "\xE6\x97\xA5", "", ""}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EntryListRead, TheFirstRecordStartsFromThePendingValues) {
    const Entries records =
        EntryListFile::Read("URL=a\nURL=b\nPRIORITY=0.9\n", kLists, {"", "m", "1", "d"});
    EXPECT_EQ(records, (Entries{{"a", "m", "1.0", "daily "}, {"b", "m", "0.9", "daily "}}));
}

TEST(EntryListFile, WhatIsWrittenReadsBackAsTheSameRows) {
    const Entries topFirst{{"http://www.example.org/?q=1&r=2", "2024-02-29", "0.55", "monthly "},
                           {"  http://x/\xC3\xA4\xE2\x82\xAC", "", "", ""},
                           kRowA,
                           kRowA,
                           kRowB};
    const Entries records = EntryListFile::Read(EntryListFile::Text(StoreOf(topFirst)), kLists);
    EXPECT_EQ(Entries(records.rbegin(), records.rend()), topFirst);
}

} // namespace
