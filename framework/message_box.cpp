#include "framework/message_box.h"

#include "framework/app.h"

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
    // The active window (the open dialog, if any) owns the box, so that the
    // box is modal to it.
    return MessageBoxA(GetActiveWindow(), text.c_str(), title.c_str(), MessageBoxTypeWithIcon(type));
}
