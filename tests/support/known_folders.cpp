#include "known_folders.h"

#include <shobjidl.h>

#include "common/handles.h"

namespace test_support {

namespace {
// "" when a character has no ANSI form: a stand-in would name another path.
std::string Narrow(const wchar_t* wide)
{
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, nullptr, 0, nullptr, &usedDefault);
    if (size <= 1 || usedDefault)
        return std::string();
    std::string narrow(static_cast<size_t>(size), '\0');
    if (WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, &narrow[0], size, nullptr, &usedDefault) != size ||
        usedDefault)
        return std::string();
    narrow.resize(static_cast<size_t>(size - 1));
    while (narrow.size() > 3 && narrow.back() == '\\')
        narrow.pop_back();
    return narrow;
}

std::string PathOf(IKnownFolder* folder)
{
    PWSTR path = nullptr;
    const HRESULT result = folder->GetPath(KF_FLAG_DONT_VERIFY, &path);
    UniqueTaskMemory<WCHAR> owned(path);
    return SUCCEEDED(result) && path ? Narrow(path) : std::string();
}

ComPtr<IKnownFolderManager> Manager()
{
    ComPtr<IKnownFolderManager> manager;
    CoCreateInstance(CLSID_KnownFolderManager, nullptr, CLSCTX_INPROC_SERVER, IID_IKnownFolderManager,
                     manager.PutVoid());
    return manager;
}
}  // namespace

std::string KnownFolder(REFKNOWNFOLDERID id)
{
    ComForThisThread com;
    ComPtr<IKnownFolderManager> manager = Manager();
    ComPtr<IKnownFolder> folder;
    if (!manager || FAILED(manager->GetFolder(id, reinterpret_cast<IKnownFolder**>(folder.PutVoid()))))
        return std::string();
    return PathOf(folder.Get());
}

std::vector<std::string> KnownFolderPaths(size_t* idCount)
{
    ComForThisThread com;
    std::vector<std::string> paths;
    ComPtr<IKnownFolderManager> manager = Manager();
    KNOWNFOLDERID* ids = nullptr;
    UINT count = 0;
    if (!manager || FAILED(manager->GetFolderIds(&ids, &count)))
        count = 0;
    UniqueTaskMemory<KNOWNFOLDERID> ownedIds(ids);
    for (UINT i = 0; i < count; ++i) {
        ComPtr<IKnownFolder> folder;
        if (FAILED(manager->GetFolder(ids[i], reinterpret_cast<IKnownFolder**>(folder.PutVoid()))))
            continue;
        const std::string path = PathOf(folder.Get());
        if (!path.empty())
            paths.push_back(path);
    }
    if (idCount)
        *idCount = count;
    return paths;
}

}  // namespace test_support
