#include "app/CSitemapApp.h"

#include "app/CSitemapDlg.h"
#include "app/NetworkStartup.h"
#include "app/toolkit/MessagePresenter.h"
#include "res/Resources.h"

int CSitemapApp::InitInstance() {
    if (!NetworkStartup::Initialise()) {
        AfxMessageBox(LoadResourceString(IDP_SOCKETS_INIT_FAILED), MB_OK | MB_ICONEXCLAMATION);
        return 1;
    }
    {
        CSitemapDlg dlg;
        dlg.DoModal();
    }
    NetworkStartup::Cleanup();
    return 0;
}
