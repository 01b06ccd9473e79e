#include "app/CSitemapDlg.h"

// The preferences file and the Preferences dialog arrive with publishing.
void CSitemapDlg::LoadPreferences() {}

void CSitemapDlg::SavePreferences() {}

void CSitemapDlg::OnButtonPreferences() {}
