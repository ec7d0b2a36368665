// Install.exe's application object.
#pragma once

#include "framework/app.h"

class CInstallApp : public CWinApp {
public:
    // Initialises OLE and runs the shortcut-settings dialog; always FALSE,
    // so the program ends when the dialog does.
    BOOL InitInstance() override;
};
