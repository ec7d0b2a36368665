#include "uninstall/cleanup_script.h"

#include <windows.h>
#include <shellapi.h>

#include "common/temp_folder.h"
#include "framework/module_path.h"
#include "uninstall/cleanup_script_text.h"
#include "uninstall/held_file.h"

const char kCleanupScriptName[] = "_uninsep.bat";

namespace {
// How long the program, when it ends, still waits for cmd to open the pipe:
// cmd opens it only after reading the whole script, which must not be let
// go before.
const DWORD kReaderWaitMs = 10000;

// The system folder, a working folder that standard users cannot write to.
bool GetSystemFolder(std::string& folder)
{
    char buffer[MAX_PATH];
    const UINT length = GetSystemDirectoryA(buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return false;
    folder.assign(buffer, length);
    return true;
}

// The 8.3 form of an existing path; "" when the system gives none.
std::string ShortForm(const std::string& path)
{
    char buffer[MAX_PATH];
    const DWORD length = GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::string();
    return std::string(buffer, length);
}

ScriptPath WithShortForm(const std::string& path)
{
    return {path, ShortForm(path)};
}

// The script does not exist yet: its short form is the temporary folder's
// with the name, which is an 8.3 name already.
ScriptPath ScriptWithShortForm(const std::string& tempFolder, const std::string& scriptPath)
{
    std::string folder = ShortForm(tempFolder);
    if (!folder.empty() && folder.back() != '\\')
        folder += '\\';
    std::string shortPath = folder.empty() ? std::string() : folder + kCleanupScriptName;
    if (shortPath.size() >= MAX_PATH)
        shortPath.clear();
    return {scriptPath, shortPath};
}
}  // namespace

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

CCleanupScript::~CCleanupScript()
{
    if (m_script)
        m_programEnd.WaitForReader(kReaderWaitMs);
}

void CCleanupScript::WriteAndStart(const std::string& folder)
{
    if (m_script)
        return;  // one script per run
    if (!WriteAndStartWithPipe(folder))
        m_programEnd.Close();
}

bool CCleanupScript::WriteAndStartWithPipe(const std::string& folder)
{
    std::string tempFolder;
    std::string scriptPath;
    std::string modulePath;
    std::string systemFolder;
    if (!GetCleanupScriptPath(tempFolder, scriptPath) || !GetOwnModulePath(modulePath) ||
        !GetSystemFolder(systemFolder))
        return false;
    const std::string moduleFolder = CutAtLastBackslash(modulePath);
    if (moduleFolder != folder)
        return false;

    // Without the pipe the script still works, waiting in its loop.
    m_programEnd.Create();
    CleanupScriptPaths paths;
    paths.program = WithShortForm(modulePath);
    paths.folder = WithShortForm(moduleFolder);
    paths.script = ScriptWithShortForm(tempFolder, scriptPath);
    paths.ping = WithShortForm(systemFolder + "\\ping.exe");
    paths.pipe = m_programEnd.Name();
    std::string text;
    std::string parameters;
    if (!FormatCleanupScript(paths, SystemCodePages(), text) || !InterpreterParameters(paths.script, parameters))
        return false;

    UniqueFileHandle script = WriteHeldFile(scriptPath, text);
    if (!script)
        return false;
    // cmd by its full path, never whatever a user made of ".bat" files; it
    // runs in the system folder, where no one can plant a program for it,
    // and not in the product folder it must remove.
    const std::string interpreter = systemFolder + "\\cmd.exe";
    const INT_PTR started = reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, "open", interpreter.c_str(), parameters.c_str(), systemFolder.c_str(), SW_HIDE));
    if (started <= 32) {
        script.Reset();
        DeleteFileA(scriptPath.c_str());
        return false;
    }
    m_script = std::move(script);
    return true;
}
