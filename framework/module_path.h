// The running program's own file path.
#pragma once

#include <string>

// Reads the module path of the running program into `path` through a
// MAX_PATH buffer. Returns false, leaving `path` alone, when the system gives
// nothing or a path that fills the whole buffer: such a path may be cut off
// (and unterminated on old systems), so it must never be used.
bool GetOwnModulePath(std::string& path);

// The part of `path` before its last backslash; the whole path when it has
// none. "C:\P\T\UnInstall.exe" -> "C:\P\T", "C:\Install.exe" -> "C:".
std::string CutAtLastBackslash(const std::string& path);
