// The clean-up script: a hidden batch file in the temporary folder that,
// once the uninstaller has ended, deletes its program file, removes the
// emptied product folder and then deletes itself.
#pragma once

#include <string>

#include "common/handles.h"
#include "uninstall/program_end_pipe.h"

extern const char kCleanupScriptName[];  // "_uninsep.bat"

// The temporary folder (ending in "\") and the script's path in it; false
// when the system gives no temporary folder or the script's path would not
// fit a MAX_PATH buffer.
bool GetCleanupScriptPath(std::string& tempFolder, std::string& scriptPath);

// The script of one run and what it relies on while the program runs: the
// pipe it waits on and the handle that keeps every other program from
// changing the script. Both are let go when the object goes, at the end of
// the program; by then cmd has read the whole script.
class CCleanupScript {
public:
    CCleanupScript() = default;
    // Gives cmd a few seconds to read the script, if it has not yet.
    ~CCleanupScript();
    CCleanupScript(const CCleanupScript&) = delete;
    CCleanupScript& operator=(const CCleanupScript&) = delete;

    // Writes the script for the running program and starts it hidden, in
    // the system folder. Does nothing unless `folder` is exactly the
    // program's own folder; writes nothing when a path does not fit or
    // cannot be spelled exactly for cmd; deletes a script that could not be
    // written whole or started. Reports nothing.
    void WriteAndStart(const std::string& folder);

private:
    // False when no script runs; the pipe may then be open still.
    bool WriteAndStartWithPipe(const std::string& folder);

    ProgramEndPipe m_programEnd;
    UniqueFileHandle m_script;
};
