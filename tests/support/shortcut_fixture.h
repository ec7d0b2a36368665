// Shortcut files for tests: where the kit's shortcuts live, reading a saved
// link back, and leaving the user's shortcut folders clean.
#pragma once

#include <string>

#include "common/product.h"

namespace test_support {

// The special folder's path without a trailing backslash, from the shell
// (not from the kit's own code); "" when the shell has none.
std::string SpecialFolder(int csidl);

// "<special folder>\<name>.lnk"; by default the product's own shortcut.
std::string ShortCutFile(int csidl, const std::string& name = product::kShortCutName);

// What a saved shell link says, read through the system's shell-link object.
struct LinkContents {
    bool loaded = false;
    std::string target;
    std::string description;
    std::string arguments;
    std::string iconPath;
    int iconIndex = -1;
};
LinkContents ReadLink(const std::string& path);

// Removes whatever stands at "<name>.lnk" (a file, or a folder with all in
// it) in the desktop, Start-menu and Programs folders.
void RemoveShortCutFiles(const std::string& name);

// The state the programs change, brought back to "never installed": no
// uninstall entry, no maker's keys (SOFTWARE\Orlund) and no product shortcut
// in any of the three folders.
void ClearProductState();

}  // namespace test_support
