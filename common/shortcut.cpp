#include "common/shortcut.h"

#include <objbase.h>
#include <shlobj.h>
#include <shellapi.h>

#include "common/handles.h"
#include "common/trace.h"
#include "framework/module_path.h"

namespace {
const char kThisProgram[] = "_this";

// The UTF-16 form of a path for IPersistFile, in a MAX_PATH buffer. False
// when it does not fit: a cut-off path must never be saved to.
bool ToWidePath(const std::string& path, WCHAR (&wide)[MAX_PATH])
{
    return MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, path.c_str(), -1, wide, MAX_PATH) > 0;
}

// True only for a file (not a folder) at exactly this path; a name with
// wildcards matches nothing here.
bool IsFile(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
}  // namespace

BOOL CShortCutTool::GetSpecialFolderPath(int csidl, std::string& path)
{
    UniqueItemIdList folder;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, folder.Put())))
        return 0;
    char buffer[MAX_PATH];
    if (!SHGetPathFromIDListA(folder.Get(), buffer))
        return 0;
    path = buffer;
    path += "\\";
    return 1;
}

BOOL CShortCutTool::GetShortCutFilePath(const std::string& name, int csidl, std::string& path)
{
    std::string folder;
    if (!GetSpecialFolderPath(csidl, folder))
        return 0;
    path = folder + name + ".lnk";
    return 1;
}

BOOL CShortCutTool::CreateShortCut(std::string target, std::string name, int csidl, std::string description,
                                   std::string iconPath, int iconIndex)
{
    std::string linkPath;
    if (!GetShortCutFilePath(name, csidl, linkPath))
        return 0;
    WCHAR wideLinkPath[MAX_PATH];
    if (!ToWidePath(linkPath, wideLinkPath)) {
        DEV_TRACE("Lnk NOT Written! CreateShortCut(...) failed!\n");
        return 0;
    }
    if (target == kThisProgram && !GetOwnModulePath(target)) {
        DEV_TRACE("Lnk NOT Written! CreateShortCut(...) failed!\n");
        return 0;
    }

    // The program initialised OLE at start-up; this only makes sure COM is
    // there for callers that did not, and is deliberately never undone.
    CoInitialize(nullptr);

    BOOL result = 0;
    ComPtr<IShellLinkA> link;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   link.PutVoid()))) {
        link->SetPath(target.c_str());
        link->SetDescription(description.c_str());
        if (!m_strArguments.empty())
            link->SetArguments(m_strArguments.c_str());
        ComPtr<IPersistFile> file;
        if (SUCCEEDED(link.QueryInterface(IID_IPersistFile, file))) {
            if (!iconPath.empty())
                link->SetIconLocation(iconPath.c_str(), iconIndex);
            if (SUCCEEDED(file->Save(wideLinkPath, TRUE)))
                result = 1;
        }
    }
    if (result)
        DEV_TRACE("Lnk Written!\n");
    else
        DEV_TRACE("Lnk NOT Written! CreateShortCut(...) failed!\n");
    return result;
}

BOOL CShortCutTool::DeleteShortCut(std::string name, int csidl)
{
    std::string linkPath;
    if (!GetShortCutFilePath(name, csidl, linkPath))
        return 0;
    // The shell's delete takes a folder with everything in it, and expands
    // wildcards, without asking: only a file standing at exactly this path
    // is handed to it.
    if (!IsFile(linkPath)) {
        DEV_TRACE("Lnk NOT Deleted! DeleteShortCut(...) FAILED!\n");
        return 0;
    }
    // The shell takes a list of names ended by an empty one: the string's
    // own terminator after this one gives the second zero.
    linkPath.push_back('\0');

    SHFILEOPSTRUCTA operation = {};
    operation.hwnd = nullptr;
    operation.wFunc = FO_DELETE;
    operation.pFrom = linkPath.c_str();
    operation.pTo = nullptr;
    operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI;
    if (SHFileOperationA(&operation) == 0) {
        DEV_TRACE("Lnk Deleted!\n");
        return 1;
    }
    DEV_TRACE("Lnk NOT Deleted! DeleteShortCut(...) FAILED!\n");
    return 0;
}

BOOL CShortCutTool::ShortCutExists(std::string name, int csidl)
{
    std::string linkPath;
    if (!GetShortCutFilePath(name, csidl, linkPath))
        return 0;
    WIN32_FIND_DATAA found;
    UniqueFindHandle search(FindFirstFileA(linkPath.c_str(), &found));
    return search.IsValid() ? 1 : 0;
}

void CShortCutTool::SetArguments(std::string arguments)
{
    m_strArguments = arguments;
}
