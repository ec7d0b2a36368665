#include "common/product_folder.h"

#include <windows.h>

#include "common/handles.h"
#include "common/product.h"
#include "framework/module_path.h"

namespace {
// Opens for reading with no sharing and an inheritable handle: a folder of
// that name, or a file that someone else holds open in a conflicting way,
// does not confirm the folder.
bool CanOpenForReading(const std::string& path)
{
    SECURITY_ATTRIBUTES inheritable = {sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    UniqueFileHandle file(CreateFileA(path.c_str(), GENERIC_READ, 0, &inheritable, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.IsValid();
}
}  // namespace

std::string LocateProductFolder()
{
    std::string modulePath;
    if (!GetOwnModulePath(modulePath))
        return std::string();
    const std::string folder = CutAtLastBackslash(modulePath);
    if (!CanOpenForReading(folder + "\\" + product::kProgramFileName))
        return std::string();
    return folder;
}
