#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAbstractItemModel>
#include <QDialog>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "EffectiveUser.h"
#include "FileSizeLimit.h"
#include "MainWindowTest.h"
#include "XmlLint.h"
#include "ModalDriver.h"
#include "app/toolkit/EntryListView.h"
#include "app/toolkit/ListCtrlModel.h"
#include "entries/SitemapEntry.h"
#include "publish/Preferences.h"
#include "res/Resources.h"

// The whole run of the program against what can go wrong around it: places where its three files
// cannot be written, and an entry list file that holds what no program wrote.

void PrintTo(const SitemapEntry& entry, std::ostream* out) {
    *out << "{\"" << entry.url.substr(0, 80) << (entry.url.size() > 80 ? "...\", \"" : "\", \"")
         << entry.modified << "\", \"" << entry.priority << "\", \"" << entry.frequency << "\"}";
}

namespace {

namespace fs = std::filesystem;

using Entries = std::vector<SitemapEntry>;

constexpr const char* kEntryList = "xml.dat";
constexpr const char* kPreferences = "xml.ini";
constexpr const char* kSitemap = "sitemap.xml";
constexpr const char* kPipe = "pipe";

// What a box said, and under which title.
using Box = std::pair<std::string, std::string>;
const Box kCannotWriteSettingsOrList{"Save to File", "Error Writing File"};
const Box kCannotWriteSitemap{"Save to File", "Error Saving File."};

class FaultsTest : public MainWindowTest {
protected:
    void Open() {
        OpenWindow();
        m_owner = Window().GetWindow();
    }

    // Whether the table holds `expected`, top row first. Compared in place: a row can be a
    // hundred megabytes.
    ::testing::AssertionResult TableHolds(const Entries& expected) {
        const EntryStore& store = Window().m_listEntries.Store();
        if (store.Count() != static_cast<int>(expected.size())) {
            return ::testing::AssertionFailure()
                   << store.Count() << " rows instead of " << expected.size();
        }
        for (int row = 0; row < store.Count(); ++row) {
            if (!(store.Entry(row) == expected[static_cast<std::size_t>(row)])) {
                return ::testing::AssertionFailure()
                       << "row " << row << " is " << ::testing::PrintToString(store.Entry(row))
                       << " instead of "
                       << ::testing::PrintToString(expected[static_cast<std::size_t>(row)]);
            }
        }
        return ::testing::AssertionSuccess();
    }

    Preferences Settings() {
        const CSitemapDlg& dlg = Window();
        return {dlg.m_strUsername, dlg.m_strPassword, dlg.m_strFolder, dlg.m_strFileName,
                dlg.m_strServer};
    }

    // The boxes shown so far; each error box is owned by the main window.
    std::vector<Box> Boxes() {
        std::vector<Box> boxes;
        for (std::size_t i = 0; i < presenter.shown.size(); ++i) {
            boxes.emplace_back(presenter.shown[i].text, presenter.shown[i].caption);
            if (presenter.shown[i].buttons == MessageButtons::Ok) {
                EXPECT_EQ(presenter.owners[i], m_owner) << presenter.shown[i].text;
                EXPECT_EQ(presenter.shown[i].icon, MessageIcon::None) << presenter.shown[i].text;
            }
        }
        return boxes;
    }

    // Adds a row the way the user does: the four fields, then Add.
    void Add(const SitemapEntry& entry) {
        TypeFields(entry);
        Click(IDC_BUTTON_ADD);
    }
    void TypeFields(const SitemapEntry& entry) {
        Type(IDC_EDIT_URL, entry.url);
        Type(IDC_EDIT_MODIFIED, entry.modified);
        Type(IDC_COMBO_PRIORITY, entry.priority);
        Type(IDC_COMBO_FREQUENCY, entry.frequency);
    }
    SitemapEntry Fields() {
        return {Text(IDC_EDIT_URL), Text(IDC_EDIT_MODIFIED), Text(IDC_COMBO_PRIORITY),
                Text(IDC_COMBO_FREQUENCY)};
    }

