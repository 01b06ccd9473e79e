// The entry table: rows inserted one at a time at the top, then one column fit.

#include <chrono>

#include "BenchRegistry.h"
#include "BenchWindow.h"

namespace {

double InsertAtTopThenFit(int rows) {
    BenchWindow bench;
    CSitemapDlg& dlg = bench.Open();
    const auto start = std::chrono::steady_clock::now();
    BenchWindow::FillTable(dlg, rows);
    const auto end = std::chrono::steady_clock::now();
    return std::chrono::duration<double>(end - start).count();
}

const bool registered = BenchRegistry::Add({"table: insert N rows at the top, then fit the columns",
                                            {1000, 10000, 50000},
                                            InsertAtTopThenFit});

} // namespace
