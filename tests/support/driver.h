// Drives a real program's dialogs from another process, as a user would:
// finds its windows, reads controls, ticks boxes and presses buttons.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "common/handles.h"

namespace test_support {

// A program started for a test; killed if the test leaves it running.
class RunningProgram {
public:
    // Starts `exe` with its own folder as working directory.
    explicit RunningProgram(const std::string& exe);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool Started() const { return m_process.IsValid(); }
    DWORD ProcessId() const { return m_processId; }

    // The program's top-level dialog (class "#32770") with this caption, or
    // null when none shows up in time.
    HWND WaitForDialog(const std::string& caption, DWORD timeoutMs = 15000) const;
    // Waits until the program's window with this caption has gone.
    bool WaitForDialogToClose(const std::string& caption, DWORD timeoutMs = 15000) const;

    // The exit code, or STILL_ACTIVE when the program has not ended in time.
    DWORD WaitForExit(DWORD timeoutMs = 15000) const;

private:
    UniqueKernelHandle m_process;
    DWORD m_processId = 0;
};

std::string WindowText(HWND window);
std::string ControlText(HWND dialog, int id);
bool IsTicked(HWND dialog, int id);
bool IsControlEnabled(HWND dialog, int id);

// Clicks and returns when the click has been handled.
void Click(HWND dialog, int id);
// Clicks without waiting: for a button whose handler opens a modal box.
void PostClick(HWND dialog, int id);
// Closes the dialog the way Escape does (an IDCANCEL command from the dialog
// manager), without waiting.
void PressEscape(HWND dialog);
// Closes the dialog through its caption's close box (WM_CLOSE), without waiting.
void PressCloseBox(HWND dialog);

// The text of a message box (static control 0xFFFF).
std::string MessageBoxText(HWND box);

// Every line of a list box, read across processes.
std::vector<std::string> ListBoxLines(HWND dialog, int id);

}  // namespace test_support
