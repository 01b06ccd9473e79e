#pragma once

#include <string>

// Resource ids of the dialogs, controls, strings and icon.
enum ResourceId : int {
    IDOK = 1,
    IDCANCEL = 2,
    IDD_ABOUTBOX = 100,
    IDS_ABOUTBOX = 101,
    IDD_SITEMAP_DIALOG = 102,
    IDP_SOCKETS_INIT_FAILED = 103,
    IDR_MAINFRAME = 128,
    IDD_DATE_DIALOG = 130,
    IDD_PREFS_DIALOG = 131,

    IDC_LIST_ENTRIES = 1000,
    IDC_EDIT_URL = 1001,
    IDC_BUTTON_ADD = 1002,
    IDC_COMBO_FREQUENCY = 1004,
    IDC_COMBO_PRIORITY = 1005,
    IDC_BUTTON_UPDATE = 1006,
    IDC_BUTTON_REMOVE = 1007,
    IDC_BUTTON_HELP = 1008,
    IDC_BUTTON_CLEAR = 1010,
    IDC_BUTTON_GENERATE = 1011,
    IDC_BUTTON_FTP = 1012,
    IDC_EDIT_MODIFIED = 1013,
    IDC_BUTTON_SELECT = 1014,
    IDC_BUTTON_TODAY = 1015,
    IDC_BUTTON_PREFERENCES = 1016,
    IDC_EDIT_USERNAME = 1017,
    IDC_EDIT_PASSWORD = 1019,
    IDC_EDIT_FOLDER = 1020,
    IDC_EDIT_FILENAME = 1021,
    IDC_EDIT_SERVER = 1022,
    IDC_STATIC_STATUS = 1047,
    IDC_MONTHCALENDAR = 1053,
};

// The command id of the About item in the main window's menu.
constexpr int IDM_ABOUTBOX = 0x0010;

// The application's name: the title of every application message box.
inline constexpr const char* kApplicationName = "Querndale";

// The text of a string resource; empty for an unknown id.
std::string LoadResourceString(int id);
