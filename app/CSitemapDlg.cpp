#include "app/CSitemapDlg.h"

#include <QDialog>
#include <QIcon>

#include "app/CAboutDlg.h"
#include "app/HelpPage.h"
#include "app/toolkit/CDataExchange.h"
#include "app/toolkit/FileOpener.h"
#include "res/Resources.h"

// The icon is compiled into this library; the resource's registration must be pulled in.
static void LoadApplicationResources() {
    Q_INIT_RESOURCE(querndale);
}

CSitemapDlg::CSitemapDlg(CDialog* parent) : CDialog(IDD_SITEMAP_DIALOG, parent) {
    MapClick(IDC_BUTTON_ADD, [this] { OnButtonAdd(); });
    MapClick(IDC_BUTTON_UPDATE, [this] { OnButtonUpdate(); });
    MapClick(IDC_BUTTON_REMOVE, [this] { OnButtonRemove(); });
    MapClick(IDC_BUTTON_CLEAR, [this] { ClearFields(); });
    MapClick(IDC_BUTTON_TODAY, [this] { OnButtonToday(); });
    MapClick(IDC_BUTTON_SELECT, [this] { OnButtonSelect(); });
    MapClick(IDC_BUTTON_PREFERENCES, [this] { OnButtonPreferences(); });
    MapClick(IDC_BUTTON_HELP, [this] { OnButtonHelp(); });
    MapClick(IDC_BUTTON_GENERATE, [this] { OnButtonGenerate(); });
    MapClick(IDC_BUTTON_FTP, [this] { OnButtonFtp(); });
    m_listEntries.SetClickHandler([this] { OnClickListEntries(); });
}

CSitemapDlg::~CSitemapDlg() = default;

void CSitemapDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LIST_ENTRIES, m_listEntries);
    DDX_CBString(pDX, IDC_COMBO_FREQUENCY, m_strFrequency);
    DDX_CBString(pDX, IDC_COMBO_PRIORITY, m_strPriority);
    DDX_Text(pDX, IDC_EDIT_MODIFIED, m_strModified);
    DDX_Text(pDX, IDC_EDIT_URL, m_strUrl);
}

bool CSitemapDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    const std::string aboutMenu = LoadResourceString(IDS_ABOUTBOX);
    if (!aboutMenu.empty()) {
        AppendSystemMenuSeparator();
        AppendSystemMenuItem(IDM_ABOUTBOX, aboutMenu);
    }

    LoadApplicationResources();
    GetWindow()->setWindowIcon(QIcon(QStringLiteral(":/querndale/icons/querndale-256.png")));

    LoadPreferences();
    InitEntryColumns();
    LoadEntryList();
    return true;
}

void CSitemapDlg::OnSysCommand(int nID) {
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout(this);
        dlgAbout.DoModal();
    } else {
        CDialog::OnSysCommand(nID);
    }
}

void CSitemapDlg::OnButtonHelp() {
    UpdateData(true);
    FileOpener::Current().Open(HelpPage::Location());
    UpdateData(false);
}

void CSitemapDlg::OnDestroy() {
    CDialog::OnDestroy();
    UpdateData(true);
    SavePreferences();
    SaveEntryList();
}
