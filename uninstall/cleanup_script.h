// The clean-up script: a hidden batch file in the temporary folder that,
// once the uninstaller has ended, deletes its program file, removes the
// emptied product folder and then deletes itself.
#pragma once

#include <string>

extern const char kCleanupScriptName[];  // "_uninsep.bat"

// A path as the script must spell it inside double quotes: every "%" is
// doubled, since cmd would otherwise read "%...%" as a variable.
std::string EscapeForScript(const std::string& path);

// The script's text, lines ended by CR LF: retry deleting `modulePath`
// about once a second until it is gone or about an hour has passed, then
// remove `moduleFolder` (only if empty) and delete `scriptPath`.
std::string FormatCleanupScript(const std::string& modulePath, const std::string& moduleFolder,
                                const std::string& scriptPath);

// The temporary folder (ending in "\") and the script's path in it; false
// when the system gives no temporary folder or the script's path would not
// fit a MAX_PATH buffer.
bool GetCleanupScriptPath(std::string& tempFolder, std::string& scriptPath);

// Writes the script for the running program and starts it hidden, in the
// temporary folder. Does nothing unless `folder` is exactly the program's
// own folder; writes nothing when a path does not fit, and deletes a script
// that could not be written whole. Reports nothing.
void WriteCleanupScript(const std::string& folder);
