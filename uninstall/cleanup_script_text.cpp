#include "uninstall/cleanup_script_text.h"

namespace {
// The path's OEM spelling, or its short form's; quoted and escaped.
bool QuoteForScript(const ScriptPath& path, const CodePages& pages, std::string& quoted)
{
    std::string spelled;
    if (!SpellInOemCodePage(path.longForm, pages, spelled) &&
        (path.shortForm.empty() || !SpellInOemCodePage(path.shortForm, pages, spelled)))
        return false;
    quoted = "\"" + EscapeForScript(spelled) + "\"";
    return true;
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

bool FormatCleanupScript(const CleanupScriptPaths& paths, const CodePages& pages, std::string& text)
{
    std::string program, folder, script, ping;
    if (!QuoteForScript(paths.program, pages, program) || !QuoteForScript(paths.folder, pages, folder) ||
        !QuoteForScript(paths.script, pages, script) || !QuoteForScript(paths.ping, pages, ping))
        return false;

    // One parenthesised block, left only by "exit": cmd never reads the
    // file again after the program has ended and let go of it.
    std::string block;
    block += "(\r\n";
    if (!paths.pipe.empty())
        block += "set /p tolmicwait=<\"" + paths.pipe + "\"\r\n";
    block += "for /l %%t in (1,1," + std::to_string(kMaximumTries) + ") do (\r\n";
    block += "del " + program + "\r\n";
    block += "if not exist " + program + " (\r\n";
    block += "rmdir " + folder + "\r\n";
    block += "del " + script + "\r\n";
    block += "exit\r\n";
    block += ")\r\n";
    block += "if %%t gtr " + std::to_string(kQuickTries) + " " + ping + " -n 2 127.0.0.1 >nul\r\n";
    block += ")\r\n";
    // Out of tries: as before, the folder goes if it is empty by now.
    block += "rmdir " + folder + "\r\n";
    block += "del " + script + "\r\n";
    block += "exit\r\n";
    block += ")\r\n";
    text.swap(block);
    return true;
}

bool InterpreterParameters(const ScriptPath& script, std::string& parameters)
{
    const std::string* path = &script.longForm;
    if (path->find('%') != std::string::npos)
        path = &script.shortForm;
    if (path->empty() || path->find('%') != std::string::npos)
        return false;
    // cmd takes the outer pair of quotes off and runs what stands inside.
    parameters = "/D /V:OFF /E:ON /C \"\"" + *path + "\"\"";
    return true;
}
