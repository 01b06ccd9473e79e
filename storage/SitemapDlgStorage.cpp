#include "app/CSitemapDlg.h"

// The entry list file "xml.dat" arrives with its reader and writer; until then the table starts
// empty and opening ends, as loading does, with the fields reset.
void CSitemapDlg::LoadEntryList() {
    ClearFields();
}

void CSitemapDlg::SaveEntryList() {}
