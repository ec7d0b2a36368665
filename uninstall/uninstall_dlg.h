// UnInstall.exe's dialog: lists the product folder and, on "&Remove",
// removes the product's files, registry keys and shortcuts.
#pragma once

#include <string>

#include "common/product_dialog.h"
#include "framework/listbox.h"
#include "uninstall/cleanup_script.h"
#include "uninstall/message_list.h"

class CUnInstallDlg : public CProductDialog, private CMessageSink {
public:
    explicit CUnInstallDlg(HWND parent = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // "&Remove" runs the removal; the dialog stays open.
    void OnOK() override { OnRemove(); }

private:
    // The removal, at most once per run: afterwards "&Remove" is disabled
    // and "Cancel" reads "Close", whatever happened.
    void OnRemove();
    // The removal's steps; returns early, having changed nothing, when the
    // product folder must not be purged.
    void RemoveProduct();
    // Adds the reason and returns true when the folder must not be purged.
    bool RefusesProductFolder();
    void RemoveRegistryKeys();
    void RemoveShortCuts();

    // Appends the text to the list in lines of at most 50 characters.
    void AddMessage(std::string text) override;
    int PurgeFolder(std::string folder, int depth);
    void FindSourceFiles(std::string folder);
    void WriteCleanupScript(std::string folder);

    CListBox m_listMessages;
    BOOL m_bSourceFiles = 0;  // raised by FindSourceFiles
    // Held until the program ends: the script waits for that.
    CCleanupScript m_cleanupScript;
};
