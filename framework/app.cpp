#include "framework/app.h"

#include <ole2.h>

#include "framework/module_path.h"

namespace {
CWinApp* g_theApp = nullptr;

// "C:\Some\Folder\Install.exe" -> "Install".
std::string FileTitle(const std::string& path)
{
    std::string name = path.substr(path.find_last_of("\\/") + 1);
    const std::string::size_type dot = name.rfind('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return name;
}
}  // namespace

CWinApp::CWinApp()
{
    g_theApp = this;
}

CWinApp::~CWinApp()
{
    if (g_theApp == this)
        g_theApp = nullptr;
}

int CWinApp::ExitInstance()
{
    if (m_bOleInitialized) {
        OleUninitialize();
        m_bOleInitialized = false;
    }
    return 0;
}

CWinApp* AfxGetApp()
{
    return g_theApp;
}

void AfxEnableControlContainer()
{
}

BOOL AfxOleInit()
{
    CWinApp* app = AfxGetApp();
    if (FAILED(OleInitialize(nullptr)))
        return FALSE;
    if (app)
        app->m_bOleInitialized = true;
    return TRUE;
}

int RunApplication(HINSTANCE instance)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return 1;
    app->m_hInstance = instance;
    std::string modulePath;
    app->m_strAppName = GetOwnModulePath(modulePath) ? FileTitle(modulePath) : std::string("Application");
    // Dialog programs do all their work inside InitInstance and return FALSE.
    app->InitInstance();
    return app->ExitInstance();
}
