// Wide (UTF-16) text for the programs.
#pragma once

#include <string>

// Traits of their own make this a string type that the C++ library has not
// built in advance: the compiler then makes only the members the programs
// use, and the linker keeps only those. std::wstring would link the
// library's whole prebuilt wide string (about 35 KB) at its first use.
struct WideCharTraits : std::char_traits<wchar_t> {};
using WideString = std::basic_string<wchar_t, WideCharTraits>;
