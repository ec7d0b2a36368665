#include "uninstall/message_list.h"

#include "common/handles.h"

namespace {
const std::string::size_type kListLineLength = 50;
}  // namespace

std::vector<std::string> SplitIntoListLines(const std::string& text)
{
    std::vector<std::string> lines;
    for (std::string::size_type start = 0; start < text.size(); start += kListLineLength)
        lines.push_back(text.substr(start, kListLineLength));
    return lines;
}

std::string GetSystemErrorText(DWORD code)
{
    UniqueLocalMemory buffer;
    // FORMAT_MESSAGE_MAX_WIDTH_MASK: one line, no breaks of the system's own.
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS |
                                            FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_MAX_WIDTH_MASK,
                                        nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                                        reinterpret_cast<LPSTR>(buffer.Put()), 0, nullptr);
    if (length == 0 || !buffer)
        return "Unknown error " + std::to_string(code);
    return std::string(static_cast<const char*>(buffer.Get()), length);
}
