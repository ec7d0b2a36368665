#include "uninstall/held_file.h"

#include <windows.h>

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
    // CREATE_NEW fails on anything that came back at the name meanwhile;
    // FILE_FLAG_OPEN_REPARSE_POINT keeps a link there from being followed.
    UniqueFileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file)
        return file;
    DWORD written = 0;
    const BOOL ok = ::WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    if (!ok || written != text.size()) {
        // A cut-off script could run half a command: none is left behind.
        file.Reset();
        DeleteFileA(path.c_str());
    }
    return file;
}