    // Everything in the working directory, folders and their files included: name → kind,
    // permissions and contents. Links are not followed, pipes not read.
    static std::map<std::string, std::string> Snapshot() {
        std::map<std::string, std::string> files;
        for (const auto& item : fs::recursive_directory_iterator(".")) {
            const std::string name = item.path().lexically_relative(".").string();
            const fs::file_status status = item.symlink_status();
            std::string& seen = files[name];
            seen = std::to_string(static_cast<int>(status.type())) + " " +
                   std::to_string(static_cast<unsigned>(status.permissions())) + " ";
            if (fs::is_symlink(status)) {
                seen += fs::read_symlink(item.path()).string();
            } else if (fs::is_regular_file(status)) {
                seen += ReadFile(name);
            }
        }
        return files;
    }

    // Presses Preferences, types `settings` into the dialog and leaves it with "Return".
    void SetPreferences(const Preferences& settings) {
        const std::pair<int, std::string> edits[] = {
            {IDC_EDIT_USERNAME, settings.username}, {IDC_EDIT_PASSWORD, settings.password},
            {IDC_EDIT_FOLDER, settings.folder},     {IDC_EDIT_FILENAME, settings.fileName},
            {IDC_EDIT_SERVER, settings.server},
        };
        bool opened = false;
        WhenModalOpens([&](QWidget* dialog) {
            opened = true;
            for (const auto& [id, text] : edits) {
                auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("control_%1").arg(id));
                ASSERT_NE(edit, nullptr) << id;
                edit->setText(QString::fromStdString(text));
            }
            dialog->findChild<QPushButton*>(QStringLiteral("control_%1").arg(IDOK))->click();
        });
        Click(IDC_BUTTON_PREFERENCES);
        EXPECT_TRUE(opened);
    }

    QWidget* m_owner = nullptr;
};

// A URL as the sitemap writes it, for the URLs of these tests ("&" is the one character in them
// that XML escapes).
std::string LocOf(const std::string& url) {
    std::string loc;
    for (const char c : url) {
        loc += c == '&' ? std::string("&amp;") : std::string(1, c);
    }
    return loc;
}

// --- Saving where it cannot be done ---------------------------------------------------------

// What stands in the way of all three files at once.
enum class Obstacle { FullDisk, ReadOnlyFiles, ReadOnlyFolder, FoldersInTheWay, PipesInTheWay };

struct ObstacleCase {
    const char* name;
    Obstacle obstacle;
    // Whether the user clears the way before closing the program, or it stays until the end.
    bool clearedBeforeClosing;
};

void PrintTo(const ObstacleCase& c, std::ostream* out) {
    *out << c.name;
}

const SitemapEntry kOldRow{"http://www.example.org/old", "2006-11-21", "1.0", "daily "};
const std::string kOldEntryList = "CREATOR=XML 1.0\r\nURL=http://www.example.org/old\r\n"
                                  "MODIFIED=2006-11-21\r\nPRIORITY=1.0\r\nFREQUENCY=daily \r\n";
const Preferences kOldSettings{"old-user", "old-pass", "/old", "", "old.example"};
const std::string kOldSitemap = "<old sitemap/>\r\n";

const SitemapEntry kRowA{"http://www.example.org/a", "2024-05-01", "0.8", "daily "};
const SitemapEntry kRowB{"http://www.example.org/b?x=1&y=2", "", "0.3", "monthly "};
const SitemapEntry kTyped{"http://typed.example/not-added", "2024-06-30", "0.9", "never "};
const Preferences kNewSettings{"new-user", "new pass", "/new", "sitemap.xml", "new.example:2121"};

