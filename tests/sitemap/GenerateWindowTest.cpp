#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <sys/stat.h>

#include <QDialog>

#include "FileSizeLimit.h"
#include "MainWindowTest.h"
#include "entries/SitemapEntry.h"
#include "res/Resources.h"

namespace {

namespace fs = std::filesystem;

std::string Fixture(const std::string& name) {
    std::ifstream in(std::string(QUERNDALE_TEST_DATA) + "/" + name, std::ios::binary);
    EXPECT_TRUE(in.good()) << "missing fixture " << name;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string SuccessText(const std::string& fileName) {
    return "Your Sitemap Has Been Generated.\nUse the FTP button to upload it.\n"
           "Your sitemap was written to:\n" +
           fileName + "\nWould you like to view it?";
}

// The files of `dir` but the entry list and the preferences, which the window keeps there too.
std::vector<std::string> FilesIn(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& item : fs::directory_iterator(dir)) {
        const std::string name = item.path().filename().string();
        if (name != "xml.dat" && name != "xml.ini") {
            names.push_back(name);
        }
    }
    return names;
}

const std::string kOldFile = "<old sitemap/>\r\n";

class Generate : public MainWindowTest {
protected:
    // The two rows of the expected file, the top row put in last.
    void PutTwoRows() {
        PutRow("http://www.example.org/about.html", "", "0.5", "");
        PutRow("http://www.example.org/", "2006-12-05", "1.0", "daily ");
    }

    void ExpectErrorBoxOnly(const char* what) {
        ASSERT_EQ(presenter.shown.size(), 1u) << what << ": no success message after the error";
        const MessageRequest& box = presenter.shown[0];
        EXPECT_EQ(box.text, "Save to File") << what;
        EXPECT_EQ(box.caption, "Error Saving File.") << what;
        EXPECT_EQ(box.buttons, MessageButtons::Ok) << what;
        EXPECT_EQ(box.icon, MessageIcon::None) << what;
        EXPECT_EQ(presenter.owners[0], static_cast<QWidget*>(Window().GetWindow()))
            << what << ": owned by the main window";
        EXPECT_TRUE(opener.opened.empty()) << what;
    }
};

TEST_F(Generate, WritesTheTableAndAsksWhetherToViewTheFile) {
    CSitemapDlg& dlg = OpenWindow();
    PutTwoRows();
    Click(IDC_BUTTON_GENERATE);

    EXPECT_EQ(ReadFile("sitemap.xml"), Fixture("sitemap-two-rows.xml"));
    ASSERT_EQ(presenter.shown.size(), 1u);
    const MessageRequest& asked = presenter.shown[0];
    EXPECT_EQ(asked.text, SuccessText("sitemap.xml"));
    EXPECT_EQ(asked.caption, kApplicationName);
    EXPECT_EQ(asked.buttons, MessageButtons::YesNo);
    EXPECT_EQ(asked.icon, MessageIcon::Warning);
    EXPECT_TRUE(opener.opened.empty()) << "answered No";
    EXPECT_EQ(dlg.m_strFileName, "sitemap.xml") << "the settled name is kept";
    EXPECT_EQ(RowCount(), 2) << "generating leaves the table alone";
    EXPECT_EQ(Cell(0, SitemapEntry::kFrequency), "daily ");
}

TEST_F(Generate, AnEmptyTableStillGivesAFileAndTheQuestion) {
    OpenWindow();
    Type(IDC_EDIT_URL, "typed, not added");
    Click(IDC_BUTTON_GENERATE);
    EXPECT_EQ(ReadFile("sitemap.xml"), Fixture("sitemap-empty.xml"));
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text, SuccessText("sitemap.xml"));
    EXPECT_EQ(Text(IDC_EDIT_URL), "typed, not added") << "no row to show";
}

TEST_F(Generate, TellsTheSettledNameExactlyAsHeld) {
    struct Case {
        const char* setting;
        const char* settled;
    } cases[] = {
        {"map", "map.xml"},         {"map.xml", "map.xml"},     {".xml", ".xml.xml"},
        {"MAP.XML", "MAP.XML.xml"}, {"out/map", "out/map.xml"}, // a path stays as it was given
    };
    fs::create_directory("out");
    CSitemapDlg& dlg = OpenWindow();
    PutTwoRows();
    for (const Case& c : cases) {
        presenter.shown.clear();
        dlg.m_strFileName = c.setting;
        Click(IDC_BUTTON_GENERATE);
        EXPECT_EQ(dlg.m_strFileName, c.settled) << c.setting;
        ASSERT_EQ(presenter.shown.size(), 1u) << c.setting;
        EXPECT_EQ(presenter.shown[0].text, SuccessText(c.settled)) << c.setting;
        EXPECT_EQ(ReadFile(c.settled), Fixture("sitemap-two-rows.xml")) << c.setting;
    }
    EXPECT_FALSE(Exists("sitemap.xml"));
    EXPECT_TRUE(opener.opened.empty());
}

