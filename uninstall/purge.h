// The two walks over the product folder: the search for source files that
// guards the removal, and the purge that empties the folder tree.
//
// Neither walk ever enters a folder link (a folder entry that is a reparse
// point: symbolic link, junction, mount point): what lies behind a link is
// outside the product folder, however it is reached, and a link that points
// back up the tree would otherwise be walked for ever. The purge goes into a
// folder only once it holds it open and has seen through that handle that it
// is a plain folder, and keeps holding it while it empties it: nothing can
// rename it or put a link in its place meanwhile.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "uninstall/message_list.h"

// DeleteFileA on the path; nonzero on success. Attributes are never changed.
BOOL DeleteSingleFile(std::string path);
// RemoveDirectoryA on the path (an empty folder, or a folder link itself).
BOOL RemoveSingleFolder(std::string path);

// Told the path of each folder the purge holds, before it lists it.
using FolderHeldCallback = std::function<void(const std::string& folder)>;

// Deletes every file and removes every sub-folder below `folder`, then the
// folder itself. `depth` is 1 for the product folder and one more per level.
// Each file or sub-folder left in place is reported to `messages` (a file by
// its name, a sub-folder or folder link by its full path, with the system's
// text for the error). A file named "UnInstall.exe" that cannot be deleted
// (the running program) and the product folder itself (which still holds
// it) are passed over in silence. Returns 1 when nothing was reported, else 0.
// A folder that is not a plain folder once held (a link), or that cannot be
// held, is not entered: only its own removal is tried, and reported.
int PurgeFolder(std::string folder, int depth, CMessageSink& messages,
                const FolderHeldCallback& onHeld = FolderHeldCallback());

// The lower-cased text after the name's last point; "" when it has none.
std::string GetExtension(std::string name);
// A file named *.cpp, *.hpp, *.c or *.h, in any letter case.
bool IsSourceFileName(const std::string& name);

// Sets `found` to 1 when a file anywhere in the tree is a source file; never
// clears it. Reads only; folders that cannot be listed are passed over.
void FindSourceFiles(std::string folder, BOOL& found);