class SavingFails : public FaultsTest, public ::testing::WithParamInterface<ObstacleCase> {
protected:
    void SetUp() override {
        FaultsTest::SetUp();
        if (Kind() == Obstacle::FoldersInTheWay) {
            for (const char* name : {kEntryList, kPreferences, kSitemap}) {
                fs::create_directory(name);
                WriteFile(std::string(name) + "/inside", "kept\n");
            }
            return;
        }
        if (Kind() == Obstacle::PipesInTheWay) {
            // A named pipe, and links that lead to one: nothing ever writes to it.
            ASSERT_EQ(mkfifo(kEntryList, 0644), 0);
            ASSERT_EQ(mkfifo(kPipe, 0644), 0);
            fs::create_symlink(kPipe, kPreferences);
            fs::create_symlink(kPipe, kSitemap);
            return;
        }
        WriteFile(kEntryList, kOldEntryList);
        WriteFile(kPreferences, kOldSettings.FileText());
        WriteFile(kSitemap, kOldSitemap);
        if (Kind() == Obstacle::ReadOnlyFiles) {
            for (const char* name : {kEntryList, kPreferences, kSitemap}) {
                ASSERT_EQ(chmod(name, 0444), 0);
            }
        } else if (Kind() == Obstacle::ReadOnlyFolder) {
            ASSERT_EQ(chmod(".", 0555), 0);
        }
    }

    Obstacle Kind() const { return GetParam().obstacle; }

    // A full disk lasts while the returned object lives; the other obstacles stay in place.
    std::unique_ptr<FileSizeLimit> Block() {
        if (Kind() != Obstacle::FullDisk) {
            return nullptr;
        }
        // Less than any of the three files takes.
        auto limit = std::make_unique<FileSizeLimit>(32);
        EXPECT_TRUE(limit->Active());
        return limit;
    }

    void ClearTheWay() {
        if (Kind() == Obstacle::ReadOnlyFiles) {
            for (const char* name : {kEntryList, kPreferences, kSitemap}) {
                ASSERT_EQ(chmod(name, 0644), 0);
            }
        } else if (Kind() == Obstacle::ReadOnlyFolder) {
            ASSERT_EQ(chmod(".", 0755), 0);
        } else {
            for (const char* name : {kEntryList, kPreferences, kSitemap, kPipe}) {
                fs::remove_all(name);
            }
        }
    }
};

TEST_P(SavingFails, EveryFileKeepsItsOldBytesTheUserIsToldAndNothingEnteredIsLost) {
    const std::map<std::string, std::string> before = Snapshot();
    Open();
    const bool loads = Kind() != Obstacle::FoldersInTheWay && Kind() != Obstacle::PipesInTheWay;
    const Entries loaded = loads ? Entries{kOldRow} : Entries{};
    ASSERT_TRUE(TableHolds(loaded));
    EXPECT_EQ(Settings(), loads ? kOldSettings : Preferences{});
    EXPECT_TRUE(Boxes().empty()) << "opening says nothing";

    Add(kRowA);
    Add(kRowB);
    Entries rows = {kRowB, kRowA};
    rows.insert(rows.end(), loaded.begin(), loaded.end());
    ASSERT_TRUE(TableHolds(rows));
    TypeFields(kTyped);

    // The Preferences dialog saves its settings as it closes.
    {
        const auto blocked = Block();
        SetPreferences(kNewSettings);
    }
    EXPECT_EQ(Boxes(), std::vector<Box>{kCannotWriteSettingsOrList});
    EXPECT_EQ(Settings(), kNewSettings) << "the settings taken stay in memory";
    EXPECT_TRUE(TableHolds(rows));
    EXPECT_EQ(Fields(), kTyped) << "the fields keep what was typed";
    EXPECT_EQ(Snapshot(), before);

    // Generate; were it to ask whether to show the file, the answer would be Yes.
    presenter.defaultAnswer = IDYES;
    {
        const auto blocked = Block();
        Click(IDC_BUTTON_GENERATE);
    }
    EXPECT_EQ(Boxes(), (std::vector<Box>{kCannotWriteSettingsOrList, kCannotWriteSitemap}))
        << "no success message after the error";
    EXPECT_TRUE(opener.opened.empty());
    EXPECT_EQ(Window().m_strFileName, kSitemap);
    EXPECT_TRUE(TableHolds(rows));
    EXPECT_EQ(Snapshot(), before);

    if (!GetParam().clearedBeforeClosing) {
        {
            const auto blocked = Block();
            CloseWindow();
        }
        EXPECT_EQ(Boxes(),
                  (std::vector<Box>{kCannotWriteSettingsOrList, kCannotWriteSitemap,
                                    kCannotWriteSettingsOrList, kCannotWriteSettingsOrList}))
            << "closing tells of the preferences, then of the entry list";
        EXPECT_EQ(Snapshot(), before);
        return;
    }

    // With the way clear, the same commands save what the run holds.
    ClearTheWay();
    presenter.shown.clear();
    presenter.owners.clear();
    presenter.defaultAnswer = IDNO;
    Click(IDC_BUTTON_GENERATE);
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].buttons, MessageButtons::YesNo) << "the success question";
    const std::string sitemap = ReadFile(kSitemap);
    for (const SitemapEntry& row : rows) {
        EXPECT_NE(sitemap.find("<loc>" + LocOf(row.url) + "</loc>"), std::string::npos) << row.url;
    }
    CloseWindow();
    EXPECT_EQ(presenter.shown.size(), 1u) << "closing saves both files without a word";

    Open();
    EXPECT_TRUE(TableHolds(rows));
    EXPECT_EQ(Settings(), kNewSettings);
}

