#include "install/install_app.h"

#include "common/product_app.h"
#include "install/install_dlg.h"

CInstallApp theApp;

BOOL CInstallApp::InitInstance()
{
    return RunProductDialog<CInstallDlg>();
}
