#include "install/install_app.h"

#include "framework/message_box.h"
#include "install/install_dlg.h"

CInstallApp theApp;

BOOL CInstallApp::InitInstance()
{
    AfxEnableControlContainer();
    if (!AfxOleInit()) {
        AfxMessageBox("Unable to initialize OLE.\nTerminating application!", MB_OK);
        return FALSE;
    }
    CInstallDlg dlg;
    dlg.DoModal();
    return FALSE;
}
