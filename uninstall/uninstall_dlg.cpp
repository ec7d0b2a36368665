#include "uninstall/uninstall_dlg.h"

#include <direct.h>
#include <shlobj.h>

#include "common/product.h"
#include "common/registry.h"
#include "common/shortcut.h"
#include "framework/data_exchange.h"
#include "resources/resource_ids.h"
#include "uninstall/folder_guards.h"
#include "uninstall/purge.h"

namespace {
// A product folder whose path holds this name is a developer's copy.
const char kGuardedFolderName[] = "Kestova";

struct SubKey {
    const char* parent;
    const char* name;
};
// Children before their parents: a key is deleted only without subkeys.
const SubKey kProductKeys[] = {
    {"SOFTWARE\\Orlund", "Varneth"},
    {"SOFTWARE", "Orlund"},
    {product::kUninstallKeyParent, product::kUninstallKeyName},
};

struct ShortCutFolder {
    int csidl;
    const char* failure;
};
const ShortCutFolder kShortCutFolders[] = {
    {CSIDL_DESKTOP, "Could not delete desktop shortcut?"},
    {CSIDL_STARTMENU, "Could not delete startmenu shortcut?"},
    {CSIDL_PROGRAMS, "Could not delete programs shortcut?"},
};
}  // namespace

CUnInstallDlg::CUnInstallDlg(HWND parent) : CProductDialog(IDD_MAIN_DIALOG, parent)
{
}

void CUnInstallDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_MESSAGES, m_listMessages);
}

BOOL CUnInstallDlg::OnInitDialog()
{
    CProductDialog::OnInitDialog();  // icons, then the product folder (or exit)

    AddMessage("Uninstall folder:");
    AddMessage(m_strProductFolder);
    return TRUE;
}

void CUnInstallDlg::AddMessage(std::string text)
{
    for (const std::string& line : SplitIntoListLines(text))
        m_listMessages.AddString(line);
}

void CUnInstallDlg::OnRemove()
{
    RemoveProduct();
    EnableWindow(GetDlgItem(IDOK), FALSE);
    SetWindowTextA(GetDlgItem(IDCANCEL), "Close");
}

void CUnInstallDlg::RemoveProduct()
{
    if (RefusesProductFolder())
        return;

    if (!PurgeFolder(m_strProductFolder, 1))
        AddMessage("All files and/or folders could not be deleted.");
    RemoveRegistryKeys();
    RemoveShortCuts();
    WriteCleanupScript(m_strProductFolder);
    AddMessage("Tolmic 2007 removed.");
}

bool CUnInstallDlg::RefusesProductFolder()
{
    // The product folder stays the current directory for the rest of the
    // run; one that cannot be entered is not purged.
    if (_chdir(m_strProductFolder.c_str()) != 0) {
        AddMessage("Could not find the working directory?");
        return true;
    }
    if (m_strProductFolder.find(kGuardedFolderName) != std::string::npos) {
        AddMessage("Protecting Kestova! Change path name!");
        return true;
    }
    if (IsDriveRoot(m_strProductFolder)) {
        AddMessage("Protecting drive root! Change path name!");
        return true;
    }
    if (HoldsWellKnownFolder(m_strProductFolder)) {
        AddMessage("Protecting system folder! Change path name!");
        return true;
    }
    m_bSourceFiles = 0;
    FindSourceFiles(m_strProductFolder);
    if (m_bSourceFiles) {
        AddMessage("There are some source files? Delete them first!");
        return true;
    }
    return false;
}

void CUnInstallDlg::RemoveRegistryKeys()
{
    CRegistryTool registry;
    for (const SubKey& key : kProductKeys)
        registry.DeleteSubKey(key.parent, key.name);
}

void CUnInstallDlg::RemoveShortCuts()
{
    CShortCutTool shortCuts;
    for (const ShortCutFolder& folder : kShortCutFolders) {
        if (shortCuts.ShortCutExists(product::kShortCutName, folder.csidl) &&
            !shortCuts.DeleteShortCut(product::kShortCutName, folder.csidl))
            AddMessage(folder.failure);
    }
}

int CUnInstallDlg::PurgeFolder(std::string folder, int depth)
{
    return ::PurgeFolder(folder, depth, *this);
}

void CUnInstallDlg::FindSourceFiles(std::string folder)
{
    ::FindSourceFiles(folder, m_bSourceFiles);
}

void CUnInstallDlg::WriteCleanupScript(std::string folder)
{
    m_cleanupScript.WriteAndStart(folder);
}
