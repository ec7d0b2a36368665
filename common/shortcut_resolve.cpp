// Reading shortcuts back, and spelling an existing path as it is stored on
// disk (long names instead of 8.3 aliases, the stored letter case).
#include "common/shortcut.h"

#include <objbase.h>
#include <shlobj.h>

#include <algorithm>

#include "common/drive_letter.h"
#include "common/handles.h"

namespace {

// Splits "X:" or "X:\..." into its root ("X:" or "X:\") and the rest.
// False for every other form: drive-relative ("X:name"), network and
// current-drive paths, relative paths.
bool SplitDriveRoot(const std::string& path, std::string& root, std::string& rest)
{
    if (!StartsWithDrive(path))
        return false;
    if (path.size() == 2) {
        root = path;
        rest.clear();
        return true;
    }
    if (path[2] != '\\')
        return false;
    root = path.substr(0, 3);
    rest = path.substr(3);
    return true;
}

// A trailing separator or two in a row would make the directory search
// look for an empty name.
bool HasEmptyComponent(const std::string& rest)
{
    return !rest.empty() &&
           (rest.front() == '\\' || rest.back() == '\\' || rest.find("\\\\") != std::string::npos);
}

// Copies `text` into a MAX_PATH buffer for the shell to write over; text
// that does not fit starts it empty rather than cut off.
void Prefill(const std::string& text, char (&buffer)[MAX_PATH])
{
    buffer[0] = '\0';
    if (text.size() < MAX_PATH)
        std::copy(text.c_str(), text.c_str() + text.size() + 1, buffer);
}

// The text the shell left in a MAX_PATH buffer, terminated even when the
// shell filled it to the last character.
std::string TextIn(char (&buffer)[MAX_PATH])
{
    buffer[MAX_PATH - 1] = '\0';
    return buffer;
}

// Loads and resolves the shortcut file, then reads its target and
// description. On a failure before GetPath the texts are untouched.
HRESULT ReadShortCut(const std::string& linkPath, HWND owner, std::string& targetPath,
                     std::string& description, bool& readTarget)
{
    readTarget = false;
    // Declared in this order so that the file interface goes first.
    ComPtr<IShellLinkA> link;
    ComPtr<IPersistFile> file;
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                      link.PutVoid());
    if (FAILED(result))
        return result;
    result = link.QueryInterface(IID_IPersistFile, file);
    if (FAILED(result))
        return result;

    WCHAR wideLinkPath[MAX_PATH];
    if (MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, wideLinkPath, MAX_PATH) == 0)
        return HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE);
    result = file->Load(wideLinkPath, STGM_READ);
    if (FAILED(result))
        return result;
    result = link->Resolve(owner, SLR_ANY_MATCH);
    if (FAILED(result))
        return result;

    readTarget = true;
    char target[MAX_PATH];
    Prefill(targetPath, target);
    WIN32_FIND_DATAA found;
    result = link->GetPath(target, MAX_PATH, &found, SLGP_SHORTPATH);
    targetPath = TextIn(target);
    if (FAILED(result))
        return result;

    char text[MAX_PATH] = {};
    result = link->GetDescription(text, MAX_PATH);
    description = TextIn(text);
    return result;
}

}  // namespace

HRESULT CShortCutTool::ResolveShortCut(std::string name, int csidl, HWND owner, std::string& targetPath,
                                       std::string& description)
{
    std::string folder;
    if (!GetSpecialFolderPath(csidl, folder))
        return 1;
    const std::string linkPath = folder + name + ".lnk";

    bool readTarget = false;
    const HRESULT result = ReadShortCut(linkPath, owner, targetPath, description, readTarget);
    // A target read from the shortcut is used only when fully read; a
    // failure before that still brings the incoming text to its long form.
    if (readTarget && FAILED(result))
        return result;

    std::string canonical;
    if (GetTruePathName(targetPath, canonical) > static_cast<int>(targetPath.size()))
        targetPath = canonical;
    return result;
}

int CShortCutTool::GetTruePathName(std::string path, std::string& canonical)
{
    if (path.empty() || GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        return 0;
    std::replace(path.begin(), path.end(), '/', '\\');
    std::string root;
    std::string rest;
    if (!SplitDriveRoot(path, root, rest) || HasEmptyComponent(rest))
        return 0;

    // Each component is looked up below the path probed so far; the search
    // reports the name as stored, whatever form the component was given in.
    std::string probe = root;
    canonical = root;
    size_t start = 0;
    while (start < rest.size()) {
        const size_t end = std::min(rest.find('\\', start), rest.size());
        probe += rest.substr(start, end - start);
        WIN32_FIND_DATAA found;
        UniqueFindHandle search(FindFirstFileA(probe.c_str(), &found));
        if (!search)
            return 0;
        canonical += found.cFileName;
        if (end < rest.size()) {
            probe += '\\';
            canonical += '\\';
        }
        start = end + 1;
    }
    if (GetFileAttributesA(canonical.c_str()) == INVALID_FILE_ATTRIBUTES)
        return 0;
    return static_cast<int>(canonical.size());
}
