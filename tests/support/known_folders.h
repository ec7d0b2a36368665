// The folders the shell knows, as this test process sees them, read through
// the shell's own interfaces rather than the kit's code.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

namespace test_support {

// The known folder's file-system path without a trailing backslash; "" when
// it has none (virtual folders, the 64-bit Program Files in a 32-bit process)
// or its path cannot be written in the ANSI code page.
std::string KnownFolder(REFKNOWNFOLDERID id);

// Every known folder with a file-system path (duplicates left in), as
// KnownFolder gives it; how many ids the shell lists goes to `idCount`.
std::vector<std::string> KnownFolderPaths(size_t* idCount = nullptr);

}  // namespace test_support
