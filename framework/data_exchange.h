// Field <-> control transfer for a dialog's DoDataExchange.
#pragma once

#include <windows.h>

#include <string>

class CDialog;
class CListBox;

class CDataExchange {
public:
    CDataExchange(CDialog* dialog, BOOL saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog)
    {
    }

    HWND GetControl(int id) const;

    // TRUE: controls -> fields; FALSE: fields -> controls.
    const BOOL m_bSaveAndValidate;
    CDialog* const m_pDlgWnd;
};

// Check box state: 1 ticked, 0 clear.
void DDX_Check(CDataExchange* pDX, int id, BOOL& value);
// Window text of an edit control.
void DDX_Text(CDataExchange* pDX, int id, std::string& value);
// Binds a list-box object to its control once.
void DDX_Control(CDataExchange* pDX, int id, CListBox& control);
