// A file written anew and then held: while the returned handle lives, others
// may read the file but not write, rename or delete it.
#pragma once

#include <string>

#include "common/handles.h"

// Writes `text` as a new file at `path` and hands back a handle that holds
// it: read access only, so that any reader that shares reading (the command
// interpreter) can open it, and read sharing only, so that nobody can write,
// rename or delete it. Whatever stands at the name, a file or a link, is
// deleted first and never written through; a folder there is left alone.
// The held file is read back before the handle is given out: what it holds
// then is what the caller wrote, or no handle is given. An invalid handle
// when the file cannot be made, written whole or held.
UniqueFileHandle WriteHeldFile(const std::string& path, const std::string& text);
