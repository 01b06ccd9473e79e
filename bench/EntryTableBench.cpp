// The entry table: rows inserted one at a time at the top, then one column fit.

#include <chrono>

#include "BenchRegistry.h"
#include "BenchWindow.h"
#include "entries/SitemapEntry.h"

namespace {

double InsertAtTopThenFit(int rows) {
    BenchWindow bench;
    CSitemapDlg& dlg = bench.Open();
    CListCtrl& list = dlg.m_listEntries;
    const auto start = std::chrono::steady_clock::now();
    list.SetRedraw(false);
    for (int i = 0; i < rows; ++i) {
        list.InsertItem(0, BenchWindow::Url(i));
        list.SetItemText(0, SitemapEntry::kModified, "2026-12-11");
        list.SetItemText(0, SitemapEntry::kPriority, "0.5");
        list.SetItemText(0, SitemapEntry::kFrequency, "weekly ");
    }
    dlg.AutoSizeColumns();
    list.SetRedraw(true);
    list.Invalidate();
    const auto end = std::chrono::steady_clock::now();
    return std::chrono::duration<double>(end - start).count();
}

const bool registered = BenchRegistry::Add({"table: insert N rows at the top, then fit the columns",
                                            {1000, 10000, 50000},
                                            InsertAtTopThenFit});

} // namespace
