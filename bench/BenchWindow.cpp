#include "BenchWindow.h"

#include <filesystem>

#include <QApplication>

#include "entries/SitemapEntry.h"

#include <stdlib.h>

namespace fs = std::filesystem;

BenchWindow::BenchWindow() {
    m_previous = fs::current_path().string();
    std::string pattern = (fs::temp_directory_path() / "querndale-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary directory");
    }
    m_dir = pattern;
    fs::current_path(m_dir);
}

BenchWindow::~BenchWindow() {
    Close();
    fs::current_path(m_previous);
    std::error_code ignored;
    fs::remove_all(m_dir, ignored);
}

CSitemapDlg& BenchWindow::Open(bool show) {
    m_window = std::make_unique<CSitemapDlg>();
    m_window->Create();
    if (show) {
        m_window->ShowWindow();
        QApplication::processEvents();
    }
    return *m_window;
}

void BenchWindow::Close() {
    if (m_window) {
        m_window->DestroyWindow();
        m_window.reset();
    }
}

void BenchWindow::FillTable(CSitemapDlg& dlg, int rows) {
    CListCtrl& list = dlg.m_listEntries;
    list.SetRedraw(false);
    for (int i = 0; i < rows; ++i) {
        list.InsertRow(0, {Url(i), "2026-12-11", "0.5", "weekly "});
    }
    dlg.AutoSizeColumns();
    list.SetRedraw(true);
    list.Invalidate();
    dlg.RefreshEntryCount();
}

std::string BenchWindow::Url(int i) {
    return "http://www.example.org/section-" + std::to_string(i % 50) + "/page-" +
           std::to_string(i) + ".html";
}
