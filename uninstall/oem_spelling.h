// Paths spelled for the command interpreter. cmd reads a batch file in the
// OEM code page, while the program knows its paths in the ANSI one: the same
// bytes name other letters there, and so other files.
#pragma once

#include <string>

struct CodePages {
    unsigned ansi;
    unsigned oem;
};

// The code pages this system uses for programs (ANSI) and consoles (OEM).
CodePages SystemCodePages();

// The bytes that spell, in the OEM code page, exactly the letters that
// `ansi` spells in the ANSI one. False, leaving `oem` alone, when a letter
// has no exact OEM form: a look-alike or default character would name
// another file, so none is ever used.
bool SpellInOemCodePage(const std::string& ansi, const CodePages& pages, std::string& oem);
