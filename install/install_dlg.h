// Install.exe's dialog: registers the product and sets its shortcuts.
#pragma once

#include <string>

#include "common/product_dialog.h"
#include "common/registry.h"
#include "common/shortcut.h"

class CInstallDlg : public CProductDialog {
public:
    explicit CInstallDlg(HWND parent = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // Icons and product folder, then the uninstall entry, then the shortcut
    // boxes: what exists now, and what shall exist.
    BOOL OnInitDialog() override;
    // "Close", Escape and the close box all arrive here.
    void OnCancel() override;

private:
    // Creates the newly ticked shortcuts, deletes the newly cleared ones and
    // ends the dialog; an all-clear choice must be confirmed first.
    void ApplyShortCuts();
    // One shortcut: created when it is wanted and was not there, deleted
    // when it was there and is no longer wanted.
    void ApplyShortCut(int csidl, BOOL current, BOOL wanted);

    std::string m_strPath;  // the read-only "Path:" edit
    CShortCutTool m_ShortCutTool;
    CRegistryTool m_RegistryTool;
    BOOL m_bCurDesktop = 0;
    BOOL m_bCurStartMenu = 0;
    BOOL m_bCurPrograms = 0;
    BOOL m_bNewDesktop = 0;
    BOOL m_bNewStartMenu = 0;
    BOOL m_bNewPrograms = 0;
};
