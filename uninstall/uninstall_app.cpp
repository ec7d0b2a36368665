#include "uninstall/uninstall_app.h"

#include "framework/message_box.h"
#include "uninstall/uninstall_dlg.h"

CUnInstallApp theApp;

BOOL CUnInstallApp::InitInstance()
{
    AfxEnableControlContainer();
    if (!AfxOleInit()) {
        AfxMessageBox("Unable to initialize OLE.\nTerminating application!", MB_OK);
        return FALSE;
    }
    CUnInstallDlg dlg;
    dlg.DoModal();
    return FALSE;
}
