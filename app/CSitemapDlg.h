#pragma once

// The main window: owner of all the program's data and of every command.
//
// The entry table (m_listEntries, rows in an EntryStore) is the one store of entries; the four
// input fields are both what the user edits and the exchange buffer through which rows are read
// and inserted; the five FTP settings are not bound to any control. Each subsystem folder defines
// the member functions of its own commands as thin glue over its core library: entries/ the
// table and editing commands, storage/ the entry list file, date/ the Modified date, sitemap/ the
// Generate command, publish/ the preferences and the FTP upload; this folder the start-up,
// shutdown, Help and About. Opening: preferences, columns, entry list. Closing, however the
// window ends: fields into members, preferences file, entry list file.

#include <string>

#include "app/toolkit/CDialog.h"
#include "app/toolkit/CListCtrl.h"

class CSitemapDlg final : public CDialog {
public:
    explicit CSitemapDlg(CDialog* parent = nullptr);
    ~CSitemapDlg() override;

    // Shell (app/).
    bool OnInitDialog() override;
    void OnSysCommand(int nID) override;
    void OnDestroy() override;
    void OnButtonHelp();

    // Entry table (entries/).
    void InitEntryColumns();
    void AutoSizeColumns();
    void RefreshEntryCount();
    void ReverseEntries();
    void FillFieldsFromRow(int nItem);
    void OnClickListEntries();

    // Entry editing (entries/).
    void OnButtonAdd();
    void AddEntry();
    void OnButtonUpdate();
    void UpdateEntry();
    void OnButtonRemove();
    void RemoveEntry();
    void ClearFields();
    void InsertRowFromFields();
    void NormalizeUrl(std::string& strUrl);
    bool IsDuplicateEntry();

    // Entry list file (storage/).
    void LoadEntryList();
    void SaveEntryList();

    // Modified date (date/).
    void OnButtonToday();
    void OnButtonSelect();

    // Sitemap generation (sitemap/).
    void OnButtonGenerate();
    void GenerateSitemap();
    int WriteSitemapFile(std::string strFileName, std::string strText);

    // Preferences and FTP upload (publish/).
    void LoadPreferences();
    void SavePreferences();
    void OnButtonPreferences();
    void OnButtonFtp();
    void UploadSitemap();

    int m_nEntryCount = 0;
    std::string m_strUsername;
    std::string m_strPassword;
    std::string m_strFolder;
    std::string m_strFileName;
    std::string m_strServer;
    CListCtrl m_listEntries;
    std::string m_strFrequency;
    std::string m_strPriority;
    std::string m_strModified;
    std::string m_strUrl;
    // The entry list file was there but could not be read: closing must not replace it with the
    // rows of this run.
    bool m_bEntryListUnreadable = false;
    // The same for the preferences file: its settings never reached this run, so saving must not
    // replace them with the ones this run holds.
    bool m_bPreferencesUnreadable = false;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
