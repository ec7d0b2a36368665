#include "common/product_dialog.h"

#include <cstdlib>

#include "common/product_folder.h"
#include "framework/app.h"
#include "framework/message_box.h"
#include "resources/resource_ids.h"

CProductDialog::CProductDialog(UINT templateId, HWND parent) : CDialog(templateId, parent)
{
    CWinApp* app = AfxGetApp();
    m_hIcon = LoadIconA(app ? app->m_hInstance : GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
}

BOOL CProductDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SendMessageA(GetSafeHwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageA(GetSafeHwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    FindProductFolder();
    return TRUE;
}

void CProductDialog::FindProductFolder()
{
    m_strProductFolder = LocateProductFolder();
    if (m_strProductFolder.empty()) {
        AfxMessageBox("Cannot find original install folder?", MB_OK);
        std::exit(1);
    }
}

bool CProductDialog::OnPaint()
{
    HWND hwnd = GetSafeHwnd();
    if (!IsIconic(hwnd))
        return false;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    SendMessageA(hwnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    const int cxIcon = GetSystemMetrics(SM_CXICON);
    const int cyIcon = GetSystemMetrics(SM_CYICON);
    RECT client;
    GetClientRect(hwnd, &client);
    const int x = (client.right - client.left - cxIcon + 1) / 2;
    const int y = (client.bottom - client.top - cyIcon + 1) / 2;
    DrawIcon(dc, x, y, m_hIcon);
    EndPaint(hwnd, &paint);
    return true;
}

HCURSOR CProductDialog::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
}
