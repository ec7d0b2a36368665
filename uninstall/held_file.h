// A file written anew and then held: while the returned handle lives, others
// may read the file but not write, rename or delete it.
#pragma once

#include <string>

#include "common/handles.h"

// Writes `text` as a new file at `path` through a handle that shares reading
// only and is not inherited, and hands that same handle back, so that there
// is no moment between writing and holding. Whatever stands at the name, a
// file or a link, is deleted first and never written through; a folder there
// is left alone. An invalid handle, and no file, when the file cannot be
// made or written whole.
UniqueFileHandle WriteHeldFile(const std::string& path, const std::string& text);
