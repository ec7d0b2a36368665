// Folders that must never be purged, whatever program sits in them: the
// root of a drive or share, and folders that hold the user's or the
// system's own folders.
#pragma once

#include <string>
#include <vector>

// "C:" (a program in C:\) or "\\server\share": the root of a drive or of a
// network share, also in their "\\?\" forms and with a trailing backslash.
bool IsDriveRoot(const std::string& folder);

// True when `folder` is `other` or lies above it, compared as the file
// system compares names: component by component, in any letter case,
// ignoring trailing backslashes. "C:\Prog" is not above "C:\Program Files".
bool IsSameOrAbove(const std::string& folder, const std::string& other);

// The shell's well-known folders (Windows, system, program files, the
// user's profile, desktop, documents, application data, Start menu and
// Programs, common application data) and the temporary folder; those the
// system cannot give are left out.
std::vector<std::string> WellKnownFolders();

// True when `folder` is one of the well-known folders or lies above one.
// Folders below them (C:\Program Files\Tolmic 2007) are not protected.
bool HoldsWellKnownFolder(const std::string& folder);
