#include "uninstall/purge.h"

#include <cstring>

#include "common/handles.h"
#include "common/product.h"

namespace {
enum class EntryKind { File, Folder, FolderLink };

EntryKind KindOf(const WIN32_FIND_DATAA& entry)
{
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return EntryKind::File;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return EntryKind::FolderLink;
    return EntryKind::Folder;
}

bool IsDotEntry(const char* name)
{
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

// Calls visit(entry) for every entry of the folder but "." and "..", in the
// system's order; nothing when the folder cannot be listed.
template <typename Visit>
void ForEachEntry(const std::string& folder, Visit visit)
{
    WIN32_FIND_DATAA entry;
    UniqueFindHandle listing(FindFirstFileA((folder + "\\*.*").c_str(), &entry));
    if (!listing)
        return;
    do {
        if (!IsDotEntry(entry.cFileName))
            visit(entry);
    } while (FindNextFileA(listing.Get(), &entry));
}

void ReportFailure(CMessageSink& messages, const std::string& what, DWORD code)
{
    messages.AddMessage(what + ": " + GetSystemErrorText(code));
}

bool IsPlainFolder(DWORD attributes)
{
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) &&
           !(attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// Opens the folder entry itself (a link at the name, not what it points to)
// without FILE_SHARE_DELETE: while the handle lives, nobody can rename or
// delete the folder or put a link at its name. List access because a handle
// with attribute access alone takes no part in sharing checks. Returns an
// empty handle unless the entry is a plain folder.
UniqueFileHandle HoldPlainFolder(const std::string& folder)
{
    UniqueFileHandle handle(CreateFileA(folder.c_str(), FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                        FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    if (!handle || !GetFileInformationByHandle(handle.Get(), &info) || !IsPlainFolder(info.dwFileAttributes))
        return UniqueFileHandle();
    // Wine opens a link's target even so, and its handle shows a plain
    // folder; the entry's own attributes still show the link.
    if (!IsPlainFolder(GetFileAttributesA(folder.c_str())))
        return UniqueFileHandle();
    return handle;
}

// Deletes the files of a held folder and purges its sub-folders.
int PurgeContents(const std::string& folder, int depth, CMessageSink& messages, const FolderHeldCallback& onHeld)
{
    int result = 1;
    ForEachEntry(folder, [&](const WIN32_FIND_DATAA& entry) {
        const std::string path = folder + "\\" + entry.cFileName;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            // A link too: what stands at the name now is what counts.
            if (!PurgeFolder(path, depth + 1, messages, onHeld))
                result = 0;
        } else if (!DeleteSingleFile(path)) {
            const DWORD code = GetLastError();
            if (std::strcmp(entry.cFileName, product::kUninstallerFileName) != 0) {
                ReportFailure(messages, entry.cFileName, code);
                result = 0;
            }
        }
    });
    return result;
}
}  // namespace

BOOL DeleteSingleFile(std::string path)
{
    return DeleteFileA(path.c_str());
}

BOOL RemoveSingleFolder(std::string path)
{
    return RemoveDirectoryA(path.c_str());
}

int PurgeFolder(std::string folder, int depth, CMessageSink& messages, const FolderHeldCallback& onHeld)
{
    int result = 1;
    UniqueFileHandle held = HoldPlainFolder(folder);
    if (held) {
        if (onHeld)
            onHeld(folder);
        if (!PurgeContents(folder, depth, messages, onHeld))
            result = 0;
        held.Reset();  // the hold would keep the folder from being removed
    }
    // Emptied, or never entered: of a link only the link itself goes.
    if (!RemoveSingleFolder(folder)) {
        const DWORD code = GetLastError();
        if (depth > 1) {
            ReportFailure(messages, folder, code);
            result = 0;
        }
    }
    return result;
}

std::string GetExtension(std::string name)
{
    const std::string::size_type point = name.rfind('.');
    if (point == std::string::npos)
        return std::string();
    std::string extension = name.substr(point + 1);
    if (!extension.empty())
        CharLowerBuffA(&extension[0], static_cast<DWORD>(extension.size()));
    return extension;
}

bool IsSourceFileName(const std::string& name)
{
    const std::string extension = GetExtension(name);
    return extension == "cpp" || extension == "hpp" || extension == "c" || extension == "h";
}

void FindSourceFiles(std::string folder, BOOL& found)
{
    ForEachEntry(folder, [&](const WIN32_FIND_DATAA& entry) {
        switch (KindOf(entry)) {
        case EntryKind::Folder:
            FindSourceFiles(folder + "\\" + entry.cFileName, found);
            break;
        case EntryKind::FolderLink:
            break;
        case EntryKind::File:
            if (IsSourceFileName(entry.cFileName))
                found = 1;
            break;
        }
    });
}
