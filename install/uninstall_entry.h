// The product's entry in the system's list of installed programs: a key
// under HKEY_LOCAL_MACHINE with seven REG_SZ values, written on every run.
#pragma once

#include <string>

#include "common/registry.h"

// Reads the "DisplayName" the entry had before this run, then writes all
// seven values for the product folder `productFolder` (no trailing
// backslash). Returns that earlier display name: "" means no earlier entry
// could be read, which makes this run a first installation. Write failures
// pass in silence.
std::string RegisterUninstallEntry(CRegistryTool& registry, const std::string& productFolder);
