#include "product_folder.h"

namespace test_support {

ProductFolder::ProductFolder(const std::string& name) : ScratchFolder(name)
{
    CopyFileOrFail(test_support::InstallExe(), InstallExe());
    CopyFileOrFail(TolmicStubExe(), ProgramFile());
}

}  // namespace test_support
