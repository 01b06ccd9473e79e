// The editing commands on a full table: what one Add costs, the duplicate test and the column
// fit included, and what the table's repaint afterwards adds.

#include <chrono>
#include <string>

#include <QApplication>

#include "BenchRegistry.h"
#include "BenchWindow.h"
#include "entries/SitemapEntry.h"

namespace {

constexpr int kAdds = 20;

void Fill(CSitemapDlg& dlg, int rows) {
    BenchWindow::FillTable(dlg, rows);
    QApplication::processEvents();
}

// Seconds per Add of a new address (the duplicate test looks at every row), the fields typed
// beforehand; with `repaint`, the events the Add leaves behind (relayout and paint) count too.
double PerAdd(int rows, bool repaint) {
    BenchWindow bench;
    CSitemapDlg& dlg = bench.Open();
    Fill(dlg, rows);
    double seconds = 0.0;
    for (int i = 0; i < kAdds; ++i) {
        dlg.m_strUrl = "www.example.org/new/page-" + std::to_string(i) + ".html";
        dlg.m_strModified = "2026-12-12";
        dlg.m_strPriority = "0.5";
        dlg.m_strFrequency = "daily ";
        dlg.UpdateData(false);
        const auto start = std::chrono::steady_clock::now();
        dlg.OnButtonAdd();
        if (repaint) {
            QApplication::processEvents();
        }
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        QApplication::processEvents();
    }
    return seconds / kAdds;
}

// Seconds per Remove of the marked top row when that row holds the widest address, so that
// the URL column's width has to be found again among the cached widths.
double PerRemoveOfWidest(int rows) {
    BenchWindow bench;
    CSitemapDlg& dlg = bench.Open();
    Fill(dlg, rows);
    double seconds = 0.0;
    for (int i = 0; i < kAdds; ++i) {
        CListCtrl& list = dlg.m_listEntries;
        list.InsertItem(0, "http://www.example.org/" + std::string(200, 'w'));
        list.SetItemText(0, SitemapEntry::kPriority, "0.5");
        dlg.AutoSizeColumns();
        list.SetSelectionMark(0);
        QApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        dlg.OnButtonRemove();
        QApplication::processEvents();
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    return seconds / kAdds;
}

const bool registeredAdd = BenchRegistry::Add({"editing: one Add into N rows (ms per Add)",
                                               {1000, 10000, 50000},
                                               [](int rows) { return PerAdd(rows, false); }});
const bool registeredAddPaint = BenchRegistry::Add(
    {"editing: one Add into N rows, repaint included", {1000, 10000, 50000}, [](int rows) {
         return PerAdd(rows, true);
     }});
const bool registeredRemove =
    BenchRegistry::Add({"editing: Remove the widest row of N, repaint included",
                        {1000, 10000, 50000},
                        PerRemoveOfWidest});

} // namespace
