// Start-up shared by both programs.
#pragma once

#include "framework/app.h"
#include "framework/message_box.h"

// Enables control hosting, initialises OLE (the shell-link objects are COM
// objects) and runs the program's one dialog modally as its main window. Always FALSE, so that
// the program ends when the dialog does; without OLE no dialog is shown.
template <typename Dialog>
BOOL RunProductDialog()
{
    AfxEnableControlContainer();
    if (!AfxOleInit()) {
        AfxMessageBox("Unable to initialize OLE.\nTerminating application!", MB_OK);
        return FALSE;
    }
    Dialog dlg;
    CWinApp* app = AfxGetApp();
    if (app)
        app->m_pMainWnd = &dlg;
    dlg.DoModal();
    if (app)
        app->m_pMainWnd = nullptr;
    return FALSE;
}