INSTANTIATE_TEST_SUITE_P(
    Obstacles, SavingFails,
    ::testing::Values(ObstacleCase{"FullDisk", Obstacle::FullDisk, false},
                      ObstacleCase{"FullDiskThenRoom", Obstacle::FullDisk, true},
                      ObstacleCase{"ReadOnlyFiles", Obstacle::ReadOnlyFiles, false},
                      ObstacleCase{"ReadOnlyFilesMadeWritable", Obstacle::ReadOnlyFiles, true},
                      ObstacleCase{"ReadOnlyFolder", Obstacle::ReadOnlyFolder, false},
                      ObstacleCase{"ReadOnlyFolderMadeWritable", Obstacle::ReadOnlyFolder, true},
                      ObstacleCase{"FoldersInTheWay", Obstacle::FoldersInTheWay, false},
                      ObstacleCase{"FoldersInTheWayMovedAway", Obstacle::FoldersInTheWay, true},
                      ObstacleCase{"PipesInTheWay", Obstacle::PipesInTheWay, false},
                      ObstacleCase{"PipesInTheWayRemoved", Obstacle::PipesInTheWay, true}),
    [](const auto& info) { return std::string(info.param.name); });

// Files that are there but cannot be read: what they hold never reached the run, so the run's
// rows and settings must not replace it, however writable the files are.
TEST_F(FaultsTest, FilesThatCouldNotBeReadAtStartAreNeverSavedOver) {
    WriteFile(kEntryList, kOldEntryList);
    WriteFile(kPreferences, kOldSettings.FileText());
    for (const char* name : {kEntryList, kPreferences}) {
        ASSERT_EQ(chmod(name, 0200), 0);
    }
    {
        // Root reads the files all the same: open the window as an ordinary user.
        std::unique_ptr<EffectiveUser> ordinaryUser;
        if (geteuid() == 0) {
            ASSERT_EQ(chmod(".", 0777), 0);
            ordinaryUser = std::make_unique<EffectiveUser>(65534);
        }
        Open();
    }
    ASSERT_TRUE(TableHolds({}));
    EXPECT_EQ(Settings(), Preferences{});
    EXPECT_TRUE(Boxes().empty()) << "opening says nothing";

    Add(kRowA);
    SetPreferences(kNewSettings);
    EXPECT_EQ(Boxes(), std::vector<Box>{kCannotWriteSettingsOrList});
    EXPECT_EQ(Settings(), kNewSettings) << "the settings taken stay in memory";
    CloseWindow();
    EXPECT_EQ(Boxes(), std::vector<Box>(3, kCannotWriteSettingsOrList));

    for (const char* name : {kEntryList, kPreferences}) {
        ASSERT_EQ(chmod(name, 0600), 0);
    }
    EXPECT_EQ(ReadFile(kEntryList), kOldEntryList);
    EXPECT_EQ(ReadFile(kPreferences), kOldSettings.FileText());
}

// --- An entry list file that no program wrote ---------------------------------------------

