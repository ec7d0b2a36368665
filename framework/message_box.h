// The program's message box: titled with the application name, and with the
// exclamation icon when the caller names no icon.
#pragma once

#include <windows.h>

#include <string>

int AfxMessageBox(const std::string& text, UINT type = MB_OK);

// The type actually shown for a requested type: boxes with the usual button
// sets that name no icon get MB_ICONEXCLAMATION.
UINT MessageBoxTypeWithIcon(UINT type);
