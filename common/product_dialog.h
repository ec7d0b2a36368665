// What both programs' dialogs share: the application icon (window icons,
// minimised painting, drag icon) and the product folder they work on.
#pragma once

#include <windows.h>

#include <string>

#include "framework/dialog.h"

class CProductDialog : public CDialog {
public:
    CProductDialog(UINT templateId, HWND parent);

protected:
    // The first steps of both dialogs' initialisation: the framework's own,
    // the window icons, then FindProductFolder.
    BOOL OnInitDialog() override;

    // Fills m_strProductFolder; when the folder cannot be confirmed, shows
    // "Cannot find original install folder?" and ends the process with exit
    // code 1 before anything has been changed.
    void FindProductFolder();

    bool OnPaint() override;
    HCURSOR OnQueryDragIcon() override;

    HICON m_hIcon;
    std::string m_strProductFolder;
};
