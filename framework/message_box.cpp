#include "framework/message_box.h"

#include "framework/app.h"
#include "framework/dialog.h"

UINT MessageBoxTypeWithIcon(UINT type)
{
    if ((type & MB_ICONMASK) != 0)
        return type;
    switch (type & MB_TYPEMASK) {
    case MB_OK:
    case MB_OKCANCEL:
    case MB_YESNO:
    case MB_YESNOCANCEL:
        return type | MB_ICONEXCLAMATION;
    default:
        return type;
    }
}

int AfxMessageBox(const std::string& text, UINT type)
{
    CWinApp* app = AfxGetApp();
    const std::string title = app ? app->AppName() : std::string();
    // The main window owns the box, whether or not it is the active one: the
    // system disables it while the box is open, so the dialog takes no
    // further command until the box has been answered.
    HWND owner = app && app->m_pMainWnd ? app->m_pMainWnd->GetSafeHwnd() : nullptr;
    if (owner && !IsWindow(owner))
        owner = nullptr;
    return MessageBoxA(owner, text.c_str(), title.c_str(), MessageBoxTypeWithIcon(type));
}
