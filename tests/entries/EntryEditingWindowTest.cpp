#include <string>
#include <vector>

#include <QDialog>
#include <QItemSelectionModel>

#include "MainWindowTest.h"
#include "app/toolkit/EntryListView.h"
#include "entries/SitemapEntry.h"
#include "res/Resources.h"

namespace {

const char* const kTitleBlank = "Title Blank.\r\nNo entry added.";
const char* const kAlreadyInList =
    "This entry is already in the list.\r\nDo you really want to add this item?";

class EntryEditing : public MainWindowTest {
protected:
    void Fill(const std::string& url, const std::string& modified, const std::string& priority,
              const std::string& frequency) {
        Type(IDC_EDIT_URL, url);
        Type(IDC_EDIT_MODIFIED, modified);
        Type(IDC_COMBO_PRIORITY, priority);
        Type(IDC_COMBO_FREQUENCY, frequency);
    }

    std::vector<std::string> Row(int row) const {
        std::vector<std::string> texts;
        for (int column = 0; column < SitemapEntry::kColumnCount; ++column) {
            texts.push_back(Cell(row, column));
        }
        return texts;
    }

    std::vector<std::string> Urls() const {
        std::vector<std::string> urls;
        for (int row = 0; row < RowCount(); ++row) {
            urls.push_back(Cell(row, SitemapEntry::kUrl));
        }
        return urls;
    }

