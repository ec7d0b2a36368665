#include "install/install_dlg.h"

#include <shlobj.h>

#include "common/product.h"
#include "framework/data_exchange.h"
#include "framework/message_box.h"
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

    const std::string previousDisplayName = RegisterUninstallEntry(m_RegistryTool, m_strProductFolder);

    m_bCurDesktop = m_ShortCutTool.ShortCutExists(product::kShortCutName, CSIDL_DESKTOP);
    m_bNewDesktop = m_bCurDesktop;
    m_bCurStartMenu = m_ShortCutTool.ShortCutExists(product::kShortCutName, CSIDL_STARTMENU);
    m_bNewStartMenu = m_bCurStartMenu;
    m_bCurPrograms = m_ShortCutTool.ShortCutExists(product::kShortCutName, CSIDL_PROGRAMS);
    m_bNewPrograms = m_bCurPrograms;

    // First installation: offer the desktop and Start-menu shortcuts.
    if (previousDisplayName.empty()) {
        m_bNewStartMenu = 1;
        m_bNewDesktop = 1;
    }
    // The new-setting column never starts all clear.
    if (!m_bNewDesktop && !m_bNewStartMenu && !m_bNewPrograms)
        m_bNewDesktop = 1;

    m_strPath = m_strProductFolder;
    UpdateData(FALSE);
    SetForegroundWindow(GetSafeHwnd());
    return TRUE;
}

void CInstallDlg::OnCancel()
{
    ApplyShortCuts();
}

void CInstallDlg::ApplyShortCuts()
{
    // The current-setting boxes are disabled: their fields keep what the
    // initialisation found, and the folders are not looked at again.
    UpdateData(TRUE);

    if (!m_bNewDesktop && !m_bNewStartMenu && !m_bNewPrograms &&
        AfxMessageBox("You are not installing any shortcuts. Are you sure?", MB_YESNO) == IDNO) {
        return;  // the dialog stays open with the user's choice
    }

    // Failures are skipped in silence: every shortcut is tried, and the
    // dialog ends in any case.
    ApplyShortCut(CSIDL_DESKTOP, m_bCurDesktop, m_bNewDesktop);
    ApplyShortCut(CSIDL_STARTMENU, m_bCurStartMenu, m_bNewStartMenu);
    ApplyShortCut(CSIDL_PROGRAMS, m_bCurPrograms, m_bNewPrograms);
    EndDialog(IDCANCEL);
}

void CInstallDlg::ApplyShortCut(int csidl, BOOL current, BOOL wanted)
{
    if (wanted && !current) {
        m_ShortCutTool.CreateShortCut(m_strProductFolder + "\\" + product::kProgramFileName, product::kShortCutName,
                                      csidl, "", "", 1);
    } else if (!wanted && current) {
        m_ShortCutTool.DeleteShortCut(product::kShortCutName, csidl);
    }
}
