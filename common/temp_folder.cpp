#include "common/temp_folder.h"

#include <windows.h>

bool GetTemporaryFolder(std::string& folder)
{
    char buffer[MAX_PATH];
    const DWORD length = GetTempPathA(MAX_PATH, buffer);
    if (length == 0 || length >= MAX_PATH)
        return false;
    folder.assign(buffer, length);
    return true;
}
