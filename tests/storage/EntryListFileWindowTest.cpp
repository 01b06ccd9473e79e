#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include <QDialog>
#include <QString>

#include "EffectiveUser.h"
#include "FileSizeLimit.h"
#include "MainWindowTest.h"
#include "app/toolkit/EntryListView.h"
#include "entries/SitemapEntry.h"
#include "res/Resources.h"

void PrintTo(const SitemapEntry& entry, std::ostream* out) {
    *out << "{\"" << entry.url << "\", \"" << entry.modified << "\", \"" << entry.priority
         << "\", \"" << entry.frequency << "\"}";
}

namespace {

namespace fs = std::filesystem;

using Entries = std::vector<SitemapEntry>;

const SitemapEntry kRowA{"A", "2006-11-21", "1.0", "daily "};
const SitemapEntry kRowB{"B", "", "0.5", "weekly "};
const std::string kOneRowFile =
    "CREATOR=XML 1.0\r\nURL=A\r\nMODIFIED=2006-11-21\r\nPRIORITY=1.0\r\n"
    "FREQUENCY=daily \r\n";

class EntryListFileTest : public MainWindowTest {
protected:
    // The table, top row first.
    Entries Rows() {
        Entries rows;
        for (int row = 0; row < RowCount(); ++row) {
            rows.push_back(Window().m_listEntries.Store().Entry(row));
        }
        return rows;
    }

    void PutRows(const Entries& topFirst) {
        for (auto row = topFirst.rbegin(); row != topFirst.rend(); ++row) {
            PutRow(row->url, row->modified, row->priority, row->frequency);
        }
    }

