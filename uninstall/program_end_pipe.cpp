#include "uninstall/program_end_pipe.h"

#include <vector>

namespace {
// Objects made with the process token's default DACL: open to this
// program's own token, and so to the script it starts, but to none of the
// user's programs without the uninstaller's rights. (A pipe made without
// security attributes lets everyone read it, that is, connect.)
class DefaultSecurity {
public:
    DefaultSecurity()
    {
        UniqueKernelHandle token;
        if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.Put()))
            return;
        DWORD size = 0;
        GetTokenInformation(token.Get(), TokenDefaultDacl, nullptr, 0, &size);
        if (size < sizeof(TOKEN_DEFAULT_DACL))
            return;
        m_buffer.resize(size);
        if (!GetTokenInformation(token.Get(), TokenDefaultDacl, m_buffer.data(), size, &size))
            return;
        PACL dacl = reinterpret_cast<TOKEN_DEFAULT_DACL*>(m_buffer.data())->DefaultDacl;
        // No default DACL would mean no DACL at all: open to everyone.
        if (!dacl || !InitializeSecurityDescriptor(&m_descriptor, SECURITY_DESCRIPTOR_REVISION) ||
            !SetSecurityDescriptorDacl(&m_descriptor, TRUE, dacl, FALSE))
            return;
        m_attributes.nLength = sizeof m_attributes;
        m_attributes.lpSecurityDescriptor = &m_descriptor;
        m_attributes.bInheritHandle = FALSE;
        m_valid = true;
    }
    DefaultSecurity(const DefaultSecurity&) = delete;
    DefaultSecurity& operator=(const DefaultSecurity&) = delete;

    // Null when the token tells nothing usable: then the pipe's own default.
    SECURITY_ATTRIBUTES* Attributes() { return m_valid ? &m_attributes : nullptr; }

private:
    std::vector<BYTE> m_buffer;  // holds the DACL that m_descriptor points to
    SECURITY_DESCRIPTOR m_descriptor = {};
    SECURITY_ATTRIBUTES m_attributes = {};
    bool m_valid = false;
};
}  // namespace

ProgramEndPipe::~ProgramEndPipe()
{
    Close();
}

bool ProgramEndPipe::Create()
{
    Close();
    const std::string name = "\\\\.\\pipe\\tolmic-uninstall-" + std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(GetTickCount());
    DefaultSecurity security;
    // Outbound only: the reader can never send this program anything. The
    // first-instance flag refuses a name that another program made first.
    UniqueFileHandle pipe(CreateNamedPipeA(name.c_str(),
                                           PIPE_ACCESS_OUTBOUND | FILE_FLAG_FIRST_PIPE_INSTANCE | FILE_FLAG_OVERLAPPED,
                                           PIPE_TYPE_BYTE | PIPE_WAIT, 1, 0, 0, 0, security.Attributes()));
    UniqueKernelHandle connected(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (!pipe || !connected)
        return false;

    m_overlapped = OVERLAPPED();
    m_overlapped.hEvent = connected.Get();
    // A reader may come before or after this call; either way the event or
    // the result tells.
    if (ConnectNamedPipe(pipe.Get(), &m_overlapped)) {
        SetEvent(connected.Get());
    } else {
        const DWORD error = GetLastError();
        if (error == ERROR_IO_PENDING)
            m_pending = true;
        else
            SetEvent(connected.Get());  // connected already, or gone again
    }
    m_pipe = std::move(pipe);
    m_connected = std::move(connected);
    m_name = name;
    return true;
}

void ProgramEndPipe::WaitForReader(DWORD timeoutMs)
{
    if (!m_pipe)
        return;
    if (WaitForSingleObject(m_connected.Get(), timeoutMs) == WAIT_OBJECT_0 && m_pending) {
        DWORD transferred = 0;
        GetOverlappedResult(m_pipe.Get(), &m_overlapped, &transferred, FALSE);
        m_pending = false;
    }
}

void ProgramEndPipe::FinishConnect()
{
    if (!m_pending)
        return;
    CancelIo(m_pipe.Get());
    DWORD transferred = 0;
    GetOverlappedResult(m_pipe.Get(), &m_overlapped, &transferred, TRUE);
    m_pending = false;
}

void ProgramEndPipe::Close()
{
    if (m_pipe)
        FinishConnect();
    m_pipe.Reset();
    m_connected.Reset();
    m_name.clear();
}
