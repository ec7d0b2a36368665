#include "install/install_dlg.h"

#include "framework/data_exchange.h"
#include "install/uninstall_entry.h"
#include "resources/resource_ids.h"

CInstallDlg::CInstallDlg(HWND parent) : CProductDialog(IDD_MAIN_DIALOG, parent)
{
}

void CInstallDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_PATH, m_strPath);
    DDX_Check(pDX, IDC_CUR_DESKTOP, m_bCurDesktop);
    DDX_Check(pDX, IDC_CUR_STARTMENU, m_bCurStartMenu);
    DDX_Check(pDX, IDC_CUR_PROGRAMS, m_bCurPrograms);
    DDX_Check(pDX, IDC_NEW_DESKTOP, m_bNewDesktop);
    DDX_Check(pDX, IDC_NEW_STARTMENU, m_bNewStartMenu);
    DDX_Check(pDX, IDC_NEW_PROGRAMS, m_bNewPrograms);
}

BOOL CInstallDlg::OnInitDialog()
{
    CProductDialog::OnInitDialog();  // icons, then the product folder (or exit)
    RegisterUninstallEntry(m_RegistryTool, m_strProductFolder);

    m_strPath = m_strProductFolder;
    UpdateData(FALSE);
    SetForegroundWindow(GetSafeHwnd());
    return TRUE;
}
