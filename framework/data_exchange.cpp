#include "framework/data_exchange.h"

#include "framework/dialog.h"
#include "framework/listbox.h"

HWND CDataExchange::GetControl(int id) const
{
    return m_pDlgWnd->GetDlgItem(id);
}

void DDX_Check(CDataExchange* pDX, int id, BOOL& value)
{
    HWND control = pDX->GetControl(id);
    if (pDX->m_bSaveAndValidate)
        value = SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    else
        SendMessageA(control, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}

void DDX_Text(CDataExchange* pDX, int id, std::string& value)
{
    HWND control = pDX->GetControl(id);
    if (!pDX->m_bSaveAndValidate) {
        SetWindowTextA(control, value.c_str());
        return;
    }
    const int length = GetWindowTextLengthA(control);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(control, &text[0], length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    value = text;
}

void DDX_Control(CDataExchange* pDX, int id, CListBox& control)
{
    if (!control.GetSafeHwnd())
        control.Attach(pDX->GetControl(id));
}
