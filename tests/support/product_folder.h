// A product folder for end-to-end runs: a scratch folder holding the real
// Install.exe beside a stand-in Tolmic.exe.
#pragma once

#include <string>

#include "paths.h"

namespace test_support {

class ProductFolder : public ScratchFolder {
public:
    // `name` may hold blanks, like "Tolmic 2007" under "Program Files".
    explicit ProductFolder(const std::string& name);

    std::string InstallExe() const { return *this / "Install.exe"; }
    std::string ProgramFile() const { return *this / "Tolmic.exe"; }
};

}  // namespace test_support
