// A list-box control of a dialog, bound by DDX_Control.
#pragma once

#include <windows.h>

#include <string>

class CListBox {
public:
    void Attach(HWND control) { m_hWnd = control; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    // Appends at the end of an unsorted list; the new index, or LB_ERR.
    int AddString(const std::string& text);
    int GetCount() const;
    std::string GetText(int index) const;

private:
    HWND m_hWnd = nullptr;
};