    using Texts = std::vector<std::string>;
};

TEST_F(EntryEditing, AddRefusesAnEmptyOrBlankUrlAndKeepsTheFields) {
    CSitemapDlg& dlg = OpenWindow();
    for (const std::string url : {"", " ", " \t  "}) {
        presenter.shown.clear();
        presenter.owners.clear();
        Fill(url, "2006-12-05", "0.7", "daily ");
        Click(IDC_BUTTON_ADD);
        ASSERT_EQ(presenter.shown.size(), 1u) << '"' << url << '"';
        EXPECT_EQ(presenter.shown[0].text, kTitleBlank);
        EXPECT_EQ(presenter.shown[0].caption, "Error");
        EXPECT_EQ(presenter.shown[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(presenter.shown[0].icon, MessageIcon::None);
        EXPECT_EQ(presenter.owners[0], static_cast<QWidget*>(dlg.GetWindow()));
        EXPECT_EQ(RowCount(), 0);
        EXPECT_EQ(Text(IDC_EDIT_URL), url);
        EXPECT_EQ(Text(IDC_EDIT_MODIFIED), "2006-12-05");
        EXPECT_EQ(Text(IDC_COMBO_PRIORITY), "0.7");
    }
}

TEST_F(EntryEditing, AddAsksBeforeADuplicateAndOnlyYesAddsIt) {
    CSitemapDlg& dlg = OpenWindow();
    Fill("abc", "2006-12-05", "0.5", "daily ");
    Click(IDC_BUTTON_ADD);
    ASSERT_TRUE(presenter.shown.empty());
    ASSERT_EQ(Urls(), Texts{"http://abc"});
    // The fields stay filled, so pressing Add again at once asks.
    EXPECT_EQ(Text(IDC_EDIT_URL), "http://abc");
    Click(IDC_BUTTON_ADD);
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text, kAlreadyInList);
    EXPECT_EQ(presenter.shown[0].caption, kApplicationName);
    EXPECT_EQ(presenter.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(presenter.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(RowCount(), 1) << "No adds nothing";

    // Typed without the prefix, the address is found after the rule has run; Yes adds it.
    Type(IDC_EDIT_URL, "abc");
    presenter.QueueAnswer(IDYES);
    Click(IDC_BUTTON_ADD);
    EXPECT_EQ(presenter.shown.size(), 2u);
    ASSERT_EQ(RowCount(), 2);
    EXPECT_EQ(Row(0), (Texts{"http://abc", "2006-12-05", "0.5", "daily "}));
    EXPECT_EQ(Row(1), Row(0));
    EXPECT_EQ(dlg.m_nEntryCount, 2);
}

TEST_F(EntryEditing, OnlyUrlAndPriorityMakeADuplicate) {
    OpenWindow();
    Fill("http://abc", "2006-12-05", "0.5", "daily ");
    Click(IDC_BUTTON_ADD);
    Fill("http://abc", "2006-12-05", "0.6", "daily ");
    Click(IDC_BUTTON_ADD);
    EXPECT_TRUE(presenter.shown.empty()) << "another Priority is another entry";
    EXPECT_EQ(RowCount(), 2);
    Fill("http://abc", "1999-01-01", "0.5", "never ");
    Click(IDC_BUTTON_ADD);
    EXPECT_EQ(presenter.shown.size(), 1u) << "Modified and frequency do not count";
    EXPECT_EQ(RowCount(), 2);
}

TEST_F(EntryEditing, EachAddGoesOnTopWithItsTextsAsTheControlsGiveThem) {
    CSitemapDlg& dlg = OpenWindow();
    Fill("first", "", "0.1", "");
    Click(IDC_BUTTON_ADD);
    Fill("second", "not a date", "0.55", "now and then");
    Click(IDC_BUTTON_ADD);
    Fill("third", "2006-12-05", "1.0", "weekly ");
    Click(IDC_BUTTON_ADD);
    EXPECT_EQ(Urls(), (Texts{"http://third", "http://second", "http://first"}));
    EXPECT_EQ(Row(1), (Texts{"http://second", "not a date", "0.55", "now and then"}));
    EXPECT_EQ(Row(2), (Texts{"http://first", "", "0.1", ""}));
    EXPECT_EQ(dlg.m_nEntryCount, 3);
    EXPECT_EQ(dlg.m_listEntries.GetSelectionMark(), -1) << "the new row is not selected";
}

TEST_F(EntryEditing, AddShowsTheNormalisedUrlWhetherOrNotItAdds) {
    OpenWindow();
    Fill("  HTTPS://Example.org/a\t", "", "0.5", "");
    Click(IDC_BUTTON_ADD);
    EXPECT_EQ(Cell(0, SitemapEntry::kUrl), "HTTPS://Example.org/a");
    EXPECT_EQ(Text(IDC_EDIT_URL), "HTTPS://Example.org/a");
    // Refused as a duplicate: nothing added, but the field shows the address as the rule made it.
    Type(IDC_EDIT_URL, " HTTPS://Example.org/a");
    Click(IDC_BUTTON_ADD);
    EXPECT_EQ(RowCount(), 1);
    EXPECT_EQ(Text(IDC_EDIT_URL), "HTTPS://Example.org/a");
}

TEST_F(EntryEditing, AddFitsTheUrlColumnAndRemoveNarrowsItOnceTheLastWidestRowGoes) {
    CSitemapDlg& dlg = OpenWindow();
    CListCtrl& list = dlg.m_listEntries;
    Fill("a", "", "0.5", "");
    Click(IDC_BUTTON_ADD);
    const int narrow = list.GetColumnWidth(SitemapEntry::kUrl);
    Fill("example.org/" + std::string(120, 'w'), "", "0.5", "");
    Click(IDC_BUTTON_ADD);
    presenter.QueueAnswer(IDYES);
    Click(IDC_BUTTON_ADD);
    ASSERT_EQ(RowCount(), 3);
    const int wide = list.GetColumnWidth(SitemapEntry::kUrl);
    EXPECT_GT(wide, narrow);
    // Two rows share the widest address: the column keeps its width until both are gone.
    ClickRow(0);
    Click(IDC_BUTTON_REMOVE);
    ASSERT_EQ(RowCount(), 2);
    EXPECT_EQ(list.GetColumnWidth(SitemapEntry::kUrl), wide);
    ClickRow(0);
    Click(IDC_BUTTON_REMOVE);
    ASSERT_EQ(Urls(), Texts{"http://a"});
    EXPECT_EQ(list.GetColumnWidth(SitemapEntry::kUrl), narrow);
}

TEST_F(EntryEditing, UpdateRewritesTheMarkedRowInPlace) {
    CSitemapDlg& dlg = OpenWindow();
    PutRow("http://c", "", "0.5", "");
    PutRow("http://b", "2006-12-05", "0.3", "weekly ");
    PutRow("http://a", "", "0.5", "");
    ClickRow(1);
    Fill("http;//b.example.org", "2007-01-02", "0.9", "monthly ");
    Click(IDC_BUTTON_UPDATE);
    EXPECT_TRUE(presenter.shown.empty());
    EXPECT_EQ(Urls(), (Texts{"http://a", "http://b.example.org", "http://c"}));
    EXPECT_EQ(Row(1), (Texts{"http://b.example.org", "2007-01-02", "0.9", "monthly "}));
    EXPECT_EQ(Text(IDC_EDIT_URL), "http://b.example.org");
    EXPECT_EQ(dlg.m_listEntries.GetSelectionMark(), 1);
    // No duplicate question: Update may make a row equal to another.
    Fill("http://a", "", "0.5", "");
    Click(IDC_BUTTON_UPDATE);
    EXPECT_TRUE(presenter.shown.empty());
    EXPECT_EQ(Row(1), Row(0));
}

TEST_F(EntryEditing, UpdateWithoutAMarkedRowOrWithoutAUrlChangesNothing) {
    OpenWindow();
    PutRow("http://b", "", "0.5", "");
    PutRow("http://a", "x", "0.5", "");
    const Texts before{Row(0)[0], Row(0)[1], Row(1)[0], Row(1)[1]};
    auto now = [this] { return Texts{Row(0)[0], Row(0)[1], Row(1)[0], Row(1)[1]}; };

    Fill("new", "y", "0.5", "");
    Click(IDC_BUTTON_UPDATE);
    EXPECT_EQ(now(), before) << "no row marked";
    EXPECT_EQ(Text(IDC_EDIT_URL), "http://new") << "the rule still ran on the field";

    ClickRow(0);
    for (const std::string url : {"", "   "}) {
        Fill(url, "y", "0.5", "");
        Click(IDC_BUTTON_UPDATE);
        EXPECT_EQ(now(), before) << '"' << url << '"';
        EXPECT_EQ(Text(IDC_EDIT_URL), url);
    }
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(EntryEditing, RemoveDeletesTheMarkedRowWithoutAQuestion) {
    CSitemapDlg& dlg = OpenWindow();
    Click(IDC_BUTTON_REMOVE);
    EXPECT_EQ(RowCount(), 0) << "empty table";
    for (const char* url : {"http://c", "http://b", "http://a"}) {
        PutRow(url, "", "0.5", "");
    }
    Click(IDC_BUTTON_REMOVE);
    EXPECT_EQ(RowCount(), 3) << "no row marked";
    ClickRow(1);
    Click(IDC_BUTTON_REMOVE);
    EXPECT_TRUE(presenter.shown.empty());
    EXPECT_EQ(Urls(), (Texts{"http://a", "http://c"}));
    EXPECT_EQ(dlg.m_nEntryCount, 2);
    EXPECT_EQ(Text(IDC_EDIT_URL), "http://b") << "the fields keep the removed row";
    // The mark went with its row, and so did the highlight: another Remove takes nothing.
    EXPECT_TRUE(dlg.m_listEntries.View()->selectionModel()->selectedRows().empty());
    Click(IDC_BUTTON_REMOVE);
    EXPECT_EQ(RowCount(), 2);
    // A click on the row that moved up marks it.
    ClickRow(1);
    Click(IDC_BUTTON_REMOVE);
    EXPECT_EQ(Urls(), Texts{"http://a"});
}

TEST_F(EntryEditing, ClearResetsTheFieldsAndLeavesTheRows) {
    OpenWindow();
    PutRow("http://a", "", "0.5", "");
    Fill("http://b", "2006-12-05", "0.9", "daily ");
    Click(IDC_BUTTON_CLEAR);
    EXPECT_EQ(Text(IDC_EDIT_URL), "");
    EXPECT_EQ(Text(IDC_EDIT_MODIFIED), "");
    EXPECT_EQ(Text(IDC_COMBO_PRIORITY), "0.5");
    EXPECT_EQ(Text(IDC_COMBO_FREQUENCY), "");
    EXPECT_EQ(Urls(), Texts{"http://a"});
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(EntryEditing, InsertRowFromFieldsStoresWhatTheControlsShow) {
    CSitemapDlg& dlg = OpenWindow();
    dlg.m_strUrl = "abc";
    dlg.m_strModified = "whenever";
    dlg.m_strPriority = "1";
    dlg.m_strFrequency = "Daily";
    dlg.UpdateData(false);
    dlg.InsertRowFromFields();
    // No address rule; the boxes turn a text into the item it begins.
    EXPECT_EQ(Row(0), (Texts{"abc", "whenever", "1.0", "daily "}));
    EXPECT_EQ(dlg.m_nEntryCount, 1);

    // Again with the same texts: no duplicate question either.
    dlg.InsertRowFromFields();
    EXPECT_EQ(RowCount(), 2);

    dlg.m_strUrl = "";
    dlg.UpdateData(false);
    dlg.InsertRowFromFields();
    EXPECT_EQ(RowCount(), 2) << "an empty URL is skipped";
    EXPECT_EQ(dlg.m_nEntryCount, 2);
    EXPECT_TRUE(presenter.shown.empty());
}

} // namespace
