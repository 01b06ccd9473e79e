#include <string>
#include <vector>

#include <QFontMetrics>
#include <QHeaderView>

#include "MainWindowTest.h"
#include "app/toolkit/EntryListView.h"
#include "entries/SitemapEntry.h"
#include "res/Resources.h"

namespace {

using EntryTable = MainWindowTest;

std::vector<std::string> Urls(const CListCtrl& list) {
    std::vector<std::string> urls;
    for (int row = 0; row < list.GetItemCount(); ++row) {
        urls.push_back(list.GetItemText(row, SitemapEntry::kUrl));
    }
    return urls;
}

TEST_F(EntryTable, HasFourLeftAlignedColumnsWithFullRowSelection) {
    CSitemapDlg& dlg = OpenWindow();
    EntryListView* view = dlg.m_listEntries.View();
    ASSERT_EQ(dlg.m_listEntries.GetHeaderItemCount(), 4);
    const char* headings[] = {"URL", "Modified", "Priority", "Frequency"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(view->model()->headerData(i, Qt::Horizontal).toString().toStdString(),
                  headings[i]);
    }
    EXPECT_EQ(view->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(view->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_FALSE(view->header()->sectionsClickable()) << "no sorting by header clicks";
}

TEST_F(EntryTable, EmptyColumnsFitTheirHeadingsAndTheLastFillsTheRest) {
    CSitemapDlg& dlg = OpenWindow();
    const CListCtrl& list = dlg.m_listEntries;
    const QFontMetrics metrics = list.View()->header()->fontMetrics();
    int others = 0;
    for (int i = 0; i < 3; ++i) {
        const QString heading = list.View()->model()->headerData(i, Qt::Horizontal).toString();
        EXPECT_GE(list.GetColumnWidth(i), metrics.horizontalAdvance(heading)) << i;
        EXPECT_LT(list.GetColumnWidth(i), 3 * metrics.horizontalAdvance(heading)) << i;
        others += list.GetColumnWidth(i);
    }
    EXPECT_GE(others + list.GetColumnWidth(3), list.View()->viewport()->width() - 2)
        << "the Frequency column fills the rest of the table";
}

TEST_F(EntryTable, AColumnWidensToShowALongUrl) {
    CSitemapDlg& dlg = OpenWindow();
    const int before = dlg.m_listEntries.GetColumnWidth(SitemapEntry::kUrl);
    const std::string url = "http://www.example.org/a/rather/long/path/to/a/page/index.html";
    PutRow(url, "2006-12-05", "0.5", "daily ");
    dlg.AutoSizeColumns();
    const int after = dlg.m_listEntries.GetColumnWidth(SitemapEntry::kUrl);
    EXPECT_GT(after, before);
    EXPECT_GE(after, dlg.m_listEntries.View()->fontMetrics().horizontalAdvance(
                         QString::fromStdString(url)));
    // And narrows again once that row is gone.
    dlg.m_listEntries.DeleteItem(0);
    dlg.AutoSizeColumns();
    EXPECT_EQ(dlg.m_listEntries.GetColumnWidth(SitemapEntry::kUrl), before);
}

TEST_F(EntryTable, ReverseEntriesSwapsAroundTheMiddleAndTwiceRestores) {
    CSitemapDlg& dlg = OpenWindow();
    for (int rows : {0, 1, 5}) {
        dlg.m_listEntries.DeleteAllItems();
        for (int i = rows - 1; i >= 0; --i) {
            PutRow("r" + std::to_string(i), "m" + std::to_string(i), "0.5", "");
        }
        Type(IDC_EDIT_URL, "untouched");
        const std::vector<std::string> before = Urls(dlg.m_listEntries);
        dlg.ReverseEntries();
        EXPECT_EQ(Urls(dlg.m_listEntries), std::vector<std::string>(before.rbegin(), before.rend()))
            << rows;
        if (rows == 5) {
            EXPECT_EQ(Cell(0, SitemapEntry::kModified), "m4") << "every column moves";
            EXPECT_EQ(Cell(2, SitemapEntry::kUrl), "r2") << "the middle row stays";
        }
        EXPECT_EQ(dlg.m_nEntryCount, rows);
        dlg.ReverseEntries();
        EXPECT_EQ(Urls(dlg.m_listEntries), before) << rows;
        EXPECT_EQ(Text(IDC_EDIT_URL), "untouched");
    }
}

TEST_F(EntryTable, ClickingARowCopiesItIntoTheFieldsThroughTheBoxes) {
    CSitemapDlg& dlg = OpenWindow();
    PutRow("http://b", "", "0.3", "weekly ");
    PutRow("http://a", "2006-12-05", "1", "Daily");
    ClickRow(0);
    EXPECT_EQ(dlg.m_listEntries.GetSelectionMark(), 0);
    EXPECT_EQ(Text(IDC_EDIT_URL), "http://a");
    EXPECT_EQ(Text(IDC_EDIT_MODIFIED), "2006-12-05");
    EXPECT_EQ(Text(IDC_COMBO_PRIORITY), "1.0");
    EXPECT_EQ(Text(IDC_COMBO_FREQUENCY), "daily ");
    EXPECT_EQ(dlg.m_strPriority, "1") << "the member holds the row's text exactly";
    ClickRow(1);
    EXPECT_EQ(Text(IDC_EDIT_URL), "http://b");
    EXPECT_EQ(Text(IDC_EDIT_MODIFIED), "");
    // The blank area below the rows leaves the mark where it was: the fields show that row again.
    Type(IDC_EDIT_URL, "typed");
    ClickRow(-1);
    EXPECT_EQ(Text(IDC_EDIT_URL), "http://b");
}

TEST_F(EntryTable, ClickWithNoRowMarkedLeavesTheFieldsAlone) {
    CSitemapDlg& dlg = OpenWindow();
    PutRow("http://a", "x", "0.5", "");
    Type(IDC_EDIT_URL, "typed");
    Type(IDC_COMBO_PRIORITY, "0.7");
    ASSERT_EQ(dlg.m_listEntries.GetSelectionMark(), -1);
    ClickRow(-1);
    EXPECT_EQ(Text(IDC_EDIT_URL), "typed");
    EXPECT_EQ(Text(IDC_COMBO_PRIORITY), "0.7");
}

TEST_F(EntryTable, ALongUrlIsReadBackWhole) {
    CSitemapDlg& dlg = OpenWindow();
    // 300 characters, and more than a line edit holds by default.
    for (const std::size_t length : {300u, 40000u}) {
        const std::string url = "http://example.org/" + std::string(length - 19, 'x');
        PutRow(url, "", "0.5", "");
        dlg.FillFieldsFromRow(0);
        EXPECT_EQ(dlg.m_strUrl, url) << length;
        EXPECT_EQ(Text(IDC_EDIT_URL), url) << length;
        dlg.UpdateData(true);
        EXPECT_EQ(dlg.m_strUrl, url) << length << ": the field gives it back whole";
    }
}

TEST_F(EntryTable, SelectionMarkFollowsItsRowAndIsForgottenWithIt) {
    CSitemapDlg& dlg = OpenWindow();
    CListCtrl& list = dlg.m_listEntries;
    for (const char* url : {"c", "b", "a"}) {
        PutRow(url, "", "", "");
    }
    ClickRow(1);
    ASSERT_EQ(list.GetSelectionMark(), 1);
    PutRow("new top", "", "", "");
    EXPECT_EQ(list.GetSelectionMark(), 2);
    EXPECT_EQ(list.GetItemText(2, 0), "b");
    list.DeleteItem(0);
    EXPECT_EQ(list.GetSelectionMark(), 1);
    list.DeleteItem(1);
    EXPECT_EQ(list.GetSelectionMark(), -1);
}

} // namespace
