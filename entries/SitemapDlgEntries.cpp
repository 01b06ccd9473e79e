#include "app/CSitemapDlg.h"

#include <array>
#include <utility>

#include "entries/SitemapEntry.h"

namespace {

struct ColumnHeading {
    const char* text;
    int format;
};

constexpr std::array<ColumnHeading, SitemapEntry::kColumnCount> kColumns{{
    {"URL", LVCFMT_LEFT},
    {"Modified", LVCFMT_LEFT},
    {"Priority", LVCFMT_LEFT},
    {"Frequency", LVCFMT_LEFT},
}};

} // namespace

void CSitemapDlg::InitEntryColumns() {
    for (int i = 0; i < static_cast<int>(kColumns.size()); ++i) {
        m_listEntries.InsertColumn(i, kColumns[static_cast<std::size_t>(i)].text,
                                   kColumns[static_cast<std::size_t>(i)].format);
    }
    m_listEntries.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    AutoSizeColumns();
}

void CSitemapDlg::AutoSizeColumns() {
    const int columns = m_listEntries.GetHeaderItemCount();
    if (columns < 0) {
        return;
    }
    const bool wasRedrawing = m_listEntries.IsRedrawOn();
    m_listEntries.SetRedraw(false);
    for (int i = 0; i < columns; ++i) {
        m_listEntries.SetColumnWidth(i, LVSCW_AUTOSIZE);
        const int contentWidth = m_listEntries.GetColumnWidth(i);
        m_listEntries.SetColumnWidth(i, LVSCW_AUTOSIZE_USEHEADER);
        const int headerWidth = m_listEntries.GetColumnWidth(i);
        m_listEntries.SetColumnWidth(i, contentWidth > headerWidth ? contentWidth : headerWidth);
    }
    // Inside a bulk change the caller switches redrawing back on when it is done.
    if (wasRedrawing) {
        m_listEntries.SetRedraw(true);
        m_listEntries.Invalidate();
    }
}

void CSitemapDlg::RefreshEntryCount() {
    m_nEntryCount = m_listEntries.GetItemCount();
    UpdateData(false);
}

void CSitemapDlg::ReverseEntries() {
    UpdateData(true);
    m_nEntryCount = m_listEntries.GetItemCount();
    m_listEntries.ReverseItems();
    UpdateData(false);
}

void CSitemapDlg::FillFieldsFromRow(int nItem) {
    UpdateData(true);
    // A row that does not exist (no row marked yet) leaves the fields as they are.
    if (nItem < 0 || nItem >= m_listEntries.GetItemCount()) {
        UpdateData(false);
        return;
    }
    m_strUrl = m_listEntries.GetItemText(nItem, SitemapEntry::kUrl);
    m_strModified = m_listEntries.GetItemText(nItem, SitemapEntry::kModified);
    m_strPriority = m_listEntries.GetItemText(nItem, SitemapEntry::kPriority);
    m_strFrequency = m_listEntries.GetItemText(nItem, SitemapEntry::kFrequency);
    UpdateData(false);
}

void CSitemapDlg::OnClickListEntries() {
    FillFieldsFromRow(m_listEntries.GetSelectionMark());
}

void CSitemapDlg::ClearFields() {
    UpdateData(true);
    m_strFrequency = "";
    m_strUrl = "";
    m_strPriority = "0.5";
    m_strModified = "";
    UpdateData(false);
}

// The editing commands arrive with the Add, Update and Remove buttons.
void CSitemapDlg::OnButtonAdd() {}
void CSitemapDlg::AddEntry() {}
void CSitemapDlg::OnButtonUpdate() {}
void CSitemapDlg::UpdateEntry() {}
void CSitemapDlg::OnButtonRemove() {}
void CSitemapDlg::RemoveEntry() {}
void CSitemapDlg::InsertRowFromFields() {}
void CSitemapDlg::NormalizeUrl(std::string&) {}
bool CSitemapDlg::IsDuplicateEntry() {
    return false;
}
