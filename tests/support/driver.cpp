#include "driver.h"

#include "paths.h"

namespace test_support {

namespace {
struct DialogSearch {
    DWORD processId;
    const std::string* caption;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<DialogSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (owner == search->processId && std::string(className) == "#32770" &&
        WindowText(window) == *search->caption && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindDialog(DWORD processId, const std::string& caption)
{
    DialogSearch search{processId, &caption, nullptr};
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
}  // namespace

RunningProgram::RunningProgram(const std::string& exe)
{
    const std::string folder = exe.substr(0, exe.rfind('\\'));
    std::string commandLine = "\"" + exe + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &info))
        return;
    m_process.Reset(info.hProcess);
    UniqueKernelHandle thread(info.hThread);
    m_processId = info.dwProcessId;
    WaitForInputIdle(info.hProcess, 10000);
}

RunningProgram::~RunningProgram()
{
    if (m_process && WaitForSingleObject(m_process.Get(), 0) == WAIT_TIMEOUT) {
        TerminateProcess(m_process.Get(), 99);
        WaitForSingleObject(m_process.Get(), 5000);
    }
}

HWND RunningProgram::WaitForDialog(const std::string& caption, DWORD timeoutMs) const
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindDialog(m_processId, caption)) != nullptr; }, timeoutMs);
    return found;
}

bool RunningProgram::WaitForDialogToClose(const std::string& caption, DWORD timeoutMs) const
{
    return WaitUntil([&] { return FindDialog(m_processId, caption) == nullptr; }, timeoutMs);
}

DWORD RunningProgram::WaitForExit(DWORD timeoutMs) const
{
    if (!m_process || WaitForSingleObject(m_process.Get(), timeoutMs) != WAIT_OBJECT_0)
        return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(m_process.Get(), &code);
    return code;
}

std::string WindowText(HWND window)
{
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ControlText(HWND dialog, int id)
{
    // WM_GETTEXT is marshalled across processes, unlike GetWindowText on a
    // control of another process.
    char text[1024] = {};
    SendMessageA(GetDlgItem(dialog, id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

bool IsTicked(HWND dialog, int id)
{
    return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool IsControlEnabled(HWND dialog, int id)
{
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

void Click(HWND dialog, int id)
{
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void PostClick(HWND dialog, int id)
{
    PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void PressEscape(HWND dialog)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

void PressCloseBox(HWND dialog)
{
    PostMessageA(dialog, WM_CLOSE, 0, 0);
}

std::string MessageBoxText(HWND box)
{
    return ControlText(box, 0xFFFF);
}

std::vector<std::string> ListBoxLines(HWND dialog, int id)
{
    HWND list = GetDlgItem(dialog, id);
    std::vector<std::string> lines;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        // Across processes only the wide call returns the text safely.
        const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        if (length == LB_ERR)
            break;
        std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
        const LRESULT copied = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&wide[0]));
        wide.resize(copied == LB_ERR ? 0 : static_cast<size_t>(copied));
        std::string text(wide.size() * 2 + 1, '\0');
        const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), &text[0],
                                              static_cast<int>(text.size()), nullptr, nullptr);
        text.resize(bytes > 0 ? static_cast<size_t>(bytes) : 0);
        lines.push_back(text);
    }
    return lines;
}

}  // namespace test_support
