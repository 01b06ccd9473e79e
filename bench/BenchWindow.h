#pragma once

#include <memory>
#include <string>

#include "app/CSitemapDlg.h"

// The real main window for a measure: opened offscreen in a fresh temporary directory that is
// the working directory until the window is closed and the directory removed.
class BenchWindow {
public:
    BenchWindow();
    ~BenchWindow();
    BenchWindow(const BenchWindow&) = delete;
    BenchWindow& operator=(const BenchWindow&) = delete;

    // Opens the window (start-up steps included); shows it unless `show` is false.
    CSitemapDlg& Open(bool show = true);
    // Closes it, shutdown steps included.
    void Close();
    CSitemapDlg& Window() { return *m_window; }
    const std::string& Dir() const { return m_dir; }

    // "http://www.example.org/section-<i % 50>/page-<i>.html"
    static std::string Url(int i);
    // Puts `rows` rows of Url(i) into the table one at a time at the top, as loading does, with
    // redraw off and one column fit at the end.
    static void FillTable(CSitemapDlg& dlg, int rows);

private:
    std::string m_dir;
    std::string m_previous;
    std::unique_ptr<CSitemapDlg> m_window;
};
