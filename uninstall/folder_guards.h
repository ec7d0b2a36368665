// Folders that must never be purged, whatever program sits in them: the
// root of a drive or share, and folders that are or hold one of the folders
// the shell knows.
#pragma once

#include <string>
#include <vector>

#include "common/wide_string.h"

// "C:" (a program in C:\) or "\\server\share": the root of a drive or of a
// network share, also in their "\\?\" forms and with a trailing backslash.
bool IsDriveRoot(const std::string& folder);

// True when `folder` is `other` or lies above it, compared as the file
// system compares names: component by component, in any letter case,
// ignoring trailing backslashes. "C:\Prog" is not above "C:\Program Files".
bool IsSameOrAbove(const std::string& folder, const std::string& other);

// Every folder the shell knows, read afresh on each call: each known folder
// with a file-system path (Vista and later), each CSIDL folder with one, the
// 64-bit Program Files and Common Files (which a 32-bit program's CSIDLs
// do not name), and the temporary folder. Folders that need not exist yet
// are included.
std::vector<WideString> ProtectedFolders();

// True when `folder` is one of the protected folders or lies above one. Two
// folders are the same when their names compare alike or when the file
// system says they are one folder (reached through a link, another drive
// letter, an 8.3 name). Folders below them (C:\Program Files\Tolmic 2007)
// are not protected.
bool HoldsWellKnownFolder(const std::string& folder);
