// The shell's known-folder manager is declared for Vista and later only. It
// is reached through COM at run time, where CoCreateInstance simply fails on
// older systems, so raising the version for this file adds no import; every
// function called directly here exists on XP. It must come before any
// header, the own one included.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0600
#undef WINVER
#define WINVER 0x0600

#include "uninstall/folder_guards.h"

#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>
#include <cwchar>

#include "common/drive_letter.h"
#include "common/handles.h"
#include "common/temp_folder.h"

#if NTDDI_VERSION < NTDDI_VISTA
#error "the known-folder manager's declarations need NTDDI_VISTA"
#endif

namespace {
const wchar_t kLongPathPrefix[] = L"\\\\?\\";
const wchar_t kLongUncPrefix[] = L"\\\\?\\UNC\\";

// --- Spellings -------------------------------------------------------------

bool StartsWith(const WideString& text, const wchar_t* prefix)
{
    return text.compare(0, std::char_traits<wchar_t>::length(prefix), prefix) == 0;
}

// "\\?\C:\x" -> "C:\x", "\\?\UNC\server\share" -> "\\server\share".
WideString WithoutLongPathPrefix(const WideString& path)
{
    if (StartsWith(path, kLongUncPrefix))
        return L"\\\\" + path.substr(std::char_traits<wchar_t>::length(kLongUncPrefix));
    if (StartsWith(path, kLongPathPrefix))
        return path.substr(std::char_traits<wchar_t>::length(kLongPathPrefix));
    return path;
}

WideString WithoutTrailingBackslashes(WideString path)
{
    while (!path.empty() && path.back() == L'\\')
        path.pop_back();
    return path;
}

// The long form of an existing path (no 8.3 aliases), so that both sides of
// a comparison name their components alike; the path itself otherwise.
WideString LongForm(const WideString& path)
{
    const DWORD needed = GetLongPathNameW(path.c_str(), nullptr, 0);
    if (needed == 0)
        return path;
    WideString buffer(needed, L'\0');
    const DWORD length = GetLongPathNameW(path.c_str(), &buffer[0], needed);
    if (length == 0 || length >= needed)
        return path;  // renamed between the two calls
    buffer.resize(length);
    return buffer;
}

// The form in which two paths compare as the file system compares them.
WideString ComparableForm(const WideString& path)
{
    WideString comparable = WithoutTrailingBackslashes(WithoutLongPathPrefix(path));
    if (!comparable.empty())
        CharUpperBuffW(&comparable[0], static_cast<DWORD>(comparable.size()));
    return comparable;
}

bool SameOrAbove(const WideString& folder, const WideString& other)
{
    const WideString upper = ComparableForm(folder);
    const WideString lower = ComparableForm(other);
    if (upper.empty() || lower.size() < upper.size() || lower.compare(0, upper.size(), upper) != 0)
        return false;
    return lower.size() == upper.size() || lower[upper.size()] == L'\\';
}

// "C:", "\\server\share" or "\\server" (above any share), without a
// "\\?\" prefix and trailing backslashes.
bool IsRootPath(const WideString& path)
{
    if (path.size() == 2 && path[1] == L':' && path[0] < 0x80 && IsDriveLetter(static_cast<char>(path[0])))
        return true;
    if (!StartsWith(path, L"\\\\"))
        return false;
    const WideString::size_type server = path.find_first_not_of(L'\\', 2);
    if (server != 2)
        return false;
    const WideString::size_type slash = path.find(L'\\', server);
    if (slash == WideString::npos || slash + 1 >= path.size())
        return true;
    return path.find(L'\\', slash + 1) == WideString::npos;
}

// The folder and each folder above it, up to the root of its drive or share.
std::vector<WideString> SelfAndAncestors(const WideString& folder)
{
    std::vector<WideString> chain;
    WideString path = WithoutTrailingBackslashes(WithoutLongPathPrefix(folder));
    while (!path.empty()) {
        chain.push_back(path);
        const WideString::size_type slash = path.rfind(L'\\');
        if (IsRootPath(path) || slash == WideString::npos)
            break;
        path.erase(slash);
    }
    return chain;
}

// --- Identity --------------------------------------------------------------

// What names a folder whatever the path that reaches it.
struct FolderIdentity {
    DWORD volume = 0;
    DWORD indexHigh = 0;
    DWORD indexLow = 0;
    FILETIME created = {};
};

// One file index on one volume is one folder. Wine, though, derives the
// volume serial from whichever drive letter it finds for a file, so one
// folder shows other serials through another letter, and at times 0; there
// the creation time tells instead. Two folders with one index and one
// creation time to the 100 ns are, at worst, one refusal too many.
bool IsSameFolder(const FolderIdentity& one, const FolderIdentity& other)
{
    if (one.indexHigh != other.indexHigh || one.indexLow != other.indexLow)
        return false;
    return one.volume == other.volume || CompareFileTime(&one.created, &other.created) == 0;
}

// Follows links, as every other use of the path does. False when the folder
// cannot be opened (missing, no access).
bool ReadIdentity(const WideString& folder, FolderIdentity& identity)
{
    WideString path = folder;
    if (path.size() == 2 && path[1] == L':')
        path += L'\\';  // "C:" alone names the drive's current folder
    UniqueFileHandle handle(CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    if (!handle || !GetFileInformationByHandle(handle.Get(), &info))
        return false;
    identity.volume = info.dwVolumeSerialNumber;
    identity.indexHigh = info.nFileIndexHigh;
    identity.indexLow = info.nFileIndexLow;
    identity.created = info.ftCreationTime;
    return true;
}

// --- The shell's folders ---------------------------------------------------

// Vista and later. Virtual folders (Control Panel, Network) have no path.
void AddKnownFolders(std::vector<WideString>& folders)
{
    ComForThisThread com;
    ComPtr<IKnownFolderManager> manager;
    if (FAILED(CoCreateInstance(CLSID_KnownFolderManager, nullptr, CLSCTX_INPROC_SERVER, IID_IKnownFolderManager,
                                manager.PutVoid())))
        return;
    UniqueTaskMemory<KNOWNFOLDERID> ids;
    UINT count = 0;
    if (FAILED(manager->GetFolderIds(ids.Put(), &count)) || !ids)
        return;
    for (UINT i = 0; i < count; ++i) {
        ComPtr<IKnownFolder> known;
        if (FAILED(manager->GetFolder(ids.Get()[i], reinterpret_cast<IKnownFolder**>(known.PutVoid()))))
            continue;
        UniqueTaskMemory<WCHAR> path;
        if (SUCCEEDED(known->GetPath(KF_FLAG_DONT_VERIFY, path.Put())) && path && path.Get()[0] != L'\0')
            folders.emplace_back(path.Get());
    }
}

// The whole CSIDL range: all that older systems know, and on newer ones a
// second opinion. Numbers without a folder, or without a path, fail.
void AddShellFolders(std::vector<WideString>& folders)
{
    for (int csidl = 0; csidl <= 0xFF; ++csidl) {
        WCHAR path[MAX_PATH] = {};
        if (SUCCEEDED(SHGetFolderPathW(nullptr, csidl | CSIDL_FLAG_DONT_VERIFY, nullptr, SHGFP_TYPE_CURRENT, path))) {
            const size_t length = wcsnlen(path, MAX_PATH);
            if (length > 0 && length < MAX_PATH)
                folders.emplace_back(path, length);
        }
    }
}

void AddEnvironmentFolder(std::vector<WideString>& folders, const wchar_t* name)
{
    const DWORD needed = GetEnvironmentVariableW(name, nullptr, 0);
    if (needed == 0)
        return;
    WideString value(needed, L'\0');
    const DWORD length = GetEnvironmentVariableW(name, &value[0], needed);
    if (length == 0 || length >= needed)
        return;
    value.resize(length);
    folders.push_back(value);
}

void AddTemporaryFolder(std::vector<WideString>& folders)
{
    std::string temp;
    WideString wide;
    if (GetTemporaryFolder(temp) && ToWide(CP_ACP, temp, wide))
        folders.push_back(wide);
}

// --- The checks ------------------------------------------------------------

bool IsNamedAsOrAbove(const WideString& product, const WideString& known)
{
    return SameOrAbove(product, known) || SameOrAbove(product, LongForm(known));
}

// Whether the product folder is, by the file system's word, one of the
// known folders or of the folders above them.
class ProductIdentity {
public:
    explicit ProductIdentity(const WideString& product) : m_known(ReadIdentity(product, m_product)) {}

    // The product folder is `known` or one of the folders above it.
    bool IsOrHolds(const WideString& known)
    {
        if (!m_known)
            return false;
        for (const WideString& folder : SelfAndAncestors(known)) {
            const WideString comparable = ComparableForm(folder);
            if (std::find(m_looked.begin(), m_looked.end(), comparable) != m_looked.end())
                continue;  // C:\Users and the like come up again and again
            m_looked.push_back(comparable);
            FolderIdentity identity;
            if (ReadIdentity(folder, identity) && IsSameFolder(identity, m_product))
                return true;
        }
        return false;
    }

private:
    FolderIdentity m_product;
    bool m_known;
    std::vector<WideString> m_looked;  // a few dozen: a list will do
};
}  // namespace

bool IsDriveRoot(const std::string& folder)
{
    WideString wide;
    return ToWide(CP_ACP, folder, wide) && IsRootPath(WithoutTrailingBackslashes(WithoutLongPathPrefix(wide)));
}

bool IsSameOrAbove(const std::string& folder, const std::string& other)
{
    WideString wideFolder, wideOther;
    return ToWide(CP_ACP, folder, wideFolder) && ToWide(CP_ACP, other, wideOther) && SameOrAbove(wideFolder, wideOther);
}

std::vector<WideString> ProtectedFolders()
{
    std::vector<WideString> folders;
    AddKnownFolders(folders);
    AddShellFolders(folders);
    AddEnvironmentFolder(folders, L"ProgramW6432");
    AddEnvironmentFolder(folders, L"CommonProgramW6432");
    AddTemporaryFolder(folders);
    return folders;
}

bool HoldsWellKnownFolder(const std::string& folder)
{
    WideString product;
    if (!ToWide(CP_ACP, folder, product) || product.empty())
        return true;  // a name that cannot be read is not purged
    product = LongForm(product);
    ProductIdentity identity(product);
    for (const WideString& known : ProtectedFolders()) {
        if (IsNamedAsOrAbove(product, known) || identity.IsOrHolds(known))
            return true;
    }
    return false;
}
