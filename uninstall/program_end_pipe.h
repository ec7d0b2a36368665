// A named pipe that tells the clean-up script when this program has ended.
// The script reads from it; nothing is ever written, so the read blocks,
// using no processor time, until the system closes this end as the
// program ends, however it ends.
#pragma once

#include <windows.h>

#include <string>

#include "common/handles.h"

class ProgramEndPipe {
public:
    ProgramEndPipe() = default;
    // Leaves any wait for the reader cancelled and finished before the
    // OVERLAPPED it writes to goes.
    ~ProgramEndPipe();
    ProgramEndPipe(const ProgramEndPipe&) = delete;
    ProgramEndPipe& operator=(const ProgramEndPipe&) = delete;

    // Makes the pipe under a name unique to this process; false when it
    // cannot be made, or when something else already holds the name.
    bool Create();
    bool IsOpen() const { return m_pipe.IsValid(); }
    // "\\.\pipe\tolmic-uninstall-<process id>-<tick count>"; "" before Create.
    const std::string& Name() const { return m_name; }

    // Waits at most `timeoutMs` until a reader has opened the pipe.
    void WaitForReader(DWORD timeoutMs);
    void Close();

private:
    void FinishConnect();

    UniqueFileHandle m_pipe;
    UniqueKernelHandle m_connected;  // the event of the pending connect
    OVERLAPPED m_overlapped = {};
    bool m_pending = false;
    std::string m_name;
};
