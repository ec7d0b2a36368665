// Shell shortcut (.lnk) files in the shell's special folders. A shortcut's
// file is always the special folder's path (ending in "\"), the shortcut
// name unchanged, then ".lnk". Failures are reported only through results.
#pragma once

#include <windows.h>

#include <string>

class CShortCutTool {
public:
    virtual ~CShortCutTool() = default;

    // 1: `path` becomes the special folder's path with one "\" appended;
    // 0: the shell has no file-system folder for `csidl`, `path` unchanged.
    BOOL GetSpecialFolderPath(int csidl, std::string& path);

    // Saves a shortcut to `target` ("_this": the running program itself)
    // with the description, the arguments set by SetArguments (when not
    // empty) and the icon (when `iconPath` is not empty). 1 when saved.
    BOOL CreateShortCut(std::string target, std::string name, int csidl, std::string description,
                        std::string iconPath, int iconIndex);

    // Deletes the shortcut file outright (no Recycle Bin, no questions).
    // 1 when the shell's delete operation succeeded; 0, deleting nothing,
    // when no file stands at the shortcut's path (a folder there is kept).
    BOOL DeleteShortCut(std::string name, int csidl);

    // 1 when something (a file, or a folder) stands at the shortcut's path.
    BOOL ShortCutExists(std::string name, int csidl);

    // Arguments carried by every shortcut this object creates from now on.
    void SetArguments(std::string arguments);

private:
    // The shortcut file's path; 0 when the special folder cannot be found.
    BOOL GetShortCutFilePath(const std::string& name, int csidl, std::string& path);

    std::string m_strArguments;
};
