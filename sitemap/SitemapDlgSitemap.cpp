#include "app/CSitemapDlg.h"

// The Generate command arrives with the sitemap document.
void CSitemapDlg::OnButtonGenerate() {}

void CSitemapDlg::GenerateSitemap() {}

int CSitemapDlg::WriteSitemapFile(std::string, std::string) {
    return -1;
}
