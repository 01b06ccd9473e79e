#include "res/DialogTemplate.h"

#include <stdexcept>

#include "res/Resources.h"

namespace {

constexpr unsigned kEditStyle = kStyleBorder | kStyleAutoHScroll | kStyleTabStop;
constexpr unsigned kComboStyle = kStyleVScroll | kStyleTabStop;

DialogTemplate MakeAboutBox() {
    return {IDD_ABOUTBOX,
            "About Querndale",
            235,
            55,
            "MS Sans Serif",
            8,
            false,
            false,
            {
                {IDR_MAINFRAME, ControlKind::Icon, "", 11, 17, 20, 20, kStyleNone, {}},
                {kNoControlId,
                 ControlKind::Static,
                 "Querndale Version 1.0",
                 40,
                 10,
                 119,
                 8,
                 kStyleNone,
                 {}},
                {kNoControlId,
                 ControlKind::Static,
                 "Sitemaps for your own web site",
                 40,
                 25,
                 119,
                 8,
                 kStyleNone,
                 {}},
                {IDOK, ControlKind::DefPushButton, "OK", 178, 7, 50, 14, kStyleTabStop, {}},
            }};
}

DialogTemplate MakeMainWindow() {
    return {
        IDD_SITEMAP_DIALOG,
        "Querndale - Sitemap Builder",
        320,
        200,
        "MS Sans Serif",
        8,
        false,
        false,
        {
            {IDOK, ControlKind::DefPushButton, "Quit", 263, 168, 50, 14, kStyleTabStop, {}},
            {IDC_LIST_ENTRIES,
             ControlKind::ListView,
             "",
             7,
             7,
             186,
             176,
             kStyleBorder | kStyleSingleSelection | kStyleTabStop,
             {}},
            {kNoControlId, ControlKind::Static, "URL:", 201, 7, 18, 8, kStyleNone, {}},
            {IDC_EDIT_URL, ControlKind::Edit, "", 201, 16, 113, 14, kEditStyle, {}},
            {IDC_BUTTON_ADD, ControlKind::PushButton, "Add", 213, 101, 50, 14, kStyleTabStop, {}},
            {kNoControlId, ControlKind::Static, "Modified:", 201, 31, 30, 8, kStyleNone, {}},
            {kNoControlId, ControlKind::Static, "Check Link:", 201, 53, 39, 8, kStyleNone, {}},
            {kNoControlId, ControlKind::Static, "Priority:", 201, 75, 24, 8, kStyleNone, {}},
            {IDC_COMBO_FREQUENCY,
             ControlKind::ComboDropDown,
             "",
             201,
             62,
             113,
             139,
             kComboStyle,
             {"always ", "hourly ", "daily ", "weekly ", "monthly ", "yearly ", "never "}},
            {IDC_COMBO_PRIORITY,
             ControlKind::ComboDropDown,
             "",
             201,
             84,
             113,
             117,
             kComboStyle,
             {"0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1.0"}},
            {IDC_BUTTON_UPDATE,
             ControlKind::PushButton,
             "Update",
             263,
             101,
             50,
             14,
             kStyleTabStop,
             {}},
            {IDC_BUTTON_REMOVE,
             ControlKind::PushButton,
             "Remove",
             213,
             115,
             50,
             14,
             kStyleTabStop,
             {}},
            {IDC_BUTTON_HELP, ControlKind::PushButton, "Help", 263, 154, 50, 14, kStyleTabStop, {}},
            {IDC_BUTTON_CLEAR,
             ControlKind::PushButton,
             "Clear",
             263,
             115,
             50,
             14,
             kStyleTabStop,
             {}},
            {IDC_BUTTON_GENERATE,
             ControlKind::PushButton,
             "Generate",
             213,
             134,
             50,
             14,
             kStyleTabStop,
             {}},
            {IDC_BUTTON_FTP, ControlKind::PushButton, "FTP", 263, 134, 50, 14, kStyleTabStop, {}},
            {IDC_EDIT_MODIFIED, ControlKind::Edit, "", 201, 39, 59, 14, kEditStyle, {}},
            {IDC_BUTTON_SELECT,
             ControlKind::PushButton,
             "Select",
             261,
             39,
             26,
             14,
             kStyleTabStop,
             {}},
            {IDC_BUTTON_TODAY,
             ControlKind::PushButton,
             "Today",
             287,
             39,
             26,
             14,
             kStyleTabStop,
             {}},
            {IDC_BUTTON_PREFERENCES,
             ControlKind::PushButton,
             "Preferences",
             213,
             168,
             50,
             14,
             kStyleTabStop,
             {}},
            {IDC_STATIC_STATUS,
             ControlKind::Static,
             "Querndale v1.01 - keeps your page list, writes and uploads your sitemap",
             7,
             187,
             269,
             8,
             kStyleNone,
             {}},
        }};
}

DialogTemplate MakeDateDialog() {
    return {IDD_DATE_DIALOG,
            "Date Selection",
            186,
            113,
            "MS Sans Serif",
            8,
            false,
            false,
            {
                {IDC_MONTHCALENDAR,
                 ControlKind::MonthCalendar,
                 "MonthCalendar1",
                 7,
                 7,
                 134,
                 97,
                 kStyleTabStop,
                 {}},
                {IDOK, ControlKind::DefPushButton, "Return", 142, 7, 37, 14, kStyleTabStop, {}},
            }};
}

DialogTemplate MakePrefsDialog() {
    return {
        IDD_PREFS_DIALOG,
        "Preferences",
        235,
        180,
        "MS Sans Serif",
        8,
        false,
        false,
        {
            {IDOK, ControlKind::DefPushButton, "Return", 178, 7, 50, 14, kStyleTabStop, {}},
            {kNoControlId, ControlKind::GroupBox, "FTP Settings", 7, 7, 164, 147, kStyleNone, {}},
            {kNoControlId, ControlKind::Static, "Username:", 17, 42, 35, 8, kStyleNone, {}},
            {IDC_EDIT_USERNAME, ControlKind::Edit, "", 17, 53, 143, 14, kEditStyle, {}},
            {kNoControlId, ControlKind::Static, "Password:", 17, 68, 34, 8, kStyleNone, {}},
            // The password is masked while typed; the file keeps it as stored files expect.
            {IDC_EDIT_PASSWORD,
             ControlKind::Edit,
             "",
             17,
             78,
             143,
             14,
             kEditStyle | kStylePassword,
             {}},
            {kNoControlId, ControlKind::Static, "Remote Folder:", 19, 92, 49, 8, kStyleNone, {}},
            {IDC_EDIT_FOLDER, ControlKind::Edit, "", 19, 102, 143, 14, kEditStyle, {}},
            {kNoControlId, ControlKind::Static, "Remote Filename:", 18, 118, 58, 8, kStyleNone, {}},
            {IDC_EDIT_FILENAME, ControlKind::Edit, "", 18, 129, 143, 14, kEditStyle, {}},
            {kNoControlId,
             ControlKind::Static,
             "Preferencs are saved when you press \"Return\".",
             9,
             164,
             152,
             8,
             kStyleNone,
             {}},
            {kNoControlId, ControlKind::Static, "Server:", 17, 17, 24, 8, kStyleNone, {}},
            {IDC_EDIT_SERVER, ControlKind::Edit, "", 17, 28, 143, 14, kEditStyle, {}},
        }};
}

} // namespace

const DialogTemplate& FindDialogTemplate(int id) {
    static const DialogTemplate about = MakeAboutBox();
    static const DialogTemplate main = MakeMainWindow();
    static const DialogTemplate date = MakeDateDialog();
    static const DialogTemplate prefs = MakePrefsDialog();
    switch (id) {
    case IDD_ABOUTBOX:
        return about;
    case IDD_SITEMAP_DIALOG:
        return main;
    case IDD_DATE_DIALOG:
        return date;
    case IDD_PREFS_DIALOG:
        return prefs;
    default:
        throw std::out_of_range("no dialog template " + std::to_string(id));
    }
}
