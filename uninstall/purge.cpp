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
}  // namespace

BOOL DeleteSingleFile(std::string path)
{
    return DeleteFileA(path.c_str());
}

BOOL RemoveSingleFolder(std::string path)
{
    return RemoveDirectoryA(path.c_str());
}

int PurgeFolder(std::string folder, int depth, CMessageSink& messages)
{
    int result = 1;
    ForEachEntry(folder, [&](const WIN32_FIND_DATAA& entry) {
        const std::string path = folder + "\\" + entry.cFileName;
        switch (KindOf(entry)) {
        case EntryKind::Folder:
            if (!PurgeFolder(path, depth + 1, messages))
                result = 0;
            break;
        case EntryKind::FolderLink:
            // The link goes, never what it points to.
            if (!RemoveSingleFolder(path)) {
                ReportFailure(messages, path, GetLastError());
                result = 0;
            }
            break;
        case EntryKind::File:
            if (!DeleteSingleFile(path)) {
                const DWORD code = GetLastError();
                if (std::strcmp(entry.cFileName, product::kUninstallerFileName) != 0) {
                    ReportFailure(messages, entry.cFileName, code);
                    result = 0;
                }
            }
            break;
        }
    });
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
