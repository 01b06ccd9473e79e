#include "app/CSitemapDlg.h"

#include <array>
#include <string>
#include <utility>

#include "app/toolkit/MessagePresenter.h"
#include "entries/DuplicateEntry.h"
#include "entries/SitemapEntry.h"
#include "entries/UrlRule.h"

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

void CSitemapDlg::OnButtonAdd() {
    UpdateData(true);
    AddEntry();
    UpdateData(false);
}

void CSitemapDlg::AddEntry() {
    // A field of blanks names no page any more than an empty one does.
    if (UrlRule::IsBlank(m_strUrl)) {
        MessageBox("Title Blank.\r\nNo entry added.", "Error", MB_OK);
        return;
    }
    NormalizeUrl(m_strUrl);
    if (IsDuplicateEntry() &&
        AfxMessageBox("This entry is already in the list.\r\nDo you really want to add this item?",
                      MB_YESNO) != IDYES) {
        return;
    }
    // Every row arrives at the top.
    m_listEntries.InsertRow(0, {m_strUrl, m_strModified, m_strPriority, m_strFrequency});
    AutoSizeColumns();
    RefreshEntryCount();
}

void CSitemapDlg::OnButtonUpdate() {
    UpdateData(true);
    UpdateEntry();
    UpdateData(false);
}

void CSitemapDlg::UpdateEntry() {
    if (!UrlRule::IsBlank(m_strUrl)) {
        NormalizeUrl(m_strUrl);
        // With no row marked yet there is no row to write: every SetItemText refuses.
        const int row = m_listEntries.GetSelectionMark();
        m_listEntries.SetItemText(row, SitemapEntry::kUrl, m_strUrl);
        m_listEntries.SetItemText(row, SitemapEntry::kModified, m_strModified);
        m_listEntries.SetItemText(row, SitemapEntry::kPriority, m_strPriority);
        m_listEntries.SetItemText(row, SitemapEntry::kFrequency, m_strFrequency);
    }
    AutoSizeColumns();
}

void CSitemapDlg::OnButtonRemove() {
    UpdateData(true);
    RemoveEntry();
    UpdateData(false);
}

void CSitemapDlg::RemoveEntry() {
    m_listEntries.DeleteItem(m_listEntries.GetSelectionMark());
    AutoSizeColumns();
    RefreshEntryCount();
}

void CSitemapDlg::InsertRowFromFields() {
    UpdateData(true);
    RefreshEntryCount();
    // Rows come in as they were stored: no address rule, no duplicate question.
    if (m_strUrl.empty()) {
        return;
    }
    // Every row arrives at the top.
    m_listEntries.InsertRow(0, {m_strUrl, m_strModified, m_strPriority, m_strFrequency});
    UpdateData(false);
    AutoSizeColumns();
    RefreshEntryCount();
}

void CSitemapDlg::NormalizeUrl(std::string& strUrl) {
    strUrl = UrlRule::Normalize(strUrl);
}

bool CSitemapDlg::IsDuplicateEntry() {
    m_nEntryCount = m_listEntries.GetItemCount();
    return DuplicateEntry::FindRow(m_listEntries.Store(), m_strUrl, m_strPriority) >= 0;
}
