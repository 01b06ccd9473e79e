#include "app/CSitemapDlg.h"

// The FTP upload arrives with publishing.
void CSitemapDlg::OnButtonFtp() {}

void CSitemapDlg::UploadSitemap() {}
