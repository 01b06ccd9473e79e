#include "app/CSitemapDlg.h"

#include <string>

#include <sys/types.h>

#include "publish/CPrefsDlg.h"
#include "publish/Preferences.h"
#include "storage/LocalFile.h"

namespace {

// The file holds the FTP password in plain text: only its owner may read it.
constexpr mode_t kPreferencesFileMode = 0600;

Preferences SettingsOf(const CSitemapDlg& dlg) {
    Preferences settings;
    settings.username = dlg.m_strUsername;
    settings.password = dlg.m_strPassword;
    settings.folder = dlg.m_strFolder;
    settings.fileName = dlg.m_strFileName;
    settings.server = dlg.m_strServer;
    return settings;
}

void SetSettings(CSitemapDlg& dlg, const Preferences& settings) {
    dlg.m_strUsername = settings.username;
    dlg.m_strPassword = settings.password;
    dlg.m_strFolder = settings.folder;
    dlg.m_strFileName = settings.fileName;
    dlg.m_strServer = settings.server;
}

} // namespace

void CSitemapDlg::LoadPreferences() {
    UpdateData(true);
    // A missing file is created empty at once; one that cannot be read leaves the settings as
    // they are, without a word.
    const auto text = LocalFile::ReadOrCreate(Preferences::kFileName, kPreferencesFileMode);
    m_bPreferencesUnreadable = !text;
    if (text) {
        Preferences settings = SettingsOf(*this);
        if (settings.Read(*text)) {
            EnableToolTips(true);
        }
        SetSettings(*this, settings);
    }
    UpdateData(false);
}

// A file that could not be read at start holds settings this run never saw: it is kept as it
// is, and the settings are written only once nothing has the file's name any more.
void CSitemapDlg::SavePreferences() {
    const std::string text = SettingsOf(*this).FileText();
    const LocalFile::Outcome outcome =
        m_bPreferencesUnreadable
            ? LocalFile::Create(Preferences::kFileName, text, kPreferencesFileMode)
            : LocalFile::Replace(Preferences::kFileName, text, kPreferencesFileMode);
    if (!outcome.ok) {
        MessageBox("Save to File", "Error Writing File");
        return;
    }
    // From now on the file holds this run's settings.
    m_bPreferencesUnreadable = false;
}

void CSitemapDlg::OnButtonPreferences() {
    UpdateData(true);
    CPrefsDlg dlgPrefs(this);
    dlgPrefs.m_strPassword = m_strPassword;
    dlgPrefs.m_strFileName = m_strFileName;
    dlgPrefs.m_strFolder = m_strFolder;
    dlgPrefs.m_strUsername = m_strUsername;
    dlgPrefs.m_strServer = m_strServer;
    // Cancelled, the dialog's members still hold the settings copied in above, so the copy back
    // changes nothing; the file is rewritten either way.
    dlgPrefs.DoModal();
    UpdateData(true);
    m_strPassword = dlgPrefs.m_strPassword;
    m_strFileName = dlgPrefs.m_strFileName;
    m_strFolder = dlgPrefs.m_strFolder;
    m_strUsername = dlgPrefs.m_strUsername;
    m_strServer = dlgPrefs.m_strServer;
    UpdateData(false);
    SavePreferences();
}
