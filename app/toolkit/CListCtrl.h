#pragma once

#include <array>
#include <functional>
#include <map>
#include <string>
#include <unordered_map>

#include "app/toolkit/CControl.h"
#include "entries/EntryStore.h"

class EntryListView;
class ListCtrlModel;

// Column widths that SetColumnWidth computes itself.
constexpr int LVSCW_AUTOSIZE = -1;           // the widest cell text of the column
constexpr int LVSCW_AUTOSIZE_USEHEADER = -2; // the heading; the last column also fills the rest
constexpr int LVCFMT_LEFT = 0;
constexpr unsigned LVS_EX_FULLROWSELECT = 0x00000020;

// The report-view list control of the entry table: the rows live in an EntryStore (this object
// owns it), the bound view shows them. Row 0 is the top row. The selection mark is the row the
// user selected last, -1 before any; it follows its row when rows are inserted or removed above
// it, and goes back to -1 when its row is removed.
class CListCtrl final : public CControl {
public:
    CListCtrl();
    ~CListCtrl() override;

    void Attach(QWidget* widget) override;
    void Detach() override;
    bool IsAttached() const override { return m_view != nullptr; }

    int InsertColumn(int column, const std::string& heading, int format = LVCFMT_LEFT);
    void SetExtendedStyle(unsigned style);

    // Inserts a row with `text` in column 0 and empty other cells; returns its index or -1.
    int InsertItem(int row, const std::string& text);
    // InsertItem of the entry's URL, then SetItemText of its other three texts.
    int InsertRow(int row, const SitemapEntry& entry);
    bool SetItemText(int row, int column, const std::string& text);
    // The whole text of a cell; empty for a cell that does not exist.
    std::string GetItemText(int row, int column) const;
    int GetItemCount() const { return m_store.Count(); }
    bool DeleteItem(int row);
    bool DeleteAllItems();
    // Turns the table upside down in one pass (the selection mark keeps its index).
    void ReverseItems();

    int GetSelectionMark() const { return m_selectionMark; }
    // Selects `row` and makes it the marked row, as a user's click on it does.
    int SetSelectionMark(int row);

    // The number of columns of the list's header; -1 when the list has no header.
    int GetHeaderItemCount() const;
    bool SetColumnWidth(int column, int width);
    int GetColumnWidth(int column) const;

    // Off during bulk changes: the list neither repaints nor fits its columns until switched
    // back on, when it repaints once.
    void SetRedraw(bool redraw);
    bool IsRedrawOn() const { return m_redraw; }
    void Invalidate();

    const EntryStore& Store() const { return m_store; }
    // NM_CLICK: what a left click on the list (on a row or not) runs.
    void SetClickHandler(std::function<void()> handler);
    EntryListView* View() const { return m_view; }

private:
    int MeasureText(const std::string& text) const;
    void MeasureCell(int row, int column);
    void CountWidth(int column, int width, int change);
    int ContentWidth(int column);
    int HeaderWidth(int column) const;
    int ViewportWidth() const;

    EntryStore m_store;
    EntryListView* m_view = nullptr;
    ListCtrlModel* m_model = nullptr;
    int m_selectionMark = -1;
    int m_cellPadding = 0;
    bool m_redraw = true;
    bool m_changingRows = false;
    bool m_cellsChangedUnseen = false;
    std::function<void()> m_onClick;
    // How many cells of each column have each measured width, so that the widest is known at
    // once after any change: many cells share the widest width (every "0.5", every date), and
    // removing or narrowing one of them must not send the fit through every row again. Only
    // kept while m_widthsCounted; until then the next fit measures and counts every cell.
    std::array<std::map<int, int>, SitemapEntry::kColumnCount> m_widthCounts;
    bool m_widthsCounted = false;
    mutable std::unordered_map<std::string, int> m_shortTextWidths;
    std::array<double, 128> m_asciiAdvances{};
};
