#include "app/CSitemapDlg.h"

// The preferences file, the Preferences dialog and the FTP upload arrive with publishing.
void CSitemapDlg::LoadPreferences() {}

void CSitemapDlg::SavePreferences() {}

void CSitemapDlg::OnButtonPreferences() {}

void CSitemapDlg::OnButtonFtp() {}

void CSitemapDlg::UploadSitemap() {}
