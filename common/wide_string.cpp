#include "common/wide_string.h"

#include <windows.h>

bool ToWide(unsigned codePage, const std::string& text, WideString& wide)
{
    if (text.empty()) {
        wide.clear();
        return true;
    }
    const int length = static_cast<int>(text.size());
    const int needed = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), length, nullptr, 0);
    if (needed <= 0)
        return false;
    WideString converted(static_cast<size_t>(needed), L'\0');
    if (MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), length, &converted[0], needed) != needed)
        return false;
    wide.swap(converted);
    return true;
}
