#include "uninstall/cleanup_script.h"

#include <windows.h>
#include <shellapi.h>

#include "common/handles.h"
#include "common/temp_folder.h"
#include "framework/module_path.h"

const char kCleanupScriptName[] = "_uninsep.bat";

namespace {
// Tries, about a second apart (ping is the pause that every cmd has), before
// the script gives up on a program file that cannot be deleted.
const char kMaximumTries[] = "3600";

std::string Quoted(const std::string& path)
{
    return "\"" + EscapeForScript(path) + "\"";
}
}  // namespace

std::string EscapeForScript(const std::string& path)
{
    std::string escaped;
    for (char c : path) {
        escaped += c;
        if (c == '%')
            escaped += '%';
    }
    return escaped;
}

std::string FormatCleanupScript(const std::string& modulePath, const std::string& moduleFolder,
                                const std::string& scriptPath)
{
    const std::string program = Quoted(modulePath);
    std::string text;
    text += "set /a tries=0\r\n";
    text += ":Repeat\r\n";
    text += "del " + program + "\r\n";
    text += "if not exist " + program + " goto Removed\r\n";
    text += "set /a tries+=1\r\n";
    text += "if %tries% geq " + std::string(kMaximumTries) + " goto Removed\r\n";
    text += "ping -n 2 127.0.0.1 >nul\r\n";
    text += "goto Repeat\r\n";
    text += ":Removed\r\n";
    text += "rmdir " + Quoted(moduleFolder) + "\r\n";
    text += "del " + Quoted(scriptPath) + "\r\n";
    return text;
}

bool GetCleanupScriptPath(std::string& tempFolder, std::string& scriptPath)
{
    std::string folder;
    if (!GetTemporaryFolder(folder))
        return false;
    const std::string path = folder + kCleanupScriptName;
    if (path.size() >= MAX_PATH)
        return false;
    tempFolder = folder;
    scriptPath = path;
    return true;
}

void WriteCleanupScript(const std::string& folder)
{
    std::string tempFolder;
    std::string scriptPath;
    std::string modulePath;
    if (!GetCleanupScriptPath(tempFolder, scriptPath) || !GetOwnModulePath(modulePath))
        return;
    const std::string moduleFolder = CutAtLastBackslash(modulePath);
    if (moduleFolder != folder)
        return;

    const std::string text = FormatCleanupScript(modulePath, moduleFolder, scriptPath);
    {
        UniqueFileHandle script(CreateFileA(scriptPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!script)
            return;
        DWORD written = 0;
        const BOOL ok = ::WriteFile(script.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        if (!ok || written != text.size()) {
            // A cut-off script could run half a command: never start one.
            script.Reset();
            DeleteFileA(scriptPath.c_str());
            return;
        }
    }
    // The script runs in the temporary folder: a folder that is a process's
    // current directory cannot be removed, so it must not run in the
    // product folder it is to remove.
    ShellExecuteA(nullptr, "open", scriptPath.c_str(), nullptr, tempFolder.c_str(), SW_HIDE);
}
