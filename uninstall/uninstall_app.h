// UnInstall.exe's application object.
#pragma once

#include "framework/app.h"

class CUnInstallApp : public CWinApp {
public:
    // Initialises OLE and runs the remove dialog; always FALSE, so the
    // program ends when the dialog does.
    BOOL InitInstance() override;
};
