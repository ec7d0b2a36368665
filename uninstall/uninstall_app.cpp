#include "uninstall/uninstall_app.h"

#include "common/product_app.h"
#include "uninstall/uninstall_dlg.h"

CUnInstallApp theApp;

BOOL CUnInstallApp::InitInstance()
{
    return RunProductDialog<CUnInstallDlg>();
}
