// The clean-up script's text and the command line that starts it: pure
// text, given the paths and the code pages, so that every byte can be
// checked without a file system.
#pragma once

#include <string>

#include "uninstall/oem_spelling.h"

// A path in the ANSI code page, as the program knows it, and its 8.3 short
// form ("" when the file system gives none). The short form is the way out
// for a path that the OEM code page, or the command line, cannot spell.
struct ScriptPath {
    std::string longForm;
    std::string shortForm;
};

struct CleanupScriptPaths {
    ScriptPath program;  // UnInstall.exe, deleted once the program has ended
    ScriptPath folder;   // the product folder, removed when empty
    ScriptPath script;   // the script itself, deleted last
    ScriptPath ping;     // the system folder's ping.exe, the pause between tries
    std::string pipe;    // a pipe that stays open while the program runs; "" for none
};

// Tries of the fallback loop: the first ones at once (a program file stays
// locked for a moment after its program has ended), the others a second
// apart, about an hour in all.
const int kQuickTries = 20;
const int kMaximumTries = 3600;

// A path as the script must spell it inside double quotes: every "%" is
// doubled, since cmd would otherwise read "%...%" as a variable.
std::string EscapeForScript(const std::string& path);

// The script's text in the OEM code page, lines ended by CR LF. cmd reads it
// as one block before running any of it, so that nothing written to the
// file later can change what runs. It waits on the pipe until the program
// has ended, then deletes the program file (with bounded retries), removes
// the folder and deletes itself. False, leaving `text` alone, when a path
// cannot be spelled exactly in either of its forms: nothing approximate ever
// reaches cmd.
bool FormatCleanupScript(const CleanupScriptPaths& paths, const CodePages& pages, std::string& text);

// cmd's parameters for running the script: no AutoRun, no delayed
// expansion, command extensions on. cmd expands "%...%" on its command line
// and no doubling escapes it there, so a script path holding "%" is given in
// its short form. False when neither form is free of "%".
bool InterpreterParameters(const ScriptPath& script, std::string& parameters);
