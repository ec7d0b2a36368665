// Path forms that start with a drive: "C:", "C:\...".
#pragma once

#include <string>

inline bool IsDriveLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// "X:" followed by nothing or anything: a drive letter and a colon.
inline bool StartsWithDrive(const std::string& path)
{
    return path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == ':';
}
