#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "publish/Preferences.h"

namespace {

// Settings already held before a file is read, so that a setting the file leaves alone shows.
Preferences Held() {
    Preferences held;
    held.username = "held-user";
    held.password = "held-pass";
    held.folder = "held-folder";
    held.fileName = "held.xml";
    held.server = "held.example";
    return held;
}

Preferences HeldWith(void (*change)(Preferences&)) {
    Preferences settings = Held();
    change(settings);
    return settings;
}

struct ReadCase {
    const char* name;
    std::string file;
    Preferences expected;
    bool toolTips = false;
};

void PrintTo(const ReadCase& read, std::ostream* out) {
    *out << read.name;
}

class PreferencesRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(PreferencesRead, SetsWhatTheLinesSay) {
    Preferences settings = Held();
    const bool toolTips = settings.Read(GetParam().file);
    EXPECT_EQ(settings.username, GetParam().expected.username);
    EXPECT_EQ(settings.password, GetParam().expected.password);
    EXPECT_EQ(settings.folder, GetParam().expected.folder);
    EXPECT_EQ(settings.fileName, GetParam().expected.fileName);
    EXPECT_EQ(settings.server, GetParam().expected.server);
    EXPECT_EQ(toolTips, GetParam().toolTips);
}

INSTANTIATE_TEST_SUITE_P(
    Files, PreferencesRead,
    ::testing::Values(
        ReadCase{"EmptyFile", "", Held()},
        ReadCase{"OnlyTheCreatorLine", "CREATOR=QUERNDALE 1.0\r\n\r\n", Held()},
        ReadCase{"AWholeFile",
                 "CREATOR=QUERNDALE 1.0\r\nUSERNAME=ann\r\nPASSWORD=pw\r\nFOLDER=/www\r\n"
                 "FILENAME=map.xml\r\nSERVER=ftp.example.org\r\n\r\n",
                 Preferences{"ann", "pw", "/www", "map.xml", "ftp.example.org"}},
        ReadCase{"LineFeedsAloneReadLikeCrLf",
                 "CREATOR=QUERNDALE 1.0\nUSERNAME=ann\nPASSWORD=pw\nFOLDER=/www\n"
                 "FILENAME=map.xml\nSERVER=ftp.example.org\n\n",
                 Preferences{"ann", "pw", "/www", "map.xml", "ftp.example.org"}},
        ReadCase{"KeysInAnyOrderEmptyValuesEmpty", "SERVER=\r\nFILENAME=x\r\nUSERNAME=\r\n",
                 HeldWith([](Preferences& p) {
                     p.server.clear();
                     p.fileName = "x";
                     p.username.clear();
                 })},
        ReadCase{"ABareKeyEmptiesItsSetting", "SERVER\r\n",
                 HeldWith([](Preferences& p) { p.server.clear(); })},
        ReadCase{"ABareKeyWithTrailingBlanksStillCounts", "FOLDER \t\r\n",
                 HeldWith([](Preferences& p) { p.folder.clear(); })},
        ReadCase{"WronglyCasedOrPaddedKeysIgnored",
                 "server=a\r\n SERVER=b\r\nSERVER =c\r\n\tFOLDER=d\r\nServer\r\n", Held()},
        ReadCase{"UnknownAndEmptyKeysIgnored", "=x\r\nCREATOR=XML 9\r\nPORT=21\r\nno key\r\n",
                 Held()},
        ReadCase{"TrailingBlanksOfAValueGoLeadingOnesStay", "PASSWORD=  se cret \t\v\f  \r\n",
                 HeldWith([](Preferences& p) { p.password = "  se cret"; })},
        ReadCase{"AnEqualsSignInsideAValueStays", "PASSWORD=a=b==\r\nFOLDER==\r\n",
                 HeldWith([](Preferences& p) {
                     p.password = "a=b==";
                     p.folder = "=";
                 })},
        ReadCase{"AFinalLineWithoutLineFeedIgnored", "FOLDER=first\r\nFOLDER=last",
                 HeldWith([](Preferences& p) { p.folder = "first"; })},
        ReadCase{"AFinalLineEndingInACarriageReturnAloneIgnored", "USERNAME=u\r", Held()},
        ReadCase{"TheLastOfTwoLinesWins", "FOLDER=first\r\nFOLDER=second\r\n",
                 HeldWith([](Preferences& p) { p.folder = "second"; })},
        ReadCase{"ValuesKeptByteForByte", "USERNAME=J\xc3\xbcrgen\r\nSERVER=h\tost:2121\r\n",
                 HeldWith([](Preferences& p) {
                     p.username = "J\xc3\xbcrgen";
                     p.server = "h\tost:2121";
                 })},
        ReadCase{"TooltipsWithAValue", "TOOLTIPS=1\r\n", Held(), true},
        ReadCase{"TooltipsBare", "CREATOR=QUERNDALE 1.0\r\nTOOLTIPS\r\n", Held(), true},
        ReadCase{"TooltipsLowerCaseIgnored", "tooltips=1\r\n", Held(), false},
        ReadCase{"TooltipsWithoutLineFeedIgnored", "TOOLTIPS", Held(), false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PreferencesFileText, AllEmptyIsTheSevenLineFileOf76Bytes) {
    const std::string expected = "CREATOR=QUERNDALE 1.0\r\nUSERNAME=\r\nPASSWORD=\r\nFOLDER=\r\n"
                                 "FILENAME=\r\nSERVER=\r\n\r\n";
    EXPECT_EQ(Preferences{}.FileText(), expected);
    EXPECT_EQ(Preferences{}.FileText().size(), 76u);
}

TEST(PreferencesFileText, WritesEachSettingUnderItsKeyInTheFileOrder) {
    const Preferences settings{"u s", "p=w ", " /f", "map.xml", "h\xc3\xb6st:21"};
    EXPECT_EQ(settings.FileText(),
              "CREATOR=QUERNDALE 1.0\r\nUSERNAME=u s\r\nPASSWORD=p=w \r\n"
              "FOLDER= /f\r\nFILENAME=map.xml\r\nSERVER=h\xc3\xb6st:21\r\n\r\n");
}

TEST(PreferencesFileText, ReadsBackAsTheSameSettingsWithoutTooltips) {
    const Preferences cases[] = {
        {},
        {"ann", "pw", "/www/html", "map.xml", "ftp.example.org:2121"},
        {"  lead", "a=b", "=", "x", "h"},
    };
    for (const Preferences& written : cases) {
        Preferences read = Held();
        EXPECT_FALSE(read.Read(written.FileText()));
        EXPECT_EQ(read, written) << written.FileText();
    }
}

} // namespace