// The whole contents of `name` in one read: some files here are a hundred megabytes.
std::string ReadWhole(const std::string& name) {
    std::string bytes;
    std::FILE* file = std::fopen(name.c_str(), "rb");
    if (file == nullptr) {
        ADD_FAILURE() << "cannot read " << name;
        return bytes;
    }
    std::fseek(file, 0, SEEK_END);
    bytes.resize(static_cast<std::size_t>(std::ftell(file)));
    std::fseek(file, 0, SEEK_SET);
    EXPECT_EQ(std::fread(bytes.data(), 1, bytes.size(), file), bytes.size()) << name;
    std::fclose(file);
    return bytes;
}

// Bytes of every value, the same every run.
std::string Garbage(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random() & 0xFF);
    }
    return bytes;
}

// The file as the program writes it, rows top first.
std::string AsWritten(const Entries& rows) {
    std::string text;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        text += text.empty() ? "CREATOR=XML 1.0\r\n" : "\r\n";
        text += "URL=" + row->url + "\r\nMODIFIED=" + row->modified +
                "\r\nPRIORITY=" + row->priority + "\r\nFREQUENCY=" + row->frequency + "\r\n";
    }
    return text;
}

const std::string kFffd = "\xEF\xBF\xBD";

struct BadList {
    std::string bytes;
    Entries rows;                  // what loads, top row first
    std::vector<std::string> locs; // the `loc` of each row in the sitemap, top row first
    bool asWritten;                // whether the bytes are what the program writes for those rows
};

struct BadListCase {
    const char* name;
    std::function<BadList()> make;
};

void PrintTo(const BadListCase& c, std::ostream* out) {
    *out << c.name;
}

const BadListCase kBadLists[] = {
    {"BinaryGarbageAroundOneRecord",
     [] {
         const std::string record = "\nURL=http://www.example.org/kept\nMODIFIED=2024-01-01\n"
                                    "PRIORITY=0.8\nFREQUENCY=Daily\n";
         return BadList{Garbage(64 << 10, 1) + record + Garbage(64 << 10, 2),
                        {{"http://www.example.org/kept", "2024-01-01", "0.8", "daily "}},
                        {"http://www.example.org/kept"},
                        false};
     }},
    {"InvalidUtf8",
     [] {
         // A truncated sequence; a valid one, an overlong one, a lone continuation byte, an
         // encoded surrogate, a byte that never occurs, a truncated four-byte sequence.
         const Entries rows = {
             {"http://www.example.org/\xE2\x82", "2024-02-30", "0.5", "weekly "},
             {"http://www.example.org/caf\xC3\xA9/\xC0\xAF/\x80", "\xED\xA0\x80", "\xFF",
              "\xF0\x9F\x98"},
         };
         return BadList{AsWritten(rows),
                        rows,
                        {"http://www.example.org/" + kFffd,
                         "http://www.example.org/caf\xC3\xA9/" + kFffd + kFffd + "/" + kFffd},
                        true};
     }},
    {"NulInsideValues",
     [] {
         using namespace std::string_literals;
         const Entries rows = {
             {"http://www.example.org/a\0b"s, "2024-01-01\0"s, "0.5\0"s, "\0daily"s},
             {"http://www.example.org/plain", "", "0.5", ""},
         };
         return BadList{AsWritten(rows),
                        rows,
                        {"http://www.example.org/a" + kFffd + "b", "http://www.example.org/plain"},
                        true};
     }},
    {"OneLineOf100MB",
     [] {
         // Not plain ASCII, so that nothing measures it the quick way.
         std::string url = "http://www.example.org/caf\xC3\xA9/";
         const std::size_t lineBytes = 100u << 20;
         url.append(lineBytes - std::string_view("URL=\r\n").size() - url.size(), 'a');
         const Entries rows = {
             {"http://www.example.org/last", "", "1.0", ""},
             {url, "", "0.1", "never "},
             {"http://www.example.org/first", "2024-01-01", "0.5", "daily "},
         };
         std::vector<std::string> locs = {rows[0].url, url, rows[2].url};
         return BadList{AsWritten(rows), rows, std::move(locs), true};
     }},
};

