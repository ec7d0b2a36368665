#include "uninstall/held_file.h"

#include <windows.h>

#include <vector>

namespace {
// Writes the whole text through a handle that nobody else may open
// meanwhile. CREATE_NEW fails on anything that came back at the name;
// FILE_FLAG_OPEN_REPARSE_POINT keeps a link there from being followed.
bool WriteNewFile(const std::string& path, const std::string& text)
{
    UniqueFileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file)
        return false;
    DWORD written = 0;
    if (::WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
        written == text.size())
        return true;
    // A cut-off script could run half a command: none is left behind.
    file.Reset();
    DeleteFileA(path.c_str());
    return false;
}

// True when the file behind the handle holds exactly `text`.
bool HoldsExactly(HANDLE file, const std::string& text)
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size) || size.QuadPart != static_cast<LONGLONG>(text.size()))
        return false;
    std::vector<char> content(text.size() + 1);
    DWORD read = 0;
    if (!ReadFile(file, content.data(), static_cast<DWORD>(content.size()), &read, nullptr))
        return false;
    return read == text.size() && std::string(content.data(), read) == text;
}
}  // namespace

UniqueFileHandle WriteHeldFile(const std::string& path, const std::string& text)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY)
            return UniqueFileHandle();
        // An earlier run's script, or a hard link to someone's file: writing
        // over the name would write into that file.
        DeleteFileA(path.c_str());
    }
    if (!WriteNewFile(path, text))
        return UniqueFileHandle();
    // The writing handle is let go before the holding one is opened: a
    // handle with write access would make every reader share writing.
    // Whatever was done at the name in between shows when the held file is
    // read back; it is then not ours, and it is left alone.
    UniqueFileHandle held(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!held || !HoldsExactly(held.Get(), text))
        return UniqueFileHandle();
    return held;
}
