#include "framework/module_path.h"

#include <windows.h>

bool GetOwnModulePath(std::string& path)
{
    char buffer[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return false;
    path.assign(buffer, length);
    return true;
}

std::string CutAtLastBackslash(const std::string& path)
{
    const std::string::size_type slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(0, slash);
}
