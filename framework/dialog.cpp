#include "framework/dialog.h"

#include "framework/app.h"
#include "framework/data_exchange.h"

CDialog::CDialog(UINT templateId, HWND parent) : m_nIDTemplate(templateId), m_hWndParent(parent)
{
}

INT_PTR CDialog::DoModal()
{
    CWinApp* app = AfxGetApp();
    HINSTANCE instance = app ? app->m_hInstance : GetModuleHandleA(nullptr);
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(m_nIDTemplate), m_hWndParent, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(int result)
{
    ::EndDialog(m_hWnd, result);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*)
{
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CDialog* dialog = nullptr;
    if (message == WM_INITDIALOG) {
        dialog = reinterpret_cast<CDialog*>(lParam);
        dialog->m_hWnd = hwnd;
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
    } else {
        dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    }
    // Messages sent before WM_INITDIALOG (WM_SETFONT and the like) have no
    // dialog object yet.
    return dialog ? dialog->Dispatch(message, wParam, lParam) : FALSE;
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        CenterOnScreenIfUnplaced();
        return OnInitDialog();
    case WM_COMMAND:
        // A disabled dialog (one that owns an open message box) takes no
        // command: a "Close" sent by another program, or from the taskbar,
        // must not run the handler a second time under the box.
        if (!IsWindowEnabled(m_hWnd))
            return TRUE;
        // Buttons send BN_CLICKED (0); Enter and Escape arrive with code 0
        // too, from the dialog manager.
        if (HIWORD(wParam) == BN_CLICKED) {
            if (LOWORD(wParam) == IDOK) {
                OnOK();
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                OnCancel();
                return TRUE;
            }
            // The help command (ID_HELP) does nothing: neither program has a
            // help file for a help handler to open.
        }
        return FALSE;
    case WM_HELP:
        // F1: the same help command, the same nothing.
        return TRUE;
    case WM_PAINT:
        return OnPaint() ? TRUE : FALSE;
    case WM_QUERYDRAGICON:
        // One of the messages whose dialog-procedure result is the answer.
        return reinterpret_cast<INT_PTR>(OnQueryDragIcon());
    default:
        return FALSE;
    }
}

// A dialog whose template asks for no alignment of its own opens centred on
// the screen's work area.
void CDialog::CenterOnScreenIfUnplaced()
{
    const LONG_PTR style = GetWindowLongPtrA(m_hWnd, GWL_STYLE);
    if (style & (DS_ABSALIGN | DS_CENTER | DS_CENTERMOUSE))
        return;
    RECT window;
    RECT workArea;
    if (!GetWindowRect(m_hWnd, &window) || !SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0))
        return;
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    const int x = workArea.left + (workArea.right - workArea.left - width) / 2;
    const int y = workArea.top + (workArea.bottom - workArea.top - height) / 2;
    SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
