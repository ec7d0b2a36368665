#include "shortcut_fixture.h"

#include <windows.h>
#include <shlobj.h>

#include "common/handles.h"
#include "common/product.h"
#include "paths.h"
#include "registry_fixture.h"

namespace test_support {

namespace {
const int kShortCutFolders[] = {CSIDL_DESKTOP, CSIDL_STARTMENU, CSIDL_PROGRAMS};
}

std::string SpecialFolder(int csidl)
{
    char path[MAX_PATH];
    if (FAILED(SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)))
        return std::string();
    return path;
}

std::string ShortCutFile(int csidl, const std::string& name)
{
    return JoinPath(SpecialFolder(csidl), name + ".lnk");
}

LinkContents ReadLink(const std::string& path)
{
    LinkContents contents;
    CoInitialize(nullptr);  // kept for the process, as the kit does
    ComPtr<IShellLinkA> link;
    ComPtr<IPersistFile> file;
    WCHAR widePath[MAX_PATH];
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.PutVoid())) ||
        FAILED(link.QueryInterface(IID_IPersistFile, file)) ||
        !MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath, MAX_PATH) ||
        FAILED(file->Load(widePath, STGM_READ)))
        return contents;

    char text[1024];
    // The raw path: what was set, without expanding or resolving it.
    if (SUCCEEDED(link->GetPath(text, sizeof text, nullptr, SLGP_RAWPATH)))
        contents.target = text;
    if (SUCCEEDED(link->GetDescription(text, sizeof text)))
        contents.description = text;
    if (SUCCEEDED(link->GetArguments(text, sizeof text)))
        contents.arguments = text;
    if (SUCCEEDED(link->GetIconLocation(text, sizeof text, &contents.iconIndex)))
        contents.iconPath = text;
    contents.loaded = true;
    return contents;
}

void RemoveShortCutFiles(const std::string& name)
{
    for (int csidl : kShortCutFolders) {
        const std::string path = ShortCutFile(csidl, name);
        if (FolderExists(path))
            RemoveTree(path);
        else
            DeleteFileA(path.c_str());
    }
}

void ClearProductState()
{
    DeleteKeyTree(product::kUninstallKey);
    DeleteKeyTree("SOFTWARE\\Orlund");
    RemoveShortCutFiles(product::kShortCutName);
}

}  // namespace test_support
