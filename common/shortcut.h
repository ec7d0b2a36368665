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

    // Reads back the target and description of the shortcut `name` in
    // `csidl`; COM must be initialised, and the shell may show a dialog owned
    // by `owner` while it looks for a moved target. The target comes back in
    // its long form when that is longer than the shell's short one.
    // Result: the shell's HRESULT (negative: failed); 1: no such special folder, texts untouched.
    HRESULT ResolveShortCut(std::string name, int csidl, HWND owner, std::string& targetPath,
                            std::string& description);

    // Spells an existing "X:" or "X:\..." path as stored on disk: long names
    // for 8.3 aliases, stored letter case, "\" separators, the root as given.
    // Result: the length of `canonical`; 0: no canonical form, keep `path`.
    int GetTruePathName(std::string path, std::string& canonical);

private:
    // The shortcut file's path; 0 when the special folder cannot be found.
    BOOL GetShortCutFilePath(const std::string& name, int csidl, std::string& path);

    std::string m_strArguments;
};