    // What the user sees in the four fields, and what the window holds behind them.
    void ExpectFieldsCleared() {
        EXPECT_EQ(Text(IDC_EDIT_URL), "");
        EXPECT_EQ(Text(IDC_EDIT_MODIFIED), "");
        EXPECT_EQ(Text(IDC_COMBO_PRIORITY), "0.5");
        EXPECT_EQ(Text(IDC_COMBO_FREQUENCY), "");
        ExpectMembersCleared();
    }
    void ExpectMembersCleared() {
        EXPECT_EQ(Window().m_strUrl, "");
        EXPECT_EQ(Window().m_strModified, "");
        EXPECT_EQ(Window().m_strPriority, "0.5");
        EXPECT_EQ(Window().m_strFrequency, "");
    }
};

// --- Saved on close, loaded on opening ---------------------------------------------------------

struct RoundTripCase {
    const char* name;
    Entries rows; // top row first
    std::string bytes;
    std::size_t size;
};

class EntryListRoundTrip : public EntryListFileTest,
                           public ::testing::WithParamInterface<RoundTripCase> {};

TEST_P(EntryListRoundTrip, ClosingWritesTheFileAndOpeningGivesTheSameRowsBack) {
    const RoundTripCase& c = GetParam();
    ASSERT_EQ(c.bytes.size(), c.size);
    OpenWindow();
    PutRows(c.rows);
    Type(IDC_EDIT_URL, "typed, never added");
    CloseWindow();
    EXPECT_EQ(ReadFile("xml.dat"), c.bytes);

    OpenWindow();
    EXPECT_EQ(Rows(), c.rows);
    ExpectFieldsCleared();
    EXPECT_TRUE(presenter.shown.empty());
    CloseWindow();
    EXPECT_EQ(ReadFile("xml.dat"), c.bytes) << "a second run keeps the file as it was";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EntryListRoundTrip,
    ::testing::Values(
        RoundTripCase{"EmptyTableEmptyFile", {}, "", 0},
        RoundTripCase{"OneRow", {kRowA}, kOneRowFile, 77},
        RoundTripCase{"TwoRowsBottomFirst",
                      {kRowA, kRowB},
                      "CREATOR=XML 1.0\r\nURL=B\r\nMODIFIED=\r\nPRIORITY=0.5\r\n"
                      "FREQUENCY=weekly \r\n\r\nURL=A\r\nMODIFIED=2006-11-21\r\nPRIORITY=1.0\r\n"
                      "FREQUENCY=daily \r\n",
                      130},
        RoundTripCase{"NonAsciiAndEqualsSigns",
                      {{"http://b\xC3\xBC"
                        "cher.example/?q=\xE2\x82\xAC&x==",
                        "\xE6\x97\xA5", "0.55", "monthly "}},
                      "CREATOR=XML 1.0\r\nURL=http://b\xC3\xBC"
                      "cher.example/?q=\xE2\x82\xAC&x==\r\nMODIFIED=\xE6\x97\xA5\r\n"
                      "PRIORITY=0.55\r\nFREQUENCY=monthly \r\n",
                      105}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EntryListFileTest, AFreshStartLeavesAnEmptyFileAtOnce) {
    OpenWindow();
    ASSERT_TRUE(Exists("xml.dat"));
    EXPECT_EQ(ReadFile("xml.dat"), "");
    EXPECT_EQ(RowCount(), 0);
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(EntryListFileTest, LoadedRowsKeepTheirUrlsTakeTheBoxesItemsAndFitTheColumns) {
    const std::string longUrl = "http://www.example.org/" + std::string(120, 'w') + ".html";
    // The first record lacks every value: it starts from the empty fields of a new window.
    WriteFile("xml.dat", "URL=first\n"
                         "URL=abc\nPRIORITY=1\nFREQUENCY=Monthly\n"
                         "URL=abc\nMODIFIED=2024-01-31\n"
                         "URL=" +
                             longUrl + "\nPRIORITY=0.55\nFREQUENCY=weekly\n");
    CSitemapDlg& dlg = OpenWindow();
    EXPECT_EQ(Rows(), (Entries{{longUrl, "2024-01-31", "0.55", "weekly "},
                               {"abc", "2024-01-31", "1.0", "monthly "},
                               {"abc", "", "1.0", "monthly "},
                               {"first", "", "", ""}}));
    EXPECT_EQ(dlg.m_nEntryCount, 4);
    EXPECT_GE(
        dlg.m_listEntries.GetColumnWidth(SitemapEntry::kUrl),
        dlg.m_listEntries.View()->fontMetrics().horizontalAdvance(QString::fromStdString(longUrl)))
        << "the URL column shows the longest URL";
    ExpectFieldsCleared();
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(EntryListFileTest, AFileThatCannotBeReadIsPassedOverInSilence) {
    fs::create_directory("xml.dat");
    OpenWindow();
    EXPECT_EQ(RowCount(), 0);
    ExpectFieldsCleared();
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(EntryListFileTest, AFileThatCouldNotBeReadIsKeptOnClosingAndTheUserIsTold) {
    WriteFile("xml.dat", kOneRowFile);
    ASSERT_EQ(chmod("xml.dat", 0), 0);
    {
        std::unique_ptr<EffectiveUser> ordinaryUser;
        if (geteuid() == 0) {
            ASSERT_EQ(chmod(Dir().c_str(), 0777), 0);
            ordinaryUser = std::make_unique<EffectiveUser>(65534);
        }
        OpenWindow();
    }
    EXPECT_EQ(RowCount(), 0);
    EXPECT_TRUE(presenter.shown.empty()) << "opening says nothing";
    PutRow("http://added.example/", "", "0.5", "");
    CloseWindow();
    ASSERT_EQ(chmod("xml.dat", 0600), 0);
    EXPECT_EQ(ReadFile("xml.dat"), kOneRowFile);
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text, "Save to File");
    EXPECT_EQ(presenter.shown[0].caption, "Error Writing File");
}

// --- Saving fails ------------------------------------------------------------------------------

enum class Obstacle { ReadOnlyFile, ReadOnlyFolder, FullDisk };

struct FailureCase {
    const char* name;
    Obstacle obstacle;
};

class EntryListSaveFailure : public EntryListFileTest,
                             public ::testing::WithParamInterface<FailureCase> {};

TEST_P(EntryListSaveFailure, KeepsTheOldFileAndSaysSo) {
    WriteFile("xml.dat", kOneRowFile);
    const Obstacle obstacle = GetParam().obstacle;
    if (obstacle == Obstacle::ReadOnlyFile) {
        ASSERT_EQ(chmod("xml.dat", 0444), 0);
    } else if (obstacle == Obstacle::ReadOnlyFolder) {
        ASSERT_EQ(chmod(Dir().c_str(), 0555), 0);
    }
    OpenWindow();
    EXPECT_EQ(Rows(), Entries{kRowA}) << "the file loads all the same";
    // Enough rows that the new file is far bigger than the size limit below, which leaves room
    // for anything smaller written on the way out.
    for (int i = 0; i < 100; ++i) {
        PutRow("http://www.example.org/section/page-" + std::to_string(i) + ".html", "", "0.5", "");
    }
    Type(IDC_EDIT_URL, "typed");
    const QWidget* const mainWindow = Window().GetWindow();
    {
        std::unique_ptr<FileSizeLimit> limit;
        if (obstacle == Obstacle::FullDisk) {
            limit = std::make_unique<FileSizeLimit>(2048);
            ASSERT_TRUE(limit->Active());
        }
        Window().DestroyWindow();
    }
    EXPECT_EQ(ReadFile("xml.dat"), kOneRowFile);
    ASSERT_FALSE(presenter.shown.empty());
    const MessageRequest& box = presenter.shown.back();
    EXPECT_EQ(box.text, "Save to File");
    EXPECT_EQ(box.caption, "Error Writing File");
    EXPECT_EQ(box.buttons, MessageButtons::Ok);
    EXPECT_EQ(box.icon, MessageIcon::None);
    EXPECT_EQ(presenter.owners.back(), mainWindow);
    ExpectMembersCleared();
    for (const auto& file : fs::directory_iterator(Dir())) {
        EXPECT_EQ(file.path().filename().string().rfind("xml.dat.", 0), std::string::npos)
            << "left behind: " << file.path();
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, EntryListSaveFailure,
                         ::testing::Values(FailureCase{"ReadOnlyFile", Obstacle::ReadOnlyFile},
                                           FailureCase{"ReadOnlyFolder", Obstacle::ReadOnlyFolder},
                                           FailureCase{"FullDisk", Obstacle::FullDisk}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
