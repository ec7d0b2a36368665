// Install.exe's dialog: registers the product and sets its shortcuts.
#pragma once

#include <string>

#include "common/product_dialog.h"
#include "common/registry.h"

class CInstallDlg : public CProductDialog {
public:
    explicit CInstallDlg(HWND parent = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    std::string m_strPath;  // the read-only "Path:" edit
    CRegistryTool m_RegistryTool;
    BOOL m_bCurDesktop = 0;
    BOOL m_bCurStartMenu = 0;
    BOOL m_bCurPrograms = 0;
    BOOL m_bNewDesktop = 0;
    BOOL m_bNewStartMenu = 0;
    BOOL m_bNewPrograms = 0;
};
