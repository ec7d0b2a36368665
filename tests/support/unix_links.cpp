#include "unix_links.h"

#include <windows.h>

#include <initializer_list>

#include "common/handles.h"
#include "paths.h"

namespace test_support {

namespace {
using UnixFileName = char*(CDECL*)(LPCWSTR);

std::wstring Widen(const std::string& text)
{
    std::wstring wide(text.size() + 1, L'\0');
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
    wide.resize(length > 0 ? static_cast<size_t>(length - 1) : 0);
    return wide;
}

// Runs a Linux program: Wine starts ELF files as Linux processes. Their
// exit code does not come back, so callers check the effect instead.
void RunUnixCommand(const std::string& program, std::initializer_list<std::string> arguments)
{
    std::string commandLine = program;
    for (const std::string& argument : arguments)
        commandLine += " \"" + argument + "\"";
    // A 32-bit Wine hands a Linux child the parent's standard handles and
    // then loses its own standard output: the child gets the null device.
    SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
    UniqueFileHandle nul(CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     &inheritable, OPEN_EXISTING, 0, nullptr));
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = startup.hStdOutput = startup.hStdError = nul.Get();
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info))
        return;
    UniqueKernelHandle process(info.hProcess);
    UniqueKernelHandle thread(info.hThread);
    WaitForSingleObject(process.Get(), 10000);
}

// Waits until the path exists (or has gone), as seen from Windows.
bool WaitForPath(const std::string& path, bool present)
{
    return WaitUntil([&] { return (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) == present; }, 5000);
}

// Makes the link and waits until Windows sees `windowsPath` through it.
bool MakeUnixLink(const std::string& unixTarget, const std::string& unixLink, const std::string& windowsPath)
{
    RunUnixCommand("/bin/ln", {"-s", unixTarget, unixLink});
    return WaitForPath(windowsPath, true);
}

// rm without -r removes the link itself, never what it points to.
void RemoveUnixLink(const std::string& unixLink, const std::string& windowsPath)
{
    RunUnixCommand("/bin/rm", {"-f", unixLink});
    WaitForPath(windowsPath, false);
}
}  // namespace

std::string UnixPath(const std::string& windowsPath)
{
    // Wine's own export; void(*)() is the neutral function type to cast through.
    static const auto toUnix = reinterpret_cast<UnixFileName>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_unix_file_name")));
    if (!toUnix)
        return std::string();
    char* unix = toUnix(Widen(windowsPath).c_str());
    if (!unix)
        return std::string();
    std::string path(unix);
    HeapFree(GetProcessHeap(), 0, unix);
    return path;
}

FolderLink::FolderLink(const std::string& linkPath, const std::string& targetPath)
    : m_link(linkPath), m_unixLink(UnixPath(linkPath))
{
    const std::string unixTarget = UnixPath(targetPath);
    if (!m_unixLink.empty() && !unixTarget.empty())
        m_made = MakeUnixLink(unixTarget, m_unixLink, m_link);
}

FolderLink::~FolderLink()
{
    if (!m_unixLink.empty())
        RemoveUnixLink(m_unixLink, m_link);
}

MappedDrive::MappedDrive(const std::string& folder)
{
    // "C:\" is ".../dosdevices/c:/" on the Linux side.
    std::string dosDevices = UnixPath("C:\\");
    const std::string unixTarget = UnixPath(folder);
    const std::string::size_type driveC = dosDevices.rfind("/c:");
    if (driveC == std::string::npos || unixTarget.empty())
        return;
    dosDevices.erase(driveC + 1);
    const DWORD used = GetLogicalDrives();
    for (char letter = 'X'; letter >= 'M'; --letter) {
        const std::string drive = std::string(1, letter) + ":";
        if ((used & (1u << (letter - 'A'))) || GetFileAttributesA((drive + "\\").c_str()) != INVALID_FILE_ATTRIBUTES)
            continue;
        m_drive = drive;
        m_unixLink = dosDevices + static_cast<char>(letter - 'A' + 'a') + ":";
        m_made = MakeUnixLink(unixTarget, m_unixLink, m_drive + "\\");
        return;
    }
}

MappedDrive::~MappedDrive()
{
    if (!m_unixLink.empty())
        RemoveUnixLink(m_unixLink, m_drive + "\\");
}

}  // namespace test_support
