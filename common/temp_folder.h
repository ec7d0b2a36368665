// The user's temporary folder.
#pragma once

#include <string>

// The temporary folder with its trailing backslash, as GetTempPathA gives it
// through a MAX_PATH buffer. False, leaving `folder` alone, when the system
// gives none or one that does not fit: it is never used cut off.
bool GetTemporaryFolder(std::string& folder);
