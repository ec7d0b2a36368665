// A modal dialog built from a dialog template in the program's resources.
// Messages reach the dialog through one dispatcher (Dispatch), which calls
// the virtual handlers below.
#pragma once

#include <windows.h>

class CDataExchange;

class CDialog {
public:
    explicit CDialog(UINT templateId, HWND parent = nullptr);
    virtual ~CDialog() = default;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog until EndDialog; returns its result, or -1 when the
    // dialog could not be created.
    INT_PTR DoModal();
    void EndDialog(int result);

    // Transfers between fields and controls: TRUE reads the controls into
    // the fields, FALSE writes the fields into the controls.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    HWND GetSafeHwnd() const { return m_hWnd; }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    // Writes the fields into the controls; returns TRUE to let the system
    // set the focus.
    virtual BOOL OnInitDialog();
    // The IDOK command: reads the controls and ends the dialog with IDOK.
    virtual void OnOK();
    // The IDCANCEL command ("Cancel", Escape, the close box): ends the
    // dialog with IDCANCEL.
    virtual void OnCancel();
    // WM_PAINT; returns false to leave painting to the system.
    virtual bool OnPaint() { return false; }
    // WM_QUERYDRAGICON; null leaves the choice to the system.
    virtual HCURSOR OnQueryDragIcon() { return nullptr; }

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void CenterOnScreenIfUnplaced();

    UINT m_nIDTemplate;
    HWND m_hWndParent;
    HWND m_hWnd = nullptr;
};
