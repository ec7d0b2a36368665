// Wide (UTF-16) text for the programs.
#pragma once

#include <string>

// Traits of their own make this a string type that the C++ library has not
// built in advance: the compiler then makes only the members the programs
// use, and the linker keeps only those. std::wstring would link the
// library's whole prebuilt wide string (about 35 KB) at its first use.
struct WideCharTraits : std::char_traits<wchar_t> {};
using WideString = std::basic_string<wchar_t, WideCharTraits>;

// `text` in UTF-16, read in the given code page; "" gives "". False, and
// `wide` left alone, when the text holds bytes that page cannot read.
bool ToWide(unsigned codePage, const std::string& text, WideString& wide);