TEST_F(Generate, YesOpensTheFileThroughTheDesktop) {
    CSitemapDlg& dlg = OpenWindow();
    PutTwoRows();
    dlg.m_strFileName = "map";
    presenter.QueueAnswer(IDYES);
    Click(IDC_BUTTON_GENERATE);
    EXPECT_EQ(opener.opened, std::vector<std::string>{"map.xml"});
    EXPECT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(ReadFile("map.xml"), Fixture("sitemap-two-rows.xml"));
    EXPECT_EQ(dlg.m_strFileName, "map.xml");
}

TEST_F(Generate, TheFieldsShowTheBottomRowAfterwards) {
    CSitemapDlg& dlg = OpenWindow();
    PutRow("http://www.example.org/bottom", "2001-01-01", "0.3", "monthly ");
    PutRow("", "2002-02-02", "0.2", "never ");
    PutRow("http://www.example.org/top", "2003-03-03", "1", "Daily");
    Type(IDC_EDIT_URL, "typed");
    Type(IDC_EDIT_MODIFIED, "2020-02-02");
    Type(IDC_COMBO_PRIORITY, "0.9");
    Type(IDC_COMBO_FREQUENCY, "yearly ");
    Click(IDC_BUTTON_GENERATE);
    EXPECT_EQ(Text(IDC_EDIT_URL), "http://www.example.org/bottom");
    EXPECT_EQ(Text(IDC_EDIT_MODIFIED), "2001-01-01");
    EXPECT_EQ(Text(IDC_COMBO_PRIORITY), "0.3");
    EXPECT_EQ(Text(IDC_COMBO_FREQUENCY), "monthly ");
    EXPECT_EQ(dlg.m_strUrl, "http://www.example.org/bottom");
    EXPECT_EQ(dlg.m_strFrequency, "monthly ");
    // The bottom row is shown even when it is a row the document skips.
    PutRow("", "2004-04-04", "0.4", "");
    dlg.m_listEntries.InsertItem(dlg.m_listEntries.GetItemCount(), "");
    dlg.m_listEntries.SetItemText(dlg.m_listEntries.GetItemCount() - 1, SitemapEntry::kModified,
                                  "1999-09-09");
    Click(IDC_BUTTON_GENERATE);
    EXPECT_EQ(Text(IDC_EDIT_URL), "");
    EXPECT_EQ(Text(IDC_EDIT_MODIFIED), "1999-09-09");
}

// --- Files that cannot be written ---------------------------------------------------------------

TEST_F(Generate, AFileThatCannotBeWrittenGivesTheErrorAndKeepsWhatWasThere) {
    struct Case {
        const char* what;
        const char* setting;
        void (*prepare)();
        const char* keeps; // the file that must keep kOldFile, or nullptr
    } cases[] = {
        {"read-only file", "ro",
         [] {
             WriteFile("ro.xml", kOldFile);
             chmod("ro.xml", 0444);
         },
         "ro.xml"},
        {"read-only folder", "locked/map",
         [] {
             fs::create_directory("locked");
             WriteFile("locked/map.xml", kOldFile);
             chmod("locked", 0555);
         },
         "locked/map.xml"},
        {"missing folder", "missing/map", [] {}, nullptr},
        {"a folder by that name", "taken", [] { fs::create_directory("taken.xml"); }, nullptr},
    };
    CSitemapDlg& dlg = OpenWindow();
    PutTwoRows();
    for (const Case& c : cases) {
        presenter.shown.clear();
        presenter.owners.clear();
        presenter.defaultAnswer = IDYES;
        c.prepare();
        dlg.m_strFileName = c.setting;
        Click(IDC_BUTTON_GENERATE);
        ExpectErrorBoxOnly(c.what);
        if (c.keeps != nullptr) {
            EXPECT_EQ(ReadFile(c.keeps), kOldFile) << c.what;
        }
        EXPECT_EQ(dlg.m_strFileName, std::string(c.setting) + ".xml") << c.what;
        EXPECT_EQ(Text(IDC_EDIT_URL), "http://www.example.org/about.html") << c.what;
    }
    chmod("locked", 0755);
    for (const std::string& dir : {std::string("."), std::string("locked")}) {
        for (const std::string& name : FilesIn(dir)) {
            EXPECT_EQ(name.find(".xml."), std::string::npos) << "a temporary file stayed: " << name;
        }
    }
}

TEST_F(Generate, AWriteThatFailsHalfWayGivesTheErrorAndKeepsTheOldFile) {
    OpenWindow();
    PutTwoRows();
    WriteFile("sitemap.xml", kOldFile);
    presenter.defaultAnswer = IDYES;
    {
        // Far less than the new document, more than the old file.
        FileSizeLimit limit(64);
        ASSERT_TRUE(limit.Active());
        Click(IDC_BUTTON_GENERATE);
    }
    ExpectErrorBoxOnly("full disk");
    EXPECT_EQ(ReadFile("sitemap.xml"), kOldFile);
    EXPECT_EQ(FilesIn("."), std::vector<std::string>{"sitemap.xml"}) << "no temporary file stays";

    // With room again the same command succeeds.
    presenter.shown.clear();
    presenter.defaultAnswer = IDNO;
    Click(IDC_BUTTON_GENERATE);
    EXPECT_EQ(ReadFile("sitemap.xml"), Fixture("sitemap-two-rows.xml"));
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text, SuccessText("sitemap.xml"));
}

} // namespace
