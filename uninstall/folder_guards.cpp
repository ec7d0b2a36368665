#include "uninstall/folder_guards.h"

#include <windows.h>
#include <shlobj.h>

#include "common/drive_letter.h"
#include "common/temp_folder.h"

namespace {
const char kLongPathPrefix[] = "\\\\?\\";
const char kLongUncPrefix[] = "\\\\?\\UNC\\";

bool StartsWith(const std::string& text, const char* prefix)
{
    return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

// "\\?\C:\x" -> "C:\x", "\\?\UNC\server\share" -> "\\server\share".
std::string WithoutLongPathPrefix(const std::string& path)
{
    if (StartsWith(path, kLongUncPrefix))
        return "\\\\" + path.substr(std::char_traits<char>::length(kLongUncPrefix));
    if (StartsWith(path, kLongPathPrefix))
        return path.substr(std::char_traits<char>::length(kLongPathPrefix));
    return path;
}

std::string WithoutTrailingBackslashes(std::string path)
{
    while (!path.empty() && path.back() == '\\')
        path.pop_back();
    return path;
}

// The long form of an existing path (no 8.3 aliases), so that both sides of
// a comparison name their components alike; the path itself otherwise.
std::string LongForm(const std::string& path)
{
    char buffer[MAX_PATH];
    const DWORD length = GetLongPathNameA(path.c_str(), buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return path;
    return std::string(buffer, length);
}

// The form in which two paths compare as the file system compares them.
std::string ComparableForm(const std::string& path)
{
    std::string comparable = WithoutTrailingBackslashes(WithoutLongPathPrefix(path));
    if (!comparable.empty())
        CharUpperBuffA(&comparable[0], static_cast<DWORD>(comparable.size()));
    return comparable;
}

void AddShellFolder(std::vector<std::string>& folders, int csidl)
{
    char path[MAX_PATH];
    if (SUCCEEDED(SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)) && path[0] != '\0')
        folders.emplace_back(path);
}
}  // namespace

bool IsDriveRoot(const std::string& folder)
{
    const std::string path = WithoutTrailingBackslashes(WithoutLongPathPrefix(folder));
    if (path.size() == 2 && StartsWithDrive(path))
        return true;
    // "\\server\share": two names after the leading pair of backslashes.
    if (!StartsWith(path, "\\\\"))
        return false;
    const std::string::size_type server = path.find_first_not_of('\\', 2);
    if (server != 2)
        return false;
    const std::string::size_type slash = path.find('\\', server);
    if (slash == std::string::npos || slash + 1 >= path.size())
        return true;  // "\\server" alone is above any share
    return path.find('\\', slash + 1) == std::string::npos;
}

bool IsSameOrAbove(const std::string& folder, const std::string& other)
{
    const std::string upper = ComparableForm(folder);
    const std::string lower = ComparableForm(other);
    if (upper.empty() || lower.size() < upper.size() || lower.compare(0, upper.size(), upper) != 0)
        return false;
    return lower.size() == upper.size() || lower[upper.size()] == '\\';
}

std::vector<std::string> WellKnownFolders()
{
    std::vector<std::string> folders;
    for (int csidl : {CSIDL_WINDOWS, CSIDL_SYSTEM, CSIDL_PROGRAM_FILES, CSIDL_PROGRAM_FILESX86,
                      CSIDL_PROGRAM_FILES_COMMON, CSIDL_PROFILE, CSIDL_DESKTOPDIRECTORY, CSIDL_PERSONAL,
                      CSIDL_APPDATA, CSIDL_LOCAL_APPDATA, CSIDL_COMMON_APPDATA, CSIDL_STARTMENU,
                      CSIDL_PROGRAMS})
        AddShellFolder(folders, csidl);
    std::string temp;
    if (GetTemporaryFolder(temp))
        folders.push_back(temp);
    return folders;
}

bool HoldsWellKnownFolder(const std::string& folder)
{
    const std::string product = LongForm(folder);
    for (const std::string& known : WellKnownFolders()) {
        if (IsSameOrAbove(product, known) || IsSameOrAbove(product, LongForm(known)))
            return true;
    }
    return false;
}
