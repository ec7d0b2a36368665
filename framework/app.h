// Application object of a dialog-based program: one global instance, whose
// InitInstance runs once when the program starts.
#pragma once

#include <windows.h>

#include <string>

class CDialog;

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Start-up. Returning FALSE ends the program without a message loop,
    // which is what a modal-dialog program does once its dialog has ended.
    virtual BOOL InitInstance() = 0;

    // Ends OLE if AfxOleInit started it; runs when start-up has returned.
    virtual int ExitInstance();

    // The name that titles message boxes: the program file's name without
    // its extension ("Install", "UnInstall").
    const std::string& AppName() const { return m_strAppName; }

    HINSTANCE m_hInstance = nullptr;
    // The program's main window: its one dialog, while that runs. Message
    // boxes are owned by it.
    CDialog* m_pMainWnd = nullptr;

private:
    friend BOOL AfxOleInit();
    friend int RunApplication(HINSTANCE);

    std::string m_strAppName;
    bool m_bOleInitialized = false;
};

CWinApp* AfxGetApp();

// Control hosting is not needed by these dialogs; kept as the start-up step.
void AfxEnableControlContainer();

// Initialises OLE on this thread; FALSE when the system refuses.
BOOL AfxOleInit();

// Runs the one application object; called by the program's entry point.
int RunApplication(HINSTANCE instance);
