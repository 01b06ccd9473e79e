#include "app/CSitemapDlg.h"

#include <optional>
#include <string>
#include <vector>

#include "entries/SitemapEntry.h"
#include "res/Resources.h"
#include "storage/EntryListFile.h"
#include "storage/LocalFile.h"

namespace {

std::vector<std::string> ComboItems(const DialogTemplate& dialog, int id) {
    for (const ControlTemplate& control : dialog.controls) {
        if (control.id == id) {
            return control.items;
        }
    }
    return {};
}

} // namespace

// Loading goes straight into the table, with the drop-down boxes' mapping applied by the reader,
// instead of putting every record through the fields: fifty thousand records must not cost
// fifty thousand field exchanges and column fits. The window is not shown yet, so what the user
// sees at the end is the same.
void CSitemapDlg::LoadEntryList() {
    UpdateData(true);
    const std::string fileName(EntryListFile::kFileName);
    // A file that cannot be read leaves the table empty without a word; a missing one is created
    // empty at once.
    const std::optional<std::string> text = LocalFile::ReadOrCreate(fileName);
    m_bEntryListUnreadable = !text;
    if (text) {
        const EntryListFile::ComboLists lists{ComboItems(Template(), IDC_COMBO_PRIORITY),
                                              ComboItems(Template(), IDC_COMBO_FREQUENCY)};
        const std::vector<SitemapEntry> entries = EntryListFile::Read(
            *text, lists, SitemapEntry{m_strUrl, m_strModified, m_strPriority, m_strFrequency});
        if (!entries.empty()) {
            m_listEntries.SetRedraw(false);
            for (const SitemapEntry& entry : entries) {
                m_listEntries.InsertRow(0, entry);
            }
            AutoSizeColumns();
            m_listEntries.SetRedraw(true);
            m_listEntries.Invalidate();
        }
    }
    m_nEntryCount = m_listEntries.GetItemCount();
    ClearFields();
}

// The store keeps its rows bottom-first, which is the file's order, so the text is made from it
// directly and the table is never turned over.
// A file that could not be read at start is kept as it is: what this run's table holds is not
// what the file held. Only once nothing has the name any more (the user moved the file or the
// folder in its way) is the table written, so that it is not lost.
void CSitemapDlg::SaveEntryList() {
    const std::string fileName(EntryListFile::kFileName);
    const std::string text = EntryListFile::Text(m_listEntries.Store());
    const LocalFile::Outcome outcome = m_bEntryListUnreadable ? LocalFile::Create(fileName, text)
                                                              : LocalFile::Replace(fileName, text);
    if (!outcome.ok) {
        MessageBox("Save to File", "Error Writing File", MB_OK);
    }
    ClearFields();
}
