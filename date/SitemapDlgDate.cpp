#include "app/CSitemapDlg.h"

// The Today and Select commands arrive with the date dialog.
void CSitemapDlg::OnButtonToday() {}

void CSitemapDlg::OnButtonSelect() {}