class BadEntryList : public FaultsTest, public ::testing::WithParamInterface<BadListCase> {
protected:
    // Every cell shows its text, a very long one by its start only, and no column grows wider
    // than what is shown.
    void ExpectCellsShownInBrief() {
        EntryListView* view = Window().m_listEntries.View();
        const QAbstractItemModel* model = view->model();
        const EntryStore& store = Window().m_listEntries.Store();
        for (int row = 0; row < store.Count(); ++row) {
            for (int column = 0; column < SitemapEntry::kColumnCount; ++column) {
                const std::string& text = store.Entry(row).Text(column);
                const QString shown = model->data(model->index(row, column)).toString();
                if (text.size() <= ListCtrlModel::kMaxShownBytes) {
                    EXPECT_EQ(shown, QString::fromStdString(text)) << row << ", " << column;
                } else {
                    EXPECT_LE(static_cast<std::size_t>(shown.size()),
                              ListCtrlModel::kMaxShownBytes + 1)
                        << row << ", " << column;
                    const std::string start = shown.chopped(1).toStdString();
                    EXPECT_GE(start.size(), ListCtrlModel::kMaxShownBytes - 3);
                    EXPECT_EQ(text.compare(0, start.size(), start), 0) << "the text's own start";
                    EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << "an ellipsis says it goes on";
                }
            }
        }
        const int widest =
            view->fontMetrics().maxWidth() * static_cast<int>(ListCtrlModel::kMaxShownBytes + 1);
        for (int column = 0; column < SitemapEntry::kColumnCount; ++column) {
            EXPECT_LE(Window().m_listEntries.GetColumnWidth(column), widest) << column;
        }
    }
};

TEST_P(BadEntryList, OpensShowsGeneratesAndSavesWhatItLoaded) {
    BadList list = GetParam().make();
    WriteFile(kEntryList, list.bytes);
    if (!list.asWritten) {
        list.bytes = std::string();
    }

    Open();
    EXPECT_TRUE(Boxes().empty()) << "a file's contents never bring a message";
    ASSERT_TRUE(TableHolds(list.rows));
    EXPECT_EQ(Fields(), (SitemapEntry{"", "", "0.5", ""}));
    ExpectCellsShownInBrief();

    // A click on a row puts its texts into the fields, and the table stays as it was.
    for (int row = 0; row < RowCount(); ++row) {
        ClickRow(row);
        EXPECT_TRUE(Window().m_strUrl == list.rows[static_cast<std::size_t>(row)].url) << row;
    }
    ASSERT_TRUE(TableHolds(list.rows));

    Click(IDC_BUTTON_GENERATE);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(presenter.shown[0].buttons, MessageButtons::YesNo) << "the success question";
    std::string report;
    EXPECT_EQ(XmlLint::Check(kSitemap, "", report, true), 0) << "the sitemap is well-formed XML:\n"
                                                             << report;
    {
        const std::string sitemap = ReadWhole(kSitemap);
        std::size_t at = 0;
        for (const std::string& loc : list.locs) {
            at = sitemap.find("<loc>" + loc + "</loc>", at);
            ASSERT_NE(at, std::string::npos) << loc.substr(0, 80) << " in its place";
        }
        EXPECT_EQ(sitemap.find("<loc>", at + 1), std::string::npos) << "and no other";
    }
    ASSERT_TRUE(TableHolds(list.rows)) << "generating leaves the table alone";

    CloseWindow();
    EXPECT_EQ(presenter.shown.size(), 1u) << "saved without a word";
    const std::string saved = ReadWhole(kEntryList);
    if (list.asWritten) {
        EXPECT_TRUE(saved == list.bytes) << "a file as the program writes it is kept byte for byte";
    }
    list.bytes = std::string();

    Open();
    ASSERT_TRUE(TableHolds(list.rows)) << "what was saved loads to the same rows";
    CloseWindow();
    EXPECT_TRUE(ReadWhole(kEntryList) == saved) << "and is saved again as it was";
}

INSTANTIATE_TEST_SUITE_P(Files, BadEntryList, ::testing::ValuesIn(kBadLists),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
