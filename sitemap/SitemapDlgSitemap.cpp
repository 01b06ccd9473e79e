#include "app/CSitemapDlg.h"

#include <utility>

#include "app/toolkit/FileOpener.h"
#include "sitemap/SitemapDocument.h"
#include "sitemap/SitemapFileName.h"
#include "storage/LocalFile.h"

void CSitemapDlg::OnButtonGenerate() {
    UpdateData(true);
    // The settled name stays, so the preferences saved at shutdown and the upload use it too.
    m_strFileName = SitemapFileName::Settle(m_strFileName);
    UpdateData(false);
    GenerateSitemap();
}

void CSitemapDlg::GenerateSitemap() {
    UpdateData(true);
    // Built straight from the rows, with the line ends the file has on disk.
    std::string document =
        SitemapDocument::Build(m_listEntries.Store(), SitemapDocument::LineEnd::kCrLf);
    // Reading the table leaves its bottom row in the input fields.
    const int rows = m_listEntries.GetItemCount();
    if (rows > 0) {
        FillFieldsFromRow(rows - 1);
    }
    if (WriteSitemapFile(m_strFileName, std::move(document)) == -1) {
        return;
    }
    const std::string message = "Your Sitemap Has Been Generated.\n"
                                "Use the FTP button to upload it.\n"
                                "Your sitemap was written to:\n" +
                                m_strFileName + "\nWould you like to view it?";
    if (AfxMessageBox(message, MB_YESNO) == IDYES) {
        FileOpener::Current().Open(m_strFileName);
    }
    UpdateData(false);
}

// `strText` is the file's bytes, line ends included. The file is replaced whole: a file that
// cannot be written (read-only, a missing folder, a full disk, an I/O error) keeps what it held.
int CSitemapDlg::WriteSitemapFile(std::string strFileName, std::string strText) {
    if (!LocalFile::Replace(strFileName, strText).ok) {
        MessageBox("Save to File", "Error Saving File.", MB_OK);
        return -1;
    }
    return 1;
}
